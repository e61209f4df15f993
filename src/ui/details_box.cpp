// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/details_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "sheet/columns.h"

namespace tallivant::ui {

namespace {

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLineEdit* line(QWidget* parent, const char* name, const std::string& text, int maxLength) {
    auto* edit = new QLineEdit(QString::fromStdString(text), parent);
    edit->setObjectName(QLatin1StringView(name));
    edit->setMaxLength(maxLength);
    return edit;
}

QSpinBox* count(QWidget* parent, const char* name, int from) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1StringView(name));
    spin->setRange(from, 99);
    return spin;
}

// What the box tells of a preset that the sheet cannot follow in full.
QString noteOf(RulesPreset preset) {
    switch (preset) {
    case RulesPreset::Nba:
        return QStringLiteral("All overtime periods count together: the sheet has one overtime "
                              "line.\nThe last-two-minutes rule needs a clock and is not applied.");
    case RulesPreset::NcaaMen:
        return QStringLiteral("The 1st and 2nd quarter lines are the two halves;\nthe 3rd and "
                              "4th stay unused.");
    default:
        return {};
    }
}

} // namespace

DetailsBox::DetailsBox(const GameDetails& details, const std::array<int, kQuarters>& points,
                       QWidget* parent)
    : QDialog(parent), shownPoints_(points) {
    setObjectName(QStringLiteral("frmdetails"));
    setWindowTitle(QLatin1StringView(kTitle));
    auto* form = new QFormLayout;
    team_ = line(this, "txtteam", details.team, 40);
    opponent_ = line(this, "txtopponent", details.opponent, 40);
    const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
    date_ = line(this, "txtdate", details.given() ? details.date : today, 20);
    place_ = line(this, "txtplace", details.place, 60);
    form->addRow(QStringLiteral("Our &team:"), team_);
    form->addRow(QStringLiteral("&Opponent:"), opponent_);
    form->addRow(QStringLiteral("&Date:"), date_);
    form->addRow(QStringLiteral("&Place:"), place_);

    preset_ = new QComboBox(this);
    preset_->setObjectName(QStringLiteral("cborules"));
    for (int i = 0; i < kRulesPresets; ++i)
        preset_->addItem(q(rulesName(static_cast<RulesPreset>(i))));
    form->addRow(QStringLiteral("&Rules:"), preset_);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("lblrulesnote"));
    form->addRow(QString(), note_);

    foulOut_ = count(this, "spnfoulout", 1);
    technicalsToFoulOut_ = new QCheckBox(QStringLiteral("Technical fouls count toward it"), this);
    technicalsToFoulOut_->setObjectName(QStringLiteral("chktechfoulout"));
    auto* foulOutRow = new QHBoxLayout;
    foulOutRow->addWidget(foulOut_);
    foulOutRow->addWidget(technicalsToFoulOut_);
    form->addRow(QStringLiteral("Fouls to foul out:"), foulOutRow);
    eject_ = count(this, "spneject", 1);
    form->addRow(QStringLiteral("Technical fouls that eject:"), eject_);
    technicalsToTeamFouls_ = new QCheckBox(QStringLiteral("Technical fouls are team fouls"), this);
    technicalsToTeamFouls_->setObjectName(QStringLiteral("chktechteam"));
    form->addRow(QString(), technicalsToTeamFouls_);
    oneAndOne_ = count(this, "spnoneandone", 0);
    oneAndOne_->setSpecialValueText(QStringLiteral("none"));
    form->addRow(QStringLiteral("One-and-one from team foul:"), oneAndOne_);
    twoShots_ = count(this, "spntwoshots", 1);
    form->addRow(QStringLiteral("Two shots from team foul:"), twoShots_);
    period_ = new QComboBox(this);
    period_->setObjectName(QStringLiteral("cboperiod"));
    period_->addItems({QStringLiteral("each quarter"), QStringLiteral("each half")});
    form->addRow(QStringLiteral("Team fouls start again:"), period_);
    overtime_ = new QComboBox(this);
    overtime_->setObjectName(QStringLiteral("cboovertime"));
    overtime_->addItems({QStringLiteral("with the last period"), QStringLiteral("on their own"),
                         QStringLiteral("on their own; the penalty carries over")});
    form->addRow(QStringLiteral("Overtime fouls count:"), overtime_);
    overtimeTwoShots_ = count(this, "spnottwoshots", 1);
    form->addRow(QStringLiteral("Overtime: two shots from:"), overtimeTwoShots_);

    auto* pointsRow = new QHBoxLayout;
    for (int i = 0; i < kQuarters; ++i) {
        pointLabels_[i] = new QLabel(this);
        points_[i] = line(this, "", std::to_string(points[i]), 4);
        points_[i]->setObjectName(QStringLiteral("txtopp") + q(kQuarterCodes[i]));
        points_[i]->setValidator(new QIntValidator(0, 9999, points_[i]));
        points_[i]->setMaximumWidth(48);
        pointLabels_[i]->setBuddy(points_[i]);
        pointsRow->addWidget(pointLabels_[i]);
        pointsRow->addWidget(points_[i]);
    }
    form->addRow(QStringLiteral("Opponent's points:"), pointsRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    preset_->setCurrentIndex(static_cast<int>(details.rules.preset));
    showRules(details.rules);
    connect(preset_, &QComboBox::currentIndexChanged, this, &DetailsBox::presetChosen);
    connect(period_, &QComboBox::currentIndexChanged, this, &DetailsBox::showPeriodNames);
}

