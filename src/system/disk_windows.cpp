// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/disk.h"

#include <algorithm>
#include <random>
#include <vector>

#include <windows.h>

#include "system/owned.h"
#include "system/temp_names.h"
#include "system/windows_calls.h"
#include "system/windows_text.h"

namespace tallivant {

WindowsFileCalls windowsFileCalls{&::ReplaceFileW, &::MoveFileExW};

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
constexpr DWORD kMoveOver = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;

// Which file a name leads to: its volume and its number there, which a rename keeps. It tells
// where the old file and the new one are after a replace that stopped half-way.
struct FileId {
    DWORD volume = 0;
    DWORD high = 0;
    DWORD low = 0;
    friend bool operator==(const FileId&, const FileId&) = default;
};

FileId idOf(const BY_HANDLE_FILE_INFORMATION& info) {
    return {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

// NUL, CON, COM1 and the like name a device in every folder, and the full name says so
// ("\\.\CON"), even where the device cannot be opened (CON without a console).
bool namesADevice(const std::wstring& path) {
    const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return false;
    std::wstring full(size, L'\0');
    const DWORD length = ::GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return false;
    full.resize(length);
    return full.starts_with(L"\\\\.\\");
}

// What is at a path: nothing, a file on a disk, something else (a folder, a device, a pipe),
// or a name the system will not open (access denied, an invalid name), with its reason. A link
// is followed, as the system follows it when the file is opened.
enum class Kind { Missing, Regular, Other, Refused };
struct Found {
    Kind kind;
    DWORD error = 0; // why, when Refused
    FileId id{};     // which file, when Regular
};

Found look(const std::wstring& path) {
    // No access asked for: only what the file is. Backup semantics lets a folder be opened.
    const Handle h(::CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!h.valid()) {
        const DWORD error = ::GetLastError();
        if (namesADevice(path)) return {Kind::Other};
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {Kind::Missing};
        return {Kind::Refused, error};
    }
    if (::GetFileType(h.get()) != FILE_TYPE_DISK) return {Kind::Other};
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(h.get(), &info)) return {Kind::Refused, ::GetLastError()};
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return {Kind::Other};
    return {Kind::Regular, 0, idOf(info)};
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

// A temporary file's name in `folder`, chosen at random.
std::wstring randomTempName(const std::wstring& folder) {
    static constexpr char kLetters[] =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name(kTempPrefix);
    for (std::size_t i = 0; i < kTempRandomChars; ++i)
        name += kLetters[pick(random)];
    return folder + L"\\" + wideOf(name);
}

// A new temporary file in `folder`, opened for writing, and its name.
std::pair<HANDLE, std::wstring> createTemp(const std::wstring& folder) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring path = randomTempName(folder);
        const HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS)
            return {h, std::move(path)};
    }
    return {INVALID_HANDLE_VALUE, {}};
}

// A temporary file's name in `folder` that nothing has, for the replaced file to move to. It is
// not made here (the replace call moves the old file there): a save killed in between leaves a
// temporary file like any other, removed once it is stale.
std::wstring unusedTempName(const std::wstring& folder) {
    std::wstring path;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = randomTempName(folder);
        if (look(path).kind == Kind::Missing) break;
    }
    return path;
}

