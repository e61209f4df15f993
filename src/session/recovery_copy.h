// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the recovery copy of the game on the window current: the window reports each change,
// and has the copy written once the event that changed the game is handled, or before any box
// opens in the middle of it, so that whatever was on the screen is in the file before the next
// input event. It reaches the disk within two seconds, off the path of a stat. A copy that
// could not be written or synced (a full disk) is tried again every second until it is.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

#include "dialogs/dialogs.h"
#include "sheet/game.h"
#include "store/recovery.h"

namespace tallivant {

class RecoveryCopy : public QObject {
    Q_OBJECT
public:
    RecoveryCopy(Dialogs& dialogs, std::string stateFolder, QObject* parent = nullptr);
    ~RecoveryCopy() override;

    // The game to keep, the file label the window shows with it, the quarter that is on and
    // the boxes ticked beside it.
    void watch(const Game& game, std::function<std::string()> label,
               std::function<Quarter()> quarter, std::function<ScreenMarks()> marks);
    // Where the game is shared live, kept with the copy.
    void watchSharing(std::function<Sharing()> sharing) { sharing_ = std::move(sharing); }
    // The game or its label changed: the copy is written at the next keep().
    void changed() { pending_ = true; }
    // Writes the copy if the game changed: the file while it has unsaved changes, none once
    // it is saved. A copy that cannot be written is said once, and the game goes on.
    void keep();
    // The scorer discarded the game: it is kept in discarded/, or where it is if that fails,
    // and the scorer is told so.
    void discard();
    // The same for a game left behind by another copy, which this copy has just claimed.
    void discardClaimed();
    // The window closes with nothing left unsaved or discarded: no recovery file stays.
    void closed();

    // Why the game's copy is not on the disk now (a full or failing disk); nothing while it
    // is, or while there is no game to keep. In English: shown through translatedReason.
    const std::optional<std::string>& failure() const { return failure_; }
    // Whether a copy of the game is on the disk now.
    bool holdsCopy() const { return holdsCopy_; }

    Recovery& recovery() { return recovery_; }
    const Recovery& recovery() const { return recovery_; }
    // Off, nothing is written: for measuring what the copy costs a stat.
    void setKeeping(bool on) { keeping_ = on; }

    static constexpr const char* kWarningTitle = QT_TRANSLATE_NOOP("RecoveryCopy", "Warning");
    //: %1 is why (the system's words)
    static constexpr const char* kWarning =
        QT_TRANSLATE_NOOP("RecoveryCopy", "Tallivant cannot keep a recovery copy of this game: %1");
    //: %1 is why (the system's words)
    static constexpr const char* kDiscardWarning =
        QT_TRANSLATE_NOOP("RecoveryCopy", "Tallivant cannot keep the discarded game: %1");

signals:
    // failure() changed: the copy began to fail, fails for another reason or is kept again.
    void failureChanged();
    // holdsCopy() changed.
    void holdsCopyChanged();
    // keep() found a change to keep: the game, its label, its quarter or the boxes beside it.
    void changeKept();

private:
    void write();
    void fail(const std::string& reason);
    void setFailure(std::optional<std::string> reason);
    void setHoldsCopy(bool holds);
    void syncNow();

    Dialogs& dialogs_;
    Recovery recovery_;
    const Game* game_ = nullptr;
    std::function<std::string()> label_;
    std::function<Quarter()> quarter_;
    std::function<ScreenMarks()> marks_;
    std::function<Sharing()> sharing_;
    QTimer sync_;
    std::optional<std::string> failure_;
    bool pending_ = false;
    // The last copy written did not reach the disk: it is written again at the next sync.
    bool retry_ = false;
    bool warned_ = false;
    bool keeping_ = true;
    bool holdsCopy_ = false;
};

} // namespace tallivant
