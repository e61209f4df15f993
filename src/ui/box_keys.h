// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's own keys while one of its boxes or dialogs is up. Behind a modal box a stat's,
// a name's or the clock's Alt-letter and Ctrl+Z reach nothing: a scorer typing at speed would
// not notice the lost stat, and in a name prompt the letter would even be typed into the name.
// Each such key gives one beep instead and goes nowhere. An Alt-letter the box offers itself
// ("&Save", "&Discard", "File &name:") still answers the box.
#pragma once

#include <QObject>
#include <functional>
#include <utility>

#include "ui/key_repeats.h"

class QKeyEvent;
class QKeySequence;
class QWidget;

namespace tallivant::ui {

class BoxKeys : public QObject {
    Q_OBJECT
public:
    // `actsOnWindow` tells whether a key would record a stat, select a name, press the clock or
    // take back on `window` as it is now (the names' letters change with the roster).
    BoxKeys(QWidget* window, std::function<bool(const QKeySequence&)> actsOnWindow);
    ~BoxKeys() override;

    // The sign that a key went nowhere: the system's beep unless replaced.
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<bool(const QKeySequence&)> actsOnWindow_;
    std::function<void()> beep_;
    KeyRepeats repeats_;
};

} // namespace tallivant::ui
