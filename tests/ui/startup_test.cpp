// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCheckBox>
#include <QFontInfo>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>

#include "sheet/columns.h"
#include "sheet/stats.h"
#include "ui/layout.h"
#include "window_fixture.h"

namespace tallivant::testing {
namespace {

using StartUp = WindowTest;

QStringList radioNames(QWidget* window) {
    QStringList on;
    for (QRadioButton* r : window->findChildren<QRadioButton*>())
        if (r->isChecked()) on << r->objectName();
    on.sort();
    return on;
}

TEST_F(StartUp, EveryOneOfTheSheetFieldsReadsZero) {
    int fields = 0;
    for (int id = 0; id < kFields; ++id) {
        const QString name = QString::fromStdString(fieldName(Field::fromId(id)));
        EXPECT_EQ(text(name), "0") << name.toStdString();
        ++fields;
    }
    EXPECT_EQ(fields, 306);
    EXPECT_EQ(window->findChildren<QLineEdit*>().size(), 306);
}

TEST_F(StartUp, FirstQuarterAndOurPossessionAreTheOnlyOptionsOn) {
    EXPECT_EQ(radioNames(window.get()), (QStringList{"opt1stqtr", "optyouposs"}));
    EXPECT_EQ(window->currentQuarter(), Quarter::First);
}

TEST_F(StartUp, CaptionsClockAndEmptyFileLabel) {
    EXPECT_EQ(window->objectName(), "stat");
    EXPECT_EQ(window->windowTitle(), "Tallivant");
    EXPECT_EQ(text("lblclock"), "00:01:00");
    EXPECT_EQ(text("cmdclock_stopstart"), "Start");
    EXPECT_EQ(text("Command1"), "Reset");
    EXPECT_EQ(text("cmdtakeback"), "Takeback");
    EXPECT_EQ(text("lblfname"), "");
    EXPECT_FALSE(timer()->isActive());
    for (int n = 1; n <= kPlayers; ++n)
        EXPECT_EQ(text(QStringLiteral("cmdp%1").arg(n)), "");
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(window->game().playernum(), 0);
    EXPECT_EQ(window->game().tbletter(), "");
}

TEST_F(StartUp, ClientAreaIsSevenNinetyTwoByFiveTwentyNineBelowTheMenuBar) {
    QWidget* client = window->centralWidget();
    EXPECT_EQ(client->size(), QSize(792, 529));
    EXPECT_GE(client->y(), window->menuBar()->geometry().bottom());
    // The strip under the sheet is the only thing the window adds below it.
    const QWidget* strip = window->findChild<QWidget*>(QStringLiteral("strip"));
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->y(), client->geometry().bottom() + 1);
    EXPECT_EQ(window->size(), QSize(792, 529 + client->y() + strip->height()));
    EXPECT_LE(strip->height(), 24);
}

// Positions worked out from the twips of the layout, 15 to a pixel: a few controls at each
// edge of the window, so a wrong step or origin shows.
TEST_F(StartUp, ControlsStandAtTheirPlaces) {
    EXPECT_EQ(widget("cmd3pm")->geometry(), QRect(0, 24, 81, 17));
    EXPECT_EQ(widget("cmdtf")->geometry(), QRect(296, 64, 57, 17));
    EXPECT_EQ(widget("optot")->geometry(), QRect(472, 0, 17, 17));
    EXPECT_EQ(widget("lblfname")->geometry(), QRect(640, 0, 145, 41));
    EXPECT_EQ(widget("Frame1")->geometry(), QRect(680, 48, 113, 33));
    EXPECT_EQ(widget("Option1")->geometry(), QRect(48, 16, 49, 13));
    EXPECT_EQ(widget("Option1")->parentWidget(), widget("Frame1"));
    EXPECT_EQ(widget("lblheader")->geometry(), QRect(8, 88, 785, 17));
    EXPECT_EQ(widget("Check8")->geometry(), QRect(0, 104, 17, 17));
    EXPECT_EQ(widget("Check19")->geometry(), QRect(0, 368, 17, 17));
    EXPECT_EQ(widget("cmdp12")->geometry(), QRect(16, 368, 89, 17));
    EXPECT_EQ(widget("txtfgm_0")->geometry(), QRect(112, 104, 25, 19));
    EXPECT_EQ(widget("txtpnts_11")->geometry(), QRect(752, 368, 25, 19));
    EXPECT_EQ(widget("txt1stfgm")->geometry(), QRect(112, 392, 25, 19));
    EXPECT_EQ(widget("txtotpts")->geometry(), QRect(752, 488, 25, 19));
    EXPECT_EQ(widget("txttotot")->geometry(), QRect(512, 512, 25, 19));
    EXPECT_EQ(widget("Label10")->geometry(), QRect(8, 512, 81, 17));
    EXPECT_EQ(widget("Label7")->geometry(), QRect(0, 488, 89, 17));
}

TEST_F(StartUp, FocusIsOnFieldGoalAndTabWalksTheThirteenStatButtonsInOrder) {
    EXPECT_EQ(QApplication::focusWidget(), widget("cmdfgm"));
    const QStringList order = {"cmdfgm",    "cmdfgmiss", "cmdftm", "cmdftmiss", "cmd3pm",
                               "cmd3pmiss", "cmdast",    "cmdreb", "cmdto",     "cmdstl",
                               "cmdblk",    "cmdpf",     "cmdtf"};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), order[i]);
    }
}

