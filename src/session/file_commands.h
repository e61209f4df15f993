// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game-file commands of the menus: File|New and Edit roster (the twelve name prompts),
// File|Save (`savegame`) and File|Open. They work on the Game, ask through Dialogs, and reach
// the rest of the window (quarter option buttons, the file label) through FilesHost.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "dialogs/dialogs.h"
#include "formats/game_file.h"
#include "session/translated.h"
#include "sheet/game.h"
#include "store/recovery.h"

namespace tallivant {

// What the window provides to the game-file commands.
class FilesHost {
public:
    virtual ~FilesHost() = default;
    // As a click on opt1stqtr.
    virtual void switchFirstQuarterOn() = 0;
    // As a click on that quarter's option button.
    virtual void switchQuarterOn(Quarter quarter) {
        if (quarter == Quarter::First) switchFirstQuarterOn();
    }
    // The quarter whose option button is on, which a save keeps with the game.
    virtual Quarter currentQuarter() const { return Quarter::First; }
    // The program's state folder (recovery copies, discarded games): a game opened from under
    // it is not a file of the scorer's. Empty when there is none.
    virtual std::string stateFolder() const { return {}; }
    // Where a file dialog starts when the game has no file of its own to start beside: the
    // folder the scorer used last, else the documents folder where there is one. Empty for the
    // dialog's own choice.
    virtual std::string startFolder() const { return {}; }
    // The scorer chose a file in this folder: the next dialog without a game file starts here.
    virtual void folderUsed(const std::string& folder) { (void)folder; }
    // The caption of lblfname.
    virtual void setFileLabel(const std::string& path) = 0;
    virtual std::string fileLabel() const = 0;
    // The scorer chose to discard the unsaved game.
    virtual void gameDiscarded() {}
    // A box of one of the commands is about to open.
    virtual void boxOpening() {}
    // News that needs no answer ("Saved to game1.txt at 20:14"), shown where it does not stop
    // the game.
    virtual void tell(const std::string& news) { (void)news; }
};

// True for a sheet without a stat whose names are all empty or "#  name": such a game holds
// nothing worth keeping, and is set aside without a question.
bool holdsNothing(const Game& game);

// Where a file dialog about this game starts: `name` in the folder of the game's file
// (`gameFile`, when it is one of the scorer's, not under the state folder), else in the host's
// start folder.
FileDialogSetup besideGame(const FilesHost& host, const std::string& gameFile,
                           const std::string& name);
// Tells the host the folder of a file the scorer chose.
void rememberFolder(FilesHost& host, const std::string& chosen);

class FileCommands {
public:
    FileCommands(Game& game, Dialogs& dialogs, FilesHost& host);

    // A fresh sheet and a new roster: first quarter on, no file label, no selection, no
    // takeback, every field "0", then the twelve names asked for one after another. An unsaved
    // game is offered for saving first, and Cancel keeps it.
    void newGame();
    // The same without the prompts: the twelve names stay exactly as they are.
    void newGameSameRoster();
    // How many times the sheet was given another game (new, opened or restored): a command
    // that changed it changed this.
    int gamesShown() const { return gamesShown_; }
    // The twelve names asked for again, each offered for editing; nothing else changes. Cancel
    // on a prompt keeps the name it offered.
    void editRoster();
    // Asks for a destination and writes the game there, with the quarter that is on and the
    // plays; an existing file is replaced only
    // once the new one is completely on disk, and one other than the game's own file only
    // after the scorer confirms. True when the game was saved.
    // `byBox`: the scorer is told in a box that it was saved; otherwise by the host's news.
    bool savegame(bool byBox = true);
    // Writes the game to its own file (gameFile()) at once, without the dialog, and tells the
    // host's news rather than a box; a game without a file of its own is saved through
    // savegame's dialog.
    bool saveToOwnFile();
    // Asks for a game file and replaces the names, fields and plays with it and turns its quarter
    // on, but only when the whole file has been read and found complete; otherwise the game
    // stays as it was. Plays that do not fit the file's statistics are left out, and the scorer
    // is told. An unsaved game is offered for saving first, and Cancel keeps it. Given a path
    // (a game named on the command line), opens that file without the dialog.
    void openGame(const std::optional<std::string>& path = std::nullopt);
    // Puts back a game kept by a copy of the program that ended before it was saved: its names,
    // fields, plays and file label, the quarter that was on, the selection and takeback memory; it
    // still has unsaved changes.
    // A label that names a file of the scorer's (outside the state folder) makes it the game's
    // own file again; should that file change after `keptAt` (seconds since the epoch, when the
    // copy was last written), the next save to it asks first.
    void restore(const KeptGame& kept, std::int64_t keptAt = 0);
    // Whether the game on the window may be set aside (by a new or opened game, or the end of
    // the program): true without unsaved changes; otherwise the scorer is asked, and true after
    // a successful save or Discard, false after Cancel or a save that did not happen.
    bool maySetAside();

