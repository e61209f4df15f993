// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a full game to a game file, as File|Save writes it, for the command-line benchmark:
// twelve named players and that many plays (300 unless given), cycling over players, stats and
// quarters. Usage: full_game_file PATH [PLAYS]
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
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: full_game_file PATH [PLAYS]\n");
        return 2;
    }
    const int plays = argc == 3 ? std::atoi(argv[2]) : 300;
    testing::FakeDialogs dialogs;
    Game game(dialogs);
    game.zeroSheet();
    for (int n = 1; n <= kPlayers; ++n)
        game.setName(n, testing::kFullGameNames[n - 1]);
    for (int i = 0; i < plays; ++i)
        testing::recordCycledStat(game, i);
    Host host;
    dialogs.fileAnswers = {std::string(argv[1])};
    return FileCommands(game, dialogs, host).savegame() ? 0 : 1;
}
