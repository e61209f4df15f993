// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/game_session.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include "formats/matchup_records.h"
#include "formats/saved_game.h"

namespace tallivant {

namespace {

// What is kept between runs: named in full, so that it is the same place whatever names the
// application was given. An INI file on every system (on Windows in %APPDATA%\Tallivant, not
// the registry), so that one user's programs running at once, the tests among them, can each be
// given a file of their own.
const QString kOrganization = QStringLiteral("Tallivant");
const QString kApplication = QStringLiteral("Tallivant");
const QString kFolderKey = QStringLiteral("folder");
// Our team's name and the rules, for the next game: a "Details" record of the game file.
const QString kDetailsKey = QStringLiteral("details");

QString keptText(const QString& key) {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, kOrganization, kApplication)
        .value(key)
        .toString();
}

void keepText(const QString& key, const QString& text) {
    QSettings(QSettings::IniFormat, QSettings::UserScope, kOrganization, kApplication)
        .setValue(key, text);
}

GameDetails rememberedDetails() {
    const QString record = keptText(kDetailsKey);
    Matchup matchup;
    bool leftOut = false;
    for (const auto& values : splitRecords(record.toStdString()))
        readMatchupRecord(values, matchup, leftOut);
    GameDetails details;
    details.team = matchup.details.team;
    details.rules = matchup.details.rules;
    return details;
}

void rememberDetails(const GameDetails& details) {
    Matchup kept;
    kept.details.team = details.team;
    kept.details.rules = details.rules;
    keepText(kDetailsKey, QString::fromStdString(detailsText(kept)).trimmed());
}

} // namespace

GameSession::GameSession(Dialogs& dialogs, FilesHost& host, const std::string& stateFolder)
    : dialogs_(dialogs), host_(host), game_(dialogs), copy_(dialogs, stateFolder),
      files_(game_, dialogs, host) {
    // The game's own boxes ("Please select player first.", foul trouble) in the scorer's
    // language.
    game_.setTranslate([](std::string_view english) { return fromCore(english); });
    game_.setMatchup({rememberedDetails(), {}});
    copy_.watchSharing([this] { return share_.sharing(); });
    // The page follows every change the recovery copy keeps, off the stat's path.
    QObject::connect(&copy_, &RecoveryCopy::changeKept, &share_, [this] {
        if (share_.on() && !inFileCommand_)
            share_.update(snapshotOf(game_, host_.currentQuarter()));
    });
}

std::optional<std::string> GameSession::startSharing(const Sharing& sharing) {
    if (auto refused = share_.start(sharing)) return refused;
    share_.update(snapshotOf(game_, host_.currentQuarter()));
    copy_.changed();
    copy_.keep();
    return std::nullopt;
}

void GameSession::stopSharing() {
    share_.stop();
    copy_.changed();
    copy_.keep();
}

template <typename Command> void GameSession::fileCommand(Command command) {
    // What the command shows on its way (a new game's empty sheet, a game being opened) is not
    // the shared game: the page gets the game as the command leaves it, or, when the command
    // put another game on the sheet, stays with the shared game as it was.
    const int before = files_.gamesShown();
    inFileCommand_ = true;
    command();
    inFileCommand_ = false;
    if (files_.gamesShown() != before && share_.on()) {
        share_.stop();
        host_.tell(translated("Strip", kSharingStopped));
    }
    copy_.keep();
    if (share_.on()) share_.update(snapshotOf(game_, host_.currentQuarter()));
}

void GameSession::recordOpponent(OpponentWhat what, Quarter quarter) {
    game_.recordOpponent(what, quarter);
    copy_.keep();
}

Game::UndoneEntry GameSession::undoNewest() {
    const Game::UndoneEntry undone = game_.undoNewest();
    copy_.keep();
    return undone;
}

void GameSession::setDetails(const GameDetails& details,
                             const std::array<std::optional<int>, kQuarters>& points) {
    game_.setDetails(details);
    const auto now = opponentPointsByQuarter(game_.matchup().opponent);
    for (int q = 0; q < kQuarters; ++q) {
        const auto& figure = points[static_cast<std::size_t>(q)];
        if (figure && *figure != now[static_cast<std::size_t>(q)])
            game_.recordOpponent(OpponentWhat::Set, static_cast<Quarter>(q), *figure);
    }
    rememberDetails(details);
    copy_.keep();
}

void GameSession::record(int stat, Quarter quarter) {
    game_.record(stat, quarter);
    copy_.keep();
}

void GameSession::takeback() {
    game_.takeback();
    copy_.keep();
}

void GameSession::newGame() {
    fileCommand([this] { files_.newGame(); });
}

void GameSession::newGameSameRoster() {
    fileCommand([this] { files_.newGameSameRoster(); });
}

void GameSession::openGame(const std::optional<std::string>& path) {
    fileCommand([this, &path] { files_.openGame(path); });
}

void GameSession::saveGame() {
    files_.savegame();
    copy_.keep();
}

void GameSession::saveToOwnFile() {
    files_.saveToOwnFile();
    copy_.keep();
}

void GameSession::editRoster() {
    files_.editRoster();
    copy_.keep();
}

void GameSession::changed() {
    copy_.changed();
    copy_.keep();
}

std::optional<ScreenMarks> GameSession::offerRecovery() {
    auto found = copy_.recovery().claimLeftBehind();
    if (!found) return std::nullopt;
    // Which game it is: its file, when it was last changed, and the first names of its roster.
    const KeptGame& kept = found->kept;
    QStringList names;
    for (int n = 1; n <= 3; ++n)
        names << QString::fromStdString(withoutAmpersands(kept.game.names[n - 1]));
    const QString when =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(found->changed), QLocale::ShortFormat);
    //: %1 is the game's file (or "not yet saved"), %2 when it last changed, %3 the first names
    const QString informative =
        QCoreApplication::translate("GameSession", "File: %1\nLast change: %2\nPlayers: %3")
            .arg(kept.label.empty() ? QCoreApplication::translate("GameSession", kNotYetSaved)
                                    : QString::fromStdString(kept.label),
                 when, names.join(QStringLiteral(", ")));
    if (!dialogs_.restoreOrDiscard(translated("GameSession", kRestoreText),
                                   informative.toStdString(),
                                   translated("GameSession", kRestoreTitle))) {
        copy_.discardClaimed();
        copy_.recovery().remove();
        return std::nullopt;
    }
    files_.restore(kept, found->changed);
    // The restored game goes on sharing where it did.
    if (!kept.sharing.folder.empty())
        if (const auto refused = startSharing(kept.sharing))
            host_.tell(filled(QCoreApplication::translate("Strip", kNotSharing),
                              kept.sharing.folder, *refused));
    return kept.marks;
}

std::string GameSession::startFolder() {
    const QString last = keptText(kFolderKey);
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last.toStdString();
    // Not one that does not exist: the dialog would propose a name there and the save fail.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents.toStdString() : std::string();
}

void GameSession::folderUsed(const std::string& folder) {
    keepText(kFolderKey, QString::fromStdString(folder));
}

} // namespace tallivant
