// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's way in and out for whole games: File|Save report as PDF and File|Export CSV
// write their files, and a game named on the command line opens as File|Open opens one.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "formats/encoding.h"
#include "formats/live_page.h"
#include "ui/strip.h"
#include "window_fixture.h"

namespace tallivant::testing {
namespace {

class WindowFiles : public WindowTest {
protected:
    QTemporaryDir dir;
    std::string path(const char* name) const {
        return QDir(dir.path()).filePath(QString::fromUtf8(name)).toStdString();
    }
    static std::string bytes(const std::string& file) {
        QFile f(QString::fromStdString(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    }
    std::vector<QString> sheet() const {
        std::vector<QString> out;
        for (int id = 0; id < kFields; ++id)
            out.push_back(text(QString::fromStdString(fieldName(Field::fromId(id)))));
        for (int n = 1; n <= kPlayers; ++n)
            out.push_back(text(QStringLiteral("cmdp%1").arg(n)));
        return out;
    }
};

TEST_F(WindowFiles, FileMenuItemsWriteTheReportAndTheBoxScore) {
    dialogs.inputAnswers = {std::string("4 Ann, Lee")};
    trigger("mnuFileNew");
    stat(1, "cmdfgm");
    dialogs.shown.clear();
    dialogs.fileAnswers = {path("report.pdf"), path("box.csv")};
    trigger("mnufilepdf");
    trigger("mnufilecsv");
    ASSERT_EQ(dialogs.shown.size(), 2u); // the two file dialogs, and nothing after them
    EXPECT_EQ(dialogs.shown[0].title, "Save the report as PDF");
    EXPECT_EQ(dialogs.shown[1].title, "Export the box score as CSV");
    EXPECT_TRUE(bytes(path("report.pdf")).starts_with("%PDF-"));
    EXPECT_TRUE(bytes(path("box.csv")).starts_with("\xEF\xBB\xBFPlayer,"));
    EXPECT_NE(bytes(path("box.csv")).find("\"4 Ann, Lee\",1,1,100.00,"), std::string::npos);
    EXPECT_NE(bytes(path("box-plays.csv")).find(",\"4 Ann, Lee\",Field goal made,"),
              std::string::npos);
}

// Shared live, the page's folder gets game.json and index.html after every change, the players
// named as chosen; the recovery copy keeps where, so that a restored game goes on sharing. A
// folder that fails is said once in the strip, with no box; another game stops the sharing.
TEST_F(WindowFiles, SharedLiveThePageFollowsEachChangeUntilAnotherGameAndAFailureIsSaidOnce) {
    dialogs.inputAnswers = {std::string("6 Tess Kim")};
    trigger("mnuFileNew");
    const std::string folder = dir.path().toStdString();
    const std::string json = path("game.json");
    dialogs.shown.clear();
    dialogs.fileAnswers = {folder};
    dialogs.chooseAnswers = {1}; // numbers only
    trigger("mnufileshare");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].kind, "folder");
    EXPECT_EQ(dialogs.shown[1].choices,
              (std::vector<std::string>{"as on the buttons", "numbers only"}));
    EXPECT_EQ(window->strip()->news().toStdString(), "Sharing live to " + folder);
    LiveShare& share = window->session().share();
    const auto written = [&] { return share.waitWritten(std::chrono::seconds(10)); };

    stat(1, "cmdfgm");
    ASSERT_TRUE(written());
    EXPECT_NE(bytes(json).find("\"score\":{\"us\":2,"), std::string::npos) << bytes(json);
    EXPECT_NE(bytes(json).find("\"name\":\"6\""), std::string::npos);
    EXPECT_EQ(bytes(json).find("Tess"), std::string::npos);
    EXPECT_NE(bytes(path("index.html")).find(embeddableJson(bytes(json))), std::string::npos);
    const std::string copy = bytes(window->recoveryCopy().recovery().path());
    EXPECT_NE(copy.find("\"Share\",\"" + percentEscaped(folder) + "\",\"numbers\""),
              std::string::npos);
    click("opt2ndqtr");
    ASSERT_TRUE(written());
    EXPECT_NE(bytes(json).find("\"period\":{\"line\":\"2nd\""), std::string::npos);

    // The folder goes: the failure is news once, and stands in the strip while it lasts.
    ASSERT_TRUE(QDir(dir.path()).removeRecursively());
    stat(1, "cmdreb");
    ASSERT_TRUE(written());
    const auto news = [&] { return window->strip()->news().toStdString(); };
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return news().starts_with("Live page not written: "); }, 5000))
        << news();
    EXPECT_TRUE(dialogs.messageTexts().empty());
    window->strip()->tell(QStringLiteral("news"));
    stat(1, "cmdreb");
    ASSERT_TRUE(written());
    QTest::qWait(3 * 250);
    EXPECT_EQ(news(), "news");
    EXPECT_TRUE(share.state().starts_with("Live page failing: ")) << share.state();

    // A stat just before File|New is on the page, which then stays as the game ended.
    ASSERT_TRUE(QDir().mkpath(dir.path()));
    stat(1, "cmd3pm");
    dialogs.unsavedAnswers = {UnsavedAnswer::Discard};
    dialogs.inputAnswers = {std::string("")};
    trigger("mnuFileNew");
    EXPECT_FALSE(share.on());
    EXPECT_EQ(news(), "Stopped sharing live: another game is on the sheet");
    ASSERT_TRUE(written());
    EXPECT_NE(bytes(json).find("\"score\":{\"us\":5,"), std::string::npos) << bytes(json);
    stat(1, "cmdfgm");
    QTest::qWait(300);
    EXPECT_NE(bytes(json).find("\"score\":{\"us\":5,"), std::string::npos);
}

// `tallivant GAME`: the game opens with no dialog, its file named on the window; an unsaved
// game is offered for saving first; a file that is no game is refused with the Open box.
TEST_F(WindowFiles, GameNamedOnTheCommandLineOpensAsFileOpenOpensIt) {
    dialogs.inputAnswers = {std::string("4 Ann, Lee"), std::string("5 Zoë")};
    trigger("mnuFileNew");
    stat(1, "cmdfgm");
    stat(1, "cmdfgmiss");
    click("opt2ndqtr");
    stat(2, "cmd3pm");
    const std::vector<QString> saved = sheet();
    const std::string game = path("game.txt");
    dialogs.fileAnswers = {game};
    trigger("mnufilesave");
    dialogs.inputAnswers = {};
    trigger("mnuFileNew");
    ASSERT_NE(sheet(), saved);

    dialogs.shown.clear();
    window->openGameFile(game);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(sheet(), saved);
    EXPECT_EQ(text("lblfname"), QString::fromStdString(game));

    stat(3, "cmdreb");
    dialogs.unsavedAnswers = {UnsavedAnswer::Cancel};
    window->openGameFile(game);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "unsaved");
    EXPECT_EQ(text("txtreb_2"), "1");

    const std::string notAGame = path("notes.txt");
    QFile notes(QString::fromStdString(notAGame));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("Bring the scorebook.\n");
    notes.close();
    dialogs.shown.clear();
    dialogs.unsavedAnswers = {UnsavedAnswer::Discard};
    window->openGameFile(notAGame);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].title, "Error loading");
    EXPECT_FALSE(dialogs.shown[1].detail.empty());
    EXPECT_EQ(text("txtreb_2"), "1");
}

} // namespace
} // namespace tallivant::testing
