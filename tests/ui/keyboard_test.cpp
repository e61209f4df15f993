// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSet>
#include <QTableView>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <map>

#include "sheet/columns.h"
#include "sheet/stats.h"
#include "ui/keymap.h"
#include "ui/layout.h"
#include "window_fixture.h"

namespace tallivant::testing {
namespace {

using Accelerators = WindowTest;

// Every Alt-letter of the window and its menus, with who carries it.
std::multimap<QString, QString> mnemonics(ui::StatWindow& w) {
    std::multimap<QString, QString> found;
    auto add = [&](const QString& text, const QString& owner) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty()) found.emplace(key.toString(), owner);
    };
    for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
        add(b->text(), b->objectName());
    for (QGroupBox* g : w.findChildren<QGroupBox*>())
        add(g->title(), g->objectName());
    for (QLabel* l : w.findChildren<QLabel*>())
        if (l->buddy()) add(l->text(), l->objectName());
    for (QAction* title : w.menuBar()->actions()) {
        add(title->text(), title->menu()->objectName());
        for (QAction* item : title->menu()->actions())
            add(item->text(), item->objectName());
    }
    return found;
}

TEST_F(Accelerators, EveryStatLetterRecordsItsStatForTheSelectedPlayer) {
    const char letters[] = "cvdferhunokmt";
    const char* changed[] = {"txtfgm_8",  "txtfga_8", "txtftm_8", "txtfta_8", "txt3ptm_8",
                             "txt3pta_8", "txtreb_8", "txtast_8", "txtto_8",  "txtstl_8",
                             "txtblk_8",  "txtpf_8",  "txttf_8"};
    for (int i = 0; i < kStats; ++i) {
        const QString before = text(changed[i]);
        click("cmdp9");
        alt(letters[i]);
        EXPECT_EQ(window->game().tbletter(), std::string(1, letters[i]));
        EXPECT_NE(text(changed[i]), before) << letters[i];
    }
    EXPECT_EQ(text("txtfga_8"), "2");
    EXPECT_EQ(text("txtfta_8"), "2");
    EXPECT_EQ(text("txt3pta_8"), "2");
    EXPECT_EQ(text("txtpnts_8"), "6");
    EXPECT_EQ(text("txttf_8"), "1");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Accelerators, NameClickFollowedAtOnceByAltLetterLandsOnThatName) {
    click("cmdp3");
    alt('c');
    click("cmdp5");
    alt('d');
    click("cmdp3");
    alt('e');
    EXPECT_EQ(text("txtfgm_2"), "1");
    EXPECT_EQ(text("txt3ptm_2"), "1");
    EXPECT_EQ(text("txtftm_4"), "1");
    EXPECT_EQ(text("txtftm_2"), "0");
    EXPECT_EQ(text("txtfgm_4"), "0");
    EXPECT_EQ(window->game().tbletter(), "e");
    EXPECT_EQ(window->game().oldplayernum(), 3);
}

TEST_F(Accelerators, TwoQuickPressesBothCountInTheOrderPressed) {
    click("cmdp2");
    alt('h');
    alt('h');
    EXPECT_EQ(text("txtreb_1"), "1");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Please select player first.");
    EXPECT_EQ(window->game().oldplayernum(), 2);
}

TEST_F(Accelerators, WorkWhereverTheFocusIs) {
    const char* focus[] = {"txttotfgm", "cmdp7",      "Check12",
                           "opt3rdqtr", "optyouposs", "cmdtakeback"};
    for (const char* name : focus) {
        click("cmdp1");
        widget(name)->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), widget(name));
        alt('u');
    }
    EXPECT_EQ(text("txtast_0"), "6");
}

TEST_F(Accelerators, StartStopHasItsLetterOnlyOnceClicked) {
    alt('s');
    EXPECT_FALSE(timer()->isActive());
    click("cmdclock_stopstart");
    EXPECT_TRUE(timer()->isActive());
    alt('s');
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(text("cmdclock_stopstart"), "&Start");
    alt('s');
    EXPECT_TRUE(timer()->isActive());
}

