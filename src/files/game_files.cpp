// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/game_files.h"

#include <filesystem>

#include "files/disk.h"
#include "files/encoding.h"
#include "files/game_file.h"

namespace tallivant {

GameFiles::GameFiles(Game& game, Dialogs& dialogs, FilesHost& host)
    : game_(game), dialogs_(dialogs), host_(host) {}

void GameFiles::newGame() {
    host_.switchFirstQuarterOn();
    host_.setFileLabel("");
    game_.deselect();
    // A takeback must not reach back into the previous game.
    game_.forgetTakeback();
    game_.zeroSheet();
    for (int n = 1; n <= kPlayers; ++n) {
        const std::string answer = dialogs_.input(kNamePrompt, kNameCaption, kNameDefault);
        game_.setName(n, leftChars(answer, kNewNameLength));
    }
}

void GameFiles::editRoster() {
    for (int n = 1; n <= kPlayers; ++n) {
        const std::string answer = dialogs_.input(kEditPrompt, kNameCaption, game_.name(n));
        game_.setName(n, leftChars(answer, kEditNameLength));
    }
}

void GameFiles::savegame() {
    FileDialogSetup setup;
    setup.title = kSaveTitle;
    setup.filters = {{"Text files (*.txt)", "*.txt"}, {"All files (*)", "*"}};
    setup.selectedFilter = 0;
    setup.defaultSuffix = "txt";
    // The file the game came from, if it was opened from one.
    setup.startName = host_.fileLabel();
    const std::optional<std::string> chosen = dialogs_.saveFile(setup);
    if (!chosen || chosen->empty()) {
        dialogs_.message(kNoFileName, "Error!", Icon::Exclamation);
        return;
    }
    std::error_code ec;
    std::string path = std::filesystem::absolute(*chosen, ec).string();
    if (ec) path = *chosen;

    const std::string bytes = encodeGameFile(contentsOf(game_));
    if (const auto failure = writeFileSafely(path, bytes)) {
        dialogs_.message(kNotSaved + *failure, "Error!", Icon::Critical);
        return;
    }
    dialogs_.message(kSaved, path, Icon::Exclamation);
}

void GameFiles::openGame() {
    FileDialogSetup setup;
    setup.title = kOpenTitle;
    setup.filters = {{"All files (*)", "*"}, {"Text files (*.txt)", "*.txt"}};
    setup.selectedFilter = 1;
    setup.defaultSuffix = "txt";
    setup.startName = filename_;
    const std::optional<std::string> chosen = dialogs_.openFile(setup);
    if (!chosen) return;
    filename_ = *chosen;

    std::optional<GameContents> contents;
    if (auto bytes = readWholeFile(filename_, kMaxGameFileBytes)) contents = parseGameFile(*bytes);
    if (!contents) {
        dialogs_.message(kOpenFailed, kOpenFailedTitle, Icon::Critical);
        return;
    }

    host_.setFileLabel(filename_);
    host_.switchFirstQuarterOn();
    game_.forgetTakeback();
    for (int id = 0; id < kFields; ++id)
        game_.setText(Field::fromId(id), contents->fields[id]);
    for (int n = 1; n <= kPlayers; ++n)
        game_.setName(n, contents->names[n - 1]);
    filename_.clear();
}

} // namespace tallivant
