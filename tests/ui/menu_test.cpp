// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QTranslator>
#include <QWindow>

#include "ui/strip.h"
#include "window_fixture.h"

namespace tallivant::testing {
namespace {

using Menus = WindowTest;

// A point of the client area that no control covers: between the first two columns.
QColor gap(ui::StatWindow& w) {
    return w.centralWidget()->grab().toImage().pixelColor(140, 110);
}

// Every item acts at once when chosen, one after the other on one window: it shows a box, ends
// the program or paints the window's background (each colour differs from the one before it).
// The printer question is cancelled, so nothing is printed.
TEST_F(Menus, EveryItemActsWhenChosenAndReadsAsTheProgramWritesIt) {
    const auto checkedQuarter = [this] {
        for (QRadioButton* b : window->findChildren<QRadioButton*>())
            if (b->isChecked() && b->objectName().startsWith(u"opt") &&
                b->objectName() != u"optyouposs")
                return b->objectName();
        return QString();
    };
    // Next quarter must have a quarter to go to: the test starts from the third.
    click("opt3rdqtr");
    QStringList captions, idle;
    QColor background = gap(*window);
    for (QAction* title : window->menuBar()->actions()) {
        QStringList items;
        for (QAction* item : title->menu()->actions()) {
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
            if (item->isSeparator()) continue;
            EXPECT_TRUE(item->isEnabled());
            EXPECT_FALSE(item->isCheckable());
            // Only the items added for the quarter keys show keys, those of the keyboard map.
            const QString name = item->objectName();
            const QString keys = name == QStringLiteral("mnunextquarter") ? "Ctrl+PgDown; Alt+Right"
                                 : name == QStringLiteral("mnupreviousquarter")
                                     ? "Ctrl+PgUp; Alt+Left"
                                     : "";
            EXPECT_EQ(QKeySequence::listToString(item->shortcuts()), keys) << name.toStdString();
            const QString quarter = checkedQuarter();
            const std::size_t shown = dialogs.shown.size();
            const bool visible = window->isVisible();
            dialogs.okCancelAnswers = {false};
            // A new game with the same roster shows only on a sheet with something to clear.
            const bool clears = item->objectName() == QStringLiteral("mnufilesameroster");
            if (clears) stat(1, "cmdreb");
            // Game details opens its box, which asks: Cancel closes it.
            bool boxShown = false;
            if (name == QStringLiteral("mnufiledetails"))
                QTimer::singleShot(0, window.get(), [&boxShown] {
                    QWidget* box = QApplication::activeModalWidget();
                    boxShown = box && box->objectName() == QStringLiteral("frmdetails");
                    if (box) box->close();
                });
            item->trigger();
            if (clears && text("txtreb_0") == QStringLiteral("0")) dialogs.shown.push_back({});
            const QColor now = gap(*window);
            // Show plays and Keys open windows of their own; they are closed again for the next
            // items.
            bool ownWindow = boxShown;
            for (const char* own : {"plays", "frmkeys"}) {
                QWidget* w = window->findChild<QWidget*>(QLatin1StringView(own));
                ownWindow = ownWindow || (w && w->isVisible());
                if (w) w->close();
            }
            if (dialogs.shown.size() == shown && window->isVisible() == visible &&
                now == background && !ownWindow && checkedQuarter() == quarter)
                idle << item->text();
            background = now;
        }
        captions << title->text() + ": " + items.join(", ");
    }
    EXPECT_TRUE(idle.isEmpty()) << idle.join(", ").toStdString();
    EXPECT_EQ(
        captions,
        (QStringList{"Fi&le: New, Print, Open, Save, Save report as PDF, Export CSV, Season "
                     "totals, New game, same roster, Game details..., Share live..., -, E&xit",
                     "Ed&it Roster: Edit roster",
                     "Color chan&ge: Red, Green, Purple, Black, Yellow, Blue, "
                     "White, Orange, Dark red, Dark green, Dark purple, Dark "
                     "blue, Dark orange",
                     "Pla&ys: Show plays, Next quarter, Previous quarter",
                     "Hel&p: Instructions, Keys"}));
    QAction* bar = widget<QAction>("mnubar");
    EXPECT_TRUE(bar && bar->isSeparator());
}

TEST_F(Menus, ColourItemsChangeOnlyTheWindowsOwnBackground) {
    QWidget* name = widget("cmdp1");
    QWidget* white = field("txtfgm_0");
    QWidget* grey = field("txtfgm_1");
    QWidget* header = widget("lblheader");
    QWidget* made = widget("Label8");
    QWidget* frame = widget("Frame1");
    const QColor frameBefore = pixel(frame, {frame->width() - 3, frame->height() - 3});

    trigger("mnublack");
    EXPECT_EQ(gap(*window), bgr(0x000000));
    EXPECT_EQ(pixel(name, blankSpot(name)), bgr(0xFFFFFF));
    EXPECT_EQ(pixel(white, blankSpot(white)), bgr(0xFFFFFF));
    EXPECT_EQ(pixel(grey, blankSpot(grey)), bgr(0x808080));
    EXPECT_EQ(pixel(header, {3, 3}), bgr(0xC0C0C0));
    EXPECT_EQ(pixel(made, {made->width() - 2, 2}), bgr(0xFFFFFF));
    EXPECT_EQ(pixel(frame, {frame->width() - 3, frame->height() - 3}), frameBefore);
    // The fields' edges are drawn from their own palette, not from the window's colour.
    const QImage fieldOnBlack = white->grab().toImage();
    trigger("mnuwhite");
    EXPECT_EQ(white->grab().toImage(), fieldOnBlack);
    EXPECT_EQ(gap(*window), bgr(0xFFFFFF));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Menus, EachColourItemShowsItsColour) {
    const struct {
        const char* item;
        QColor rgb;
    } colours[] = {
        {"mnured", {255, 0, 0}},       {"mnugreen", {0, 255, 0}},     {"mnupurple", {255, 0, 255}},
        {"mnublack", {0, 0, 0}},       {"mnuyellow", {255, 255, 0}},  {"mnublue", {128, 128, 255}},
        {"mnuwhite", {255, 255, 255}}, {"mnuorange", {255, 128, 0}},  {"mnudred", {192, 0, 0}},
        {"mnudgreen", {0, 128, 0}},    {"mnudpurple", {128, 0, 128}}, {"mnudblue", {0, 0, 128}},
        {"mnudorange", {192, 64, 0}}};
    for (const auto& c : colours) {
        trigger(c.item);
        EXPECT_EQ(gap(*window), c.rgb) << c.item;
    }
}

TEST_F(Menus, InstructionsShowNineBoxesInOrder) {
    stat(3, "cmdreb");
    dialogs.shown.clear();
    trigger("Instructions");
    ASSERT_EQ(dialogs.shown.size(), 9u);
    for (const Shown& s : dialogs.shown) {
        EXPECT_EQ(s.kind, "message");
        EXPECT_EQ(s.title, "Instructions");
        EXPECT_EQ(s.icon, Icon::None);
    }
    EXPECT_TRUE(dialogs.shown[0].text.starts_with("If you are going to run two copies"));
    EXPECT_TRUE(dialogs.shown[0].text.ends_with("'always on top' "));
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(dialogs.shown[2 * n - 1].text,
                  "Click for instructions message " + std::to_string(n) + " of 4");
    EXPECT_TRUE(dialogs.shown[2].text.starts_with("Set your screen resolution to 800 x 600"));
    EXPECT_TRUE(dialogs.shown[4].text.starts_with("To start with enter the team roster"));
    EXPECT_TRUE(dialogs.shown[6].text.starts_with("If you make a mistake"));
    EXPECT_TRUE(dialogs.shown[8].text.starts_with("If you need to edit the roster"));
    EXPECT_TRUE(dialogs.shown[8].text.ends_with("Checked means the player is on the floor."));
    EXPECT_EQ(text("txtreb_2"), "1");
}

// Runs the event loop until the program ends, closing the window from inside it.
qint64 millisecondsToEnd(ui::StatWindow& w, const std::function<void()>& closeIt) {
    QTimer::singleShot(0, &w, closeIt);
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, qApp, &QCoreApplication::quit);
    safety.start(5000);
    QElapsedTimer elapsed;
    elapsed.start();
    QApplication::exec();
    return elapsed.elapsed();
}

// A game without unsaved changes: nothing to ask.
TEST_F(Menus, ExitEndsAtOnceWithoutAskingEvenWithTheClockRunning) {
    click("cmdp1");
    click("cmdclock_stopstart");
    EXPECT_LT(millisecondsToEnd(*window, [&] { trigger("mnuFileExit"); }), 2000);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Menus, TitleBarCloseEndsAtOnceWithoutAsking) {
    click("cmdclock_stopstart");
    EXPECT_LT(millisecondsToEnd(*window, [&] { window->windowHandle()->close(); }), 2000);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialogs.shown.empty());
}

