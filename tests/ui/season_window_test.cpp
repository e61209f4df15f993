// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// File|Season totals end to end: three games kept with the window's own menus, chosen at once
// with a file that is no game; the table, its sorting, and the CSV and PDF it writes.
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include "season/season.h"
#include "session/season_commands.h"
#include "support/watchdog.h"
#include "ui/qt_dialogs.h"
#include "ui/season_window.h"
#include "window_fixture.h"

namespace tallivant::testing {
namespace {

class SeasonTotals : public WindowTest {
protected:
    QTemporaryDir dir;
    std::string path(const char* name) const {
        return QDir(dir.path()).filePath(QString::fromUtf8(name)).toStdString();
    }
    static std::string bytes(const std::string& file) {
        QFile f(QString::fromStdString(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    }
    void save(const char* name) {
        dialogs.fileAnswers = {path(name)};
        trigger("mnufilesave");
    }
    // The table as shown, row by row.
    static std::vector<std::vector<std::string>> rows(const QTableView* table) {
        std::vector<std::vector<std::string>> out;
        const QAbstractItemModel* m = table->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            std::vector<std::string> row;
            for (int c = 0; c < m->columnCount(); ++c)
                row.push_back(m->index(r, c).data().toString().toStdString());
            out.push_back(row);
        }
        return out;
    }
};

TEST_F(SeasonTotals, ThreeGamesAndABadFileGiveTheTableItsFilesAndTheMessage) {
    // Week 1: Ann scores, Bo rebounds. Week 2, the same roster: Bo does not play. Week 3: Ann
    // is renamed on the roster, so she is a new player there.
    dialogs.inputAnswers = {std::string("4 Ann Lee"), std::string("&5 Bo")};
    trigger("mnuFileNew");
    stat(1, "cmdfgm");
    stat(1, "cmdfgm");
    stat(2, "cmdreb");
    save("week1.txt");
    trigger("mnufilesameroster");
    stat(1, "cmd3pm");
    stat(1, "cmdfgmiss");
    save("week2.txt");
    trigger("mnufilesameroster");
    dialogs.inputAnswers = {std::string("4 Ann Lee-Kim")};
    trigger("mnurosterchange");
    stat(1, "cmdftm");
    stat(2, "cmdast");
    save("week3.txt");
    QFile notes(QString::fromStdString(path("notes.txt")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("bring the scorebook\r\n");
    notes.close();

    dialogs.shown.clear();
    const std::vector<std::string> chosen = {path("week1.txt"), path("week2.txt"),
                                             path("notes.txt"), path("week3.txt")};
    dialogs.fileListAnswers = {chosen};
    trigger("mnufileseason");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].kind, "openFiles");
    EXPECT_EQ(dialogs.shown[0].title, "Select the games of the season");
    EXPECT_EQ(dialogs.shown[0].setup.filters[0].label, "Text files (*.txt)");
    const Season expected = readSeason(chosen);
    ASSERT_EQ(expected.leftOut.size(), 1u);
    EXPECT_EQ(dialogs.shown[1].kind, "listMessage");
    EXPECT_EQ(dialogs.shown[1].title, "Season totals");
    EXPECT_EQ(dialogs.shown[1].text, "These files were left out:");
    EXPECT_EQ(dialogs.shown[1].choices,
              std::vector<std::string>{"notes.txt: " + expected.leftOut[0].reason});

    auto* season = window->findChild<ui::SeasonWindow*>(QStringLiteral("season"));
    ASSERT_NE(season, nullptr);
    EXPECT_TRUE(season->isVisible());
    EXPECT_EQ(season->windowTitle(), "Season totals");
    QTableView* table = season->table();
    QStringList headers;
    for (int c = 0; c < table->model()->columnCount(); ++c)
        headers << table->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers.join(u','), "Player,GP,2PM,2PA,2P%,3PM,3PA,3P%,FGM,FGA,FG%,FTM,FTA,FT%,REB,"
                                  "AST,TO,STL,BLK,PF,TF,PTS,PPG,RPG,APG,SPG,BPG,TOPG");

