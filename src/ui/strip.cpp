// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/strip.h"

#include <QLabel>

namespace tallivant::ui {

namespace {

// The label's name follows its text, so that a reader is told of each change; what the label
// is for goes into its description.
QLabel* stripLabel(QWidget* parent, const char* name, const char* what) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1StringView(name));
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleDescription(QLatin1StringView(what));
    return label;
}

} // namespace

Strip::Strip(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("strip"));
    setSizeGripEnabled(false);
    lblscore_ = stripLabel(this, "lblscore", "Game");
    lblnews_ = stripLabel(this, "lblnews", "News");
    lblnews_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The score line may be longer than the sheet is wide: it is cut at the right rather than
    // widen the window (a reader hears it whole).
    lblscore_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblnews_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(lblscore_, 3);
    addWidget(lblnews_, 2);
    newsTime_.setSingleShot(true);
    newsTime_.setInterval(kNewsTime);
    connect(&newsTime_, &QTimer::timeout, this, &Strip::showFiles);
}

void Strip::setGame(const QString& state) {
    if (lblscore_->text() != state) lblscore_->setText(state);
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
