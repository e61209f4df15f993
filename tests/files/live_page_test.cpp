// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The live page as bytes: its policy names exactly its own style and script, no game text can
// end the element that carries the game, and the page refers to nothing outside itself. The
// hashes are checked against Qt's SHA-256 and base64, which are checked against the published
// vectors alongside ours.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <QJsonDocument>

#include <cctype>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "formats/game_json.h"
#include "formats/live_page.h"
#include "formats/sha256.h"
#include "sheet/game.h"
#include "support/fake_dialogs.h"

namespace tallivant::testing {
namespace {

std::string hex(const std::array<unsigned char, 32>& digest) {
    return QByteArray(reinterpret_cast<const char*>(digest.data()), 32).toHex().toStdString();
}

TEST(Sha256, GivesThePublishedDigestsAndQtsAtEveryPaddingLength) {
    EXPECT_EQ(hex(sha256("abc")),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(hex(sha256("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(hex(sha256("")), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    // Lengths on both sides of 55, 56 and 64 bytes, where the length moves to a second block.
    std::string bytes;
    for (int n = 0; n <= 200; ++n, bytes += static_cast<char>(n * 37 + 200)) {
        const QByteArray qt =
            QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256);
        EXPECT_EQ(hex(sha256(bytes)), qt.toHex().toStdString()) << n << " bytes";
    }
}

TEST(Base64, GivesTheRfc4648VectorsAndHighBytes) {
    const std::pair<std::string_view, std::string_view> vectors[] = {{"", ""},
                                                                     {"f", "Zg=="},
                                                                     {"fo", "Zm8="},
                                                                     {"foo", "Zm9v"},
                                                                     {"foob", "Zm9vYg=="},
                                                                     {"fooba", "Zm9vYmE="},
                                                                     {"foobar", "Zm9vYmFy"},
                                                                     {"\xff\xfe\x3f", "//4/"}};
    for (const auto& [bytes, encoded] : vectors)
        EXPECT_EQ(base64(bytes), encoded) << bytes;
}

// The text between `open` and the next `close` at or after `from`.
std::string between(const std::string& page, std::string_view open, std::string_view close,
                    std::size_t from = 0) {
    const std::size_t start = page.find(open, from);
    if (start == std::string::npos) return "<missing " + std::string(open) + ">";
    const std::size_t end = page.find(close, start + open.size());
    return page.substr(start + open.size(), end - start - open.size());
}

std::string qtHash(const std::string& text) {
    return "'sha256-" +
           QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Sha256)
               .toBase64()
               .toStdString() +
           "'";
}

constexpr std::string_view kGame =
    R"({"format":"tallivant-game","version":1,"sides":{"us":"Eagles","them":"Hawks"}})";
constexpr std::string_view kJsonOpen = R"(<script type="application/json" id="game">)";

TEST(LivePage, PolicyAllowsItsOwnStyleAndScriptByHashAndNothingElse) {
    const std::string page = livePage(kGame);
    const std::string style = between(page, "<style>", "</style>");
    const std::size_t afterJson = page.find("</script>", page.find(kJsonOpen));
    const std::string script = between(page, "<script>", "</script>", afterJson);
    EXPECT_EQ(between(page, "<meta http-equiv=\"Content-Security-Policy\" content=\"", "\""),
              "default-src 'none'; script-src " + qtHash(script) + "; style-src " + qtHash(style) +
                  "; connect-src 'self'; img-src 'none'; base-uri 'none'; form-action 'none'");
    EXPECT_GT(script.size(), 1000u);
    // The policy comes before everything it governs; one style, the game, one script.
    EXPECT_LT(page.find("Content-Security-Policy"), page.find("<style>"));
    EXPECT_EQ(page.find("<style", page.find("<style>") + 1), std::string::npos);
    EXPECT_EQ(page.find("<script", page.find("<script>", afterJson) + 1), std::string::npos);
    EXPECT_EQ(between(page, kJsonOpen, "</script>"), kGame);
}

TEST(LivePage, NoGameTextCanEndTheElementThatCarriesIt) {
    const std::string_view names[] = {"</script><script>alert(1)</script>",
                                      "</SCRIPT >",
                                      "<!--<script>",
                                      "<!--<script></script>",
                                      "<</script>",
                                      "<\\/script>",
                                      "</",
                                      "<",
                                      "<!-",
                                      "<!<!--",
                                      "<img src=x onerror=alert(1)>"};
    for (const std::string_view name : names) {
        const std::string json =
            R"({"players":[{"name":")" + std::string(name) + R"("}],"tail":"</script>"})";
        const std::string page = livePage(json);
        const std::size_t start = page.find(kJsonOpen) + kJsonOpen.size();
        const std::size_t end = page.find("</", start);
        const std::string embedded = page.substr(start, end - start);
        // The element ends where the page ends it, and the parser never reads an escape in it.
        EXPECT_EQ(page.substr(end, 18), "</script>\n<script>") << name;
        EXPECT_EQ(embedded.find("<!--"), std::string::npos) << name;
        // Still the same JSON.
        EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(embedded)),
                  QJsonDocument::fromJson(QByteArray::fromStdString(json)))
            << name;
        EXPECT_FALSE(QJsonDocument::fromJson(QByteArray::fromStdString(embedded)).isNull());
    }
}

TEST(LivePage, RefersToNothingOutsideItselfAndWritesNoMarkupFromTexts) {
    std::string page = livePage(kGame);
    // What may hold slashes by chance: the hashes' base64, and the game's own texts.
    const std::string policy = between(page, "Content-Security-Policy\" content=\"", "\"");
    page.erase(page.find(policy), policy.size());
    page.erase(page.find(kGame), kGame.size());
    for (const std::string_view reference :
         {"http:", "https:", "//", "src=", "href=", "url(", "@import", "innerHTML", "outerHTML",
          "insertAdjacentHTML", "document.write", "eval(", "Function("})
        EXPECT_EQ(page.find(reference), std::string::npos) << reference;
}

// The page in another language: its own words, and game.json's English texts, shown as the
// caller gives them; a translated word is a text like any other, escaped where it is written,
// and the policy is the same, since the words are data the script reads.
TEST(LivePage, ShowsTheGivenWordsAsTextsAndKeepsItsPolicy) {
    const LivePageWords words = {
        "de",
        {{"Tallivant live", "</title><script>alert(1)</script>"},
         {"The game shows here as soon as its script runs.", "Gleich & <b>\"hier\"</b>"},
         {"Updated %1", "</script><script>alert(2)</script> %1"},
         {"Plays", "<!--<script>"},
         {"Box score", "Box score"},
         {"1st", "1."},
         {"Plays", "ignored: the first of a text counts"}}};
    const std::string page = livePage(kGame, words);
    EXPECT_EQ(page.substr(0, 32), "<!DOCTYPE html>\n<html lang=\"de\">");
    EXPECT_EQ(between(page, "<title>", "</title>"),
              "&lt;/title&gt;&lt;script&gt;alert(1)&lt;/script&gt;");
    EXPECT_EQ(between(page, "<main id=\"live\"><p class=\"none\">", "</p>"),
              "Gleich &amp; &lt;b&gt;&quot;hier&quot;&lt;/b&gt;");
    const std::string_view wordsOpen = R"(<script type="application/json" id="words">)";
    const std::size_t start = page.find(wordsOpen) + wordsOpen.size();
    const std::size_t end = page.find("</", start);
    const std::string embedded = page.substr(start, end - start);
    EXPECT_EQ(page.substr(end, 52), "</script>\n" + std::string(kJsonOpen));
    EXPECT_EQ(embedded.find("<!--"), std::string::npos);
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(embedded)).toJson(),
              QJsonDocument::fromJson(R"({"Tallivant live":"</title><script>alert(1)</script>",
                  "The game shows here as soon as its script runs.":"Gleich & <b>\"hier\"</b>",
                  "Updated %1":"</script><script>alert(2)</script> %1",
                  "Plays":"<!--<script>","1st":"1."})")
                  .toJson());
    EXPECT_EQ(between(page, kJsonOpen, "</script>"), kGame);
    const auto policy = [](const std::string& p) {
        return between(p, "Content-Security-Policy\" content=\"", "\"");
    };
    EXPECT_EQ(policy(page), policy(livePage(kGame)));

    // English, or no language the page can name, is today's page: no words to carry.
    const std::string english = livePage(kGame, {"en\"><script>", {{"Plays", "Plays"}}});
    EXPECT_EQ(english, livePage(kGame));
    EXPECT_EQ(english.find("id=\"words\""), std::string::npos);
    EXPECT_NE(english.find("<html lang=\"en\">"), std::string::npos);
    EXPECT_NE(english.find("<title>Tallivant live</title>"), std::string::npos);
}

