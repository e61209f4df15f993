// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A scripted Dialogs for tests: records every box shown, in order, and answers from queues
// (OK, the default answer and "cancelled" when a queue is empty). A hook may look at the
// program's state while a box is up.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sheet/dialogs.h"

namespace tallivant::testing {

struct Shown {
    std::string kind; // "message", "okCancel", "input", "open", "save"
    std::string text;
    std::string title;
    Icon icon = Icon::None;
    std::string defaultAnswer;
    FileDialogSetup setup;
};

class FakeDialogs : public Dialogs {
public:
    std::vector<Shown> shown;
    std::deque<bool> okCancelAnswers;
    std::deque<std::optional<std::string>> inputAnswers; // nothing: accept the default
    std::deque<std::optional<std::string>> fileAnswers;  // nothing: cancelled
    std::function<void(const Shown&)> onShow;

    void message(const std::string& text, const std::string& title, Icon icon) override {
        push({"message", text, title, icon, {}, {}});
    }
    bool okCancel(const std::string& text, const std::string& title) override {
        push({"okCancel", text, title, Icon::None, {}, {}});
        return take(okCancelAnswers, true);
    }
    std::string input(const std::string& message, const std::string& caption,
                      const std::string& defaultAnswer) override {
        push({"input", message, caption, Icon::None, defaultAnswer, {}});
        return take(inputAnswers, std::optional<std::string>()).value_or(defaultAnswer);
    }
    std::optional<std::string> openFile(const FileDialogSetup& setup) override {
        push({"open", {}, setup.title, Icon::None, {}, setup});
        return take(fileAnswers, std::optional<std::string>());
    }
    std::optional<std::string> saveFile(const FileDialogSetup& setup) override {
        push({"save", {}, setup.title, Icon::None, {}, setup});
        return take(fileAnswers, std::optional<std::string>());
    }

    std::vector<std::string> messageTexts() const {
        std::vector<std::string> out;
        for (const Shown& s : shown)
            if (s.kind == "message") out.push_back(s.text);
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
