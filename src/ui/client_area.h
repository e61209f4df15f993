// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's client area. It paints the window's own background colour itself rather than
// through the palette, because a palette colour would be inherited by every control on it.
#pragma once

#include <QColor>
#include <QWidget>

namespace tallivant::ui {

class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget* parent = nullptr);

    QColor background() const { return background_; }
    void setBackground(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_{Qt::white};
};

} // namespace tallivant::ui
