// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Plays window: the list as the game is played, the four corrections of the selected plays,
// its keys beside the main window's, where it opens, and a mended game saved and opened again.
// What a screen reader gets from it is read through AT-SPI (tests/a11y).
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTime>
#include <array>

#include "formats/game_file.h"
#include "sheet/columns.h"
#include "support/game_fixture.h"
#include "support/scratch_folder.h"
#include "ui/layout.h"
#include "ui/plays_window.h"
#include "ui/window_place.h"
#include "window_fixture.h"

namespace tallivant::testing {
namespace {

class Plays : public WindowTest {
protected:
    int seconds = 0;

    void SetUp() override {
        WindowTest::SetUp();
        // Plays recorded one second apart from 19:00:00, so that their times can be told.
        window->game().setTimeOfDay([this] {
            return QTime(19, 0)
                .addSecs(++seconds)
                .toString(QStringLiteral("hh:mm:ss"))
                .toStdString();
        });
    }
    void restart() {
        seconds = 0;
        window.reset();
        dialogs = FakeDialogs{};
        SetUp();
    }

    ui::PlaysWindow* plays() const { return window->findChild<ui::PlaysWindow*>(); }
    QTableView* table() const { return plays()->table(); }
    // Waits until `w` is the window the keys go to. (QTest::qWaitForWindowActive will not do:
    // the Plays window counts as active while the main window is, as a transient window does.)
    static bool becomesActive(QWidget* w) {
        return QTest::qWaitFor([w] { return QApplication::activeWindow() == w; });
    }
    void showPlays() {
        trigger("mnushowplays");
        ASSERT_NE(plays(), nullptr);
        ASSERT_TRUE(becomesActive(plays()));
    }
    void backToMainWindow() {
        window->activateWindow();
        ASSERT_TRUE(becomesActive(window.get()));
    }
    // Each row as the table shows it, its cells joined by " | ".
    QStringList rows() const {
        QStringList out;
        const QAbstractItemModel* m = table()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < m->columnCount(); ++c)
                cells << m->index(r, c).data().toString();
            out << cells.join(QStringLiteral(" | "));
        }
        return out;
    }
    QModelIndex cellOf(int number, int column = 0) const {
        const QAbstractItemModel* m = table()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 0).data().toInt() == number) return m->index(r, column);
        ADD_FAILURE() << "no play " << number;
        return {};
    }
    QString note(int number) const { return cellOf(number, 5).data().toString(); }
    // A click on a play in the table, with Ctrl or Shift as the scorer holds them.
    void clickPlay(int number, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        const QModelIndex cell = cellOf(number, 4);
        table()->scrollTo(cell);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, mods,
                          table()->visualRect(cell).center());
    }
    QPushButton* button(const char* name) const {
        return plays()->findChild<QPushButton*>(QLatin1StringView(name));
    }
    void press(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    // A key typed where the focus is, in whichever window is active.
    static void key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), mods);
    }
    std::array<std::string, kFields> sheet() const {
        std::array<std::string, kFields> texts;
        for (int id = 0; id < kFields; ++id)
            texts[id] = window->game().text(Field::fromId(id));
        return texts;
    }
    void roster(std::vector<std::optional<std::string>> names) {
        names.resize(kPlayers, std::string());
        dialogs.inputAnswers.assign(names.begin(), names.end());
        trigger("mnuFileNew");
    }
};

