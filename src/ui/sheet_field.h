// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One field of the stat sheet: read-only text in its line's colours, out of the Tab chain. A
// text wider than the field shows its beginning, and the whole text is its tooltip.
#pragma once

#include <QLineEdit>

namespace tallivant::ui {

class SheetField : public QLineEdit {
    Q_OBJECT
public:
    SheetField(bool greyLine, QWidget* parent);

    void showText(const QString& text);
    // Light yellow, and said to a screen reader, while the player is in foul trouble.
    void setFoulTrouble(bool foul);
    // Whether the whole text fits between the field's margins.
    bool textFits() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateToolTip();

    bool greyLine_;
    // The size the tooltip was last decided at. A hidden field gets its resize event only when
    // the window is first shown, at the size it already had: that one changes nothing.
    QSize toolTipSize_;
};

} // namespace tallivant::ui
