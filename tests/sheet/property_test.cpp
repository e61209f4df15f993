// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <random>

#include "sheet/numbers.h"
#include "support/game_fixture.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

// After any sequence of clicks: every count column adds up the same over the quarters and over
// the players as its game total, no count is negative, and every percentage is its line's.
void expectConsistent(const Game& game, int step) {
    for (int col = 0; col < kColumns; ++col) {
        if (col == FGPER || col == FTPER || col == TPPER) continue;
        const double total = readLenient(game.text({kTotalsLine, col}));
        double quarters = 0, players = 0;
        for (int q = 0; q < kQuarters; ++q)
            quarters += readLenient(game.text({quarterLine(static_cast<Quarter>(q)), col}));
        for (int p = 0; p < kPlayers; ++p) {
            const double v = readLenient(game.text({playerLine(p), col}));
            ASSERT_GE(v, 0) << "step " << step << " " << fieldName({playerLine(p), col});
            players += v;
        }
        ASSERT_EQ(quarters, total) << "step " << step << " column " << col;
        ASSERT_EQ(players, total) << "step " << step << " column " << col;
        ASSERT_GE(total, 0) << "step " << step;
    }
    for (int line = 0; line < kLines; ++line)
        for (int made : {FGM, FTM, TPM}) {
            const double m = readLenient(game.text({line, made}));
            const double a = readLenient(game.text({line, attemptedCol(made)}));
            const std::string& shown = game.text({line, percentCol(made)});
            if (shown == "0" && a == 0) continue; // never written since the sheet was zeroed
            ASSERT_EQ(shown, percentText(m, a))
                << "step " << step << " " << fieldName({line, percentCol(made)});
        }
    for (int p = 0; p < kPlayers; ++p)
        ASSERT_EQ(game.inFoulTrouble(p), readLenient(game.text({playerLine(p), PF})) >= 3);
}

} // namespace

TEST(RandomGames, TotalsQuartersAndPlayersAlwaysAgree) {
    std::mt19937 rng(20261208);
    int steps = 0;
    for (int gameNo = 0; gameNo < 40; ++gameNo) {
        FakeDialogs dialogs;
        Game game{dialogs};
        Quarter quarter = Quarter::First;
        for (int i = 0; i < 400; ++i, ++steps) {
            const int action = std::uniform_int_distribution<>(0, 9)(rng);
            if (action <= 3) {
                game.selectPlayer(std::uniform_int_distribution<>(1, 12)(rng));
            } else if (action == 4) {
                quarter = static_cast<Quarter>(std::uniform_int_distribution<>(0, 4)(rng));
            } else if (action <= 7) {
                game.record(std::uniform_int_distribution<>(0, kStats - 1)(rng), quarter);
            } else {
                game.takeback();
            }
            expectConsistent(game, steps);
            if (::testing::Test::HasFatalFailure()) return;
            for (const Shown& s : dialogs.shown)
                ASSERT_NE(s.text, Game::kNotANumber) << "step " << steps;
        }
    }
    EXPECT_GE(steps, 10000);
}
