// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/live_page.h"

#include "formats/live_page_parts.h"
#include "formats/sha256.h"

namespace tallivant {

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

} // namespace

std::string embeddableJson(std::string_view json) {
    std::string out;
    out.reserve(json.size() + json.size() / 16);
    appendEmbeddable(out, json);
    return out;
}

std::string livePage(std::string_view gameJson) {
    // The style and the script are the program's own: their hashes are taken once.
    static const std::string policy =
        "default-src 'none'; script-src " + hashSource(kLivePageScript) + "; style-src " +
        hashSource(kLivePageStyle) +
        "; connect-src 'self'; img-src 'none'; base-uri 'none'; form-action 'none'";
    std::string page;
    page.reserve(kLivePageStyle.size() + kLivePageScript.size() + gameJson.size() * 17 / 16 + 1024);
    page += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
            "<meta http-equiv=\"Content-Security-Policy\" content=\"";
    page += policy;
    page += "\">\n<title>Tallivant live</title>\n<style>";
    page += kLivePageStyle;
    page += "</style>\n</head>\n<body>\n<main id=\"live\"><p class=\"none\">The game shows here "
            "as soon as its script runs.</p></main>\n"
            "<script type=\"application/json\" id=\"game\">";
    appendEmbeddable(page, gameJson);
    page += "</script>\n<script>";
    page += kLivePageScript;
    page += "</script>\n</body>\n</html>\n";
    return page;
}

} // namespace tallivant
