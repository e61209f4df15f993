// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/disk.h"
#include "files_fixture.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

class FileSave : public FilesTest {
protected:
    const std::string old = "the old game\r\n";

    // No temporary file left beside the destination.
    void expectOnlyEntries(std::vector<std::string> names) {
        std::sort(names.begin(), names.end());
        EXPECT_EQ(folder.entries(), names);
    }
};

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

TEST_F(FileSave, DialogIsSetUpForTextFilesAndStartsAtTheOpenedFile) {
    host.label = "/games/final.txt";
    files.savegame();
    ASSERT_GE(dialogs.shown.size(), 1u);
    const Shown& d = dialogs.shown[0];
    EXPECT_EQ(d.kind, "save");
    EXPECT_EQ(d.title, "Select the destination file");
    ASSERT_EQ(d.setup.filters.size(), 2u);
    EXPECT_EQ(d.setup.filters[0].label, "Text files (*.txt)");
    EXPECT_EQ(d.setup.filters[0].pattern, "*.txt");
    EXPECT_EQ(d.setup.filters[1].label, "All files (*)");
    EXPECT_EQ(d.setup.filters[1].pattern, "*");
    EXPECT_EQ(d.setup.selectedFilter, 0);
    EXPECT_EQ(d.setup.defaultSuffix, "txt");
    EXPECT_EQ(d.setup.startName, "/games/final.txt");
}

TEST_F(FileSave, NoNameChosenWritesNothingAndSaysSo) {
    for (const std::optional<std::string>& answer :
         {std::optional<std::string>(), std::optional<std::string>("")}) {
        dialogs.shown.clear();
        dialogs.fileAnswers.push_back(answer);
        files.savegame();
        ASSERT_EQ(dialogs.shown.size(), 2u);
        EXPECT_EQ(dialogs.shown[1].text,
                  "Please enter a file name before pressing the save button.");
        EXPECT_EQ(dialogs.shown[1].title, "Error!");
        EXPECT_EQ(dialogs.shown[1].icon, Icon::Exclamation);
    }
    expectOnlyEntries({});
}

TEST_F(FileSave, SuccessIsReportedOnlyWhenTheFileIsInPlace) {
    playSomeGame();
    const std::string path = folder / "game.txt";
    writeBytes(path, old);
    const WindowState before = state();
    const std::string bytes = encodeGameFile(contentsOf(game));
    std::string onDiskWhenReported;
    dialogs.onShow = [&](const Shown& s) {
        if (s.kind == "message") onDiskWhenReported = readBytes(path);
    };
    saveTo(path);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Your file has been saved.");
    EXPECT_EQ(dialogs.shown[1].title, path);
    EXPECT_EQ(dialogs.shown[1].icon, Icon::Exclamation);
    EXPECT_EQ(onDiskWhenReported, bytes);
    EXPECT_EQ(state(), before);
    EXPECT_EQ(files.filename(), "");
    expectOnlyEntries({"game.txt"});
}

TEST_F(FileSave, TitleIsTheFullPathEvenForARelativeName) {
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    saveTo("relative.txt");
    std::filesystem::current_path(cwd);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].title, folder / "relative.txt");
}

TEST_F(FileSave, SavingAgainReplacesTheWholeFile) {
    playSomeGame();
    const std::string path = folder / "game.txt";
    saveTo(path);
    const std::size_t firstSize = readBytes(path).size();
    for (int n = 1; n <= kPlayers; ++n)
        game.setName(n, "");
    game.zeroSheet();
    saveTo(path);
    const std::string second = readBytes(path);
    EXPECT_LT(second.size(), firstSize);
    EXPECT_EQ(second, encodeGameFile(contentsOf(game)));
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

TEST_F(FileSave, OntoAFolderFailsAndLeavesTheFolder) {
    std::filesystem::create_directory(folder / "game.txt");
    writeBytes(folder / "game.txt/inside", old);
    saveTo(folder / "game.txt");
    expectNotSaved("it is not a regular file.");
    EXPECT_EQ(readBytes(folder / "game.txt/inside"), old);
    expectOnlyEntries({"game.txt"});
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
    ASSERT_EQ(::waitpid(child, &status, 0), child);
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

TEST_F(FileSave, AGameThatWouldNotOpenAgainIsNotSavedAndTheOldFileStays) {
    // Open refuses such a game; the window could still come to hold one some other way.
    playSomeGame();
    game.setText(Field{0, 0}, std::string(kMaxGameFileBytes, '7'));
    const std::string path = folder / "game.txt";
    writeBytes(path, old);
    saveTo(path);
    expectNotSaved("the game would be too large to open again.");
    EXPECT_TRUE(game.hasUnsavedChanges());
    EXPECT_TRUE(readBytes(path) == old) << "the old file was replaced";
    expectOnlyEntries({"game.txt"});

    // Just small enough: saved, and it opens again as the same game.
    const std::size_t over = encodeGameFile(contentsOf(game)).size() - kMaxGameFileBytes;
    game.setText(Field{0, 0}, std::string(kMaxGameFileBytes - over, '7'));
    const GameContents fits = contentsOf(game);
    dialogs.shown.clear();
    saveTo(path);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Your file has been saved.");
    EXPECT_EQ(readBytes(path).size(), kMaxGameFileBytes);
    EXPECT_TRUE(parseGameFile(readBytes(path)) == fits) << "the saved game reads back differently";
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
    EXPECT_EQ(readBytes(folder / "real/game.txt"), encodeGameFile(contentsOf(game)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "real"), {}), 1);
}
