// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sheet's keys (stat and name letters, the quarter keys, Alt+S, Ctrl+Z, Ctrl+S) wherever
// the scorer is:
// - in the Plays, Season and Keys windows they act on the sheet at once, and the window stays;
// - behind a box that only informs ("Foul trouble", "Please select player first.") they are
//   held in order and shown in the box; OK or Enter lets them act, in order, once the command
//   that opened the box has finished; Escape or the close button drops them. A held key that
//   opens another such box leaves the keys after it held, shown in that box;
// - behind a box that asks (a prompt, a question, a file dialog) each beeps and goes nowhere: a
//   letter would even be typed into a name. An Alt-letter the box offers itself ("&Save",
//   "File &name:") still answers the box.
#pragma once

#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>
#include <utility>

#include <QKeySequence>

#include "ui/key_repeats.h"

class QKeyEvent;
class QWidget;

namespace tallivant::ui {

class SheetKeys : public QObject {
    Q_OBJECT
public:
    // What a key would do on `window` as it is now (a name's letter changes with the roster),
    // or nothing when it is none of the sheet's keys.
    using Resolve = std::function<std::function<void()>(const QKeySequence&)>;
    SheetKeys(QWidget* window, Resolve resolve);
    ~SheetKeys() override;

    // The sign that a key went nowhere: the system's beep unless replaced.
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }
    // The keys held now, oldest first.
    const std::deque<QKeySequence>& held() const { return held_; }

    // Marks a box that only informs: the sheet's keys wait behind it. A child QLabel named
    // "heldKeys" shows them; a message box without one shows them under its text.
    static void holdsKeys(QWidget* box);
    static QString heldText(const std::deque<QKeySequence>& keys);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyEvent(QObject* watched, QKeyEvent* key);
    void show(QWidget* box);
    void replay();

    QWidget* window_;
    Resolve resolve_;
    std::function<void()> beep_;
    KeyRepeats repeats_;
    std::deque<QKeySequence> held_;
    bool replaying_ = false;
};

} // namespace tallivant::ui
