// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window under a real German locale (de_DE.UTF-8, generated for the test run): one sheet
// shows one decimal separator, whichever a game file was written with.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <langinfo.h>

#include "formats/game_file.h"
#include "support/fake_dialogs.h"
#include "support/game_fixture.h"
#include "support/own_settings.h"
#include "support/scratch_folder.h"
#include "ui/appearance.h"
#include "ui/stat_window.h"

namespace tallivant::testing {
namespace {

TEST(GermanLocale, OneSheetShowsOneSeparatorAndOpenReadsEither) {
    // The system's own locale, not Qt's idea of it: the test means nothing without it.
    ASSERT_STREQ(nl_langinfo(RADIXCHAR), ",") << "de_DE.UTF-8 is not in effect";
    ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));

    ScratchFolder folder;
    GameContents written;
    written.names.fill("#  name");
    written.fields.fill("0");
    const auto put = [&](const char* name, const char* value) {
        written.fields[fieldByName(name).id()] = value;
    };
    put("txtfgm_0", "2");
    put("txtfga_0", "3");
    put("txtfgper_0", "66.67%"); // written where the separator is a point
    put("txtftm_1", "1");
    put("txtfta_1", "2");
    put("txtftper_1", "50,00%"); // and where it is a comma
    put("txtreb_2", "66.67");    // not a percentage: as it is
    writeBytes(folder / "mixed.txt", encodeGameFile(written));

    FakeDialogs dialogs;
    ui::StatWindow window(dialogs);
    const auto field = [&](const char* name) {
        return window.findChild<QLineEdit*>(name)->text().toStdString();
    };
    dialogs.fileAnswers = {folder / "mixed.txt"};
    window.findChild<QAction*>("mnuFileOpen")->trigger();
    EXPECT_EQ(field("txtfgper_0"), "66,67%");
    EXPECT_EQ(field("txtftper_1"), "50,00%");
    EXPECT_EQ(field("txtreb_2"), "66.67");

    window.findChild<QAbstractButton*>("cmdp4")->click();
    window.findChild<QAbstractButton*>("cmdfgm")->click();
    EXPECT_EQ(field("txtfgper_3"), "100,00%");

    // Saved as shown, as the file has always held what the sheet shows.
    dialogs.fileAnswers = {folder / "saved.txt"};
    window.findChild<QAction*>("mnufilesave")->trigger();
    const auto saved = parseGameFile(readBytes(folder / "saved.txt"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->fields[fieldByName("txtfgper_0").id()], "66,67%");
    EXPECT_EQ(saved->fields[fieldByName("txtfgper_3").id()], "100,00%");
}

} // namespace
} // namespace tallivant::testing

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    tallivant::testing::useOwnSettings(state.path());
    QApplication app(argc, argv);
    tallivant::ui::setUpApplication(app);
    return RUN_ALL_TESTS();
}
