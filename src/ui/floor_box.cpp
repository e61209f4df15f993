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
