// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/game.h"

#include <algorithm>
#include <ctime>
#include <utility>

#include "sheet/numbers.h"

namespace tallivant {

namespace {
// Rebounds, assists and steals are taken back from the player's line first, and that line is
// read strictly.
constexpr bool takenBackPlayerLineFirst(int col) {
    return col == REB || col == AST || col == STL;
}

std::string clockTimeOfDay() {
    const std::time_t now = std::time(nullptr);
#ifdef _WIN32
    const std::tm* local = std::localtime(&now);
#else
    // Not localtime(), which looks at the system's time zone file again on every call: a
    // microsecond and more on every stat.
    std::tm buffer;
    const std::tm* local = localtime_r(&now, &buffer);
#endif
    std::string text = "00:00:00";
    if (!local) return text;
    for (const auto& [at, n] :
         {std::pair{0, local->tm_hour}, {3, local->tm_min}, {6, local->tm_sec}}) {
        text[at] = static_cast<char>('0' + n / 10 % 10);
        text[at + 1] = static_cast<char>('0' + n % 10);
    }
    return text;
}

// The stat of a play that the sheet can hold: a stat letter, a player and a quarter that exist.
const StatInfo* statOf(const Play& p) {
    const auto row = statIndex(p.letter);
    const int q = static_cast<int>(p.quarter);
    if (!row || p.player < 1 || p.player > kPlayers || q < 0 || q >= kQuarters) return nullptr;
    return &kStatTable[*row];
}

// The lines a play counts on: its player's, its quarter's and the game totals; none (-1) once
// it no longer counts.
using Lines = std::array<int, 3>;
Lines linesOf(const Play& p) {
    if (!p.counted) return {-1, -1, -1};
    return {playerLine(p.player - 1), quarterLine(p.quarter), kTotalsLine};
}
bool holds(const Lines& lines, int line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}
} // namespace

Game::Game(Dialogs& dialogs) : dialogs_(dialogs) {
    fields_.fill("0");
}

void Game::setText(Field f, std::string text) {
    std::string& field = fields_[f.id()];
    if (field != text) {
        field = std::move(text);
        setUnsaved(true);
    }
    notify(f);
}

void Game::setName(int player, std::string name) {
    std::string& current = names_[player - 1];
    if (current != name) {
        current = std::move(name);
        setUnsaved(true);
    }
    if (listener_) listener_->nameChanged(player);
}

std::string Game::withOwnSeparator(std::string text) const {
    const auto at = text.find_first_of(".,");
    if (at == std::string::npos || at == 0 || text.find_first_of(".,", at + 1) != std::string::npos)
        return text;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const auto percent = text.find_last_not_of(" \t");
    if (text[percent] != '%' || !digit(text[at - 1]) || at + 1 >= text.size() ||
        !digit(text[at + 1]))
        return text;
    text.replace(at, 1, decimalSeparator_);
    return text;
}

std::string Game::now() const {
    return timeOfDay_ ? timeOfDay_() : clockTimeOfDay();
}

void Game::setUnsaved(bool unsaved) {
    if (unsaved_ == unsaved) return;
    unsaved_ = unsaved;
    if (listener_) listener_->unsavedChanged();
}

bool Game::inFoulTrouble(int index) const {
    return value({playerLine(index), PF}) >= kFoulTrouble;
}

void Game::tell(const std::string& text, const char* title, Icon icon) {
    if (listener_) listener_->boxOpening();
    dialogs_.message(text, shown(title), icon);
}

void Game::setPlayernum(int player) {
    playernum_ = player;
    if (listener_) listener_->selectionChanged();
}

void Game::selectPlayer(int player) {
    if (player >= 1 && player <= kPlayers) setPlayernum(player);
}

void Game::deselect() {
    setPlayernum(0);
}

void Game::forgetTakeback() {
    tbletter_ = 0;
    oldplayernum_ = 0;
    tbquarter_ = Quarter::First;
}

void Game::restoreMemory(const GameMemory& memory) {
    forgetTakeback();
    const auto player = [](int n) { return n >= 0 && n <= kPlayers; };
    setPlayernum(player(memory.playernum) ? memory.playernum : 0);
    const int quarter = static_cast<int>(memory.tbquarter);
    if (!statIndex(memory.tbletter) || !player(memory.oldplayernum) || quarter < 0 ||
        quarter >= kQuarters)
        return;
    // A takeback takes back the last play, so the memory must be that play's. (A game kept
    // without its plays keeps the memory: there is no play to check it against.)
    if (!plays_.empty()) {
        const Play& last = plays_.back();
        if (!last.counted || last.letter != memory.tbletter || last.player != memory.oldplayernum ||
            last.quarter != memory.tbquarter)
            return;
    }
    tbletter_ = memory.tbletter;
    oldplayernum_ = memory.oldplayernum;
    tbquarter_ = memory.tbquarter;
}

void Game::zeroSheet() {
    for (int id = 0; id < kFields; ++id)
        setText(Field::fromId(id), "0");
}

double Game::value(Field f) const {
    return readLenient(fields_[f.id()]);
}

void Game::add(Field f, double amount) {
    setText(f, formatCount(value(f) + amount));
}

void Game::writePercent(int line, int madeCol, bool divideNegative) {
    setText({line, percentCol(madeCol)},
            percentText(value({line, madeCol}), value({line, attemptedCol(madeCol)}),
                        decimalSeparator_, divideNegative));
}

void Game::record(int statRow, Quarter current) {
    const StatInfo& s = kStatTable.at(statRow);
    // A press without a player changes nothing, not even the takeback memory: the stat the
    // scorer may want to take back is still the last one recorded.
    if (playernum_ == 0) {
        tell(shown(kNoPlayerText), QT_TRANSLATE_NOOP("Core", "Error!"), Icon::Exclamation);
        return;
    }
    tbletter_ = s.letter;
    oldplayernum_ = playernum_;
    tbquarter_ = current;
    // In the list before the first field is written: a box in the middle of the stat sees a
    // list that already holds it, as a copy of the game taken then holds the whole stat.
    Play play;
    play.number = plays_.empty() ? 1 : plays_.back().number + 1;
    play.time = now();
    play.quarter = current;
    play.player = playernum_;
    play.letter = s.letter;
    plays_.push_back(std::move(play));
    if (listener_) listener_->playsChanged();
    const int index = playernum_ - 1;
    const int qline = quarterLine(current);
    if (s.kind == StatKind::Count)
        recordCount(s, index, qline);
    else
        recordShot(s, index, qline);
}

void Game::recordCount(const StatInfo& s, int index, int qline) {
    if (s.col != PF) {
        add({qline, s.col}, 1);
        add({kTotalsLine, s.col}, 1);
        add({playerLine(index), s.col}, 1);
        setPlayernum(0);
        return;
    }
    // The personal foul warns before its quarter field is written, and keeps the player
    // selected so that the next stat of the same play needs no new name click.
    const bool wasOut = isFouledOut(index + 1);
    add({kTotalsLine, PF}, 1);
    const Field player{playerLine(index), PF};
    add(player, 1);
    if (inFoulTrouble(index)) {
        unfinished_ = Field{qline, PF};
        tell(foulTroubleText(index + 1, wasOut), kFoulTroubleTitle, Icon::Critical);
        unfinished_.reset();
    }
    add({qline, PF}, 1);
}

void Game::recordShot(const StatInfo& s, int index, int qline) {
    const bool isMade = s.kind == StatKind::Made;
    if (isMade) add({qline, s.col}, 1);
    add({qline, attemptedCol(s.col)}, 1);
    writePercent(qline, s.col, false);
    if (isMade) add({qline, PTS}, s.points);

    shotTotalsAndPlayer(s, index, 1);
    setPlayernum(0);
    writePercent(kTotalsLine, s.col, false);
}

// The game totals and the player's line of one shot, recorded (sign 1) or taken back (-1).
// A made free throw writes its total attempt before its total make.
void Game::shotTotalsAndPlayer(const StatInfo& s, int index, int sign) {
    const int made = s.col;
    const int attempted = attemptedCol(made);
    const bool isMade = s.kind == StatKind::Made;
    if (isMade && made == FTM) {
        add({kTotalsLine, attempted}, sign);
        add({kTotalsLine, made}, sign);
    } else {
        if (isMade) add({kTotalsLine, made}, sign);
        add({kTotalsLine, attempted}, sign);
    }
    if (isMade) add({kTotalsLine, PTS}, sign * s.points);

    const int pline = playerLine(index);
    if (isMade) {
        add({pline, made}, sign);
        add({pline, PTS}, sign * s.points);
    }
    add({pline, attempted}, sign);
    writePercent(pline, made, sign < 0);
}

void Game::takeback() {
    const int tpnum = oldplayernum_;
    const auto row = statIndex(tbletter_);
    // Nothing recorded since the start, a new or opened game, or the last takeback.
    if (!row || tpnum == 0) return;
    const StatInfo& s = kStatTable[*row];
    const int index = tpnum - 1;
    const int pline = playerLine(index);

    auto strict = [&](int col) { return readStrict(text({pline, col})); };
    if (s.kind == StatKind::Count) {
        if (takenBackPlayerLineFirst(s.col) && !strict(s.col)) {
            tell(shown(kNotANumber), QT_TRANSLATE_NOOP("Core", "Alert!"), Icon::Exclamation);
            return;
        }
    } else {
        const auto made = strict(s.col);
        const auto attempted =
            s.kind == StatKind::Missed ? strict(attemptedCol(s.col)) : std::optional<double>(0);
        if (!made || !attempted) {
            tell(shown(kNotANumber), QT_TRANSLATE_NOOP("Core", "Alert!"), Icon::Exclamation);
            return;
        }
        // A made shot needs a make to take back; a miss needs an attempt that is not the
        // line's only make.
        if (s.kind == StatKind::Made && *made == 0) return;
        if (s.kind == StatKind::Missed && ((*made == 1 && *attempted == 1) || *attempted == 0))
            return;
    }

    const int qline = quarterLine(tbquarter_);
    if (s.kind == StatKind::Count)
        takebackCount(s, index, qline);
    else
        takebackShot(s, index, qline);
    markTakenBack(tpnum);
    forgetTakeback();
}

void Game::markTakenBack(int tpnum) {
    // The memory is always that of the last play: every stat sets both, and whatever replaces
    // or corrects the plays forgets the memory.
    if (plays_.empty()) return;
    Play& last = plays_.back();
    if (!last.counted || last.letter != tbletter_ || last.player != tpnum ||
        last.quarter != tbquarter_)
        return;
    last.counted = false;
    if (listener_) listener_->playsChanged();
}

void Game::takebackCount(const StatInfo& s, int index, int qline) {
    const Field quarter{qline, s.col}, total{kTotalsLine, s.col}, player{playerLine(index), s.col};
    if (takenBackPlayerLineFirst(s.col)) {
        add(quarter, -1);
        add(player, -1);
        add(total, -1);
    } else if (s.col == PF) {
        add(total, -1);
        add(player, -1);
        add(quarter, -1);
    } else {
        add(quarter, -1);
        add(total, -1);
        add(player, -1);
    }
}

void Game::takebackShot(const StatInfo& s, int index, int qline) {
    const int made = s.col;
    const int attempted = attemptedCol(made);
    const bool isMade = s.kind == StatKind::Made;

    // The first quarter's three-pointer line is only taken down as far as it holds the shot.
    const bool firstQuarterThree = isMade && made == TPM && qline == quarterLine(Quarter::First);
    const bool takeShot = !firstQuarterThree || value({qline, made}) != 0;
    const bool takePoints = !firstQuarterThree || value({qline, PTS}) >= 3;
    if (takeShot) {
        if (isMade) add({qline, made}, -1);
        add({qline, attempted}, -1);
    }
    writePercent(qline, made, true);
    if (isMade && takePoints) add({qline, PTS}, -s.points);

    shotTotalsAndPlayer(s, index, -1);
    if (made == TPM) setPlayernum(0);
    writePercent(kTotalsLine, made, true);
}

void Game::countOnLine(const StatInfo& s, int line, int sign) {
    forEachCount(s, [&](int col, int amount) { add({line, col}, sign * amount); });
    if (s.kind != StatKind::Count) writePercent(line, s.col, false);
}

bool Game::changePlay(Play& play, const Play& after) {
    const StatInfo* s = statOf(play);
    if (!s || !statOf(after) || after.letter != play.letter) return false;
    const Lines from = linesOf(play), to = linesOf(after);
    for (const int line : from) {
        if (line < 0 || holds(to, line)) continue;
        bool enough = true;
        forEachCount(*s, [&](int col, int amount) {
            enough = enough && value({line, col}) >= amount;
        });
        if (!enough) return false;
    }
    for (const int line : from)
        if (line >= 0 && !holds(to, line)) countOnLine(*s, line, -1);
    for (const int line : to)
        if (line >= 0 && !holds(from, line)) countOnLine(*s, line, 1);
    play = after;
    return true;
}

bool Game::correctPlays(const std::vector<int>& indices, const std::function<void(Play&)>& edit,
                        const std::function<void(const Play&)>& changed) {
    std::vector<int> places;
    for (const int i : indices)
        if (i >= 0 && static_cast<std::size_t>(i) < plays_.size()) places.push_back(i);
    // Oldest first and each once, so that a step does the same whatever order it was given in.
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
    forgetTakeback();
    bool any = false;
    for (const int i : places) {
        Play after = plays_[i];
        edit(after);
        if (after == plays_[i] || !changePlay(plays_[i], after)) continue;
        any = true;
        if (changed) changed(plays_[i]);
    }
    if (any) {
        // A play that changed only in the list (a taken-back play given or moved) changes the
        // saved game too.
        setUnsaved(true);
        if (listener_) listener_->playsChanged();
    }
    return any;
}

bool Game::removePlays(const std::vector<int>& indices) {
    return correctPlays(indices, [](Play& p) { p.counted = false; });
}

bool Game::putBackPlays(const std::vector<int>& indices) {
    return correctPlays(indices, [](Play& p) { p.counted = true; });
}

bool Game::givePlays(const std::vector<int>& indices, int player) {
    if (player < 1 || player > kPlayers) return false;
    const Field fouls{playerLine(player - 1), PF};
    // The new player's personal fouls after each counted one given to him, in order, and
    // whether he was out before it.
    struct Count {
        double fouls;
        bool putOut; // this foul put the player out
    };
    std::vector<Count> counts;
    bool out = isFouledOut(player);
    const bool any = correctPlays(
        indices,
        [player](Play& p) {
            if (p.player == player) return;
            if (p.fromPlayer == 0) p.fromPlayer = p.player;
            p.player = player;
            // Given back to the player it was recorded for: no longer given.
            if (p.fromPlayer == player) p.fromPlayer = 0;
        },
        [&](const Play& p) {
            const StatInfo* s = statOf(p);
            if (p.counted && s->kind == StatKind::Count && s->col == PF) {
                const bool before = out;
                out = isFouledOut(player);
                counts.push_back({value(fouls), !before && out});
            }
        });
    // As when the fouls are recorded: a box for each from the third on, once the whole step is
    // on the sheet.
    for (const Count& c : counts) {
        if (c.fouls < kFoulTrouble) continue;
        tell(foulTroubleText(formatCount(c.fouls), player, c.putOut), kFoulTroubleTitle,
             Icon::Critical);
    }
    return any;
}

bool Game::movePlays(const std::vector<int>& indices, Quarter quarter) {
    const int q = static_cast<int>(quarter);
    if (q < 0 || q >= kQuarters) return false;
    return correctPlays(indices, [quarter](Play& p) {
        if (p.quarter == quarter) return;
        if (!p.fromQuarter) p.fromQuarter = p.quarter;
        p.quarter = quarter;
        if (p.fromQuarter == quarter) p.fromQuarter.reset();
    });
}

void Game::setPlays(Plays plays) {
    plays_ = std::move(plays);
    // The memory belongs to the last play of the list it was made with.
    forgetTakeback();
    if (listener_) listener_->playsChanged();
}

} // namespace tallivant
