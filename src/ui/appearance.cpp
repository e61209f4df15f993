#include "ui/appearance.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStyle>
#include <QStyleFactory>

namespace tallivant::ui {

QString sheetFamily() {
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
                                      ? QStringLiteral("MS Sans Serif")
                                      : QStringLiteral("Liberation Sans");
    return family;
}

QFont regularFont() {
    QFont font(sheetFamily());
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::SansSerif);
    // Set explicitly, or a regular control would inherit the bold of the window font.
    font.setBold(false);
    return font;
}

QFont windowFont() {
    QFont font = regularFont();
    font.setBold(true);
    return font;
}

void setUpApplication(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        app.setStyle(fusion);
        app.setPalette(fusion->standardPalette());
    }
    app.setApplicationName(QStringLiteral("Tallivant"));
}

} // namespace tallivant::ui
