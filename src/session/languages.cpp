// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tallivant {
namespace {

// "de_DE.UTF-8@euro" -> "de"; "C", "POSIX" and "C.UTF-8" -> "C".
QString languageOf(const QString& locale) {
    QString code = locale.section('.', 0, 0).section('@', 0, 0);
    if (code == "C" || code == "POSIX") return "C";
    return code.section('_', 0, 0).section('-', 0, 0).toLower();
}

QString translatedOrEnglish(const QString& code) {
    return kTranslatedLanguages.contains(code) ? code : QString("en");
}

} // namespace

QString languageFromEnvironment(const std::function<QString(const char*)>& variable) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.isEmpty()) break;
    }
    // An unset locale is C, as for gettext: LANGUAGE alone does not change the language.
    const QString own = languageOf(locale);
    if (locale.isEmpty() || own == "C") return "en";
    for (const QString& entry : variable("LANGUAGE").split(':', Qt::SkipEmptyParts)) {
        const QString code = languageOf(entry);
        if (code == "en" || kTranslatedLanguages.contains(code)) return code;
    }
    return translatedOrEnglish(own);
}

QString systemLanguage() {
#ifdef _WIN32
    const QStringList ui = QLocale::system().uiLanguages();
    return translatedOrEnglish(ui.isEmpty() ? QString() : languageOf(ui.first()));
#else
    return languageFromEnvironment([](const char* name) { return qEnvironmentVariable(name); });
#endif
}

bool installTranslations(QCoreApplication& app, const QString& language) {
    if (!kTranslatedLanguages.contains(language)) return true;
    // Qt's own words (a file dialog's buttons, a message box's Yes and No): beside the program
    // on Windows, where the installer puts them, else where this system's Qt keeps them. Installed
    // first, so that Tallivant's own, installed last, is the one asked first for each text.
    const QStringList places{QCoreApplication::applicationDirPath() + "/translations",
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& place : places) {
        auto* qt = new QTranslator(&app);
        if (qt->load("qtbase_" + language + ".qm", place)) {
            QCoreApplication::installTranslator(qt);
            break;
        }
        delete qt;
    }
    auto* own = new QTranslator(&app);
    const bool loaded = own->load(":/i18n/tallivant_" + language + ".qm");
    if (loaded) QCoreApplication::installTranslator(own);
    return loaded;
}

} // namespace tallivant
