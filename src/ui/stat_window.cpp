// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/stat_window.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QRadioButton>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>

#include "report/pdf.h"
#include "report/printer.h"
#include "session/exports.h"
#include "session/season_commands.h"
#include "ui/appearance.h"
#include "ui/box_keys.h"
#include "ui/client_area.h"
#include "ui/colours.h"
#include "ui/command_button.h"
#include "ui/floor_box.h"
#include "ui/focus_outline.h"
#include "ui/layout.h"
#include "ui/menus.h"
#include "ui/palettes.h"
#include "ui/plays_window.h"
#include "ui/season_window.h"
#include "ui/sheet_field.h"
#include "ui/tab_chain.h"
#include "ui/text.h"

namespace tallivant::ui {

namespace {

// The name as its button shows it without an Alt-letter: every single "&" dropped, a doubled
// one kept (it shows as one "&").
QString withoutMnemonic(const QString& name) {
    return QString::fromStdString(withoutAmpersands(name.toStdString()))
        .replace(u'&', QStringLiteral("&&"));
}

// Keys that act when pressed on the window: Alt- and Ctrl-letters, and Enter or Space on a
// focused button. Held down, they must act once.
bool actsOnPress(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) return true;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Select:
        return true;
    default:
        return false;
    }
}

void place(QWidget* w, std::string_view name, QRect rect) {
    w->setObjectName(q(name));
    w->setGeometry(rect);
}

QLabel* makeLabel(QWidget* parent, std::string_view name, std::string_view caption, QRect rect,
                  unsigned colour) {
    auto* label = new QLabel(q(caption), parent);
    place(label, name, rect);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    label->setPalette(backgroundPalette(colour));
    return label;
}

} // namespace

StatWindow::StatWindow(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), game_(dialogs), copy_(dialogs, defaultStateFolder()),
      files_(game_, dialogs, *this) {
    setObjectName(QStringLiteral("stat"));
    setWindowTitle(QStringLiteral("Tallivant"));
    game_.setDecimalSeparator(QLocale().decimalPoint().toStdString());

    client_ = new ClientArea(this);
    client_->setFont(windowFont());
    client_->setFixedSize(px(kClientWidth), px(kClientHeight));
    setCentralWidget(client_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("tmrtimeouttime"));
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &StatWindow::clockTicked);

    // The stat buttons come first: they open the focus order.
    buildStatButtons();
    buildPanel();
    buildSheet();
    buildMenus();
    collectFixedKeys();
    setUpTabChain(client_);
    new FocusOutline(client_);

    // Ctrl+Z, the undo key of every desktop program, presses Takeback.
    auto* undo = new QShortcut(QKeySequence::Undo, this);
    undo->setAutoRepeat(false);
    connect(undo, &QShortcut::activated, takeback_, &QPushButton::click);
    // Ctrl+S saves at a time-out in two keys, where File|Save takes seven.
    auto* save = new QShortcut(QKeySequence::Save, this);
    save->setAutoRepeat(false);
    connect(save, &QShortcut::activated, this, &StatWindow::saveToOwnFile);
    qApp->installEventFilter(this);
    // Behind a box, a key that would act on the sheet beeps instead of going astray. The names'
    // letters are read from their buttons: showNames keeps the "&" only where it works.
    new BoxKeys(this, [this](const QKeySequence& key) {
        const auto carries = [&key](const QPushButton* b) {
            return QKeySequence::mnemonic(b->text()) == key;
        };
        return QKeySequence::keyBindings(QKeySequence::Undo).contains(key) ||
               QKeySequence::keyBindings(QKeySequence::Save).contains(key) ||
               QKeySequence::mnemonic(q(Clock::kStartCaption)) == key ||
               std::ranges::any_of(statButtons_, carries) ||
               std::ranges::any_of(nameButtons_, carries);
    });

    game_.setListener(this);
    load();
    copy_.watch(
        game_, [this] { return fileLabel(); }, [this] { return currentQuarter(); },
        [this] { return marks(); });
}

StatWindow::~StatWindow() {
    delete plays_;
    qApp->removeEventFilter(this);
    game_.setListener(nullptr);
}

