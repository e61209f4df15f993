// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/columns.h"

namespace tallivant {

const std::array<ColumnInfo, kColumns> kColumnTable = {{
    {"fgm", "FGM", "txtfgm", "txttotfgm", 1680, "field goals made"},
    {"fga", "FGA", "txtfga", "txtfgatot", 2160, "field goals attempted"},
    {"fgper", "FG%", "txtfgper", "txtfgpertm", 2640, "field goal percentage"},
    {"ftm", "FTM", "txtftm", "txtftmtot", 3120, "free throws made"},
    {"fta", "FTA", "txtfta", "txtftatot", 3600, "free throws attempted"},
    {"ftper", "FT%", "txtftper", "txtftpertm", 4080, "free throw percentage"},
    {"3ptm", "3PTM", "txt3ptm", "txt3ptmtot", 4680, "three-pointers made"},
    {"3pta", "3PTA", "txt3pta", "txt3ptatot", 5160, "three-pointers attempted"},
    {"3ptper", "3PT%", "txt3ptper", "txt3ptpertm", 5640, "three-point percentage"},
    {"reb", "REBS", "txtreb", "txtrebtot", 6240, "rebounds"},
    {"ast", "ASTS", "txtast", "txtasttot", 6840, "assists"},
    {"to", "TurnOver's", "txtto", "txttotot", 7680, "turnovers"},
    {"stl", "STLS", "txtstl", "txtstltot", 8520, "steals"},
    {"blk", "BLKS", "txtblk", "txtblktot", 9120, "blocks"},
    {"pf", "Prsnl Fls", "txtpf", "txtpftot", 9720, "personal fouls"},
    {"tf", "TechFls", "txttf", "txttftot", 10560, "technical fouls"},
    {"pts", "Points", "txtpnts", "txttmptstot", 11280, "points"},
}};

const std::array<std::string_view, kQuarters> kQuarterCodes = {"1st", "2nd", "3rd", "4th", "ot"};

std::string spokenLine(int line) {
    static constexpr std::array<std::string_view, kQuarters + 1> teamLines = {
        "First quarter",  "Second quarter", "Third quarter",
        "Fourth quarter", "Overtime",       "Game totals"};
    if (line < kPlayers) return "Player " + std::to_string(line + 1);
    return std::string(teamLines[line - kPlayers]);
}

std::string fieldName(Field f) {
    const ColumnInfo& c = kColumnTable[f.col];
    if (f.line < kPlayers) return std::string(c.playerArray) + "_" + std::to_string(f.line);
    if (f.line == kTotalsLine) return std::string(c.totalName);
    return "txt" + std::string(kQuarterCodes[f.line - kPlayers]) + std::string(c.code);
}

} // namespace tallivant
