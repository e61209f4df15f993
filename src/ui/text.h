// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The core's texts (UTF-8) as Qt's strings.
#pragma once

#include <QString>
#include <string_view>

namespace tallivant::ui {

inline QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace tallivant::ui
