// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/button_row.h"

#include <QKeySequence>

#include "ui/text.h"

namespace tallivant::ui {

const char* captionContext(KeyWindow keys) {
    return keys == KeyWindow::Season ? "Season" : "Plays";
}

QPushButton* rowButton(const QString& word, const char* objectName, KeyWindow keys,
                       std::optional<KeyAction> action, QWidget* window) {
    const QString key = action ? q(keysOf(keys, *action)) : QString();
    auto* button =
        new QPushButton(key.isEmpty() ? word : word + QStringLiteral(" (%1)").arg(key), window);
    button->setObjectName(QString::fromUtf8(objectName));
    // A window's buttons, not a dialog's: Enter stays with the table.
    button->setAutoDefault(false);
    // A screen reader says the name at every Tab and names the button by it, so it is the plain
    // word ("Remove", "Give to"), as a voice command would call the button; the key is the
    // description, said after the name and the role, once the scorer knows what the button is.
    // "Remove, button, Del" reads better than "Remove left parenthesis Del", and the dots of
    // "Give to..." are no word to read.
    QString spoken = word;
    if (spoken.endsWith(QStringLiteral("..."))) spoken.chop(3);
    button->setAccessibleName(spoken);
    button->setAccessibleDescription(key);
    return button;
}

QShortcut* rowShortcut(const KeyRow& row, QWidget* window) {
    auto* shortcut =
        new QShortcut(QKeySequence::fromString(q(row.keys), QKeySequence::PortableText), window);
    shortcut->setAutoRepeat(false);
    return shortcut;
}

} // namespace tallivant::ui
