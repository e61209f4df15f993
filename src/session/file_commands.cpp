// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/file_commands.h"

#include <ctime>
#include <filesystem>
#include <variant>

#include "formats/encoding.h"
#include "formats/game_file.h"
#include "formats/saved_game.h"
#include "session/reasons.h"
#include "session/translated.h"
#include "sheet/numbers.h"
#include "system/disk.h"
#include "system/door.h"
#include "system/load_game.h"

namespace tallivant {

namespace {

// The time of day as the strip says it: "20:14".
std::string clockTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    // Windows keeps localtime's result per thread.
    local = *std::localtime(&now);
#else
    localtime_r(&now, &local);
#endif
    char text[8];
    return std::strftime(text, sizeof text, "%H:%M", &local) ? text : "";
}

std::string absolutePath(const std::string& path) {
    std::error_code ec;
    std::string absolute = utf8Of(std::filesystem::absolute(pathOf(path), ec));
    return ec ? path : absolute;
}
// The file dialog of File|Save and of File|Open: text files shown first, any file allowed. Save
// lists the text files first, Open second.
FileDialogSetup gameFileSetup(const char* title, bool textListedFirst, FileDialogSetup setup) {
    const FileFilter text{
        translated("FileCommands", QT_TRANSLATE_NOOP("FileCommands", "Text files (*.txt)")),
        "*.txt"};
    const FileFilter all{
        translated("FileCommands", QT_TRANSLATE_NOOP("FileCommands", "All files (*)")), "*"};
    setup.title = translated("FileCommands", title);
    setup.filters = textListedFirst ? std::vector{text, all} : std::vector{all, text};
    setup.selectedFilter = textListedFirst ? 0 : 1;
    setup.defaultSuffix = "txt";
    return setup;
}

// The title of a box that says a command failed.
std::string errorTitle() {
    return utf8(QCoreApplication::translate("FileCommands", "Error!"));
}

bool inStateFolder(const FilesHost& host, const std::string& path) {
    const std::string state = host.stateFolder();
    if (state.empty() || path.empty()) return false;
    std::error_code ec;
    const auto folder = std::filesystem::weakly_canonical(pathOf(state), ec);
    if (ec) return false;
    auto file = std::filesystem::weakly_canonical(pathOf(absolutePath(path)), ec);
    if (ec) return false;
    for (auto at = file.parent_path(); !at.empty(); at = at.parent_path()) {
        if (at == folder) return true;
        if (at == at.parent_path()) break;
    }
    return false;
}

// "lincoln (2).txt" beside "lincoln.txt": the first such name that is not taken.
std::string nameBeside(const std::string& path) {
    const std::filesystem::path file = pathOf(path);
    for (int n = 2;; ++n) {
        std::filesystem::path other = file;
        other.replace_filename(pathOf(utf8Of(file.stem()) + " (" + std::to_string(n) + ")" +
                                      utf8Of(file.extension())));
        std::error_code ec;
        if (!std::filesystem::exists(other, ec) || n > 999) return utf8Of(other);
    }
}

} // namespace

FileDialogSetup besideGame(const FilesHost& host, const std::string& gameFile,
                           const std::string& name) {
    FileDialogSetup setup;
    setup.startName = name;
    if (!gameFile.empty() && !inStateFolder(host, gameFile))
        setup.startFolder = utf8Of(pathOf(absolutePath(gameFile)).parent_path());
    else
        setup.startFolder = host.startFolder();
    return setup;
}

void rememberFolder(FilesHost& host, const std::string& chosen) {
    // A game opened from the state folder does not make it the scorer's folder.
    if (chosen.empty() || inStateFolder(host, chosen)) return;
    const std::string folder = utf8Of(pathOf(absolutePath(chosen)).parent_path());
    if (!folder.empty()) host.folderUsed(folder);
}

bool holdsNothing(const Game& game) {
    for (int id = 0; id < kFields; ++id)
        if (readLenient(game.text(Field::fromId(id))) != 0) return false;
    for (int n = 1; n <= kPlayers; ++n)
        if (!game.name(n).empty() && game.name(n) != FileCommands::kNameDefault) return false;
    return game.matchup().opponent.empty() && game.matchup().details.opponent.empty();
}

FileCommands::FileCommands(Game& game, Dialogs& dialogs, FilesHost& host)
    : game_(game), dialogs_(dialogs), host_(host) {}

