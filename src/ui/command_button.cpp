// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/command_button.h"

#include <QPainter>
#include <QShortcutEvent>
#include <qdrawutil.h>

namespace tallivant::ui {

bool CommandButton::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(e)->isAmbiguous()) {
        click();
        return true;
    }
    return QPushButton::event(e);
}

void CommandButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    const bool sunken = isDown() || isChecked();
    qDrawWinButton(&painter, rect(), pal, sunken, &pal.brush(QPalette::Button));

    QRect textRect = rect().adjusted(2, 2, -2, -2);
    if (sunken) textRect.translate(1, 1);
    painter.setPen(
        pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    // The focus is shown by the window's FocusOutline, which stands out on every colour.
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

} // namespace tallivant::ui
