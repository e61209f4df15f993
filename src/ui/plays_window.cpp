// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/plays_window.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStaticText>
#include <QStyleOptionSlider>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/button_row.h"
#include "ui/layout.h"
#include "ui/plays_model.h"
#include "ui/text.h"
#include "ui/window_place.h"

namespace tallivant::ui {

namespace {

// The table tells a screen reader which play it is on as soon as it gets the focus, not only
// when the current play changes: Qt announces the table alone. The play is announced after the
// table, once the focus has settled, so that it is what the reader says last.
class Table : public QTableView {
public:
    using QTableView::QTableView;

protected:
    void focusInEvent(QFocusEvent* e) override {
        QTableView::focusInEvent(e);
        QMetaObject::invokeMethod(this, &Table::announceCurrent, Qt::QueuedConnection);
    }

private:
    void announceCurrent() {
        if (hasFocus() && currentIndex().isValid()) currentChanged(currentIndex(), currentIndex());
    }
};

// A scroll bar drawn again only when it looks different. Each new play widens its range, and
// Fusion draws a scroll bar from gradients cached by size, so a new range cost each stat a
// fresh drawing although, with hundreds of plays, the handle keeps its place and length.
class ScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void sliderChange(SliderChange change) override {
        if (change == SliderRangeChange && look() == painted_) return;
        QScrollBar::sliderChange(change);
    }
    void paintEvent(QPaintEvent* e) override {
        painted_ = look();
        QScrollBar::paintEvent(e);
    }

private:
    // What the range shows: the handle, and whether either end is reached (its arrow greys).
    struct Look {
        QRect handle;
        bool atMinimum = false, atMaximum = false;
        friend bool operator==(const Look&, const Look&) = default;
    };
    Look look() const {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return {style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider,
                                        this),
                value() == minimum(), value() == maximum()};
    }

    Look painted_;
};

// A cell drawn as one line of plain text, laid out once. A new play moves every row down, so
// the whole list in view is drawn again at each stat; Qt's own drawing lays each cell out anew
// as a paragraph (line breaks, eliding) and made that cost most of a millisecond. The same few
// texts (quarters, stats, names, times) come back in every row, so each is laid out only once.
class Cell : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette::ColorGroup group =
            option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        // Every other row a shade darker, to follow a play across: filled here, since the
        // style's own stripes and the table's grid took as long again as the text.
        if (selected)
            painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        else if (index.row() % 2)
            painter->fillRect(option.rect, option.palette.color(group, QPalette::AlternateBase));
        QColor pen =
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
        if (const QVariant own = index.data(Qt::ForegroundRole); own.isValid() && !selected)
            pen = own.value<QColor>();

        const QStaticText& text = laidOut(index.data().toString());
        const QSizeF size = text.size();
        const int margin = option.widget->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        const QRect room = option.rect.adjusted(margin, 0, -margin, 0);
        const bool right = index.data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight;
        const QPointF at(right ? room.right() + 1 - size.width() : room.left(),
                         room.top() + (room.height() - size.height()) / 2);
        painter->save();
        painter->setPen(pen);
        if (size.width() > room.width()) painter->setClipRect(room);
        painter->drawStaticText(at, text);
        painter->restore();

        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor =
                option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
            option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter,
                                                  option.widget);
        }
    }

private:
    const QStaticText& laidOut(const QString& text) const {
        auto found = cache_.find(text);
        if (found != cache_.end()) return *found;
        // A game has a few hundred different texts; the bound only keeps a strange one small.
        if (cache_.size() > 4096) cache_.clear();
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        return *cache_.insert(text, laid);
    }

    mutable QHash<QString, QStaticText> cache_;
};

} // namespace