TEST_F(Accelerators, NameTypedWithAmpersandGetsAnAcceleratorThatClicksAtOnce) {
    window->game().setName(6, "14 &Zoe Hart");
    alt('z');
    EXPECT_EQ(window->game().playernum(), 6);
    alt('o');
    EXPECT_EQ(text("txtstl_5"), "1");
}

TEST_F(Accelerators, NoLetterIsShared) {
    click("cmdclock_stopstart");
    const auto found = mnemonics(*window);
    QStringList clashes;
    for (auto it = found.begin(); it != found.end(); it = found.upper_bound(it->first))
        if (found.count(it->first) > 1) clashes << it->first;
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(", ").toStdString();
    QStringList keys;
    for (const auto& [key, owner] : found)
        keys << key;
    // The thirteen stats, Start/Stop, the five menu titles and Exit.
    EXPECT_EQ(keys.size(), 20) << keys.join(" ").toStdString();
}

TEST_F(Accelerators, MenuTitleLettersOpenTheirMenus) {
    const struct {
        char letter;
        const char* menu;
    } titles[] = {{'l', "mnufile"},
                  {'i', "mnuroster"},
                  {'g', "mnucolorchange"},
                  {'y', "mnuplays"},
                  {'p', "Help"}};
    for (const auto& t : titles) {
        alt(t.letter);
        QMenu* menu = widget<QMenu>(t.menu);
        EXPECT_TRUE(menu->isVisible()) << t.menu;
        menu->close();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
}

// A key held down: one press, then the keyboard's auto-repeat, then the release, through the
// window system as the keyboard delivers them.
void hold(QWindow* w, Qt::Key key, Qt::KeyboardModifiers mods, const QString& text) {
    QTest::simulateEvent(w, true, key, mods, text, false);
    for (int i = 0; i < 6; ++i)
        QTest::simulateEvent(w, true, key, mods, text, true);
    QTest::simulateEvent(w, false, key, mods, text, false);
}

// The same as the X server sends it without detectable auto-repeat: each repeat is a release
// and a press with one time stamp, neither marked as a repeat.
void holdAsX11(QWidget* focus, Qt::Key key, Qt::KeyboardModifiers mods, const QString& text) {
    auto press = [&](ulong time) {
        if (qt_sendShortcutOverrideEvent(focus, time, key, mods, text, false)) return;
        QKeyEvent e(QEvent::KeyPress, key, mods, text);
        e.setTimestamp(time);
        QApplication::sendEvent(focus, &e);
    };
    auto release = [&](ulong time) {
        QKeyEvent e(QEvent::KeyRelease, key, mods, text);
        e.setTimestamp(time);
        QApplication::sendEvent(focus, &e);
    };
    ulong time = 100000;
    press(time);
    for (int i = 0; i < 6; ++i) {
        time += 40;
        release(time);
        press(time);
    }
    release(time + 300);
}

TEST_F(Accelerators, AKeyHeldDownActsOnce) {
    click("cmdp2");
    holdAsX11(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier, "m");
    EXPECT_EQ(text("txtpf_1"), "1");

    QWindow* w = window->windowHandle();
    click("cmdp3");
    hold(w, Qt::Key_M, Qt::AltModifier, "m"); // the personal foul keeps its player
    EXPECT_EQ(text("txtpf_2"), "1");
    hold(w, Qt::Key_H, Qt::AltModifier, "h");
    EXPECT_EQ(text("txtreb_2"), "1");
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text;

    window->game().setName(5, "&Zed");
    hold(w, Qt::Key_Z, Qt::AltModifier, "z");
    EXPECT_EQ(window->game().playernum(), 5);
    widget("cmdfgm")->setFocus();
    hold(w, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(text("txtfgm_4"), "1");
    EXPECT_EQ(text("txtfga_4"), "1");

    click("cmdclock_stopstart");
    click("cmdclock_stopstart");
    hold(w, Qt::Key_S, Qt::AltModifier, "s");
    EXPECT_TRUE(timer()->isActive());

    // Ctrl+Z presses Takeback, once.
    stat(6, "cmdast");
    hold(w, Qt::Key_Z, Qt::ControlModifier, {});
    EXPECT_EQ(text("txtast_5"), "0");
    EXPECT_EQ(text("txtasttot"), "0");

    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Accelerators, ANameIsUnderlinedOnlyWhenItsLetterSelectsIt) {
    dialogs.inputAnswers = {std::string("&Cy"),    std::string("&Zed"), std::string("&zoe"),
                            std::string("B&&&Bo"), std::string("&Lu"),  std::string("&Al")};
    trigger("mnuFileNew");
    // Stat, clock and menu letters stay theirs; an earlier name keeps its letter.
    EXPECT_EQ(text("cmdp1"), "Cy");
    EXPECT_EQ(text("cmdp2"), "&Zed");
    EXPECT_EQ(text("cmdp3"), "zoe");
    EXPECT_EQ(text("cmdp4"), "B&&&Bo");
    EXPECT_EQ(text("cmdp5"), "Lu");
    EXPECT_EQ(text("cmdp6"), "&Al");
    // What was typed is kept whole, for the file and the report.
    EXPECT_EQ(window->game().name(1), "&Cy");
    EXPECT_EQ(window->game().name(3), "&zoe");

    // After a personal foul keeps player 7 selected, Alt+C is a field goal for player 7.
    click("cmdp7");
    alt('m');
    alt('c');
    EXPECT_EQ(text("txtfgm_6"), "1");
    EXPECT_EQ(text("txtfgm_0"), "0");
    // Alt+Z selects the first Z at once; the stat lands there.
    alt('z');
    alt('u');
    EXPECT_EQ(text("txtast_1"), "1");
    EXPECT_EQ(text("txtast_2"), "0");

    // Once the first Z gives up its mark, the next one gets it.
    dialogs.inputAnswers = {std::nullopt, std::string("Zed")};
    trigger("mnurosterchange");
    EXPECT_EQ(text("cmdp2"), "Zed");
    EXPECT_EQ(text("cmdp3"), "&zoe");
    alt('z');
    alt('u');
    EXPECT_EQ(text("txtast_2"), "1");

    // A digit is a key too: a player's number gives the keys the letters cannot.
    dialogs.inputAnswers = {
        std::nullopt,         std::nullopt, std::nullopt, std::nullopt,
        std::nullopt,         std::nullopt, std::nullopt, std::string("&4 Ann Lee"),
        std::string("1&2 Bo")};
    trigger("mnurosterchange");
    alt('4');
    alt('h');
    alt('2');
    alt('k');
    EXPECT_EQ(text("txtreb_7"), "1");
    EXPECT_EQ(text("txtblk_8"), "1");
}

} // namespace
} // namespace tallivant::testing

