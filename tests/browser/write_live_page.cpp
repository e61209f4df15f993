// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Usage: write_live_page GAME.json INDEX.html. The live page for a game.json, for the browser
// test to serve.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "formats/live_page.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: write_live_page GAME.json INDEX.html\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string json{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::ofstream out(argv[2], std::ios::binary);
    out << tallivant::livePage(json);
    out.close();
    if (!in || !out) {
        std::cerr << "write_live_page: cannot read " << argv[1] << " or write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
