// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real Qt boxes behind Dialogs, opened and closed by a timer that finds the modal box, as
// a user would answer it.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>

#include "ui/plays_window.h"
#include "ui/qt_dialogs.h"
#include "window_fixture.h"

namespace tallivant::testing {
namespace {

// Waits for the next modal box and, once it is in front with the keyboard as a user sees it,
// hands it to `answer` from inside its own event loop. Before then, where the box's focus lands
// is not settled, and what a key or a file name does with it is a matter of timing. A box that
// never comes to the front, or stays up once answered, fails the test and is closed, so that a
// wrong answer costs seconds and says so.
class ModalAnswer : public QObject {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, this, &ModalAnswer::check);
        poll_.start();
    }
    bool answered() const { return answered_; }

private:
    static constexpr int kLimitMs = 5000;

    void check() {
        if (answered_) {
            if (!box_ || !box_->isVisible())
                poll_.stop();
            else if (since_.hasExpired(kLimitMs))
                giveUp(box_, "to close once answered");
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        if (!modal->isActiveWindow()) {
            if (!since_.isValid()) since_.start();
            if (since_.hasExpired(kLimitMs)) giveUp(modal, "to come to the front");
            return;
        }
        answered_ = true;
        box_ = modal;
        since_.start();
        answer_(modal);
    }
    void giveUp(QWidget* box, const char* waitedFor) {
        poll_.stop();
        ADD_FAILURE() << "gave up after " << kLimitMs << " ms waiting for the "
                      << box->metaObject()->className() << " \"" << box->windowTitle().toStdString()
                      << "\" " << waitedFor;
        if (auto* dialog = qobject_cast<QDialog*>(box))
            dialog->reject();
        else
            box->close();
    }

    std::function<void(QWidget*)> answer_;
    QTimer poll_;
    QElapsedTimer since_;
    QPointer<QWidget> box_;
    bool answered_ = false;
};

// Types `path` into the file dialog's name field and accepts it, as a user does: with the dialog
// in front and the focus in the field. Without the focus, a name typed leaves the file marked in
// the list marked, and that file is the one chosen; and QFileDialog::selectFile leaves the field
// as it is once the field has the focus. The window system brings the dialog back to the front
// once a question over it is answered; offscreen, the test does.
void chooseFile(QFileDialog* dialog, const QString& path) {
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    if (!dialog->isActiveWindow()) dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([name] { return name->hasFocus(); }, 5000))
        << "gave up after 5000 ms waiting for the file dialog's name field to have the focus";
    name->setText(path);
    static_cast<QDialog*>(dialog)->accept();
}

// What a message box showed, read while it was up.
struct SeenBox {
    QString title, text, detail, defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QWidget* parent = nullptr;
    bool modal = false;
};

// Reads the next modal box, which must be a message box, into `seen`; then `press` answers it.
ModalAnswer answerBox(SeenBox& seen, std::function<void(QMessageBox*)> press) {
    return ModalAnswer([&seen, press = std::move(press)](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.detail = box->informativeText();
        seen.icon = box->icon();
        for (QAbstractButton* b : box->buttons())
            seen.buttons << b->text();
        seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        seen.parent = box->parentWidget();
        seen.modal = box->isModal();
        press(box);
    });
}

void pressOk(QMessageBox* box) {
    box->button(QMessageBox::Ok)->click();
}

QStringList visibleTopLevels() {
    QStringList open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            open << w->metaObject()->className() + QStringLiteral(":") + w->objectName();
    return open;
}

class RealDialogs : public ::testing::Test {
protected:
    QWidget owner;
    ui::QtDialogs dialogs{&owner};

    void SetUp() override {
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    }
    void TearDown() override {
        owner.hide();
        EXPECT_TRUE(visibleTopLevels().isEmpty()) << visibleTopLevels().join(", ").toStdString();
    }
};

