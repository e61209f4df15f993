// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the Plays and Season totals windows open, as plain geometry of frames (a window with
// its title bar and borders) on a screen's available area, so that any screen can be tried.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <algorithm>

namespace tallivant::ui {

// The room left between the main window and a window beside it.
inline constexpr int kWindowGap = 8;

// `frame` made no larger than `screen` and moved, as little as it takes, to lie whole on it.
inline QRect keptOn(QRect frame, const QRect& screen) {
    frame.setSize(frame.size().boundedTo(screen.size()));
    frame.moveLeft(std::clamp(frame.left(), screen.left(), screen.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), screen.top(), screen.bottom() + 1 - frame.height()));
    return frame;
}

// The Plays window's frame, `wanted` at most: beside the main window's frame, at its top, where
// the screen has room at its right. Otherwise against the screen's right edge, over the sheet's
// last columns, where the scorer reads on while mending a play, but never over the name buttons
// (their right edge is `namesRight`): narrower if it must be, but not below `narrowest`. A main
// window pushed so far right that not even that fits right of its names leaves room at the
// screen's left.
inline QRect playsPlace(const QRect& mainFrame, const QRect& screen, QSize wanted, int namesRight,
                        int narrowest) {
    const int beside = mainFrame.right() + 1 + kWindowGap;
    if (beside + wanted.width() - 1 <= screen.right())
        return keptOn(QRect(QPoint(beside, mainFrame.top()), wanted), screen);
    const int room = screen.right() - (namesRight + kWindowGap);
    if (room >= std::min(narrowest, wanted.width())) {
        const int width = std::min(wanted.width(), room);
        return keptOn(QRect(QPoint(screen.right() + 1 - width, mainFrame.top()),
                            QSize(width, wanted.height())),
                      screen);
    }
    return keptOn(QRect(QPoint(screen.left(), mainFrame.top()), wanted), screen);
}

// What the window system adds around `window`: its own title bar and borders once shown,
// otherwise those of its parent's window, which the same window system decorates alike.
inline QMargins frameMargins(const QWidget& window) {
    const QWidget* framed = &window;
    if (window.frameGeometry() == window.geometry() && window.parentWidget())
        framed = window.parentWidget()->window();
    const QRect outer = framed->frameGeometry(), inner = framed->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// Moves and sizes the window `window` so that its frame is `frame`.
inline void setFrame(QWidget& window, const QRect& frame) {
    const QRect inner = frame.marginsRemoved(frameMargins(window));
    window.resize(inner.size());
    window.move(frame.topLeft());
}

} // namespace tallivant::ui
