// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The strip under the sheet, for what must be known without a box that stops the game. At the
// left (`lblscore`) the standing state of the game: the score, the period, the team fouls and
// who has fouled out. At the right
// (`lblnews`) news for ten seconds ("Saved to game1.txt at 20:14"), then the standing state of
// the files: whether the recovery copy is being kept. A screen reader hears each change.
#pragma once

#include <QStatusBar>
#include <QTimer>

class QLabel;

namespace tallivant::ui {

class Strip : public QStatusBar {
    Q_OBJECT
public:
    explicit Strip(QWidget* parent);

    void setGame(const QString& state);
    void setFiles(const QString& state);
    // Shown for kNewsTime, then the files' state again.
    void tell(const QString& news);

    QString game() const;
    QString news() const;

    static constexpr int kNewsTime = 10000;

private:
    void showFiles();

    QLabel* lblscore_;
    QLabel* lblnews_;
    QTimer newsTime_;
    QString files_;
};

} // namespace tallivant::ui
