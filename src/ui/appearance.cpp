// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/appearance.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>

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
    // Widths as the face designs them, not rounded to whole pixels glyph by glyph: the column
    // titles are one line of text over columns of fixed places, and whole-pixel widths (full
    // hinting, as Windows gives by default) would carry "TurnOver's" past its column.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    // Set explicitly, or a regular control would inherit the bold of the window font.
    font.setBold(false);
    return font;
}

QFont windowFont() {
    QFont font = regularFont();
    font.setBold(true);
    return font;
}

namespace {

// The window shows the keyboard focus on its boxes with its own outline (FocusOutline);
// Fusion's faint blue tint of a focused box would be a second, weaker sign inside it. The
// program has check boxes and option buttons only on its window.
class OneFocusStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const bool box =
            qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget);
        if (box && element == PE_FrameFocusRect) return;
        if (box && (element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton)) {
            if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
                QStyleOptionButton plain = *button;
                plain.state &= ~State_HasFocus;
                return QProxyStyle::drawPrimitive(element, &plain, painter, widget);
            }
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

} // namespace

void setUpApplication(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        app.setStyle(new OneFocusStyle(fusion));
        app.setPalette(fusion->standardPalette());
    }
    app.setApplicationName(QStringLiteral("Tallivant"));
}

} // namespace tallivant::ui
