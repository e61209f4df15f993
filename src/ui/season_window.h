// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window "Season totals": the season's table, players by points per game and the team
// last, sortable by any column (the team stays last), the team's record and the games counted
// under it, with Print (through the system's print
// dialog), Save as PDF, Export CSV and Close (Escape). It never blocks the main window, and
// opens whole on the screen in front of it.
#pragma once

#include <QWidget>

#include "dialogs/dialogs.h"
#include "season/season.h"
#include "session/file_commands.h"

class QTableView;
class QTableWidget;
class QSortFilterProxyModel;
class QVBoxLayout;

namespace tallivant::ui {

class SeasonWindow : public QWidget {
    Q_OBJECT
public:
    // `host` gives the documents folder where the files are proposed.
    SeasonWindow(Season season, Dialogs& dialogs, FilesHost& host, QWidget* parent);

    // The window at most as large as `available` (a screen's room for windows) and whole on
    // it, over the main window: its table scrolls beyond.
    void fitOn(const QRect& available);

    const Season& season() const { return season_; }
    QTableView* table() const { return table_; }
    // The games counted, in the season's order; none for a season that lists none.
    QTableWidget* games() const { return games_; }

private:
    void print();
    void savePdf();
    void exportCsv();
    // The team's record and the games list under the table; the height they want.
    int addGames(QVBoxLayout* layout);

    Season season_;
    Dialogs& dialogs_;
    FilesHost& host_;
    QTableView* table_ = nullptr;
    QTableWidget* games_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QSize wanted_; // every column in sight
};

} // namespace tallivant::ui