// A language whose every text of the window's own areas reads "de:" and the English; the core's
// texts ("Core") it leaves alone. A text translated in another context than the one its table
// marks it with would stay English.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        static const QStringList kOwn = {"Menus", "Instructions", "Keys",     "Sheet",
                                         "Strip", "LivePage",     "ButtonRow"};
        if (!kOwn.contains(QLatin1StringView(context))) return {};
        return QStringLiteral("de:") + QString::fromUtf8(source);
    }
};

class Translated : public WindowTest {
protected:
    MarkingTranslator translator;
    void SetUp() override {
        ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        QCoreApplication::removeTranslator(&translator);
    }
};

TEST_F(Translated, WindowTextsAreTheLanguagesButStatCaptionsAndColumnTitlesStay) {
    for (QAction* title : window->menuBar()->actions()) {
        EXPECT_TRUE(title->text().startsWith(u"de:")) << title->text().toStdString();
        for (QAction* item : title->menu()->actions())
            EXPECT_TRUE(item->isSeparator() || item->text().startsWith(u"de:"));
    }
    EXPECT_EQ(widget<QMenu>("mnufile")->title(), "de:Fi&le");
    EXPECT_EQ(text("cmdfgm"), "&c--FG");
    EXPECT_EQ(widget("cmdfgm")->accessibleName(), "de:Field goal made");
    EXPECT_TRUE(text("lblheader").startsWith(u"Click to select name   FGM"));
    EXPECT_EQ(text("cmdtakeback"), "de:Takeback");
    EXPECT_EQ(text("Label10"), "de:Game Totals");
    EXPECT_EQ(widget("Check10")->accessibleName(), "de:de:Player 3 on the floor");
    EXPECT_EQ(widget("txtfgm_2")->accessibleName(), "de:de:Player 3 field goals made");

    const QString dot = QStringLiteral(" \u00B7 ");
    // The names are those an earlier test of the run may have given.
    EXPECT_TRUE(text("lblscore").contains(dot + "Q1" + dot + "de:Team fouls 0" + dot))
        << text("lblscore").toStdString();
    // Each kind of opponent play is undone in a sentence of its own.
    const auto undo = [&](Qt::Key points) {
        QTest::keyClick(QApplication::focusWidget(), points, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        return window->strip()->news();
    };
    EXPECT_EQ(undo(Qt::Key_1), "de:Undone: Opponent 1 point (1st)");
    EXPECT_EQ(undo(Qt::Key_2), "de:Undone: Opponent 2 points (1st)");
    EXPECT_EQ(undo(Qt::Key_3), "de:Undone: Opponent 3 points (1st)");
    EXPECT_EQ(undo(Qt::Key_M), "de:Undone: Opponent team foul (1st)");

    trigger("mnukeys");
    auto* keys = window->findChild<QTableWidget*>("keysTable");
    ASSERT_NE(keys, nullptr);
    EXPECT_EQ(keys->window()->windowTitle(), "de:Keys");
    EXPECT_EQ(keys->horizontalHeaderItem(2)->text(), "de:What it does");
    EXPECT_EQ(keys->item(0, 0)->text(), "de:Sheet");
    EXPECT_EQ(keys->item(0, 1)->text(), "Alt+C");
    EXPECT_EQ(keys->item(0, 2)->text(), "de:Field goal made");

    trigger("Instructions");
    ASSERT_EQ(dialogs.shown.size(), 9u);
    EXPECT_EQ(dialogs.shown[1].title, "de:Instructions");
    EXPECT_EQ(dialogs.shown[1].text, "de:Click for instructions message 1 of 4");
}

} // namespace
} // namespace tallivant::testing