namespace tallivant::testing {
namespace {

QKeySequence keyOf(const ui::KeyRow& row) {
    return QKeySequence::fromString(QString::fromUtf8(row.keys.data(), row.keys.size()),
                                    QKeySequence::PortableText);
}

// The keyboard map is one table for every window: no key means two things in one window, no
// window beside the sheet gives its own meaning to a key of the sheet's (those reach the sheet)
// or takes an Alt-letter (any free letter may be a name's), and the stat rows say the letters
// the stat buttons carry.
TEST(KeyboardMap, NoKeyMeansTwoThingsAndNoOtherWindowTakesASheetKey) {
    std::map<std::pair<ui::KeyWindow, QString>, ui::KeyAction> seen;
    QSet<QKeySequence> sheetKeys;
    for (const ui::KeyRow& row : ui::kKeyMap)
        if (row.window == ui::KeyWindow::Sheet && row.action != ui::KeyAction::Name)
            sheetKeys.insert(keyOf(row));
    for (const ui::KeyRow& row : ui::kKeyMap) {
        const std::string keys(row.keys);
        if (row.action == ui::KeyAction::Name) continue;
        const QKeySequence key = keyOf(row);
        ASSERT_EQ(key.count(), 1) << keys;
        EXPECT_NE(key[0].key(), Qt::Key_unknown) << keys;
        const auto [at, fresh] = seen.emplace(std::pair(row.window, key.toString()), row.action);
        EXPECT_TRUE(fresh || at->second == row.action) << keys << " means two things";
        if (row.window == ui::KeyWindow::Sheet) {
            if (row.action == ui::KeyAction::Stat) {
                EXPECT_EQ(key, QKeySequence::mnemonic(
                                   QString::fromUtf8(ui::kStatButtons[row.arg].caption.data())))
                    << keys;
            }
            continue;
        }
        EXPECT_FALSE(sheetKeys.contains(key)) << keys << " is the sheet's";
        EXPECT_FALSE(ui::actsOnSheet(row.action)) << keys;
        EXPECT_NE(key[0].keyboardModifiers(), Qt::AltModifier) << keys << " may be a name's";
    }
}

// Ctrl+PgDown and Alt+Right step to the next quarter as a click on its button would, and stay
// at overtime; Ctrl+PgUp and Alt+Left go back. The plays after each press carry the quarter.
TEST_F(Accelerators, QuarterKeysStepThroughTheQuartersAndThePlaysFollow) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifier modifier;
        const char* on;
    } presses[] = {
        {Qt::Key_PageDown, Qt::ControlModifier, "opt2ndqtr"},
        {Qt::Key_Right, Qt::AltModifier, "opt3rdqtr"},
        {Qt::Key_PageDown, Qt::ControlModifier, "opt4thqtr"},
        {Qt::Key_PageDown, Qt::ControlModifier, "optot"},
        {Qt::Key_Right, Qt::AltModifier, "optot"},
        {Qt::Key_Left, Qt::AltModifier, "opt4thqtr"},
        {Qt::Key_PageUp, Qt::ControlModifier, "opt3rdqtr"},
        {Qt::Key_PageUp, Qt::ControlModifier, "opt2ndqtr"},
        {Qt::Key_PageUp, Qt::ControlModifier, "opt1stqtr"},
        {Qt::Key_PageUp, Qt::ControlModifier, "opt1stqtr"},
    };
    std::vector<Quarter> quarters;
    for (const auto& press : presses) {
        QTest::keyClick(QApplication::focusWidget(), press.key, press.modifier);
        EXPECT_TRUE(widget<QRadioButton>(press.on)->isChecked()) << press.on;
        stat(2, "cmdreb");
        quarters.push_back(window->game().plays().back().quarter);
    }
    using Q = Quarter;
    EXPECT_EQ(quarters, (std::vector{Q::Second, Q::Third, Q::Fourth, Q::Overtime, Q::Overtime,
                                     Q::Fourth, Q::Third, Q::Second, Q::First, Q::First}));
    EXPECT_EQ(text("txtotreb") + text("txt1streb") + text("txtreb_1"), "2210");
    EXPECT_EQ(text("lblscore"),
              "Us 0 : 0 Opponent \u00B7 Q1 \u00B7 Team fouls 0 \u00B7 Opponent 0");
    EXPECT_TRUE(dialogs.shown.empty());
}

