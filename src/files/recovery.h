// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The recovery copy: while a game has unsaved changes, each running copy of the program keeps
// it in a file of its own in the user's state folder, so that a crash, a kill or a power cut
// costs nothing that was on the screen. A lock held for as long as the copy runs tells the
// files of running copies from those left behind, which the next start offers back. Discarded
// games are kept in discarded/ (the newest 20), where File|Open reads them like any game file.
//
//   state folder/  game-<id>.<version>.txt  the game file, plus one record naming the file shown
//                  game-<id>.lock           held by the copy that owns those files
//                  discarded/       games the scorer chose not to keep
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/game_file.h"
#include "files/lock.h"
#include "files/places.h"

namespace tallivant {

class Recovery {
public:
    explicit Recovery(std::string folder);
    ~Recovery();
    Recovery(const Recovery&) = delete;
    Recovery& operator=(const Recovery&) = delete;

    struct Found {
        GameContents game;
        std::string label; // the game file the window showed, if any
    };
    // The newest recovery file that no running copy owns, now owned by this copy; nothing if
    // there is none. Files that do not read as a complete game are renamed *.broken on the way.
    std::optional<Found> claimLeftBehind();

    // Writes this copy's recovery file: written and renamed into place at once, so a kill
    // leaves the old or the new game, never half of one. Not yet on the disk: see sync().
    // Returns the reason on failure.
    std::optional<std::string> write(const GameContents& game, const std::string& label);
    // Puts what write() left into the file system on the disk (fsync); cheap when nothing is
    // waiting.
    void sync();
    // The game was saved (or set aside): this copy keeps no recovery file.
    void remove();
    // Keeps the game of this copy's recovery file in discarded/ (the file itself stays until
    // the game on the window changes or is set aside).
    void discard();

    const std::string& folder() const { return folder_; }
    // This copy's recovery file (it may not exist).
    std::string path() const;
    std::string discardedFolder() const;

    static constexpr std::size_t kDiscardedKept = 20;

private:
    bool ownLock(std::string* reason);
    void release();
    std::string fileOf(const std::string& id, std::string_view suffix) const;
    std::string versionOf(const std::string& id, std::uint64_t version) const;

    std::string folder_;
    std::string id_;
    // Each write is a new version of the file, so that none replaces another.
    std::uint64_t version_ = 0;
    std::optional<FileLock> lock_;
    bool unsynced_ = false;
};

} // namespace tallivant
