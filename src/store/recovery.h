// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The recovery copy: while a game has unsaved changes, each running copy of the program keeps
// it in a file of its own in the user's state folder, so that a crash, a kill or a power cut
// costs nothing that was on the screen. A lock held for as long as the copy runs tells the
// files of running copies from those left behind, which the next start offers back. Discarded
// games are kept in discarded/ (the newest 20), where File|Open reads them like any game file.
//
//   state folder/  game-<id>.<version>.txt  the game file as File|Save writes it (with the
//                                           quarter on and the plays), plus records for the
//                                           boxes on the screen, the file shown, the selection
//                                           and takeback memory, and last a record of the
//                                           length and CRC-32 of all before it
//                  game-<id>.lock           held by the copy that owns those files
//                  discarded/               games the scorer chose not to keep, named
//                                           "2026-12-08 18-22 lincoln.txt"
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/game_file.h"
#include "formats/saved_game.h"
#include "sheet/game.h"
#include "system/lock.h"
#include "system/places.h"

namespace tallivant {

// The boxes on the screen that no game file holds: they come back on Restore all the same.
struct ScreenMarks {
    static constexpr int kTimeouts = 5;     // three full, then two 20-second
    std::array<bool, kTimeouts> timeouts{}; // used
    bool ourPossession = true;              // "U" on, else "Opp"
    std::array<bool, kPlayers> onFloor{};   // player 1 to 12
    friend bool operator==(const ScreenMarks&, const ScreenMarks&) = default;
};

// A game as the recovery copy keeps it: the game file's contents and what the window held
// beside them, so that a restored game goes on exactly where it stopped.
// Where the game is shared live (the live page's folder; empty for nowhere) and whether the page
// names players by number only. Kept with the recovery copy, so that a restored game goes on
// sharing, and never in the game file, so that another game never writes over this one's page.
struct Sharing {
    std::string folder;
    bool numbersOnly = false;
    friend bool operator==(const Sharing&, const Sharing&) = default;
};

struct KeptGame {
    GameContents game;
    std::string label;                // the game file the window showed, if any
    Quarter quarter = Quarter::First; // the quarter whose button was on
    GameMemory memory;                // selection and takeback memory
    Plays plays;                      // the game's plays, as a saved game holds them
    ScreenMarks marks = {};           // as a fresh window has them, in a copy that had none
    Matchup matchup = {};             // the details and the opponent's plays
    Sharing sharing = {};
};

// CRC-32 (the polynomial of zip and PNG) of `bytes`: what a whole recovery version ends with.
std::uint32_t crc32(std::string_view bytes);

class Recovery {
public:
    explicit Recovery(std::string folder);
    ~Recovery();
    Recovery(const Recovery&) = delete;
    Recovery& operator=(const Recovery&) = delete;

    struct Found {
        KeptGame kept;
        // When the copy that left it last changed it, in seconds since the epoch.
        std::int64_t changed = 0;
    };
    // The newest recovery file that no running copy owns, now this copy's; nothing if there is
    // none. Of a copy's versions, the newest whole one (its last record gives the length and
    // CRC-32 of all before it) is offered, and those that are not are renamed *.broken on the
    // way; the older ones go once it is on the disk again.
    std::optional<Found> claimLeftBehind();

    // Writes this copy's recovery file as a new version, renamed into place at once, so a kill
    // leaves the old or the new game, never half of one. The versions before it stay until it
    // is on the disk (see sync()), so that a power cut leaves a complete one. Returns the
    // reason on failure.
    std::optional<std::string> write(const KeptGame& kept);
    // Puts the newest version and its folder on the disk (fsync), then removes the versions it
    // supersedes. Cheap when nothing is waiting. Returns the system's reason when the disk
    // fails; the older versions then stay.
    std::optional<std::string> sync();
    // The game was saved (or set aside): this copy keeps no recovery file.
    void remove();
    // Moves the game of this copy's recovery file into discarded/, under the date and time and
    // the game file's name, on the disk before any other version of it goes. When it cannot,
    // returns the reason, and the versions left in the state folder are given up by this copy,
    // so that the next start offers the newest again.
    std::optional<std::string> discard();

    // What puts a file and its folder on the disk (syncToDisk): a test's own sees the order of
    // the syncs among the copy's other steps, or makes one fail.
    using DiskSync = std::function<std::optional<std::string>(const std::string& path,
                                                              const std::string& folder)>;
    void setDiskSync(DiskSync sync) { diskSync_ = std::move(sync); }

    const std::string& folder() const { return folder_; }
    // This copy's recovery file (it may not exist).
    std::string path() const;
    std::string discardedFolder() const;

    static constexpr std::size_t kDiscardedKept = 20;

private:
    bool ownLock(std::string* reason);
    void release();
    void removeSuperseded();
    // Leaves this copy's files to the next start and goes on with files of its own.
    void giveUp();
    std::string fileOf(const std::string& id, std::string_view suffix) const;
    std::string versionOf(const std::string& id, std::uint64_t version) const;

    std::string folder_;
    std::string id_;
    // Each write is a new version of the file, so that none replaces another.
    std::uint64_t version_ = 0;
    // Older versions of this copy still on the disk, removed once a newer one is there too.
    std::vector<std::uint64_t> superseded_;
    std::string label_; // of the last version written
    std::optional<FileLock> lock_;
    bool written_ = false; // path() holds this copy's game
    bool unsynced_ = false;
    PlaysText playsText_;
    DiskSync diskSync_;
};

} // namespace tallivant
