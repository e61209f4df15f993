// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the crash driver writes and the crash tests expect back, the same in both processes: the
// games, and where in the driver's folder the saved game, the recovery copies and the exports
// live.
#pragma once

#include <algorithm>
#include <stdexcept>
#include <string>

#include "store/recovery.h"
#include "formats/saved_game.h"
#include "support/fake_dialogs.h"
#include "support/full_game.h"

namespace tallivant::testing {

// The driver's folder holds games/ and state/ before it starts; it creates nothing else but
// state/discarded/.
inline constexpr const char* kGamesFolder = "games";
inline constexpr const char* kStateFolder = "state";
inline constexpr const char* kSavedGame = "games/game.txt";
inline constexpr const char* kDiscardedFolder = "state/discarded";
// What the command line writes: the report as PDF and the box score, with its plays beside it.
inline constexpr const char* kPdfExport = "games/report.pdf";
inline constexpr const char* kCsvExport = "games/box score.csv";

// Game number n as the window holds it: a whole game of plays (tens of them, one moved to
// another quarter and one removed), then a stat or three more, so that the takeback memory
// holds one; a name, a file shown and boxes ticked beside the sheet that no other number has.
struct NumberedGame {
    FakeDialogs dialogs;
    Game game{dialogs};
    KeptGame kept;
    explicit NumberedGame(int n) {
        playFullGame(game);
        // A game file has no way to write a double quote in a name.
        for (int p = 1; p <= kPlayers; ++p) {
            std::string name = game.name(p);
            std::replace(name.begin(), name.end(), '"', '\'');
            game.setName(p, name);
        }
        game.setName(1, "4 Zoë " + std::to_string(n));
        if (!game.movePlays({0, 2}, Quarter::Fourth) || !game.removePlays({5}))
            throw std::logic_error("the crash game's corrections were refused");
        for (int i = 0; i <= n % 3; ++i) {
            game.selectPlayer(1 + (n + i) % kPlayers);
            game.record((n + 4 * i) % kStats, Quarter::Third);
        }
        kept = {contentsOf(game), "/home/zoë/games/game " + std::to_string(n) + ".txt",
                static_cast<Quarter>(n % kQuarters), game.memory(), game.plays()};
        kept.marks.timeouts[n % ScreenMarks::kTimeouts] = true;
        kept.marks.ourPossession = n % 2 == 0;
        kept.marks.onFloor[n % kPlayers] = kept.marks.onFloor[(n + 5) % kPlayers] = true;
    }
};

inline bool sameGame(const KeptGame& a, const KeptGame& b) {
    return a.game == b.game && a.label == b.label && a.quarter == b.quarter &&
           a.memory == b.memory && a.plays == b.plays && a.marks == b.marks;
}

// The game on the disk before a save and the game the save writes, as File|Save writes them;
// the recovery copy's writes, numbered from 0 (the one on the disk before the phase begins).
inline constexpr int kOldSavedGame = 1000;
inline constexpr int kNewSavedGame = 1001;
inline std::string savedGameBytes(int n) {
    const KeptGame kept = NumberedGame(n).kept;
    const auto bytes = encodeSavedGame(kept.game, kept.quarter, kept.plays);
    if (!bytes) throw std::logic_error("the crash game does not fit a game file");
    return *bytes;
}

// The report's bytes as the driver writes them: a stand-in for the PDF (no window here), long
// enough to take several blocks of the disk.
inline std::string pdfBytes(int n) {
    std::string pdf = "%PDF-1.4\n";
    for (int line = 0; pdf.size() < 3000; ++line)
        pdf += "% report of game " + std::to_string(n) + ", line " + std::to_string(line) + "\n";
    return pdf + "%%EOF\n";
}

} // namespace tallivant::testing
