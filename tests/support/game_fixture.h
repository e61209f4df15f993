// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A Game with scripted dialogs, field look-up by the names the window uses, and a copy of
// everything a game holds, to show that an action left it alone.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "sheet/game.h"
#include "support/fake_dialogs.h"

namespace tallivant::testing {

inline Field fieldByName(const std::string& name) {
    for (int id = 0; id < kFields; ++id)
        if (fieldName(Field::fromId(id)) == name) return Field::fromId(id);
    throw std::invalid_argument("no field " + name);
}

inline int statRow(char letter) {
    return *statIndex(letter);
}

struct SheetCopy {
    std::array<std::string, kFields> fields; // by Field::id()
    std::array<std::string, kPlayers> names; // player N at N - 1
    int playernum = 0;
    std::string tbletter;
    int oldplayernum = 0;
    friend bool operator==(const SheetCopy&, const SheetCopy&) = default;
};

inline SheetCopy copySheet(const Game& game) {
    SheetCopy s;
    for (int id = 0; id < kFields; ++id)
        s.fields[id] = game.text(Field::fromId(id));
    for (int n = 1; n <= kPlayers; ++n)
        s.names[n - 1] = game.name(n);
    s.playernum = game.playernum();
    s.tbletter = game.tbletter();
    s.oldplayernum = game.oldplayernum();
    return s;
}

class GameTest : public ::testing::Test {
protected:
    FakeDialogs dialogs;
    Game game{dialogs};

    std::string txt(const std::string& name) const { return game.text(fieldByName(name)); }
    void set(const std::string& name, const std::string& text) {
        game.setText(fieldByName(name), text);
    }
    void click(char letter, Quarter q = Quarter::First) { game.record(statRow(letter), q); }
    void stat(int player, char letter, Quarter q = Quarter::First) {
        game.selectPlayer(player);
        click(letter, q);
    }
    // Every field except the named ones still reads "0".
    void expectOthersZero(std::initializer_list<std::string> changed) const {
        for (int id = 0; id < kFields; ++id) {
            const std::string name = fieldName(Field::fromId(id));
            if (std::find(changed.begin(), changed.end(), name) != changed.end()) continue;
            EXPECT_EQ(game.text(Field::fromId(id)), "0") << name;
        }
    }
};

} // namespace tallivant::testing
