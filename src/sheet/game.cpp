// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/game.h"

#include "sheet/numbers.h"

namespace tallivant {

namespace {
// Rebounds, assists and steals are taken back from the player's line first, and that line is
// read strictly.
constexpr bool takenBackPlayerLineFirst(int col) {
    return col == REB || col == AST || col == STL;
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
    dialogs_.message(text, title, icon);
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
        tell(kNoPlayerText, "Error!", Icon::Exclamation);
        return;
    }
    tbletter_ = s.letter;
    oldplayernum_ = playernum_;
    tbquarter_ = current;
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
    add({kTotalsLine, PF}, 1);
    const Field player{playerLine(index), PF};
    add(player, 1);
    if (inFoulTrouble(index)) {
        unfinished_ = Field{qline, PF};
        tell("The player has " + text(player), "Foul trouble", Icon::Critical);
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
            tell(kNotANumber, "Alert!", Icon::Exclamation);
            return;
        }
    } else {
        const auto made = strict(s.col);
        const auto attempted =
            s.kind == StatKind::Missed ? strict(attemptedCol(s.col)) : std::optional<double>(0);
        if (!made || !attempted) {
            tell(kNotANumber, "Alert!", Icon::Exclamation);
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
    forgetTakeback();
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

} // namespace tallivant
