// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
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
    window->findChild<QAction*>("mnuFileNew")->trigger();
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

} // namespace
} // namespace tallivant::testing
