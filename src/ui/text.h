// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The core's texts (UTF-8) as Qt's strings, and the core's English texts in the scorer's
// language.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

#include "formats/core_text.h"

namespace tallivant::ui {

inline QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A text the core marked with QT_TRANSLATE_NOOP("Core", ...), translated; any other text as it
// is (a name, a number).
inline QString fromCore(std::string_view english) {
    return QCoreApplication::translate("Core", std::string(english).c_str());
}

// A core text with data in it: its template translated, then filled in one pass.
inline QString fromCore(const CoreText& text) {
    const std::string shown = QCoreApplication::translate("Core", text.text).toStdString();
    return QString::fromStdString(filledEnglish(shown, text.values));
}

} // namespace tallivant::ui
