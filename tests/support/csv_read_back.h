// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A CSV file read back by Python's csv module (the script TALLIVANT_READ_CSV names), as a
// spreadsheet reads it: whether it has a byte order mark, and its rows of fields.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace tallivant::testing {

struct ReadBack {
    bool byteOrderMark = false;
    std::vector<std::vector<std::string>> rows;
};

inline std::string unhex(const std::string& hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return out;
}

inline ReadBack readWithPython(const std::string& path) {
    const std::string command = "timeout 20 python3 '" TALLIVANT_READ_CSV "' '" + path + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    for (std::size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = pipe ? pclose(pipe) : -1;
    EXPECT_EQ(status, 0) << (status > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 124
                                 ? "gave up after 20 s waiting for Python's csv module to read " +
                                       path
                                 : output);

    ReadBack back;
    std::istringstream lines(output);
    std::string line;
    std::getline(lines, line);
    back.byteOrderMark = line == "bom";
    while (std::getline(lines, line)) {
        EXPECT_TRUE(line.starts_with("row:")) << line;
        std::vector<std::string> row;
        std::istringstream fields(line.substr(4));
        for (std::string field; std::getline(fields, field, ',');)
            row.push_back(unhex(field));
        if (line.ends_with(',')) row.emplace_back();
        back.rows.push_back(row);
    }
    return back;
}

} // namespace tallivant::testing
