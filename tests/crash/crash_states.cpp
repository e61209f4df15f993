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

constexpr std::size_t kNever = static_cast<std::size_t>(-1);

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

    Names names = initial_;
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
        coveredAt_.push_back(kNever);
        if (!apply(names_.back(), names))
            throw std::runtime_error("a name change that cannot be replayed: " + kind + " " +
                                     call.path + " " + call.to);
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
            // The name changes made in this folder so far are on the disk; those elsewhere are
            // not, whatever their order.
            for (std::size_t i = 0; i < names_.size(); ++i)
                if (coveredAt_[i] == kNever &&
                    (parentOf(names_[i].path) == file.path ||
                     (!names_[i].to.empty() && parentOf(names_[i].to) == file.path)))
                    coveredAt_[i] = at;
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

bool CrashStates::apply(const NameChange& change, Names& names) const {
    const auto isFolder = [&](const std::string& path) {
        const auto it = names.find(path);
        return it != names.end() && nodes_[it->second].folder;
    };
    const auto is = [&](const std::string& path, int node) {
        const auto it = names.find(path);
        return it != names.end() && it->second == node;
    };
    const auto free = [&](const std::string& path) {
        return !names.contains(path) && isFolder(parentOf(path));
    };
    if (change.kind == "create" || change.kind == "mkdir") {
        if (!free(change.path)) return false;
        names[change.path] = change.node;
    } else if (change.kind == "link") {
        if (!is(change.path, change.node) || !free(change.to)) return false;
        names[change.to] = change.node;
    } else if (change.kind == "rename") {
        if (!is(change.path, change.node) || !isFolder(parentOf(change.to))) return false;
        if (change.path == change.to) return true;
        names.erase(change.path);
        names[change.to] = change.node;
    } else {
        if (!is(change.path, change.node)) return false;
        if (change.kind == "rmdir") {
            const auto next = names.upper_bound(change.path + "/");
            if (next != names.end() && next->first.starts_with(change.path + "/")) return false;
        }
        names.erase(change.path);
    }
    return true;
}

std::string CrashStates::nameChangeText(std::size_t i) const {
    const NameChange& c = names_[i];
    return c.kind + " " + c.path + (c.to.empty() ? "" : " to " + c.to) + " (call " +
           std::to_string(c.at + 1) + ")";
}

