// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sheet's keys typed while one of the real Qt boxes is up over the window: each beeps and
// goes nowhere, and the box keeps its own keys. The boxes are answered from a timer, inside
// their own event loops, by keys sent where the focus is, as a scorer would type them.
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <functional>

#include "sheet/columns.h"
#include "ui/qt_dialogs.h"
#include "ui/sheet_keys.h"
#include "window_fixture.h"

namespace tallivant::testing {
namespace {

// Hands each modal box, once it is active, to `answer` with its number in the order shown.
struct EachBox {
    QTimer poll;
    QPointer<QWidget> last;
    int count = 0;
    explicit EachBox(std::function<void(QWidget*, int)> answer) {
        QObject::connect(&poll, &QTimer::timeout, &poll, [this, answer = std::move(answer)] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || !box->isActiveWindow() || box == last) return;
            last = box;
            answer(box, count++);
        });
        poll.start(5);
    }
};

// Fails a box that a key should have answered, instead of waiting for ever.
void closeIfStillUpLater(QWidget* box) {
    QTimer::singleShot(2000, box, [box] { static_cast<QDialog*>(box)->reject(); });
}

QWidget* focus() {
    return QApplication::focusWidget();
}

void alt(char letter) {
    QTest::keyClick(focus(), letter, Qt::AltModifier);
}

// A key held down as the X server sends it without detectable auto-repeat: each repeat is a
// release and a press with one time stamp, neither marked as a repeat.
void holdAsX11(QWidget* target, Qt::Key key, Qt::KeyboardModifiers mods, const QString& text) {
    auto send = [&](QEvent::Type type, ulong time) {
        if (type == QEvent::KeyPress && qt_sendShortcutOverrideEvent(target, time, key, mods, text))
            return;
        QKeyEvent e(type, key, mods, text);
        e.setTimestamp(time);
        QApplication::sendEvent(target, &e);
    };
    send(QEvent::KeyPress, 500000);
    for (ulong time = 500040; time < 500240; time += 40) {
        send(QEvent::KeyRelease, time);
        send(QEvent::KeyPress, time);
    }
    send(QEvent::KeyRelease, 500600);
}

// The same where Qt marks the repeats, through the window system's own path.
void holdMarked(QWindow* window, Qt::Key key, Qt::KeyboardModifiers mods) {
    for (int i = 0; i < 6; ++i)
        QTest::simulateEvent(window, true, key, mods, QString(), i > 0);
    QTest::simulateEvent(window, false, key, mods, QString(), false);
}

class KeysBehindBoxes : public ::testing::Test {
protected:
    ui::QtDialogs dialogs;
    std::unique_ptr<ui::StatWindow> window;
    int beeps = 0;

    void SetUp() override {
        window = std::make_unique<ui::StatWindow>(dialogs);
        dialogs.setWindow(window.get());
        window->show();
        backToTheWindow();
        auto* keys = window->findChild<ui::SheetKeys*>();
        ASSERT_NE(keys, nullptr);
        keys->setBeep([this] { ++beeps; });
    }
    void TearDown() override {
        window.reset();
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
    }
    // The window system hands the focus back once a box is gone; offscreen, the test does.
    void backToTheWindow() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QString text(const char* name) const {
        auto* field = window->findChild<QLineEdit*>(QLatin1StringView(name));
        return field ? field->text() : QStringLiteral("no field");
    }
    QStringList sheet() const {
        QStringList texts;
        for (const QLineEdit* f : window->findChildren<QLineEdit*>())
            texts << f->objectName() + u'=' + f->text();
        return texts;
    }
};

