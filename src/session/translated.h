// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Texts the session hands to the dialogs and the strip, in the scorer's language, as UTF-8.
// A literal is written where it is used, QCoreApplication::translate("Context", "...") or
// QT_TRANSLATE_NOOP in a table, so that lupdate finds it; these take what it returns.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace tallivant {

inline std::string utf8(const QString& text) {
    return text.toStdString();
}

// A text marked with QT_TRANSLATE_NOOP(context, ...) where it is defined, translated.
inline std::string translated(const char* context, std::string_view english) {
    return utf8(QCoreApplication::translate(context, std::string(english).c_str()));
}

// A text the core marked with QT_TRANSLATE_NOOP("Core", ...), translated.
inline std::string fromCore(std::string_view english) {
    return translated("Core", english);
}

inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// %1, %2, ... of a translated text filled in with UTF-8 texts, in one pass (a name that holds
// "%2" stays as it is).
template <typename... Texts> std::string filled(const QString& text, const Texts&... args) {
    return utf8(text.arg(qtText(args)...));
}

} // namespace tallivant
