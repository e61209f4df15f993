// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's plays as a table for the Plays window, newest first: number, time, quarter,
// player (as the name button shows the name now), the stat in words, and a note of what was
// corrected. A play that no longer counts is greyed.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "sheet/game.h"

namespace tallivant::ui {

class PlaysModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, Time, QuarterColumn, Player, Stat, Note, kColumnCount };

    explicit PlaysModel(const Game& game, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The place in the game's list of the play a row shows, and back.
    int playAt(int row) const { return static_cast<int>(shown_.size()) - 1 - row; }
    int rowOf(int play) const { return static_cast<int>(shown_.size()) - 1 - play; }
    const Play& play(int row) const { return shown_[playAt(row)]; }

    // The game's list changed. New plays go in at the top and changed ones are shown anew, so
    // the rows the scorer has selected stay on their plays; a list replaced by another (a new
    // or opened game) is shown from scratch.
    void playsChanged();
    // A name changed: the players and the notes that name them are shown anew.
    void namesChanged();

private:
    QString text(const Play& p, int column) const;
    QString spokenRow(const Play& p) const;

    const Game& game_;
    // The list as the rows show it, oldest first.
    Plays shown_;
};

} // namespace tallivant::ui
