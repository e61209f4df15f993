// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window "Keys" (`frmkeys`): every key of the keyboard map, grouped by the window it works
// in, as one table a screen reader reads row by row. It never blocks the main window, and the
// sheet's keys reach the sheet from it.
#pragma once

#include <QWidget>

class QTableWidget;

namespace tallivant::ui {

class KeysWindow : public QWidget {
    Q_OBJECT
public:
    explicit KeysWindow(QWidget* parent);

    // Shows the window, or brings it to the front.
    void bringUp();
    QTableWidget* table() const { return table_; }

private:
    QTableWidget* table_;
};

} // namespace tallivant::ui
