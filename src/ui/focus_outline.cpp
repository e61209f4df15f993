// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/focus_outline.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QPainter>
#include <QRadioButton>
#include <cmath>

#include "ui/client_area.h"

namespace tallivant::ui {

namespace {

double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// Black or white, whichever stands out more against `c`: never less than 4.5 to 1.
QColor standingOut(const QColor& c) {
    const double l = luminance(c);
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? Qt::black : Qt::white;
}

} // namespace

FocusOutline::FocusOutline(ClientArea* area) : QWidget(area), area_(area) {
    setObjectName(QStringLiteral("focusOutline"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, &FocusOutline::focusChanged);
}

void FocusOutline::focusChanged(QWidget*, QWidget* now) {
    if (target_) target_->removeEventFilter(this);
    // Buttons and boxes only: a stat field focused by the mouse shows its own frame.
    const bool outlined = now && qobject_cast<QAbstractButton*>(now) && area_->isAncestorOf(now);
    target_ = outlined ? now : nullptr;
    if (target_) target_->installEventFilter(this);
    follow();
}

bool FocusOutline::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        case QEvent::PaletteChange:
            update();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusOutline::follow() {
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    const QRect rect(target_->mapTo(area_, QPoint(0, 0)), target_->size());
    setGeometry(rect.adjusted(-kBand, -kBand, kBand, kBand));
    raise();
    show();
    update();
}

QColor FocusOutline::backgroundOf(QWidget* under) const {
    if (under == area_) return area_->background();
    return under->palette().color(under->backgroundRole());
}

void FocusOutline::paintEvent(QPaintEvent*) {
    if (!target_) return;
    QPainter painter(this);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(kBand, kBand, -kBand, -kBand);
    const QColor own = target_->palette().color(target_->backgroundRole());
    const auto ring = [&](const QRect& r, int width, const QColor& colour) {
        const QRect hole = r.adjusted(width, width, -width, -width);
        painter.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
        painter.fillRect(QRect(r.left(), hole.bottom() + 1, r.width(), width), colour);
        painter.fillRect(QRect(r.left(), hole.top(), width, hole.height()), colour);
        painter.fillRect(QRect(hole.right() + 1, hole.top(), width, hole.height()), colour);
    };
    // A box's indicator fills it nearly to the edge: the inner band covers the indicator's own
    // grey edge too, so the ring meets only the indicator's light face.
    const bool box = qobject_cast<QCheckBox*>(target_) || qobject_cast<QRadioButton*>(target_);
    // The outer band lies on what is behind the control: the window, or the frame the control
    // stands in. Where another control stands instead (a name button's on-the-floor box, a label
    // touching a box) the inner band alone shows.
    for (QWidget* under = target_->parentWidget(); under; under = under->parentWidget()) {
        painter.save();
        painter.setClipRegion(uncovered(under));
        ring(outer, kBand, standingOut(backgroundOf(under)));
        painter.restore();
        if (under == area_) break;
    }
    ring(inner, box ? kBand + 1 : kBand, standingOut(own));
}

QRegion FocusOutline::uncovered(QWidget* under) const {
    const QPoint origin = under->mapTo(area_, QPoint(0, 0)) - pos();
    // Only the few controls next to the ring matter: subtracting all four hundred from the
    // region made every repaint of the ring cost milliseconds.
    QRegion region(QRect(origin, under->size()) & rect());
    for (QWidget* child : under->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect place = child->geometry().translated(origin);
        if (child != this && child != target_ && child->isVisible() && place.intersects(rect()))
            region -= place;
    }
    return region;
}

} // namespace tallivant::ui
