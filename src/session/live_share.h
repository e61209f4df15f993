// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the live page of a game current: game.json and index.html in a folder the scorer chose,
// for any web server to publish. After each change the session hands over a copy of the game;
// a thread of its own writes only the newest copy it holds, each file replaced whole by rename
// (publishFile), so that a slow or stalled network folder never holds up the sheet. What goes
// wrong is said in the strip, never in a box.
//
//   GameSession ──update(copy)──> LiveShare ──newest copy──> writer thread ──> game.json,
//                                     ^                                       index.html
//                                     └── state(): sharing, failing, behind (polled)
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "formats/game_json.h"
#include "store/recovery.h"

namespace tallivant {

// The live page's two files, in the folder shared.
inline constexpr const char* kLiveJson = "game.json";
inline constexpr const char* kLivePage = "index.html";

// game.json for a game now, as the command line's --json and --html write it.
std::string liveJson(const GameSnapshot& game, PageNames names);
// Now, as "2026-12-09T20:14:05+01:00".
std::string updatedNow();

class LiveShare : public QObject {
    Q_OBJECT
public:
    explicit LiveShare(QObject* parent = nullptr);
    ~LiveShare() override;
    LiveShare(const LiveShare&) = delete;
    LiveShare& operator=(const LiveShare&) = delete;

    // Shares to the folder from the next update on, or says why it cannot: a folder that does
    // not exist, or a game file where the page's files would go.
    std::optional<std::string> start(const Sharing& sharing);
    // No change is handed over from now on; one handed over before is still written.
    void stop();
    const Sharing& sharing() const { return sharing_; }
    bool on() const { return !sharing_.folder.empty(); }

    // The game as it is now: written as soon as the writer is free, unless a newer copy comes
    // first. Nothing while not sharing.
    void update(GameSnapshot game);

    // What the strip says of it: "Sharing live to <folder>", "Live page failing: <why>", "Live
    // page behind: <folder> has not taken a file for 10 s"; empty while not sharing.
    std::string state() const;
    // A failure that has not been said yet, said once: "Live page not written: <why>".
    std::optional<std::string> takeNews();
    // Waits until every copy handed over is written or has failed (tests, benchmarks).
    bool waitWritten(std::chrono::milliseconds limit);

    // What the window and the writer thread share.
    struct Shared;

    // A write that takes longer than this is "behind".
    static constexpr std::chrono::seconds kBehind{5};

signals:
    // state() changed, or there is news to take.
    void stateChanged();

private:
    void look();

    Sharing sharing_;
    std::shared_ptr<Shared> shared_;
    std::thread writer_;
    QTimer look_;
    std::string shownState_;
    std::optional<std::string> news_;
    // The failure last said, so that it is said once.
    std::optional<std::string> said_;
};

} // namespace tallivant