// Behind a box that only informs, the sheet's keys wait in order and the box shows them; Enter
// lets them act as if typed then, Escape drops them. A key held down is held once, and a key the
// sheet does not use is no concern of the box's.
TEST_F(KeysBehindBoxes, HeldBehindAnInformingBoxTheyActInOrderOnEnterOrAreDroppedOnEscape) {
    window->game().setName(4, "4 &Zed Cole");
    const QStringList before = sheet();
    for (const Qt::Key close : {Qt::Key_Escape, Qt::Key_Return}) {
        SCOPED_TRACE(close);
        window->game().deselect();
        QString shown;
        QStringList behind;
        EachBox boxes([&](QWidget* box, int) {
            EXPECT_EQ(qobject_cast<QMessageBox*>(box)->text(), "Please select player first.");
            alt('z'); // player 4's letter
            holdAsX11(focus(), Qt::Key_C, Qt::AltModifier, QStringLiteral("c"));
            alt('q'); // nobody's
            QTest::keyClick(focus(), Qt::Key_PageDown, Qt::ControlModifier);
            alt('z');
            holdMarked(box->windowHandle(), Qt::Key_R, Qt::AltModifier);
            shown = qobject_cast<QMessageBox*>(box)->informativeText();
            behind = sheet();
            QTest::keyClick(focus(), close);
        });
        alt('h'); // a rebound with no name selected
        EXPECT_EQ(boxes.count, 1);
        EXPECT_EQ(shown, "Held: Alt+Z, Alt+C, Ctrl+PgDown, Alt+Z, Alt+R. Enter: they act. "
                         "Escape: they are dropped.");
        EXPECT_EQ(behind, before);
        backToTheWindow();
        QTest::qWait(0);
        if (close == Qt::Key_Escape) {
            EXPECT_EQ(sheet(), before);
            EXPECT_EQ(text("txt2ndfgm") + text("txt1stfgm"), "00");
            EXPECT_TRUE(window->findChild<QRadioButton*>(QStringLiteral("opt1stqtr"))->isChecked());
        } else {
            // The field goal in the first quarter, the missed three in the second.
            EXPECT_EQ(text("txtfgm_3") + text("txt1stfgm") + text("txt2nd3pta"), "111");
            EXPECT_EQ(window->game().plays().size(), 2u);
            EXPECT_TRUE(window->findChild<QRadioButton*>(QStringLiteral("opt2ndqtr"))->isChecked());
        }
    }
    EXPECT_EQ(beeps, 0);
}

// Escape on each real prompt of Edit roster is Cancel, which keeps the name it offered; Ctrl+S
// typed into a prompt saves nothing and beeps.
TEST_F(KeysBehindBoxes, EscapeOnEveryRosterPromptKeepsEveryName) {
    for (int n = 1; n <= kPlayers; ++n)
        window->game().setName(n, std::to_string(n + 3) + " Player " + std::to_string(n));
    std::vector<std::string> before;
    for (int n = 1; n <= kPlayers; ++n)
        before.push_back(window->game().name(n));
    EachBox prompts([&](QWidget*, int n) {
        auto* edit = qobject_cast<QLineEdit*>(focus());
        ASSERT_NE(edit, nullptr);
        if (n == 0) QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Escape);
    });
    window->findChild<QAction*>(QStringLiteral("mnurosterchange"))->trigger();
    EXPECT_EQ(prompts.count, kPlayers);
    EXPECT_EQ(beeps, 1);
    for (int n = 1; n <= kPlayers; ++n)
        EXPECT_EQ(window->game().name(n), before[n - 1]) << n;
}

