// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/recovery_copy.h"

#include "formats/game_file.h"
#include "session/file_commands.h"
#include "session/reasons.h"
#include "session/translated.h"

namespace tallivant {

namespace {
// A power cut loses at most this much, plus the time of the sync itself.
constexpr int kSyncDelayMs = 1000;
} // namespace

RecoveryCopy::RecoveryCopy(Dialogs& dialogs, std::string stateFolder, QObject* parent)
    : QObject(parent), dialogs_(dialogs), recovery_(std::move(stateFolder)) {
    sync_.setSingleShot(true);
    sync_.setInterval(kSyncDelayMs);
    connect(&sync_, &QTimer::timeout, this, &RecoveryCopy::syncNow);
}

RecoveryCopy::~RecoveryCopy() {
    if (retry_) pending_ = true;
    keep();
    recovery_.sync();
}

void RecoveryCopy::watch(const Game& game, std::function<std::string()> label,
                         std::function<Quarter()> quarter, std::function<ScreenMarks()> marks) {
    game_ = &game;
    label_ = std::move(label);
    quarter_ = std::move(quarter);
    marks_ = std::move(marks);
}

void RecoveryCopy::keep() {
    if (!pending_ || !game_ || !keeping_) return;
    pending_ = false;
    write();
    emit changeKept();
}

void RecoveryCopy::write() {
    retry_ = false;
    // A saved game is in its file; a sheet with no stat and no name holds nothing to keep.
    if (!game_->hasUnsavedChanges() || holdsNothing(*game_)) {
        recovery_.remove();
        setHoldsCopy(false);
        // A game saved since: its next failure is worth saying again.
        if (!game_->hasUnsavedChanges()) warned_ = false;
        setFailure(std::nullopt);
        return;
    }
    KeptGame kept{contentsOf(*game_),
                  label_ ? label_() : std::string(),
                  quarter_ ? quarter_() : Quarter::First,
                  game_->memory(),
                  game_->plays(),
                  marks_ ? marks_() : ScreenMarks{},
                  game_->matchup(),
                  sharing_ ? sharing_() : Sharing{}};
    if (const auto failure = recovery_.write(kept))
        fail(*failure);
    else
        setHoldsCopy(true);
    if (!sync_.isActive()) sync_.start();
}

void RecoveryCopy::syncNow() {
    // What was recorded while the disk was full is kept as soon as there is room again, not
    // only at the next stat.
    if (retry_) write();
    // A disk that fails to keep what was written is as bad as one that refuses it: the copy
    // is written again, in case what did not reach the disk is lost.
    if (!retry_)
        if (const auto failure = recovery_.sync()) fail(*failure);
    if (retry_) {
        if (!sync_.isActive()) sync_.start();
        return;
    }
    setFailure(std::nullopt);
}

void RecoveryCopy::fail(const std::string& reason) {
    retry_ = true;
    setFailure(reason);
    if (warned_) return;
    warned_ = true;
    dialogs_.message(
        filled(QCoreApplication::translate("RecoveryCopy", kWarning), translatedReason(reason)),
        translated("RecoveryCopy", kWarningTitle), Icon::Exclamation);
}

void RecoveryCopy::setFailure(std::optional<std::string> reason) {
    if (failure_ == reason) return;
    failure_ = std::move(reason);
    emit failureChanged();
}

void RecoveryCopy::setHoldsCopy(bool holds) {
    if (holdsCopy_ == holds) return;
    holdsCopy_ = holds;
    emit holdsCopyChanged();
}

void RecoveryCopy::discard() {
    keep();
    discardClaimed();
    setHoldsCopy(false);
}

void RecoveryCopy::discardClaimed() {
    if (const auto failure = recovery_.discard())
        dialogs_.message(filled(QCoreApplication::translate("RecoveryCopy", kDiscardWarning),
                                translatedReason(*failure)),
                         translated("RecoveryCopy", kWarningTitle), Icon::Exclamation);
    // The next game is a new one: a copy that still cannot be kept is said again.
    warned_ = false;
}

void RecoveryCopy::closed() {
    pending_ = false;
    retry_ = false;
    recovery_.remove();
    recovery_.sync();
    setHoldsCopy(false);
    setFailure(std::nullopt);
}

} // namespace tallivant
