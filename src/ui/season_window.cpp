// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/season_window.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

#include "report/pdf.h"
#include "report/printer.h"
#include "report/season_paint.h"
#include "session/season_commands.h"
#include "ui/button_row.h"
#include "ui/text.h"
#include "ui/window_place.h"

namespace tallivant::ui {

namespace {

constexpr int kSortRole = Qt::UserRole;
constexpr int kTeamRole = Qt::UserRole + 1;

// The season's lines as the table's rows, the team last, in the user's decimal separator.
class SeasonModel : public QAbstractTableModel {
public:
    SeasonModel(const Season& season, QObject* parent)
        : QAbstractTableModel(parent), season_(season),
          separator_(QLocale().decimalPoint().toStdString()) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(season_.players.size()) + 1;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kSeasonColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const bool team = index.row() == static_cast<int>(season_.players.size());
        const SeasonLine& line = team ? season_.team : season_.players[index.row()];
        switch (role) {
        case Qt::DisplayRole: {
            const QString text =
                q(seasonRowTexts(line, separator_, kNoAttemptsShown)[index.column()]);
            // The team's line is named by the core ("Team"); a player by the name typed.
            return team && index.column() == 0 ? fromCore(text.toStdString()) : text;
        }
        case kSortRole:
            if (index.column() == 0) return q(line.player);
            return seasonValue(line, index.column());
        case kTeamRole:
            return team;
        case Qt::TextAlignmentRole:
            return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                       : int(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::FontRole:
            if (team) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        default:
            return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return fromCore(kSeasonHeaders[section]);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    const Season& season_;
    std::string separator_;
};

// Sorts by the column's value, and keeps the team's line last whichever way the players go;
// lines without attempts (a NaN percentage) go below every real percentage either way, as a
// spreadsheet puts its empty cells.
class TeamLast : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        const bool ascending = sortOrder() == Qt::AscendingOrder;
        if (left.data(kTeamRole).toBool()) return !ascending;
        if (right.data(kTeamRole).toBool()) return ascending;
        const QVariant a = left.data(kSortRole), b = right.data(kSortRole);
        if (left.column() == 0) return QString::localeAwareCompare(a.toString(), b.toString()) < 0;
        const double x = a.toDouble(), y = b.toDouble();
        const bool noneLeft = std::isnan(x), noneRight = std::isnan(y);
        if (noneLeft != noneRight) return noneLeft ? !ascending : ascending;
        return x < y; // false for two NaNs: they tie
    }
};

// Column titles as narrow as they can be and still whole when sorted by. For the sort arrow the
// style keeps, in every column, a square as wide as the header is tall; the arrow it draws there
// is half that wide, beside the title. Twenty-five columns each paid the difference, enough to
// push the table past a laptop's screen.
class Header : public QHeaderView {
public:
    using QHeaderView::QHeaderView;

protected:
    QSize sectionSizeFromContents(int section) const override {
        QSize size = QHeaderView::sectionSizeFromContents(section);
        if (!isSortIndicatorShown()) return size;
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = QRect(QPoint(), size);
        option.sortIndicator = QStyleOptionHeader::SortDown;
        const QRect label = style()->subElementRect(QStyle::SE_HeaderLabel, &option, this);
        // Bold, as the style writes the titles of a column with a selected cell; a pixel more,
        // or a title a fraction wider than its whole pixels is cut short.
        QFont bold = font();
        bold.setBold(true);
        const QString title = model()->headerData(section, orientation()).toString();
        size.rwidth() -= label.width() - QFontMetrics(bold).horizontalAdvance(title) - 1;
        return size;
    }
};

} // namespace

SeasonWindow::SeasonWindow(Season season, Dialogs& dialogs, FilesHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), season_(std::move(season)), dialogs_(dialogs), host_(host) {
    setObjectName(QStringLiteral("season"));
    setWindowTitle(QCoreApplication::translate("Season", SeasonCommands::kTitle));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* model = new SeasonModel(season_, this);
    sorted_ = new TeamLast(this);
    sorted_->setSourceModel(model);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("seasonTable"));
    table_->setAccessibleName(QCoreApplication::translate("Season", SeasonCommands::kTitle));
    table_->setHorizontalHeader(new Header(Qt::Horizontal, table_));
    table_->setModel(sorted_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    // Rows as tall as their text needs: a season of twenty players fits a laptop's screen.
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    // Points per game, highest first, as the season comes; ties keep the season's order.
    table_->horizontalHeader()->setSortIndicator(seasonColumnOf(PPG), Qt::DescendingOrder);
    table_->setSortingEnabled(true);
    table_->resizeColumnsToContents();

    std::vector<QPushButton*> made;
    QHBoxLayout* buttons = buttonRow<SeasonWindow>(
        this, KeyWindow::Season,
        {{QT_TRANSLATE_NOOP("Season", "Print"), "seasonPrint", std::nullopt, &SeasonWindow::print},
         {QT_TRANSLATE_NOOP("Season", "Save as PDF"), "seasonPdf", std::nullopt,
          &SeasonWindow::savePdf},
         {QT_TRANSLATE_NOOP("Season", "Export CSV"), "seasonCsv", std::nullopt,
          &SeasonWindow::exportCsv}},
        {}, "seasonClose", made);
    auto* layout = new QVBoxLayout(this);
    // The players take whatever room the games' list leaves.
    layout->addWidget(table_, 1);
    const int gamesHeight = addGames(layout);
    layout->addLayout(buttons);

    // Every column in sight, and as many players as the screen allows.
    int width = layout->contentsMargins().left() + layout->contentsMargins().right() +
                2 * table_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int c = 0; c < kSeasonColumns; ++c)
        width += table_->columnWidth(c);
    const int rows = std::min(sorted_->rowCount(), 20) + 1;
    wanted_ =
        QSize(width, rows * table_->verticalHeader()->defaultSectionSize() + 80 + gamesHeight);
    fitOn(parent ? parent->screen()->availableGeometry() : screen()->availableGeometry());
}

