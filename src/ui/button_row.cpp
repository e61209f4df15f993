// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/button_row.h"

#include <QEvent>
#include <QShortcutEvent>

namespace tallivant::ui {

InstantButton::InstantButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setAutoDefault(false);
}

bool InstantButton::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(e)->isAmbiguous()) {
        click();
        return true;
    }
    return QPushButton::event(e);
}

} // namespace tallivant::ui
