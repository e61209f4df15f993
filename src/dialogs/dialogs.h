// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Dialogs: every question and message the program puts to the user, as one interface, so the
// window shows real message boxes and the tests script the answers and record what was shown.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tallivant {

enum class Icon { None, Exclamation, Critical };

// The answers to the question asked before an unsaved game is set aside.
enum class UnsavedAnswer { Save, Discard, Cancel };

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
    // The folder shown first, where startName is a bare name or empty; empty for the
    // dialog's own choice.
    std::string startFolder;
    // Save dialogs only: ask before a chosen file that exists is replaced, unless it is this
    // file (the game's own file, which is saved again without a question).
    bool confirmOverwrite = false;
    std::string ownFile;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const std::string& text, const std::string& title, Icon icon) = 0;
    // A message with a list under its text, as long as it may be: the list scrolls, and the box
    // and its OK button stay on the screen.
    virtual void listMessage(const std::string& text, const std::vector<std::string>& items,
                             const std::string& title, Icon icon) = 0;
    // A message whose box also says why, under its text, in smaller type.
    virtual void detailedMessage(const std::string& text, const std::string& detail,
                                 const std::string& title, Icon icon) = 0;
    // True for OK; false for Cancel or a closed box.
    virtual bool okCancel(const std::string& text, const std::string& title) = 0;
    // Save (the default), Discard, or Cancel (also Escape and a closed box); warning icon.
    virtual UnsavedAnswer saveDiscardCancel(const std::string& text, const std::string& title) = 0;
    // True for Restore (the default, also a closed box), false for Discard; question icon. The
    // informative text, under the text, says which game is offered.
    virtual bool restoreOrDiscard(const std::string& text, const std::string& informative,
                                  const std::string& title) = 0;
    // The typed text on OK, nothing on Cancel or a closed box. The entry takes at most maxLength
    // characters as one types, so the scorer sees the limit rather than losing the rest later.
    virtual std::optional<std::string> input(const std::string& message, const std::string& caption,
                                             const std::string& defaultAnswer,
                                             std::size_t maxLength) = 0;
    // One entry of a list, the entry `preselected` marked when the box opens: its place in
    // `choices` on OK, nothing on Cancel or a closed box.
    virtual std::optional<int> choose(const std::string& message, const std::string& title,
                                      const std::vector<std::string>& choices, int preselected) = 0;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<std::string> openFile(const FileDialogSetup& setup) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogSetup& setup) = 0;
    // Any number of existing files chosen at once, as full paths; none when cancelled.
    virtual std::vector<std::string> openFiles(const FileDialogSetup& setup) = 0;
    // An existing folder, as a full path; nothing when cancelled. Filters are not used.
    virtual std::optional<std::string> chooseFolder(const FileDialogSetup& setup) = 0;
};

} // namespace tallivant