// Every stat recorded shows at once at the top of the list, whichever window has the focus,
// in words, with its quarter and its player as the name button shows the name; a takeback
// greys its play; a new name shows on the plays already recorded.
TEST_F(Plays, ListFollowsTheGameAsItIsPlayed) {
    roster({std::string("4 &Ann"), std::string(), std::string("R&&D")});
    const struct {
        const char* button;
        int player;
        const char* quarterButton;
        const char* shown; // quarter | player | stat
    } recorded[] = {
        {"cmdfgm", 1, "opt1stqtr", "1st | 4 Ann | Field goal made"},
        {"cmdfgmiss", 2, "opt1stqtr", "1st | #2 | Field goal missed"},
        {"cmdftm", 3, "opt2ndqtr", "2nd | R&D | Free throw made"},
        {"cmdftmiss", 1, "opt2ndqtr", "2nd | 4 Ann | Free throw missed"},
        {"cmd3pm", 2, "opt3rdqtr", "3rd | #2 | Three-pointer made"},
        {"cmd3pmiss", 3, "opt3rdqtr", "3rd | R&D | Three-pointer missed"},
        {"cmdreb", 1, "opt4thqtr", "4th | 4 Ann | Rebound"},
        {"cmdast", 2, "opt4thqtr", "4th | #2 | Assist"},
        {"cmdto", 3, "optot", "OT | R&D | Turnover"},
        {"cmdstl", 1, "optot", "OT | 4 Ann | Steal"},
        {"cmdblk", 2, "optot", "OT | #2 | Block"},
        {"cmdpf", 3, "optot", "OT | R&D | Personal foul"},
        {"cmdtf", 12, "optot", "OT | #12 | Technical foul"},
    };
    for (int i = 0; i < 2; ++i) {
        click(QLatin1StringView(recorded[i].quarterButton));
        stat(recorded[i].player, recorded[i].button);
    }
    showPlays();
    EXPECT_EQ(rows(), (QStringList{"2 | 19:00:02 | 1st | #2 | Field goal missed | ",
                                   "1 | 19:00:01 | 1st | 4 Ann | Field goal made | "}));
    // The window blocks nothing: the main window records on while it is open.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(plays()->isModal());
    for (int i = 2; i < 13; ++i) {
        click(QLatin1StringView(recorded[i].quarterButton));
        stat(recorded[i].player, recorded[i].button);
        ASSERT_EQ(rows().size(), i + 1);
        EXPECT_EQ(rows().first(), QStringLiteral("%1 | 19:00:%2 | %3 | ")
                                      .arg(i + 1)
                                      .arg(i + 1, 2, 10, QLatin1Char('0'))
                                      .arg(QLatin1StringView(recorded[i].shown)));
    }
    // A refused press is no play.
    click("cmdreb");
    EXPECT_EQ(rows().size(), 13);

    // A taken-back play is said and greyed, still readable; the others keep the text colour.
    click("cmdtakeback");
    EXPECT_EQ(note(13), "taken back");
    const QVariant grey = cellOf(13, 4).data(Qt::ForegroundRole);
    ASSERT_TRUE(grey.canConvert<QColor>());
    const QColor c = grey.value<QColor>();
    EXPECT_TRUE(c.red() == c.green() && c.green() == c.blue() && c.red() > 0x40 && c.red() < 0x78)
        << c.name().toStdString();
    for (int n = 1; n <= 12; ++n)
        EXPECT_FALSE(cellOf(n, 4).data(Qt::ForegroundRole).isValid()) << n;

    // A new name shows on the plays recorded under the old one.
    dialogs.inputAnswers = {std::string("4 Ann &Lee")};
    trigger("mnurosterchange");
    EXPECT_EQ(cellOf(10, 3).data().toString(), "4 Ann Lee");

    // Asked for again, the one window comes to the front; closed, it comes back as it was.
    backToMainWindow();
    showPlays();
    EXPECT_EQ(window->findChildren<ui::PlaysWindow*>().size(), 1);
    EXPECT_EQ(QApplication::activeWindow(), plays());
    press("playsClose");
    EXPECT_FALSE(plays()->isVisible());
    showPlays();
    EXPECT_EQ(rows().size(), 13);

    // A new game starts a new list.
    trigger("mnuFileNew");
    EXPECT_TRUE(rows().isEmpty());
    stat(5, "cmdstl");
    EXPECT_EQ(rows().size(), 1);
}

