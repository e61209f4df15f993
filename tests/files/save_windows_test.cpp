// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a save does on Windows with what only Windows has: file attributes, device names, the
// replace call and the ways it stops half-way, the system's own words for a failure; and the
// recovery copy's sync and lock file there.
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

#include "files_fixture.h"
#include "system/disk.h"
#include "system/lock.h"
#include "system/temp_names.h"
#include "system/windows_calls.h"
#include "system/windows_text.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

DWORD attributesOf(const std::string& path) {
    return ::GetFileAttributesW(wideOf(path).c_str());
}

// Sets a file's last write time to `seconds` ago.
void makeOld(const std::string& path, long long seconds) {
    const HANDLE h = ::CreateFileW(wideOf(path).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
    t.QuadPart -= static_cast<ULONGLONG>(seconds) * 10'000'000;
    const FILETIME then{t.LowPart, t.HighPart};
    EXPECT_TRUE(::SetFileTime(h, nullptr, nullptr, &then));
    ::CloseHandle(h);
}

} // namespace

TEST_F(FileSave, IntoAMissingFolderFailsWithTheSystemsReason) {
    saveTo(folder / "no-such-folder/game.txt");
    expectNotSaved(systemErrorText(ERROR_PATH_NOT_FOUND));
    expectOnlyEntries({});
}

