// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Dialogs: every question and message the program puts to the user, as one interface, so the
// window shows real message boxes and the tests script the answers and record what was shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tallivant {

enum class Icon { None, Exclamation, Critical };

struct FileFilter {
    std::string label;   // "Text files (*.txt)"
    std::string pattern; // "*.txt"
};

struct FileDialogSetup {
    std::string title;
    std::vector<FileFilter> filters;
    int selectedFilter = 0; // index into filters shown first
    std::string defaultSuffix;
    std::string startName;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const std::string& text, const std::string& title, Icon icon) = 0;
    // True for OK; false for Cancel or a closed box.
    virtual bool okCancel(const std::string& text, const std::string& title) = 0;
    // The typed text on OK, an empty text on Cancel.
    virtual std::string input(const std::string& message, const std::string& caption,
                              const std::string& defaultAnswer) = 0;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<std::string> openFile(const FileDialogSetup& setup) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogSetup& setup) = 0;
};

} // namespace tallivant
