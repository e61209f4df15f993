// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCheckBox>
#include <QLocale>
#include <QRadioButton>

#include "sheet/columns.h"
#include "window_fixture.h"

namespace tallivant::testing {
namespace {

using StatEntry = WindowTest;

constexpr unsigned kRed = 0x0000FF, kWhite = 0xFFFFFF, kLightYellow = 0x80FFFF;

// The names of the fields that no longer read "0".
QStringList changedFields(const ui::StatWindow& w) {
    QStringList changed;
    for (QLineEdit* f : w.findChildren<QLineEdit*>())
        if (f->text() != "0") changed << f->objectName();
    changed.sort();
    return changed;
}

TEST_F(StatEntry, ShortGameThroughButtonsAndAltKeys) {
    click("cmdp3");
    alt('c'); // player 3 makes a field goal in the first quarter
    click("cmdp3");
    click("cmdfgmiss");
    click("opt2ndqtr");
    click("cmdp5");
    alt('h'); // player 5 rebounds in the second quarter
    click("cmdp12");
    click("cmd3pm");
    click("cmdp1");
    alt('d');

    EXPECT_EQ(text("txtfgm_2"), "1");
    EXPECT_EQ(text("txtfga_2"), "2");
    EXPECT_EQ(text("txtfgper_2"), "50.00%");
    EXPECT_EQ(text("txtpnts_2"), "2");
    EXPECT_EQ(text("txt1stfgm"), "1");
    EXPECT_EQ(text("txt1stfga"), "2");
    EXPECT_EQ(text("txt1stfgper"), "50.00%");
    EXPECT_EQ(text("txt1stpts"), "2");
    EXPECT_EQ(text("txtreb_4"), "1");
    EXPECT_EQ(text("txt2ndreb"), "1");
    EXPECT_EQ(text("txtrebtot"), "1");
    EXPECT_EQ(text("txt3ptm_11"), "1");
    EXPECT_EQ(text("txt3ptper_11"), "100.00%");
    EXPECT_EQ(text("txtpnts_11"), "3");
    EXPECT_EQ(text("txtftm_0"), "1");
    EXPECT_EQ(text("txtpnts_0"), "1");
    EXPECT_EQ(text("txt2ndpts"), "4");
    EXPECT_EQ(text("txttmptstot"), "6");
    EXPECT_EQ(text("txtfgpertm"), "50.00%");
    // 12 fields for the two shots, 3 for the rebound, 11 new for the three, 10 for the free throw.
    EXPECT_EQ(changedFields(*window).size(), 36);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StatEntry, NameButtonRedExactlyWhileSelected) {
    QWidget* p3 = widget("cmdp3");
    QWidget* p12 = widget("cmdp12");
    click("cmdp12");
    click("cmdp3");
    EXPECT_EQ(pixel(p3, blankSpot(p3)), bgr(kRed));
    EXPECT_EQ(pixel(p12, blankSpot(p12)), bgr(kWhite));
    EXPECT_EQ(window->game().playernum(), 3);
    click("cmdast");
    EXPECT_EQ(pixel(p3, blankSpot(p3)), bgr(kWhite));
    EXPECT_EQ(window->game().playernum(), 0);
}

TEST_F(StatEntry, StatWithoutANameIsRefusedAndChangesNoField) {
    stat(4, "cmdreb");
    alt('h');
    click("cmdfgm");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    for (const Shown& s : dialogs.shown) {
        EXPECT_EQ(s.text, "Please select player first.");
        EXPECT_EQ(s.title, "Error!");
        EXPECT_EQ(s.icon, Icon::Exclamation);
    }
    EXPECT_EQ(changedFields(*window), (QStringList{"txt1streb", "txtreb_3", "txtrebtot"}));
}

TEST_F(StatEntry, FoulTroubleFromTheThirdFoulTurnsTheFieldLightYellow) {
    QLineEdit* fouls = field("txtpf_6");
    QString shownThen;
    QColor colourThen;
    dialogs.onShow = [&](const Shown&) {
        shownThen = fouls->text();
        colourThen = pixel(fouls, blankSpot(fouls));
    };
    for (int i = 0; i < 2; ++i) {
        click("cmdp7");
        alt('m');
    }
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(pixel(fouls, blankSpot(fouls)), bgr(kWhite));
    click("cmdp7");
    alt('m');
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "The player has 3");
    EXPECT_EQ(dialogs.shown[0].title, "Foul trouble");
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Critical);
    // The box comes up over a sheet that already shows the third foul, in yellow.
    EXPECT_EQ(shownThen, "3");
    EXPECT_EQ(colourThen, bgr(kLightYellow));
    EXPECT_EQ(pixel(fouls, blankSpot(fouls)), bgr(kLightYellow));
    EXPECT_EQ(text("txt1stpf"), "3");
    EXPECT_EQ(text("txtpftot"), "3");

