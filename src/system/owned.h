// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// An open file of the system's, closed when it goes out of scope: a file descriptor on POSIX,
// a HANDLE on Windows. `System` says what an unopened one is and how one is closed.
#pragma once

namespace tallivant {

template <typename System> class Owned {
public:
    using Handle = typename System::Handle;
    explicit Owned(Handle h) : h_(h) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() {
        if (valid()) System::close(h_);
    }
    bool valid() const { return h_ != System::none(); }
    Handle get() const { return h_; }
    // Closes now, so that a failing close (a late write error) can be reported: false then.
    bool close() {
        const bool closed = System::close(h_);
        h_ = System::none();
        return closed;
    }

private:
    Handle h_;
};

} // namespace tallivant
