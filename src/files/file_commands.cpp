// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/file_commands.h"

#include <filesystem>
#include <variant>

#include "files/disk.h"
#include "files/encoding.h"
#include "files/game_file.h"

namespace tallivant {

namespace {
std::string absolutePath(const std::string& path) {
    std::error_code ec;
    std::string absolute = utf8Of(std::filesystem::absolute(pathOf(path), ec));
    return ec ? path : absolute;
}
// The game in the file at `path`, or why it is not one, as the scorer is told.
std::variant<GameContents, std::string> loadGameFile(const std::string& path) {
    auto bytes = readWholeFile(path, kMaxGameFileBytes);
    if (const auto* failure = std::get_if<ReadFailure>(&bytes)) {
        if (failure->kind == ReadFailure::TooLarge)
            return reasonText(NotAGameFile{NotAGameFile::TooLarge});
        if (failure->kind == ReadFailure::NotRegular)
            return std::string("It is not a file but a device or a pipe.");
        return failure->reason;
    }
    auto game = readGameFile(std::get<std::string>(bytes));
    if (const auto* notGame = std::get_if<NotAGameFile>(&game)) return reasonText(*notGame);
    return std::move(std::get<GameContents>(game));
}

// The file dialog of File|Save and of File|Open: text files shown first, any file allowed. Save
// lists the text files first, Open second.
FileDialogSetup gameFileSetup(const char* title, bool textListedFirst, std::string startName) {
    const FileFilter text{"Text files (*.txt)", "*.txt"};
    const FileFilter all{"All files (*)", "*"};
    FileDialogSetup setup;
    setup.title = title;
    setup.filters = textListedFirst ? std::vector{text, all} : std::vector{all, text};
    setup.selectedFilter = textListedFirst ? 0 : 1;
    setup.defaultSuffix = "txt";
    setup.startName = std::move(startName);
    return setup;
}

} // namespace

FileCommands::FileCommands(Game& game, Dialogs& dialogs, FilesHost& host)
    : game_(game), dialogs_(dialogs), host_(host) {}

Dialogs& FileCommands::ask() {
    host_.boxOpening();
    return dialogs_;
}

void FileCommands::put(const GameContents& contents, const std::string& label) {
    host_.setFileLabel(label);
    host_.switchFirstQuarterOn();
    game_.forgetTakeback();
    for (int id = 0; id < kFields; ++id)
        game_.setText(Field::fromId(id), contents.fields[id]);
    for (int n = 1; n <= kPlayers; ++n)
        game_.setName(n, contents.names[n - 1]);
}

void FileCommands::restore(const GameContents& game, const std::string& label) {
    put(game, label);
    gameFile_.clear();
    game_.markUnsaved();
}

bool FileCommands::maySetAside() {
    if (!game_.hasUnsavedChanges()) return true;
    switch (ask().saveDiscardCancel(kUnsavedText, kUnsavedTitle)) {
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
    gameFile_.clear();
    host_.switchFirstQuarterOn();
    host_.setFileLabel("");
    game_.deselect();
    // A takeback must not reach back into the previous game.
    game_.forgetTakeback();
    game_.zeroSheet();
    for (int n = 1; n <= kPlayers; ++n) {
        const std::string answer =
            ask().input(kNamePrompt, kNameCaption, kNameDefault, kNewNameLength);
        game_.setName(n, leftChars(answer, kNewNameLength));
    }
}

void FileCommands::editRoster() {
    for (int n = 1; n <= kPlayers; ++n) {
        const std::string answer =
            ask().input(kEditPrompt, kNameCaption, game_.name(n), kEditNameLength);
        game_.setName(n, leftChars(answer, kEditNameLength));
    }
}

bool FileCommands::savegame() {
    // Starts at the file the game came from, if it was opened from one.
    FileDialogSetup setup = gameFileSetup(kSaveTitle, true, host_.fileLabel());
    setup.confirmOverwrite = true;
    setup.ownFile = gameFile_;
    const std::optional<std::string> chosen = ask().saveFile(setup);
    if (!chosen || chosen->empty()) {
        ask().message(kNoFileName, "Error!", Icon::Exclamation);
        return false;
    }
    const std::string path = absolutePath(*chosen);

    const std::string bytes = encodeGameFile(contentsOf(game_));
    // Open refuses such a game already; should one reach the window anyway, a file that Open
    // would refuse must not replace a good one.
    if (bytes.size() > kMaxGameFileBytes) {
        ask().message(std::string(kNotSaved) + kTooLarge, "Error!", Icon::Critical);
        return false;
    }
    if (const auto failure = writeFileSafely(path, bytes)) {
        ask().message(kNotSaved + *failure, "Error!", Icon::Critical);
        return false;
    }
    gameFile_ = path;
    game_.markSaved();
    ask().message(kSaved, path, Icon::Exclamation);
    return true;
}

void FileCommands::openGame() {
    if (!maySetAside()) return;
    const std::optional<std::string> chosen =
        ask().openFile(gameFileSetup(kOpenTitle, false, filename_));
    if (!chosen) return;
    filename_ = *chosen;

    auto loaded = loadGameFile(filename_);
    if (const auto* why = std::get_if<std::string>(&loaded)) {
        ask().detailedMessage(kOpenFailed, *why, kOpenFailedTitle, Icon::Critical);
        return;
    }
    const auto* contents = std::get_if<GameContents>(&loaded);

    put(*contents, filename_);
    game_.markSaved();
    gameFile_ = absolutePath(filename_);
    filename_.clear();
}

} // namespace tallivant
