// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sheet_field.h"

#include <QCoreApplication>

#include <QEvent>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <array>

#include "ui/colours.h"

namespace tallivant::ui {

namespace {

// White lines have black text, dark grey lines white text. A field in foul trouble is light
// yellow with black text on every line: white on light yellow would hide the very count the
// colour is there to point at.
const QPalette& fieldPalette(bool greyLine, bool foul) {
    static const auto palettes = [] {
        std::array<QPalette, 4> all;
        for (int i = 0; i < 4; ++i) {
            const bool grey = i & 1, yellow = i & 2;
            QPalette& p = all[i];
            p.setColor(QPalette::Base, toQColor(yellow ? kLightYellow : grey ? kDarkGrey : kWhite));
            p.setColor(QPalette::Text, toQColor(grey && !yellow ? kWhite : kBlack));
        }
        return all;
    }();
    return palettes[(greyLine ? 1 : 0) + (foul ? 2 : 0)];
}

// QLineEdit keeps this much room between its contents rectangle and the text on either side.
constexpr int kLineEditMargin = 2;

} // namespace

SheetField::SheetField(bool greyLine, QWidget* parent) : QLineEdit(parent), greyLine_(greyLine) {
    setReadOnly(true);
    // The mouse may still focus a field to select and copy its text; Tab passes it by.
    setFocusPolicy(Qt::ClickFocus);
    setPalette(fieldPalette(greyLine_, false));
}

void SheetField::showText(const QString& text) {
    setText(text);
    // A text wider than its field shows its beginning ("100.0"), not its end.
    setCursorPosition(0);
    updateToolTip();
}

void SheetField::setFoulTrouble(bool foul) {
    setPalette(fieldPalette(greyLine_, foul));
    setAccessibleDescription(foul ? QCoreApplication::translate("Sheet", "Foul trouble")
                                  : QString());
}

bool SheetField::textFits() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    // The text starts after the left margin and is clipped at the contents' right edge.
    return fontMetrics().horizontalAdvance(text()) <= contents.width() - kLineEditMargin;
}

void SheetField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    if (event->size() != toolTipSize_) updateToolTip();
}

void SheetField::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateToolTip();
}

void SheetField::updateToolTip() {
    toolTipSize_ = size();
    // An empty text fits whatever the field's width; measuring it is the costly part.
    setToolTip(text().isEmpty() || textFits() ? QString() : text());
}

} // namespace tallivant::ui
