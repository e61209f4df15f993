// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/plays_model.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "ui/colours.h"
#include "ui/text.h"

namespace tallivant::ui {

namespace {

// Grey, yet readable at 4.5 to 1 on the white and the alternate rows.
constexpr unsigned kNotCountedGrey = 0x707070;

constexpr std::array<const char*, PlaysModel::kColumnCount> kTitles = {
    QT_TRANSLATE_NOOP("Plays", "#"),       QT_TRANSLATE_NOOP("Plays", "Time"),
    QT_TRANSLATE_NOOP("Plays", "Quarter"), QT_TRANSLATE_NOOP("Plays", "Player"),
    QT_TRANSLATE_NOOP("Plays", "Stat"),    QT_TRANSLATE_NOOP("Plays", "Note")};
constexpr std::array<const char*, kQuarters> kQuarterSpoken = {
    QT_TRANSLATE_NOOP("Plays", "first quarter"), QT_TRANSLATE_NOOP("Plays", "second quarter"),
    QT_TRANSLATE_NOOP("Plays", "third quarter"), QT_TRANSLATE_NOOP("Plays", "fourth quarter"),
    QT_TRANSLATE_NOOP("Plays", "overtime")};

// A play's note in the scorer's language: each part translated and filled, then joined.
QString shownNote(const NoteParts& parts) {
    QString note;
    for (const NotePart& part : parts) {
        QString text = fromCore(part.text);
        if (text.contains(QLatin1String("%1")))
            text = text.arg(part.fillFromCore ? fromCore(part.fill) : q(part.fill));
        note = note.isEmpty() ? text : fromCore(kNoteJoin).arg(note, text);
    }
    return note;
}

// The opponent as their plays show them: the name typed in the details, else "Opponent".
QString shownTheirName(const GameDetails& details) {
    return details.opponent.empty() ? fromCore(kOpponent) : q(details.opponent);
}

// Identical in what a correction never changes: a play of another list is not the same play.
bool samePlay(const Play& a, const Play& b) {
    return a.number == b.number && a.letter == b.letter && a.time == b.time;
}
bool samePlay(const OpponentPlay& a, const OpponentPlay& b) {
    return a.number == b.number && a.time == b.time;
}

template <typename List> bool replaced(const List& shown, const List& now) {
    if (now.size() < shown.size()) return true;
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (!samePlay(shown[i], now[i])) return true;
    return false;
}

} // namespace

PlaysModel::PlaysModel(const Game& game, QObject* parent)
    : QAbstractTableModel(parent), game_(game) {
    showFromScratch();
}

// Both sides in the order they were recorded: an opponent play after the play of ours it came
// after.
void PlaysModel::showFromScratch() {
    shown_ = game_.plays();
    theirs_ = game_.matchup().opponent;
    theirName_ = shownTheirName(game_.matchup().details);
    order_ = bothSidesInOrder(shown_, theirs_);
}

int PlaysModel::rowOf(Entry entry) const {
    for (std::size_t i = order_.size(); i > 0; --i)
        if (order_[i - 1].theirs == entry.theirs && order_[i - 1].index == entry.index)
            return static_cast<int>(order_.size() - i);
    return -1;
}

bool PlaysModel::counted(int row) const {
    const Entry e = entryAt(row);
    return e.theirs ? theirs_[static_cast<std::size_t>(e.index)].counted
                    : shown_[static_cast<std::size_t>(e.index)].counted;
}

int PlaysModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int PlaysModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString PlaysModel::text(const Play& p, int column) const {
    switch (column) {
    case Number:
        return QString::number(p.number);
    case Time:
        return q(p.time);
    case QuarterColumn:
        return fromCore(quarterName(p.quarter));
    case Player:
        return q(shownName(game_.name(p.player), p.player));
    case Stat:
        return fromCore(statWords(p.letter));
    case Note: {
        std::array<std::string, kPlayers> names;
        for (int n = 1; n <= kPlayers; ++n)
            names[n - 1] = game_.name(n);
        return shownNote(playNoteParts(p, names));
    }
    default:
        return {};
    }
}

QString PlaysModel::text(const OpponentPlay& p, int column) const {
    switch (column) {
    case Number:
        return QString::number(p.number);
    case Time:
        return q(p.time);
    case QuarterColumn:
        return fromCore(quarterName(p.quarter));
    case Player:
        return shownTheirName(game_.matchup().details);
    case Stat:
        return p.what == OpponentWhat::Set ? fromCore(opponentWordsText(p.what)).arg(p.figure)
                                           : fromCore(opponentWordsText(p.what));
    case Note:
        return shownNote(opponentNoteParts(p));
    default:
        return {};
    }
}

QString PlaysModel::text(int row, int column) const {
    const Entry e = entryAt(row);
    const auto i = static_cast<std::size_t>(e.index);
    return e.theirs ? text(theirs_[i], column) : text(shown_[i], column);
}

// The whole play in one sentence, for a screen reader that says only the focused cell.
QString PlaysModel::spokenRow(int row) const {
    const Entry e = entryAt(row);
    const Quarter quarter = e.theirs ? theirs_[static_cast<std::size_t>(e.index)].quarter
                                     : shown_[static_cast<std::size_t>(e.index)].quarter;
    const QString spokenQuarter =
        QCoreApplication::translate("Plays", kQuarterSpoken[static_cast<int>(quarter)]);
    const QString note = text(row, Note);
    if (note.isEmpty())
        //: %1 the play's number, %2 its time, %3 its quarter, %4 the player, %5 the stat
        return QCoreApplication::translate("Plays", "Play %1, %2, %3, %4, %5")
            .arg(text(row, Number), text(row, Time), spokenQuarter, text(row, Player),
                 text(row, Stat));
    //: as without a note, and %6 the play's note ("taken back")
    return QCoreApplication::translate("Plays", "Play %1, %2, %3, %4, %5, %6")
        .arg(text(row, Number), text(row, Time), spokenQuarter, text(row, Player), text(row, Stat),
             note);
}

QVariant PlaysModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::AccessibleDescriptionRole:
        return spokenRow(index.row());
    case Qt::ForegroundRole:
        if (!counted(index.row())) return toQColor(kNotCountedGrey);
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == Number)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return {};
    default:
        return {};
    }
}

