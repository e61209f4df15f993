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
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>

#include "report/pdf.h"
#include "report/printer.h"
#include "session/exports.h"
#include "session/season_commands.h"
#include "ui/appearance.h"
#include "ui/client_area.h"
#include "ui/colours.h"
#include "ui/command_button.h"
#include "ui/floor_box.h"
#include "ui/focus_outline.h"
#include "ui/keymap.h"
#include "ui/keys_window.h"
#include "ui/layout.h"
#include "ui/menus.h"
#include "ui/palettes.h"
#include "ui/plays_window.h"
#include "ui/score_line.h"
#include "ui/season_window.h"
#include "ui/sheet_field.h"
#include "ui/sheet_keys.h"
#include "ui/strip.h"
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

} // namespace

StatWindow::StatWindow(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), session_(dialogs, *this, defaultStateFolder()) {
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

    // Ctrl+Z, the undo key of every desktop program, undoes the newest entry; Ctrl+S saves at a
    // time-out in two keys, where File|Save takes seven; Ctrl+1 to Ctrl+3 and Ctrl+M record the
    // opponent's points and team fouls.
    for (KeyAction action : {KeyAction::UndoNewest, KeyAction::SaveOwn, KeyAction::Opponent}) {
        for (const QKeySequence& key : shortcutsOf(KeyWindow::Sheet, action)) {
            auto* shortcut = new QShortcut(key, this);
            shortcut->setAutoRepeat(false);
            connect(shortcut, &QShortcut::activated, this, [this, key] {
                if (const std::function<void()> act = sheetKey(key)) act();
            });
        }
    }
    qApp->installEventFilter(this);
    new SheetKeys(this, [this](const QKeySequence& key) { return sheetKey(key); });

    strip_ = new Strip(this);
    setStatusBar(strip_);
    connect(&copy_, &RecoveryCopy::failureChanged, this, &StatWindow::showFilesState);
    connect(&copy_, &RecoveryCopy::holdsCopyChanged, this, &StatWindow::showFilesState);
    connect(&session_.share(), &LiveShare::stateChanged, this, &StatWindow::shareChanged);

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
    if (const std::optional<ScreenMarks> marks = session_.offerRecovery()) {
        showMarks(*marks);
        copy_.keep();
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

std::string StatWindow::startFolder() const {
    return GameSession::startFolder();
}

void StatWindow::folderUsed(const std::string& folder) {
    GameSession::folderUsed(folder);
}

void StatWindow::setFileLabel(const std::string& text) {
    lblfname_->setText(QString::fromStdString(text));
    copy_.changed();
}

std::string StatWindow::fileLabel() const {
    return lblfname_->text().toStdString();
}

void StatWindow::statClicked(int row) {
    const int player = game_.playernum();
    const bool wasOut = game_.isFouledOut(player);
    session_.record(row, currentQuarter());
    // Nothing blocks a stat for a player who is out: the bench hears it in the strip.
    if (wasOut && player != 0) strip_->tell(fouledOutNews(game_, player));
}

void StatWindow::nameClicked(int player) {
    game_.selectPlayer(player);
}

void StatWindow::takeback() {
    session_.takeback();
}

void StatWindow::startStopClock() {
    clock_.startStop();
    if (clock_.running())
        timer_->start();
    else
        timer_->stop();
    startStop_->setText(fromCore(clock_.caption()));
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
    session_.newGame();
}

void StatWindow::print() {
    filePrint(game_, dialogs_);
}

void StatWindow::openGame() {
    session_.openGame();
}

void StatWindow::saveGame() {
    session_.saveGame();
}

void StatWindow::saveToOwnFile() {
    session_.saveToOwnFile();
}

void StatWindow::newGameSameRoster() {
    session_.newGameSameRoster();
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
    session_.openGame(path);
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
    session_.editRoster();
}

void StatWindow::showInstructions() {
    const auto shown = [](std::string_view english) {
        return QCoreApplication::translate("Instructions", std::string(english).c_str());
    };
    for (std::string_view text : kInstructions)
        dialogs_.message(shown(text).toStdString(), shown(kInstructionsTitle).toStdString(),
                         Icon::None);
}

void StatWindow::showPlays() {
    if (!plays_)
        plays_ = new PlaysWindow(
            game_, dialogs_, [this] { return currentQuarter(); }, [this] { session_.changed(); },
            this);
    plays_->bringUp();
}

void StatWindow::nextQuarter() {
    stepQuarter(1);
}

void StatWindow::previousQuarter() {
    stepQuarter(-1);
}

void StatWindow::stepQuarter(int by) {
    const int on = static_cast<int>(currentQuarter());
    quarterButtons_[std::clamp(on + by, 0, kQuarters - 1)]->click();
}

void StatWindow::quarterSwitched() {
    showScore();
    // The quarter is kept with the game's recovery copy.
    marksChanged();
}

void StatWindow::showKeys() {
    if (!keys_) keys_ = new KeysWindow(this);
    keys_->bringUp();
}

void StatWindow::tell(const std::string& news) {
    strip_->tell(QString::fromStdString(news));
}

std::function<void()> StatWindow::sheetKey(const QKeySequence& key) {
    // The names' letters are read from their buttons: showNames keeps the "&" only where it
    // selects that player. Alt+S is the clock's once its button shows the letter.
    const auto carries = [&key](const QPushButton* b) {
        return QKeySequence::mnemonic(b->text()) == key;
    };
    for (QPushButton* b : statButtons_)
        if (carries(b)) return [b] { b->click(); };
    for (QPushButton* b : nameButtons_)
        if (carries(b)) return [b] { b->click(); };
    if (carries(startStop_)) return [b = startStop_] { b->click(); };
    for (const KeyRow& row : kKeyMap) {
        if (row.window != KeyWindow::Sheet ||
            QKeySequence::fromString(q(row.keys), QKeySequence::PortableText) != key)
            continue;
        switch (row.action) {
        case KeyAction::UndoNewest:
            return [this] { undoNewest(); };
        case KeyAction::Opponent:
            return [this, arg = row.arg] { recordOpponent(arg); };
        case KeyAction::SaveOwn:
            return [this] { saveToOwnFile(); };
        case KeyAction::NextQuarter:
            return [this] { stepQuarter(1); };
        case KeyAction::PreviousQuarter:
            return [this] { stepQuarter(-1); };
        default:
            break;
        }
    }
    return {};
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
    session_.changed();
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
    // What the strip's line reads: the game's points, and the fouls of a quarter or a player.
    if (f.col == PF || f.col == TF || (f.col == PTS && f.line == kTotalsLine)) showScore();
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
    const QString spoken = spokenLineName(playerLine(player - 1));
    const QString plain = QString::fromStdString(withoutAmpersands(game_.name(player)));
    button->setAccessibleName(plain.isEmpty() ? spoken : spoken + QStringLiteral(", ") + plain);
    // Whether a name may keep its letter depends on the names before it.
    showNames();
    showScore();
    if (plays_) plays_->namesChanged();
}

void StatWindow::playsChanged() {
    copy_.changed();
    showScore();
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
