// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/columns.h"

#include "sheet/translatable.h"

namespace tallivant {

const std::array<ColumnInfo, kColumns> kColumnTable = {{
    {"fgm", "FGM", "txtfgm", "txttotfgm", 1680, QT_TRANSLATE_NOOP("Core", "field goals made")},
    {"fga", "FGA", "txtfga", "txtfgatot", 2160, QT_TRANSLATE_NOOP("Core", "field goals attempted")},
    {"fgper", "FG%", "txtfgper", "txtfgpertm", 2640,
     QT_TRANSLATE_NOOP("Core", "field goal percentage")},
    {"ftm", "FTM", "txtftm", "txtftmtot", 3120, QT_TRANSLATE_NOOP("Core", "free throws made")},
    {"fta", "FTA", "txtfta", "txtftatot", 3600, QT_TRANSLATE_NOOP("Core", "free throws attempted")},
    {"ftper", "FT%", "txtftper", "txtftpertm", 4080,
     QT_TRANSLATE_NOOP("Core", "free throw percentage")},
    {"3ptm", "3PTM", "txt3ptm", "txt3ptmtot", 4680,
     QT_TRANSLATE_NOOP("Core", "three-pointers made")},
    {"3pta", "3PTA", "txt3pta", "txt3ptatot", 5160,
     QT_TRANSLATE_NOOP("Core", "three-pointers attempted")},
    {"3ptper", "3PT%", "txt3ptper", "txt3ptpertm", 5640,
     QT_TRANSLATE_NOOP("Core", "three-point percentage")},
    {"reb", "REBS", "txtreb", "txtrebtot", 6240, QT_TRANSLATE_NOOP("Core", "rebounds")},
    {"ast", "ASTS", "txtast", "txtasttot", 6840, QT_TRANSLATE_NOOP("Core", "assists")},
    {"to", "TurnOver's", "txtto", "txttotot", 7680, QT_TRANSLATE_NOOP("Core", "turnovers")},
    {"stl", "STLS", "txtstl", "txtstltot", 8520, QT_TRANSLATE_NOOP("Core", "steals")},
    {"blk", "BLKS", "txtblk", "txtblktot", 9120, QT_TRANSLATE_NOOP("Core", "blocks")},
    {"pf", "Prsnl Fls", "txtpf", "txtpftot", 9720, QT_TRANSLATE_NOOP("Core", "personal fouls")},
    {"tf", "TechFls", "txttf", "txttftot", 10560, QT_TRANSLATE_NOOP("Core", "technical fouls")},
    {"pts", "Points", "txtpnts", "txttmptstot", 11280, QT_TRANSLATE_NOOP("Core", "points")},
}};

const std::array<std::string_view, kQuarters> kQuarterCodes = {"1st", "2nd", "3rd", "4th", "ot"};

std::string_view spokenLineText(int line) {
    static constexpr std::array<std::string_view, kQuarters + 1> teamLines = {
        QT_TRANSLATE_NOOP("Core", "First quarter"), QT_TRANSLATE_NOOP("Core", "Second quarter"),
        QT_TRANSLATE_NOOP("Core", "Third quarter"), QT_TRANSLATE_NOOP("Core", "Fourth quarter"),
        QT_TRANSLATE_NOOP("Core", "Overtime"),      QT_TRANSLATE_NOOP("Core", "Game totals")};
    //: what a screen reader says of a player's line: %1 is its number, 1 to 12
    if (line < kPlayers) return QT_TRANSLATE_NOOP("Core", "Player %1");
    return teamLines[line - kPlayers];
}

std::string spokenLine(int line) {
    return filledIn(spokenLineText(line), {std::to_string(line + 1)});
}

std::string fieldName(Field f) {
    const ColumnInfo& c = kColumnTable[f.col];
    if (f.line < kPlayers) return std::string(c.playerArray) + "_" + std::to_string(f.line);
    if (f.line == kTotalsLine) return std::string(c.totalName);
    return "txt" + std::string(kQuarterCodes[f.line - kPlayers]) + std::string(c.code);
}

} // namespace tallivant
