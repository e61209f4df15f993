// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program keeps between runs (the folder used last, our team and the rules) and what
// Qt's file dialog keeps go to `folder`, never the user's: tests running at once each have their
// own, so that none sees a folder or a team another has just kept. Call before the QApplication.
#pragma once

#include <QSettings>
#include <QString>
#include <QtGlobal>

namespace tallivant::testing {

inline void useOwnSettings(const QString& folder) {
    qputenv("XDG_CONFIG_HOME", folder.toLocal8Bit());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

} // namespace tallivant::testing
