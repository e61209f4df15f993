// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where File|Save may write: only a regular file or a new name; what a replaced file keeps;
// which temporary files left by killed saves are cleaned up.
#include <cerrno>
#include <cstring>
#include <ctime>
#include <map>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/disk.h"
#include "files_fixture.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

// What an entry is, without following a link: a refused save must leave all of it as it was.
struct Entry {
    mode_t mode = 0;
    ino_t inode = 0;
    dev_t device = 0;
    uid_t owner = 0;
    gid_t group = 0;
    std::string linkText;
    std::vector<std::string> inside; // a folder's entries
    friend bool operator==(const Entry&, const Entry&) = default;
};

Entry entryAt(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return {};
    Entry e{st.st_mode, st.st_ino, st.st_rdev, st.st_uid, st.st_gid, {}, {}};
    if (S_ISLNK(st.st_mode)) e.linkText = std::filesystem::read_symlink(path).string();
    if (S_ISDIR(st.st_mode))
        for (const auto& f : std::filesystem::directory_iterator(path))
            e.inside.push_back(f.path().filename().string());
    return e;
}

class SaveTarget : public FilesTest {
protected:
    // Saves to each name in the folder; every one must be refused with the same message and
    // leave the whole folder exactly as it was, the game still unsaved.
    void expectEachRefused(const std::vector<std::string>& names) {
        std::map<std::string, Entry> before;
        for (const std::string& name : folder.entries())
            before[name] = entryAt(folder / name);
        for (const std::string& name : names) {
            SCOPED_TRACE(name);
            dialogs.shown.clear();
            saveTo(folder / name);
            expectNotSaved("it is not a regular file.");
            EXPECT_TRUE(game.hasUnsavedChanges());
            std::map<std::string, Entry> after;
            for (const std::string& entry : folder.entries())
                after[entry] = entryAt(folder / entry);
            EXPECT_TRUE(after == before) << "the folder changed";
        }
    }
};

struct stat statOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st;
}

// Sets a file's (or, not following it, a link's) modification time to `age` seconds ago.
void makeOld(const std::string& path, std::time_t age) {
    const timespec when{std::time(nullptr) - age, 0};
    const timespec times[2] = {when, when};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

} // namespace

TEST_F(SaveTarget, FifoFolderAndLinksToThemAreRefusedUntouched) {
    playSomeGame();
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0644), 0);
    std::filesystem::create_directory(folder / "games");
    writeBytes(folder / "games/old.txt", "an old game");
    std::filesystem::create_symlink("pipe", folder / "pipe-link");
    std::filesystem::create_symlink("pipe-link", folder / "link-to-pipe-link");
    std::filesystem::create_directory_symlink("games", folder / "games-link");
    expectEachRefused({"pipe", "pipe-link", "link-to-pipe-link", "games", "games-link"});
    EXPECT_EQ(readBytes(folder / "games/old.txt"), "an old game");
}

TEST_F(SaveTarget, DeviceNodesAndLinksToThemAreRefusedUntouched) {
    if (::geteuid() != 0) GTEST_SKIP() << "making device nodes needs root";
    // The null device's and the first loop device's numbers, made in the scratch folder: a
    // save that wrongly replaced them changes nothing outside it.
    if (::mknod((folder / "null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0 ||
        ::mknod((folder / "disk").c_str(), S_IFBLK | 0660, ::makedev(7, 0)) != 0)
        GTEST_SKIP() << "no device nodes here: " << std::strerror(errno);
    playSomeGame();
    std::filesystem::create_symlink("null", folder / "null-link");
    std::filesystem::create_symlink(folder / "disk", folder / "disk-link");
    expectEachRefused({"null", "null-link", "disk", "disk-link"});
}

TEST_F(SaveTarget, ReplacedFileKeepsOwnerGroupAndMode) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving files to other users needs root";
    constexpr uid_t kOwner = 4321, kSaver = 4322;
    constexpr gid_t kGroup = 4321, kSaverGroup = 4322;
    playSomeGame();

    // Root saving over another user's file: owner, group and mode all stay.
    const std::string theirs = folder / "theirs.txt";
    writeBytes(theirs, "their old game");
    ASSERT_EQ(::chown(theirs.c_str(), kOwner, kGroup), 0);
    ASSERT_EQ(::chmod(theirs.c_str(), 0640), 0);
    saveTo(theirs);
    EXPECT_EQ(readBytes(theirs), encodeGameFile(contentsOf(game)));
    EXPECT_EQ(statOf(theirs).st_uid, kOwner);
    EXPECT_EQ(statOf(theirs).st_gid, kGroup);
    EXPECT_EQ(statOf(theirs).st_mode & 07777, 0640u);

    // A user who may write a shared file of the group, but may not give it away: it becomes
    // the saver's, and keeps its group and mode.
    const std::string shared = folder / "shared.txt";
    writeBytes(shared, "the group's old game");
    ASSERT_EQ(::chown(shared.c_str(), 0, kGroup), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 0664), 0);
    ASSERT_EQ(::chown(folder.path().c_str(), kSaver, kSaverGroup), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const gid_t groups[] = {kGroup};
        if (::setgroups(1, groups) != 0 || ::setgid(kSaverGroup) != 0 || ::setuid(kSaver) != 0)
            ::_exit(2);
        ::_exit(writeFileSafely(shared, "the group's new game") ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readBytes(shared), "the group's new game");
    EXPECT_EQ(statOf(shared).st_uid, kSaver);
    EXPECT_EQ(statOf(shared).st_gid, kGroup);
    EXPECT_EQ(statOf(shared).st_mode & 07777, 0664u);
}

TEST_F(SaveTarget, OnlyStaleTemporaryFilesOfKilledSavesAreRemoved) {
    const std::vector<std::pair<std::string, std::time_t>> kept = {
        {".tallivant-Fresh1", 10},       // another save may still be writing it
        {".tallivant-Young9", 50},       //
        {".tallivant-ab12", 3600},       // not mkstemp's six characters
        {".tallivant-Ab12Cd.txt", 3600}, // someone's own file
        {".tallivant-Ab_2Cd", 3600},     // not a character mkstemp uses
        {"tallivant-Ab12Cd", 3600},      // not hidden
        {".tallivant-Dir123", 3600},     // a folder
        {".tallivant-Lnk123", 3600},     // a link
        {"keep.txt", 3600},
    };
    const std::vector<std::string> stale = {".tallivant-Ab12Cd", ".tallivant-x9Y8z7"};
    for (const auto& [name, age] : kept) {
        if (name == ".tallivant-Dir123")
            std::filesystem::create_directory(folder / name);
        else if (name == ".tallivant-Lnk123")
            std::filesystem::create_symlink("keep.txt", folder / name);
        else
            writeBytes(folder / name, "x");
    }
    for (const std::string& name : stale)
        writeBytes(folder / name, "half a game");
    for (const auto& [name, age] : kept)
        makeOld(folder / name, age);
    for (const std::string& name : stale)
        makeOld(folder / name, 90);

    saveTo(folder / "game.txt");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Your file has been saved.");
    std::vector<std::string> expected = {"game.txt"};
    for (const auto& [name, age] : kept)
        expected.push_back(name);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.entries(), expected);
}
