// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/disk.h"

#include <random>
#include <vector>

#include <windows.h>

#include "files/owned.h"
#include "files/temp_names.h"
#include "files/windows_text.h"

namespace tallivant {
namespace {

struct Windows {
    using Handle = HANDLE;
    static HANDLE none() { return INVALID_HANDLE_VALUE; }
    static bool close(HANDLE h) { return ::CloseHandle(h) != 0; }
};
using Handle = Owned<Windows>;

std::string lastError() {
    return systemErrorText(::GetLastError());
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// What is at a path: nothing, a file on a disk, or something else (a folder, a device such as
// NUL or COM1, a pipe). A link is followed, as the system follows it when the file is opened.
enum class Kind { Missing, Regular, Other };

Kind kindOf(const std::wstring& path) {
    // No access asked for: only what the file is. Backup semantics lets a folder be opened.
    const Handle h(::CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!h.valid()) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Kind::Missing
                                                                              : Kind::Other;
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (::GetFileType(h.get()) != FILE_TYPE_DISK || !::GetFileInformationByHandle(h.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return Kind::Other;
    return Kind::Regular;
}

bool writeAll(HANDLE h, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(h, bytes.data(), chunk, &written, nullptr)) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

std::wstring folderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return L".";
    if (slash == 0 || (slash == 2 && path[1] == L':')) return path.substr(0, slash + 1);
    return path.substr(0, slash);
}

// FILETIME counts 100 ns steps.
long long secondsOf(const FILETIME& t) {
    return static_cast<long long>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) |
                                  t.dwLowDateTime) /
           10'000'000;
}

void removeStaleTemps(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    const std::wstring pattern = folder + L"\\" + wideOf(kTempPrefix) + L"*";
    const HANDLE find = ::FindFirstFileW(pattern.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
            continue;
        if (!isTempName(utf8OfWide(found.cFileName))) continue;
        if (secondsOf(now) - secondsOf(found.ftLastWriteTime) < kStaleTempSeconds) continue;
        ::DeleteFileW((folder + L"\\" + found.cFileName).c_str()); // best effort
    } while (::FindNextFileW(find, &found));
    ::FindClose(find);
}

// A new temporary file in `folder`, opened for writing, and its name.
std::pair<HANDLE, std::wstring> createTemp(const std::wstring& folder) {
    static constexpr char kLetters[] =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name(kTempPrefix);
        for (std::size_t i = 0; i < kTempRandomChars; ++i)
            name += kLetters[pick(random)];
        std::wstring path = folder + L"\\" + wideOf(name);
        const HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS)
            return {h, std::move(path)};
    }
    return {INVALID_HANDLE_VALUE, {}};
}

} // namespace

std::variant<std::string, ReadFailure> readWholeFile(const std::string& path,
                                                     std::size_t maxBytes) {
    const std::wstring name = wideOf(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return ReadFailure{ReadFailure::System, systemErrorText(ERROR_ACCESS_DENIED)};
    const Handle h(::CreateFileW(name.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.valid()) return ReadFailure{ReadFailure::System, lastError()};
    if (::GetFileType(h.get()) != FILE_TYPE_DISK) return ReadFailure{ReadFailure::NotRegular, {}};
    const ReadFailure tooLarge{ReadFailure::TooLarge, {}};
    LARGE_INTEGER size;
    if (::GetFileSizeEx(h.get(), &size) && static_cast<ULONGLONG>(size.QuadPart) > maxBytes)
        return tooLarge;

    // Read to the end rather than trusting the size: the file may grow meanwhile.
    std::string data;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(h.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &n, nullptr))
            return ReadFailure{ReadFailure::System, lastError()};
        if (n == 0) break;
        data.append(buffer.data(), n);
        if (data.size() > maxBytes) return tooLarge;
    }
    return data;
}

std::optional<std::string> writeFileSafely(const std::string& path, std::string_view bytes) {
    if (path.empty()) return systemErrorText(ERROR_PATH_NOT_FOUND);
    const std::wstring target = wideOf(path);
    // Replacing a folder or a device with a plain file is refused, as elsewhere.
    const Kind kind = kindOf(target);
    if (kind == Kind::Other) return std::string(kNotARegularFile);
    DWORD kept = 0; // the replaced file's attributes that the new one takes over
    if (kind == Kind::Regular) {
        const DWORD attributes = ::GetFileAttributesW(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            return systemErrorText(ERROR_ACCESS_DENIED);
        if (attributes != INVALID_FILE_ATTRIBUTES)
            kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                 FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    }

    const std::wstring folder = folderOf(target);
    removeStaleTemps(folder);
    auto [h, temp] = createTemp(folder);
    Handle file(h);
    if (!file.valid()) return lastError();
    auto fail = [&](const std::string& why) -> std::optional<std::string> {
        if (file.valid()) file.close();
        ::DeleteFileW(temp.c_str());
        return why;
    };
    if (!writeAll(file.get(), bytes)) return fail(lastError());
    if (!::FlushFileBuffers(file.get())) return fail(lastError());
    if (!file.close()) return fail(lastError());
    // Given before the move, so that the fallback keeps them too (and Wine's ReplaceFileW,
    // which does not carry them over).
    if (kept) ::SetFileAttributesW(temp.c_str(), kept);

    // Something else may have appeared at the name while the bytes were written.
    const Kind now = kindOf(target);
    if (now == Kind::Other) return fail(std::string(kNotARegularFile));
    // ReplaceFileW keeps the replaced file's permissions; where it cannot (some network or FAT
    // drives), a move over it does the same all-or-nothing step without them.
    if (now == Kind::Regular && ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr,
                                               REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return std::nullopt;
    if (!::MoveFileExW(temp.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail(lastError());
    return std::nullopt;
}

std::optional<std::string> writeNewFile(const std::string& path, std::string_view bytes) {
    const std::wstring name = wideOf(path);
    Handle file(::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                              nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return lastError();
    const bool written = writeAll(file.get(), bytes);
    const std::string why = written ? std::string() : lastError();
    if (!file.close() || !written) {
        const std::string reason = written ? lastError() : why;
        ::DeleteFileW(name.c_str());
        return reason;
    }
    return std::nullopt;
}

std::optional<std::string> syncToDisk(const std::string& path, const std::string&) {
    if (path.empty()) return std::nullopt;
    const Handle file(::CreateFileW(wideOf(path).c_str(), GENERIC_WRITE, kShareAll, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return lastError();
    if (!::FlushFileBuffers(file.get())) return lastError();
    return std::nullopt;
}

} // namespace tallivant