    // Ann: 2 games, 4 + 3 points; Bo: a stat in weeks 1 and 3 only; Ann Lee-Kim: week 3.
    const std::string sep = QLocale().decimalPoint().toStdString();
    auto shown = rows(table);
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0][0], "4 Ann Lee");
    EXPECT_EQ(shown[0][1], "2");
    // Two of three two-pointers and one three: three of four field goals.
    EXPECT_EQ(shown[0][seasonColumnOf(BoxCol::TwoPA)], "3");
    EXPECT_EQ(shown[0][seasonColumnOf(BoxCol::TwoPPer)], "66" + sep + "67");
    EXPECT_EQ(shown[0][seasonColumnOf(BoxCol::FGA)], "4");
    EXPECT_EQ(shown[0][seasonColumnOf(BoxCol::FGPer)], "75" + sep + "00");
    EXPECT_EQ(shown[0][seasonColumnOf(BoxCol::FTPer)], "\u2013"); // no free throw tried
    EXPECT_EQ(shown[0][seasonColumnOf(BoxCol::PTS)], "7");
    EXPECT_EQ(shown[0][seasonColumnOf(PPG)], "3" + sep + "5");
    EXPECT_EQ(shown[1][0], "4 Ann Lee-Kim");
    EXPECT_EQ(shown[2][0], "5 Bo");
    EXPECT_EQ(shown[2][1], "2");
    EXPECT_EQ(shown[3][0], "Team");
    EXPECT_EQ(shown[3][1], "3");
    EXPECT_EQ(shown[3][seasonColumnOf(BoxCol::PTS)], "8");
    for (std::size_t r = 0; r < shown.size(); ++r) {
        const SeasonLine& line = r + 1 < shown.size() ? expected.players[r] : expected.team;
        const auto texts = seasonRowTexts(line, sep, kNoAttemptsShown);
        EXPECT_EQ(shown[r], std::vector<std::string>(texts.begin(), texts.end())) << r;
    }
    // Under the table, the games counted in the season's order, each by its file's name.
    QTableWidget* games = season->games();
    ASSERT_NE(games, nullptr);
    ASSERT_EQ(games->rowCount(), 3);
    for (int r = 0; r < games->rowCount(); ++r) {
        EXPECT_EQ(games->item(r, 3)->text().toStdString(), "week" + std::to_string(r + 1) + ".txt");
        const auto texts = seasonGameTexts(expected.games[r]);
        for (int c = 0; c < kSeasonGameColumns; ++c)
            EXPECT_EQ(games->item(r, c)->text().toStdString(), texts[c]) << r << ", " << c;
    }
    auto* record = season->findChild<QLabel*>(QStringLiteral("seasonRecord"));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->text().toStdString(), recordLine(expected.record, sep));

    // Sorted by name either way, the team stays last.
    QHeaderView* header = table->horizontalHeader();
    header->setSortIndicator(0, Qt::AscendingOrder);
    shown = rows(table);
    EXPECT_EQ(shown[0][0], "4 Ann Lee");
    EXPECT_EQ(shown[2][0], "5 Bo");
    EXPECT_EQ(shown[3][0], "Team");
    header->setSortIndicator(seasonColumnOf(BoxCol::REB), Qt::DescendingOrder);
    shown = rows(table);
    EXPECT_EQ(shown[0][0], "5 Bo");
    EXPECT_EQ(shown[3][0], "Team");
    // By free throws, either way: Ann Lee-Kim's one of one above the two who tried none.
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        header->setSortIndicator(seasonColumnOf(BoxCol::FTPer), order);
        shown = rows(table);
        EXPECT_EQ(shown[0][0], "4 Ann Lee-Kim") << order;
        EXPECT_EQ(shown[1][seasonColumnOf(BoxCol::FTPer)], "\u2013") << order;
        EXPECT_EQ(shown[2][seasonColumnOf(BoxCol::FTPer)], "\u2013") << order;
        EXPECT_EQ(shown[3][0], "Team") << order;
    }

    // Export CSV and Save as PDF: the files the scorer names.
    dialogs.shown.clear();
    dialogs.fileAnswers = {path("season.csv"), path("season.pdf")};
    QTest::mouseClick(season->findChild<QWidget*>(QStringLiteral("seasonCsv")), Qt::LeftButton);
    QTest::mouseClick(season->findChild<QWidget*>(QStringLiteral("seasonPdf")), Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 2u); // the two file dialogs, no failure
    EXPECT_EQ(dialogs.shown[0].title, "Export the season as CSV");
    EXPECT_EQ(dialogs.shown[1].title, "Save the season as PDF");
    EXPECT_EQ(bytes(path("season.csv")), seasonCsv(expected));
    EXPECT_TRUE(bytes(path("season.pdf")).starts_with("%PDF-"));

    // Escape closes the window; the main window goes on.
    // (QTest::qWaitForWindowActive counts a window of the main window's as active with it.)
    season->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([season] { return QApplication::activeWindow() == season; }));
    QTest::keyClick(season->table(), Qt::Key_Escape);
    EXPECT_FALSE(season->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->findChild<ui::SeasonWindow*>(QStringLiteral("season")), nullptr);
    EXPECT_TRUE(window->isVisible());
}

