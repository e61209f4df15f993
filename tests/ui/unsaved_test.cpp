// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The question asked before an unsaved game is set aside by File|New, File|Open, File|Exit or
// the window's close button: when it is asked, and what each answer does.
#include <QTemporaryDir>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <functional>

#include "formats/game_file.h"
#include "formats/saved_game.h"
#include "support/scratch_folder.h"
#include "window_fixture.h"

namespace tallivant::testing {
namespace {

enum class Command { New, Open, Exit, Close };

class UnsavedGame : public WindowTest {
protected:
    QTemporaryDir dir;

    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    void saveTo(const std::string& to) {
        dialogs.fileAnswers.push_back(to);
        trigger("mnufilesave");
    }
    void openFrom(const std::string& from) {
        dialogs.fileAnswers.push_back(from);
        trigger("mnuFileOpen");
    }
    void run(Command c) {
        switch (c) {
        case Command::New:
            return trigger("mnuFileNew");
        case Command::Open:
            return trigger("mnuFileOpen");
        case Command::Exit:
            return trigger("mnuFileExit");
        case Command::Close:
            window->windowHandle()->close();
            return;
        }
    }
    // Whether the command went on past the question.
    bool wentOn(Command c, std::size_t from) const {
        if (c == Command::Exit || c == Command::Close) return !window->isVisible();
        const std::string kind = c == Command::New ? "input" : "open";
        for (std::size_t i = from; i < dialogs.shown.size(); ++i)
            if (dialogs.shown[i].kind == kind) return true;
        return false;
    }
    std::string gameBytes() const { return gameFileText(contentsOf(window->game())); }
    void fresh() {
        window.reset();
        dialogs = FakeDialogs{};
        SetUp();
    }
};

struct Situation {
    const char* name;
    bool asks;
};

TEST_F(UnsavedGame, AsksExactlyWhenTheGameHasChangedAndEachAnswerDoesWhatItSays) {
    ASSERT_TRUE(dir.isValid());
    {
        std::ofstream out(path("saved.txt"), std::ios::binary);
        out << gameFileText(contentsOf(window->game()));
    }
    std::ofstream(path("short.txt")) << "\"Name\",\"FGM\"\r\n";

    const std::vector<std::pair<Situation, std::function<void()>>> situations = {
        {{"fresh start", false}, [] {}},
        {{"after a stat", true}, [&] { stat(4, "cmdreb"); }},
        // A sheet without a stat and with default names holds nothing worth a question.
        {{"after a stat and its takeback", false},
         [&] {
             stat(4, "cmdreb");
             click("cmdtakeback");
         }},
        {{"after a refused stat", false}, [&] { click("cmdfgm"); }},
        {{"after a save", false},
         [&] {
             stat(4, "cmdreb");
             saveTo(path("game.txt"));
         }},
        {{"after a takeback of a saved stat", false},
         [&] {
             stat(4, "cmdreb");
             saveTo(path("game.txt"));
             click("cmdtakeback");
         }},
        {{"after a failed save", true},
         [&] {
             stat(4, "cmdreb");
             saveTo(path("no such folder/game.txt"));
         }},
        {{"after a cancelled save", true},
         [&] {
             stat(4, "cmdreb");
             trigger("mnufilesave");
         }},
        {{"after an open", false},
         [&] {
             stat(4, "cmdreb");
             dialogs.unsavedAnswers.push_back(UnsavedAnswer::Discard);
             openFrom(path("saved.txt"));
         }},
        {{"after a failed open", true},
         [&] {
             stat(4, "cmdreb");
             dialogs.unsavedAnswers.push_back(UnsavedAnswer::Discard);
             openFrom(path("short.txt"));
         }},
        {{"after Edit roster keeping every name", false}, [&] { trigger("mnurosterchange"); }},
        {{"after Edit roster changing a name", true},
         [&] {
             dialogs.inputAnswers = {std::string("4 Ann")};
             trigger("mnurosterchange");
         }},
        {{"after File|New keeping the default names", false}, [&] { trigger("mnuFileNew"); }},
        {{"after File|New with a name typed", true},
         [&] {
             dialogs.inputAnswers = {std::string("4 Ann")};
             trigger("mnuFileNew");
         }},
        {{"after a takeback of a saved stat, with a name", true},
         [&] {
             dialogs.inputAnswers = {std::string("4 Ann")};
             trigger("mnurosterchange");
             stat(4, "cmdreb");
             saveTo(path("game.txt"));
             click("cmdtakeback");
         }},
    };

    for (const auto& [situation, setUp] : situations)
        for (Command command : {Command::New, Command::Open, Command::Exit, Command::Close})
            for (UnsavedAnswer answer :
                 {UnsavedAnswer::Save, UnsavedAnswer::Discard, UnsavedAnswer::Cancel}) {
                SCOPED_TRACE(std::string(situation.name) + ", command " +
                             std::to_string(static_cast<int>(command)) + ", answer " +
                             std::to_string(static_cast<int>(answer)));
                fresh();
                setUp();
                const std::string before = gameBytes();
                const std::string beforeFile = *encodeSavedGame(
                    contentsOf(window->game()), window->currentQuarter(), window->game().plays());
                const QString label = text("lblfname");
                const std::size_t from = dialogs.shown.size();
                dialogs.unsavedAnswers = {answer};
                const std::string target = path("answer.txt");
                std::filesystem::remove(target);
                dialogs.fileAnswers = {target};

                run(command);

                const bool asked =
                    dialogs.shown.size() > from && dialogs.shown[from].kind == "unsaved";
                ASSERT_EQ(asked, situation.asks);
                if (!asked) {
                    EXPECT_TRUE(wentOn(command, from));
                    continue;
                }
                const Shown& q = dialogs.shown[from];
                EXPECT_EQ(q.title, "Unsaved game");
                EXPECT_EQ(q.text,
                          "The statistics of this game have not been saved. Save them first?");
                switch (answer) {
                case UnsavedAnswer::Save:
                    // Saved first, exactly the game on the window, then on.
                    EXPECT_EQ(dialogs.shown[from + 1].kind, "save");
                    EXPECT_EQ(readBytes(target), beforeFile);
                    EXPECT_TRUE(wentOn(command, from));
                    break;
                case UnsavedAnswer::Discard:
                    EXPECT_TRUE(wentOn(command, from));
                    EXPECT_FALSE(std::filesystem::exists(target));
                    break;
                case UnsavedAnswer::Cancel:
                    EXPECT_EQ(dialogs.shown.size(), from + 1);
                    EXPECT_TRUE(window->isVisible());
                    EXPECT_EQ(gameBytes(), before);
                    EXPECT_EQ(text("lblfname"), label);
                    EXPECT_TRUE(window->game().hasUnsavedChanges());
                    break;
                }
            }
}

// Save in the question goes on only when the game really reached its file.
TEST_F(UnsavedGame, ASaveThatDoesNotHappenStopsTheCommand) {
    stat(2, "cmdast");
    const std::string before = gameBytes();
    for (Command command : {Command::New, Command::Open, Command::Exit, Command::Close}) {
        for (const std::optional<std::string>& answer :
             {std::optional<std::string>(), std::optional(path("missing/x.txt"))}) {
            dialogs.shown.clear();
            dialogs.unsavedAnswers = {UnsavedAnswer::Save};
            dialogs.fileAnswers = {answer};
            run(command);
            EXPECT_FALSE(wentOn(command, 0));
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(gameBytes(), before);
            // The save's own message says why, and nothing follows it.
            ASSERT_EQ(dialogs.shown.size(), 3u);
            EXPECT_EQ(dialogs.shown[2].kind, "message");
            EXPECT_EQ(dialogs.shown[2].title, "Error!");
        }
    }
}

// Saving again to the game's own file asks nothing; any other existing file is confirmed.
TEST_F(UnsavedGame, TheSaveDialogConfirmsReplacingOnlyAnotherFile) {
    auto lastSave = [&]() -> const FileDialogSetup& {
        for (auto it = dialogs.shown.rbegin(); it != dialogs.shown.rend(); ++it)
            if (it->kind == "save") return it->setup;
        throw std::runtime_error("no save dialog");
    };
    stat(2, "cmdast");
    saveTo(path("tonight.txt"));
    EXPECT_TRUE(lastSave().confirmOverwrite);
    EXPECT_EQ(lastSave().ownFile, "");
    stat(2, "cmdast");
    saveTo(path("tonight.txt"));
    EXPECT_EQ(lastSave().ownFile, path("tonight.txt"));

    openFrom(path("tonight.txt"));
    saveTo(path("other.txt"));
    EXPECT_EQ(lastSave().ownFile, path("tonight.txt"));
    EXPECT_EQ(lastSave().startName, path("tonight.txt"));

    trigger("mnuFileNew");
    saveTo(path("new.txt"));
    EXPECT_EQ(lastSave().ownFile, "");
}

} // namespace
} // namespace tallivant::testing
