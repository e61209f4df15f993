// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window "Plays": every play of the game, newest first, beside the main window and never
// blocking it, with the four corrections of the selected plays (Remove, Put back, Give to,
// Quarter) and Close.
//
//   StatWindow ──playsChanged / namesChanged──> PlaysWindow ──> PlaysModel ──> the table
//   button / its key ──> Game::removePlays, putBackPlays, givePlays, movePlays
//                    ──> `corrected` (the main window keeps its recovery copy)
//
// Its own keys are its rows of the keyboard map (kKeyMap), none of them an Alt-letter: those
// are the sheet's.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "dialogs/dialogs.h"
#include "sheet/game.h"

class QPushButton;
class QTableView;

namespace tallivant::ui {

class PlaysModel;

class PlaysWindow : public QWidget {
    Q_OBJECT
public:
    // `currentQuarter` is the quarter whose button is on in the main window; `corrected` runs
    // after every correction, so that the main window keeps its recovery copy.
    PlaysWindow(Game& game, Dialogs& dialogs, std::function<Quarter()> currentQuarter,
                std::function<void()> corrected, QWidget* parent);

    // Shows the window, or brings it to the front, with the focus in the table. Shown anew, it
    // opens on the newest play, beside the main window or over the sheet's last columns.
    void bringUp();
    void playsChanged();
    void namesChanged();

    PlaysModel* model() const { return model_; }
    QTableView* table() const { return table_; }
    // The selected plays, as places in the game's list, oldest first.
    // The selected plays of each side, by their places in that side's list.
    struct Selection {
        std::vector<int> ours;
        std::vector<int> theirs;
        bool empty() const { return ours.empty() && theirs.empty(); }
    };
    Selection selectedPlays() const;

    // Marked in the context "Plays", shown translated.
    static constexpr const char* kGiveTitle = QT_TRANSLATE_NOOP("Plays", "Give to");
    static constexpr const char* kGiveText =
        QT_TRANSLATE_NOOP("Plays", "Give the selected plays to:");
    static constexpr const char* kQuarterTitle = QT_TRANSLATE_NOOP("Plays", "Quarter");
    static constexpr const char* kQuarterText =
        QT_TRANSLATE_NOOP("Plays", "Move the selected plays to:");

private:
    void remove();
    void putBack();
    void giveTo();
    void moveToQuarter();
    void showNewest();
    void showOldest();
    void showPlay(int row);
    void place();
    void updateButtons();
    void afterCorrection();
    void backFromBox();

    Game& game_;
    Dialogs& dialogs_;
    std::function<Quarter()> currentQuarter_;
    std::function<void()> corrected_;
    PlaysModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* putBack_ = nullptr;
    QPushButton* giveTo_ = nullptr;
    QPushButton* quarter_ = nullptr;
};

} // namespace tallivant::ui