// Each button acts on every selected play and leaves the sheet as if they had been recorded
// that way; a correction is an unsaved change and is in the recovery copy before the next event.
TEST_F(Plays, EachCorrectionActsOnEverySelectedPlay) {
    QTemporaryDir dir;
    roster({std::string("4 Ann"), std::string("5 Bea"), std::string("7 Cy"), std::string("9 Di"),
            std::string("11 Ed"), std::string("12 Flo"), std::string("14 Gus"), std::nullopt,
            std::nullopt, std::nullopt, std::nullopt, std::nullopt});
    stat(1, "cmdfgm");
    stat(2, "cmdreb");
    stat(3, "cmd3pm");
    stat(4, "cmdpf");
    stat(5, "cmdstl");
    stat(6, "cmdftmiss");
    dialogs.fileAnswers = {dir.filePath("game.txt").toStdString()};
    trigger("mnufilesave");
    ASSERT_FALSE(window->game().hasUnsavedChanges());
    showPlays();

    // Remove: two plays picked with a click and a Ctrl+click.
    clickPlay(2);
    clickPlay(3, Qt::ControlModifier);
    EXPECT_EQ(plays()->selectedPlays().ours, (std::vector<int>{1, 2}));
    EXPECT_FALSE(button("playsPutBack")->isEnabled());
    press("playsRemove");
    for (const char* f : {"txtreb_1", "txtrebtot", "txt1streb", "txt3ptm_2", "txt3pta_2",
                          "txtpnts_2", "txt3ptmtot", "txt3ptatot"})
        EXPECT_EQ(text(f), "0") << f;
    EXPECT_EQ(text("txt3ptper_2"), "0.00%");
    EXPECT_EQ(text("txttmptstot"), "2");
    EXPECT_EQ(text("txt1stpts"), "2");
    EXPECT_EQ(note(2), "taken back");
    EXPECT_EQ(note(3), "taken back");
    EXPECT_EQ(note(1), "");
    {
        const GameContents copy =
            *parseGameFile(readBytes(window->recoveryCopy().recovery().path()));
        EXPECT_EQ(copy.fields[fieldByName("txtreb_1").id()], "0");
        EXPECT_EQ(copy.fields[fieldByName("txttmptstot").id()], "2");
    }
    dialogs.unsavedAnswers = {UnsavedAnswer::Cancel};
    trigger("mnuFileExit");
    EXPECT_EQ(dialogs.shown.back().kind, "unsaved");
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(button("playsRemove")->isEnabled());
    EXPECT_TRUE(button("playsPutBack")->isEnabled());

    // Give to: three plays picked with a click and a Shift+click, given to the seventh name.
    clickPlay(4);
    clickPlay(6, Qt::ShiftModifier);
    EXPECT_EQ(plays()->selectedPlays().ours, (std::vector<int>{3, 4, 5}));
    dialogs.chooseAnswers = {6};
    press("playsGiveTo");
    const Shown give = dialogs.shown.back();
    EXPECT_EQ(give.kind, "choose");
    EXPECT_EQ(give.title, "Give to");
    EXPECT_EQ(give.choices, (std::vector<std::string>{"4 Ann", "5 Bea", "7 Cy", "9 Di", "11 Ed",
                                                      "12 Flo", "14 Gus", "#  name", "#  name",
                                                      "#  name", "#  name", "#  name"}));
    EXPECT_EQ(give.preselected, 3); // the first play's own player
    for (const char* f : {"txtpf_3", "txtstl_4", "txtfta_5"})
        EXPECT_EQ(text(f), "0") << f;
    for (const char* f : {"txtpf_6", "txtstl_6", "txtfta_6", "txt1stpf", "txtpftot", "txtstltot"})
        EXPECT_EQ(text(f), "1") << f;
    EXPECT_EQ(text("txtftper_6"), "0.00%");
    EXPECT_EQ(cellOf(5, 3).data().toString(), "14 Gus");
    EXPECT_EQ(note(4), "from 9 Di");
    EXPECT_EQ(note(6), "from 12 Flo");

    // Quarter: the box offers the quarter that is on; the plays leave the first quarter's line.
    click("opt3rdqtr");
    clickPlay(1);
    clickPlay(5, Qt::ControlModifier);
    dialogs.chooseAnswers = {1};
    press("playsQuarter");
    const Shown quarter = dialogs.shown.back();
    EXPECT_EQ(quarter.title, "Quarter");
    EXPECT_EQ(quarter.choices, (std::vector<std::string>{"1st", "2nd", "3rd", "4th", "OT"}));
    EXPECT_EQ(quarter.preselected, 2);
    for (const char* f : {"txt1stfgm", "txt1stfga", "txt1stpts", "txt1ststl"})
        EXPECT_EQ(text(f), "0") << f;
    for (const char* f : {"txt2ndfgm", "txt2ndfga", "txt2ndstl", "txtfgm_0", "txtstl_6"})
        EXPECT_EQ(text(f), "1") << f;
    EXPECT_EQ(text("txt2ndpts"), "2");
    EXPECT_EQ(text("txt2ndfgper"), "100.00%");
    EXPECT_EQ(cellOf(1, 2).data().toString(), "2nd");
    EXPECT_EQ(note(1), "from 1st");
    EXPECT_EQ(note(5), "from 11 Ed, from 1st");

    // Put back counts the taken-back plays again and leaves a counted one as it is.
    clickPlay(1);
    clickPlay(2, Qt::ControlModifier);
    clickPlay(3, Qt::ControlModifier);
    EXPECT_TRUE(button("playsRemove")->isEnabled());
    press("playsPutBack");
    EXPECT_EQ(text("txtreb_1"), "1");
    EXPECT_EQ(text("txt3ptm_2"), "1");
    EXPECT_EQ(text("txt3ptper_2"), "100.00%");
    EXPECT_EQ(text("txttmptstot"), "5");
    EXPECT_EQ(text("txtfgm_0"), "1");
    EXPECT_EQ(note(2), "");
}

