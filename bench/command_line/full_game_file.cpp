// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a full game to a game file, as File|Save writes it, for the command-line benchmark:
// twelve named players and that many plays (300 unless given), cycling over players, stats and
// quarters; with START (seconds after midnight) the plays are a second apart from then, so that
// games written with different starts are different games to a season, not saves of one. The
// game has details and an opponent play for every four of ours.
// Usage: full_game_file PATH [PLAYS [START]]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "session/file_commands.h"
#include "sheet/game.h"
#include "support/fake_dialogs.h"
#include "support/full_game.h"
#include "support/stat_cycle.h"

namespace {

class Host : public tallivant::FilesHost {
public:
    void switchFirstQuarterOn() override {}
    void setFileLabel(const std::string& path) override { label_ = path; }
    std::string fileLabel() const override { return label_; }

private:
    std::string label_;
};

} // namespace

int main(int argc, char* argv[]) {
    using namespace tallivant;
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: full_game_file PATH [PLAYS [START]]\n");
        return 2;
    }
    const int plays = argc >= 3 ? std::atoi(argv[2]) : 300;
    testing::FakeDialogs dialogs;
    Game game(dialogs);
    game.zeroSheet();
    if (argc == 4)
        game.setTimeOfDay([second = std::atoi(argv[3])]() mutable {
            const int s = second++ % 86400;
            char text[40];
            std::snprintf(text, sizeof text, "%02d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
            return std::string(text);
        });
    for (int n = 1; n <= kPlayers; ++n)
        game.setName(n, testing::kFullGameNames[n - 1]);
    // Both sides, as a game kept since the details came: the season reads the score, the
    // report prints its heading.
    const int start = argc == 4 ? std::atoi(argv[3]) : 0;
    game.setDetails(
        {"Eagles", "Hawks " + std::to_string(start % 37), "2026-12-09", "North Gym", {}});
    for (int i = 0; i < plays; ++i) {
        testing::recordCycledStat(game, i);
        if (i % 4 == 0)
            game.recordOpponent(static_cast<OpponentWhat>(i / 4 % 4), static_cast<Quarter>(i % 5));
    }
    Host host;
    dialogs.fileAnswers = {std::string(argv[1])};
    return FileCommands(game, dialogs, host).savegame() ? 0 : 1;
}
