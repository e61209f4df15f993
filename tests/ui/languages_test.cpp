// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program in German, French, Spanish and Italian: which language the system asks for, and the
// sheet, the Plays and the Keys windows in each, with the English Alt-letters and no text cut.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>
#include <map>
#include <memory>

#include "session/languages.h"
#include "support/fake_dialogs.h"
#include "ui/stat_window.h"

namespace tallivant::testing {
namespace {

TEST(LanguageChoice, FollowsTheEnvironmentAsGettextDoes) {
    const struct {
        const char *language, *all, *messages, *lang, *shown;
    } cases[] = {
        {"", "", "", "", "en"},                       // nothing set: C
        {"de", "", "", "", "en"},                     // LANGUAGE alone: still C
        {"de", "C", "", "de_DE.UTF-8", "en"},         // C wins over LANG and LANGUAGE
        {"fr", "POSIX", "", "", "en"},                //
        {"it", "C.UTF-8", "", "", "en"},              //
        {"", "", "", "fr_FR.UTF-8", "fr"},            // LANG
        {"", "", "es_ES.UTF-8", "de_DE.UTF-8", "es"}, // LC_MESSAGES before LANG
        {"", "it_IT.UTF-8", "es_ES.UTF-8", "", "it"}, // LC_ALL before both
        {"pt:it:de", "", "", "de_AT.UTF-8", "it"},    // the first translated in LANGUAGE
        {"en_GB:de", "", "", "de_DE.UTF-8", "en"},    // English asked for first
        {"pt", "", "", "de_CH.UTF-8@euro", "de"},     // none in LANGUAGE: the locale's
        {"", "", "", "pt_BR.UTF-8", "en"},            // not translated: English
        {"", "", "", "de", "de"},                     // a bare language
    };
    for (const auto& c : cases) {
        const std::map<std::string, QString> env{{"LANGUAGE", c.language},
                                                 {"LC_ALL", c.all},
                                                 {"LC_MESSAGES", c.messages},
                                                 {"LANG", c.lang}};
        const QString shown =
            languageFromEnvironment([&env](const char* name) { return env.at(name); });
        EXPECT_EQ(shown.toStdString(), c.shown)
            << "LANGUAGE=" << c.language << " LC_ALL=" << c.all << " LC_MESSAGES=" << c.messages
            << " LANG=" << c.lang;
    }
}

// German installs Tallivant's words and Qt's own (its dialogs' buttons), both asked by every
// translate(); English installs none. (Qt's words come from Debian's qt6-translations-l10n,
// which the Windows test programs do not have beside them.)
TEST(LanguageChoice, InstallsTheProgramsWordsAndQtsOwn) {
    const auto installed = [] { return qApp->findChildren<QTranslator*>(); };
    ASSERT_TRUE(installed().isEmpty());
    EXPECT_TRUE(installTranslations(*qApp, "en"));
    EXPECT_TRUE(installed().isEmpty());
    ASSERT_TRUE(installTranslations(*qApp, "de"));
    EXPECT_EQ(QCoreApplication::translate("Menus", "Fi&le"), QStringLiteral("Datei (&L)"));
#ifndef _WIN32
    EXPECT_EQ(installed().size(), 2);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
#endif
    for (QTranslator* translator : installed()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    EXPECT_EQ(QCoreApplication::translate("Menus", "Fi&le"), QStringLiteral("Fi&le"));
}

// A language's translations installed for the life of one object.
class InLanguage {
public:
    explicit InLanguage(const QString& language) {
        loaded = own.load(":/i18n/tallivant_" + language + ".qm");
        QCoreApplication::installTranslator(&own);
    }
    ~InLanguage() { QCoreApplication::removeTranslator(&own); }
    bool loaded = false;

private:
    QTranslator own;
};

struct Windows {
    FakeDialogs dialogs;
    std::unique_ptr<ui::StatWindow> sheet;
    Windows() : sheet(std::make_unique<ui::StatWindow>(dialogs)) {
        sheet->show();
        for (const char* item : {"mnushowplays", "mnukeys"})
            sheet->findChild<QAction*>(QLatin1StringView(item))->trigger();
    }
    QList<QWidget*> all() const {
        QList<QWidget*> windows{sheet.get()};
        for (const char* name : {"plays", "frmkeys"})
            if (auto* w = sheet->findChild<QWidget*>(QLatin1StringView(name))) windows << w;
        return windows;
    }
};

// Every Alt-letter a scorer can press, by the control or menu item it belongs to.
QMap<QString, QChar> altLetters(const Windows& windows) {
    QMap<QString, QChar> letters;
    const auto add = [&letters](const QString& who, const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty()) letters[who] = QChar(key[0].key()).toLower();
    };
    for (QAction* title : windows.sheet->menuBar()->actions()) {
        add(title->objectName(), title->text());
        for (QAction* item : title->menu()->actions())
            if (!item->isSeparator()) add(item->objectName(), item->text());
    }
    for (QWidget* window : windows.all())
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            add(window->objectName() + "/" + button->objectName(), button->text());
    return letters;
}

// The room a control's text has, and the width the text takes.
struct Fit {
    QString who, text;
    int needed = 0, room = 0;
};

QList<Fit> fits(const Windows& windows) {
    QList<Fit> out;
    for (QWidget* window : windows.all()) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window)) continue;
            const QFontMetrics metrics(w->font());
            const QString who = window->objectName() + "/" + w->objectName();
            if (auto* label = qobject_cast<QLabel*>(w)) {
                if (label->wordWrap() || label->text().isEmpty() ||
                    label->pixmap().isNull() == false)
                    continue;
                out.push_back({who, label->text(), metrics.horizontalAdvance(label->text()),
                               label->contentsRect().width() - 2 * label->margin()});
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                if (button->text().isEmpty()) continue;
                QString plain = button->text();
                plain.remove(QRegularExpression(QStringLiteral("&(?!&)")));
                QStyleOptionButton option;
                option.initFrom(button);
                const QStyle::SubElement contents =
                    qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                    : qobject_cast<QCheckBox*>(button)  ? QStyle::SE_CheckBoxContents
                                                        : QStyle::SE_PushButtonContents;
                const int room = button->style()->subElementRect(contents, &option, button).width();
                out.push_back({who, plain, metrics.horizontalAdvance(plain), room});
            } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
                if (header->orientation() != Qt::Horizontal) continue;
                for (int s = 0; s < header->count(); ++s) {
                    if (header->isSectionHidden(s)) continue;
                    const QString title = header->model()->headerData(s, Qt::Horizontal).toString();
                    out.push_back({who + QString("/%1").arg(s), title,
                                   metrics.horizontalAdvance(title) + 8, header->sectionSize(s)});
                }
            }
        }
    }
    return out;
}