// A key held down, as the window system marks its repeats.
void hold(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods) {
    for (int i = 0; i < 6; ++i)
        QTest::simulateEvent(w->windowHandle(), true, key, mods, QString(), i > 0);
    QTest::simulateEvent(w->windowHandle(), false, key, mods, QString(), false);
}

// The Plays window's own keys are its rows of the keyboard map, each shown on its button and
// acting once per press; the Alt-letters are the sheet's and mend nothing here. The main window
// keeps every one of its own (a stat, a name, a menu) while the Plays window is open beside it.
TEST_F(Plays, EachWindowKeepsItsOwnKeys) {
    roster({std::string("&Quinn"), std::string("&Wes")});
    alt('q');
    alt('h');
    alt('w');
    alt('o');
    alt('y');
    QMenu* menu = widget<QMenu>(QStringLiteral("mnuplays"));
    ASSERT_TRUE(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Return);
    ASSERT_TRUE(becomesActive(plays()));
    ASSERT_EQ(QApplication::focusWidget(), table());
    EXPECT_EQ(plays()->selectedPlays().ours, std::vector<int>{1});

    // Each button shows its key; what a screen reader says of them is read through AT-SPI.
    QStringList captions;
    for (const QPushButton* b : plays()->findChildren<QPushButton*>())
        captions << b->text();
    EXPECT_EQ(captions, (QStringList{"Remove (Del)", "Put back (Ctrl+B)", "Give to... (Ctrl+G)",
                                     "Quarter... (Ctrl+Q)", "Close (Esc)"}));

    // Home and End: the newest and the oldest play, alone selected.
    clickPlay(1, Qt::ControlModifier);
    key(Qt::Key_End);
    EXPECT_EQ(plays()->selectedPlays().ours, std::vector<int>{0});
    key(Qt::Key_Home);
    EXPECT_EQ(plays()->selectedPlays().ours, std::vector<int>{1});

    const auto before = sheet();
    key(Qt::Key_Delete);
    EXPECT_EQ(note(2), "taken back");
    EXPECT_EQ(text("txtstl_1"), "0");
    key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(note(2), "");
    EXPECT_EQ(sheet(), before);
    // Held down, Ctrl+G and Ctrl+Q each ask once.
    hold(plays(), Qt::Key_G, Qt::ControlModifier);
    hold(plays(), Qt::Key_Q, Qt::ControlModifier);
    const auto asked = [this] {
        std::vector<std::string> titles;
        for (const Shown& shown : dialogs.shown)
            if (shown.kind == "choose") titles.push_back(shown.title);
        return titles;
    };
    EXPECT_EQ(asked(), (std::vector<std::string>{"Give to", "Quarter"}));

    // Remove, Put back and Give to had these letters once: now the sheet's letter reaches the
    // sheet (with no player selected, the missed three asks for one) and the others do nothing.
    for (const Qt::Key letter : {Qt::Key_R, Qt::Key_P, Qt::Key_G})
        key(letter, Qt::AltModifier);
    EXPECT_TRUE(plays()->isVisible());
    EXPECT_EQ(note(1), "");
    EXPECT_EQ(note(2), "");
    EXPECT_EQ(plays()->selectedPlays().ours, std::vector<int>{1});
    EXPECT_EQ(asked().size(), 2u);
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"Please select player first."});
    dialogs.shown.clear();

    // Tab goes round the table and the buttons that apply.
    QStringList path;
    for (int i = 0; i < 6; ++i) {
        key(Qt::Key_Tab);
        path << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(path, (QStringList{"playsRemove", "playsGiveTo", "playsQuarter", "playsClose",
                                 "playsTable", "playsRemove"}));
    // Space on Remove removes and gives the focus back to the list, so that a second Space
    // does not land on Put back, the next button.
    key(Qt::Key_Space);
    EXPECT_EQ(note(2), "taken back");
    EXPECT_EQ(QApplication::focusWidget(), table())
        << QApplication::focusWidget()->objectName().toStdString();
    key(Qt::Key_Space);
    EXPECT_EQ(note(2), "taken back");
    key(Qt::Key_B, Qt::ControlModifier);
    key(Qt::Key_Escape);
    EXPECT_FALSE(plays()->isVisible());
    EXPECT_EQ(sheet(), before);
    EXPECT_EQ(dialogs.messageTexts().size(), 0u);

    // Beside an open Plays window the main window's letters are its own.
    showPlays();
    backToMainWindow();
    ASSERT_TRUE(plays()->isVisible());
    alt('q');
    EXPECT_EQ(window->game().playernum(), 1);
    alt('r');
    EXPECT_EQ(text("txt3pta_0"), "1");
    EXPECT_EQ(rows().first(), "3 | 19:00:03 | 1st | Quinn | Three-pointer missed | ");
    alt('w');
    alt('c');
    EXPECT_EQ(text("txtfgm_1"), "1");
    EXPECT_TRUE(plays()->isVisible());
    EXPECT_TRUE(dialogs.messageTexts().empty());
}

