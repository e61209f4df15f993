// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sheet's window: File|Share live..., and what the strip says of the live page.
#include "ui/stat_window.h"
#include "ui/strip.h"

namespace tallivant::ui {

void StatWindow::shareLive() {
    LiveShare& share = session_.share();
    boxOpening();
    if (share.on()) {
        const std::optional<int> answer =
            dialogs_.choose(kSharingText + share.sharing().folder + ".", kShareTitle,
                            {kStopSharing, kShareElsewhere}, 0);
        if (!answer) return;
        if (*answer == 0) {
            session_.stopSharing();
            strip_->tell(QString::fromUtf8(kSharingStopped));
            return;
        }
    }
    FileDialogSetup setup;
    setup.title = kFolderTitle;
    setup.startFolder = share.on() ? share.sharing().folder : startFolder();
    const std::optional<std::string> folder = dialogs_.chooseFolder(setup);
    if (!folder) return;
    folderUsed(*folder);
    const std::optional<int> names =
        dialogs_.choose(kNamesText, kShareTitle, {kNamesAsOnButtons, kNumbersOnly},
                        share.sharing().numbersOnly ? 1 : 0);
    if (!names) return;
    if (const auto refused = session_.startSharing({*folder, *names == 1})) {
        dialogs_.message(kNotShared + *folder + ": " + *refused, kShareTitle, Icon::Exclamation);
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

} // namespace tallivant::ui
