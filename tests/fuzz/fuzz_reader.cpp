// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer entry point for the game file reader.
#include <cstdio>
#include <cstdlib>

#include "reader_property.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string problem = tallivant::testing::readerProblem(
        std::string_view(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "reader: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
