// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/csv.h"
#include "formats/game_json.h"
#include "formats/live_page.h"
#include "formats/paths.h"
#include "report/pdf.h"
#include "report/season_paint.h"
#include "season/season.h"
#include "session/exports.h"
#include "session/file_commands.h"
#include "session/live_share.h"
#include "session/live_words.h"
#include "session/reasons.h"
#include "session/translated.h"
#include "sheet/game.h"
#include "system/door.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tallivant {

namespace {

// Options Qt's window programs take, read and removed by QApplication itself: accepted here so
// that they reach it.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"display", true},         {"geometry", true},
    {"qwindowgeometry", true}, {"title", true},
    {"qwindowtitle", true},    {"icon", true},
    {"qwindowicon", true},     {"name", true},
    {"session", true},         {"style", true},
    {"stylesheet", true},      {"reverse", false},
    {"widgetcount", false},    {"nograb", false},
    {"dograb", false},         {"sync", false},
};

void print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
    std::fflush(to);
}

// An argument as the parser reads it, and back, without a byte lost: on POSIX every byte is
// one character (Qt would turn a byte that is not UTF-8 into U+FFFD, and the file would not be
// found); Windows hands over UTF-16, kept as UTF-8.
#ifdef _WIN32
QString argumentText(const std::string& bytes) {
    return QString::fromStdString(bytes);
}
std::string argumentBytesOf(const QString& text) {
    return text.toStdString();
}
#else
QString argumentText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
std::string argumentBytesOf(const QString& text) {
    return text.toLatin1().toStdString();
}
#endif

// A file name as a terminal shows it.
QString shown(const std::string& path) {
    return QString::fromStdString(path);
}

// "tallivant: game.txt: No such file or directory"
int fail(const std::string& path, const std::string& reason) {
    print(stderr,
          QStringLiteral("tallivant: %1: %2\n").arg(shown(path), QString::fromStdString(reason)));
    return kExitFailed;
}

#ifdef _WIN32
// A window program has no console of its own: what it prints goes to the console it was
// started from, unless that output is redirected to a file or a pipe.
void useParentConsole() {
    const auto unset = [](DWORD which) {
        const HANDLE h = GetStdHandle(which);
        return h == nullptr || h == INVALID_HANDLE_VALUE;
    };
    const bool out = unset(STD_OUTPUT_HANDLE), err = unset(STD_ERROR_HANDLE);
    if ((!out && !err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (out) std::freopen("CONOUT$", "w", stdout);
    if (err) std::freopen("CONOUT$", "w", stderr);
}
#else
void useParentConsole() {}
#endif

// A run with no one to ask: every question is answered no, and what would have been shown is
// kept for standard error.
class NoOneToAsk : public Dialogs {
public:
    std::string openFailure; // why the game did not open
    std::vector<std::string> notes;

    void message(const std::string& text, const std::string&, Icon) override {
        notes.push_back(text);
    }
    // As the same text and items in one message would be: each item on a line of its own.
    void listMessage(const std::string& text, const std::vector<std::string>& items,
                     const std::string&, Icon) override {
        std::string note = text;
        for (const std::string& item : items)
            note += "\n" + item;
        notes.push_back(note);
    }
    void detailedMessage(const std::string& text, const std::string& detail, const std::string&,
                         Icon) override {
        if (text == translated("FileCommands", FileCommands::kOpenFailed))
            openFailure = detail;
        else
            notes.push_back(text + " " + detail);
    }
    bool okCancel(const std::string&, const std::string&) override { return false; }
    UnsavedAnswer saveDiscardCancel(const std::string&, const std::string&) override {
        return UnsavedAnswer::Cancel;
    }
    bool restoreOrDiscard(const std::string&, const std::string&, const std::string&) override {
        return false;
    }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&,
                                     std::size_t) override {
        return std::nullopt;
    }
    std::optional<int> choose(const std::string&, const std::string&,
                              const std::vector<std::string>&, int) override {
        return std::nullopt;
    }
    std::optional<std::string> openFile(const FileDialogSetup&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileDialogSetup&) override { return std::nullopt; }
    std::vector<std::string> openFiles(const FileDialogSetup&) override { return {}; }
    std::optional<std::string> chooseFolder(const FileDialogSetup&) override {
        return std::nullopt;
    }
};

// The window's part in opening a game, with no window.
class NoWindow : public FilesHost {
public:
    void switchFirstQuarterOn() override { quarter_ = Quarter::First; }
    void switchQuarterOn(Quarter quarter) override { quarter_ = quarter; }
    Quarter currentQuarter() const override { return quarter_; }
    void setFileLabel(const std::string& path) override { label_ = path; }
    std::string fileLabel() const override { return label_; }

private:
    std::string label_;
    Quarter quarter_ = Quarter::First;
};

void dropBelowCritical(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) print(stderr, text + u'\n');
}

} // namespace