PlaysWindow::PlaysWindow(Game& game, Dialogs& dialogs, std::function<Quarter()> currentQuarter,
                         std::function<void()> corrected, QWidget* parent)
    : QWidget(parent, Qt::Window), game_(game), dialogs_(dialogs),
      currentQuarter_(std::move(currentQuarter)), corrected_(std::move(corrected)) {
    setObjectName(QStringLiteral("plays"));
    setWindowTitle(QCoreApplication::translate("Plays", "Plays"));

    model_ = new PlaysModel(game_, this);
    table_ = new Table(this);
    table_->setObjectName(QStringLiteral("playsTable"));
    table_->setAccessibleName(QCoreApplication::translate("Plays", "Plays, newest first"));
    table_->setModel(model_);
    table_->setItemDelegate(new Cell(table_));
    table_->setVerticalScrollBar(new ScrollBar(Qt::Vertical, table_));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the buttons; the arrow keys move from play to play.
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->setShowGrid(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Fixed widths: measuring the contents would read every play at every stat. The widest
    // stat and note in the scorer's language.
    const QFontMetrics fm = fontMetrics();
    const QString widestNote =
        fromCore(kNoteJoin).arg(fromCore("taken back"), fromCore("from %1").arg(fromCore("4th")));
    const auto widest = [&fm](int from, auto&& texts) {
        for (const QString& t : texts)
            from = std::max(from, fm.horizontalAdvance(t));
        return from;
    };
    QStringList stats, quarters;
    for (char letter : std::string_view("cvdferhunokmt"))
        stats << fromCore(statWords(letter));
    for (Quarter q :
         {Quarter::First, Quarter::Second, Quarter::Third, Quarter::Fourth, Quarter::Overtime})
        quarters << fromCore(quarterName(q));
    const int pad = 16;
    const int widths[] = {
        fm.horizontalAdvance(QStringLiteral("9999")) + pad,
        fm.horizontalAdvance(QStringLiteral("00:00:00")) + pad,
        widest(fm.horizontalAdvance(QCoreApplication::translate("Plays", "Quarter")), quarters) +
            pad,
        fm.averageCharWidth() * 16 + pad,
        widest(0, stats) + pad,
        fm.horizontalAdvance(widestNote) + pad};
    QHeaderView* header = table_->horizontalHeader();
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(true);
    for (int c = 0; c < PlaysModel::kColumnCount; ++c)
        header->resizeSection(c, widths[c]);

    std::vector<QPushButton*> made;
    QHBoxLayout* buttons =
        buttonRow<PlaysWindow>(this, KeyWindow::Plays,
                               {{QT_TRANSLATE_NOOP("Plays", "Remove"), "playsRemove",
                                 KeyAction::Remove, &PlaysWindow::remove},
                                {QT_TRANSLATE_NOOP("Plays", "Put back"), "playsPutBack",
                                 KeyAction::PutBack, &PlaysWindow::putBack},
                                {QT_TRANSLATE_NOOP("Plays", "Give to..."), "playsGiveTo",
                                 KeyAction::GiveTo, &PlaysWindow::giveTo},
                                {QT_TRANSLATE_NOOP("Plays", "Quarter..."), "playsQuarter",
                                 KeyAction::MoveToQuarter, &PlaysWindow::moveToQuarter}},
                               {{KeyAction::Newest, &PlaysWindow::showNewest},
                                {KeyAction::Oldest, &PlaysWindow::showOldest}},
                               "playsClose", made);
    remove_ = made[0];
    putBack_ = made[1];
    giveTo_ = made[2];
    quarter_ = made[3];
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(buttons);

    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &PlaysWindow::updateButtons);
    connect(model_, &QAbstractItemModel::dataChanged, this, &PlaysWindow::updateButtons);
    connect(model_, &QAbstractItemModel::modelReset, this, &PlaysWindow::updateButtons);
    updateButtons();

    int width = 2 * layout->contentsMargins().left() + 2 * table_->frameWidth() + 24;
    for (int w : widths)
        width += w;
    resize(width, 22 * table_->verticalHeader()->defaultSectionSize());
}

void PlaysWindow::bringUp() {
    if (!isVisible()) {
        // The play just recorded is the one most likely to be mended, whatever was selected when
        // the window was closed.
        showNewest();
        place();
    }
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    table_->setFocus(Qt::OtherFocusReason);
}

// Neither window hides what the scorer needs of the other: the names stay in sight to record
// on, and the whole Plays window is on the screen, however small.
void PlaysWindow::place() {
    QWidget* main = parentWidget();
    if (!main) return;
    const QWidget* client = main;
    if (auto* window = qobject_cast<QMainWindow*>(main); window && window->centralWidget())
        client = window->centralWidget();
    const int namesRight = client->mapToGlobal(QPoint(px(kNameLeft + kNameWidth), 0)).x();
    const QMargins margins = frameMargins(*this);
    // Narrower than the columns up to the stat, a play could not be told from the next.
    const QHeaderView* header = table_->horizontalHeader();
    const int narrowest = header->sectionPosition(PlaysModel::Stat) +
                          header->sectionSize(PlaysModel::Stat) + 2 * table_->frameWidth() +
                          layout()->contentsMargins().left() + layout()->contentsMargins().right() +
                          margins.left() + margins.right();
    setFrame(*this, playsPlace(main->frameGeometry(), main->screen()->availableGeometry(),
                               size().grownBy(margins), namesRight, narrowest));
}

void PlaysWindow::playsChanged() {
    model_->playsChanged();
}

