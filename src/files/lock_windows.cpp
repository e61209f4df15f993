// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/lock.h"

#include <windows.h>

#include "files/windows_text.h"

namespace tallivant {

// The lock is the file opened with no sharing: no other process can open it until this one
// closes it, which Windows does when the process ends, however it ends. Deleting is shared, so
// that the owner can remove the file while it still holds it.
std::optional<FileLock> FileLock::take(const std::string& path, std::string* why, bool* busy) {
    if (busy) *busy = false;
    const HANDLE file =
        ::CreateFileW(wideOf(path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_DELETE,
                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (why) *why = systemErrorText(error);
        // Only another copy's open handle makes the file unshareable; anything else (a
        // read-only folder, a full disk) is a lock that cannot be taken at all.
        if (busy) *busy = error == ERROR_SHARING_VIOLATION;
        return std::nullopt;
    }
    return FileLock(reinterpret_cast<std::intptr_t>(file), path);
}

void FileLock::release() {
    if (handle_ != kNone) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = kNone;
}

void FileLock::removeAndRelease() {
    // Deleting an open file only marks it: it goes when the handle closes, and until then no
    // other copy can open it.
    if (handle_ != kNone) ::DeleteFileW(wideOf(path_).c_str());
    release();
}

} // namespace tallivant