// Puts the written file `temp` (the file `fresh`) at `target`, where the regular file `old` is.
// ReplaceFileW keeps the replaced file's permissions; it moves the old file to a backup name
// first, so that when it stops half-way (ERROR_UNABLE_TO_MOVE_REPLACEMENT, _2) the old file is
// still there to be put back. Where it cannot replace at all (ERROR_UNABLE_TO_REMOVE_REPLACED,
// some network or FAT drives) a move over the old file does the same all-or-nothing step
// without the permissions. Which of these happened is read from where the two files are, not
// from the code alone, and neither is removed before the other is verifiably at `target`.
std::optional<std::string> putInPlace(const std::wstring& target, const std::wstring& temp,
                                      const FileId& old, const FileId& fresh) {
    const std::wstring backup = unusedTempName(folderOf(target));
    if (windowsFileCalls.replaceFile(target.c_str(), temp.c_str(), backup.c_str(),
                                     REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        ::DeleteFileW(backup.c_str());
        return std::nullopt;
    }
    const DWORD replaceError = ::GetLastError();
    const Found at = look(target);
    const bool isOld = at.kind == Kind::Regular && at.id == old;
    if (at.kind == Kind::Regular && at.id == fresh) { // the new file went in place after all
        ::DeleteFileW(backup.c_str());
        return std::nullopt;
    }
    if (isOld) {
        // Nothing was moved: the old file is in place, and anything at the backup name is at
        // most a copy of it.
        if (windowsFileCalls.moveFile(temp.c_str(), target.c_str(), kMoveOver)) {
            ::DeleteFileW(backup.c_str());
            return std::nullopt;
        }
        const std::string why = lastError();
        ::DeleteFileW(temp.c_str());
        ::DeleteFileW(backup.c_str());
        return why;
    }
    if (at.kind != Kind::Missing) {
        // The name holds another file now, or one that cannot be looked at: it is left alone,
        // and so are the old file and the new one, wherever they are.
        return systemErrorText(replaceError);
    }
    // The old file was moved away and the new one is still at its temporary name: the new one
    // goes in place, or else the old one goes back. Each stays where it is until then. Only the
    // replace call can have put a file at the backup name, and only the old one (its number
    // is no proof: FAT numbers a file by its place in the folder, which a rename changes).
    if (windowsFileCalls.moveFile(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(backup.c_str());
        return std::nullopt;
    }
    const std::string why = lastError();
    if (look(backup).kind == Kind::Regular &&
        windowsFileCalls.moveFile(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
        ::DeleteFileW(temp.c_str());
    return why;
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

std::optional<std::string> writeFileSafely(const std::string& path, std::string_view bytes,
                                           bool toDisk) {
    if (path.empty()) return systemErrorText(ERROR_PATH_NOT_FOUND);
    const std::wstring target = wideOf(path);
    // Replacing a folder or a device with a plain file is refused, as elsewhere; a name the
    // system will not open says the system's reason.
    const Found before = look(target);
    if (before.kind == Kind::Other) return std::string(kNotARegularFile);
    if (before.kind == Kind::Refused) return systemErrorText(before.error);
    DWORD kept = 0; // the replaced file's attributes that the new one takes over
    if (before.kind == Kind::Regular) {
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
    if (toDisk && !::FlushFileBuffers(file.get())) return fail(lastError());
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(file.get(), &info)) return fail(lastError());
    const FileId fresh = idOf(info);
    if (!file.close()) return fail(lastError());
    // Given before the move, so that the fallback keeps them too (and Wine's ReplaceFileW,
    // which does not carry them over).
    if (kept) ::SetFileAttributesW(temp.c_str(), kept);

    // Something else may have appeared at the name while the bytes were written.
    const Found now = look(target);
    if (now.kind == Kind::Other) return fail(std::string(kNotARegularFile));
    if (now.kind == Kind::Refused) return fail(systemErrorText(now.error));
    if (now.kind == Kind::Regular) return putInPlace(target, temp, now.id, fresh);
    if (!windowsFileCalls.moveFile(temp.c_str(), target.c_str(), kMoveOver))
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

// FlushFileBuffers needs a handle that may write. A folder's names reach the disk through the
// file system's own journal, so the folder is only looked for: a missing one is an error, as
// it is where the folder is synced.
std::optional<std::string> syncToDisk(const std::string& path, const std::string& folder) {
    if (!path.empty()) {
        const Handle file(::CreateFileW(wideOf(path).c_str(), GENERIC_WRITE, kShareAll, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) return lastError();
        if (!::FlushFileBuffers(file.get())) return lastError();
    }
    const DWORD attributes = ::GetFileAttributesW(wideOf(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return lastError();
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return systemErrorText(ERROR_DIRECTORY);
    return std::nullopt;
}

std::optional<FileIdentity> identityOf(const std::string& path) {
    const auto idAt = [](const std::wstring& name) -> std::optional<FileId> {
        const Handle h(::CreateFileW(name.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        BY_HANDLE_FILE_INFORMATION info;
        if (!h.valid() || !::GetFileInformationByHandle(h.get(), &info)) return std::nullopt;
        return idOf(info);
    };
    const auto identity = [](const FileId& id, std::string newName) {
        return FileIdentity{id.volume, (std::uint64_t{id.high} << 32) | id.low, std::move(newName)};
    };
    const std::wstring name = wideOf(path);
    if (const auto id = idAt(name)) return identity(*id, {});
    const DWORD error = ::GetLastError();
    if (error != ERROR_FILE_NOT_FOUND) return std::nullopt;
    const auto folder = idAt(folderOf(name));
    if (!folder) return std::nullopt;
    // Names differ by case alone are one name to Windows.
    std::wstring own = name.substr(name.find_last_of(L"\\/") + 1);
    ::CharLowerBuffW(own.data(), static_cast<DWORD>(own.size()));
    return identity(*folder, utf8OfWide(own));
}

} // namespace tallivant
