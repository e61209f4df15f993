// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where this copy of the program keeps its state, and which copy it is: one implementation per
// system (places_posix.cpp, places_windows.cpp).
#pragma once

#include <string>

namespace tallivant {

// The folder for the recovery copy: $XDG_STATE_HOME/tallivant, else ~/.local/state/tallivant;
// on Windows %LOCALAPPDATA%\Tallivant. UTF-8.
std::string defaultStateFolder();

// This running copy's number among the system's processes.
unsigned long processId();

} // namespace tallivant
