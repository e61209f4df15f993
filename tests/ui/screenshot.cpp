// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves a picture of the window in the middle of a game: names on the buttons, stats recorded
// through the real buttons, a player selected, players on the floor and the clock running; and,
// when asked, one of the Plays window beside it, with plays taken back, given and moved, and one
// of the Keys window.
// Usage: ui_screenshot OUTPUT.png [PLAYS.png [KEYS.png]] (run under Xvfb, or offscreen), in the
// language of the environment.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMetaObject>
#include <QPixmap>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "session/languages.h"
#include "support/fake_dialogs.h"
#include "support/own_settings.h"
#include "ui/appearance.h"
#include "ui/plays_window.h"
#include "ui/stat_window.h"

using namespace tallivant;

namespace {

template <typename T = QAbstractButton> T* widget(ui::StatWindow& w, const char* name) {
    return w.findChild<T*>(QLatin1StringView(name));
}

void recordStat(ui::StatWindow& w, int player, const char* button) {
    widget(w, ("cmdp" + std::to_string(player)).c_str())->click();
    widget(w, button)->click();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [PLAYS.png [KEYS.png]]\n", argv[0]);
        return 2;
    }
    // Not the user's team and rules: the picture is the same wherever it is taken.
    QTemporaryDir settings;
    testing::useOwnSettings(settings.path());
    QApplication app(argc, argv);
    // In the system's language: LANGUAGE=de LC_ALL=de_DE.UTF-8 for the German picture.
    installTranslations(app, systemLanguage());
    ui::setUpApplication(app);
    testing::FakeDialogs dialogs;
    ui::StatWindow window(dialogs);

    const char* names[kPlayers] = {"4 Ann Lee",    "5 Bea Cruz",  "10 Cora Hill", "11 Dee Park",
                                   "12 Eve Moss",  "14 Fay Lund", "20 Gia Ross",  "21 Hal Tate",
                                   "22 Ida Vance", "23 Joy West", "30 Kim Yule",  ""};
    for (int n = 1; n <= kPlayers; ++n)
        window.game().setName(n, names[n - 1]);
    window.setFileLabel("/home/coach/games/lincoln-2024-03-01.txt");

    const struct {
        int player;
        const char* button;
    } firstQuarter[] = {{1, "cmdfgm"}, {3, "cmd3pm"},    {2, "cmdreb"}, {1, "cmdfgmiss"},
                        {4, "cmdftm"}, {4, "cmdftmiss"}, {5, "cmdast"}, {3, "cmdpf"},
                        {6, "cmdstl"}, {1, "cmdfgm"},    {7, "cmdblk"}, {2, "cmdto"},
                        {3, "cmdpf"},  {8, "cmd3pmiss"}, {9, "cmdfgm"}, {3, "cmdfgmiss"},
                        {4, "cmdpf"},  {4, "cmdpf"}},
      secondQuarter[] = {{1, "cmdfgm"}, {3, "cmdpf"},  {10, "cmdtf"},
                         {2, "cmdftm"}, {4, "cmdpf"},  {11, "cmd3pm"},
                         {5, "cmdreb"}, {4, "cmdast"}, {6, "cmdfgmiss"}};
    for (const auto& s : firstQuarter)
        recordStat(window, s.player, s.button);
    widget<QRadioButton>(window, "opt2ndqtr")->click();
    for (const auto& s : secondQuarter)
        recordStat(window, s.player, s.button);

    for (const char* box : {"Check8", "Check9", "Check10", "Check12", "Check14", "Check1"})
        widget<QCheckBox>(window, box)->click();
    widget(window, "cmdclock_stopstart")->click();
    for (int i = 0; i < 17; ++i)
        QMetaObject::invokeMethod(window.findChild<QTimer*>("tmrtimeouttime"), "timeout");
    widget(window, "cmdp7")->click();

    window.show();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    if (argc == 2) return 0;

    // The last shot taken back, a foul given to the right player, the first two plays of the second
    // quarter moved there from the first, and two plays selected.
    window.game().removePlays({26});
    window.game().givePlays({12}, 5);
    window.game().movePlays({16, 17}, Quarter::Second);
    window.findChild<QAction*>("mnushowplays")->trigger();
    auto* plays = window.findChild<ui::PlaysWindow*>();
    QTableView* table = plays->table();
    table->selectRow(3);
    table->selectionModel()->select(table->model()->index(5, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QApplication::processEvents();
    if (!plays->grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    if (argc == 3) return 0;

    window.findChild<QAction*>("mnukeys")->trigger();
    QApplication::processEvents();
    if (!window.findChild<QWidget*>("frmkeys")->grab().save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
