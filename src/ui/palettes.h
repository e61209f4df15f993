// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The palettes that give the window's controls their colours from the layout's 0x00BBGGRR
// values: fills for labels and boxes, faces for buttons, and the two states of the name buttons
// and on-the-floor boxes.
#pragma once

#include <QPalette>

namespace tallivant::ui {

// Labels, check boxes and option buttons filled with `colour`, with black text.
QPalette backgroundPalette(unsigned colour);
// A command button's face in `colour`, with black text.
QPalette buttonPalette(unsigned colour);
// A name button: red while its player is selected, white otherwise.
const QPalette& namePalette(bool red);
// An on-the-floor box: red when checked, light grey otherwise.
const QPalette& floorPalette(bool checked);

} // namespace tallivant::ui