Dialogs& FileCommands::ask() {
    host_.boxOpening();
    return dialogs_;
}

void FileCommands::put(const GameContents& contents, const std::string& label, Quarter quarter) {
    ++gamesShown_;
    host_.setFileLabel(label);
    host_.switchQuarterOn(quarter);
    game_.forgetTakeback();
    for (int id = 0; id < kFields; ++id) {
        const Field f = Field::fromId(id);
        const bool percent = isPercentColumn(f.col);
        game_.setText(f,
                      percent ? game_.withOwnSeparator(contents.fields[id]) : contents.fields[id]);
    }
    for (int n = 1; n <= kPlayers; ++n)
        game_.setName(n, contents.names[n - 1]);
}

void FileCommands::restore(const KeptGame& kept, std::int64_t keptAt) {
    put(kept.game, kept.label, kept.quarter);
    game_.setPlays(kept.plays);
    game_.setMatchup(kept.matchup);
    // After the plays: the memory must be that of the last of them.
    game_.restoreMemory(kept.memory);
    unreadPlays_.clear();
    // The file the game was in is its own again, so Ctrl+S writes it at once; unless it has
    // changed since, when the save asks first.
    gameFile_ =
        kept.label.empty() || inStateFolder(kept.label) ? std::string() : absolutePath(kept.label);
    keptAt_ = gameFile_.empty() ? 0 : keptAt;
    game_.markUnsaved();
}

bool FileCommands::inStateFolder(const std::string& path) const {
    return tallivant::inStateFolder(host_, path);
}

