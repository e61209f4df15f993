// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/keys_window.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <string>

#include "ui/keymap.h"

namespace tallivant::ui {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A text of the keyboard map, which marks its texts in the context "Keys".
QString translated(std::string_view english) {
    return QCoreApplication::translate("Keys", std::string(english).c_str());
}

// A key as the scorer's keyboard names it ("Ctrl+PgDown"); the name keys' row is a sentence.
QString keyText(const KeyRow& row) {
    if (row.action == KeyAction::Name) return translated(row.keys);
    return QKeySequence::fromString(text(row.keys), QKeySequence::PortableText)
        .toString(QKeySequence::NativeText);
}

} // namespace

KeysWindow::KeysWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmkeys"));
    setWindowTitle(QCoreApplication::translate("Keys", "Keys"));

    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName(QStringLiteral("keysTable"));
    table_->setAccessibleName(QCoreApplication::translate("Keys", "Keys"));
    table_->setHorizontalHeaderLabels({QCoreApplication::translate("Keys", "Window"),
                                       QCoreApplication::translate("Keys", "Key"),
                                       QCoreApplication::translate("Keys", "What it does")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    // Grouped by window, in the map's order within each.
    for (KeyWindow window :
         {KeyWindow::Sheet, KeyWindow::Plays, KeyWindow::Season, KeyWindow::Keys}) {
        for (const KeyRow& row : kKeyMap) {
            if (row.window != window) continue;
            const int at = table_->rowCount();
            table_->insertRow(at);
            table_->setItem(at, 0, new QTableWidgetItem(translated(keyWindowName(window))));
            table_->setItem(at, 1, new QTableWidgetItem(keyText(row)));
            table_->setItem(at, 2, new QTableWidgetItem(translated(row.what)));
        }
    }
    table_->resizeColumnsToContents();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    for (const QKeySequence& key : shortcutsOf(KeyWindow::Keys, KeyAction::Close)) {
        auto* close = new QShortcut(key, this);
        connect(close, &QShortcut::activated, this, &QWidget::close);
    }

    int width = 2 * layout->contentsMargins().left() + 2 * table_->frameWidth() + 24;
    for (int c = 0; c < table_->columnCount(); ++c)
        width += table_->columnWidth(c);
    const int rows = table_->rowCount() + 1;
    resize(width, rows * table_->verticalHeader()->defaultSectionSize() + 40);
}

void KeysWindow::bringUp() {
    if (!isVisible() && parentWidget()) {
        // Whole on the screen: a small one scrolls the table instead.
        const QRect screen = parentWidget()->screen()->availableGeometry();
        resize(std::min(width(), screen.width()), std::min(height(), screen.height() - 40));
    }
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    table_->setFocus(Qt::OtherFocusReason);
}

} // namespace tallivant::ui
