// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A lock file that tells a running copy of the program from one that has ended: the lock is held
// for as long as its owner runs and the system lets it go when the owner ends, however it ends.
// One implementation per system (lock_posix.cpp: flock; lock_windows.cpp: a file opened for
// this process alone).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace tallivant {

class FileLock {
public:
    // Creates the file at `path` if need be and holds its lock; nothing when another running
    // copy holds it or it cannot be made or locked, and then the reason in *why. *busy tells
    // the two apart: true only when another running copy holds the lock.
    static std::optional<FileLock> take(const std::string& path, std::string* why = nullptr,
                                        bool* busy = nullptr);

    FileLock(FileLock&& other) noexcept
        : handle_(std::exchange(other.handle_, kNone)), path_(std::move(other.path_)) {}
    FileLock& operator=(FileLock&& other) noexcept {
        if (this != &other) {
            release();
            handle_ = std::exchange(other.handle_, kNone);
            path_ = std::move(other.path_);
        }
        return *this;
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    // Lets the lock go; the file stays.
    ~FileLock() { release(); }

    // Removes the lock file and lets the lock go, so that no other copy can take it in between.
    void removeAndRelease();

private:
    static constexpr std::intptr_t kNone = -1;
    FileLock(std::intptr_t handle, std::string path) : handle_(handle), path_(std::move(path)) {}
    void release();

    std::intptr_t handle_; // the system's file descriptor or handle
    std::string path_;
};

} // namespace tallivant
