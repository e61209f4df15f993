// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The states a folder may be found in after a power cut, from the log of the file system calls
// made in it (interpose.c). The rules are those POSIX promises and no more:
// - A file's bytes are on the disk up to its last fsync; bytes written after it may be lost, cut
//   short, or present only as a length filled with zeros.
// - Creating, renaming, linking and removing names reach the disk in the order they were made,
//   as a prefix of that sequence; the prefix runs at least through every change to a folder
//   that an fsync of that folder has since covered.
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

    // Calls visit(done, state) for every state the folder may be in after a cut once `done`
    // calls were made, for every `done` from just after the mark `from` to the end; returns how
    // many states it visited.
    std::size_t explore(const std::string& from,
                        const std::function<void(std::size_t done, const DiskState&)>& visit) const;

    // The folder with every call on the disk: what the real folder holds after the calls.
    DiskState everything() const;

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
    // A folder's fsync: the first `names` name changes are on the disk once it returned.
    struct FolderSync {
        std::size_t at;
        std::size_t names;
    };
    enum class Bytes { Synced, Cut, Zeros, All };

    std::string contents(const Node& node, std::size_t done, Bytes which) const;
    static void apply(const NameChange& change, std::map<std::string, int>& names);

    std::vector<Call> calls_;
    std::map<std::string, int> initial_;
    std::vector<Node> nodes_;
    std::vector<NameChange> names_;
    std::vector<FolderSync> folderSyncs_;
};

} // namespace tallivant::testing
