#include "sheet/columns.h"

namespace tallivant {

const std::array<ColumnInfo, kColumns> kColumnTable = {{
    {"fgm", "FGM", "txtfgm", "txttotfgm", 1680},
    {"fga", "FGA", "txtfga", "txtfgatot", 2160},
    {"fgper", "FG%", "txtfgper", "txtfgpertm", 2640},
    {"ftm", "FTM", "txtftm", "txtftmtot", 3120},
    {"fta", "FTA", "txtfta", "txtftatot", 3600},
    {"ftper", "FT%", "txtftper", "txtftpertm", 4080},
    {"3ptm", "3PTM", "txt3ptm", "txt3ptmtot", 4680},
    {"3pta", "3PTA", "txt3pta", "txt3ptatot", 5160},
    {"3ptper", "3PT%", "txt3ptper", "txt3ptpertm", 5640},
    {"reb", "REBS", "txtreb", "txtrebtot", 6240},
    {"ast", "ASTS", "txtast", "txtasttot", 6840},
    {"to", "TurnOver's", "txtto", "txttotot", 7680},
    {"stl", "STLS", "txtstl", "txtstltot", 8520},
    {"blk", "BLKS", "txtblk", "txtblktot", 9120},
    {"pf", "Prsnl Fls", "txtpf", "txtpftot", 9720},
    {"tf", "TechFls", "txttf", "txttftot", 10560},
    {"pts", "Points", "txtpnts", "txttmptstot", 11280},
}};

const std::array<std::string_view, kQuarters> kQuarterCodes = {"1st", "2nd", "3rd", "4th", "ot"};

std::string fieldName(Field f) {
    const ColumnInfo& c = kColumnTable[f.col];
    if (f.line < kPlayers) return std::string(c.playerArray) + "_" + std::to_string(f.line);
    if (f.line == kTotalsLine) return std::string(c.totalName);
    return "txt" + std::string(kQuarterCodes[f.line - kPlayers]) + std::string(c.code);
}

} // namespace tallivant