void PlaysWindow::namesChanged() {
    model_->namesChanged();
}

PlaysWindow::Selection PlaysWindow::selectedPlays() const {
    Selection selection;
    for (const QModelIndex& row : table_->selectionModel()->selectedRows()) {
        const PlaysModel::Entry e = model_->entryAt(row.row());
        (e.theirs ? selection.theirs : selection.ours).push_back(e.index);
    }
    std::sort(selection.ours.begin(), selection.ours.end());
    std::sort(selection.theirs.begin(), selection.theirs.end());
    return selection;
}

void PlaysWindow::showNewest() {
    showPlay(0);
}

void PlaysWindow::showOldest() {
    showPlay(model_->rowCount() - 1);
}

// The play alone selected and in sight, with the focus in the table so that the arrows go on
// from it. (The table's own Home and End keep the row and go to its first or last column.)
void PlaysWindow::showPlay(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    const QModelIndex cell = model_->index(row, 0);
    table_->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    table_->scrollTo(cell);
    table_->setFocus(Qt::OtherFocusReason);
}

// Each button applies to the plays it fits and leaves the others: Remove to those that count,
// Put back to those taken back.
void PlaysWindow::updateButtons() {
    bool any = false, ours = false, counted = false, notCounted = false;
    for (const QModelIndex& row : table_->selectionModel()->selectedRows()) {
        any = true;
        ours = ours || !model_->entryAt(row.row()).theirs;
        (model_->counted(row.row()) ? counted : notCounted) = true;
    }
    remove_->setEnabled(counted);
    putBack_->setEnabled(notCounted);
    // The opponent's plays have no player to give them to.
    giveTo_->setEnabled(ours);
    quarter_->setEnabled(any);
}

// Each side's list is corrected only where it has plays selected: a correction of ours forgets
// the takeback memory, which a correction of the opponent's alone must keep.
void PlaysWindow::remove() {
    const Selection plays = selectedPlays();
    if (plays.empty()) return;
    if (!plays.ours.empty()) game_.removePlays(plays.ours);
    if (!plays.theirs.empty()) game_.removeOpponentPlays(plays.theirs);
    afterCorrection();
}

void PlaysWindow::putBack() {
    const Selection selection = selectedPlays();
    if (selection.empty()) return;
    if (!selection.ours.empty()) game_.putBackPlays(selection.ours);
    if (!selection.theirs.empty()) game_.putBackOpponentPlays(selection.theirs);
    afterCorrection();
}

void PlaysWindow::giveTo() {
    const std::vector<int> plays = selectedPlays().ours;
    if (plays.empty()) return;
    std::vector<std::string> names;
    for (int player = 1; player <= kPlayers; ++player)
        names.push_back(shownName(game_.name(player), player));
    const int own = game_.plays()[static_cast<std::size_t>(plays.front())].player;
    const std::optional<int> chosen = dialogs_.choose(
        QCoreApplication::translate("Plays", kGiveText).toStdString(),
        QCoreApplication::translate("Plays", kGiveTitle).toStdString(), names, own - 1);
    if (chosen) {
        game_.givePlays(plays, *chosen + 1);
        afterCorrection();
    }
    backFromBox();
}

void PlaysWindow::moveToQuarter() {
    const Selection plays = selectedPlays();
    if (plays.empty()) return;
    std::vector<std::string> quarters;
    for (int q = 0; q < kQuarters; ++q)
        quarters.push_back(fromCore(quarterName(static_cast<Quarter>(q))).toStdString());
    const std::optional<int> chosen =
        dialogs_.choose(QCoreApplication::translate("Plays", kQuarterText).toStdString(),
                        QCoreApplication::translate("Plays", kQuarterTitle).toStdString(), quarters,
                        static_cast<int>(currentQuarter_()));
    if (chosen) {
        if (!plays.ours.empty()) game_.movePlays(plays.ours, static_cast<Quarter>(*chosen));
        if (!plays.theirs.empty())
            game_.moveOpponentPlays(plays.theirs, static_cast<Quarter>(*chosen));
        afterCorrection();
    }
    backFromBox();
}

// The list keeps the focus, so that the arrow keys go on from the plays just mended. (Left on
// a button that the correction disables, the focus would move on to the next button, such as
// Put back after Remove, and a second Space would undo the first.)
void PlaysWindow::afterCorrection() {
    corrected_();
    table_->setFocus(Qt::OtherFocusReason);
}

// The keys go on in this window once its box (and any foul-trouble box after it) is closed,
// whatever window the desktop would have activated.
void PlaysWindow::backFromBox() {
    if (isVisible()) activateWindow();
}

} // namespace tallivant::ui