// A dialog cancelled, or only files that are no games: no window, and the reasons said.
TEST_F(SeasonTotals, NoGameToAddUpOpensNoWindow) {
    dialogs.fileListAnswers = {{}};
    trigger("mnufileseason");
    EXPECT_EQ(dialogs.shown.size(), 1u);
    dialogs.fileListAnswers = {{path("missing.txt")}};
    trigger("mnufileseason");
    ASSERT_EQ(dialogs.shown.size(), 3u);
    // The system's own words: "No such file or directory", "File not found" on Windows.
    const Season missing = readSeason({path("missing.txt")});
    ASSERT_EQ(missing.leftOut.size(), 1u);
    EXPECT_EQ(dialogs.shown[2].text, "These files were left out:");
    EXPECT_EQ(dialogs.shown[2].choices,
              std::vector<std::string>{"missing.txt: " + missing.leftOut[0].reason});
    EXPECT_EQ(window->findChild<ui::SeasonWindow*>(QStringLiteral("season")), nullptr);
}

// The window comes up in front of the sheet and is back in front once the files left out are
// told; its buttons carry no letter (any letter may be a name's), and it fits a small screen
// whole, every column readable, the table scrolling.
TEST_F(SeasonTotals, OpensInFrontAndFitsASmallScreen) {
    save("week1.txt");
    dialogs.fileListAnswers = {{path("week1.txt"), path("missing.txt")}};
    // Closing the real box gives the keys back to the window it opened over: the main window,
    // when the window system had not yet handed them to the table.
    dialogs.onShow = [this](const Shown& shown) {
        if (shown.kind == "listMessage") window->activateWindow();
    };
    trigger("mnufileseason");
    dialogs.onShow = nullptr;
    auto* season = window->findChild<ui::SeasonWindow*>(QStringLiteral("season"));
    ASSERT_NE(season, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([season] { return QApplication::activeWindow() == season; }));

    QStringList captions;
    for (const QPushButton* button : season->findChildren<QPushButton*>())
        captions << button->text();
    EXPECT_EQ(captions, (QStringList{"Print", "Save as PDF", "Export CSV", "Close (Esc)"}));

    // A laptop's screen, and a smaller one where the table must scroll.
    for (const QRect screen : {QRect(0, 0, 1280, 720), QRect(0, 0, 1024, 600)}) {
        season->fitOn(screen);
        EXPECT_TRUE(screen.contains(season->frameGeometry()))
            << ::testing::PrintToString(season->frameGeometry());
    }
    // Each title whole, in bold as when a row is selected, beside the sort arrow.
    const QHeaderView* header = season->table()->horizontalHeader();
    QFont bold = header->font();
    bold.setBold(true);
    for (int c = 0; c < header->count(); ++c) {
        QStyleOptionHeader option;
        option.initFrom(header);
        option.rect = QRect(0, 0, header->sectionSize(c), header->height());
        option.sortIndicator = QStyleOptionHeader::SortDown;
        const QString title = header->model()->headerData(c, Qt::Horizontal).toString();
        EXPECT_GE(header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header).width(),
                  QFontMetrics(bold).horizontalAdvance(title))
            << title.toStdString();
    }
}

// However many files are left out, their box fits the screen: the list scrolls, and OK, the
// default, is in reach; Escape closes the box too. The real box, answered from a timer.
TEST_F(SeasonTotals, TwoThousandFilesLeftOutFitTheScreen) {
    ui::QtDialogs real(window.get());
    std::vector<std::string> files;
    for (int i = 1; i <= 2000; ++i)
        files.push_back("stray " + std::to_string(i) + ".txt: It is not a game file");
    const QRect screen = window->screen()->availableGeometry();
    for (const bool escape : {false, true}) {
        Watchdog dog("the box of the files left out to be answered", std::chrono::seconds(20));
        bool answered = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (answered || !box || !box->isVisible()) return;
            answered = true;
            EXPECT_TRUE(box->property("holdsSheetKeys").toBool());
            EXPECT_TRUE(screen.contains(box->frameGeometry()))
                << ::testing::PrintToString(box->frameGeometry());
            auto* list = box->findChild<QListWidget*>();
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->count(), 2000);
            // The key filter's line, hidden until it has something to say, goes over the list.
            auto* held = box->findChild<QLabel*>(QStringLiteral("heldKeys"));
            ASSERT_NE(held, nullptr);
            EXPECT_FALSE(held->isVisible());
            held->show();
            box->layout()->activate();
            EXPECT_LE(held->geometry().bottom(), list->geometry().top());
            QPushButton* ok = box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            EXPECT_TRUE(ok->isVisible() && ok->isDefault());
            EXPECT_TRUE(screen.contains(QRect(ok->mapToGlobal(QPoint()), ok->size())));
            if (escape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                QTest::mouseClick(ok, Qt::LeftButton);
        });
        poll.start(5);
        real.listMessage(SeasonCommands::kLeftOut, files, SeasonCommands::kTitle,
                         Icon::Exclamation);
        EXPECT_TRUE(answered);
    }
}

} // namespace
} // namespace tallivant::testing
