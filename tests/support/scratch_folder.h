// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A folder of a test's own on disk, removed with everything in it afterwards, and whole files
// written and read as bytes.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tallivant::testing {

// UTF-8 text as a path and back, on every system (a plain std::string is taken in the legacy
// code page on Windows).
inline std::filesystem::path utf8Path(const std::string& text) {
    return std::u8string(text.begin(), text.end());
}
inline std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

class ScratchFolder {
public:
    // A new folder in `base` (the system's temporary folder), made by this call alone.
    explicit ScratchFolder(
        const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = base / ("tallivant-" + std::to_string(random()));
            std::error_code ec;
            if (std::filesystem::create_directory(path_, ec)) return;
            if (ec) break;
        }
        throw std::runtime_error("no scratch folder");
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The UTF-8 path of `name` (UTF-8) in the folder.
    std::string operator/(const std::string& name) const { return utf8(path_ / utf8Path(name)); }
    const std::filesystem::path& path() const { return path_; }
    // Everything in the folder, hidden files included.
    std::vector<std::string> entries() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            out.push_back(utf8(e.path().filename()));
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    writeBytes(utf8Path(path), bytes);
}

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string readBytes(const std::string& path) {
    return readBytes(utf8Path(path));
}

// True for the name a discarded game gets: "2026-12-08 18-22", then " <stem>" when the game had
// a file, then " (N)" when that name was taken, then ".txt". (No <regex>: GCC 12 warns inside it
// in the sanitizer build.)
inline bool isDiscardedName(std::string_view name, std::string_view stem) {
    const std::string_view shape = "dddd-dd-dd dd-dd";
    if (name.size() < shape.size()) return false;
    for (std::size_t i = 0; i < shape.size(); ++i)
        if ((shape[i] == 'd') != (name[i] >= '0' && name[i] <= '9') ||
            (shape[i] != 'd' && name[i] != shape[i]))
            return false;
    name.remove_prefix(shape.size());
    if (!stem.empty()) {
        if (!name.starts_with(" ") || name.substr(1, stem.size()) != stem) return false;
        name.remove_prefix(1 + stem.size());
    }
    if (name.starts_with(" (")) {
        const auto close = name.find(')');
        if (close == std::string_view::npos || close < 3) return false;
        for (char c : name.substr(2, close - 2))
            if (c < '0' || c > '9') return false;
        name.remove_prefix(close + 1);
    }
    return name == ".txt";
}

} // namespace tallivant::testing