int SeasonWindow::addGames(QVBoxLayout* layout) {
    if (season_.games.empty()) return 0;
    auto* record = new QLabel(
        fromCore(recordLineText(season_.record, QLocale().decimalPoint().toStdString())), this);
    record->setObjectName(QStringLiteral("seasonRecord"));
    games_ = new QTableWidget(static_cast<int>(season_.games.size()), kSeasonGameColumns, this);
    games_->setObjectName(QStringLiteral("seasonGames"));
    games_->setAccessibleName(QCoreApplication::translate("Season", "Games"));
    QStringList headers;
    for (const std::string_view header : kSeasonGameHeaders)
        headers << fromCore(header);
    games_->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < games_->rowCount(); ++r) {
        const auto texts = seasonGameTexts(season_.games[r]);
        for (int c = 0; c < kSeasonGameColumns; ++c)
            games_->setItem(r, c, new QTableWidgetItem(q(texts[c])));
    }
    games_->setSelectionBehavior(QAbstractItemView::SelectRows);
    games_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    games_->setTabKeyNavigation(false);
    games_->verticalHeader()->hide();
    games_->verticalHeader()->setDefaultSectionSize(table_->verticalHeader()->defaultSectionSize());
    games_->horizontalHeader()->setStretchLastSection(true);
    games_->resizeColumnsToContents();
    layout->addWidget(record);
    layout->addWidget(games_);
    // The list takes a few rows; more scroll, so that the players keep the room.
    const int shown = std::min(games_->rowCount(), 6) + 1;
    const int height = shown * games_->verticalHeader()->defaultSectionSize() +
                       2 * games_->frameWidth() + record->sizeHint().height() +
                       2 * layout->spacing();
    games_->setMinimumHeight(std::min(height, 3 * games_->verticalHeader()->defaultSectionSize()));
    games_->setMaximumHeight(shown * games_->verticalHeader()->defaultSectionSize() +
                             2 * games_->frameWidth());
    return height;
}

void SeasonWindow::fitOn(const QRect& available) {
    const QMargins margins = frameMargins(*this);
    QSize size = wanted_;
    // Narrower than its columns, the table needs a scroll bar across its foot: the window grows
    // by it, so that the bar hides no player.
    if (size.width() + margins.left() + margins.right() > available.width())
        size.rheight() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QRect frame(QPoint(), size.grownBy(margins));
    // Over the middle of the main window, where the scorer's eyes are.
    frame.moveCenter(parentWidget() ? parentWidget()->window()->frameGeometry().center()
                                    : available.center());
    setFrame(*this, keptOn(frame, available));
}

void SeasonWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QCoreApplication::translate("Report", kSeasonJobTitle));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QCoreApplication::translate("Season", "Print the season totals"));
    if (dialog.exec() != QDialog::Accepted) return;
    if (!printSeason(season_, seasonDate(), printer))
        dialogs_.message(QCoreApplication::translate("Report", kPrintErrorText).toStdString(),
                         QCoreApplication::translate("Report", kPrintErrorTitle).toStdString(),
                         Icon::Critical);
}

void SeasonWindow::savePdf() {
    const std::string when = seasonDate();
    SeasonCommands(dialogs_, host_).savePdf(season_, [&when](const Season& s) {
        return seasonPdf(s, when);
    });
}

void SeasonWindow::exportCsv() {
    SeasonCommands(dialogs_, host_).exportCsv(season_);
}

} // namespace tallivant::ui