void DetailsBox::presetChosen() {
    const auto preset = static_cast<RulesPreset>(preset_->currentIndex());
    // Custom starts from the numbers shown, so that a scorer changes one and keeps the rest.
    showRules(preset == RulesPreset::Custom ? rules() : presetRules(preset));
}

void DetailsBox::showRules(const Rules& rules) {
    foulOut_->setValue(rules.foulOut);
    technicalsToFoulOut_->setChecked(rules.technicalsToFoulOut);
    technicalsToTeamFouls_->setChecked(rules.technicalsToTeamFouls);
    eject_->setValue(rules.technicalsEject);
    oneAndOne_->setValue(rules.oneAndOneFrom);
    twoShots_->setValue(rules.twoShotsFrom);
    period_->setCurrentIndex(rules.halves ? 1 : 0);
    overtime_->setCurrentIndex(static_cast<int>(rules.overtime));
    overtimeTwoShots_->setValue(rules.overtimeTwoShotsFrom);
    const bool custom = rules.preset == RulesPreset::Custom;
    for (QWidget* w : std::initializer_list<QWidget*>{
             foulOut_, technicalsToFoulOut_, technicalsToTeamFouls_, eject_, oneAndOne_, twoShots_,
             period_, overtime_, overtimeTwoShots_})
        w->setEnabled(custom);
    note_->setText(noteOf(rules.preset));
    note_->setVisible(!note_->text().isEmpty());
    showPeriodNames();
}

void DetailsBox::showPeriodNames() {
    const Rules now = rules();
    for (int i = 0; i < kQuarters; ++i)
        pointLabels_[i]->setText(q(periodName(static_cast<Quarter>(i), now)) + QLatin1Char(':'));
}

Rules DetailsBox::rules() const {
    Rules r;
    r.preset = static_cast<RulesPreset>(preset_->currentIndex());
    r.foulOut = foulOut_->value();
    r.technicalsToFoulOut = technicalsToFoulOut_->isChecked();
    r.technicalsToTeamFouls = technicalsToTeamFouls_->isChecked();
    r.technicalsEject = eject_->value();
    r.oneAndOneFrom = oneAndOne_->value();
    r.twoShotsFrom = twoShots_->value();
    r.halves = period_->currentIndex() == 1;
    r.overtime = static_cast<OvertimeFouls>(overtime_->currentIndex());
    r.overtimeTwoShotsFrom = overtimeTwoShots_->value();
    // One-and-one from a foul at or after two shots means none.
    if (r.oneAndOneFrom >= r.twoShotsFrom) r.oneAndOneFrom = 0;
    return r;
}

GameDetails DetailsBox::details() const {
    GameDetails d;
    d.team = team_->text().trimmed().toStdString();
    d.opponent = opponent_->text().trimmed().toStdString();
    d.date = date_->text().trimmed().toStdString();
    d.place = place_->text().trimmed().toStdString();
    d.rules = rules();
    return d;
}

std::array<std::optional<int>, kQuarters> DetailsBox::points() const {
    std::array<std::optional<int>, kQuarters> out;
    for (int i = 0; i < kQuarters; ++i) {
        bool ok = false;
        const int n = points_[i]->text().toInt(&ok);
        if (ok && n != shownPoints_[i]) out[i] = n;
    }
    return out;
}

} // namespace tallivant::ui