TEST_F(FileSave, OntoAReadOnlyFileKeepsIt) {
    const std::string path = folder / "game.txt";
    writeBytes(path, old);
    ASSERT_TRUE(::SetFileAttributesW(wideOf(path).c_str(), FILE_ATTRIBUTE_READONLY));
    saveTo(path);
    expectNotSaved(systemErrorText(ERROR_ACCESS_DENIED));
    ::SetFileAttributesW(wideOf(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(readBytes(path), old);
    expectOnlyEntries({"game.txt"});
}

// The replace call carries the replaced file's attributes over to the new one, which holds what
// the same save puts in a new file.
TEST_F(FileSave, ReplacedFileStaysHidden) {
    playSomeGame();
    const std::string fresh = folder / "fresh.txt";
    saveTo(fresh);
    const std::string path = folder / "game.txt";
    writeBytes(path, old);
    ASSERT_TRUE(::SetFileAttributesW(wideOf(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
    dialogs.shown.clear();
    saveTo(path);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Your file has been saved.");
    EXPECT_NE(readBytes(fresh), old);
    EXPECT_EQ(readBytes(path), readBytes(fresh));
    EXPECT_TRUE(attributesOf(path) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(attributesOf(fresh) & FILE_ATTRIBUTE_HIDDEN);
    expectOnlyEntries({"fresh.txt", "game.txt"});
}

// NUL, CON and COM1 name devices in every folder: a save there is refused, as on a FIFO, and
// so is a save onto a folder.
TEST_F(FileSave, OntoADeviceNameOrAFolderIsRefused) {
    std::filesystem::create_directory(utf8Path(folder / "games"));
    for (const char* name : {"NUL", "CON", "games"}) {
        SCOPED_TRACE(name);
        dialogs.shown.clear();
        saveTo(folder / name);
        expectNotSaved(std::string(kNotARegularFile));
    }
    expectOnlyEntries({"games"});
}

// A name the system will not take is not "not a regular file": the message says the system's
// own reason.
TEST_F(FileSave, ANameWithACharacterWindowsRefusesSaysTheSystemsReason) {
    for (const char* name : {"a<b.txt", "a?.txt", "a|b.txt"}) {
        SCOPED_TRACE(name);
        dialogs.shown.clear();
        saveTo(folder / name);
        expectNotSaved(systemErrorText(ERROR_INVALID_NAME));
    }
    expectOnlyEntries({});
}

// A save killed before its replace leaves a temporary file, and one that stopped half-way may
// leave the replaced file under a temporary name: the next save in the folder removes them
// once they are a minute old, and leaves younger ones to the saves that may still be running.
TEST_F(FileSave, StaleTemporaryFilesAreRemovedYoungOnesKept) {
    const std::vector<std::pair<std::string, long long>> files = {
        {".tallivant-Ab12Cd", 3600}, {".tallivant-x9Y8z7", 90},  {".tallivant-Fresh1", 10},
        {".tallivant-ab12", 3600},   {"tallivant-Ab12Cd", 3600}, {"keep.txt", 3600},
    };
    for (const auto& [name, age] : files) {
        writeBytes(folder / name, "x");
        makeOld(folder / name, age);
    }
    saveTo(folder / "game.txt");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Your file has been saved.");
    expectOnlyEntries(
        {".tallivant-Fresh1", ".tallivant-ab12", "game.txt", "keep.txt", "tallivant-Ab12Cd"});
}

namespace {

// Where a stand-in for ReplaceFileW leaves the old file when it stops, as the real call can.
enum class OldFile {
    InPlace,  // nothing moved
    AtBackup, // moved to the backup name it was given
    Deleted,  // gone altogether, as a replace without a backup name may leave it
    Replaced, // the whole replace done, and an error reported all the same
};

struct Stop {
    const char* what;
    DWORD error;
    OldFile old;
};

// What the stand-ins do, and what they were given.
struct StandIn {
    Stop stop{};
    bool newFileStuck = false; // a move of the new file fails
    bool oldFileStuck = false; // a move of the old file back fails
    int replaceCalls = 0;
    std::wstring replacement;
    std::wstring backup;
};
StandIn standIn;

constexpr DWORD kStuck = ERROR_SHARING_VIOLATION; // another program has the file open

BOOL WINAPI stoppingReplace(LPCWSTR replaced, LPCWSTR replacement, LPCWSTR backup, DWORD, LPVOID,
                            LPVOID) {
    ++standIn.replaceCalls;
    standIn.replacement = replacement;
    standIn.backup = backup ? backup : L"";
    switch (standIn.stop.old) {
    case OldFile::InPlace:
        break;
    case OldFile::AtBackup:
        ::MoveFileExW(replaced, backup, 0);
        break;
    case OldFile::Deleted:
        ::DeleteFileW(replaced);
        break;
    case OldFile::Replaced:
        ::MoveFileExW(replaced, backup, 0);
        ::MoveFileExW(replacement, replaced, 0);
        break;
    }
    ::SetLastError(standIn.stop.error);
    return FALSE;
}

BOOL WINAPI stickingMove(LPCWSTR from, LPCWSTR to, DWORD flags) {
    const bool newFile = standIn.replacement == from;
    if (newFile ? standIn.newFileStuck : standIn.oldFileStuck) {
        ::SetLastError(kStuck);
        return FALSE;
    }
    return ::MoveFileExW(from, to, flags);
}

constexpr Stop kUnableToRemoveReplaced{"1175, nothing moved", ERROR_UNABLE_TO_REMOVE_REPLACED,
                                       OldFile::InPlace};
constexpr Stop kUnsupported{"not supported here", ERROR_INVALID_FUNCTION, OldFile::InPlace};
constexpr Stop kReplacementNotMovedTargetInPlace{
    "1176, the old file in place", ERROR_UNABLE_TO_MOVE_REPLACEMENT, OldFile::InPlace};
constexpr Stop kReplacementNotMovedTargetAside{"1176, the old file at the backup name",
                                               ERROR_UNABLE_TO_MOVE_REPLACEMENT, OldFile::AtBackup};
constexpr Stop kReplacementNotMovedTargetAtBackup{
    "1177, the old file at the backup name", ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, OldFile::AtBackup};
constexpr Stop kTargetLost{"1176, the old file gone", ERROR_UNABLE_TO_MOVE_REPLACEMENT,
                           OldFile::Deleted};

// Every stop after which the old file is still somewhere to be put back.
constexpr Stop kStopsKeepingTheOldFile[] = {
    kUnableToRemoveReplaced,
    kUnsupported,
    kReplacementNotMovedTargetInPlace,
    kReplacementNotMovedTargetAside,
    kReplacementNotMovedTargetAtBackup,
};

} // namespace

// The replace stopped half-way, as a disk or another program holding a file can stop it: the
// game file holds exactly the old bytes or exactly the new ones, the message tells which, and a
// temporary file stays only when it holds the one copy of something.
class HalfDoneReplace : public ::testing::Test {
protected:
    ScratchFolder folder;
    const std::string target = folder / "game.txt";
    const std::string oldBytes = "the old game\r\n";
    const std::string newBytes = "the new game, longer than the old one\r\n";

    void SetUp() override {
        standIn = StandIn{};
        windowsFileCalls = {&stoppingReplace, &stickingMove};
    }
    void TearDown() override { windowsFileCalls = {&::ReplaceFileW, &::MoveFileExW}; }

    std::optional<std::string> saveOver(const Stop& stop) {
        writeBytes(target, oldBytes);
        standIn.stop = stop;
        standIn.replaceCalls = 0;
        return writeFileSafely(target, newBytes);
    }
    // The replace was asked for, with a backup beside the game under a temporary file's name,
    // so that one left behind is removed as such.
    void expectReplaceAskedWithATemporaryBackup() {
        EXPECT_EQ(standIn.replaceCalls, 1);
        const std::filesystem::path backup(standIn.backup);
        EXPECT_EQ(backup.parent_path(), folder.path());
        EXPECT_TRUE(isTempName(utf8(backup.filename()))) << utf8(backup.filename());
    }
    // Each file in the folder other than the game, with its bytes.
    std::map<std::string, std::string> leftBeside() const {
        std::map<std::string, std::string> out;
        for (const std::string& name : folder.entries())
            if (name != "game.txt") out[name] = readBytes(folder / name);
        return out;
    }
    bool targetExists() const { return attributesOf(target) != INVALID_FILE_ATTRIBUTES; }
};

TEST_F(HalfDoneReplace, TheNewFileStillGoesInPlace) {
    const Stop stops[] = {kUnableToRemoveReplaced,
                          kUnsupported,
                          kReplacementNotMovedTargetInPlace,
                          kReplacementNotMovedTargetAside,
                          kReplacementNotMovedTargetAtBackup,
                          kTargetLost,
                          {"1177, reported after the whole replace was done",
                           ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, OldFile::Replaced}};
    for (const Stop& stop : stops) {
        SCOPED_TRACE(stop.what);
        EXPECT_EQ(saveOver(stop), std::nullopt);
        expectReplaceAskedWithATemporaryBackup();
        EXPECT_EQ(readBytes(target), newBytes);
        EXPECT_TRUE(leftBeside().empty());
    }
}

TEST_F(HalfDoneReplace, WhenTheNewFileCannotMoveTheOldOneIsBackAndTheSystemSaysWhy) {
    for (const Stop& stop : kStopsKeepingTheOldFile) {
        SCOPED_TRACE(stop.what);
        standIn.newFileStuck = true;
        EXPECT_EQ(saveOver(stop), systemErrorText(kStuck));
        expectReplaceAskedWithATemporaryBackup();
        ASSERT_TRUE(targetExists());
        EXPECT_EQ(readBytes(target), oldBytes);
        EXPECT_TRUE(leftBeside().empty());
    }
}

// The old file gone and the new one unable to move: the temporary file is all there is of the
// game now, and stays.
TEST_F(HalfDoneReplace, TheOnlyCopyOfTheNewBytesIsKept) {
    standIn.newFileStuck = true;
    EXPECT_EQ(saveOver(kTargetLost), systemErrorText(kStuck));
    EXPECT_FALSE(targetExists());
    const auto left = leftBeside();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_TRUE(isTempName(left.begin()->first));
    EXPECT_EQ(left.begin()->second, newBytes);
}

// Neither file can move at all: nothing is deleted, the old bytes under the backup name and the
// new ones under the temporary name.
TEST_F(HalfDoneReplace, WhenNothingCanMoveBothCopiesAreKept) {
    for (const Stop& stop : {kReplacementNotMovedTargetAside, kReplacementNotMovedTargetAtBackup}) {
        SCOPED_TRACE(stop.what);
        for (const std::string& name : folder.entries())
            std::filesystem::remove(utf8Path(folder / name));
        standIn.newFileStuck = true;
        standIn.oldFileStuck = true;
        EXPECT_EQ(saveOver(stop), systemErrorText(kStuck));
        EXPECT_FALSE(targetExists());
        std::vector<std::string> kept;
        for (const auto& [name, bytes] : leftBeside()) {
            EXPECT_TRUE(isTempName(name)) << name;
            kept.push_back(bytes);
        }
        std::sort(kept.begin(), kept.end());
        EXPECT_EQ(kept, (std::vector<std::string>{newBytes, oldBytes}));
    }
}

// The same save with the system's own calls, for comparison: the backup is gone afterwards.
TEST_F(HalfDoneReplace, AWholeReplaceLeavesNoBackup) {
    windowsFileCalls = {&::ReplaceFileW, &::MoveFileExW};
    writeBytes(target, oldBytes);
    EXPECT_EQ(writeFileSafely(target, newBytes), std::nullopt);
    EXPECT_EQ(readBytes(target), newBytes);
    EXPECT_TRUE(leftBeside().empty());
}

// The recovery copy is synced with FlushFileBuffers; the folder's names need no call of ours,
// but a folder that is not there is as much an error as a file that is not.
class SyncToDisk : public ::testing::Test {
protected:
    ScratchFolder folder;
};

TEST_F(SyncToDisk, AWrittenFileAndItsFolder) {
    const std::string file = folder / "game.txt";
    writeBytes(file, "a game\r\n");
    EXPECT_EQ(syncToDisk(file, utf8(folder.path())), std::nullopt);
    EXPECT_EQ(syncToDisk("", utf8(folder.path())), std::nullopt);
    EXPECT_EQ(readBytes(file), "a game\r\n");
}

TEST_F(SyncToDisk, AMissingFileOrFolderIsAnErrorWithTheSystemsReason) {
    EXPECT_EQ(syncToDisk(folder / "gone.txt", utf8(folder.path())),
              systemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(syncToDisk("", folder / "gone"), systemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(syncToDisk("", folder / "gone/deeper"), systemErrorText(ERROR_PATH_NOT_FOUND));
    writeBytes(folder / "plain.txt", "x");
    EXPECT_EQ(syncToDisk("", folder / "plain.txt"), systemErrorText(ERROR_DIRECTORY));
}

// The recovery copy's lock: busy only while another holder has it open.
class WindowsLock : public ::testing::Test {
protected:
    ScratchFolder folder;
    const std::string path = folder / "game-1.lock";
};

TEST_F(WindowsLock, ASecondTakeOfAHeldLockIsBusyUntilTheFirstLetsGo) {
    std::optional<FileLock> first = FileLock::take(path);
    ASSERT_TRUE(first);
    std::string why;
    bool busy = false;
    EXPECT_FALSE(FileLock::take(path, &why, &busy));
    EXPECT_TRUE(busy);
    EXPECT_EQ(why, systemErrorText(ERROR_SHARING_VIOLATION));
    first.reset();
    busy = true;
    EXPECT_TRUE(FileLock::take(path, &why, &busy));
    EXPECT_FALSE(busy);
}

TEST_F(WindowsLock, InAMissingFolderIsNotBusyAndSaysWhy) {
    std::string why;
    bool busy = true;
    EXPECT_FALSE(FileLock::take(folder / "gone/game-1.lock", &why, &busy));
    EXPECT_FALSE(busy);
    EXPECT_EQ(why, systemErrorText(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{});
}

// A lock file someone made read-only is still a lock.
TEST_F(WindowsLock, AReadOnlyLockFileIsStillALock) {
    writeBytes(path, "");
    ASSERT_TRUE(::SetFileAttributesW(wideOf(path).c_str(), FILE_ATTRIBUTE_READONLY));
    const HANDLE writable = ::CreateFileW(wideOf(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (writable != INVALID_HANDLE_VALUE) {
        ::CloseHandle(writable);
        ::SetFileAttributesW(wideOf(path).c_str(), FILE_ATTRIBUTE_NORMAL);
        GTEST_SKIP() << "the read-only attribute does not keep writers out here (root under Wine)";
    }
    std::string why;
    std::optional<FileLock> first = FileLock::take(path, &why);
    EXPECT_TRUE(first) << why;
    bool busy = false;
    EXPECT_FALSE(FileLock::take(path, &why, &busy));
    EXPECT_TRUE(busy);
    first.reset();
    ::SetFileAttributesW(wideOf(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}
