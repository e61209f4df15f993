// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/game_files.h"

#include <filesystem>
#include <variant>

#include "files/disk.h"
#include "files/encoding.h"
#include "files/game_file.h"

namespace tallivant {

namespace {
std::string absolutePath(const std::string& path) {
    std::error_code ec;
    std::string absolute = std::filesystem::absolute(path, ec).string();
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

} // namespace

GameFiles::GameFiles(Game& game, Dialogs& dialogs, FilesHost& host)
    : game_(game), dialogs_(dialogs), host_(host) {}

void GameFiles::put(const GameContents& contents, const std::string& label) {
    host_.setFileLabel(label);
    host_.switchFirstQuarterOn();
    game_.forgetTakeback();
    for (int id = 0; id < kFields; ++id)
        game_.setText(Field::fromId(id), contents.fields[id]);
    for (int n = 1; n <= kPlayers; ++n)
        game_.setName(n, contents.names[n - 1]);
}

void GameFiles::restore(const GameContents& game, const std::string& label) {
    put(game, label);
    gameFile_.clear();
    game_.markUnsaved();
}

bool GameFiles::maySetAside() {
    if (!game_.hasUnsavedChanges()) return true;
    switch (dialogs_.saveDiscardCancel(kUnsavedText, kUnsavedTitle)) {
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

void GameFiles::newGame() {
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
            dialogs_.input(kNamePrompt, kNameCaption, kNameDefault, kNewNameLength);
        game_.setName(n, leftChars(answer, kNewNameLength));
    }
}

void GameFiles::editRoster() {
    for (int n = 1; n <= kPlayers; ++n) {
        const std::string answer =
            dialogs_.input(kEditPrompt, kNameCaption, game_.name(n), kEditNameLength);
        game_.setName(n, leftChars(answer, kEditNameLength));
    }
}

bool GameFiles::savegame() {
    FileDialogSetup setup;
    setup.title = kSaveTitle;
    setup.filters = {{"Text files (*.txt)", "*.txt"}, {"All files (*)", "*"}};
    setup.selectedFilter = 0;
    setup.defaultSuffix = "txt";
    // The file the game came from, if it was opened from one.
    setup.startName = host_.fileLabel();
    setup.confirmOverwrite = true;
    setup.ownFile = gameFile_;
    const std::optional<std::string> chosen = dialogs_.saveFile(setup);
    if (!chosen || chosen->empty()) {
        dialogs_.message(kNoFileName, "Error!", Icon::Exclamation);
        return false;
    }
    const std::string path = absolutePath(*chosen);

    const std::string bytes = encodeGameFile(contentsOf(game_));
    // Open refuses such a game already; should one reach the window anyway, a file that Open
    // would refuse must not replace a good one.
    if (bytes.size() > kMaxGameFileBytes) {
        dialogs_.message(std::string(kNotSaved) + kTooLarge, "Error!", Icon::Critical);
        return false;
    }
    if (const auto failure = writeFileSafely(path, bytes)) {
        dialogs_.message(kNotSaved + *failure, "Error!", Icon::Critical);
        return false;
    }
    gameFile_ = path;
    game_.markSaved();
    dialogs_.message(kSaved, path, Icon::Exclamation);
    return true;
}

void GameFiles::openGame() {
    if (!maySetAside()) return;
    FileDialogSetup setup;
    setup.title = kOpenTitle;
    setup.filters = {{"All files (*)", "*"}, {"Text files (*.txt)", "*.txt"}};
    setup.selectedFilter = 1;
    setup.defaultSuffix = "txt";
    setup.startName = filename_;
    const std::optional<std::string> chosen = dialogs_.openFile(setup);
    if (!chosen) return;
    filename_ = *chosen;

    auto loaded = loadGameFile(filename_);
    if (const auto* why = std::get_if<std::string>(&loaded)) {
        dialogs_.detailedMessage(kOpenFailed, *why, kOpenFailedTitle, Icon::Critical);
        return;
    }
    const auto* contents = std::get_if<GameContents>(&loaded);

    put(*contents, filename_);
    game_.markSaved();
    gameFile_ = absolutePath(filename_);
    filename_.clear();
}

} // namespace tallivant
