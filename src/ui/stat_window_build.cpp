// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's building half: its controls made from the layout, panel and menu tables, each
// connected where it is made.
#include "ui/stat_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "ui/appearance.h"
#include "ui/client_area.h"
#include "ui/colours.h"
#include "ui/command_button.h"
#include "ui/floor_box.h"
#include "ui/keymap.h"
#include "ui/layout.h"
#include "ui/menus.h"
#include "ui/palettes.h"
#include "ui/sheet_field.h"
#include "ui/text.h"

namespace tallivant::ui {

namespace {

void place(QWidget* w, std::string_view name, QRect rect) {
    w->setObjectName(q(name));
    w->setGeometry(rect);
}

// A text of the layout's tables, which mark theirs in the context "Sheet".
QString sheetText(std::string_view english) {
    return QCoreApplication::translate("Sheet", std::string(english).c_str());
}

QLabel* makeLabel(QWidget* parent, std::string_view name, std::string_view caption, QRect rect,
                  unsigned colour) {
    // The column titles are the same in every language.
    auto* label = new QLabel(name == "lblheader" ? q(caption) : sheetText(caption), parent);
    place(label, name, rect);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    label->setPalette(backgroundPalette(colour));
    return label;
}

// A caption of the menu table, which marks them in the context "Menus".
QString menuText(std::string_view english) {
    return QCoreApplication::translate("Menus", std::string(english).c_str());
}

} // namespace

void StatWindow::buildStatButtons() {
    auto* group = new QButtonGroup(this);
    for (int row = 0; row < kStats; ++row) {
        const StatButton& s = kStatButtons[row];
        auto* button = new CommandButton(q(s.caption), client_);
        place(button, s.name, twipsRect(s.left, s.top, s.width, s.height));
        button->setPalette(buttonPalette(s.colour));
        button->setAccessibleName(sheetText(s.spoken));
        group->addButton(button, row);
        statButtons_[row] = button;
    }
    connect(group, &QButtonGroup::idClicked, this, &StatWindow::statClicked);
}

void StatWindow::buildPanel() {
    const QFont regular = regularFont();
    auto* quarters = new QButtonGroup(this);
    auto* possession = new QButtonGroup(this);
    QGroupBox* frame = nullptr;
    int quarter = 0;
    int timeout = 0;
    std::array<QWidget*, kPanelRoles> kept{};
    for (const PanelControl& c : kPanelTable) {
        const QRect rect = twipsRect(c.left, c.top, c.width, c.height);
        QWidget* w = nullptr;
        switch (c.kind) {
        case PanelKind::Label:
            w = makeLabel(client_, c.name, c.caption, rect, c.colour);
            break;
        case PanelKind::Button: {
            auto* button = new CommandButton(sheetText(c.caption), client_);
            button->setPalette(buttonPalette(c.colour));
            connect(button, &QPushButton::clicked, this,
                    [this, clicked = c.clicked] { (static_cast<Commands*>(this)->*clicked)(); });
            w = button;
            break;
        }
        case PanelKind::QuarterOption: {
            auto* option = new QRadioButton(client_);
            connect(option, &QRadioButton::toggled, this, [this](bool on) {
                if (on) quarterSwitched();
            });
            quarters->addButton(option, quarter);
            quarterButtons_[quarter++] = option;
            w = option;
            break;
        }
        case PanelKind::CheckBox: {
            auto* box = new QCheckBox(client_);
            connect(box, &QCheckBox::toggled, this, &StatWindow::marksChanged);
            timeoutBoxes_.at(timeout++) = box;
            w = box;
            break;
        }
        case PanelKind::Frame:
            frame = new QGroupBox(sheetText(c.caption), client_);
            w = frame;
            break;
        case PanelKind::FrameOption: {
            auto* option = new QRadioButton(sheetText(c.caption), frame);
            possession->addButton(option);
            // The button switched off says it too, and the copy is the same.
            connect(option, &QRadioButton::toggled, this, &StatWindow::marksChanged);
            if (c.role != PanelRole::OurPossession) theirPossession_ = option;
            w = option;
            break;
        }
        }
        place(w, c.name, rect);
        kept[static_cast<int>(c.role)] = w;
        // A label keeps saying its text (the time, the file); the description tells what it is.
        if (!c.spoken.empty()) {
            if (c.kind == PanelKind::Label)
                w->setAccessibleDescription(sheetText(c.spoken));
            else
                w->setAccessibleName(sheetText(c.spoken));
        }
        if (c.kind != PanelKind::Label && c.colour != kToolkitDefault) {
            w->setAutoFillBackground(true);
            w->setPalette(backgroundPalette(c.colour));
        }
        // The frame keeps the toolkit's own colour, whatever colour the window is given.
        if (c.kind == PanelKind::Frame) w->setAutoFillBackground(true);
        if (c.regularFont) w->setFont(regular);
    }

    auto role = [&](PanelRole r) { return kept[static_cast<int>(r)]; };
    lblclock_ = static_cast<QLabel*>(role(PanelRole::Clock));
    lblfname_ = static_cast<QLabel*>(role(PanelRole::FileLabel));
    optyouposs_ = static_cast<QRadioButton*>(role(PanelRole::OurPossession));
    startStop_ = static_cast<QPushButton*>(role(PanelRole::StartStop));
    takeback_ = static_cast<QPushButton*>(role(PanelRole::Takeback));
    lblfname_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblfname_->setWordWrap(true);
}

void StatWindow::buildSheet() {
    const QFont regular = regularFont();
    auto* names = new QButtonGroup(this);
    for (int i = 0; i < kPlayers; ++i) {
        const int top = lineTop(playerLine(i));
        auto* box = new FloorBox(client_);
        place(box, "Check" + std::to_string(kFirstFloorBox + i),
              twipsRect(kFloorBoxLeft, top, kFloorBoxSize, kFloorBoxSize));
        //: %1 is a player's line of the sheet: "Player 3"
        box->setAccessibleName(QCoreApplication::translate("Sheet", "%1 on the floor")
                                   .arg(spokenLineName(playerLine(i))));
        connect(box, &QCheckBox::toggled, this, &StatWindow::marksChanged);
        floorBoxes_[i] = box;

        auto* name = new CommandButton(client_);
        place(name, "cmdp" + std::to_string(i + 1),
              twipsRect(kNameLeft, top, kNameWidth, kNameHeight));
        name->setFont(regular);
        name->setPalette(namePalette(false));
        name->setAccessibleName(spokenLineName(playerLine(i)));
        names->addButton(name, i + 1);
        nameButtons_[i] = name;
    }
    connect(names, &QButtonGroup::idClicked, this, &StatWindow::nameClicked);

    for (int r = 0; r < kQuarters + 1; ++r) {
        const RowLabel& row = kRowLabels[r];
        QLabel* label = makeLabel(
            client_, row.name, row.caption,
            twipsRect(row.left, lineTop(kPlayers + r), row.width, kRowLabelHeight), row.colour);
        label->setFont(regular);
    }

    for (int id = 0; id < kFields; ++id) {
        const Field f = Field::fromId(id);
        auto* field = new SheetField(isGreyLine(f.line), client_);
        place(field, fieldName(f),
              twipsRect(kColumnTable[f.col].left, lineTop(f.line), kFieldWidth, kFieldHeight));
        //: %1 is a line of the sheet ("Player 3", "Game totals"), %2 a column ("assists")
        field->setAccessibleName(
            QCoreApplication::translate("Sheet", "%1 %2")
                .arg(spokenLineName(f.line), fromCore(kColumnTable[f.col].spoken)));
        field->setFont(regular);
        fields_[id] = field;
    }
}

void StatWindow::buildMenus() {
    QMenu* menu = nullptr;
    for (const MenuEntry& e : kMenuTable) {
        if (e.kind == MenuKind::Title) {
            menu = menuBar()->addMenu(menuText(e.caption));
            menu->setObjectName(q(e.name));
            continue;
        }
        QAction* action = e.kind == MenuKind::Separator ? menu->addSeparator()
                                                        : menu->addAction(menuText(e.caption));
        action->setObjectName(q(e.name));
        if (e.keys != KeyAction::None) {
            action->setShortcuts(shortcutsOf(KeyWindow::Sheet, e.keys));
            action->setAutoRepeat(false);
        }
        if (e.kind == MenuKind::Colour) {
            connect(action, &QAction::triggered, this,
                    [this, colour = e.colour] { client_->setBackground(toQColor(colour)); });
        } else if (e.kind == MenuKind::Item) {
            connect(action, &QAction::triggered, this,
                    [this, command = e.command] { (static_cast<Commands*>(this)->*command)(); });
        }
    }
}

void StatWindow::collectFixedKeys() {
    for (QPushButton* b : client_->findChildren<QPushButton*>())
        fixedKeys_.insert(QKeySequence::mnemonic(b->text()));
    fixedKeys_.insert(QKeySequence::mnemonic(fromCore(Clock::kStartCaption)));
    for (QAction* a : menuBar()->actions())
        fixedKeys_.insert(QKeySequence::mnemonic(a->text()));
    fixedKeys_.remove(QKeySequence());
}

} // namespace tallivant::ui
