// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the command line asks for: the window (with a game), files written with no window, the
// help, the version, or the usage for a command line that is not understood. (The program run
// as a process, with what it prints and its exit status: command_line_linux_test.cpp.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/command_line.h"

namespace tallivant::testing {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, ReadsWhatToDoAndLetsQtsWindowOptionsThrough) {
    const struct {
        std::vector<std::string> arguments;
        Action action;
        std::string game, pdf, csv;
        QString says;
    } cases[] = {
        {{"tallivant"}, Action::Window, "", "", "", ""},
        {{"tallivant", "lincoln.txt"}, Action::Window, "lincoln.txt", "", "", ""},
        {{"tallivant", "-platform", "offscreen", "-style", "fusion", "-reverse", "g.txt"},
         Action::Window,
         "g.txt",
         "",
         "",
         ""},
        {{"tallivant", "--", "-odd name.txt"}, Action::Window, "-odd name.txt", "", "", ""},
        {{"tallivant", "g.txt", "--csv=out.csv"}, Action::Export, "g.txt", "", "out.csv", ""},
        {{"tallivant", "--csv", "b.csv", "--pdf", "r.pdf", "Zoë's game.txt"},
         Action::Export,
         "Zoë's game.txt",
         "r.pdf",
         "b.csv",
         ""},
        {{"tallivant", "-h"}, Action::Help, "", "", "", "--pdf <OUT>"},
        {{"tallivant", "--version"}, Action::Version, "", "", "", "Tallivant 1."},
        {{"tallivant", "--csv", "", "g.txt"}, Action::Wrong, "", "", "", "needs a file name"},
        {{"tallivant", "--pdf", "a", "--pdf", "b", "g"},
         Action::Wrong,
         "",
         "",
         "",
         "more than once"},
        {{"tallivant", "a.txt", "b.txt"}, Action::Wrong, "", "", "", "one game file at a time"},
        // A forgotten name: the next option is not taken for a file named "--pdf".
        {{"tallivant", "--csv", "--pdf", "g.txt"}, Action::Wrong, "", "", "", "needs a file name"},
        {{"tallivant", "--csv", "-", "g.txt"}, Action::Export, "g.txt", "", "-", ""},
        // Names are kept as their bytes (on Windows, the command line's UTF-16 as UTF-8).
        {{"tallivant", "--pdf", "Zo\xC3\xAB.pdf", "g.txt"},
         Action::Export,
         "g.txt",
         "Zo\xC3\xAB.pdf",
         "",
         ""},
#ifndef _WIN32
        {{"tallivant", "--csv", "b\xFF.csv", "g\xE9.txt"},
         Action::Export,
         "g\xE9.txt",
         "",
         "b\xFF.csv",
         ""},
#endif
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const std::string& a : c.arguments)
            shown += a + " ";
        SCOPED_TRACE(shown);
        const CommandLine line = readCommandLine(c.arguments);
        EXPECT_EQ(line.action, c.action);
        if (c.action == Action::Window || c.action == Action::Export) {
            EXPECT_EQ(line.game, c.game);
            EXPECT_EQ(line.pdf, c.pdf);
            EXPECT_EQ(line.csv, c.csv);
        }
        EXPECT_TRUE(line.text.contains(c.says)) << line.text.toStdString();
        // The help and the usage under what is wrong show the options; Qt's are accepted only.
        if (c.action == Action::Help || c.action == Action::Wrong) {
            EXPECT_TRUE(line.text.contains("Usage: "));
            EXPECT_FALSE(line.text.contains("platform"));
        }
    }
}

} // namespace
} // namespace tallivant::testing
