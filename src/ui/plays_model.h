// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's plays as a table for the Plays window, newest first: number, time, quarter,
// player (as the name button shows the name now), the stat in words, and a note of what was
// corrected. The opponent's plays are rows too, in the order recorded among ours, with the
// opponent's name as their player ("Opponent", "2 points"). A play that no longer counts is
// greyed.
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

    // Which play a row shows: its side and its place in that side's list.
    using Entry = PlayRef;
    Entry entryAt(int row) const {
        return order_[order_.size() - 1 - static_cast<std::size_t>(row)];
    }
    bool counted(int row) const;

    // The game's list changed. New plays go in at the top and changed ones are shown anew, so
    // the rows the scorer has selected stay on their plays; a list replaced by another (a new
    // or opened game) is shown from scratch.
    void playsChanged();
    // A name changed: the players and the notes that name them are shown anew.
    void namesChanged();

private:
    QString text(const Play& p, int column) const;
    QString text(const OpponentPlay& p, int column) const;
    QString text(int row, int column) const;
    QString spokenRow(int row) const;
    int rowOf(Entry entry) const;
    void showFromScratch();

    const Game& game_;
    // Both lists as the rows show them, and the rows' order, oldest first.
    Plays shown_;
    OpponentPlays theirs_;
    std::vector<Entry> order_;
    QString theirName_; // as the opponent's rows show it
};

} // namespace tallivant::ui
