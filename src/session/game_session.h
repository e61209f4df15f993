// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game on the screen and what is kept with it: its plays (in the game), its recovery copy,
// its own file and whether it is saved. The sheet's window holds one; its Plays and Season
// windows work on it. Every change goes through here, and the recovery copy is kept after it.
//
//   window (keys, clicks, menus) ──> GameSession ──> Game (sheet, plays, unsaved flag)
//                                         │──> FileCommands (own file, through the one door)
//                                         └──> RecoveryCopy (state folder)
#pragma once

#include <array>
#include <optional>
#include <string>

#include "dialogs/dialogs.h"
#include "session/file_commands.h"
#include "session/live_share.h"
#include "session/recovery_copy.h"
#include "session/translated.h"
#include "sheet/game.h"

namespace tallivant {

class GameSession {
public:
    // `host` is the window: the quarter, the file label, the boxes beside the sheet.
    GameSession(Dialogs& dialogs, FilesHost& host, const std::string& stateFolder);

    Game& game() { return game_; }
    const Game& game() const { return game_; }
    RecoveryCopy& copy() { return copy_; }
    const RecoveryCopy& copy() const { return copy_; }
    FileCommands& files() { return files_; }
    LiveShare& share() { return share_; }

    // File|Share live...: the page written to the folder from now on, after each change, or why
    // not. Another game on the sheet (new, opened) stops it, and the scorer is told.
    std::optional<std::string> startSharing(const Sharing& sharing);
    void stopSharing();

    // Each changes the game as its command does, then keeps the recovery copy.
    void record(int stat, Quarter quarter);
    void takeback();
    // Ctrl+1 to Ctrl+3 and Ctrl+M: an opponent play in the quarter that is on.
    void recordOpponent(OpponentWhat what, Quarter quarter);
    // Ctrl+Z: the newest entry of either side, and what it was.
    Game::UndoneEntry undoNewest();
    // The details box's answer: the details, and the opponent's points of each quarter the
    // scorer typed a figure for (one play where it differs from what the plays give). Our team
    // and the rules are kept for the next game, and the next run.
    void setDetails(const GameDetails& details,
                    const std::array<std::optional<int>, kQuarters>& points);
    void newGame();
    void newGameSameRoster();
    void openGame(const std::optional<std::string>& path = std::nullopt);
    void saveGame();
    void saveToOwnFile();
    void editRoster();
    // A correction made in the Plays window, or a box ticked beside the sheet.
    void changed();

    // At start-up: offers back the game of a copy of the program that ended before saving it.
    // The boxes it kept beside the sheet when the scorer restores it; nothing otherwise.
    std::optional<ScreenMarks> offerRecovery();

    // The folder the scorer chose a file in last, kept between runs; else the documents folder
    // where there is one; empty for the dialog's own choice.
    static std::string startFolder();
    static void folderUsed(const std::string& folder);

    // Marked with QT_TRANSLATE_NOOP("GameSession", ...), translated where they are shown.
    static constexpr const char* kRestoreTitle = QT_TRANSLATE_NOOP("GameSession", "Restore game");
    static constexpr const char* kRestoreText =
        QT_TRANSLATE_NOOP("GameSession", "Tallivant ended before this game was saved. Restore it?");
    static constexpr const char* kNotYetSaved = QT_TRANSLATE_NOOP("GameSession", "not yet saved");
    static constexpr const char* kSharingStopped =
        QT_TRANSLATE_NOOP("Strip", "Stopped sharing live: another game is on the sheet");
    //: %1 is the folder, %2 why
    static constexpr const char* kNotSharing =
        QT_TRANSLATE_NOOP("Strip", "Not sharing live to %1: %2");

private:
    // Runs a command of the file commands, then keeps the copy; sharing stops when the command
    // put another game on the sheet.
    template <typename Command> void fileCommand(Command command);

    Dialogs& dialogs_;
    FilesHost& host_;
    // The game outlives the recovery copy, which writes it one last time as it goes, with where
    // it is shared.
    Game game_;
    LiveShare share_;
    RecoveryCopy copy_;
    FileCommands files_;
    bool inFileCommand_ = false;
};

} // namespace tallivant