std::string absolute(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(pathOf(path), ec);
    return ec ? path : utf8Of(full);
}

void quietQtMessages(bool on) {
    qInstallMessageHandler(on ? dropBelowCritical : nullptr);
}

std::vector<std::string> argumentBytes(int argc, char** argv) {
#ifdef _WIN32
    (void)argc;
    (void)argv;
    std::vector<std::string> bytes;
    for (const QString& argument : QCoreApplication::arguments())
        bytes.push_back(argument.toStdString());
    return bytes;
#else
    return std::vector<std::string>(argv, argv + argc);
#endif
}

CommandLine readCommandLine(const std::vector<std::string>& argumentList) {
    QStringList arguments;
    for (const std::string& argument : argumentList)
        arguments << argumentText(argument);
    QCommandLineParser parser;
    // Qt's options are words after a single dash ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    //: --pdf and the like are the options' names: keep them as they are
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Keeps one basketball team's statistics during a game.\nWith --pdf, "
                       "--csv, --json or --html, writes the report, the box score or the\n"
                       "live page of a game file and ends, with no window; with --season-pdf\n"
                       "or --season-csv, the same for the season totals of any number of\n"
                       "game files."));
    // Not Qt's own help option, whose --help-all would list options of Qt's that this
    // reading does not know of.
    const QCommandLineOption help(
        QStringList{QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Show this help and end."));
    const QCommandLineOption version(
        QStringList{QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the version and end."));
    parser.addOption(help);
    parser.addOption(version);
    //: GAME and OUT are the names the help gives the arguments: keep them as they are
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        QCoreApplication::translate("CommandLine", "Write the report of GAME to OUT as PDF."),
        QStringLiteral("OUT"));
    //: GAME and OUT are the names the help gives the arguments: keep them as they are
    const QCommandLineOption csv(
        QStringLiteral("csv"),
        QCoreApplication::translate(
            "CommandLine", "Write the box score of GAME to OUT as CSV, and its plays beside it "
                           "(OUT's name with -plays.csv)."),
        QStringLiteral("OUT"));
    //: GAME and OUT are the names the help gives the arguments: keep them as they are
    const QCommandLineOption seasonPdf(
        QStringLiteral("season-pdf"),
        QCoreApplication::translate("CommandLine",
                                    "Write the season totals of the GAME files to OUT as PDF."),
        QStringLiteral("OUT"));
    //: GAME and OUT are the names the help gives the arguments: keep them as they are
    const QCommandLineOption seasonCsv(
        QStringLiteral("season-csv"),
        QCoreApplication::translate("CommandLine",
                                    "Write the season totals of the GAME files to OUT as CSV."),
        QStringLiteral("OUT"));
    //: GAME and OUT are the names the help gives the arguments: keep them as they are
    const QCommandLineOption json(
        QStringLiteral("json"),
        QCoreApplication::translate("CommandLine",
                                    "Write GAME to OUT as the live page's JSON (game.json)."),
        QStringLiteral("OUT"));
    //: GAME and OUT are the names the help gives the arguments: keep them as they are
    const QCommandLineOption html(
        QStringLiteral("html"),
        QCoreApplication::translate("CommandLine",
                                    "Write the live page of GAME to OUT (index.html)."),
        QStringLiteral("OUT"));
    parser.addOption(pdf);
    parser.addOption(csv);
    parser.addOption(json);
    parser.addOption(html);
    parser.addOption(seasonPdf);
    parser.addOption(seasonCsv);
    for (const QtOption& o : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(o.name), QString(),
                                  o.takesValue ? QStringLiteral("value") : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    //: --pdf and the like are the options' names: keep them as they are
    parser.addPositionalArgument(
        QStringLiteral("GAME"),
        QCoreApplication::translate("CommandLine", "A game file, opened in the window or written "
                                                   "out by --pdf, --csv, --json and --html; for "
                                                   "--season-pdf and "
                                                   "--season-csv, the season's game files."),
        QStringLiteral("[GAME...]"));

    // The usage names the program as a user types it, not by the whole path Qt puts there.
    QString usage = parser.helpText();
    if (const QStringList own = QCoreApplication::arguments(); !own.isEmpty()) {
        const QString path = own.first();
        if (const qsizetype at = usage.indexOf(path); at >= 0)
            usage.replace(at, path.size(), QFileInfo(path).completeBaseName());
    }
    CommandLine line;
    const auto wrong = [&](const QString& what) {
        line.action = CommandLine::Action::Wrong;
        line.text = QStringLiteral("tallivant: %1\n\n%2").arg(what, usage);
        return line;
    };
    if (!parser.parse(arguments)) return wrong(shown(argumentBytesOf(parser.errorText())));
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
        line.text = usage;
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
        line.text = QStringLiteral("Tallivant " TALLIVANT_VERSION "\n");
        return line;
    }
    std::vector<std::string> games;
    for (const QString& game : parser.positionalArguments())
        games.push_back(argumentBytesOf(game));
    for (const auto& [option, value] :
         {std::pair{&pdf, &line.pdf}, std::pair{&csv, &line.csv}, std::pair{&json, &line.json},
          std::pair{&html, &line.html}, std::pair{&seasonPdf, &line.seasonPdf},
          std::pair{&seasonCsv, &line.seasonCsv}}) {
        const QStringList values = parser.values(*option);
        const QString name = option->names()[0];
        if (values.size() > 1)
            //: %1 is the option's name
            return wrong(QCoreApplication::translate("CommandLine", "--%1 is given more than once.")
                             .arg(name));
        if (values.size() == 1 && values[0].isEmpty())
            //: %1 is the option's name
            return wrong(
                QCoreApplication::translate("CommandLine", "--%1 needs a file name.").arg(name));
        // "--csv --pdf g.txt": the name was forgotten, and the next option taken for it.
        if (values.size() == 1 && values[0].startsWith(u'-') && values[0].size() > 1)
            //: %1 is the option's name, %2 the next option, taken for its file name
            return wrong(QCoreApplication::translate(
                             "CommandLine", "--%1 needs a file name, not %2 (for a file of that "
                                            "name, write ./%2).")
                             .arg(name, shown(argumentBytesOf(values[0]))));
        *value = values.isEmpty() ? std::string() : argumentBytesOf(values[0]);
    }
    if (!line.seasonPdf.empty() || !line.seasonCsv.empty()) {
        if (line.writesGame())
            return wrong(QCoreApplication::translate(
                "CommandLine", "--pdf, --csv, --json and --html write one game, "
                               "--season-pdf and --season-csv a season: not both at "
                               "once."));
        if (games.empty())
            return wrong(QCoreApplication::translate(
                "CommandLine", "--season-pdf and --season-csv need the game files to "
                               "add up."));
        line.games = games;
        line.action = CommandLine::Action::Export;
        return line;
    }
    if (games.size() > 1)
        return wrong(QCoreApplication::translate("CommandLine", "one game file at a time."));
    line.game = games.empty() ? std::string() : games.front();
    if (line.writesGame()) {
        if (line.game.empty())
            return wrong(QCoreApplication::translate(
                "CommandLine", "--pdf, --csv, --json and --html need the game file to "
                               "write from."));
        line.action = CommandLine::Action::Export;
    }
    return line;
}

int answer(const CommandLine& line) {
    useParentConsole();
    if (line.action == CommandLine::Action::Wrong) {
        print(stderr, line.text);
        return kExitUsage;
    }
    print(stdout, line.text);
    return kExitDone;
}

namespace {

// Writes the outputs through the door, none of them over `reads`: all of them, or when one
// is refused none. The status of the run.
// `names` are the outputs' names as given, for the messages.
int write(const std::vector<Output>& outputs, const std::vector<std::string>& names,
          const std::vector<std::string>& reads) {
    const auto refusal = writeOutputs(outputs, reads);
    if (!refusal) return kExitDone;
    for (std::size_t i = 0; i < outputs.size(); ++i)
        if (outputs[i].path == refusal->path)
            return fail(names[i], translatedReason(refusal->reason));
    return fail(refusal->path, translatedReason(refusal->reason));
}

// The season of the games, written where asked; every file left out is told, and makes the
// status 1 once the rest is written.
int writeSeason(const CommandLine& line) {
    const Season season = readSeason(line.games);
    for (const LeftOutFile& file : season.leftOut)
        fail(file.path, translatedReason(file.reason));
    // Not one game: there is no season to write.
    if (season.team.games == 0) return kExitFailed;

    std::vector<Output> outputs;
    std::vector<std::string> names;
    if (!line.seasonPdf.empty()) {
        std::optional<std::string> bytes = seasonPdf(season, seasonDate());
        if (!bytes) return fail(line.seasonPdf, translated("Exports", ExportCommands::kPdfNotMade));
        outputs.push_back({absolute(line.seasonPdf), std::move(*bytes)});
        names.push_back(line.seasonPdf);
    }
    if (!line.seasonCsv.empty()) {
        outputs.push_back({absolute(line.seasonCsv), seasonCsv(season)});
        names.push_back(line.seasonCsv);
    }
    if (const int status = write(outputs, names, line.games); status != kExitDone) return status;
    return season.leftOut.empty() ? kExitDone : kExitFailed;
}

} // namespace

int writeExports(const CommandLine& line) {
    useParentConsole();
    if (!line.games.empty()) return writeSeason(line);
    NoOneToAsk dialogs;
    Game game(dialogs);
    // Percentages as the window would show them on this machine, so the PDF is what it prints.
    game.setDecimalSeparator(QLocale().decimalPoint().toStdString());
    NoWindow host;
    FileCommands files(game, dialogs, host);
    files.openGame(absolute(line.game));
    if (!dialogs.openFailure.empty()) return fail(line.game, dialogs.openFailure);
    for (const std::string& note : dialogs.notes)
        print(stderr, QStringLiteral("tallivant: %1: %2\n")
                          .arg(shown(line.game), QString::fromStdString(note)));

    std::vector<Output> outputs;
    std::vector<std::string> names;
    if (!line.pdf.empty()) {
        std::optional<std::string> bytes = reportPdf(game);
        if (!bytes) return fail(line.pdf, translated("Exports", ExportCommands::kPdfNotMade));
        outputs.push_back({absolute(line.pdf), std::move(*bytes)});
        names.push_back(line.pdf);
    }
    if (!line.csv.empty()) {
        for (Output& output : boxScoreOutputs(game, absolute(line.csv)))
            outputs.push_back(std::move(output));
        names.push_back(line.csv);
        names.push_back(playsCsvPath(line.csv));
    }
    // As sharing writes them, with the names as on the buttons.
    const GameSnapshot snapshot = snapshotOf(game, host.currentQuarter());
    const std::string json = line.json.empty() && line.html.empty()
                                 ? std::string()
                                 : liveJson(snapshot, PageNames::AsOnButtons);
    if (!line.json.empty()) {
        outputs.push_back({absolute(line.json), json});
        names.push_back(line.json);
    }
    if (!line.html.empty()) {
        outputs.push_back({absolute(line.html), livePage(json, livePageWords())});
        names.push_back(line.html);
    }
    if (const int status = write(outputs, names, {line.game}); status != kExitDone) return status;
    // The plays that did not open are not in what was written: the run did not do all it was
    // asked, and says so (above) and in its status.
    return dialogs.notes.empty() ? kExitDone : kExitFailed;
}

} // namespace tallivant
