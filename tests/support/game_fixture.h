// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A Game with scripted dialogs, and field look-up by the names the window uses.
#pragma once

#include <gtest/gtest.h>

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