TEST_F(RealDialogs, MessageBoxShowsTextTitleIconAndOk) {
    const struct {
        Icon icon;
        QMessageBox::Icon qt;
    } icons[] = {{Icon::None, QMessageBox::NoIcon},
                 {Icon::Exclamation, QMessageBox::Warning},
                 {Icon::Critical, QMessageBox::Critical}};
    for (const auto& i : icons) {
        SeenBox seen;
        ModalAnswer answer = answerBox(seen, pressOk);
        dialogs.message("Please select player first.", "Error!", i.icon);
        ASSERT_TRUE(answer.answered());
        EXPECT_EQ(seen.title, "Error!");
        EXPECT_EQ(seen.text, "Please select player first.");
        EXPECT_EQ(seen.icon, i.qt);
        EXPECT_EQ(seen.buttons.size(), 1);
        EXPECT_EQ(seen.parent, &owner);
        EXPECT_TRUE(seen.modal);
    }
}

TEST_F(RealDialogs, OkCancelTellsWhichWasPressed) {
    for (const bool ok : {true, false}) {
        SeenBox seen;
        ModalAnswer answer = answerBox(seen, [ok](QMessageBox* box) {
            box->button(ok ? QMessageBox::Ok : QMessageBox::Cancel)->click();
        });
        EXPECT_EQ(dialogs.okCancel("Make sure the printer is ready", "Printer Check"), ok);
        EXPECT_TRUE(answer.answered());
        EXPECT_EQ(seen.title, "Printer Check");
    }
    ModalAnswer closed([](QWidget* w) { w->close(); });
    EXPECT_FALSE(dialogs.okCancel("Make sure the printer is ready", "Printer Check"));
}

