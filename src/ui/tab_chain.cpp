// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tab_chain.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QList>
#include <QRadioButton>
#include <QSet>
#include <string>
#include <string_view>

#include "sheet/columns.h"
#include "sheet/stats.h"
#include "ui/layout.h"

namespace tallivant::ui {

namespace {

// Between the stat buttons and the players. The quarter and possession buttons each make one
// stop; they are listed whole so that they stand together on the path.
constexpr std::string_view kPanelStops[] = {
    "cmdtakeback",
    "opt1stqtr",
    "opt2ndqtr",
    "opt3rdqtr",
    "opt4thqtr",
    "optot",
    "cmdclock_stopstart",
    "Command1",
    "Check1",
    "Check2",
    "Check3",
    "Check4",
    "Check5",
    "optyouposs",
    "Option1",
};

// Keeps the one Tab stop of an option group on its checked button, also when the program
// checks another one (File|New turns the first quarter on).
class OneStopGroup : public QObject {
public:
    explicit OneStopGroup(QButtonGroup* group) : QObject(group), group_(group) {
        connect(group, &QButtonGroup::buttonToggled, this, &OneStopGroup::toggled);
        for (QAbstractButton* b : group->buttons())
            b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        // Before any button is checked the first one holds the stop.
        if (!group->checkedButton() && !group->buttons().isEmpty())
            group->buttons().first()->setFocusPolicy(Qt::StrongFocus);
    }

private:
    void toggled(QAbstractButton* button, bool checked) {
        if (!checked) return;
        for (QAbstractButton* b : group_->buttons())
            b->setFocusPolicy(b == button ? Qt::StrongFocus : Qt::ClickFocus);
    }
    QButtonGroup* group_;
};

QWidget* find(QWidget* area, std::string_view name) {
    return area->findChild<QWidget*>(QString::fromLatin1(name.data(), name.size()));
}

} // namespace

void setUpTabChain(QWidget* area) {
    QList<QWidget*> stops;
    for (const StatButton& s : kStatButtons)
        stops << find(area, s.name);
    for (std::string_view name : kPanelStops)
        stops << find(area, name);
    for (int i = 0; i < kPlayers; ++i) {
        stops << find(area, "Check" + std::to_string(kFirstFloorBox + i));
        stops << find(area, "cmdp" + std::to_string(i + 1));
    }

    QSet<QButtonGroup*> groups;
    for (qsizetype i = 0; i < stops.size(); ++i) {
        Q_ASSERT(stops[i]);
        if (i > 0) QWidget::setTabOrder(stops[i - 1], stops[i]);
        if (auto* option = qobject_cast<QRadioButton*>(stops[i]); option && option->group())
            groups.insert(option->group());
    }
    for (QButtonGroup* group : groups)
        new OneStopGroup(group);
}

} // namespace tallivant::ui
