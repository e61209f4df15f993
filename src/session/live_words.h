// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The live page's words in the scorer's language, for its writer (sharing and the command line
// write the same page): the page's own, and the English texts of game.json that the page shows.
#pragma once

#include <QCoreApplication>

#include <string>
#include <string_view>

#include "formats/live_page.h"
#include "session/translated.h"
#include "sheet/matchup.h"
#include "sheet/plays.h"
#include "sheet/rules.h"
#include "sheet/stats.h"

namespace tallivant {

inline LivePageWords livePageWords() {
    LivePageWords words;
    //: The live page's language as an HTML language code: de, fr, es, it ...
    words.language = utf8(QCoreApplication::translate("LivePage", "en"));
    const auto add = [&words](const char* context, std::string_view english) {
        std::string shown = translated(context, english);
        if (shown != english) words.texts.emplace_back(std::string(english), std::move(shown));
    };
    for (const char* word : kLivePageWords)
        add("LivePage", word);
    Rules halves;
    halves.halves = true;
    for (const Rules& rules : {Rules{}, halves})
        for (int q = 0; q < kQuarters; ++q) {
            add("Core", periodName(static_cast<Quarter>(q), rules));
            add("Core", periodShort(static_cast<Quarter>(q), rules));
        }
    add("Core", ourName({}));
    add("Core", theirName({}));
    for (const StatInfo& stat : kStatTable)
        add("Core", statWords(stat.letter));
    for (const OpponentWhat what :
         {OpponentWhat::One, OpponentWhat::Two, OpponentWhat::Three, OpponentWhat::Foul}) {
        OpponentPlay play;
        play.what = what;
        add("Core", opponentWords(play));
    }
    // The parts of a play's note and a figure set, which the page's script fills itself.
    add("Core", opponentWordsText(OpponentWhat::Set));
    add("Core", QT_TRANSLATE_NOOP("Core", "taken back"));
    add("Core", QT_TRANSLATE_NOOP("Core", "from %1"));
    add("Core", kNoteJoin);
    for (int q = 0; q < kQuarters; ++q)
        add("Core", quarterName(static_cast<Quarter>(q)));
    return words;
}

} // namespace tallivant
