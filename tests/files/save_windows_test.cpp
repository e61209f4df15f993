// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a save does on Windows with what only Windows has: file attributes, device names and the
// system's own words for a failure.
#include <windows.h>

#include "files/disk.h"
#include "files/windows_text.h"
#include "files_fixture.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

DWORD attributesOf(const std::string& path) {
    return ::GetFileAttributesW(wideOf(path).c_str());
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

// The replace call carries the replaced file's attributes over to the new one.
TEST_F(FileSave, ReplacedFileStaysHidden) {
    playSomeGame();
    const std::string path = folder / "game.txt";
    writeBytes(path, old);
    ASSERT_TRUE(::SetFileAttributesW(wideOf(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
    saveTo(path);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Your file has been saved.");
    EXPECT_EQ(readBytes(path), encodeGameFile(contentsOf(game)));
    EXPECT_TRUE(attributesOf(path) & FILE_ATTRIBUTE_HIDDEN);
    expectOnlyEntries({"game.txt"});
}

// NUL, CON and COM1 name devices in every folder: a save there is refused, as on a FIFO.
TEST_F(FileSave, OntoADeviceNameIsRefused) {
    for (const char* device : {"NUL", "CON"}) {
        SCOPED_TRACE(device);
        dialogs.shown.clear();
        saveTo(folder / device);
        expectNotSaved("it is not a regular file.");
    }
    expectOnlyEntries({});
}
