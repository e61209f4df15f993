// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/reasons.h"

#include <QStringList>

#include "formats/core_text.h"
#include "formats/game_file.h"
#include "season/season.h"
#include "session/translated.h"

namespace tallivant {

namespace {

// A reason's template, and which of its values is itself a marked core text (a column's
// spoken name), counted from 1; 0 for none.
struct DataReason {
    const char* text;
    int coreValue;
};
constexpr DataReason kDataReasons[] = {
    {kTooLargeReason, 0}, {kTooFewValuesReason, 0}, {kEarlierSave, 0},
    {kBadPlayerCount, 2}, {kBadTotalsCount, 1},
};

} // namespace

std::string translatedReason(const std::string& english) {
    for (const DataReason& reason : kDataReasons) {
        std::optional<std::vector<std::string>> values = valuesIn(reason.text, english);
        if (!values) continue;
        QString text = QCoreApplication::translate("Core", reason.text);
        // Every value at once: one at a time would fill a marker inside a value.
        QStringList filled;
        for (std::size_t v = 0; v < values->size(); ++v)
            filled << qtText(static_cast<int>(v) + 1 == reason.coreValue ? fromCore((*values)[v])
                                                                         : (*values)[v]);
        switch (filled.size()) {
        case 0:
            return utf8(text);
        case 1:
            return utf8(text.arg(filled[0]));
        case 2:
            return utf8(text.arg(filled[0], filled[1]));
        default:
            return utf8(text.arg(filled[0], filled[1], filled[2]));
        }
    }
    return fromCore(english);
}

} // namespace tallivant
