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
#include "ui/text.h"

namespace tallivant::ui {

namespace {

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
        return QCoreApplication::translate(
            "Details", "All overtime periods count together: the sheet has one overtime "
                       "line.\nThe last-two-minutes rule needs a clock and is not applied.");
    case RulesPreset::NcaaMen:
        return QCoreApplication::translate("Details",
                                           "The 1st and 2nd quarter lines are the two halves;\nthe "
                                           "3rd and 4th stay unused.");
    default:
        return {};
    }
}

} // namespace

DetailsBox::DetailsBox(const GameDetails& details, const std::array<int, kQuarters>& points,
                       QWidget* parent)
    : QDialog(parent), shownPoints_(points) {
    setObjectName(QStringLiteral("frmdetails"));
    setWindowTitle(QCoreApplication::translate("Details", kTitle));
    auto* form = new QFormLayout;
    team_ = line(this, "txtteam", details.team, 40);
    opponent_ = line(this, "txtopponent", details.opponent, 40);
    const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
    date_ = line(this, "txtdate", details.given() ? details.date : today, 20);
    place_ = line(this, "txtplace", details.place, 60);
    form->addRow(QCoreApplication::translate("Details", "Our &team:"), team_);
    form->addRow(QCoreApplication::translate("Details", "&Opponent:"), opponent_);
    form->addRow(QCoreApplication::translate("Details", "&Date:"), date_);
    form->addRow(QCoreApplication::translate("Details", "&Place:"), place_);

    preset_ = new QComboBox(this);
    preset_->setObjectName(QStringLiteral("cborules"));
    for (int i = 0; i < kRulesPresets; ++i)
        preset_->addItem(fromCore(rulesName(static_cast<RulesPreset>(i))));
    form->addRow(QCoreApplication::translate("Details", "&Rules:"), preset_);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("lblrulesnote"));
    form->addRow(QString(), note_);

    foulOut_ = count(this, "spnfoulout", 1);
    technicalsToFoulOut_ = new QCheckBox(
        QCoreApplication::translate("Details", "Technical fouls count toward it"), this);
    technicalsToFoulOut_->setObjectName(QStringLiteral("chktechfoulout"));
    auto* foulOutRow = new QHBoxLayout;
    foulOutRow->addWidget(foulOut_);
    foulOutRow->addWidget(technicalsToFoulOut_);
    form->addRow(QCoreApplication::translate("Details", "Fouls to foul out:"), foulOutRow);
    eject_ = count(this, "spneject", 1);
    form->addRow(QCoreApplication::translate("Details", "Technical fouls that eject:"), eject_);
    technicalsToTeamFouls_ = new QCheckBox(
        QCoreApplication::translate("Details", "Technical fouls are team fouls"), this);
    technicalsToTeamFouls_->setObjectName(QStringLiteral("chktechteam"));
    form->addRow(QString(), technicalsToTeamFouls_);
    oneAndOne_ = count(this, "spnoneandone", 0);
    oneAndOne_->setSpecialValueText(QCoreApplication::translate("Details", "none"));
    form->addRow(QCoreApplication::translate("Details", "One-and-one from team foul:"), oneAndOne_);
    twoShots_ = count(this, "spntwoshots", 1);
    form->addRow(QCoreApplication::translate("Details", "Two shots from team foul:"), twoShots_);
    period_ = new QComboBox(this);
    period_->setObjectName(QStringLiteral("cboperiod"));
    period_->addItems({QCoreApplication::translate("Details", "each quarter"),
                       QCoreApplication::translate("Details", "each half")});
    form->addRow(QCoreApplication::translate("Details", "Team fouls start again:"), period_);
    overtime_ = new QComboBox(this);
    overtime_->setObjectName(QStringLiteral("cboovertime"));
    overtime_->addItems(
        {QCoreApplication::translate("Details", "with the last period"),
         QCoreApplication::translate("Details", "on their own"),
         QCoreApplication::translate("Details", "on their own; the penalty carries over")});
    form->addRow(QCoreApplication::translate("Details", "Overtime fouls count:"), overtime_);
    overtimeTwoShots_ = count(this, "spnottwoshots", 1);
    form->addRow(QCoreApplication::translate("Details", "Overtime: two shots from:"),
                 overtimeTwoShots_);

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
    form->addRow(QCoreApplication::translate("Details", "Opponent's points:"), pointsRow);

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
        //: %1 is a period's name ("1st", "2nd half", "OT") before its points
        pointLabels_[i]->setText(QCoreApplication::translate("Details", "%1:")
                                     .arg(fromCore(periodName(static_cast<Quarter>(i), now))));
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