// Shown anew, the window opens on the newest play, in sight, whichever play the scorer left
// selected when closing it.
TEST_F(Plays, OpensOnTheNewestPlay) {
    roster({std::string("4 Ann")});
    for (int i = 0; i < 60; ++i)
        stat(1, "cmdreb");
    showPlays();
    const auto inSight = [this](int row) {
        return table()->viewport()->rect().contains(
            table()->visualRect(table()->model()->index(row, 0)));
    };
    key(Qt::Key_End);
    ASSERT_EQ(plays()->selectedPlays().ours, std::vector<int>{0});
    ASSERT_TRUE(inSight(59));
    ASSERT_FALSE(inSight(0));
    key(Qt::Key_Escape);
    stat(1, "cmdstl");
    showPlays();
    EXPECT_EQ(plays()->selectedPlays().ours, std::vector<int>{60});
    EXPECT_TRUE(inSight(0));
    EXPECT_EQ(QApplication::focusWidget(), table());
    // Beside the main window or over its last columns: on the screen, right of the names.
    const QWidget* names = widget(QStringLiteral("cmdp1"));
    EXPECT_GT(plays()->frameGeometry().left(), names->mapToGlobal(QPoint(names->width(), 0)).x());
    EXPECT_TRUE(window->screen()->availableGeometry().contains(plays()->frameGeometry()));
}

