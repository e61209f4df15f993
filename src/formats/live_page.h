// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The live page (index.html): one self-contained file that shows a game from its game.json,
// which it carries inside, so that it works opened as a file and offline. Served beside
// game.json by any web server, it keeps itself current from that file. Its own style and
// script are named in its Content-Security-Policy by their SHA-256 hashes, and nothing else
// may run, load or be sent anywhere. Its words come in the reader's language from the caller;
// game.json itself stays English.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallivant {

// The page's own English words, marked for translation in the context "LivePage"; %1, %2 are
// filled in by the page's script.
inline constexpr int kLivePageWordCount = 17;
extern const std::array<const char*, kLivePageWordCount> kLivePageWords;

// The words the page shows instead of English texts: its own (kLivePageWords) and those of
// game.json that a person reads (a period's name, a play's words), each paired with the
// reader's. A text not given is shown in English; with none the page is all English.
struct LivePageWords {
    std::string language = "en"; // the page's lang; anything but letters, digits and "-" is "en"
    std::vector<std::pair<std::string, std::string>> texts;
};

// The whole page for a game whose game.json holds exactly `gameJson`.
std::string livePage(std::string_view gameJson, const LivePageWords& words = {});

// `json` as it may sit inside a <script> element: "</" becomes "<\/" and "<!--" becomes
// "\u003c!--" (both the same JSON inside a string), so that no input can end the element or
// turn the parser's reading of its end.
std::string embeddableJson(std::string_view json);

} // namespace tallivant
