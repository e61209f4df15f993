// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A shown, active window over scripted dialogs, with helpers that act as the user does: mouse
// clicks on named controls, menu items, Alt-letters typed where the focus is, and timer ticks.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <memory>
#include <ostream>

#include "support/fake_dialogs.h"
#include "ui/colours.h"
#include "ui/stat_window.h"

// Readable failure messages for the Qt values the window tests compare.
inline void PrintTo(const QColor& c, std::ostream* os) {
    *os << c.name().toStdString();
}
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '[' << l.join(QStringLiteral(", ")).toStdString() << ']';
}
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height();
}
inline void PrintTo(const QSize& s, std::ostream* os) {
    *os << s.width() << 'x' << s.height();
}

namespace tallivant::testing {

inline QColor bgr(unsigned value) {
    return ui::toQColor(value);
}

class WindowTest : public ::testing::Test {
protected:
    FakeDialogs dialogs;
    std::unique_ptr<ui::StatWindow> window;

    void SetUp() override {
        window = std::make_unique<ui::StatWindow>(dialogs);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override { window.reset(); }

    template <typename T = QWidget> T* widget(const QString& name) const {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLineEdit* field(const QString& name) const { return widget<QLineEdit>(name); }
    QString text(const QString& name) const {
        QWidget* w = widget(name);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
        return {};
    }
    void click(const QString& name) { QTest::mouseClick(widget(name), Qt::LeftButton); }
    // A menu item chosen, as by the mouse or its letter.
    void trigger(const QString& name) {
        if (QAction* item = widget<QAction>(name)) item->trigger();
    }
    // Alt with a letter, typed into whatever has the focus, as the keyboard would.
    void alt(char letter) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, letter, Qt::AltModifier);
    }
    void stat(int player, const char* button) {
        click(QStringLiteral("cmdp%1").arg(player));
        click(QLatin1StringView(button));
    }
    QTimer* timer() const { return widget<QTimer>(QStringLiteral("tmrtimeouttime")); }
    // One timeout of the clock's timer, delivered now instead of a second from now.
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i)
            QMetaObject::invokeMethod(timer(), "timeout");
    }
    // The colour the control shows at a point of its own, as painted.
    static QColor pixel(QWidget* w, QPoint at) { return w->grab().toImage().pixelColor(at); }
    // A point inside a field or button clear of its frame and its left-aligned or centred text.
    static QPoint blankSpot(QWidget* w) { return {w->width() - 4, w->height() / 2}; }
};

} // namespace tallivant::testing