void StatWindow::closeEvent(QCloseEvent* event) {
    if (!files_.maySetAside()) {
        event->ignore();
        return;
    }
    copy_.closed();
    if (plays_) plays_->close();
    event->accept();
}

void StatWindow::offerRecovery() {
    auto found = copy_.recovery().claimLeftBehind();
    if (!found) return;
    // Which game it is: its file, when it was last changed, and the first names of its roster.
    const KeptGame& kept = found->kept;
    QStringList names;
    for (int n = 1; n <= 3; ++n)
        names << QString::fromStdString(withoutAmpersands(kept.game.names[n - 1]));
    const QString changed =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(found->changed), QLocale::ShortFormat);
    const QString informative = QStringLiteral("File: %1\nLast change: %2\nPlayers: %3")
                                    .arg(kept.label.empty() ? QString::fromUtf8(kNotYetSaved)
                                                            : QString::fromStdString(kept.label),
                                         changed, names.join(QStringLiteral(", ")));
    if (dialogs_.restoreOrDiscard(kRestoreText, informative.toStdString(), kRestoreTitle)) {
        files_.restore(kept, found->changed);
        showMarks(kept.marks);
        copy_.keep();
    } else {
        copy_.discardClaimed();
        copy_.recovery().remove();
    }
}

void StatWindow::gameDiscarded() {
    copy_.discard();
}

bool StatWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyRelease) {
        repeats_.released(static_cast<QKeyEvent*>(event));
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool repeat = repeats_.isRepeat(key);
    if (!repeat || !actsOnPress(key)) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    // An accepted override keeps the repeat from the shortcuts; the key press itself is eaten.
    event->accept();
    return true;
}

