// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/strip.h"

#include <QCoreApplication>
#include <QLabel>

namespace tallivant::ui {

namespace {

// The label's name follows its text, so that a reader is told of each change; what the label
// is for goes into its description (marked in the context "Strip").
QLabel* stripLabel(QWidget* parent, const char* name, const char* what) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1StringView(name));
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleDescription(QCoreApplication::translate("Strip", what));
    return label;
}

} // namespace

Strip::Strip(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("strip"));
    setSizeGripEnabled(false);
    lblscore_ = stripLabel(this, "lblscore", QT_TRANSLATE_NOOP("Strip", "Game"));
    lblnews_ = stripLabel(this, "lblnews", QT_TRANSLATE_NOOP("Strip", "News"));
    lblnews_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The news takes the room its text needs and the score line the rest. Neither widens the
    // window: a line longer than the room is cut at the right (a reader hears it whole, and the
    // tooltip shows it).
    lblscore_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblnews_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    lblnews_->setMinimumWidth(1);
    addWidget(lblscore_, 1);
    addWidget(lblnews_, 0);
    newsTime_.setSingleShot(true);
    newsTime_.setInterval(kNewsTime);
    connect(&newsTime_, &QTimer::timeout, this, &Strip::showFiles);
}

void Strip::setGame(const QString& state) {
    if (lblscore_->text() == state) return;
    lblscore_->setText(state);
    lblscore_->setToolTip(state);
}

void Strip::setFiles(const QString& state) {
    files_ = state;
    if (!newsTime_.isActive()) showFiles();
}

void Strip::tell(const QString& news) {
    // The same news again is news again: said anew, not only kept longer.
    if (lblnews_->text() == news) lblnews_->clear();
    lblnews_->setText(news);
    newsTime_.start();
}

QString Strip::game() const {
    return lblscore_->text();
}

QString Strip::news() const {
    return lblnews_->text();
}

void Strip::showFiles() {
    if (lblnews_->text() != files_) lblnews_->setText(files_);
}

} // namespace tallivant::ui
