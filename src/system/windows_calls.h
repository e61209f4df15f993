// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two Windows calls that put a saved file in its place (Windows only).
#pragma once

#include <windows.h>

namespace tallivant {

// disk_windows.cpp replaces and moves files through these pointers and nowhere else. They are
// the system's own calls; a test points them at stand-ins that stop half-way, as a disk or
// another program can make the real ones stop (the old file moved aside, the new one not yet
// in place), and points them back when it is done. Nothing else changes them.
struct WindowsFileCalls {
    decltype(&::ReplaceFileW) replaceFile;
    decltype(&::MoveFileExW) moveFile;
};
extern WindowsFileCalls windowsFileCalls;

} // namespace tallivant
