// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Dialogs shown with Qt's own boxes, each modal over the window: QMessageBox, QInputDialog, a
// list to choose from, and a non-native QFileDialog (the same look on every desktop, and
// testable offscreen).
#pragma once

#include <QFileDialog>
#include <QPointer>
#include <QWidget>

#include "dialogs/dialogs.h"

namespace tallivant::ui {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* window = nullptr) : window_(window) {}
    void setWindow(QWidget* window) { window_ = window; }

    void message(const std::string& text, const std::string& title, Icon icon) override;
    void listMessage(const std::string& text, const std::vector<std::string>& items,
                     const std::string& title, Icon icon) override;
    void detailedMessage(const std::string& text, const std::string& detail,
                         const std::string& title, Icon icon) override;
    bool okCancel(const std::string& text, const std::string& title) override;
    UnsavedAnswer saveDiscardCancel(const std::string& text, const std::string& title) override;
    bool restoreOrDiscard(const std::string& text, const std::string& informative,
                          const std::string& title) override;
    std::optional<std::string> input(const std::string& message, const std::string& caption,
                                     const std::string& defaultAnswer,
                                     std::size_t maxLength) override;
    std::optional<int> choose(const std::string& message, const std::string& title,
                              const std::vector<std::string>& choices, int preselected) override;
    std::optional<std::string> openFile(const FileDialogSetup& setup) override;
    std::optional<std::string> saveFile(const FileDialogSetup& setup) override;
    std::vector<std::string> openFiles(const FileDialogSetup& setup) override;
    std::optional<std::string> chooseFolder(const FileDialogSetup& setup) override;

private:
    std::vector<std::string> fileDialog(const FileDialogSetup& setup, QFileDialog::FileMode mode);
    // The window a box opens over: the one given, or one of its own windows (the plays) while
    // the scorer works in that one, so that the box closes back to where it was opened.
    QWidget* owner() const;

    QPointer<QWidget> window_;
};

} // namespace tallivant::ui