QVariant PlaysModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumnCount)
        return {};
    return QCoreApplication::translate("Plays", kTitles[section]);
}

void PlaysModel::playsChanged() {
    const Plays& now = game_.plays();
    const OpponentPlays& theirs = game_.matchup().opponent;
    if (replaced(shown_, now) || replaced(theirs_, theirs)) {
        beginResetModel();
        showFromScratch();
        endResetModel();
        return;
    }
    int first = -1, last = -1;
    const auto changedRow = [&](Entry e) {
        const int row = rowOf(e);
        first = first < 0 ? row : std::min(first, row);
        last = std::max(last, row);
    };
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        if (shown_[i] == now[i]) continue;
        shown_[i] = now[i];
        changedRow({false, static_cast<int>(i)});
    }
    for (std::size_t i = 0; i < theirs_.size(); ++i) {
        if (theirs_[i] == theirs[i]) continue;
        theirs_[i] = theirs[i];
        changedRow({true, static_cast<int>(i)});
    }
    if (first >= 0) emit dataChanged(index(first, 0), index(last, kColumnCount - 1));
    // The game details named the opponent anew.
    if (const QString name = shownTheirName(game_.matchup().details); name != theirName_) {
        theirName_ = name;
        if (!order_.empty()) emit dataChanged(index(0, Player), index(rowCount() - 1, Player));
    }
    // New plays of either side go in at the top, in the order they came.
    const int added = static_cast<int>(now.size() - shown_.size() + theirs.size() - theirs_.size());
    if (added > 0) {
        beginInsertRows({}, 0, added - 1);
        while (shown_.size() < now.size()) {
            order_.push_back({false, static_cast<int>(shown_.size())});
            shown_.push_back(now[shown_.size()]);
        }
        while (theirs_.size() < theirs.size()) {
            order_.push_back({true, static_cast<int>(theirs_.size())});
            theirs_.push_back(theirs[theirs_.size()]);
        }
        endInsertRows();
    }
}

void PlaysModel::namesChanged() {
    if (order_.empty()) return;
    emit dataChanged(index(0, Player), index(rowCount() - 1, Note));
}

} // namespace tallivant::ui
