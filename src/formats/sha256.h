// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// SHA-256 (FIPS 180-4) and base64 (RFC 4648, with padding): what a Content-Security-Policy
// needs to name an inline script or style by its hash.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tallivant {

std::array<unsigned char, 32> sha256(std::string_view bytes);

std::string base64(std::string_view bytes);

} // namespace tallivant
