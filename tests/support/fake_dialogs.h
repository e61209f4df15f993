// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A scripted Dialogs for tests: records every box shown, in order, and answers from queues
// (OK, Discard, the default answer and "cancelled" when a queue is empty). A hook may look at the
// program's state while a box is up.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"

namespace tallivant::testing {

struct Shown {
    // "message", "listMessage", "okCancel", "unsaved", "restore", "input", "choose", "open", "save"
    std::string kind;
    std::string text;
    std::string title;
    Icon icon = Icon::None;
    std::string defaultAnswer;
    FileDialogSetup setup;
    std::string detail;                 // a message's informative text
    std::size_t maxLength = 0;          // an input's limit
    std::vector<std::string> choices{}; // a list's entries, or a list message's items
    int preselected = -1;               // the entry a list marked as it opened
};

class FakeDialogs : public Dialogs {
public:
    std::vector<Shown> shown;
    std::deque<bool> okCancelAnswers;
    std::deque<UnsavedAnswer> unsavedAnswers;            // empty: Discard, as if nothing were asked
    std::deque<bool> restoreAnswers;                     // empty: Restore
    std::deque<std::optional<std::string>> inputAnswers; // nothing: accept the default
    // An input answer that presses Cancel.
    static constexpr const char* kCancelInput = "\x1b[Cancel]";
    std::deque<std::optional<int>> chooseAnswers;         // empty or nothing: cancelled
    std::deque<std::optional<std::string>> fileAnswers;   // nothing: cancelled
    std::deque<std::vector<std::string>> fileListAnswers; // empty: cancelled
    std::function<void(const Shown&)> onShow;

    void message(const std::string& text, const std::string& title, Icon icon) override {
        push({"message", text, title, icon, {}, {}, {}, 0});
    }
    void listMessage(const std::string& text, const std::vector<std::string>& items,
                     const std::string& title, Icon icon) override {
        push({"listMessage", text, title, icon, {}, {}, {}, 0, items});
    }
    void detailedMessage(const std::string& text, const std::string& detail,
                         const std::string& title, Icon icon) override {
        push({"message", text, title, icon, {}, {}, detail, 0});
    }
    bool okCancel(const std::string& text, const std::string& title) override {
        push({"okCancel", text, title, Icon::None, {}, {}, {}, 0});
        return take(okCancelAnswers, true);
    }
    UnsavedAnswer saveDiscardCancel(const std::string& text, const std::string& title) override {
        push({"unsaved", text, title, Icon::Exclamation, {}, {}, {}, 0});
        return take(unsavedAnswers, UnsavedAnswer::Discard);
    }
    bool restoreOrDiscard(const std::string& text, const std::string& informative,
                          const std::string& title) override {
        push({"restore", text, title, Icon::None, {}, {}, informative, 0});
        return take(restoreAnswers, true);
    }
    std::optional<std::string> input(const std::string& message, const std::string& caption,
                                     const std::string& defaultAnswer,
                                     std::size_t maxLength) override {
        push({"input", message, caption, Icon::None, defaultAnswer, {}, {}, maxLength});
        const std::string answer =
            take(inputAnswers, std::optional<std::string>()).value_or(defaultAnswer);
        if (answer == kCancelInput) return std::nullopt;
        return answer;
    }
    std::optional<int> choose(const std::string& message, const std::string& title,
                              const std::vector<std::string>& choices, int preselected) override {
        push({"choose", message, title, Icon::None, {}, {}, {}, 0, choices, preselected});
        return take(chooseAnswers, std::optional<int>());
    }
    std::optional<std::string> openFile(const FileDialogSetup& setup) override {
        push({"open", {}, setup.title, Icon::None, {}, setup, {}, 0});
        return take(fileAnswers, std::optional<std::string>());
    }
    std::vector<std::string> openFiles(const FileDialogSetup& setup) override {
        push({"openFiles", {}, setup.title, Icon::None, {}, setup, {}, 0});
        return take(fileListAnswers, std::vector<std::string>());
    }
    std::optional<std::string> chooseFolder(const FileDialogSetup& setup) override {
        push({"folder", {}, setup.title, Icon::None, {}, setup, {}, 0});
        return take(fileAnswers, std::optional<std::string>());
    }
    std::optional<std::string> saveFile(const FileDialogSetup& setup) override {
        push({"save", {}, setup.title, Icon::None, {}, setup, {}, 0});
        return take(fileAnswers, std::optional<std::string>());
    }

    // The messages' texts, a list's message among them.
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> out;
        for (const Shown& s : shown)
            if (s.kind == "message" || s.kind == "listMessage") out.push_back(s.text);
        return out;
    }

private:
    void push(Shown s) {
        shown.push_back(std::move(s));
        if (onShow) onShow(shown.back());
    }
    template <typename T> static T take(std::deque<T>& q, T fallback) {
        if (q.empty()) return fallback;
        T v = std::move(q.front());
        q.pop_front();
        return v;
    }
};

} // namespace tallivant::testing