class Translated : public ::testing::TestWithParam<const char*> {};

// The sheet, the Plays window and the Keys window in each language: translated, with exactly the
// English Alt-letters, and every text in the room the English one has.
TEST_P(Translated, WindowsKeepTheEnglishAltLettersAndCutNoText) {
    QMap<QString, QChar> english;
    QStringList englishTitles;
    // A few English texts overrun their room by a pixel or three, as they always have: a
    // translation may take as much as the English text does.
    QMap<QString, int> englishNeeds;
    {
        Windows windows;
        english = altLetters(windows);
        for (QAction* title : windows.sheet->menuBar()->actions())
            englishTitles << title->text();
        for (const Fit& fit : fits(windows))
            englishNeeds[fit.who] = fit.needed;
    }
    ASSERT_GE(english.size(), 15);
    ASSERT_GE(englishNeeds.size(), 50); // the sheet's, the Plays and the Keys window's texts

    InLanguage language(QString::fromLatin1(GetParam()));
    ASSERT_TRUE(language.loaded);
    Windows windows;
    QStringList titles;
    for (QAction* title : windows.sheet->menuBar()->actions())
        titles << title->text();
    EXPECT_NE(titles, englishTitles) << "the menus are not translated";
    EXPECT_EQ(altLetters(windows), english);
    for (const Fit& fit : fits(windows))
        EXPECT_LE(fit.needed, std::max(fit.room, englishNeeds.value(fit.who)))
            << fit.who.toStdString() << " \"" << fit.text.toStdString() << "\"";
}

INSTANTIATE_TEST_SUITE_P(Languages, Translated, ::testing::Values("de", "fr", "es", "it"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace tallivant::testing
