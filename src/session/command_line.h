// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line. `tallivant [GAME]` starts the window, with GAME opened as File|Open opens
// it; `tallivant --pdf OUT GAME`, `--csv OUT GAME`, `--json OUT GAME` and `--html OUT GAME`
// write the game's report, box score, or live page's JSON and page, and end, with no window and no
// display; `tallivant --season-pdf OUT GAME...` and `--season-csv OUT GAME...` do the same for the
// season of the games. Exit status: 0 done, 1 a game did not open (for a season: any was left out,
// after the others were written) or a file was not written (the reasons on standard error), 2 a
// command line not understood (the usage on standard error). Qt's own options for a window
// (-platform, -style, …) pass to the window. No output ever replaces a game file or one of the
// games read, and when one is refused none is written. File names stay the bytes they were given as
// (on Windows, UTF-8), valid UTF-8 or not.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace tallivant {

struct CommandLine {
    enum class Action {
        Window,  // the window, with `game` opened when there is one
        Export,  // `pdf`, `csv` or both written from `game`, or `seasonPdf`, `seasonCsv` or both
                 // from `games`; no window
        Help,    // `text` on standard output
        Version, // `text` on standard output
        Wrong,   // `text` (what is wrong, then the usage) on standard error
    } action = Action::Window;
    std::string game;
    std::string pdf;
    std::string csv;
    std::string json;               // the live page's game.json
    std::string html;               // the live page's index.html
    std::vector<std::string> games; // of a season
    std::string seasonPdf;
    std::string seasonCsv;
    QString text;

    bool writesGame() const {
        return !pdf.empty() || !csv.empty() || !json.empty() || !html.empty();
    }
    // The PDF's faces need Qt's fonts; CSV alone does not.
    bool needsFonts() const { return !pdf.empty() || !seasonPdf.empty(); }
};

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Reads the arguments, the program's name first, as QCoreApplication::arguments() gives them.
// Needs a QCoreApplication, whose own arguments name the program in the usage.
// The program's arguments as given: the bytes of argv (POSIX), or the command line's UTF-16 as
// UTF-8 (Windows, where the application `QCoreApplication` must exist).
std::vector<std::string> argumentBytes(int argc, char** argv);

CommandLine readCommandLine(const std::vector<std::string>& arguments);

// Writes the files an Export asks for, the PDF first. Needs a QGuiApplication when it asks for
// a PDF (the report's faces), a QCoreApplication otherwise. Returns the exit status, having
// written any reason to standard error.
int writeExports(const CommandLine& line);

// A file name given on the command line, made absolute, its bytes kept.
std::string absolute(const std::string& path);

// Prints the text of Help, Version or Wrong where it belongs and returns the exit status.
int answer(const CommandLine& line);

// Keeps Qt's own debug, information and warning messages (such as a missing XDG_RUNTIME_DIR in
// a cron job) off standard error, which is for the program's reasons alone; its critical and
// fatal messages still go there. `on` false gives Qt its own handling back.
void quietQtMessages(bool on);

} // namespace tallivant
