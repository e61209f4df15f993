// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sheets with known texts for the report tests, the report's lines written out independently
// of the program's tables (texts at 1-based columns, padded with blanks), and the printing
// error as the scorer sees it.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "support/game_fixture.h"

namespace tallivant::testing {

// Each text starts at its column; the columns must leave room for the text before.
inline std::string at(std::initializer_list<std::pair<int, std::string>> items) {
    std::string line;
    for (const auto& [column, text] : items) {
        const std::size_t start = static_cast<std::size_t>(column - 1);
        EXPECT_LE(line.size(), start) << "oracle columns overlap at " << column;
        line.resize(start, ' ');
        line += text;
    }
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

// Every field holds a text of its own, so that a value in the wrong column or from the wrong
// line shows: the field's number (line times 17 plus column), negative on odd player lines,
// with a percent sign in the percentage columns. Short enough to fit its column in any face.
inline void fillDistinct(Game& game) {
    for (int id = 0; id < kFields; ++id) {
        const Field f = Field::fromId(id);
        std::string text = std::to_string(id);
        if (f.col == FGPER || f.col == FTPER || f.col == TPPER)
            text += "%";
        else if (f.line < kPlayers && f.line % 2 == 1)
            text = "-" + text;
        game.setText(f, text);
    }
}

// Twelve short names, one to a line of the report.
inline void nameEveryone(Game& game) {
    const char* names[] = {"Ann", "Bea", "Cy",  "Dee", "Eve", "Flo",
                           "Gus", "Hal", "Ivy", "Jo",  "Kit", "Lu"};
    for (int n = 1; n <= kPlayers; ++n)
        game.setName(n, names[n - 1]);
}

inline void expectPrintingError(const Shown& shown) {
    EXPECT_EQ(shown.kind, "message");
    EXPECT_EQ(shown.text, "Make sure the printer is on and has paper.");
    EXPECT_EQ(shown.title, "Error Printing");
    EXPECT_EQ(shown.icon, Icon::Critical);
}

inline const std::vector<std::string>& quarterLabels() {
    static const std::vector<std::string> labels = {
        "1st Qtr Totals", "2nd Qtr Totals", "3rd Qtr Totals", "4th Qtr Totals", "Overtime Totals"};
    return labels;
}

inline const std::vector<std::string>& quarterPrefixes() {
    static const std::vector<std::string> prefixes = {"txt1st", "txt2nd", "txt3rd", "txt4th",
                                                      "txtot"};
    return prefixes;
}

// The 45 lines expected for a game whose every line fits, built from the field names.
inline std::vector<std::string> expectedReport(const Game& game) {
    auto t = [&game](const std::string& name) { return game.text(fieldByName(name)); };
    const std::string dashes49(49, '-'), dashes84(84, '-'), dashes36(36, '-'), dashes70(70, '-'),
        dashes67(67, '-');
    std::vector<std::string> out;

    out.push_back(at({{3, "Name"},
                      {21, "FGM"},
                      {28, "FGA"},
                      {35, "FG%"},
                      {47, "FTM"},
                      {54, "FTA"},
                      {61, "FT%"},
                      {70, "3PM"},
                      {77, "3PA"},
                      {84, "3P%"},
                      {110, "Tallivant"}}));
    out.push_back("  " + dashes49 + dashes84);
    auto shooting = [&](const std::string& label, const std::string& fgm, const std::string& fga,
                        const std::string& fgper, const std::string& ftm, const std::string& fta,
                        const std::string& ftper, const std::string& tpm, const std::string& tpa,
                        const std::string& tpper) {
        out.push_back(at({{3, label},
                          {21, t(fgm)},
                          {28, t(fga)},
                          {35, t(fgper)},
                          {47, t(ftm)},
                          {54, t(fta)},
                          {61, t(ftper)},
                          {71, t(tpm)},
                          {78, t(tpa)},
                          {85, t(tpper)}}));
    };
    for (int i = 0; i < 12; ++i) {
        const std::string n = "_" + std::to_string(i);
        shooting(game.name(i + 1), "txtfgm" + n, "txtfga" + n, "txtfgper" + n, "txtftm" + n,
                 "txtfta" + n, "txtftper" + n, "txt3ptm" + n, "txt3pta" + n, "txt3ptper" + n);
    }
    for (int q = 0; q < 5; ++q) {
        const std::string p = quarterPrefixes()[q];
        shooting(quarterLabels()[q], p + "fgm", p + "fga", p + "fgper", p + "ftm", p + "fta",
                 p + "ftper", p + "3ptm", p + "3pta", p + "3ptper");
    }
    out.push_back("  " + dashes49 + dashes84);
    shooting("Game Totals", "txttotfgm", "txtfgatot", "txtfgpertm", "txtftmtot", "txtftatot",
             "txtftpertm", "txt3ptmtot", "txt3ptatot", "txt3ptpertm");

    out.insert(out.end(), 3, "");

    out.push_back(
        at({{3, "Name"},
            {21, "REB    AST    TO      STL     BLK       PF       TF          Points"}}));
    out.push_back("  " + dashes36 + dashes70);
    auto others = [&](const std::string& label, const std::string& reb, const std::string& ast,
                      const std::string& to, const std::string& stl, const std::string& blk,
                      const std::string& pf, const std::string& tf, const std::string& pts,
                      int ptsColumn) {
        out.push_back(at({{3, label},
                          {21, t(reb)},
                          {28, t(ast)},
                          {35, t(to)},
                          {41, t(stl)},
                          {49, t(blk)},
                          {57, t(pf)},
                          {65, t(tf)},
                          {ptsColumn, t(pts)}}));
    };
    for (int i = 0; i < 12; ++i) {
        const std::string n = "_" + std::to_string(i);
        others(game.name(i + 1), "txtreb" + n, "txtast" + n, "txtto" + n, "txtstl" + n,
               "txtblk" + n, "txtpf" + n, "txttf" + n, "txtpnts" + n, 73);
    }
    for (int q = 0; q < 5; ++q) {
        const std::string p = quarterPrefixes()[q];
        others(quarterLabels()[q], p + "reb", p + "ast", p + "to", p + "stl", p + "blk", p + "pf",
               p + "tf", p + "pts", 73);
    }
    out.push_back("  " + dashes36 + dashes67);
    others("Game Totals", "txtrebtot", "txtasttot", "txttotot", "txtstltot", "txtblktot",
           "txtpftot", "txttftot", "txttmptstot", 72);
    return out;
}

} // namespace tallivant::testing
