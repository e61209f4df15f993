// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The states a folder may be found in after a power cut, from the log of the file system calls
// made in it (interpose.c). The rules are those POSIX promises and no more:
// - A file's bytes are on the disk up to its last fsync. Bytes written after it may be lost, cut
//   short at any 512-byte block, present only as a length filled with zeros, or cut at a block
//   and followed by garbage up to the length written.
// - Creating, renaming, linking and removing names reach the disk once an fsync of their folder
//   has returned. Those not yet covered so reach it in the order they were made, as a prefix of
//   that sequence, but for the last four of them, of which any may be lost and the rest reach it
//   in any order.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tallivant::testing {

struct Call {
    std::string kind; // open write truncate fsync close rename link unlink rmdir mkdir mark ...
    int fd = -1;
    long long number = 0; // open: the flags; write: the offset; truncate: the length
    std::string path, to; // relative to the root ("" is the root); a mark's text in `path`
    std::string data;
};

// The calls in a log, paths made relative to `root`. Throws on a log it cannot read.
std::vector<Call> readCallLog(const std::string& logFile, const std::string& root);

// What the folder holds: relative paths of folders, and of files with their bytes.
struct DiskState {
    std::set<std::string> folders;
    std::map<std::string, std::string> files;
    friend bool operator==(const DiskState&, const DiskState&) = default;
    friend bool operator<(const DiskState& a, const DiskState& b) {
        return a.folders != b.folders ? a.folders < b.folders : a.files < b.files;
    }
};

// Everything under a real folder, read back.
DiskState readDisk(const std::string& root);
// Puts `state` into the empty folder `root`.
void writeDisk(const DiskState& state, const std::string& root);

class CrashStates {
public:
    // The calls made in a folder that held `folders` (and nothing else) before the first.
    // Throws on a call the rules above cannot replay.
    CrashStates(std::vector<Call> calls, std::set<std::string> folders);

    // Which of a state's files took the choices of bytes they have, and which name changes not
    // yet on the disk for sure it holds, in the order they reached it: for a report of a loss.
    using Describe = std::function<std::string()>;
    using Visit = std::function<void(std::size_t done, const DiskState&, const Describe&)>;

    // Calls visit for every state the folder may be in after a cut once `done` calls were made,
    // for every `done` from just after the mark `from` to the end; returns how many states it
    // visited. Where the files' choices of bytes multiply beyond kAllChoices, it visits every
    // file's every choice with the others whole, as synced or as zeros, and counts in `sampled`
    // the cut points where it did.
    std::size_t explore(const std::string& from, const Visit& visit,
                        std::size_t* sampled = nullptr) const;

    // The folder with the first `done` calls on the disk, by default all: what the real folder
    // held then.
    DiskState everything() const { return everything(calls_.size()); }
    DiskState everything(std::size_t done) const;
    // Just after the mark `text`.
    std::size_t afterMark(const std::string& text) const;

    static constexpr std::size_t kBlock = 512;
    static constexpr std::size_t kAnyOrder = 4; // the last name changes that reach it in any order
    static constexpr std::size_t kAllChoices = 1024;

    const std::vector<Call>& calls() const { return calls_; }

private:
    struct DataChange {
        std::size_t at;
        bool truncate;
        long long offset; // or the length
        std::string bytes;
    };
    struct Node {
        bool folder = false;
        std::vector<DataChange> changes;
        std::vector<std::size_t> syncs; // at which calls its fsyncs returned
    };
    struct NameChange {
        std::size_t at;
        std::string kind; // create, mkdir, rename, link, unlink, rmdir
        std::string path, to;
        int node = -1;
    };
    enum class Bytes { Synced, Zeros, All };
    struct Choice {
        std::string what, bytes;
    };
    using Names = std::map<std::string, int>;

    std::string contents(const Node& node, std::size_t done, Bytes which) const;
    // What a file's bytes may be after a cut; the first is all of them.
    std::vector<Choice> choices(const Node& node, std::size_t done) const;
    // False, changing nothing, where the change cannot be made on these names (a rename of a
    // name whose creation has not reached the disk).
    bool apply(const NameChange& change, Names& names) const;
    std::string nameChangeText(std::size_t i) const;

    std::vector<Call> calls_;
    Names initial_;
    std::vector<Node> nodes_;
    std::vector<NameChange> names_;
    // For each name change, the call at which an fsync of its folder returned first.
    std::vector<std::size_t> coveredAt_;
};

} // namespace tallivant::testing
