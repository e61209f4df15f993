// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The row of buttons under the table of the Plays and the Season totals windows, each button
// one row of the window's table (caption, object name, key, what it does), then Close at the
// right. The keys are the window's rows of the keyboard map (kKeyMap): a button shows its key
// in its caption, and carries no Alt-letter, since any letter may be a name's on the sheet.
// The captions are English, marked QT_TRANSLATE_NOOP in the window's context (captionContext),
// and shown translated.
#pragma once

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QString>

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "ui/keymap.h"

namespace tallivant::ui {

template <typename Window> struct RowButton {
    const char* caption; // without its key, in English: "Give to..."
    const char* objectName;
    std::optional<KeyAction> key; // the keyboard map's action that presses it, if any
    void (Window::*action)();
};

// A key of the window's that no button shows (the Plays window's Home and End).
template <typename Window> struct RowKey {
    KeyAction key;
    void (Window::*action)();
};

// The context in which the captions of the buttons of `keys`' window are marked: "Plays",
// "Season".
const char* captionContext(KeyWindow keys);

// A button of the row, its caption (translated) followed by the keys of `action` in `keys`
// ("Remove (Del)").
QPushButton* rowButton(const QString& caption, const char* objectName, KeyWindow keys,
                       std::optional<KeyAction> action, QWidget* window);

// The shortcut of one row of the keyboard map in `window`. It acts at once, and once per press:
// a key held down does not repeat it (a held Delete would remove play after play).
QShortcut* rowShortcut(const KeyRow& row, QWidget* window);

// The buttons in order, then Close (named `closeName`); the buttons made are added to `made`.
// Every row of `keys` in the keyboard map becomes a shortcut of `window`, which clicks the
// button of its action or calls the action of `others`.
template <typename Window>
QHBoxLayout* buttonRow(Window* window, KeyWindow keys,
                       std::initializer_list<RowButton<Window>> rows,
                       std::initializer_list<RowKey<Window>> others, const char* closeName,
                       std::vector<QPushButton*>& made) {
    auto* layout = new QHBoxLayout;
    std::vector<std::pair<KeyAction, QPushButton*>> pressed;
    for (const RowButton<Window>& row : rows) {
        QPushButton* button =
            rowButton(QCoreApplication::translate(captionContext(keys), row.caption),
                      row.objectName, keys, row.key, window);
        QObject::connect(button, &QPushButton::clicked, window, row.action);
        layout->addWidget(button);
        made.push_back(button);
        if (row.key) pressed.emplace_back(*row.key, button);
    }
    layout->addStretch();
    QPushButton* close = rowButton(QCoreApplication::translate("ButtonRow", "Close"), closeName,
                                   keys, KeyAction::Close, window);
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    layout->addWidget(close);
    pressed.emplace_back(KeyAction::Close, close);

    for (const KeyRow& row : kKeyMap) {
        if (row.window != keys) continue;
        QShortcut* shortcut = rowShortcut(row, window);
        // A click is what the mouse does: nothing while the button is greyed.
        for (const auto& [action, button] : pressed)
            if (action == row.action)
                QObject::connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
        for (const RowKey<Window>& other : others)
            if (other.key == row.action)
                QObject::connect(shortcut, &QShortcut::activated, window, other.action);
    }
    return layout;
}

} // namespace tallivant::ui
