// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// File|Game details...: one box for who played whom, when and where, the rules, and the
// opponent's points by quarter (for a game entered after the fact, or to mend one).
#pragma once

#include <array>
#include <optional>

#include <QDialog>

#include "sheet/matchup.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace tallivant::ui {

class DetailsBox : public QDialog {
    Q_OBJECT
public:
    // `points`: the opponent's points of each quarter line as the plays give them now.
    DetailsBox(const GameDetails& details, const std::array<int, kQuarters>& points,
               QWidget* parent);

    GameDetails details() const;
    // The figure typed for each quarter; nothing where the field was left as it was.
    std::array<std::optional<int>, kQuarters> points() const;

    static constexpr const char* kTitle = QT_TRANSLATE_NOOP("Details", "Game details");

private:
    void presetChosen();
    void showRules(const Rules& rules);
    Rules rules() const;
    void showPeriodNames();

    QLineEdit* team_;
    QLineEdit* opponent_;
    QLineEdit* date_;
    QLineEdit* place_;
    QComboBox* preset_;
    QSpinBox* foulOut_;
    QCheckBox* technicalsToFoulOut_;
    QCheckBox* technicalsToTeamFouls_;
    QSpinBox* eject_;
    QSpinBox* oneAndOne_;
    QSpinBox* twoShots_;
    QComboBox* period_;
    QComboBox* overtime_;
    QSpinBox* overtimeTwoShots_;
    QLabel* note_;
    std::array<QLabel*, kQuarters> pointLabels_{};
    std::array<QLineEdit*, kQuarters> points_{};
    std::array<int, kQuarters> shownPoints_{};
};

} // namespace tallivant::ui
