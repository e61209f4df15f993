// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/lock.h"

#include <windows.h>

#include "system/windows_text.h"

namespace tallivant {
namespace {

// The status behind the last error of this thread: ERROR_ACCESS_DENIED stands for several.
// (ntdll has it; the import libraries do not all declare it.)
long lastNtStatus() {
    using Call = long(WINAPI*)();
    static const Call call = [] {
        const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
        const FARPROC found = ntdll ? ::GetProcAddress(ntdll, "RtlGetLastNtStatus") : nullptr;
        return reinterpret_cast<Call>(reinterpret_cast<void*>(found));
    }();
    return call ? call() : 0;
}

constexpr long kStatusDeletePending = static_cast<long>(0xC0000056);

} // namespace

// The lock is the file opened with no sharing: no other process can open it until this one
// closes it, which Windows does when the process ends, however it ends. Deleting is shared, so
// that the owner can remove the file while it still holds it. Reading is all it asks for, so
// that a lock file left read-only is still a lock.
std::optional<FileLock> FileLock::take(const std::string& path, std::string* why, bool* busy) {
    if (busy) *busy = false;
    const HANDLE file = ::CreateFileW(wideOf(path).c_str(), GENERIC_READ, FILE_SHARE_DELETE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        // Only a running copy's open handle makes the file unshareable, or pending deletion
        // while that copy removes it on its way out; anything else (a missing folder, a full
        // disk) is a lock that cannot be taken at all.
        const bool held = error == ERROR_SHARING_VIOLATION ||
                          (error == ERROR_ACCESS_DENIED && lastNtStatus() == kStatusDeletePending);
        if (busy) *busy = held;
        if (why) *why = systemErrorText(error);
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
