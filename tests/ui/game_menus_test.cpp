// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "window_fixture.h"

namespace tallivant::testing {
namespace {

using GameMenus = WindowTest;

TEST_F(GameMenus, NewGameClearsTheSheetAndPutsTheRosterOnTheButtons) {
    stat(4, "cmdpf");
    stat(4, "cmdpf");
    stat(4, "cmdpf"); // foul trouble: light yellow
    click("opt3rdqtr");
    click("cmdp4");
    window->setFileLabel("/tmp/old.txt");
    dialogs.shown.clear();
    dialogs.inputAnswers = {std::string("4 Ann Lee"), std::nullopt,
                            std::string("&Zed Zimmer-Long")};

    trigger("mnuFileNew");

    ASSERT_EQ(dialogs.shown.size(), 13u); // the unsaved game answered with Discard, 12 names
    EXPECT_EQ(dialogs.shown[0].kind, "unsaved");
    EXPECT_EQ(text("cmdp1"), "4 Ann Lee");
    EXPECT_EQ(text("cmdp2"), "#  name");
    EXPECT_EQ(text("cmdp3"), "&Zed Zimmer-L");
    EXPECT_EQ(text("txtpf_3"), "0");
    EXPECT_EQ(text("txtpftot"), "0");
    EXPECT_EQ(text("txt3rdpf"), "0");
    EXPECT_EQ(text("lblfname"), "");
    EXPECT_TRUE(widget<QAbstractButton>("opt1stqtr")->isChecked());
    EXPECT_EQ(window->game().playernum(), 0);
    EXPECT_EQ(pixel(field("txtpf_3"), blankSpot(field("txtpf_3"))), bgr(ui::kDarkGrey));
    EXPECT_EQ(pixel(widget("cmdp4"), blankSpot(widget("cmdp4"))), bgr(ui::kWhite));

    // The new game's first takeback has nothing to take back.
    click("cmdtakeback");
    EXPECT_EQ(dialogs.shown.size(), 13u);
    EXPECT_EQ(text("txtpf_3"), "0");

    // A name marked with a free letter is pressed with Alt and that letter.
    alt('z');
    EXPECT_EQ(window->game().playernum(), 3);
}

TEST_F(GameMenus, NameMarkedWithAStatLetterLeavesTheLetterToTheStat) {
    dialogs.inputAnswers = {std::string("&Carl")};
    trigger("mnuFileNew");
    dialogs.shown.clear();
    click("cmdp1");
    alt('c');
    EXPECT_EQ(text("txtfgm_0"), "1");
    EXPECT_EQ(text("txttotfgm"), "1");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(GameMenus, SavedGameOpensAgainWithEveryNameAndField) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = QDir(dir.path()).filePath("game.txt").toStdString();

    dialogs.inputAnswers = {std::string("4 Ann, Lee"), std::string("5 Zoë")};
    trigger("mnuFileNew");
    stat(1, "cmdfgm");
    stat(1, "cmdfgmiss");
    stat(1, "cmdfgm");
    stat(2, "cmdpf");
    stat(2, "cmdpf");
    stat(2, "cmdpf");
    click("opt2ndqtr");
    stat(2, "cmd3pm");
    std::vector<QString> before;
    for (int id = 0; id < kFields; ++id)
        before.push_back(text(QString::fromStdString(fieldName(Field::fromId(id)))));

    dialogs.shown.clear();
    dialogs.fileAnswers = {path};
    trigger("mnufilesave");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Your file has been saved.");
    ASSERT_TRUE(QFile::exists(QString::fromStdString(path)));

    dialogs.inputAnswers = {};
    trigger("mnuFileNew");
    EXPECT_EQ(text("txtfgper_0"), "0");

    dialogs.fileAnswers = {path};
    trigger("mnuFileOpen");
    EXPECT_EQ(text("cmdp1"), "4 Ann, Lee");
    EXPECT_EQ(text("cmdp2"), "5 Zoë");
    for (int id = 0; id < kFields; ++id)
        EXPECT_EQ(text(QString::fromStdString(fieldName(Field::fromId(id)))), before[id])
            << fieldName(Field::fromId(id));
    EXPECT_EQ(text("txtfgper_0"), "66.67%");
    EXPECT_EQ(text("lblfname"), QString::fromStdString(path));
    // The quarter that was on when the game was saved is on again.
    EXPECT_TRUE(widget<QAbstractButton>("opt2ndqtr")->isChecked());
    // Three fouls in the opened game: the field is light yellow again.
    EXPECT_EQ(pixel(field("txtpf_1"), blankSpot(field("txtpf_1"))), bgr(ui::kLightYellow));
}

// Two keys save a game that has its file; the window then names it and nothing is left to save.
TEST_F(GameMenus, CtrlSSavesAnOpenedGameWithoutTheDialog) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = QDir(dir.path()).filePath("week1.txt").toStdString();
    stat(3, "cmdfgm");
    dialogs.fileAnswers = {path};
    trigger("mnufilesave");
    trigger("mnuFileNew");
    dialogs.fileAnswers = {path};
    trigger("mnuFileOpen");
    stat(3, "cmdast");