void StatWindow::buildStatButtons() {
    auto* group = new QButtonGroup(this);
    for (int row = 0; row < kStats; ++row) {
        const StatButton& s = kStatButtons[row];
        auto* button = new CommandButton(q(s.caption), client_);
        place(button, s.name, twipsRect(s.left, s.top, s.width, s.height));
        button->setPalette(buttonPalette(s.colour));
        button->setAccessibleName(q(s.spoken));
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
            auto* button = new CommandButton(q(c.caption), client_);
            button->setPalette(buttonPalette(c.colour));
            connect(button, &QPushButton::clicked, this,
                    [this, clicked = c.clicked] { (static_cast<Commands*>(this)->*clicked)(); });
            w = button;
            break;
        }
        case PanelKind::QuarterOption: {
            auto* option = new QRadioButton(client_);
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
            frame = new QGroupBox(q(c.caption), client_);
            w = frame;
            break;
        case PanelKind::FrameOption: {
            auto* option = new QRadioButton(q(c.caption), frame);
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
                w->setAccessibleDescription(q(c.spoken));
            else
                w->setAccessibleName(q(c.spoken));
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
        box->setAccessibleName(q(spokenLine(playerLine(i)) + " on the floor"));
        connect(box, &QCheckBox::toggled, this, &StatWindow::marksChanged);
        floorBoxes_[i] = box;

        auto* name = new CommandButton(client_);
        place(name, "cmdp" + std::to_string(i + 1),
              twipsRect(kNameLeft, top, kNameWidth, kNameHeight));
        name->setFont(regular);
        name->setPalette(namePalette(false));
        name->setAccessibleName(q(spokenLine(playerLine(i))));
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
        field->setAccessibleName(
            q(spokenLine(f.line) + " " + std::string(kColumnTable[f.col].spoken)));
        field->setFont(regular);
        fields_[id] = field;
    }
}

void StatWindow::buildMenus() {
    QMenu* menu = nullptr;
    for (const MenuEntry& e : kMenuTable) {
        if (e.kind == MenuKind::Title) {
            menu = menuBar()->addMenu(q(e.caption));
            menu->setObjectName(q(e.name));
            continue;
        }
        QAction* action =
            e.kind == MenuKind::Separator ? menu->addSeparator() : menu->addAction(q(e.caption));
        action->setObjectName(q(e.name));
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
    fixedKeys_.insert(QKeySequence::mnemonic(q(Clock::kStartCaption)));
    for (QAction* a : menuBar()->actions())
        fixedKeys_.insert(QKeySequence::mnemonic(a->text()));
    fixedKeys_.remove(QKeySequence());
}

void StatWindow::load() {
    optyouposs_->setChecked(true);
    switchFirstQuarterOn();
    game_.zeroSheet();
    statButtons_[0]->setFocus();
}

Quarter StatWindow::currentQuarter() const {
    for (int i = 0; i < kQuarters; ++i)
        if (quarterButtons_[i]->isChecked()) return static_cast<Quarter>(i);
    return Quarter::First;
}

void StatWindow::switchFirstQuarterOn() {
    quarterButtons_[0]->setChecked(true);
}

void StatWindow::switchQuarterOn(Quarter quarter) {
    quarterButtons_[static_cast<int>(quarter)]->setChecked(true);
}

std::string StatWindow::stateFolder() const {
    return copy_.recovery().folder();
}

// Where the folder used last is kept between runs: named in full, so that it is the same
// place whatever names the application was given (on Windows, a key under HKEY_CURRENT_USER).
const QString kOrganization = QStringLiteral("Tallivant");
const QString kApplication = QStringLiteral("Tallivant");
const QString kFolderKey = QStringLiteral("folder");

std::string StatWindow::startFolder() const {
    const QString last = QSettings(kOrganization, kApplication).value(kFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last.toStdString();
    // Not one that does not exist: the dialog would propose a name there and the save fail.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents.toStdString() : std::string();
}

void StatWindow::folderUsed(const std::string& folder) {
    QSettings(kOrganization, kApplication).setValue(kFolderKey, QString::fromStdString(folder));
}

void StatWindow::setFileLabel(const std::string& text) {
    lblfname_->setText(QString::fromStdString(text));
    copy_.changed();
}

std::string StatWindow::fileLabel() const {
    return lblfname_->text().toStdString();
}

void StatWindow::statClicked(int row) {
    game_.record(row, currentQuarter());
    copy_.keep();
}

void StatWindow::nameClicked(int player) {
    game_.selectPlayer(player);
}

void StatWindow::takeback() {
    game_.takeback();
    copy_.keep();
}

void StatWindow::startStopClock() {
    clock_.startStop();
    if (clock_.running())
        timer_->start();
    else
        timer_->stop();
    startStop_->setText(QString::fromStdString(clock_.caption()));
    showClock();
}

void StatWindow::resetClock() {
    clock_.reset();
    showClock();
}

void StatWindow::clockTicked() {
    clock_.tick();
    showClock();
}

// Past the minute the clock counts up again; red tells a timeout that is over from one running.
void StatWindow::showClock() {
    lblclock_->setText(QString::fromStdString(clock_.display()));
    QPalette palette = lblclock_->palette();
    palette.setColor(QPalette::WindowText, toQColor(clock_.isOver() ? kClockOverRed : kBlack));
    lblclock_->setPalette(palette);
}

void StatWindow::newGame() {
    files_.newGame();
    copy_.keep();
}

void StatWindow::print() {
    filePrint(game_, dialogs_);
}

void StatWindow::openGame() {
    files_.openGame();
    copy_.keep();
}

void StatWindow::saveGame() {
    files_.savegame();
    copy_.keep();
}

void StatWindow::saveToOwnFile() {
    files_.saveToOwnFile();
    copy_.keep();
}

void StatWindow::newGameSameRoster() {
    files_.newGameSameRoster();
    copy_.keep();
}

void StatWindow::seasonTotals() {
    SeasonCommands commands(dialogs_, *this);
    std::optional<Season> season = commands.chooseSeason();
    if (!season) return;
    auto* window = new SeasonWindow(std::move(*season), dialogs_, *this, this);
    window->show();
    window->raise();
    window->activateWindow();
    commands.tellLeftOut(window->season());
    // The box may have opened over the main window, the window system not having handed the
    // keys to the table yet, and closing it gives them back there, raising the sheet over the
    // table: the table, which the scorer asked for, comes back in front.
    window->raise();
    window->activateWindow();
}

void StatWindow::openGameFile(const std::string& path) {
    files_.openGame(path);
    copy_.keep();
}

void StatWindow::saveReportAsPdf() {
    ExportCommands(game_, dialogs_, *this).saveReportAsPdf([](const Game& g) {
        return reportPdf(g);
    });
}

void StatWindow::exportCsv() {
    ExportCommands(game_, dialogs_, *this).exportCsv();
}

void StatWindow::exit() {
    close();
}

void StatWindow::editRoster() {
    files_.editRoster();
    copy_.keep();
}

void StatWindow::showInstructions() {
    for (std::string_view text : kInstructions)
        dialogs_.message(std::string(text), std::string(kInstructionsTitle), Icon::None);
}

void StatWindow::showPlays() {
    if (!plays_)
        plays_ = new PlaysWindow(
            game_, dialogs_, [this] { return currentQuarter(); }, [this] { copy_.keep(); }, this);
    plays_->bringUp();
}

ScreenMarks StatWindow::marks() const {
    ScreenMarks marks;
    for (int i = 0; i < ScreenMarks::kTimeouts; ++i)
        marks.timeouts[i] = timeoutBoxes_[i]->isChecked();
    marks.ourPossession = !theirPossession_->isChecked();
    for (int i = 0; i < kPlayers; ++i)
        marks.onFloor[i] = floorBoxes_[i]->isChecked();
    return marks;
}

void StatWindow::showMarks(const ScreenMarks& marks) {
    for (int i = 0; i < ScreenMarks::kTimeouts; ++i)
        timeoutBoxes_[i]->setChecked(marks.timeouts[i]);
    (marks.ourPossession ? optyouposs_ : theirPossession_)->setChecked(true);
    for (int i = 0; i < kPlayers; ++i)
        floorBoxes_[i]->setChecked(marks.onFloor[i]);
}

// A box is no change of the game: it neither makes the game unsaved nor alone makes a copy,
// but a copy that is kept holds it before the next event.
void StatWindow::marksChanged() {
    copy_.changed();
    copy_.keep();
}

void StatWindow::paintFoul(int index) {
    const bool foul = game_.inFoulTrouble(index);
    if (foul == foulShown_[index]) return;
    foulShown_[index] = foul;
    fields_[Field{playerLine(index), PF}.id()]->setFoulTrouble(foul);
}

void StatWindow::unsavedChanged() {
    copy_.changed();
}

void StatWindow::boxOpening() {
    copy_.keep();
}

void StatWindow::fieldChanged(Field f) {
    copy_.changed();
    fields_[f.id()]->showText(QString::fromStdString(game_.text(f)));
    if (f.col == PF && f.line < kPlayers) paintFoul(f.line);
}

void StatWindow::selectionChanged() {
    for (int i = 0; i < kPlayers; ++i) {
        const bool red = game_.isSelected(i + 1);
        if (red == nameRed_[i]) continue;
        nameRed_[i] = red;
        nameButtons_[i]->setPalette(namePalette(red));
    }
}

void StatWindow::nameChanged(int player) {
    copy_.changed();
    QPushButton* button = nameButtons_[player - 1];
    const QString name = QString::fromStdString(game_.name(player));
    const QString spoken = q(spokenLine(playerLine(player - 1)));
    const QString plain = QString::fromStdString(withoutAmpersands(game_.name(player)));
    button->setAccessibleName(plain.isEmpty() ? spoken : spoken + QStringLiteral(", ") + plain);
    // Whether a name may keep its letter depends on the names before it.
    showNames();
    if (plays_) plays_->namesChanged();
}

void StatWindow::playsChanged() {
    copy_.changed();
    if (plays_) plays_->playsChanged();
}

// A name's Alt-letter is underlined, and works, only when Alt and that letter select exactly
// that player: a letter of a stat button, the clock or a menu, or one an earlier name already
// has, leaves the later name without its mark, so Alt+C always records a field goal and
// Alt+Z always selects the first Z.
void StatWindow::showNames() {
    QSet<QKeySequence> taken = fixedKeys_;
    for (int i = 0; i < kPlayers; ++i) {
        const QString name = QString::fromStdString(game_.name(i + 1));
        const QKeySequence key = QKeySequence::mnemonic(name);
        const bool keepsLetter = !key.isEmpty() && !taken.contains(key);
        if (keepsLetter) taken.insert(key);
        const QString shown = keepsLetter ? name : withoutMnemonic(name);
        if (nameButtons_[i]->text() != shown) nameButtons_[i]->setText(shown);
    }
}

} // namespace tallivant::ui
