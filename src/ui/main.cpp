// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include "ui/appearance.h"
#include "ui/qt_dialogs.h"
#include "ui/stat_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tallivant::ui::setUpApplication(app);
    tallivant::ui::QtDialogs dialogs;
    tallivant::ui::StatWindow window(dialogs);
    dialogs.setWindow(&window);
    window.show();
    window.offerRecovery();
    return app.exec();
}
