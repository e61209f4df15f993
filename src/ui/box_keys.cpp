// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/box_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>

namespace tallivant::ui {

namespace {

// OK, Cancel and Close only do what Enter and Escape do. Some desktops' themes give them a
// letter (GNOME: "&OK", "&Cancel", "&Close") that may be a stat's, and a stat key must not
// close a box unheard: those letters beep like any other sheet key.
bool onlyClosesBox(QAbstractButton* button) {
    const auto* buttons = qobject_cast<const QDialogButtonBox*>(button->parentWidget());
    if (!buttons) return false;
    switch (buttons->standardButton(button)) {
    case QDialogButtonBox::Ok:
    case QDialogButtonBox::Cancel:
    case QDialogButtonBox::Close:
        return true;
    default:
        return false;
    }
}

// Whether `chord` is an Alt-letter that the box shows on one of its own buttons or labels.
bool offersLetter(const QWidget* box, const QKeySequence& chord) {
    for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled() && b->shortcut() == chord && !onlyClosesBox(b))
            return true;
    for (const QLabel* l : box->findChildren<QLabel*>())
        if (l->buddy() && l->isVisible() && l->buddy()->isEnabled() &&
            QKeySequence::mnemonic(l->text()) == chord)
            return true;
    return false;
}

} // namespace

BoxKeys::BoxKeys(QWidget* window, std::function<bool(const QKeySequence&)> actsOnWindow)
    : QObject(window), window_(window), actsOnWindow_(std::move(actsOnWindow)),
      beep_(&QApplication::beep) {
    setObjectName(QStringLiteral("boxKeys"));
    qApp->installEventFilter(this);
}

BoxKeys::~BoxKeys() {
    qApp->removeEventFilter(this);
}

bool BoxKeys::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        repeats_.released(key);
        return false;
    }
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
    const QWidget* box = QApplication::activeModalWidget();
    if (!box || box == window_) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence chord(
        QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    if (!actsOnWindow_(chord) || offersLetter(box, chord)) return false;
    // Qt asks with ShortcutOverride before it looks for a shortcut: the accepted override
    // keeps the box's shortcuts out, then the key press itself is eaten, wherever it was sent.
    key->accept();
    if (type == QEvent::KeyPress && !repeats_.isRepeat(key)) beep_();
    return true;
}

} // namespace tallivant::ui
