// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Dialogs shown with Qt's own boxes, each modal over the window: QMessageBox, QInputDialog and
// a non-native QFileDialog (the same look on every desktop, and testable offscreen).
#pragma once

#include <QPointer>
#include <QWidget>

#include "dialogs/dialogs.h"

namespace tallivant::ui {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* window = nullptr) : window_(window) {}
    void setWindow(QWidget* window) { window_ = window; }

    void message(const std::string& text, const std::string& title, Icon icon) override;
    void detailedMessage(const std::string& text, const std::string& detail,
                         const std::string& title, Icon icon) override;
    bool okCancel(const std::string& text, const std::string& title) override;
    UnsavedAnswer saveDiscardCancel(const std::string& text, const std::string& title) override;
    bool restoreOrDiscard(const std::string& text, const std::string& informative,
                          const std::string& title) override;
    std::string input(const std::string& message, const std::string& caption,
                      const std::string& defaultAnswer, std::size_t maxLength) override;
    std::optional<std::string> openFile(const FileDialogSetup& setup) override;
    std::optional<std::string> saveFile(const FileDialogSetup& setup) override;

private:
    std::optional<std::string> fileDialog(const FileDialogSetup& setup, bool save);

    QPointer<QWidget> window_;
};

} // namespace tallivant::ui
