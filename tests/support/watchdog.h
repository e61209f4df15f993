// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A limit on a step that waits for something outside the test (a dialog, a process, a server):
// past it, the test says what it was waiting for and ends at once, so a hang costs seconds, not
// ctest's limit, and names the step that stalled. Each test is given one for the whole test too.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace tallivant::testing {

class Watchdog {
public:
    // `onTimeout` runs on the watchdog's own thread just before the process ends (to kill a
    // child that would outlive it, say); it must not touch what the test's thread is using.
    Watchdog(std::string waitingFor, std::chrono::milliseconds limit,
             std::function<void()> onTimeout = {})
        : what_(std::move(waitingFor)), onTimeout_(std::move(onTimeout)) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        if (test) where_ = std::string(test->test_suite_name()) + "." + test->name() + ": ";
        thread_ = std::thread([this, limit] {
            std::unique_lock lock(mutex_);
            if (cancelled_.wait_for(lock, limit, [this] { return done_; })) return;
            std::fprintf(stderr, "\n%sgave up after %.1f s waiting for %s\n", where_.c_str(),
                         std::chrono::duration<double>(limit).count(), what_.c_str());
            std::fflush(stderr);
            if (onTimeout_) onTimeout_();
            std::_Exit(124);
        });
    }
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        cancelled_.notify_one();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::string what_, where_;
    std::function<void()> onTimeout_;
    std::mutex mutex_;
    std::condition_variable cancelled_;
    bool done_ = false;
    std::thread thread_;
};

// Gives every test of the program `limit` to finish, beside the limits of its own steps.
class WholeTestLimit : public ::testing::EmptyTestEventListener {
public:
    explicit WholeTestLimit(std::chrono::seconds limit) : limit_(limit) {}
    void OnTestStart(const ::testing::TestInfo&) override {
        dog_ = std::make_unique<Watchdog>("the test to finish", limit_);
    }
    void OnTestEnd(const ::testing::TestInfo&) override { dog_.reset(); }

private:
    std::chrono::seconds limit_;
    std::unique_ptr<Watchdog> dog_;
};

inline void limitEachTest(std::chrono::seconds limit) {
    ::testing::UnitTest::GetInstance()->listeners().Append(new WholeTestLimit(limit));
}

} // namespace tallivant::testing
