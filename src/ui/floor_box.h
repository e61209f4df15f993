// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A player's on-the-floor box: light grey, red while checked. It stands alone rather than in
// a QButtonGroup, because Qt takes the boxes of a group for one Tab stop and would let Tab
// reach only the first player's box.
#pragma once

#include <QCheckBox>

namespace tallivant::ui {

class FloorBox : public QCheckBox {
    Q_OBJECT
public:
    explicit FloorBox(QWidget* parent);

private slots:
    void recolour(bool checked);
};

} // namespace tallivant::ui