bool FileCommands::maySetAside() {
    if (!game_.hasUnsavedChanges() || holdsNothing(game_)) return true;
    switch (ask().saveDiscardCancel(translated("FileCommands", kUnsavedText),
                                    translated("FileCommands", kUnsavedTitle))) {
    case UnsavedAnswer::Save:
        return savegame();
    case UnsavedAnswer::Discard:
        host_.gameDiscarded();
        return true;
    case UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

void FileCommands::newGame() {
    if (!maySetAside()) return;
    clearSheet();
    for (int n = 1; n <= kPlayers; ++n) {
        // Cancel gives an empty name, as it always has on a new roster.
        const std::string answer =
            ask()
                .input(translated("FileCommands", kNamePrompt),
                       translated("FileCommands", kNameCaption), kNameDefault, kNewNameLength)
                .value_or("");
        game_.setName(n, leftChars(answer, kNewNameLength));
    }
}

void FileCommands::newGameSameRoster() {
    if (maySetAside()) clearSheet();
}

void FileCommands::clearSheet() {
    ++gamesShown_;
    gameFile_.clear();
    keptAt_ = 0;
    unreadPlays_.clear();
    host_.switchFirstQuarterOn();
    host_.setFileLabel("");
    game_.deselect();
    // A takeback must not reach back into the previous game, nor a correction into its plays.
    game_.forgetTakeback();
    game_.setPlays({});
    // Our team and the rules go on to the next game; the opponent, the day and the place do not.
    GameDetails next;
    next.team = game_.matchup().details.team;
    next.rules = game_.rules();
    game_.setMatchup({next, {}});
    game_.zeroSheet();
}

void FileCommands::editRoster() {
    for (int n = 1; n <= kPlayers; ++n) {
        // Cancel (Escape) keeps the name it offered: one key must not wipe a name that was right.
        const std::optional<std::string> answer =
            ask().input(translated("FileCommands", kEditPrompt),
                        translated("FileCommands", kNameCaption), game_.name(n), kEditNameLength);
        if (answer) game_.setName(n, leftChars(*answer, kEditNameLength));
    }
}

bool FileCommands::savegame(bool byBox) {
    // Starts at the file the game came from, if it was opened from one; never in the state
    // folder, where a game opened from discarded/ would be written back to be pruned later.
    // A file whose plays could not be read is not proposed: a name beside it is.
    const std::string label = unreadPlays_.empty() ? host_.fileLabel() : nameBeside(unreadPlays_);
    FileDialogSetup setup = besideGame(host_, label, utf8Of(pathOf(label).filename()));
    if (!inStateFolder(label)) setup.startName = label;
    setup = gameFileSetup(kSaveTitle, true, std::move(setup));
    setup.confirmOverwrite = true;
    setup.ownFile = gameFile_;
    const std::optional<std::string> chosen = ask().saveFile(setup);
    if (!chosen || chosen->empty()) {
        ask().message(translated("FileCommands", kNoFileName), errorTitle(), Icon::Exclamation);
        return false;
    }
    rememberFolder(host_, *chosen);
    return writeGame(absolutePath(*chosen), byBox);
}

bool FileCommands::saveToOwnFile() {
    return gameFile_.empty() ? savegame(false) : writeGame(gameFile_, false);
}

bool FileCommands::writeGame(const std::string& path, bool byBox) {
    const auto bytes =
        encodeSavedGame(contentsOf(game_), host_.currentQuarter(), game_.plays(), game_.matchup());
    // Open leaves out plays that could grow past the limit; should a game reach it by its own
    // stats, a file that Open would not read whole must not replace a good one.
    if (!bytes) {
        ask().message(filled(QCoreApplication::translate("FileCommands", kNotSaved),
                             translated("FileCommands", kTooLarge)),
                      errorTitle(), Icon::Critical);
        return false;
    }
    if (path == gameFile_ && keptAt_ != 0) {
        // Restored from a copy: someone may have saved this file since, from another copy of
        // the program; that game is not replaced without a question.
        const std::optional<std::int64_t> changed = changedAt(path);
        if (changed && *changed > keptAt_) {
            const std::string text =
                filled(QCoreApplication::translate("FileCommands", kChangedSince), path);
            if (!ask().okCancel(text, translated("FileCommands", kChangedSinceTitle))) return false;
        }
    }
    if (const auto failure = saveGameFile(path, *bytes)) {
        ask().message(filled(QCoreApplication::translate("FileCommands", kNotSaved),
                             translatedReason(*failure)),
                      errorTitle(), Icon::Critical);
        return false;
    }
    gameFile_ = path;
    keptAt_ = 0;
    unreadPlays_.clear();
    game_.markSaved();
    // The window names the file the game is now in, and the next save proposes it.
    host_.setFileLabel(path);
    if (byBox) {
        ask().message(translated("FileCommands", kSaved), path, Icon::Exclamation);
    } else {
        host_.tell(filled(QCoreApplication::translate("FileCommands", kSavedNews),
                          utf8Of(pathOf(path).filename()), clockTime()));
    }
    return true;
}

void FileCommands::openGame(const std::optional<std::string>& path) {
    if (!maySetAside()) return;
    // Starts at the last file asked for, else beside the game's own file.
    FileDialogSetup setup = besideGame(host_, gameFile_, {});
    if (!filename_.empty()) setup.startName = filename_;
    const std::optional<std::string> chosen =
        path ? path : ask().openFile(gameFileSetup(kOpenTitle, false, std::move(setup)));
    if (!chosen) return;
    if (!path) rememberFolder(host_, *chosen);
    filename_ = *chosen;

    auto loaded = loadGameFile(filename_);
    if (const auto* why = std::get_if<std::string>(&loaded)) {
        ask().detailedMessage(translated("FileCommands", kOpenFailed), translatedReason(*why),
                              translated("FileCommands", kOpenFailedTitle), Icon::Critical);
        return;
    }
    const auto& saved = std::get<SavedGame>(loaded);

    put(saved.game, filename_, saved.quarter);
    game_.setPlays(saved.plays);
    game_.setMatchup(saved.matchup);
    const bool playsLeftOut = saved.playsLeftOut || saved.opponentLeftOut;
    // A game from the state folder (a recovery copy, a discarded game) is in no file of the
    // scorer's: it stays unsaved, so that it is kept until the scorer saves it somewhere.
    // So is a game whose plays were not opened: its file still holds them, and is not to be
    // written over without them by the next Ctrl+S.
    keptAt_ = 0;
    unreadPlays_.clear();
    if (inStateFolder(filename_) || playsLeftOut) {
        game_.markUnsaved();
        gameFile_.clear();
        if (playsLeftOut && !inStateFolder(filename_)) unreadPlays_ = absolutePath(filename_);
    } else {
        game_.markSaved();
        gameFile_ = absolutePath(filename_);
    }
    filename_.clear();
    if (playsLeftOut)
        ask().message(
            translated("FileCommands", saved.tooManyPlays ? kTooManyPlays : kPlaysNotOpened),
            translated("FileCommands", kPlaysNotOpenedTitle), Icon::Exclamation);
}

} // namespace tallivant