TEST_F(RealDialogs, InputReturnsTheTypedTextOrEmptyOnCancel) {
    QString label, title, shownDefault;
    ModalAnswer typed([&](QWidget* w) {
        auto* dialog = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        label = dialog->labelText();
        title = dialog->windowTitle();
        shownDefault = dialog->textValue();
        auto* edit = dialog->findChild<QLineEdit*>();
        // QTest types ASCII only; the letter outside it goes in as a paste would.
        edit->selectAll();
        QTest::keyClicks(edit, "7 Zo");
        edit->insert(QStringLiteral("ë"));
        QTest::keyClicks(edit, " & Co");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(
        dialogs.input("Please enter the players number and name", "Enter name", "#  name", 16),
        "7 Zoë & Co");
    EXPECT_EQ(label, "Please enter the players number and name");
    EXPECT_EQ(title, "Enter name");
    EXPECT_EQ(shownDefault, "#  name");

    ModalAnswer cancelled([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(dialogs.input("Please enter", "Enter name", "4 Ann Lee", 16), std::nullopt);
    EXPECT_TRUE(cancelled.answered());
}

TEST_F(RealDialogs, InputTakesNoMoreThanItsLimitAsOneTypes) {
    for (const int limit : {13, 16}) {
        QString shownDefault;
        ModalAnswer typed([&](QWidget* w) {
            auto* edit = w->findChild<QLineEdit*>();
            ASSERT_NE(edit, nullptr);
            shownDefault = edit->text();
            edit->selectAll();
            QTest::keyClicks(edit, "12 Abcdefghijklmnopqrstu");
            EXPECT_EQ(edit->text().size(), limit);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        const std::optional<std::string> typedText =
            dialogs.input("Please enter", "Enter name", "4  A name that is too long", limit);
        EXPECT_EQ(typedText, std::string("12 Abcdefghijklmnopqrstu").substr(0, limit));
        // A longer name offered for editing shows as much as may be kept.
        EXPECT_EQ(shownDefault, QString("4  A name that is too long").left(limit));
    }
}

TEST_F(RealDialogs, DetailedMessageAddsItsReasonUnderTheSameBox) {
    SeenBox seen;
    ModalAnswer answer = answerBox(seen, pressOk);
    dialogs.detailedMessage("Select/highlight appropriate file name in the file list box.",
                            "It is larger than 1 MiB.", "Error loading", Icon::Critical);
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(seen.title, "Error loading");
    EXPECT_EQ(seen.text, "Select/highlight appropriate file name in the file list box.");
    EXPECT_EQ(seen.detail, "It is larger than 1 MiB.");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

// What a list box showed, read while it was up.
struct SeenList {
    QString title, text;
    QStringList entries;
    int marked = -1;
    bool listHasFocus = false, okAndCancel = false, modal = false;
    QWidget* parent = nullptr;
};

// Reads the next modal box, which must be a list box, into `seen`; then `answer` answers it.
ModalAnswer answerList(SeenList& seen, std::function<void(QDialog*, QListWidget*)> answer) {
    return ModalAnswer([&seen, answer = std::move(answer)](QWidget* w) {
        auto* dialog = qobject_cast<QDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QListWidget*>();
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        ASSERT_TRUE(list && buttons);
        seen.title = dialog->windowTitle();
        seen.text = dialog->findChild<QLabel*>()->text();
        for (int i = 0; i < list->count(); ++i)
            seen.entries << list->item(i)->text();
        seen.marked = list->currentRow();
        seen.listHasFocus = dialog->focusWidget() == list;
        seen.okAndCancel =
            buttons->standardButtons() == (QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        seen.modal = dialog->isModal();
        seen.parent = dialog->parentWidget();
        answer(dialog, list);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the box stayed open";
            dialog->reject();
        }
    });
}

FileDialogSetup gameFileSetup(const std::string& title, const std::string& start) {
    FileDialogSetup setup;
    setup.title = title;
    setup.filters = {{"Text files (*.txt)", "*.txt"}, {"All files", "*"}};
    setup.selectedFilter = 0;
    setup.defaultSuffix = "txt";
    setup.startName = start;
    return setup;
}

TEST_F(RealDialogs, SaveDialogIsNonNativeWithFiltersAndAddsTheDefaultSuffix) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFileDialog* seen = nullptr;
    QStringList filters;
    QString selectedFilter, suffix, title;
    bool nonNative = false, saving = false;
    ModalAnswer answer([&](QWidget* w) {
        seen = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(seen, nullptr);
        filters = seen->nameFilters();
        selectedFilter = seen->selectedNameFilter();
        suffix = seen->defaultSuffix();
        title = seen->windowTitle();
        nonNative = seen->testOption(QFileDialog::DontUseNativeDialog);
        saving = seen->acceptMode() == QFileDialog::AcceptSave;
        chooseFile(seen, dir.filePath("lincoln"));
    });
    const auto chosen = dialogs.saveFile(
        gameFileSetup("Select the destination file", dir.filePath("x").toStdString()));
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(title, "Select the destination file");
    EXPECT_EQ(filters, (QStringList{"Text files (*.txt)", "All files (*)"}));
    EXPECT_EQ(selectedFilter, "Text files (*.txt)");
    EXPECT_EQ(suffix, "txt");
    EXPECT_TRUE(nonNative);
    EXPECT_TRUE(saving);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, dir.filePath("lincoln.txt").toStdString());
}

// Replacing another existing file takes a Yes; No goes back to the dialog. The game's own
// file is saved again without a question.
TEST_F(RealDialogs, SaveAsksBeforeReplacingAnotherFileButNotTheGamesOwn) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"last week.txt", "tonight.txt"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    FileDialogSetup setup = gameFileSetup("Select the destination file", "");
    setup.confirmOverwrite = true;
    setup.ownFile = dir.filePath("tonight.txt").toStdString();

    // Picks each name in turn; a question about replacing is answered from `replies`.
    auto save = [&](QStringList names, QList<QMessageBox::StandardButton> replies) {
        QStringList asked;
        QTimer questions;
        questions.setInterval(5);
        QObject::connect(&questions, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            asked << box->text();
            // A question more than expected is answered too, or the dialog would wait for ever.
            box->button(replies.isEmpty() ? QMessageBox::No : replies.takeFirst())->click();
        });
        questions.start();
        ModalAnswer pick([&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            for (const QString& name : names) {
                if (!dialog->isVisible()) break;
                chooseFile(dialog, dir.filePath(name));
            }
        });
        const auto chosen = dialogs.saveFile(setup);
        EXPECT_TRUE(pick.answered());
        return std::make_pair(chosen.value_or("cancelled"), asked);
    };

    const auto [declined, askedFirst] = save({"last week.txt", "new game.txt"}, {QMessageBox::No});
    EXPECT_EQ(declined, dir.filePath("new game.txt").toStdString());
    ASSERT_EQ(askedFirst.size(), 1);
    EXPECT_TRUE(askedFirst[0].contains("last week.txt")) << askedFirst[0].toStdString();

    const auto [own, askedOwn] = save({"tonight.txt"}, {QMessageBox::No});
    EXPECT_EQ(own, setup.ownFile);
    EXPECT_TRUE(askedOwn.isEmpty());

    const auto [replaced, askedYes] = save({"last week.txt"}, {QMessageBox::Yes});
    EXPECT_EQ(replaced, dir.filePath("last week.txt").toStdString());
    EXPECT_EQ(askedYes.size(), 1);
}

// The question before an unsaved game is set aside: its look, and each answer.
TEST_F(RealDialogs, UnsavedGameQuestionOffersSaveDiscardAndCancel) {
    const struct {
        const char* press;
        UnsavedAnswer expected;
    } answers[] = {{"&Save", UnsavedAnswer::Save},
                   {"&Discard", UnsavedAnswer::Discard},
                   {"Cancel", UnsavedAnswer::Cancel},
                   {"Escape", UnsavedAnswer::Cancel},
                   {"Enter", UnsavedAnswer::Save}};
    for (const auto& a : answers) {
        SeenBox seen;
        ModalAnswer answer = answerBox(seen, [&](QMessageBox* box) {
            const QString press = QString::fromLatin1(a.press);
            if (press == "Escape")
                QTest::keyClick(box, Qt::Key_Escape);
            else if (press == "Enter")
                QTest::keyClick(box, Qt::Key_Return);
            else
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == press) b->click();
        });
        EXPECT_EQ(dialogs.saveDiscardCancel(
                      "The statistics of this game have not been saved. Save them first?",
                      "Unsaved game"),
                  a.expected)
            << a.press;
        ASSERT_TRUE(answer.answered());
        EXPECT_EQ(seen.title, "Unsaved game");
        EXPECT_EQ(seen.text, "The statistics of this game have not been saved. Save them first?");
        EXPECT_EQ(seen.icon, QMessageBox::Warning);
        seen.buttons.sort();
        EXPECT_EQ(seen.buttons, (QStringList{"&Discard", "&Save", "Cancel"}));
        EXPECT_EQ(seen.defaultButton, "&Save");
    }
}

TEST_F(RealDialogs, OpenDialogStartsAtTheGivenNameAndTellsCancel) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString existing = dir.filePath("game one.txt");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    QStringList startedWith;
    ModalAnswer pick([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->windowTitle(), "Select the source file");
        startedWith = dialog->selectedFiles();
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen =
        dialogs.openFile(gameFileSetup("Select the source file", existing.toStdString()));
    ASSERT_TRUE(pick.answered());
    EXPECT_EQ(startedWith, QStringList{existing});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, existing.toStdString());

    ModalAnswer cancel([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_FALSE(dialogs.openFile(gameFileSetup("Select the source file", "")).has_value());
    EXPECT_TRUE(cancel.answered());
}

// The refusal of a stat without a name, through the real box over the real window.
TEST(RealDialogsOnWindow, RefusalBoxIsModalOverTheWindowAndLeavesNothingOpen) {
    ui::QtDialogs dialogs;
    {
        ui::StatWindow window(dialogs);
        dialogs.setWindow(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        SeenBox seen;
        ModalAnswer answer = answerBox(seen, pressOk);
        window.findChild<QAbstractButton*>("cmdreb")->click();
        EXPECT_TRUE(answer.answered());
        EXPECT_EQ(seen.text, "Please select player first.");
        EXPECT_EQ(seen.parent, &window);
        EXPECT_EQ(visibleTopLevels(), QStringList{"tallivant::ui::StatWindow:stat"});
    }
    EXPECT_TRUE(visibleTopLevels().isEmpty());
}

// Give to and Quarter through the real boxes: each opens over the Plays window, modal, with the
// focus in its list at the entry marked, lists the names as the buttons show them or the five
// quarters, takes Enter or OK and refuses with Escape, and closes back onto the Plays window.
TEST(RealDialogsOnWindow, GiveToAndQuarterBoxesOpenOverThePlaysWindow) {
    ui::QtDialogs dialogs;
    {
        ui::StatWindow window(dialogs);
        dialogs.setWindow(&window);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.game().setName(1, "4 &Ann");
        window.game().setName(7, "R&&D");
        QTest::mouseClick(window.findChild<QWidget*>("cmdp1"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QWidget*>("cmdreb"), Qt::LeftButton);
        window.findChild<QAction*>("mnushowplays")->trigger();
        auto* plays = window.findChild<ui::PlaysWindow*>();
        ASSERT_NE(plays, nullptr);
        // The Plays window counts as active with the main window; wait for the keys to go there.
        ASSERT_TRUE(QTest::qWaitFor([plays] { return QApplication::activeWindow() == plays; }));

        SeenList give;
        ModalAnswer typed = answerList(give, [](QDialog*, QListWidget* list) {
            QTest::keyClicks(list, "R"); // to the first name that starts so
            QTest::keyClick(list, Qt::Key_Return);
        });
        QTest::mouseClick(plays->findChild<QWidget*>("playsGiveTo"), Qt::LeftButton);
        ASSERT_TRUE(typed.answered());
        EXPECT_EQ(give.title, "Give to");
        EXPECT_EQ(give.text, "Give the selected plays to:");
        EXPECT_EQ(give.parent, plays);
        EXPECT_TRUE(give.modal && give.listHasFocus && give.okAndCancel);
        ASSERT_EQ(give.entries.size(), 12);
        EXPECT_EQ(give.entries.mid(0, 3), (QStringList{"4 Ann", "#2", "#3"}));
        EXPECT_EQ(give.entries[6], "R&D");
        EXPECT_EQ(give.marked, 0);
        EXPECT_EQ(window.game().text(Field{playerLine(6), REB}), "1");
        EXPECT_EQ(window.game().text(Field{playerLine(0), REB}), "0");
        ASSERT_TRUE(QTest::qWaitFor([plays] { return QApplication::activeWindow() == plays; }));

        SeenList quarter;
        ModalAnswer last = answerList(quarter, [](QDialog* d, QListWidget* list) {
            QTest::keyClick(list, Qt::Key_End);
            d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QTest::mouseClick(plays->findChild<QWidget*>("playsQuarter"), Qt::LeftButton);
        ASSERT_TRUE(last.answered());
        EXPECT_EQ(quarter.title, "Quarter");
        EXPECT_EQ(quarter.parent, plays);
        EXPECT_TRUE(quarter.modal && quarter.listHasFocus && quarter.okAndCancel);
        EXPECT_EQ(quarter.entries, (QStringList{"1st", "2nd", "3rd", "4th", "OT"}));
        EXPECT_EQ(quarter.marked, 0); // the quarter that is on
        EXPECT_EQ(window.game().text(Field{quarterLine(Quarter::Overtime), REB}), "1");
        EXPECT_EQ(window.game().text(Field{quarterLine(Quarter::First), REB}), "0");

        // Escape chooses nothing, and nothing changes.
        SeenList cancelled;
        ModalAnswer escape = answerList(cancelled, [](QDialog*, QListWidget* list) {
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Escape);
        });
        QTest::mouseClick(plays->findChild<QWidget*>("playsQuarter"), Qt::LeftButton);
        ASSERT_TRUE(escape.answered());
        EXPECT_EQ(window.game().text(Field{quarterLine(Quarter::Overtime), REB}), "1");
        EXPECT_EQ(window.game().text(Field{quarterLine(Quarter::First), REB}), "0");

        QStringList open = visibleTopLevels();
        open.sort();
        EXPECT_EQ(open, (QStringList{"tallivant::ui::PlaysWindow:plays",
                                     "tallivant::ui::StatWindow:stat"}));
        EXPECT_TRUE(QTest::qWaitFor([plays] { return QApplication::activeWindow() == plays; }));
    }
    EXPECT_TRUE(visibleTopLevels().isEmpty());
}

} // namespace
} // namespace tallivant::testing
