// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A game with scripted dialogs, a recording window host, the game-file commands over them, and
// a scratch folder on disk that is removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "files/file_commands.h"
#include "files/game_file.h"
#include "support/game_fixture.h"

namespace tallivant::testing {

class FakeHost : public FilesHost {
public:
    int firstQuarterClicks = 0;
    std::string label;
    void switchFirstQuarterOn() override { ++firstQuarterClicks; }
    void setFileLabel(const std::string& path) override { label = path; }
    std::string fileLabel() const override { return label; }
};

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallivant-XXXXXX");
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("no scratch folder");
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }
    // Everything in the folder, hidden files included.
    std::vector<std::string> entries() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path);
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Everything File|Open must leave alone when it fails.
struct WindowState {
    GameContents contents;
    int playernum = 0;
    std::string tbletter;
    int oldplayernum = 0;
    std::string label;
    int firstQuarterClicks = 0;
    friend bool operator==(const WindowState&, const WindowState&) = default;
};

class FilesTest : public GameTest {
protected:
    FakeHost host;
    FileCommands files{game, dialogs, host};
    ScratchFolder folder;

    WindowState state() const {
        return {contentsOf(game),    game.playernum(), game.tbletter(),
                game.oldplayernum(), host.label,       host.firstQuarterClicks};
    }

    // A game with names and stats in every kind of field, a selection and a takeback memory.
    void playSomeGame() {
        const char* names[] = {"4  Al Smith, Jr", "5  B&B",  "7  José",   "9  Łukasz",
                               "10 Zoë",          "11 李明", "12 O'Neil", "",
                               "   blanks   ",    "15 Ñú",   "20 Ümit €", "21 Ann"};
        for (int n = 1; n <= kPlayers; ++n)
            game.setName(n, names[n - 1]);
        const std::string letters = "cvdfernhuokt";
        for (int i = 0; i < 60; ++i)
            stat(1 + (i * 5) % kPlayers, letters[i % letters.size()],
                 static_cast<Quarter>(i % kQuarters));
        for (const char letter : {'c', 'c', 'v', 'd', 'f', 'f'})
            stat(2, letter, Quarter::Fourth);
        stat(3, 'm');
        game.selectPlayer(6);
    }

    void saveTo(const std::string& path) {
        dialogs.fileAnswers.push_back(path);
        files.savegame();
    }
    void openFrom(const std::string& path) {
        dialogs.fileAnswers.push_back(path);
        files.openGame();
    }
};

// The values of a record, each quoted, joined by commas, with CR LF.
inline std::string record(std::initializer_list<std::string> values) {
    std::string out;
    for (const std::string& v : values)
        out += (out.empty() ? "\"" : ",\"") + v + "\"";
    return out + "\r\n";
}

} // namespace tallivant::testing
