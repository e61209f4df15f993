// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QCheckBox>
#include <QRadioButton>
#include <QSet>
#include <set>

#include "window_fixture.h"

namespace tallivant::testing {
namespace {

using ScreenReader = WindowTest;

QString spoken(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

TEST_F(ScreenReader, EveryControlHasItsOwnName) {
    std::set<QString> names;
    int controls = 0;
    for (QWidget* w : window->centralWidget()->findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLineEdit*>(w)) continue;
        ++controls;
        const QString name = spoken(w);
        EXPECT_FALSE(name.isEmpty()) << w->objectName().toStdString();
        EXPECT_TRUE(names.insert(name).second)
            << "shared name " << name.toStdString() << " on " << w->objectName().toStdString();
    }
    // 306 fields, 12 name buttons, 12 on-the-floor boxes, 13 stats, takeback, start/stop,
    // reset, 5 timeout boxes, 5 quarters, 2 possession options.
    EXPECT_EQ(controls, 306 + 12 + 12 + 13 + 3 + 5 + 5 + 2);
}

TEST_F(ScreenReader, NamesSayWhatTheControlIsWithoutChangingItsCaption) {
    EXPECT_EQ(spoken(field("txtfgm_2")), "Player 3 field goals made");
    EXPECT_EQ(spoken(field("txt2ndreb")), "Second quarter rebounds");
    EXPECT_EQ(spoken(field("txttmptstot")), "Game totals points");
    EXPECT_EQ(spoken(field("txtot3ptper")), "Overtime three-point percentage");
    EXPECT_EQ(spoken(widget("cmdtakeback")), "Takeback");
    EXPECT_EQ(spoken(widget("opt2ndqtr")), "Second quarter");
    EXPECT_EQ(spoken(widget("cmdfgm")), "Field goal made");
    EXPECT_EQ(text("cmdfgm"), "&c--FG");
    EXPECT_EQ(spoken(widget("Check10")), "Player 3 on the floor");
    EXPECT_EQ(spoken(widget("cmdp3")), "Player 3");
    EXPECT_EQ(spoken(widget("lblclock")), "00:01:00");
}

TEST_F(ScreenReader, NameButtonsSayTheRosterName) {
    dialogs.inputAnswers = {std::string("&Zed"), std::string("R&&D Smith")};
    trigger("mnuFileNew");
    EXPECT_EQ(spoken(widget("cmdp1")), "Player 1, Zed");
    EXPECT_EQ(spoken(widget("cmdp2")), "Player 2, R&D Smith");
    EXPECT_EQ(text("cmdp1"), "&Zed");
}

TEST_F(ScreenReader, FoulTroubleIsSaidAsWellAsShown) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(field("txtpf_6"));
    for (int i = 0; i < 3; ++i)
        stat(7, "cmdpf");
    EXPECT_EQ(iface->text(QAccessible::Description), "Foul trouble");
    click("cmdtakeback");
    EXPECT_EQ(iface->text(QAccessible::Description), "");
}

// Columns holding ink (any pixel far from the field's base colour) left of `width`, frame
// left out.
QSet<int> inkColumns(const QImage& image, QColor base, int width) {
    QSet<int> columns;
    for (int x = 2; x < std::min(width, image.width() - 2); ++x)
        for (int y = 2; y < image.height() - 2; ++y) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.lightness() - base.lightness()) > 100) columns.insert(x);
        }
    return columns;
}

// Cut off, as the eye sees it: made four times as wide, the field shows ink the narrow field
// does not.
bool looksCutOff(QLineEdit* f) {
    const QColor base = f->palette().color(QPalette::Base);
    const QImage narrow = f->grab().toImage();
    const QSize size = f->size();
    f->resize(size.width() * 4, size.height());
    const QImage wide = f->grab().toImage();
    f->resize(size);
    // The narrow field's right frame is no text; compare the columns left of it.
    const int inside = size.width() - 2;
    return !(inkColumns(wide, base, 4 * size.width()) - inkColumns(narrow, base, inside)).isEmpty();
}

TEST_F(ScreenReader, CutOffValuesHaveTheWholeTextAsTooltipAndValue) {
    for (const char* button : {"cmdfgm", "cmdfgm", "cmdfgmiss", "cmdftm", "cmd3pmiss"})
        stat(2, button);
    for (int i = 0; i < 40; ++i)
        stat(1 + i % 3, "cmd3pm");
    int cut[2] = {}, whole = 0;
    for (const bool afterNewGame : {false, true}) {
        if (afterNewGame) trigger("mnuFileNew");
        for (QLineEdit* f : window->centralWidget()->findChildren<QLineEdit*>()) {
            const std::string name = f->objectName().toStdString();
            const bool cutOff = looksCutOff(f);
            EXPECT_EQ(f->toolTip(), cutOff ? f->text() : QString()) << name << " " << cutOff;
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(f);
            EXPECT_EQ(iface->text(QAccessible::Value), f->text()) << name;
            // The field shows the beginning of its text.
            EXPECT_EQ(f->cursorPosition(), 0) << name;
            ++(cutOff ? cut[afterNewGame] : whole);
        }
    }
    // Before File|New: the percentages (66.67%, 100.00%, 0.00%) and the three-digit points;
    // after it every field shows "0" and no tooltip is left behind.
    EXPECT_GE(cut[0], 10);
    EXPECT_EQ(cut[1], 0);
    EXPECT_EQ(field("txtfgper_1")->toolTip(), "");
}

} // namespace
} // namespace tallivant::testing
