// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's faces and the application-wide look: the sheet is drawn in fixed colours, so the
// style and palette must not follow a desktop theme (a dark theme would put white text on the
// white lines).
#pragma once

#include <QFont>
#include <QString>

class QApplication;

namespace tallivant::ui {

// MS Sans Serif where the system has it, otherwise Liberation Sans, a face of the same size.
QString sheetFamily();
// The window font: 8.25 points, bold.
QFont windowFont();
// Fields, name buttons, header, row labels, quarter buttons and timeout boxes.
QFont regularFont();

// Fusion with its own light palette, so that every background colour of the window shows.
void setUpApplication(QApplication& app);

} // namespace tallivant::ui
