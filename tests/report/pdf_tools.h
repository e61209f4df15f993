// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading what was printed: poppler's pdftotext and pdfinfo on a PDF, shell commands with
// their output, and polling for a condition with a time limit.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>

namespace tallivant::testing {

struct CommandResult {
    int status = -1;
    std::string output;
};

inline std::string quoted(const std::string& path) {
    std::string out = "'";
    for (char c : path)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// A shell command and what it printed; one that takes more than 20 s is stopped, and the test
// fails naming it.
inline CommandResult runCommand(const std::string& command) {
    constexpr int kLimitSeconds = 20;
    CommandResult result;
    const std::string limited =
        "timeout " + std::to_string(kLimitSeconds) + " sh -c " + quoted(command) + " 2>/dev/null";
    FILE* pipe = popen(limited.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    result.status = pclose(pipe);
    if (WIFEXITED(result.status) && WEXITSTATUS(result.status) == 124)
        ADD_FAILURE() << "gave up after " << kLimitSeconds << " s waiting for: " << command;
    return result;
}

inline std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

// The words of each line that holds any, top to bottom, page after page.
inline std::vector<std::vector<std::string>> wordLines(const std::string& text) {
    std::vector<std::vector<std::string>> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        for (char& c : line)
            if (c == '\f') c = ' ';
        std::vector<std::string> w = words(line);
        if (!w.empty()) out.push_back(std::move(w));
    }
    return out;
}

inline std::vector<std::vector<std::string>> wordLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& l : lines)
        joined += l + "\n";
    return wordLines(joined);
}

inline std::string pdfText(const std::string& pdf) {
    return runCommand("pdftotext -layout " + quoted(pdf) + " -").output;
}

struct PdfInfo {
    bool ok = false;
    int pages = 0;
    double width = 0; // points, as the page is shown: rotation applied
    double height = 0;
};

inline PdfInfo pdfInfo(const std::string& pdf) {
    PdfInfo info;
    const CommandResult r = runCommand("pdfinfo " + quoted(pdf));
    if (r.status != 0) return info;
    int rotation = 0;
    std::istringstream in(r.output);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Pages:", 0) == 0) info.pages = std::stoi(line.substr(6));
        if (line.rfind("Page rot:", 0) == 0) rotation = std::stoi(line.substr(9));
        if (line.rfind("Page size:", 0) == 0)
            std::sscanf(line.c_str(), "Page size: %lf x %lf", &info.width, &info.height);
    }
    if (rotation % 180 != 0) std::swap(info.width, info.height);
    info.ok = info.pages > 0 && info.width > 0;
    return info;
}

struct WordBox {
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0; // points from the page's top left
    double pageWidth = 0, pageHeight = 0;
};

// Where pdftotext finds each word the first time it occurs.
inline std::map<std::string, WordBox> wordBoxes(const std::string& pdf) {
    const std::string html = runCommand("pdftotext -bbox " + quoted(pdf) + " -").output;
    const std::regex item(
        R"re(<page width="([0-9.]+)" height="([0-9.]+)"|<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::map<std::string, WordBox> out;
    double pageWidth = 0, pageHeight = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), item);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m[1].matched) {
            pageWidth = std::stod(m[1]);
            pageHeight = std::stod(m[2]);
            continue;
        }
        out.try_emplace(m[7].str(), WordBox{std::stod(m[3]), std::stod(m[4]), std::stod(m[5]),
                                            std::stod(m[6]), pageWidth, pageHeight});
    }
    return out;
}

// Landscape print: the word's text runs along the long side of the sheet, whether the sheet
// itself is stored wide (a PDF file) or tall with the print turned on it (a printer's paper).
inline bool runsAlongLongSide(const WordBox& w) {
    const bool wideWord = w.xMax - w.xMin > w.yMax - w.yMin;
    const bool widePage = w.pageWidth > w.pageHeight;
    return wideWord == widePage;
}

// Polls every 50 ms until the condition holds or the time is up; true when it held.
inline bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

} // namespace tallivant::testing
