// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The row of buttons under the table of the Plays and the Season totals windows, each button
// one row of the window's table (caption, object name, what it does), then Close at the right,
// which Escape presses too. Their Alt-letters click at once, as the main window's do: Qt's own
// animated click would act about 100 ms later and drop a second press meanwhile.
#pragma once

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QString>

#include <initializer_list>
#include <vector>

namespace tallivant::ui {

class InstantButton : public QPushButton {
public:
    InstantButton(const QString& text, QWidget* parent);

protected:
    bool event(QEvent* e) override;
};

template <typename Window> struct RowButton {
    const char* caption;
    const char* objectName;
    void (Window::*action)();
};

// The buttons in order, then Close (named `closeName`); the buttons made are added to `made`.
template <typename Window>
QHBoxLayout* buttonRow(Window* window, std::initializer_list<RowButton<Window>> rows,
                       const char* closeName, std::vector<QPushButton*>& made) {
    auto* layout = new QHBoxLayout;
    for (const RowButton<Window>& row : rows) {
        auto* button = new InstantButton(QString::fromUtf8(row.caption), window);
        button->setObjectName(QString::fromUtf8(row.objectName));
        QObject::connect(button, &QPushButton::clicked, window, row.action);
        layout->addWidget(button);
        made.push_back(button);
    }
    layout->addStretch();
    auto* close = new InstantButton(QStringLiteral("&Close"), window);
    close->setObjectName(QString::fromUtf8(closeName));
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    layout->addWidget(close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
    return layout;
}

} // namespace tallivant::ui
