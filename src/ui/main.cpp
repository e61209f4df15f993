// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include "session/command_line.h"
#include "session/languages.h"
#include "ui/appearance.h"
#include "ui/qt_dialogs.h"
#include "ui/stat_window.h"

using tallivant::CommandLine;

int main(int argc, char* argv[]) {
    CommandLine line;
    // Arguments are read before the window's application is made: a command line that asks
    // for no window must not need a display, and a wrong one must say so in a terminal. Qt
    // has one application object at a time: the reader's goes before the next is made.
    if (argc > 1) {
        tallivant::quietQtMessages(true);
        QCoreApplication reader(argc, argv);
        tallivant::installTranslations(reader, tallivant::systemLanguage());
        line = tallivant::readCommandLine(tallivant::argumentBytes(argc, argv));
        if (line.action != CommandLine::Action::Window &&
            line.action != CommandLine::Action::Export)
            return tallivant::answer(line);
        // The CSV files need no fonts: the reader's application will do.
        if (line.action == CommandLine::Action::Export && !line.needsFonts())
            return tallivant::writeExports(line);
    }
    if (line.action == CommandLine::Action::Export) {
#ifndef _WIN32
        // The report's faces need Qt's fonts, which need a platform: one that draws nowhere,
        // so that a terminal or a cron job with no X server or Wayland will do. (Windows
        // always has its own.)
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        QGuiApplication app(argc, argv);
        tallivant::installTranslations(app, tallivant::systemLanguage());
        return tallivant::writeExports(line);
    }

    tallivant::quietQtMessages(false);
    QApplication app(argc, argv);
    tallivant::installTranslations(app, tallivant::systemLanguage());
    tallivant::ui::setUpApplication(app);
    tallivant::ui::QtDialogs dialogs;
    tallivant::ui::StatWindow window(dialogs);
    dialogs.setWindow(&window);
    window.show();
    window.offerRecovery();
    if (!line.game.empty()) window.openGameFile(tallivant::absolute(line.game));
    return app.exec();
}
