// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sheet's window: File|Share live..., and what the strip says of the files and the live
// page.
#include <QCoreApplication>

#include "session/reasons.h"
#include "ui/stat_window.h"
#include "ui/strip.h"
#include "ui/text.h"

namespace tallivant::ui {

namespace {

// A text of File|Share live..., marked in the context "LivePage", as the dialogs take it.
std::string shareText(const char* english) {
    return QCoreApplication::translate("LivePage", english).toStdString();
}

} // namespace

void StatWindow::shareLive() {
    LiveShare& share = session_.share();
    boxOpening();
    if (share.on()) {
        const std::optional<int> answer = dialogs_.choose(
            QCoreApplication::translate("LivePage", kSharingText)
                .arg(QString::fromStdString(share.sharing().folder))
                .toStdString(),
            shareText(kShareTitle), {shareText(kStopSharing), shareText(kShareElsewhere)}, 0);
        if (!answer) return;
        if (*answer == 0) {
            session_.stopSharing();
            strip_->tell(QCoreApplication::translate("LivePage", kSharingStopped));
            return;
        }
    }
    FileDialogSetup setup;
    setup.title = shareText(kFolderTitle);
    setup.startFolder = share.on() ? share.sharing().folder : startFolder();
    const std::optional<std::string> folder = dialogs_.chooseFolder(setup);
    if (!folder) return;
    folderUsed(*folder);
    const std::optional<int> names =
        dialogs_.choose(shareText(kNamesText), shareText(kShareTitle),
                        {shareText(kNamesAsOnButtons), shareText(kNumbersOnly)},
                        share.sharing().numbersOnly ? 1 : 0);
    if (!names) return;
    if (const auto refused = session_.startSharing({*folder, *names == 1})) {
        dialogs_.message(QCoreApplication::translate("LivePage", kNotShared)
                             .arg(QString::fromStdString(*folder), fromCore(*refused))
                             .toStdString(),
                         shareText(kShareTitle), Icon::Exclamation);
        return;
    }
    strip_->tell(QString::fromStdString(share.state()));
}

void StatWindow::shareChanged() {
    LiveShare& share = session_.share();
    if (const std::optional<std::string> news = share.takeNews())
        strip_->tell(QString::fromStdString(*news));
    showFilesState();
}

void StatWindow::showFilesState() {
    QString state;
    if (const auto& failure = copy_.failure())
        //: %1 is why the copy cannot be written
        state = QCoreApplication::translate("Strip", "Recovery copy failing: %1")
                    .arg(QString::fromStdString(translatedReason(*failure)));
    else if (copy_.holdsCopy())
        state = QCoreApplication::translate("Strip", "Recovery copy kept");
    const QString sharing = QString::fromStdString(session_.share().state());
    if (!sharing.isEmpty())
        state = state.isEmpty() ? sharing : state + QStringLiteral(" \u00B7 ") + sharing;
    strip_->setFiles(state);
}

} // namespace tallivant::ui
