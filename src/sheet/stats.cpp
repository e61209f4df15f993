// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/stats.h"

namespace tallivant {

namespace {
constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kVeryLightGrey = 0xE0E0E0;
} // namespace

const std::array<StatInfo, kStats> kStatTable = {{
    {'c', "&c--FG", "cmdfgm", StatKind::Made, FGM, 2, 0, 1080, 1215, 255, kVeryLightGrey,
     "Field goal made"},
    {'v', "&v--FG ", "cmdfgmiss", StatKind::Missed, FGM, 0, 1320, 1080, 735, 255, kWhite,
     "Field goal missed"},
    {'d', "&d--FT", "cmdftm", StatKind::Made, FTM, 1, 0, 720, 1215, 255, kVeryLightGrey,
     "Free throw made"},
    {'f', "&f--FT", "cmdftmiss", StatKind::Missed, FTM, 0, 1320, 720, 735, 255, kWhite,
     "Free throw missed"},
    {'e', "&e--3PT ", "cmd3pm", StatKind::Made, TPM, 3, 0, 360, 1215, 255, kVeryLightGrey,
     "Three-pointer made"},
    {'r', "&r--3PT", "cmd3pmiss", StatKind::Missed, TPM, 0, 1320, 360, 735, 255, kWhite,
     "Three-pointer missed"},
    {'u', "&u--AST", "cmdast", StatKind::Count, AST, 0, 2400, 0, 735, 375, kVeryLightGrey,
     "Assist"},
    {'h', "&h--Reb", "cmdreb", StatKind::Count, REB, 0, 3360, 0, 735, 375, kWhite, "Rebound"},
    {'n', "&n--T Over", "cmdto", StatKind::Count, TO, 0, 4320, 0, 975, 255, kVeryLightGrey,
     "Turnover"},
    {'o', "&o--STL", "cmdstl", StatKind::Count, STL, 0, 2400, 840, 735, 375, kVeryLightGrey,
     "Steal"},
    {'k', "&k--BLK", "cmdblk", StatKind::Count, BLK, 0, 3360, 600, 735, 255, kWhite, "Block"},
    {'m', "&m-P Foul", "cmdpf", StatKind::Count, PF, 0, 4440, 480, 975, 255, kVeryLightGrey,
     "Personal foul"},
    {'t', "&t--T Foul", "cmdtf", StatKind::Count, TF, 0, 4440, 960, 855, 255, kVeryLightGrey,
     "Technical foul"},
}};

std::optional<int> statIndex(char letter) {
    for (int i = 0; i < kStats; ++i)
        if (kStatTable[i].letter == letter) return i;
    return std::nullopt;
}

std::optional<int> statIndex(std::string_view letter) {
    if (letter.size() != 1) return std::nullopt;
    return statIndex(letter[0]);
}

} // namespace tallivant
