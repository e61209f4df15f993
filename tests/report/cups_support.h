// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The test run's own print system (print_system.sh): a CUPS scheduler on a private socket whose
// default destination is the queue TallivantPDF; its cups-pdf backend writes each job as a PDF
// into one folder. The machine's own scheduler is never asked anything.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "pdf_tools.h"

namespace tallivant::testing {

inline constexpr const char* kTestQueue = "TallivantPDF";
inline constexpr const char* kRefusingQueue = "TallivantRefuse";

// The folder ctest names in TALLIVANT_PRINT_SYSTEM: the scheduler's socket, and a link to its
// files.
inline std::filesystem::path printSystem() {
    const char* dir = std::getenv("TALLIVANT_PRINT_SYSTEM");
    return dir && *dir ? dir : "";
}

inline std::string testScheduler() {
    return (printSystem() / "cups.sock").string();
}

inline std::filesystem::path pdfFolder() {
    return printSystem() / "tree" / "pdf";
}

// A CUPS command line that asks the test scheduler, whatever CUPS_SERVER the test under way has
// given itself to hide the scheduler from the program.
inline std::string askTestScheduler(const std::string& command) {
    return "env -u LPDEST -u PRINTER CUPS_SERVER=" + quoted(testScheduler()) + " " + command;
}

inline std::set<std::string> pdfFiles() {
    std::set<std::string> out;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(pdfFolder(), ec))
        if (entry.path().extension() == ".pdf") out.insert(entry.path().string());
    return out;
}

inline std::set<std::string> newFiles(const std::set<std::string>& before) {
    std::set<std::string> out;
    for (const std::string& f : pdfFiles())
        if (!before.count(f)) out.insert(f);
    return out;
}

// The ids of every job the queue has had, finished or not.
inline std::set<std::string> jobIds(const std::string& queue, const std::string& which = "all") {
    const CommandResult r = runCommand(askTestScheduler("lpstat -W " + which + " -o " + queue));
    std::set<std::string> out;
    for (const auto& line : wordLines(r.output))
        out.insert(line.front());
    return out;
}

inline std::string defaultDestination() {
    const CommandResult r = runCommand(askTestScheduler("lpstat -d"));
    const std::string prefix = "system default destination: ";
    const auto at = r.output.find(prefix);
    if (at == std::string::npos) return {};
    return words(r.output.substr(at + prefix.size())).at(0);
}

// Skips the test, saying why, where the run could not start its print system (not root, no
// mount namespace); fails it when the print system should be up but its default destination is
// not the test queue. The caller returns when the test is skipped or failed.
inline void requireTestPrinter() {
    ASSERT_FALSE(printSystem().empty())
        << "TALLIVANT_PRINT_SYSTEM is not set: run the printing tests through ctest";
    std::ifstream unavailable(printSystem() / "unavailable");
    std::string why;
    if (std::getline(unavailable, why))
        GTEST_SKIP() << "no print system of the test run's own: " << why;
    ASSERT_EQ(defaultDestination(), kTestQueue)
        << "the test scheduler on " << testScheduler() << " has not " << kTestQueue
        << " as its default destination; ctest starts it with the test PrintSystem.Start";
}

// Waits until the queue has no unfinished job and `count` new PDFs are complete.
inline std::vector<std::string> awaitPdfs(const std::set<std::string>& before, std::size_t count) {
    std::vector<std::string> found;
    const bool done = waitUntil(
        [&] {
            if (!jobIds(kTestQueue, "not-completed").empty()) return false;
            const std::set<std::string> fresh = newFiles(before);
            if (fresh.size() < count) return false;
            for (const std::string& f : fresh)
                if (!pdfInfo(f).ok) return false;
            found.assign(fresh.begin(), fresh.end());
            return true;
        },
        std::chrono::seconds(60));
    EXPECT_TRUE(done) << "cups-pdf wrote " << newFiles(before).size() << " of " << count
                      << " PDFs into " << pdfFolder();
    return found;
}

} // namespace tallivant::testing
