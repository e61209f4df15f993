// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/recovery_copy.h"

#include "files/game_file.h"

namespace tallivant::ui {

namespace {
// A power cut loses at most this much, plus the time of the sync itself.
constexpr int kSyncDelayMs = 1000;
} // namespace

RecoveryCopy::RecoveryCopy(Dialogs& dialogs, std::string stateFolder, QObject* parent)
    : QObject(parent), dialogs_(dialogs), recovery_(std::move(stateFolder)) {
    sync_.setSingleShot(true);
    sync_.setInterval(kSyncDelayMs);
    connect(&sync_, &QTimer::timeout, this, [this] { recovery_.sync(); });
}

RecoveryCopy::~RecoveryCopy() {
    keep();
    recovery_.sync();
}

void RecoveryCopy::watch(const Game& game, std::function<std::string()> label) {
    game_ = &game;
    label_ = std::move(label);
}

void RecoveryCopy::keep() {
    if (!pending_ || !game_ || !keeping_) return;
    pending_ = false;
    if (!game_->hasUnsavedChanges()) {
        recovery_.remove();
        // A game saved since: its next failure is worth saying again.
        warned_ = false;
        return;
    }
    const auto failure = recovery_.write(contentsOf(*game_), label_ ? label_() : std::string());
    if (!failure) {
        if (!sync_.isActive()) sync_.start();
        return;
    }
    if (warned_) return;
    warned_ = true;
    dialogs_.message(kWarning + *failure, kWarningTitle, Icon::Exclamation);
}

void RecoveryCopy::discard() {
    keep();
    recovery_.discard();
}

void RecoveryCopy::closed() {
    pending_ = false;
    recovery_.remove();
    recovery_.sync();
}

} // namespace tallivant::ui
