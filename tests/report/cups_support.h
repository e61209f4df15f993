// The test printer of tools/printer-setup.sh: the CUPS queue TallivantPDF, the default
// destination, whose cups-pdf backend writes each job as a PDF into one folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "pdf_tools.h"
#include "sheet/game.h"

namespace tallivant::testing {

inline constexpr const char* kTestQueue = "TallivantPDF";
inline constexpr const char* kRefusingQueue = "TallivantRefuse";

inline std::filesystem::path pdfFolder() {
    const char* dir = std::getenv("TALLIVANT_PDF_DIR");
    return dir && *dir ? dir : "/var/spool/cups-pdf/tallivant";
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

// The ids of every job the queue has had, finished or not. CUPS_SERVER is dropped so that
// a test that hides the scheduler from the program still sees the real queue.
inline std::set<std::string> jobIds(const std::string& queue, const std::string& which = "all") {
    const CommandResult r = runCommand("env -u CUPS_SERVER lpstat -W " + which + " -o " + queue);
    std::set<std::string> out;
    for (const auto& line : wordLines(r.output))
        out.insert(line.front());
    return out;
}

inline std::string defaultDestination() {
    const CommandResult r = runCommand("env -u CUPS_SERVER -u LPDEST -u PRINTER lpstat -d");
    const std::string prefix = "system default destination: ";
    const auto at = r.output.find(prefix);
    if (at == std::string::npos) return {};
    return words(r.output.substr(at + prefix.size())).at(0);
}

// Fails the test, with how to fix it, when the test printer is not there.
inline void requireTestPrinter() {
    ASSERT_EQ(defaultDestination(), kTestQueue)
        << "the CUPS test printer is not the default destination: run tools/printer-setup.sh";
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

struct SheetCopy {
    std::vector<std::string> fields;
    std::vector<std::string> names;
    int playernum = 0;
    std::string tbletter;
    int oldplayernum = 0;
    friend bool operator==(const SheetCopy&, const SheetCopy&) = default;
};

inline SheetCopy copySheet(const Game& game) {
    SheetCopy s;
    for (int id = 0; id < kFields; ++id)
        s.fields.push_back(game.text(Field::fromId(id)));
    for (int n = 1; n <= kPlayers; ++n)
        s.names.push_back(game.name(n));
    s.playernum = game.playernum();
    s.tbletter = game.tbletter();
    s.oldplayernum = game.oldplayernum();
    return s;
}

} // namespace tallivant::testing
