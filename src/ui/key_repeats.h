// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tells the keyboard's repeats of a held key from real presses, for the event filters that
// must act once per press.
#pragma once

#include <QKeyEvent>
#include <utility>

namespace tallivant::ui {

class KeyRepeats {
public:
    // Every key release the filter sees.
    void released(const QKeyEvent* key) { lastRelease_ = {key->key(), key->timestamp()}; }
    // The X server repeats a held key as a release and a press with the same time stamp, and
    // Qt does not always mark that press as a repeat; a real release and press are never in
    // the same millisecond.
    bool isRepeat(const QKeyEvent* key) const {
        return key->isAutoRepeat() ||
               (key->key() == lastRelease_.first && key->timestamp() == lastRelease_.second);
    }

private:
    std::pair<int, quint64> lastRelease_{0, 0};
};

} // namespace tallivant::ui