    // The file this game was opened from or saved to, outside the state folder; empty for a
    // game that has none.
    const std::string& gameFile() const { return gameFile_; }
    // The path of the last File|Open: kept after a failed open, so that the next open dialog
    // starts there; empty after a complete one.
    const std::string& filename() const { return filename_; }

    static constexpr std::size_t kNewNameLength = 13;
    static constexpr std::size_t kEditNameLength = 16;
    static constexpr const char* kNamePrompt = QT_TRANSLATE_NOOP(
        "FileCommands", "Please enter the players number and name--no more than 13 characters");
    static constexpr const char* kEditPrompt = QT_TRANSLATE_NOOP(
        "FileCommands", "Please enter the players number and name--no more than 16 characters");
    static constexpr const char* kNameCaption = QT_TRANSLATE_NOOP("FileCommands", "Enter name");
    static constexpr const char* kNameDefault = tallivant::kNameDefault;
    static constexpr const char* kSaveTitle =
        QT_TRANSLATE_NOOP("FileCommands", "Select the destination file");
    static constexpr const char* kOpenTitle =
        QT_TRANSLATE_NOOP("FileCommands", "Select the source file");
    static constexpr const char* kNoFileName = QT_TRANSLATE_NOOP(
        "FileCommands", "Please enter a file name before pressing the save button.");
    static constexpr const char* kSaved =
        QT_TRANSLATE_NOOP("FileCommands", "Your file has been saved.");
    // "Saved to game1.txt at 20:14"
    //: %1 is the file's name, %2 the time of day
    static constexpr const char* kSavedNews =
        QT_TRANSLATE_NOOP("FileCommands", "Saved to %1 at %2");
    //: %1 is why (the system's words, or another text of the program)
    static constexpr const char* kNotSaved =
        QT_TRANSLATE_NOOP("FileCommands", "Your file has not been saved: %1");
    static constexpr const char* kTooLarge =
        QT_TRANSLATE_NOOP("FileCommands", "the game would be too large to open again.");
    static constexpr const char* kOpenFailed = QT_TRANSLATE_NOOP(
        "FileCommands", "Select/highlight appropriate file name in the file list box.");
    static constexpr const char* kOpenFailedTitle =
        QT_TRANSLATE_NOOP("FileCommands", "Error loading");
    static constexpr const char* kPlaysNotOpenedTitle =
        QT_TRANSLATE_NOOP("FileCommands", "Plays not opened");
    static constexpr const char* kPlaysNotOpened = QT_TRANSLATE_NOOP(
        "FileCommands",
        "The plays of this file do not match its statistics; they were not opened.");
    //: %1 is the game file's path
    static constexpr const char* kChangedSince = QT_TRANSLATE_NOOP(
        "FileCommands", "%1 has changed since this game was last kept. Replace it with this game?");
    static constexpr const char* kChangedSinceTitle = QT_TRANSLATE_NOOP("FileCommands", "Replace?");
    static constexpr const char* kTooManyPlays = QT_TRANSLATE_NOOP(
        "FileCommands",
        "This file holds more plays than a game file can keep; the statistics were opened "
        "without them.");
    static constexpr const char* kUnsavedTitle = QT_TRANSLATE_NOOP("FileCommands", "Unsaved game");
    static constexpr const char* kUnsavedText = QT_TRANSLATE_NOOP(
        "FileCommands", "The statistics of this game have not been saved. Save them first?");

private:
    // A fresh sheet: first quarter on, no file, no selection, no takeback, no plays, every field
    // "0"; the names are left as they are.
    void clearSheet();
    // Writes the game, its quarter and plays to `path`, and tells the scorer how it went.
    bool writeGame(const std::string& path, bool byBox);
    void put(const GameContents& contents, const std::string& label, Quarter quarter);
    bool inStateFolder(const std::string& path) const;
    // The dialogs, once the host knows a box is about to open.
    Dialogs& ask();

    Game& game_;
    Dialogs& dialogs_;
    FilesHost& host_;
    std::string filename_;
    // The file this game was last opened from or saved to; saving to it again asks nothing.
    std::string gameFile_;
    // After a restore: when the copy was kept, so that a save asks before replacing a game file
    // someone changed since. Zero when there is nothing to ask.
    std::int64_t keptAt_ = 0;
    int gamesShown_ = 0;
    // A file whose plays could not be opened: the next save proposes a name beside it.
    std::string unreadPlays_;
};

} // namespace tallivant
