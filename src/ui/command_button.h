// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A command button as the window draws it: its own background colour, edge to edge, inside a
// raised edge, and an Alt-letter that clicks at once. Qt's own mnemonic runs an animated click
// that emits clicked() about 100 ms later and drops a second press meanwhile, so a quick
// name-then-stat sequence from the keyboard could land out of order or be lost.
#pragma once

#include <QPushButton>

namespace tallivant::ui {

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

} // namespace tallivant::ui