    // The personal foul keeps player 7 selected: the steal needs no new name click.
    click("cmdstl");
    EXPECT_EQ(text("txtstl_6"), "1");
}

TEST_F(StatEntry, FoulColourOnADarkLineAndBackAfterTakeback) {
    QLineEdit* fouls = field("txtpf_7");
    for (int i = 0; i < 3; ++i)
        stat(8, "cmdpf");
    EXPECT_EQ(pixel(fouls, blankSpot(fouls)), bgr(kLightYellow));
    // The count stays readable: dark text on the light yellow, not the line's white.
    EXPECT_EQ(fouls->palette().color(QPalette::Text), bgr(0x000000));
    click("cmdtakeback");
    EXPECT_EQ(text("txtpf_7"), "2");
    EXPECT_EQ(pixel(fouls, blankSpot(fouls)), bgr(0x808080));
    EXPECT_EQ(fouls->palette().color(QPalette::Text), bgr(0xFFFFFF));
}

TEST_F(StatEntry, QuarterIsReadAtTheMomentOfEachClick) {
    const char* options[] = {"opt1stqtr", "opt2ndqtr", "opt3rdqtr", "opt4thqtr", "optot"};
    const char* fields[] = {"txt1stblk", "txt2ndblk", "txt3rdblk", "txt4thblk", "txtotblk"};
    for (int q = 4; q >= 0; --q) {
        click(options[q]);
        for (int k = 0; k <= q; ++k)
            stat(2, "cmdblk");
    }
    for (int q = 0; q < 5; ++q)
        EXPECT_EQ(text(fields[q]), QString::number(q + 1)) << fields[q];
    EXPECT_EQ(text("txtblk_1"), "15");
    EXPECT_TRUE(widget<QRadioButton>("opt1stqtr")->isChecked());
    EXPECT_TRUE(widget<QRadioButton>("optyouposs")->isChecked());
}

TEST_F(StatEntry, PossessionIsItsOwnGroup) {
    click("Option1");
    EXPECT_TRUE(widget<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("optyouposs")->isChecked());
    EXPECT_TRUE(widget<QRadioButton>("opt1stqtr")->isChecked());
    click("opt4thqtr");
    EXPECT_TRUE(widget<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(window->currentQuarter(), Quarter::Fourth);
}

TEST_F(StatEntry, TakebackButtonUndoesTheLastStat) {
    stat(6, "cmdftm");
    click("cmdtakeback");
    for (QLineEdit* f : window->findChildren<QLineEdit*>())
        EXPECT_TRUE(f->text() == "0" || f->text() == "0.00%") << f->objectName().toStdString();
    EXPECT_EQ(text("txtftper_5"), "0.00%");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StatEntry, OnTheFloorBoxesRedWhenCheckedGreyWhenNotAndTouchNothingElse) {
    auto* box = widget<QCheckBox>("Check8");
    const QPoint corner{box->width() - 2, 1};
    click("Check8");
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(pixel(box, corner), bgr(kRed));
    click("Check19");
    click("Check8");
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(pixel(box, corner), bgr(0xC0C0C0));
    auto* last = widget<QCheckBox>("Check19");
    EXPECT_EQ(pixel(last, corner), bgr(kRed));
    EXPECT_TRUE(changedFields(*window).isEmpty());
    EXPECT_EQ(window->game().playernum(), 0);
}

TEST_F(StatEntry, ALongPercentShowsItsBeginning) {
    stat(1, "cmdfgm");
    QLineEdit* f = field("txtfgper_0");
    EXPECT_EQ(f->text(), "100.00%");
    EXPECT_EQ(f->cursorPosition(), 0);
}

TEST(StatEntryLocale, PercentUsesTheUsersDecimalSeparator) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    FakeDialogs dialogs;
    ui::StatWindow window(dialogs);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    window.findChild<QAbstractButton*>("cmdp2")->click();
    window.findChild<QAbstractButton*>("cmdfgm")->click();
    window.findChild<QAbstractButton*>("cmdp2")->click();
    window.findChild<QAbstractButton*>("cmdfgmiss")->click();
    window.findChild<QAbstractButton*>("cmdp2")->click();
    window.findChild<QAbstractButton*>("cmdfgmiss")->click();
    EXPECT_EQ(window.findChild<QLineEdit*>("txtfgper_1")->text(), "33,33%");
    EXPECT_EQ(window.findChild<QLineEdit*>("txtfgpertm")->text(), "33,33%");
}

TEST_F(StatEntry, NamesFromTheGameShowOnTheButtons) {
    window->game().setName(4, "23 Joy West");
    EXPECT_EQ(text("cmdp4"), "23 Joy West");
    window->setFileLabel("/tmp/a & b.txt");
    EXPECT_EQ(window->fileLabel(), "/tmp/a & b.txt");
    EXPECT_EQ(text("lblfname"), "/tmp/a & b.txt");
}

} // namespace
} // namespace tallivant::testing
