// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/client_area.h"

#include <QPaintEvent>
#include <QPainter>

namespace tallivant::ui {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::setBackground(const QColor& colour) {
    background_ = colour;
    update();
}

void ClientArea::paintEvent(QPaintEvent* event) {
    QPainter(this).fillRect(event->rect(), background_);
}

} // namespace tallivant::ui