    dialogs.shown.clear();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    // No box to answer in the middle of a game: the strip says it.
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Saved to week1\\.txt at [0-2][0-9]:[0-5][0-9]$"))
            .match(text("lblnews"))
            .hasMatch())
        << text("lblnews").toStdString();
    EXPECT_FALSE(window->game().hasUnsavedChanges());
    QFile saved(QString::fromStdString(path));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    // The assist recorded after the open is in the file, on the third player's record.
    EXPECT_TRUE(bytes.contains(R"("","1","1","100.00%","0","0","0","0","0","0","0","1","0")"))
        << bytes.toStdString();
    EXPECT_EQ(text("lblfname"), QString::fromStdString(path));
}

TEST_F(GameMenus, FailedOpenKeepsTheGameOnTheWindow) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("short.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\"Name\",\"FGM\"\r\n");
    f.close();
    stat(5, "cmdreb");
    window->setFileLabel("kept.txt");

    dialogs.shown.clear();
    dialogs.fileAnswers = {path.toStdString()};
    trigger("mnuFileOpen");
    ASSERT_EQ(dialogs.shown.size(), 3u); // the unsaved game answered with Discard, the file
    EXPECT_EQ(dialogs.shown[2].text,
              "Select/highlight appropriate file name in the file list box.");
    EXPECT_EQ(dialogs.shown[2].title, "Error loading");
    EXPECT_EQ(dialogs.shown[2].icon, Icon::Critical);
    EXPECT_EQ(text("txtreb_4"), "1");
    EXPECT_EQ(text("lblfname"), "kept.txt");
    EXPECT_EQ(window->filename(), path.toStdString());
    click("cmdtakeback");
    EXPECT_EQ(text("txtreb_4"), "0");
}

TEST_F(GameMenus, PrintCancelledAtThePrinterCheckPrintsNothing) {
    stat(5, "cmdreb");
    dialogs.shown.clear();
    dialogs.okCancelAnswers = {false};
    trigger("mnufileprint");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Make sure the printer is ready");
    EXPECT_EQ(dialogs.shown[0].title, "Printer Check");
    EXPECT_EQ(text("txtreb_4"), "1");
}

TEST_F(GameMenus, EditRosterOffersTheCurrentNames) {
    dialogs.inputAnswers = {std::string("7 Bo")};
    trigger("mnuFileNew");
    stat(1, "cmdreb");
    dialogs.shown.clear();
    dialogs.inputAnswers = {std::nullopt, std::string("8 Cy Twentyletters-xx")};
    trigger("mnurosterchange");
    ASSERT_EQ(dialogs.shown.size(), 12u);
    EXPECT_EQ(dialogs.shown[0].defaultAnswer, "7 Bo");
    EXPECT_EQ(text("cmdp1"), "7 Bo");
    EXPECT_EQ(text("cmdp2"), "8 Cy Twentylette");
    EXPECT_EQ(text("txtreb_0"), "1");
}

} // namespace
} // namespace tallivant::testing
