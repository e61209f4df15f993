// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the program's start-up: a plain Qt window, linked to Qt Widgets alone,
// with as many line edits, push buttons and check boxes as the stat window and of its size.
// What it costs to start is what Qt itself costs; the rest of the program's start-up is ours.
// Given the five further counts it also holds the stat window's other kinds of widget: option
// buttons, labels, group boxes, and a menu bar with its menus and actions.
//
//   startup_bare [LINE_EDITS PUSH_BUTTONS CHECK_BOXES WIDTH HEIGHT
//                 [RADIO_BUTTONS LABELS GROUP_BOXES MENUS ACTIONS]]
//
// startup_count prints these counts from the real window.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>
#include <cstdlib>

namespace {

// The sheet's cell: 25 x 19 pixels, a line every 24 pixels, 17 to a line.
constexpr int kFieldWidth = 25, kFieldHeight = 19, kLineStep = 24, kPerLine = 17;
constexpr int kSheetLeft = 110, kSheetTop = 104;

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The stat window's counts; the other kinds only when asked for.
    int counts[10] = {306, 28, 17, 792, 548, 0, 0, 0, 0, 0};
    const QStringList args = QApplication::arguments();
    if (args.size() == 6 || args.size() == 11) {
        for (qsizetype i = 1; i < args.size(); ++i)
            counts[i - 1] = args[i].toInt();
    } else if (args.size() != 1) {
        std::fprintf(stderr, "usage: startup_bare [LINE_EDITS PUSH_BUTTONS CHECK_BOXES WIDTH "
                             "HEIGHT [RADIO_BUTTONS LABELS GROUP_BOXES MENUS ACTIONS]]\n");
        return EXIT_FAILURE;
    }
    const auto [lineEdits, pushButtons, checkBoxes, width, height, radioButtons, labels, groupBoxes,
                menus, actions] = counts;

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto* client = new QWidget(&window);
    // The stat window's size is its client area and menu bar together.
    int menuBarHeight = 0;
    for (int i = 0; i < menus; ++i) {
        QMenu* menu = window.menuBar()->addMenu(QStringLiteral("Menu &%1").arg(i + 1));
        for (int k = i; k < actions; k += menus)
            menu->addAction(QStringLiteral("Action %1").arg(k + 1));
    }
    if (menus > 0) menuBarHeight = window.menuBar()->sizeHint().height();
    client->setFixedSize(width, height - menuBarHeight);
    window.setCentralWidget(client);

    for (int i = 0; i < lineEdits; ++i) {
        auto* field = new QLineEdit(QStringLiteral("0"), client);
        field->setReadOnly(true);
        field->setGeometry(kSheetLeft + (i % kPerLine) * (kFieldWidth + 15),
                           kSheetTop + (i / kPerLine) * kLineStep, kFieldWidth, kFieldHeight);
    }
    // Buttons and check boxes down the left edge and along the top, as the stat window has them.
    for (int i = 0; i < pushButtons; ++i) {
        auto* button = new QPushButton(QStringLiteral("Button %1").arg(i + 1), client);
        if (i < 18)
            button->setGeometry(16, kSheetTop + i * kLineStep, 89, 17);
        else
            button->setGeometry(8 + (i - 18) % 13 * 60, 8 + (i - 18) / 13 * 30, 56, 26);
    }
    for (int i = 0; i < checkBoxes; ++i) {
        auto* box = new QCheckBox(client);
        box->setGeometry(0, kSheetTop + i * kLineStep, 17, 17);
    }

    for (int i = 0; i < radioButtons; ++i) {
        auto* option = new QRadioButton(QStringLiteral("Option %1").arg(i + 1), client);
        option->setGeometry(560 + i % 4 * 56, 40 + i / 4 * 20, 52, 17);
    }
    for (int i = 0; i < labels; ++i) {
        auto* label = new QLabel(QStringLiteral("Label %1").arg(i + 1), client);
        label->setGeometry(110 + i % 14 * 48, 84, 46, 17);
    }
    for (int i = 0; i < groupBoxes; ++i) {
        auto* frame = new QGroupBox(QStringLiteral("Group %1").arg(i + 1), client);
        frame->setGeometry(700, 4 + i * 70, 88, 66);
    }

    window.show();
    return app.exec();
}
