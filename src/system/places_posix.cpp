// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/places.h"

#include <cstdlib>
#include <filesystem>

#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tallivant {
namespace {

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return ".";
}

} // namespace

std::string defaultStateFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    // A relative value is invalid by the XDG rules and is ignored.
    const fs::path base =
        state && *state == '/' ? fs::path(state) : fs::path(homeFolder()) / ".local" / "state";
    return (base / "tallivant").string();
}

unsigned long processId() {
    return static_cast<unsigned long>(::getpid());
}

} // namespace tallivant
