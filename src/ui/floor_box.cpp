// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/floor_box.h"

#include "ui/palettes.h"

namespace tallivant::ui {

FloorBox::FloorBox(QWidget* parent) : QCheckBox(parent) {
    setAutoFillBackground(true);
    recolour(false);
    connect(this, &QCheckBox::toggled, this, &FloorBox::recolour);
}

void FloorBox::recolour(bool checked) {
    setPalette(floorPalette(checked));
}

} // namespace tallivant::ui
