// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sheet_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>

namespace tallivant::ui {

namespace {

constexpr const char* kHolds = "holdsSheetKeys";
// A message box's own informative text, before the held keys were added under it.
constexpr const char* kOwnInformative = "ownInformativeText";

// OK, Cancel and Close only do what Enter and Escape do. Some desktops' themes give them a
// letter (GNOME: "&OK", "&Cancel", "&Close") that may be a stat's, and a stat key must not
// close a box unheard.
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

bool holds(const QObject* box) {
    return box && box->property(kHolds).toBool();
}

// One of the program's own windows beside the sheet (Plays, Season totals, Keys), not a box
// or a menu.
bool besideSheet(const QWidget* top, const QWidget* sheet) {
    return top != sheet && top->parentWidget() && top->parentWidget()->window() == sheet &&
           !top->isModal() && top->windowType() == Qt::Window;
}

} // namespace

SheetKeys::SheetKeys(QWidget* window, Resolve resolve)
    : QObject(window), window_(window), resolve_(std::move(resolve)), beep_(&QApplication::beep) {
    setObjectName(QStringLiteral("sheetKeys"));
    qApp->installEventFilter(this);
}

SheetKeys::~SheetKeys() {
    qApp->removeEventFilter(this);
}

void SheetKeys::holdsKeys(QWidget* box) {
    box->setProperty(kHolds, true);
}

QString SheetKeys::heldText(const std::deque<QKeySequence>& keys) {
    QStringList names;
    for (const QKeySequence& key : keys)
        names << key.toString(QKeySequence::NativeText);
    //: %1 lists the keys pressed while the box was open ("Alt+C, Ctrl+1")
    return QCoreApplication::translate("Keys",
                                       "Held: %1. Enter: they act. Escape: they are dropped.")
        .arg(names.join(QStringLiteral(", ")));
}

bool SheetKeys::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyRelease:
        repeats_.released(static_cast<QKeyEvent*>(event));
        return false;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        return keyEvent(watched, static_cast<QKeyEvent*>(event));
    case QEvent::Show:
        if (holds(watched) && !held_.empty()) show(static_cast<QWidget*>(watched));
        return false;
    case QEvent::Close:
        // The close button of the window frame drops what was held, as Escape does; OK closes
        // the box too, but from inside.
        if (holds(watched) && event->spontaneous()) held_.clear();
        return false;
    case QEvent::Hide:
        // Any box: a held key may have opened one that asks (the save dialog of Ctrl+S), and
        // the keys after it wait for it to close.
        if (!held_.empty() && watched->isWidgetType() && static_cast<QWidget*>(watched)->isModal())
            QMetaObject::invokeMethod(this, &SheetKeys::replay, Qt::QueuedConnection);
        return false;
    default:
        return false;
    }
}

bool SheetKeys::keyEvent(QObject* watched, QKeyEvent* key) {
    const bool press = key->type() == QEvent::KeyPress;
    QWidget* box = QApplication::activeModalWidget();
    if (box == window_) box = nullptr;
    if (press && box && holds(box) && key->key() == Qt::Key_Escape && key->modifiers() == 0) {
        held_.clear();
        return false;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    // The sheet's own keys on the sheet are the sheet's business: a stat's key costs no lookup.
    const bool waiting = !held_.empty() && !replaying_;
    if (!box && !waiting && (!widget || !besideSheet(widget->window(), window_))) return false;
    const QKeySequence chord(
        QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    const std::function<void()> act = resolve_(chord);
    if (!act) return false;
    const bool once = press && !repeats_.isRepeat(key);
    if (box) {
        if (offersLetter(box, chord)) return false;
        if (holds(box)) {
            if (once) {
                held_.push_back(chord);
                show(box);
            }
        } else if (once) {
            beep_();
        }
    } else if (waiting) {
        // The box is gone but what it held has not acted yet: this key waits its turn.
        if (once) held_.push_back(chord);
    } else if (once) {
        act();
    }
    // Qt asks with ShortcutOverride before it looks for a shortcut: the accepted override
    // keeps the window's own shortcuts out, then the key press itself is eaten.
    key->accept();
    return true;
}

void SheetKeys::show(QWidget* box) {
    const QString text = heldText(held_);
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("heldKeys"))) {
        label->setText(text);
        label->show();
    } else if (auto* message = qobject_cast<QMessageBox*>(box)) {
        if (!message->property(kOwnInformative).isValid())
            message->setProperty(kOwnInformative, message->informativeText());
        const QString own = message->property(kOwnInformative).toString();
        message->setInformativeText(own.isEmpty() ? text : own + QStringLiteral("\n\n") + text);
    }
}

void SheetKeys::replay() {
    if (replaying_) return;
    replaying_ = true;
    while (!held_.empty()) {
        // A box still up (the next of a row of boxes) shows them; they act once it is closed.
        if (QWidget* box = QApplication::activeModalWidget(); box && box != window_) break;
        const QKeySequence key = held_.front();
        held_.pop_front();
        if (const std::function<void()> act = resolve_(key)) act();
    }
    replaying_ = false;
}

} // namespace tallivant::ui
