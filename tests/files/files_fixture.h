// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A game with scripted dialogs, a recording window host, the game-file commands over them, and
// a scratch folder on disk that is removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "formats/game_file.h"
#include "formats/saved_game.h"
#include "session/file_commands.h"
#include "support/game_fixture.h"
#include "support/scratch_folder.h"

namespace tallivant::testing {

class FakeHost : public FilesHost {
public:
    int firstQuarterClicks = 0;
    Quarter quarter = Quarter::First; // the option button that is on
    std::string label;
    void switchFirstQuarterOn() override {
        ++firstQuarterClicks;
        quarter = Quarter::First;
    }
    void switchQuarterOn(Quarter q) override {
        if (q == Quarter::First)
            switchFirstQuarterOn();
        else
            quarter = q;
    }
    Quarter currentQuarter() const override { return quarter; }
    void setFileLabel(const std::string& path) override { label = path; }
    std::string fileLabel() const override { return label; }
    std::vector<std::string> news;
    void tell(const std::string& text) override { news.push_back(text); }
};

// Everything File|Open must leave alone when it fails.
struct WindowState {
    SheetCopy sheet;
    std::string label;
    int firstQuarterClicks = 0;
    Quarter quarter = Quarter::First;
    Plays plays;
    friend bool operator==(const WindowState&, const WindowState&) = default;
};

class FilesTest : public GameTest {
protected:
    FakeHost host;
    FileCommands files{game, dialogs, host};
    ScratchFolder folder;

    WindowState state() const {
        return {copySheet(game), host.label, host.firstQuarterClicks, host.quarter, game.plays()};
    }
    // What File|Save writes of the game on the window.
    std::string savedBytes() const {
        return encodeSavedGame(contentsOf(game), host.quarter, game.plays()).value();
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
    // The save dialog, then the message that says why nothing was saved.
    void expectNotSaved(const std::string& reason) {
        ASSERT_EQ(dialogs.shown.size(), 2u);
        const Shown& m = dialogs.shown[1];
        EXPECT_EQ(m.kind, "message");
        EXPECT_EQ(m.text, "Your file has not been saved: " + reason);
        EXPECT_EQ(m.title, "Error!");
        EXPECT_EQ(m.icon, Icon::Critical);
    }
};

// The values of a record, each quoted, joined by commas, with CR LF.
inline std::string record(std::initializer_list<std::string> values) {
    std::string out;
    for (const std::string& v : values)
        out += (out.empty() ? "\"" : ",\"") + v + "\"";
    return out + "\r\n";
}

// Saving: what the folder holds afterwards.
class FileSave : public FilesTest {
protected:
    const std::string old = "the old game\r\n";

    // No temporary file left beside the destination.
    void expectOnlyEntries(std::vector<std::string> names) {
        std::sort(names.begin(), names.end());
        EXPECT_EQ(folder.entries(), names);
    }
};

} // namespace tallivant::testing