// Beside the main window where the screen has room; on a laptop's screen against its right
// edge, over the sheet's last columns: never over the names, the whole window on the screen.
TEST(PlaysPlace, BesideTheMainWindowOrRightOfItsNames) {
    const int narrowest = 400;
    const struct {
        const char* what;
        QRect screen, main;
        QSize wanted;
        bool beside;
    } screens[] = {
        {"1920x1080", {0, 0, 1920, 1040}, {0, 0, 794, 585}, {640, 440}, true},
        {"1366x768", {0, 27, 1366, 741}, {0, 27, 794, 585}, {640, 440}, false},
        {"1280x720", {0, 0, 1280, 680}, {10, 0, 794, 585}, {640, 440}, false},
        {"a tall window", {0, 0, 1280, 680}, {10, 60, 794, 585}, {640, 900}, false},
        {"a second screen", {1920, 0, 1280, 720}, {1930, 30, 794, 585}, {640, 440}, false},
        {"the sheet moved", {0, 0, 1280, 680}, {700, 0, 794, 585}, {640, 440}, false},
        {"names at the edge", {0, 0, 1280, 680}, {1100, 0, 794, 585}, {640, 440}, false},
    };
    for (const auto& s : screens) {
        const int namesLeft = s.main.left() + 1 + ui::px(ui::kNameLeft);
        const int namesRight = s.main.left() + 1 + ui::px(ui::kNameLeft + ui::kNameWidth);
        const QRect at = ui::playsPlace(s.main, s.screen, s.wanted, namesRight, narrowest);
        EXPECT_TRUE(s.screen.contains(at)) << s.what;
        EXPECT_TRUE(at.right() < namesLeft || at.left() > namesRight) << s.what;
        EXPECT_TRUE(at.width() <= s.wanted.width() && at.height() <= s.wanted.height()) << s.what;
        if (s.beside) {
            EXPECT_EQ(at,
                      QRect(QPoint(s.main.right() + 1 + ui::kWindowGap, s.main.top()), s.wanted));
        } else if (s.screen.right() - namesRight > narrowest) {
            EXPECT_EQ(at.right(), s.screen.right()) << s.what;
        }
    }
}

