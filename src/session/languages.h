// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The scorer's language: chosen from the system as the desktop's other programs choose it, and
// the program's translation and Qt's own (its dialogs' buttons) installed for it.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QCoreApplication;

namespace tallivant {

// The languages Tallivant is translated into, besides English.
inline const QStringList kTranslatedLanguages{"de", "fr", "es", "it"};

// The language to show, "en" or one of kTranslatedLanguages, from the environment as gettext
// reads it: LANGUAGE (a list, the first it has wins; "en" ends the search), then the first of
// LC_ALL, LC_MESSAGES and LANG that is set. The C and POSIX locales are English whatever LANGUAGE
// says. `variable` reads one environment variable ("" when unset).
QString languageFromEnvironment(const std::function<QString(const char*)>& variable);

// The language to show on this system: the environment's on Linux, the user's language on
// Windows.
QString systemLanguage();

// Installs the translations of `language` into `app` (owned by it): Tallivant's own and Qt's.
// English installs none. False when Tallivant's own translation could not be loaded.
bool installTranslations(QCoreApplication& app, const QString& language);

} // namespace tallivant
