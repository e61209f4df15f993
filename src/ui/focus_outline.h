// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard focus as the scorer sees it: a ring around the focused button or box, drawn
// over the window in two bands, each black or white: the outer one set off against what lies
// behind the control, the inner one against the control's own colour. Either way it stands
// out by at least 4.5 to 1, on every colour the window can be given.
#pragma once

#include <QPointer>
#include <QWidget>

namespace tallivant::ui {

class ClientArea;

class FocusOutline : public QWidget {
    Q_OBJECT
public:
    explicit FocusOutline(ClientArea* area);

    // Width of each band, in pixels.
    static constexpr int kBand = 2;

    // The control it surrounds now, or nothing while it is hidden.
    QWidget* target() const { return isVisible() ? target_.data() : nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Follows the control when it moves, changes colour or goes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void focusChanged(QWidget* old, QWidget* now);

private:
    void follow();
    QColor backgroundOf(QWidget* under) const;
    // Where `under` (the window or a frame) shows itself, no control on it, in the outline's
    // coordinates.
    QRegion uncovered(QWidget* under) const;

    ClientArea* area_;
    QPointer<QWidget> target_;
};

} // namespace tallivant::ui
