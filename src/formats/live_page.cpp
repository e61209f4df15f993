// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/live_page.h"

#include <algorithm>

#include "formats/game_json.h"
#include "formats/live_page_parts.h"
#include "formats/sha256.h"
#include "sheet/translatable.h"

namespace tallivant {

const std::array<const char*, kLivePageWordCount> kLivePageWords = {
    QT_TRANSLATE_NOOP("LivePage", "Tallivant live"),
    QT_TRANSLATE_NOOP("LivePage", "The game shows here as soon as its script runs."),
    QT_TRANSLATE_NOOP("LivePage", "No game to show yet."),
    //: %1 is the time of day the page was last written
    QT_TRANSLATE_NOOP("LivePage", "Updated %1"),
    //: %1 is the time of day the page was last written
    QT_TRANSLATE_NOOP("LivePage", "Not updated since %1"),
    //: %1 is a team's name, %2 its count of team fouls in the period
    QT_TRANSLATE_NOOP("LivePage", "%1: Team fouls %2"),
    QT_TRANSLATE_NOOP("LivePage", "the next gives two shots"),
    QT_TRANSLATE_NOOP("LivePage", "the next gives one-and-one"),
    QT_TRANSLATE_NOOP("LivePage", "Score by period"),
    //: The column of the whole game's points after the periods'
    QT_TRANSLATE_NOOP("LivePage", "Total"),
    QT_TRANSLATE_NOOP("LivePage", "Box score"),
    QT_TRANSLATE_NOOP("LivePage", "Player"),
    //: %1 is a player's name; the player has fouled out
    QT_TRANSLATE_NOOP("LivePage", "%1 (out)"),
    //: The box score's line of the team's totals
    QT_TRANSLATE_NOOP("LivePage", "Totals"),
    QT_TRANSLATE_NOOP("LivePage", "Plays"),
    QT_TRANSLATE_NOOP("LivePage", "No plays yet."),
    QT_TRANSLATE_NOOP("LivePage", "Plays, newest first"),
};

namespace {

// The hash is taken of the text as the page carries it, at run time: a changed script can
// never meet a stale hash.
std::string hashSource(std::string_view text) {
    const std::array<unsigned char, 32> digest = sha256(text);
    return "'sha256-" +
           base64(std::string_view(reinterpret_cast<const char*>(digest.data()), digest.size())) +
           "'";
}

} // namespace

namespace {

void appendEmbeddable(std::string& out, std::string_view json) {
    // Copied a run at a time up to each "<": game.json itself holds none.
    std::size_t from = 0;
    for (std::size_t at = json.find('<'); at != std::string_view::npos;
         at = json.find('<', at + 1)) {
        const std::string_view rest = json.substr(at);
        if (rest.starts_with("</")) {
            out.append(json.substr(from, at - from)) += "<\\/";
            from = at + 2;
        } else if (rest.starts_with("<!--")) {
            out.append(json.substr(from, at - from)) += "\\u003c";
            from = at + 1;
        }
    }
    out.append(json.substr(from));
}

// The text as HTML element content or a quoted attribute's value.
std::string htmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string_view shown(const LivePageWords& words, std::string_view english) {
    for (const auto& [from, to] : words.texts)
        if (from == english) return to;
    return english;
}

std::string_view language(const LivePageWords& words) {
    const std::string_view code = words.language;
    const bool fits =
        !code.empty() && code.size() <= 35 && std::all_of(code.begin(), code.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '-';
        });
    return fits ? code : "en";
}

// The texts that differ from their English as one JSON object, the first of a text kept; empty
// when there are none.
std::string wordsJson(const LivePageWords& words) {
    std::string out;
    std::vector<std::string_view> written;
    for (const auto& [from, to] : words.texts) {
        if (from == to || std::find(written.begin(), written.end(), from) != written.end())
            continue;
        out += out.empty() ? "{" : ",";
        appendJsonString(out, from);
        out += ':';
        appendJsonString(out, to);
        written.push_back(from);
    }
    if (!out.empty()) out += '}';
    return out;
}

} // namespace

std::string embeddableJson(std::string_view json) {
    std::string out;
    out.reserve(json.size() + json.size() / 16);
    appendEmbeddable(out, json);
    return out;
}

std::string livePage(std::string_view gameJson, const LivePageWords& words) {
    // The style and the script are the program's own: their hashes are taken once.
    static const std::string policy =
        "default-src 'none'; script-src " + hashSource(kLivePageScript) + "; style-src " +
        hashSource(kLivePageStyle) +
        "; connect-src 'self'; img-src 'none'; base-uri 'none'; form-action 'none'";
    std::string page;
    page.reserve(kLivePageStyle.size() + kLivePageScript.size() + gameJson.size() * 17 / 16 + 1024);
    page += "<!DOCTYPE html>\n<html lang=\"";
    page += language(words);
    page += "\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
            "<meta http-equiv=\"Content-Security-Policy\" content=\"";
    page += policy;
    page += "\">\n<title>";
    page += htmlText(shown(words, kLivePageWords[0]));
    page += "</title>\n<style>";
    page += kLivePageStyle;
    page += "</style>\n</head>\n<body>\n<main id=\"live\"><p class=\"none\">";
    page += htmlText(shown(words, kLivePageWords[1]));
    page += "</p></main>\n";
    // The script reads the words as data, like the game: no hash to take of them.
    if (const std::string json = wordsJson(words); !json.empty()) {
        page += "<script type=\"application/json\" id=\"words\">";
        appendEmbeddable(page, json);
        page += "</script>\n";
    }
    page += "<script type=\"application/json\" id=\"game\">";
    appendEmbeddable(page, gameJson);
    page += "</script>\n<script>";
    page += kLivePageScript;
    page += "</script>\n</body>\n</html>\n";
    return page;
}

} // namespace tallivant
