// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/plays_model.h"

#include <array>
#include <cstddef>

#include "ui/colours.h"
#include "ui/text.h"

namespace tallivant::ui {

namespace {

// Grey, yet readable at 4.5 to 1 on the white and the alternate rows.
constexpr unsigned kNotCountedGrey = 0x707070;

constexpr std::array<const char*, PlaysModel::kColumnCount> kTitles = {"#",      "Time", "Quarter",
                                                                       "Player", "Stat", "Note"};
constexpr std::array<const char*, kQuarters> kQuarterSpoken = {
    "first quarter", "second quarter", "third quarter", "fourth quarter", "overtime"};

// Identical in what a correction never changes: a play of another list is not the same play.
bool samePlay(const Play& a, const Play& b) {
    return a.number == b.number && a.letter == b.letter && a.time == b.time;
}

} // namespace

PlaysModel::PlaysModel(const Game& game, QObject* parent)
    : QAbstractTableModel(parent), game_(game), shown_(game.plays()) {}

int PlaysModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
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
        return q(quarterName(p.quarter));
    case Player:
        return q(shownName(game_.name(p.player), p.player));
    case Stat:
        return q(statWords(p.letter));
    case Note: {
        std::array<std::string, kPlayers> names;
        for (int n = 1; n <= kPlayers; ++n)
            names[n - 1] = game_.name(n);
        return q(playNote(p, names));
    }
    default:
        return {};
    }
}

// The whole play in one sentence, for a screen reader that says only the focused cell.
QString PlaysModel::spokenRow(const Play& p) const {
    QString row = QStringLiteral("Play %1, %2, %3, %4, %5")
                      .arg(text(p, Number), text(p, Time),
                           QLatin1StringView(kQuarterSpoken[static_cast<int>(p.quarter)]),
                           text(p, Player), text(p, Stat));
    const QString note = text(p, Note);
    return note.isEmpty() ? row : row + QStringLiteral(", ") + note;
}

QVariant PlaysModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Play& p = play(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return text(p, index.column());
    case Qt::AccessibleDescriptionRole:
        return spokenRow(p);
    case Qt::ForegroundRole:
        if (!p.counted) return toQColor(kNotCountedGrey);
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
    return QLatin1StringView(kTitles[section]);
}

void PlaysModel::playsChanged() {
    const Plays& now = game_.plays();
    bool replaced = now.size() < shown_.size();
    for (std::size_t i = 0; !replaced && i < shown_.size(); ++i)
        replaced = !samePlay(shown_[i], now[i]);
    if (replaced) {
        beginResetModel();
        shown_ = now;
        endResetModel();
        return;
    }
    int first = -1, last = -1;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        if (shown_[i] == now[i]) continue;
        shown_[i] = now[i];
        const int row = rowOf(static_cast<int>(i));
        if (last < 0) last = row;
        first = row;
    }
    if (first >= 0) emit dataChanged(index(first, 0), index(last, kColumnCount - 1));
    const int added = static_cast<int>(now.size() - shown_.size());
    if (added > 0) {
        beginInsertRows({}, 0, added - 1);
        shown_.insert(shown_.end(), now.begin() + static_cast<std::ptrdiff_t>(shown_.size()),
                      now.end());
        endInsertRows();
    }
}

void PlaysModel::namesChanged() {
    if (shown_.empty()) return;
    emit dataChanged(index(0, Player), index(rowCount() - 1, Note));
}

} // namespace tallivant::ui
