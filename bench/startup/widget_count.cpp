// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Counts the stat window's widgets by Qt class and gives its size, so that the bare window of
// the start-up benchmark holds as many of each as the real one. With --args it prints only
// what startup_bare takes: line edits, push buttons, check boxes, width and height; with
// --args-whole also option buttons, labels, group boxes, menus and actions.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cstdio>

#include "ui/appearance.h"
#include "ui/qt_dialogs.h"
#include "ui/stat_window.h"

namespace {

template <typename T> int count(const QWidget& window) {
    return static_cast<int>(window.findChildren<T*>().size());
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window's recovery copy belongs in a scratch folder, not the user's state folder.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    QApplication app(argc, argv);
    tallivant::ui::setUpApplication(app);
    tallivant::ui::QtDialogs dialogs;
    tallivant::ui::StatWindow window(dialogs);
    window.show();
    QApplication::processEvents();

    const int lineEdits = count<QLineEdit>(window), pushButtons = count<QPushButton>(window),
              checkBoxes = count<QCheckBox>(window), radioButtons = count<QRadioButton>(window),
              labels = count<QLabel>(window), groupBoxes = count<QGroupBox>(window),
              menus = count<QMenu>(window),
              actions = static_cast<int>(window.findChildren<QAction*>().size());
    // The items of the menus, separators included; each menu's own action is not one of them.
    int menuItems = 0;
    for (const QMenu* menu : window.findChildren<QMenu*>())
        menuItems += static_cast<int>(menu->actions().size());
    const QStringList args = QApplication::arguments();
    if (args.contains(QStringLiteral("--args"))) {
        std::printf("%d %d %d %d %d\n", lineEdits, pushButtons, checkBoxes, window.width(),
                    window.height());
    } else if (args.contains(QStringLiteral("--args-whole"))) {
        std::printf("%d %d %d %d %d %d %d %d %d %d\n", lineEdits, pushButtons, checkBoxes,
                    window.width(), window.height(), radioButtons, labels, groupBoxes, menus,
                    menuItems);
    } else {
        std::printf("QLineEdit %d\nQPushButton %d\nQCheckBox %d\nQRadioButton %d\nQLabel %d\n"
                    "QGroupBox %d\nQMenu %d\nQAction %d (menu items %d)\n"
                    "QWidget (all) %d\nsize %dx%d\n",
                    lineEdits, pushButtons, checkBoxes, radioButtons, labels, groupBoxes, menus,
                    actions, menuItems, count<QWidget>(window), window.width(), window.height());
    }
    return 0;
}
