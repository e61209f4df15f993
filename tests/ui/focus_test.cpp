// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard's path through the window and the outline that shows where it is.
#include <QAction>
#include <QCheckBox>
#include <QHash>
#include <QMenu>
#include <QRadioButton>
#include <cmath>
#include <tuple>

#include "window_fixture.h"

namespace tallivant::testing {
namespace {

using KeyboardFocus = WindowTest;

// The path as a scorer walks it: the stat buttons in the order of their rows, Takeback, the
// quarters, the clock's two buttons, the timeout boxes, the possession, then each player.
QStringList expectedPath(const QString& quarter, const QString& possession) {
    QStringList path = {"cmdfgm",   "cmdfgmiss",   "cmdftm",  "cmdftmiss",
                        "cmd3pm",   "cmd3pmiss",   "cmdast",  "cmdreb",
                        "cmdto",    "cmdstl",      "cmdblk",  "cmdpf",
                        "cmdtf",    "cmdtakeback", quarter,   "cmdclock_stopstart",
                        "Command1", "Check1",      "Check2",  "Check3",
                        "Check4",   "Check5",      possession};
    for (int n = 1; n <= 12; ++n)
        path << QStringLiteral("Check%1").arg(n + 7) << QStringLiteral("cmdp%1").arg(n);
    return path;
}

QString focused() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("(none)");
}

// Presses the key until the focus is back where it started; the names passed, start first.
QStringList walk(Qt::Key key) {
    QStringList seen = {focused()};
    for (int i = 0; i < 400; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        if (focused() == seen.first()) break;
        seen << focused();
    }
    return seen;
}

TEST_F(KeyboardFocus, TabGoesRoundTheControlsAndShiftTabGoesBack) {
    ASSERT_EQ(focused(), "cmdfgm");
    const QStringList path = expectedPath("opt1stqtr", "optyouposs");
    const QStringList forwards = walk(Qt::Key_Tab);
    EXPECT_EQ(forwards, path);
    EXPECT_LE(forwards.size(), 60);
    QStringList backwards = walk(Qt::Key_Backtab);
    std::reverse(backwards.begin() + 1, backwards.end());
    EXPECT_EQ(backwards, path);

    // A field leaves the path but still takes the mouse, so its text can be copied.
    click("txtfgm_3");
    EXPECT_EQ(focused(), "txtfgm_3");
    QTest::keyClick(field("txtfgm_3"), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(field("txtfgm_3")->selectedText(), "0");
}

TEST_F(KeyboardFocus, OptionGroupIsOneStopAtItsCheckedButtonAndArrowsMoveInside) {
    widget("cmdtakeback")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(focused(), "opt1stqtr");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(focused(), "opt3rdqtr");
    EXPECT_EQ(window->currentQuarter(), Quarter::Third);
    widget("Check5")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(focused(), "Option1");
    EXPECT_TRUE(widget<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(window->currentQuarter(), Quarter::Third);

    widget("cmdfgm")->setFocus();
    EXPECT_EQ(walk(Qt::Key_Tab), expectedPath("opt3rdqtr", "Option1"));
    // File|New turns the first quarter on; the stop goes with it.
    trigger("mnuFileNew");
    widget("cmdfgm")->setFocus();
    EXPECT_EQ(walk(Qt::Key_Tab), expectedPath("opt1stqtr", "Option1"));
}

double luminance(QColor c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What one side of the outline looks like, read from the pixels the focus changed: walking
// outwards from inside the control across the side, the changed pixels are the ring. The colours
// that surround it are the ones found most often just inside and just beyond it along the side
// (the control's face and the window behind it), so that a check mark or a letter touching the
// ring at one spot does not count as its surroundings.
struct Side {
    int thinnest = 1000;
    double inside = 0, outside = 0;
};

QRgb mostCommon(const QList<QRgb>& colours) {
    QHash<QRgb, int> counts;
    for (QRgb c : colours)
        ++counts[c];
    QRgb best = 0;
    int most = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.value() > most) std::tie(best, most) = std::pair(it.key(), it.value());
    return best;
}

Side readSide(const QImage& before, const QImage& after, QPoint from, QPoint along, int length,
              QPoint out) {
    Side side;
    QList<QRgb> inner, outer, faces, beyond;
    for (int t = length / 4; t < length - length / 4; ++t) {
        QPoint p = from + along * t;
        while (after.rect().contains(p) && before.pixel(p) == after.pixel(p))
            p += out;
        if (!after.rect().contains(p)) return {};
        faces << after.pixel(p - out);
        inner << after.pixel(p);
        int width = 0;
        QRgb outermost = 0;
        for (; after.rect().contains(p) && before.pixel(p) != after.pixel(p); p += out, ++width)
            outermost = after.pixel(p);
        // At the client area's edge the ring has nothing beyond it.
        if (after.rect().contains(p)) outer << outermost, beyond << after.pixel(p);
        side.thinnest = std::min(side.thinnest, width);
    }
    side.inside = contrast(QColor(mostCommon(inner)), QColor(mostCommon(faces)));
    side.outside =
        beyond.isEmpty() ? 99 : contrast(QColor(mostCommon(outer)), QColor(mostCommon(beyond)));
    return side;
}

TEST_F(KeyboardFocus, OutlineStandsOutOnEveryWindowColourAndControlColour) {
    QWidget* area = window->centralWidget();
    // Name buttons red as well as white, on-the-floor boxes checked as well as not.
    widget<QCheckBox>("Check9")->setChecked(true);
    click("cmdp2");
    int colours = 0, checked = 0;
    double minimum = 99;
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->parent() != window->findChild<QWidget*>("mnucolorchange") || action->menu())
            continue;
        action->trigger();
        ++colours;
        widget("cmdfgm")->setFocus();
        const QStringList path = walk(Qt::Key_Tab);
        for (const QString& name : path) {
            QWidget* w = widget(name);
            widget("lblclock")->setFocus(); // not a control: nothing is outlined
            // The control and what lies around it, with the control's rectangle in it.
            const QRect around =
                QRect(w->mapTo(area, QPoint(0, 0)), w->size()).adjusted(-8, -8, 8, 8) &
                area->rect();
            const QImage before = area->grab(around).toImage();
            w->setFocus();
            const QImage after = area->grab(around).toImage();
            const QRect r(w->mapTo(area, QPoint(0, 0)) - around.topLeft(), w->size());
            // Each side, walked from a point well inside the control.
            const int in = std::min(r.width(), r.height()) / 2 - 2;
            const struct {
                QPoint from, along;
                int length;
                QPoint out;
            } sides[] = {{r.topLeft() + QPoint(0, in), {1, 0}, r.width(), {0, -1}},
                         {r.bottomLeft() - QPoint(0, in), {1, 0}, r.width(), {0, 1}},
                         {r.topLeft() + QPoint(in, 0), {0, 1}, r.height(), {-1, 0}},
                         {r.topRight() - QPoint(in, 0), {0, 1}, r.height(), {1, 0}}};
            for (const auto& s : sides) {
                const Side side = readSide(before, after, s.from, s.along, s.length, s.out);
                const std::string where = name.toStdString() + " on " +
                                          action->text().toStdString() + " side " +
                                          std::to_string(&s - sides);
                ASSERT_GE(side.thinnest, 2) << where;
                ASSERT_GE(side.inside, 3.0) << where;
                ASSERT_GE(side.outside, 3.0) << where;
                minimum = std::min({minimum, side.inside, side.outside});
                ++checked;
            }
        }
    }
    EXPECT_EQ(colours, 13);
    EXPECT_EQ(checked, 13 * 47 * 4);
    RecordProperty("LowestContrast", QString::number(minimum, 'f', 2).toStdString());
}

} // namespace
} // namespace tallivant::testing