// The keys that beep follow the roster: a name's letter beeps once the name has it.
TEST_F(KeysBehindBoxes, NamePromptTakesLettersButNotTheSheetsKeys) {
    QStringList typed;
    EachBox prompts([&](QWidget*, int n) {
        auto* edit = qobject_cast<QLineEdit*>(focus());
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        if (n == 0) {
            QTest::keyClicks(edit, "4 &Al");
            QTest::keyClick(edit, 'c', Qt::AltModifier);
            QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier); // would undo the typing
            QTest::keyClicks(edit, "ex");
        } else if (n == 1) {
            QTest::keyClicks(edit, "5 Bo");
            QTest::keyClick(edit, 'a', Qt::AltModifier); // player 1's letter by now
        }
        typed << edit->text() + QStringLiteral(" after %1 beeps").arg(beeps);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    window->findChild<QAction*>(QStringLiteral("mnurosterchange"))->trigger();
    EXPECT_EQ(prompts.count, kPlayers);
    ASSERT_GE(typed.size(), 2);
    EXPECT_EQ(typed.mid(0, 2), (QStringList{"4 &Alex after 2 beeps", "5 Bo after 3 beeps"}));
    EXPECT_EQ(window->game().name(1), "4 &Alex");
    EXPECT_EQ(text("txttotfgm"), "0");
    backToTheWindow();
    alt('a');
    EXPECT_EQ(window->game().playernum(), 1);
}

// The third foul's box holds what comes next; a held fourth foul opens its own box, which shows
// the keys still held and takes more. A foul's box opens before its quarter field is written,
// and that field is written before the held keys act.
TEST_F(KeysBehindBoxes, AHeldFoulOpensItsBoxWithTheKeysAfterItStillHeld) {
    window->game().setName(5, "5 &Zed");
    QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("cmdp2")), Qt::LeftButton);
    alt('m');
    alt('m');
    QStringList shown, fouls;
    EachBox boxes([&](QWidget* box, int n) {
        EXPECT_EQ(box->windowTitle(), "Foul trouble");
        fouls << qobject_cast<QMessageBox*>(box)->text() + " " + text("txt1stpf");
        if (n == 0) {
            alt('m'); // the same player's fourth
            alt('e');
        } else {
            alt('z');
        }
        shown << qobject_cast<QMessageBox*>(box)->informativeText();
        QTest::keyClick(focus(), Qt::Key_Return);
    });
    alt('m');
    QTest::qWait(0);
    EXPECT_EQ(boxes.count, 2);
    EXPECT_EQ(fouls, (QStringList{"The player has 3 2", "The player has 4 3"}));
    EXPECT_EQ(shown,
              (QStringList{"Held: Alt+M, Alt+E. Enter: they act. Escape: they are dropped.",
                           "Held: Alt+E, Alt+Z. Enter: they act. Escape: they are dropped."}));
    EXPECT_EQ(text("txtpf_1") + text("txt1stpf") + text("txt3ptm_1"), "441");
    EXPECT_EQ(window->game().playernum(), 5);
    EXPECT_EQ(beeps, 0);
}

// A letter a box shows answers it, even one the sheet uses too (Alt+D, Alt+N, Alt+S); OK and
// Cancel, which Enter and Escape press already, never take a sheet key, whatever letter some
// desktops give them ("&OK" on GNOME): a steal must not close a box unheard.
TEST_F(KeysBehindBoxes, TheBoxsOwnLettersAnswerItButOkTakesNoSheetKey) {
    EachBox question([&](QWidget* box, int) {
        alt('c');
        EXPECT_TRUE(box->isVisible());
        alt('d');
        closeIfStillUpLater(box);
    });
    EXPECT_EQ(dialogs.saveDiscardCancel("Save them first?", "Unsaved game"),
              UnsavedAnswer::Discard);
    EXPECT_EQ(beeps, 1);
    question.poll.stop();

    QTemporaryDir dir;
    FileDialogSetup setup;
    setup.title = "Select the destination file";
    setup.filters = {{"Text files (*.txt)", "*.txt"}};
    setup.defaultSuffix = "txt";
    setup.startName = dir.filePath("untitled").toStdString();
    EachBox fileDialog([&](QWidget* box, int) {
        auto* name = box->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        box->findChild<QListView*>(QStringLiteral("listView"))->setFocus();
        alt('n'); // "File &name:"
        EXPECT_EQ(focus(), name);
        name->selectAll();
        QTest::keyClicks(name, "tonight");
        alt('c');
        alt('s'); // "&Save"
        closeIfStillUpLater(box);
    });
    EXPECT_EQ(dialogs.saveFile(setup), dir.filePath("tonight.txt").toStdString());
    EXPECT_EQ(beeps, 2);
    fileDialog.poll.stop();

    QMessageBox notice(QMessageBox::Critical, "Foul trouble", "The player has 3", QMessageBox::Ok,
                       window.get());
    notice.button(QMessageBox::Ok)->setText(QStringLiteral("&OK"));
    EachBox ok([&](QWidget* box, int) {
        alt('o');
        EXPECT_TRUE(box->isVisible());
        QTest::keyClick(focus(), Qt::Key_Return);
    });
    notice.exec();
    EXPECT_EQ(beeps, 3);
}

} // namespace
} // namespace tallivant::testing
