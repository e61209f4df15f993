// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crash_states.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>

#include "support/scratch_folder.h"

namespace fs = std::filesystem;

namespace tallivant::testing {

std::vector<Call> readCallLog(const std::string& logFile, const std::string& root) {
    std::ifstream in(utf8Path(logFile), std::ios::binary);
    if (!in) throw std::runtime_error("no call log " + logFile);
    const std::string log{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto relative = [&](const std::string& path) {
        if (path == root) return std::string();
        if (path.starts_with(root + "/")) return path.substr(root.size() + 1);
        throw std::runtime_error("a call outside the root: " + path);
    };
    std::vector<Call> calls;
    std::size_t at = 0;
    while (at < log.size()) {
        const std::size_t end = log.find('\n', at);
        if (end == std::string::npos) throw std::runtime_error("a call log cut short");
        std::istringstream head(log.substr(at, end - at));
        Call call;
        std::size_t a = 0, b = 0, data = 0;
        if (!(head >> call.kind >> call.fd >> call.number >> a >> b >> data) ||
            end + 1 + a + b + data > log.size())
            throw std::runtime_error("an unreadable call: " + log.substr(at, end - at));
        at = end + 1;
        call.path = log.substr(at, a);
        call.to = log.substr(at + a, b);
        call.data = log.substr(at + a + b, data);
        at += a + b + data;
        if (call.kind != "mark" && call.kind != "unsupported") {
            if (!call.path.empty()) call.path = relative(call.path);
            if (!call.to.empty()) call.to = relative(call.to);
        }
        calls.push_back(std::move(call));
    }
    return calls;
}

DiskState readDisk(const std::string& root) {
    DiskState state;
    const fs::path base = utf8Path(root);
    for (const auto& entry : fs::recursive_directory_iterator(base)) {
        const std::string name = utf8(entry.path().lexically_relative(base));
        if (entry.is_directory())
            state.folders.insert(name);
        else
            state.files[name] = readBytes(entry.path());
    }
    return state;
}

void writeDisk(const DiskState& state, const std::string& root) {
    const fs::path base = utf8Path(root);
    for (const std::string& folder : state.folders)
        fs::create_directories(base / utf8Path(folder));
    for (const auto& [name, bytes] : state.files)
        writeBytes(base / utf8Path(name), bytes);
}

namespace {

std::string parentOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace

CrashStates::CrashStates(std::vector<Call> calls, std::set<std::string> folders)
    : calls_(std::move(calls)) {
    auto newNode = [&](bool folder) {
        nodes_.push_back(Node{folder, {}, {}});
        return static_cast<int>(nodes_.size() - 1);
    };
    initial_[""] = newNode(true);
    for (const std::string& folder : folders)
        initial_[folder] = newNode(true);

    std::map<std::string, int> names = initial_;
    struct Open {
        int node;
        std::string path;
    };
    std::map<int, Open> open;
    auto nodeAt = [&](const std::string& path) {
        const auto it = names.find(path);
        if (it == names.end()) throw std::runtime_error("a call on a name never made: " + path);
        return it->second;
    };
    auto openAs = [&](const Call& call) -> const Open& {
        const auto it = open.find(call.fd);
        if (it == open.end())
            throw std::runtime_error(call.kind + " on a descriptor never opened: " + call.path);
        return it->second;
    };
    auto changeName = [&](std::size_t at, const std::string& kind, const Call& call, int node) {
        names_.push_back(NameChange{at, kind, call.path, call.to, node});
        apply(names_.back(), names);
    };

    for (std::size_t at = 0; at < calls_.size(); ++at) {
        const Call& call = calls_[at];
        const std::string& kind = call.kind;
        if (kind == "open") {
            int node;
            const auto it = names.find(call.path);
            if (it != names.end()) {
                node = it->second;
                if (call.number & O_TRUNC) nodes_[node].changes.push_back({at, true, 0, {}});
            } else if (call.number & O_CREAT) {
                node = newNode(false);
                changeName(at, "create", call, node);
            } else {
                throw std::runtime_error("opened a file never made: " + call.path);
            }
            open[call.fd] = Open{node, call.path};
        } else if (kind == "write") {
            nodes_[openAs(call).node].changes.push_back({at, false, call.number, call.data});
        } else if (kind == "truncate") {
            const int node = call.fd >= 0 ? openAs(call).node : nodeAt(call.path);
            nodes_[node].changes.push_back({at, true, call.number, {}});
        } else if (kind == "fsync") {
            const Open& file = openAs(call);
            nodes_[file.node].syncs.push_back(at);
            if (!nodes_[file.node].folder) continue;
            // Every name change made in this folder so far is on the disk, and by the rule of
            // order so is every one before it.
            std::size_t covered = 0;
            for (std::size_t i = 0; i < names_.size(); ++i)
                if (parentOf(names_[i].path) == file.path ||
                    (!names_[i].to.empty() && parentOf(names_[i].to) == file.path))
                    covered = i + 1;
            folderSyncs_.push_back(FolderSync{at, covered});
        } else if (kind == "close") {
            open.erase(call.fd);
        } else if (kind == "rename" || kind == "link") {
            const int node = nodeAt(call.path);
            if (nodes_[node].folder) throw std::runtime_error(kind + " of a folder: " + call.path);
            changeName(at, kind, call, node);
        } else if (kind == "unlink" || kind == "rmdir") {
            changeName(at, kind, call, nodeAt(call.path));
        } else if (kind == "mkdir") {
            changeName(at, kind, call, newNode(true));
        } else if (kind != "mark") {
            throw std::runtime_error("a call that cannot be replayed: " + kind + " " + call.path +
                                     " " + call.to);
        }
    }
}

void CrashStates::apply(const NameChange& change, std::map<std::string, int>& names) {
    if (change.kind == "create" || change.kind == "mkdir") {
        names[change.path] = change.node;
    } else if (change.kind == "link") {
        names[change.to] = change.node;
    } else if (change.kind == "rename") {
        if (change.path == change.to) return;
        names.erase(change.path);
        names[change.to] = change.node;
    } else {
        names.erase(change.path);
    }
}

std::string CrashStates::contents(const Node& node, std::size_t done, Bytes which) const {
    std::size_t synced = 0; // changes before this call are on the disk
    for (const std::size_t at : node.syncs)
        if (at < done) synced = at;
    long long budget = 0;
    for (const DataChange& c : node.changes)
        if (c.at >= synced && c.at < done) budget += static_cast<long long>(c.bytes.size());
    budget /= 2;

    std::string bytes;
    for (const DataChange& c : node.changes) {
        if (c.at >= done) break;
        const bool unsynced = c.at >= synced;
        if (unsynced && which == Bytes::Synced) break;
        std::string data = c.bytes;
        if (unsynced && which == Bytes::Zeros) data.assign(data.size(), '\0');
        if (unsynced && which == Bytes::Cut) {
            if (budget <= 0) break;
            data.resize(std::min<std::size_t>(data.size(), static_cast<std::size_t>(budget)));
            budget -= static_cast<long long>(data.size());
        }
        const auto offset = static_cast<std::size_t>(c.offset);
        if (c.truncate) {
            bytes.resize(offset);
        } else {
            if (bytes.size() < offset + data.size()) bytes.resize(offset + data.size());
            bytes.replace(offset, data.size(), data);
        }
    }
    return bytes;
}

std::size_t
CrashStates::explore(const std::string& from,
                     const std::function<void(std::size_t done, const DiskState&)>& visit) const {
    std::size_t start = calls_.size() + 1;
    for (std::size_t at = 0; at < calls_.size(); ++at)
        if (calls_[at].kind == "mark" && calls_[at].path == from) start = at + 1;
    if (start > calls_.size()) throw std::runtime_error("no mark " + from + " in the calls");

    std::size_t visited = 0;
    for (std::size_t done = start; done <= calls_.size(); ++done) {
        std::size_t made = 0, least = 0;
        while (made < names_.size() && names_[made].at < done)
            ++made;
        for (const FolderSync& sync : folderSyncs_)
            if (sync.at < done) least = std::max(least, sync.names);

        std::map<std::string, int> names = initial_;
        for (std::size_t i = 0; i < least; ++i)
            apply(names_[i], names);
        for (std::size_t kept = least; kept <= made; ++kept) {
            if (kept > least) apply(names_[kept - 1], names);
            // The files whose bytes are not all on the disk, each with one choice of what is,
            // whatever names it goes by.
            DiskState sure;
            std::map<int, std::vector<std::string>> unsure;
            for (const auto& [path, node] : names) {
                if (nodes_[node].folder) {
                    if (!path.empty()) sure.folders.insert(path);
                    continue;
                }
                const std::string synced = contents(nodes_[node], done, Bytes::Synced);
                bool same = true;
                for (const Bytes which : {Bytes::Cut, Bytes::Zeros, Bytes::All})
                    same = same && contents(nodes_[node], done, which) == synced;
                if (same)
                    sure.files[path] = synced;
                else
                    unsure[node].push_back(path);
            }
            std::size_t choices = 1;
            for (std::size_t i = 0; i < unsure.size(); ++i)
                choices *= 4;
            for (std::size_t choice = 0; choice < choices; ++choice) {
                DiskState state = sure;
                std::size_t rest = choice;
                for (const auto& [node, paths] : unsure) {
                    const std::string bytes = contents(nodes_[node], done, Bytes(rest % 4));
                    rest /= 4;
                    for (const std::string& path : paths)
                        state.files[path] = bytes;
                }
                visit(done, state);
                ++visited;
            }
        }
    }
    return visited;
}

DiskState CrashStates::everything() const {
    std::map<std::string, int> names = initial_;
    for (const NameChange& change : names_)
        apply(change, names);
    DiskState state;
    for (const auto& [path, node] : names) {
        if (!nodes_[node].folder)
            state.files[path] = contents(nodes_[node], calls_.size(), Bytes::All);
        else if (!path.empty())
            state.folders.insert(path);
    }
    return state;
}

} // namespace tallivant::testing
