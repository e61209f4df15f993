// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Why a file did not open, was left out of a season or was not written, in the scorer's
// language. The core hands such a reason out in English (the game reader, the season, the
// door); one with data in it is recognized by its marked template and filled again translated.
// A reason of the system's ("Permission denied") stays as the system gave it.
#pragma once

#include <string>

namespace tallivant {

std::string translatedReason(const std::string& english);

} // namespace tallivant