std::string CrashStates::contents(const Node& node, std::size_t done, Bytes which) const {
    std::size_t synced = 0; // changes before this call are on the disk
    for (const std::size_t at : node.syncs)
        if (at < done) synced = at;
    std::string bytes;
    for (const DataChange& c : node.changes) {
        if (c.at >= done) break;
        const bool unsynced = c.at >= synced;
        if (unsynced && which == Bytes::Synced) break;
        std::string data = c.bytes;
        if (unsynced && which == Bytes::Zeros) data.assign(data.size(), '\0');
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

std::vector<CrashStates::Choice> CrashStates::choices(const Node& node, std::size_t done) const {
    const std::string all = contents(node, done, Bytes::All);
    std::vector<Choice> out{{"all", all}};
    std::set<std::string> had{all};
    const auto add = [&](std::string what, std::string bytes) {
        if (had.insert(bytes).second) out.push_back({std::move(what), std::move(bytes)});
    };
    add("as synced", contents(node, done, Bytes::Synced));
    add("zeros after what was synced", contents(node, done, Bytes::Zeros));
    if (out.size() == 1) return out;

    // Where the bytes not synced begin: no block before it changed.
    std::size_t synced = 0;
    for (const std::size_t at : node.syncs)
        if (at < done) synced = at;
    std::size_t from = all.size();
    for (const DataChange& c : node.changes)
        if (c.at >= synced && c.at < done)
            from = std::min(from, static_cast<std::size_t>(c.offset));
    // Text-like garbage: quotes and commas that a reader of records may take for values.
    static constexpr std::string_view kGarbage = "\",\"9\xA5";
    for (std::size_t cut = (from + kBlock - 1) / kBlock * kBlock; cut < all.size(); cut += kBlock) {
        const std::string kept = all.substr(0, cut);
        add("cut at " + std::to_string(cut) + " of " + std::to_string(all.size()), kept);
        std::string garbage = kept;
        for (std::size_t i = cut; i < all.size(); ++i)
            garbage += kGarbage[i % kGarbage.size()];
        add("garbage after " + std::to_string(cut) + " of " + std::to_string(all.size()),
            std::move(garbage));
    }
    return out;
}

std::size_t CrashStates::afterMark(const std::string& text) const {
    for (std::size_t at = 0; at < calls_.size(); ++at)
        if (calls_[at].kind == "mark" && calls_[at].path == text) return at + 1;
    throw std::runtime_error("no mark " + text + " in the calls");
}

std::size_t CrashStates::explore(const std::string& from, const Visit& visit,
                                 std::size_t* sampled) const {
    std::size_t visited = 0;
    if (sampled) *sampled = 0;
    for (std::size_t done = afterMark(from); done <= calls_.size(); ++done) {
        // The name changes on the disk for sure, and the others in the order they were made.
        std::vector<std::size_t> synced, open;
        for (std::size_t i = 0; i < names_.size() && names_[i].at < done; ++i)
            (coveredAt_[i] < done ? synced : open).push_back(i);
        const std::size_t ordered = open.size() - std::min(open.size(), kAnyOrder);

        // Every set of name changes that may have reached the disk, each in an order it may
        // have reached it in; the same names reached in two ways are visited once.
        std::map<Names, std::vector<std::size_t>> nameStates;
        const auto tryOrder = [&](std::vector<std::size_t> changes,
                                  const std::vector<std::size_t>& last) {
            std::sort(changes.begin(), changes.end());
            changes.insert(changes.end(), last.begin(), last.end());
            Names names = initial_;
            // A change that needs one after it (a rename into a folder made later) waits for it.
            std::vector<std::size_t> applied, waiting;
            for (const std::size_t i : changes) {
                if (!apply(names_[i], names)) {
                    waiting.push_back(i);
                    continue;
                }
                applied.push_back(i);
                for (bool progress = true; progress;) {
                    progress = false;
                    for (auto w = waiting.begin(); w != waiting.end(); ++w)
                        if (apply(names_[*w], names)) {
                            applied.push_back(*w);
                            waiting.erase(w);
                            progress = true;
                            break;
                        }
                }
            }
            if (waiting.empty()) nameStates.emplace(std::move(names), std::move(applied));
        };
        for (std::size_t kept = 0; kept < ordered; ++kept) {
            std::vector<std::size_t> changes = synced;
            changes.insert(changes.end(), open.begin(), open.begin() + kept);
            tryOrder(changes, {});
        }
        std::vector<std::size_t> changes = synced;
        changes.insert(changes.end(), open.begin(), open.begin() + ordered);
        const std::vector<std::size_t> tail(open.begin() + ordered, open.end());
        // Each subset of the tail (a mask) in each of its orders.
        for (unsigned mask = 0; mask < (1u << tail.size()); ++mask) {
            std::vector<std::size_t> subset;
            for (std::size_t b = 0; b < tail.size(); ++b)
                if (mask & (1u << b)) subset.push_back(tail[b]);
            do {
                tryOrder(changes, subset);
            } while (std::next_permutation(subset.begin(), subset.end()));
        }

        for (const auto& [names, applied] : nameStates) {
            // The files whose bytes are not all on the disk, each with its choices of what is,
            // whatever names it goes by.
            DiskState sure;
            std::map<int, std::vector<std::string>> paths;
            std::vector<std::pair<int, std::vector<Choice>>> unsure;
            for (const auto& [path, node] : names) {
                if (nodes_[node].folder) {
                    if (!path.empty()) sure.folders.insert(path);
                } else {
                    paths[node].push_back(path);
                }
            }
            std::size_t all = 1;
            for (const auto& [node, named] : paths) {
                std::vector<Choice> choice = choices(nodes_[node], done);
                if (choice.size() == 1) {
                    for (const std::string& path : named)
                        sure.files[path] = choice[0].bytes;
                } else {
                    all = all > kAllChoices ? all : all * choice.size();
                    unsure.emplace_back(node, std::move(choice));
                }
            }
            // Which choice each unsure file takes, in every combination or, where they are too
            // many, each file's every choice with the others all whole, all as synced or all
            // zeros (the first three choices, where a file has them).
            std::set<std::vector<std::size_t>> picks;
            if (all <= kAllChoices) {
                std::vector<std::size_t> pick(unsure.size(), 0);
                for (std::size_t n = 0; n < all; ++n) {
                    std::size_t rest = n;
                    for (std::size_t u = 0; u < unsure.size(); ++u) {
                        pick[u] = rest % unsure[u].second.size();
                        rest /= unsure[u].second.size();
                    }
                    picks.insert(pick);
                }
            } else {
                if (sampled) ++*sampled;
                for (std::size_t u = 0; u < unsure.size(); ++u)
                    for (std::size_t c = 0; c < unsure[u].second.size(); ++c)
                        for (std::size_t others = 0; others < 3; ++others) {
                            std::vector<std::size_t> pick;
                            for (const auto& [node, choice] : unsure)
                                pick.push_back(std::min(others, choice.size() - 1));
                            pick[u] = c;
                            picks.insert(pick);
                        }
            }
            for (const std::vector<std::size_t>& pick : picks) {
                DiskState state = sure;
                for (std::size_t u = 0; u < unsure.size(); ++u)
                    for (const std::string& path : paths[unsure[u].first])
                        state.files[path] = unsure[u].second[pick[u]].bytes;
                const Describe describe = [&, &applied = applied] {
                    std::string text = "of the name changes not yet synced (";
                    for (const std::size_t i : open)
                        text += (i == open.front() ? "" : "; ") + nameChangeText(i);
                    text += "), these reached the disk in this order: ";
                    bool any = false;
                    for (const std::size_t i : applied)
                        if (coveredAt_[i] >= done) {
                            text += (any ? "; " : "") + nameChangeText(i);
                            any = true;
                        }
                    if (!any) text += "none";
                    for (std::size_t u = 0; u < unsure.size(); ++u)
                        for (const std::string& path : paths[unsure[u].first])
                            text += "; " + path + ": " + unsure[u].second[pick[u]].what;
                    return text;
                };
                visit(done, state, describe);
                ++visited;
            }
        }
    }
    return visited;
}

DiskState CrashStates::everything(std::size_t done) const {
    Names names = initial_;
    for (const NameChange& change : names_)
        if (change.at < done) apply(change, names);
    DiskState state;
    for (const auto& [path, node] : names) {
        if (!nodes_[node].folder)
            state.files[path] = contents(nodes_[node], done, Bytes::All);
        else if (!path.empty())
            state.folders.insert(path);
    }
    return state;
}

} // namespace tallivant::testing