// A game's whole story: plays recorded by keys with three mistakes, mended in the Plays
// window, saved, and opened in a fresh start. The sheet is the one of the game recorded right,
// byte for byte in the file's first nineteen records, and the list tells what was mended.
TEST_F(Plays, AMendedGameIsSavedAndOpensAsIfRecordedRight) {
    QTemporaryDir dir;
    const std::string rightFile = dir.filePath("right.txt").toStdString();
    const std::string mendedFile = dir.filePath("mended.txt").toStdString();
    const auto team = [this] {
        roster({std::string("4 &Ann"), std::string("5 &Bea"), std::string("7 &Jo"),
                std::string("9 &Quinn"), std::string("11 &Wes"), std::string("12 &Zed")});
    };
    // A name's letter and a stat's letter, as the scorer types them.
    const auto play = [this](char name, char stat) {
        alt(name);
        alt(stat);
    };
    const auto save = [this](const std::string& to) {
        dialogs.fileAnswers = {to};
        trigger("mnufilesave");
        ASSERT_FALSE(window->game().hasUnsavedChanges());
    };

    team();
    play('a', 'c');
    play('b', 'h');
    play('q', 'd');
    play('z', 'm');
    play('z', 'u');
    click("opt2ndqtr");
    play('a', 'v');
    play('b', 'o');
    play('j', 'k');
    play('q', 'e');
    save(rightFile);

    restart();
    team();
    play('a', 'c');
    play('b', 'h');
    play('j', 'h'); // nobody's rebound
    play('q', 'd');
    play('w', 'm'); // Zed's foul
    play('z', 'u');
    play('a', 'v'); // the quarter button is switched two plays late
    play('b', 'o');
    click("opt2ndqtr");
    play('j', 'k');
    play('q', 'e');
    alt('y');
    QTest::keyClick(widget<QMenu>(QStringLiteral("mnuplays")), Qt::Key_Return);
    ASSERT_TRUE(becomesActive(plays()));
    clickPlay(3);
    key(Qt::Key_Delete);
    clickPlay(5);
    dialogs.chooseAnswers = {5};
    key(Qt::Key_G, Qt::ControlModifier);
    clickPlay(7);
    clickPlay(8, Qt::ControlModifier);
    dialogs.chooseAnswers = {1};
    key(Qt::Key_Q, Qt::ControlModifier);
    key(Qt::Key_Escape);
    EXPECT_TRUE(dialogs.messageTexts().empty());
    save(mendedFile);

    const auto records = [](const std::string& file, int n) {
        const std::string bytes = readBytes(file);
        std::size_t end = 0;
        for (int i = 0; i < n; ++i) {
            end = bytes.find("\r\n", end);
            if (end == std::string::npos) return bytes;
            end += 2;
        }
        return bytes.substr(0, end);
    };
    EXPECT_EQ(records(mendedFile, 19), records(rightFile, 19));

    restart();
    dialogs.fileAnswers = {mendedFile};
    trigger("mnuFileOpen");
    EXPECT_TRUE(dialogs.messageTexts().empty());
    const GameContents right = *parseGameFile(readBytes(rightFile));
    const GameContents opened = contentsOf(window->game());
    EXPECT_EQ(opened.fields, right.fields);
    EXPECT_EQ(opened.names, right.names);
    EXPECT_TRUE(widget<QRadioButton>(QStringLiteral("opt2ndqtr"))->isChecked());
    showPlays();
    EXPECT_EQ(rows(), (QStringList{
                          "10 | 19:00:10 | 2nd | 9 Quinn | Three-pointer made | ",
                          "9 | 19:00:09 | 2nd | 7 Jo | Block | ",
                          "8 | 19:00:08 | 2nd | 5 Bea | Steal | from 1st",
                          "7 | 19:00:07 | 2nd | 4 Ann | Field goal missed | from 1st",
                          "6 | 19:00:06 | 1st | 12 Zed | Assist | ",
                          "5 | 19:00:05 | 1st | 12 Zed | Personal foul | from 11 Wes",
                          "4 | 19:00:04 | 1st | 9 Quinn | Free throw made | ",
                          "3 | 19:00:03 | 1st | 7 Jo | Rebound | taken back",
                          "2 | 19:00:02 | 1st | 5 Bea | Rebound | ",
                          "1 | 19:00:01 | 1st | 4 Ann | Field goal made | ",
                      }));
    // The plays of an opened game are mended like new ones.
    clickPlay(9);
    dialogs.chooseAnswers = {0};
    press("playsGiveTo");
    EXPECT_EQ(text("txtblk_0"), "1");
    EXPECT_EQ(text("txtblk_2"), "0");
    clickPlay(10);
    press("playsRemove");
    EXPECT_EQ(text("txt3ptm_3"), "0");
    EXPECT_EQ(text("txt2ndpts"), "0");
}

} // namespace
} // namespace tallivant::testing