// With the Plays or Keys window in front, every stat letter records its stat on the sheet as a
// play of its own, a name letter selects, the quarter keys switch and Ctrl+Z takes back; the
// window stays in front and no earlier play changes.
TEST_F(Accelerators, TheSheetsKeysActOnTheSheetFromItsOtherWindows) {
    window->game().setName(3, "3 &Wes");
    for (const auto& [item, name] : {std::pair{"mnushowplays", "plays"}, {"mnukeys", "frmkeys"}}) {
        SCOPED_TRACE(item);
        trigger(item);
        QWidget* front = widget(name);
        ASSERT_TRUE(QTest::qWaitForWindowActive(front));
        // Typed where the window's own focus is, whichever window the platform calls active.
        const auto inFront = [front] {
            return front->focusWidget() ? front->focusWidget() : front;
        };
        const char letters[] = "cvdferhunokmt";
        for (int i = 0; i < kStats; ++i) {
            const Plays before = window->game().plays();
            QTest::keyClick(inFront(), 'w', Qt::AltModifier);
            QTest::keyClick(inFront(), letters[i], Qt::AltModifier);
            const Plays after = window->game().plays();
            ASSERT_EQ(after.size(), before.size() + 1) << letters[i];
            EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin())) << letters[i];
            EXPECT_EQ(after.back().player, 3);
            EXPECT_EQ(after.back().letter, letters[i]);
        }
        QTest::keyClick(inFront(), Qt::Key_PageDown, Qt::ControlModifier);
        EXPECT_TRUE(widget<QRadioButton>("opt2ndqtr")->isChecked());
        QTest::keyClick(inFront(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_FALSE(window->game().plays().back().counted);
        EXPECT_TRUE(front->isVisible());
        front->close();
        click("opt1stqtr");
    }
    EXPECT_EQ(text("txtfga_2"), "4");
    // Each window's technical foul taken back by its Ctrl+Z.
    EXPECT_EQ(text("txtpf_2") + text("txttf_2"), "20");
}

} // namespace
} // namespace tallivant::testing

