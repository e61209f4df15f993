// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The live page (index.html): one self-contained file that shows a game from its game.json,
// which it carries inside, so that it works opened as a file and offline. Served beside
// game.json by any web server, it keeps itself current from that file. Its own style and
// script are named in its Content-Security-Policy by their SHA-256 hashes, and nothing else
// may run, load or be sent anywhere.
#pragma once

#include <string>
#include <string_view>

namespace tallivant {

// The whole page for a game whose game.json holds exactly `gameJson`.
std::string livePage(std::string_view gameJson);

// `json` as it may sit inside a <script> element: "</" becomes "<\/" and "<!--" becomes
// "\u003c!--" (both the same JSON inside a string), so that no input can end the element or
// turn the parser's reading of its end.
std::string embeddableJson(std::string_view json);

} // namespace tallivant
