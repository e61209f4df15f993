// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/palettes.h"

#include "ui/colours.h"

namespace tallivant::ui {

QPalette backgroundPalette(unsigned colour) {
    // Check boxes and option buttons fill with the Button colour, labels with Window.
    QPalette p;
    p.setColor(QPalette::Window, toQColor(colour));
    p.setColor(QPalette::Button, toQColor(colour));
    p.setColor(QPalette::WindowText, toQColor(kBlack));
    return p;
}

QPalette buttonPalette(unsigned colour) {
    QPalette p;
    p.setColor(QPalette::Button, toQColor(colour));
    p.setColor(QPalette::ButtonText, toQColor(kBlack));
    return p;
}

const QPalette& namePalette(bool red) {
    static const QPalette white = buttonPalette(kWhite), redPalette = buttonPalette(kRed);
    return red ? redPalette : white;
}

const QPalette& floorPalette(bool checked) {
    static const QPalette grey = backgroundPalette(kLightGrey), red = backgroundPalette(kRed);
    return checked ? red : grey;
}

} // namespace tallivant::ui