namespace tallivant::testing {
namespace {

using BothSides = WindowTest;

// A game of both sides by key, as a scorer keeps it: the details box names the teams, the
// opponent's points and team fouls come from Ctrl+1 to Ctrl+3 and Ctrl+M, Ctrl+Z undoes the
// newest entry of either side, and the strip's line follows every step.
TEST_F(BothSides, ByKeyWithTheStripCurrentAtEveryStep) {
    QTimer::singleShot(0, window.get(), [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_TRUE(box && box->objectName() == QStringLiteral("frmdetails"));
        box->findChild<QLineEdit*>(QStringLiteral("txtteam"))->setText(QStringLiteral("Eagles"));
        box->findChild<QLineEdit*>(QStringLiteral("txtopponent"))->setText(QStringLiteral("Hawks"));
        // Points typed for a game entered after the fact: the 1st quarter's set to 14.
        box->findChild<QLineEdit*>(QStringLiteral("txtopp1st"))->setText(QStringLiteral("14"));
        QTest::keyClick(box, Qt::Key_Return);
    });
    trigger("mnufiledetails");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->game().setName(6, "6 Tess Kim");
    const auto key = [](int k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(k), m);
    };
    const QString dot = QStringLiteral(" \u00B7 ");
    struct Step {
        std::function<void()> act;
        QString line; // after the score: the period onwards
        QString news;
    };
    const std::vector<Step> steps = {
        {[] {}, "Eagles 0 : 14 Hawks" + dot + "Q1" + dot + "Team fouls 0" + dot + "Hawks 0", ""},
        {[&] { key(Qt::Key_2); },
         "Eagles 0 : 16 Hawks" + dot + "Q1" + dot + "Team fouls 0" + dot + "Hawks 0", ""},
        {[&] { stat(3, "cmdfgm"); },
         "Eagles 2 : 16 Hawks" + dot + "Q1" + dot + "Team fouls 0" + dot + "Hawks 0", ""},
        {[&] {
             for (int i = 0; i < 4; ++i)
                 key(Qt::Key_M);
         },
         "Eagles 2 : 16 Hawks" + dot + "Q1" + dot + "Team fouls 0" + dot + "Hawks 4: we shoot two",
         ""},
        {[&] { key(Qt::Key_3); },
         "Eagles 2 : 19 Hawks" + dot + "Q1" + dot + "Team fouls 0" + dot + "Hawks 4: we shoot two",
         ""},
        {[&] { key(Qt::Key_Z); },
         "Eagles 2 : 16 Hawks" + dot + "Q1" + dot + "Team fouls 0" + dot + "Hawks 4: we shoot two",
         "Undone: Hawks 3 points (1st)"},
        {[&] { key(Qt::Key_Z); },
         "Eagles 2 : 16 Hawks" + dot + "Q1" + dot + "Team fouls 0" + dot + "Hawks 3",
         "Undone: Hawks team foul (1st)"},
        {[&] {
             for (int i = 0; i < 4; ++i)
                 stat(6, "cmdpf");
         },
         "Eagles 2 : 16 Hawks" + dot + "Q1" + dot + "Team fouls 4 (the next gives two shots)" +
             dot + "Hawks 3",
         ""},
        {[&] { stat(6, "cmdpf"); },
         "Eagles 2 : 16 Hawks" + dot + "Q1" + dot + "Team fouls 5 (the next gives two shots)" +
             dot + "Hawks 3" + dot + "Fouled out: 6 Tess Kim",
         ""},
        {[&] { stat(6, "cmdreb"); },
         "Eagles 2 : 16 Hawks" + dot + "Q1" + dot + "Team fouls 5 (the next gives two shots)" +
             dot + "Hawks 3" + dot + "Fouled out: 6 Tess Kim",
         "6 Tess Kim has fouled out"},
        {[&] { key(Qt::Key_Z); },
         "Eagles 2 : 16 Hawks" + dot + "Q1" + dot + "Team fouls 5 (the next gives two shots)" +
             dot + "Hawks 3" + dot + "Fouled out: 6 Tess Kim",
         "Taken back: Rebound, 6 Tess Kim"},
        {[&] { key(Qt::Key_PageDown); },
         "Eagles 2 : 16 Hawks" + dot + "Q2" + dot + "Team fouls 0" + dot + "Hawks 0" + dot +
             "Fouled out: 6 Tess Kim",
         ""},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        steps[i].act();
        EXPECT_EQ(text("lblscore"), steps[i].line);
        if (!steps[i].news.isEmpty()) {
            EXPECT_EQ(text("lblnews"), steps[i].news);
        }
    }
    // The fifth foul's box said it put the player out; the third and fourth did not.
    std::vector<std::string> fouls;
    for (const auto& shown : dialogs.shown)
        if (shown.title == "Foul trouble") fouls.push_back(shown.text);
    EXPECT_EQ(fouls, (std::vector<std::string>{"The player has 3", "The player has 4",
                                               "The player has 5\nFouled out (FIBA: 5 fouls)"}));
    // The opponent's plays are in the Plays window among ours, and Remove mends them there too.
    trigger("mnushowplays");
    QTableView* table = window->findChild<QTableView*>();
    ASSERT_TRUE(table);
    const auto* model = table->model();
    // Newest first, each side's plays where they came among the other's, though all of them
    // came within a second or two.
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row)
        rows << model->index(row, 3).data().toString() + ": " +
                    model->index(row, 4).data().toString();
    const QString foul = QStringLiteral("6 Tess Kim: Personal foul");
    EXPECT_EQ(rows, (QStringList{"6 Tess Kim: Rebound", foul, foul, foul, foul, foul,
                                 "Hawks: 3 points", "Hawks: Team foul", "Hawks: Team foul",
                                 "Hawks: Team foul", "Hawks: Team foul", "#3: Field goal made",
                                 "Hawks: 2 points", "Hawks: Points set to 14"}));
}

} // namespace
} // namespace tallivant::testing