// Every word the script asks for is one the translators are given, and every word they are given
// is asked for, by the script or (the title and the first paragraph) by the writer.
TEST(LivePage, TheScriptsWordsAreThoseMarkedForTranslation) {
    const std::string page = livePage(kGame);
    const std::string script =
        between(page, "<script>", "</script>", page.find("</script>", page.find(kJsonOpen)));
    std::set<std::string> asked = {kLivePageWords[0], kLivePageWords[1]};
    for (const std::string_view call : {"t('", "filled('"})
        for (std::size_t at = script.find(call); at != std::string::npos;
             at = script.find(call, at + 1)) {
            const char before = script[at - 1];
            if (std::isalnum(static_cast<unsigned char>(before)) || before == '_' || before == '.')
                continue;
            const std::size_t open = at + call.size();
            asked.insert(script.substr(open, script.find('\'', open) - open));
        }
    EXPECT_EQ(asked, std::set<std::string>(kLivePageWords.begin(), kLivePageWords.end()));
}

// Every text of a game is one JSON string that a web page can carry as it is: quotes, backslashes
// and control characters escaped, < > & written as escapes, broken UTF-8 mended.
TEST(GameJson, TextsAreJsonStringsThatCanSitInAPage) {
    const struct {
        std::string_view text, json;
    } cases[] = {
        {"6 Tess Kim", R"("6 Tess Kim")"},
        {"Mo \"Big\" Ba\\", R"("Mo \"Big\" Ba\\")"},
        {"</script><img src=x>", R"("\u003c/script\u003e\u003cimg src=x\u003e")"},
        {"Gym & Hall", R"("Gym \u0026 Hall")"},
        {"a\nb\tc\x01", R"("a\nb\tc\u0001")"},
        {"Zo\xC3\xAB \xE6\x9D\x8E", "\"Zo\xC3\xAB \xE6\x9D\x8E\""},
        {"bad \xFF end", "\"bad \xEF\xBF\xBD end\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jsonString(c.text), c.json) << c.text;
        const QJsonDocument read =
            QJsonDocument::fromJson(QByteArray::fromStdString("[" + jsonString(c.text) + "]"));
        EXPECT_TRUE(read.isArray()) << c.text;
    }
}

// With numbers only, a player is the number the name starts with, else the button's number.
TEST(GameJson, NumbersOnlyKeepsNamesOffThePage) {
    const struct {
        std::string typed;
        int player;
        std::string buttons, numbers;
    } cases[] = {
        {"6 Tess Kim", 1, "6 Tess Kim", "6"},
        {"&23 Ana", 2, "23 Ana", "23"},
        {"&Zed", 4, "Zed", "#4"},
        {"", 7, "", ""},
        {"12", 3, "12", "12"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pageName(c.typed, c.player, PageNames::AsOnButtons), c.buttons) << c.typed;
        EXPECT_EQ(pageName(c.typed, c.player, PageNames::NumbersOnly), c.numbers) << c.typed;
    }
}

// The writer keeps the plays' JSON between writes: whatever changed since (a stat, a takeback, a
// correction, an opponent play, a name, the rules), what it writes is what composing afresh gives.
TEST(GameJson, PlaysKeptFromTheLastWriteGiveWhatComposingAfreshGives) {
    FakeDialogs dialogs;
    Game game(dialogs);
    game.setName(1, "6 Tess Kim");
    game.setName(2, "&7 Ann Lee");
    const auto stat = [&](int player, int row) {
        game.selectPlayer(player);
        game.record(row, Quarter::Second);
    };
    const std::function<void()> steps[] = {
        [&] { stat(1, 0); },
        [&] { stat(2, 4); },
        [&] { game.recordOpponent(OpponentWhat::Three, Quarter::Second); },
        [&] { stat(1, 7); },
        [&] { game.takeback(); },
        [&] { game.givePlays({0}, 2); },
        [&] { game.movePlays({1}, Quarter::Fourth); },
        [&] { game.setName(2, "9 Bea Cruz"); },
        [&] {
            GameDetails details = game.matchup().details;
            details.rules = presetRules(RulesPreset::NcaaMen);
            game.setDetails(details);
        },
        [&] { game.removeOpponentPlays({0}); },
        [&] { game.setPlays({}); },
    };
    PlaysJson kept;
    int step = 0;
    for (const auto& change : steps) {
        change();
        const GameSnapshot now = snapshotOf(game, Quarter::Second);
        for (const PageNames names : {PageNames::AsOnButtons, PageNames::NumbersOnly})
            EXPECT_EQ(gameJson(now, names, "t", &kept), gameJson(now, names, "t")) << step;
        ++step;
    }
}

} // namespace
} // namespace tallivant::testing