TEST_F(StartUp, FieldsCanBeSelectedButNotTypedInto) {
    QLineEdit* f = field("txtfgm_4");
    f->setFocus();
    QTest::keyClicks(f, "17");
    QTest::keyClick(f, Qt::Key_Backspace);
    QTest::keyClick(f, Qt::Key_Delete);
    EXPECT_EQ(f->text(), "0");
    f->selectAll();
    EXPECT_EQ(f->selectedText(), "0");
    EXPECT_EQ(window->game().text({playerLine(4), FGM}), "0");
}

TEST_F(StartUp, RegularFaceOnlyWhereTheLayoutSaysBoldElsewhere) {
    const QStringList regular = {"txtfgm_0",  "txttmptstot", "txt3rdast", "cmdp1",
                                 "cmdp12",    "lblheader",   "Label2",    "Label10",
                                 "opt1stqtr", "optot",       "Check1",    "Check5"};
    const QStringList bold = {"cmdfgm", "cmdtf",    "Label8",      "Label9", "lblclock",
                              "Label5", "Command1", "cmdtakeback", "Frame1", "optyouposs"};
    for (const QString& name : regular) {
        const QFontInfo info(widget(name)->font());
        EXPECT_FALSE(info.bold()) << name.toStdString();
        EXPECT_EQ(info.pixelSize(), 11) << name.toStdString();
    }
    for (const QString& name : bold) {
        const QFontInfo info(widget(name)->font());
        EXPECT_TRUE(info.bold()) << name.toStdString();
        EXPECT_EQ(info.pixelSize(), 11) << name.toStdString();
    }
    EXPECT_DOUBLE_EQ(widget("cmdfgm")->font().pointSizeF(), 8.25);
}

// Each title of the column header begins over its own column of fields, measured with the
// header's own face.
TEST_F(StartUp, HeaderTitlesStandOverTheirColumns) {
    auto* header = widget<QLabel>("lblheader");
    ASSERT_EQ(header->margin(), 0);
    ASSERT_LE(header->indent(), 0);
    const QString caption = header->text();
    const QStringList titles = caption.split(QRegularExpression("\\s{2,}"));
    ASSERT_EQ(titles.size(), kColumns + 1);
    const QFontMetricsF metrics(header->font());
    qsizetype at = caption.indexOf(titles[0]) + titles[0].size();
    for (int c = 0; c < kColumns; ++c) {
        const QString& title = titles[c + 1];
        at = caption.indexOf(title, at);
        const double start =
            header->x() + header->contentsRect().x() + metrics.horizontalAdvance(caption.left(at));
        QWidget* column = widget(QString::fromStdString(fieldName({kTotalsLine, c})));
        EXPECT_GE(start, column->x() - 2) << title.toStdString();
        EXPECT_LT(start, column->geometry().right()) << title.toStdString();
        at += title.size();
    }
}

TEST_F(StartUp, ColoursOfLinesLabelsAndButtons) {
    for (int line = 0; line < kLines; ++line) {
        QLineEdit* f = field(QString::fromStdString(fieldName({line, FGM})));
        const bool grey = line % 2 == 1;
        EXPECT_EQ(pixel(f, blankSpot(f)), bgr(grey ? 0x808080 : 0xFFFFFF)) << line;
        EXPECT_EQ(f->palette().color(QPalette::Text), bgr(grey ? 0xFFFFFF : 0x000000)) << line;
    }
    const struct {
        const char* name;
        unsigned colour;
    } controls[] = {
        {"lblheader", 0xC0C0C0}, {"Label2", 0xFFFFFF},
        {"Label3", 0xC0C0C0},    {"Label1", 0xFFFFFF},
        {"Label4", 0xC0C0C0},    {"Label7", 0xFFFFFF},
        {"Label10", 0xC0C0C0},   {"Label8", 0xFFFFFF},
        {"lblclock", 0xC0C0C0},  {"cmdfgm", 0xE0E0E0},
        {"cmdfgmiss", 0xFFFFFF}, {"cmdast", 0xE0E0E0},
        {"cmdreb", 0xFFFFFF},    {"cmdclock_stopstart", 0xC0C0C0},
        {"Command1", 0xFFFFFF},  {"cmdp1", 0xFFFFFF},
        {"cmdp12", 0xFFFFFF},    {"opt1stqtr", 0xC0C0C0},
        {"optot", 0xC0C0C0},     {"Check1", 0xC0C0C0},
        {"Check8", 0xC0C0C0},
    };
    for (const auto& c : controls) {
        QWidget* w = widget(c.name);
        EXPECT_EQ(pixel(w, {w->width() - 1 - 2, 2}), bgr(c.colour)) << c.name;
    }
}

} // namespace
} // namespace tallivant::testing
