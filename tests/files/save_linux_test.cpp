// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where File|Save may write: only a regular file or a new name; what a replaced file keeps;
// which temporary files left by killed saves are cleaned up.
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <map>
#include <optional>

#include <fcntl.h>
#include <grp.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files_fixture.h"
#include "support/watchdog.h"
#include "system/disk.h"

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

// Makes a file or folder unchangeable even for root (the immutable attribute), and undoes it.
class Immutable {
public:
    explicit Immutable(const std::string& path) : path_(path) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            done_ = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        if (fd >= 0) ::close(fd);
    }
    ~Immutable() {
        if (!done_) return;
        const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        if (fd >= 0) ::close(fd);
    }
    bool done() const { return done_; }

private:
    std::string path_;
    bool done_ = false;
};

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
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
    EXPECT_EQ(readBytes(theirs), savedBytes());
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
    {
        const Watchdog limit("the save under another user to end", std::chrono::seconds(20),
                             [child] { ::kill(child, SIGKILL); });
        ASSERT_EQ(::waitpid(child, &status, 0), child);
    }
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

TEST_F(FileSave, IntoAMissingFolderFailsWithTheSystemsReason) {
    saveTo(folder / "no-such-folder/game.txt");
    expectNotSaved(std::strerror(ENOENT));
    expectOnlyEntries({});
}

TEST_F(FileSave, BelowARegularFileFailsWithTheSystemsReason) {
    writeBytes(folder / "plain", old);
    saveTo(folder / "plain/game.txt");
    expectNotSaved(std::strerror(ENOTDIR));
    EXPECT_EQ(readBytes(folder / "plain"), old);
}

TEST_F(FileSave, IntoAReadOnlyFolderKeepsTheOldFile) {
    const std::string sub = folder / "locked";
    std::filesystem::create_directory(sub);
    writeBytes(sub + "/game.txt", old);
    std::optional<Immutable> immutable;
    if (::geteuid() == 0) {
        immutable.emplace(sub);
        if (!immutable->done()) GTEST_SKIP() << "root, and no immutable attribute here";
    } else {
        ::chmod(sub.c_str(), 0555);
    }
    saveTo(sub + "/game.txt");
    const int expected = ::geteuid() == 0 ? EPERM : EACCES;
    immutable.reset();
    ::chmod(sub.c_str(), 0755);
    expectNotSaved(std::strerror(expected));
    EXPECT_EQ(readBytes(sub + "/game.txt"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sub), {}), 1);
}

TEST_F(FileSave, OntoAReadOnlyFileKeepsIt) {
    const std::string path = folder / "game.txt";
    writeBytes(path, old);
    std::optional<Immutable> immutable;
    if (::geteuid() == 0) {
        immutable.emplace(path);
        if (!immutable->done()) GTEST_SKIP() << "root, and no immutable attribute here";
    } else {
        ::chmod(path.c_str(), 0444);
    }
    saveTo(path);
    const int expected = ::geteuid() == 0 ? EPERM : EACCES;
    immutable.reset();
    expectNotSaved(std::strerror(expected));
    EXPECT_EQ(readBytes(path), old);
    expectOnlyEntries({"game.txt"});
}

TEST_F(FileSave, OntoAFileWithoutWritePermissionKeepsIt) {
    // The folder would allow replacing it; the file's own permission must still count. Root
    // ignores permission bits, so as root the save runs in a child as user nobody.
    const std::string path = folder / "game.txt";
    writeBytes(path, old);
    ::chmod(path.c_str(), 0444);
    const uid_t nobody = 65534;
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(folder.path().c_str(), nobody, nobody), 0);
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(nobody) != 0 || ::setuid(nobody) != 0)) ::_exit(2);
        const auto failure = writeFileSafely(path, "new");
        ::_exit(failure == std::optional<std::string>(std::strerror(EACCES)) ? 0 : 1);
    }
    int status = 0;
    {
        const Watchdog limit("the save under another user to end", std::chrono::seconds(20),
                             [child] { ::kill(child, SIGKILL); });
        ASSERT_EQ(::waitpid(child, &status, 0), child);
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readBytes(path), old);
    expectOnlyEntries({"game.txt"});
}

TEST_F(FileSave, FullDiskKeepsTheOldFileAndLeavesNoPartialFile) {
    playSomeGame();
    const std::string path = folder / "game.txt";
    writeBytes(path, old);
    // A file size limit makes writes fail part-way as a full disk would.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    saveTo(path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    expectNotSaved(std::strerror(EFBIG));
    EXPECT_EQ(readBytes(path), old);
    expectOnlyEntries({"game.txt"});
}

TEST_F(FileSave, ReplacedFileKeepsItsPermissionsAndANewOneFollowsTheUmask) {
    const std::string kept = folder / "kept.txt";
    writeBytes(kept, old);
    ::chmod(kept.c_str(), 0640);
    saveTo(kept);
    EXPECT_EQ(modeOf(kept), 0640u);

    const mode_t mask = ::umask(027);
    saveTo(folder / "new.txt");
    ::umask(mask);
    EXPECT_EQ(modeOf(folder / "new.txt"), 0640u);
}

TEST_F(FileSave, ThroughASymbolicLinkReplacesTheFileItPointsTo) {
    std::filesystem::create_directory(folder / "real");
    writeBytes(folder / "real/game.txt", old);
    std::filesystem::create_symlink("real/game.txt", folder / "link.txt");
    saveTo(folder / "link.txt");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.txt"));
    EXPECT_EQ(readBytes(folder / "real/game.txt"), savedBytes());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "real"), {}), 1);
}

TEST_F(FileSave, CtrlSOntoAReadOnlyFileSaysWhyAndKeepsTheFile) {
    playSomeGame();
    saveTo(folder / "week1.txt");
    const std::string saved = readBytes(folder / "week1.txt");
    stat(7, 'f');
    ASSERT_EQ(::chmod((folder / "week1.txt").c_str(), 0444), 0);
    // Root writes over any mode; only the immutable attribute stops it.
    std::optional<Immutable> locked;
    if (::geteuid() == 0) {
        locked.emplace(folder / "week1.txt");
        if (!locked->done()) GTEST_SKIP() << "root, and no immutable attribute here";
    }
    dialogs.shown.clear();
    EXPECT_FALSE(files.saveToOwnFile());
    ASSERT_EQ(dialogs.shown.size(), 1u); // no dialog: the message alone
    EXPECT_EQ(dialogs.shown[0].kind, "message");
    EXPECT_EQ(dialogs.shown[0].text.rfind("Your file has not been saved: ", 0), 0u)
        << dialogs.shown[0].text;
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Critical);
    EXPECT_EQ(readBytes(folder / "week1.txt"), saved);
    EXPECT_TRUE(game.hasUnsavedChanges());
    EXPECT_EQ(files.gameFile(), folder / "week1.txt");
}
