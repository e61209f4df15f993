// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window `stat`: the stat sheet's 306 fields, the name and stat buttons, the quarter
// options, the clock panel and the menu bar, all built from the layout and menu tables.
//
//   click / Alt-letter / menu / tick ──> StatWindow ──> Game (sheet, selection, stats, takeback)
//                                             │            │ GameListener: field, selection, name
//                                             │            └──> the window repaints that control
//                                             └──> Clock (countdown) ──> lblclock, caption
//
// Messages and questions go through the Dialogs the window was given.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <string>

#include <QKeySequence>
#include <QSet>

#include "clock/clock.h"
#include "session/file_commands.h"
#include "session/game_session.h"
#include "sheet/game.h"
#include "ui/commands.h"
#include "ui/key_repeats.h"

class QAction;
class QCloseEvent;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tallivant::ui {

class ClientArea;
class KeysWindow;
class PlaysWindow;
class SheetField;
class Strip;

class StatWindow : public QMainWindow, private GameListener, private FilesHost, private Commands {
    Q_OBJECT
public:
    explicit StatWindow(Dialogs& dialogs, QWidget* parent = nullptr);
    ~StatWindow() override;

    Game& game() { return game_; }
    const Game& game() const { return game_; }
    GameSession& session() { return session_; }
    const Clock& clock() const { return clock_; }

    // The quarter whose option button is on now.
    Quarter currentQuarter() const override;
    // As a click on the first quarter's option button (a new or opened game starts there).
    void switchFirstQuarterOn() override;
    void switchQuarterOn(Quarter quarter) override;
    std::string stateFolder() const override;
    std::string startFolder() const override;
    void folderUsed(const std::string& folder) override;
    // The caption of `lblfname`.
    void setFileLabel(const std::string& text) override;
    std::string fileLabel() const override;
    void gameDiscarded() override;
    // At start-up: offers back the game of a copy of the program that ended before saving it.
    void offerRecovery();
    // A game named on the command line, opened as File|Open opens the file chosen.
    void openGameFile(const std::string& path);
    RecoveryCopy& recoveryCopy() { return copy_; }
    Strip* strip() const { return strip_; }
    // What a key of the sheet does now (the keyboard map's, a stat's or a name's letter), or
    // nothing for a key that is none of them.
    std::function<void()> sheetKey(const QKeySequence& key);

    static constexpr const char* kRestoreTitle = GameSession::kRestoreTitle;
    static constexpr const char* kRestoreText = GameSession::kRestoreText;
    static constexpr const char* kNotYetSaved = GameSession::kNotYetSaved;
    // The texts of File|Share live..., in English, marked for translation in the context
    // "LivePage".
    static constexpr const char* kShareTitle = QT_TRANSLATE_NOOP("LivePage", "Share live");
    //: %1 is the folder the page is written to
    static constexpr const char* kSharingText =
        QT_TRANSLATE_NOOP("LivePage", "Sharing live to %1.");
    static constexpr const char* kStopSharing = QT_TRANSLATE_NOOP("LivePage", "Stop sharing");
    static constexpr const char* kShareElsewhere =
        QT_TRANSLATE_NOOP("LivePage", "Share to another folder");
    static constexpr const char* kSharingStopped =
        QT_TRANSLATE_NOOP("LivePage", "Stopped sharing live");
    static constexpr const char* kFolderTitle =
        QT_TRANSLATE_NOOP("LivePage", "Share live: the folder for the page");
    static constexpr const char* kNamesText = QT_TRANSLATE_NOOP("LivePage", "Names on the page:");
    static constexpr const char* kNamesAsOnButtons =
        QT_TRANSLATE_NOOP("LivePage", "as on the buttons");
    static constexpr const char* kNumbersOnly = QT_TRANSLATE_NOOP("LivePage", "numbers only");
    //: %1 is the folder chosen, %2 why the page cannot be written there
    static constexpr const char* kNotShared =
        QT_TRANSLATE_NOOP("LivePage", "The game cannot be shared live to %1: %2");
    // The path of the last File|Open that did not complete (empty otherwise).
    const std::string& filename() const { return files_.filename(); }

protected:
    // Closing the window (File|Exit or the title bar) asks first about an unsaved game.
    void closeEvent(QCloseEvent* event) override;
    // Drops the keyboard's auto-repeat of keys that act: one press, one stat.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanel();
    void buildStatButtons();
    void buildSheet();
    void buildMenus();
    void load();
    void collectFixedKeys();
    void paintFoul(int index);
    void showClock();
    void showNames();
    // The timeout, possession and on-the-floor boxes, which the recovery copy keeps beside the
    // game (no game file holds them).
    ScreenMarks marks() const;
    void showMarks(const ScreenMarks& marks);
    void marksChanged();

    void statClicked(int row);
    void nameClicked(int player);
    void clockTicked();

    void newGame() override;
    void print() override;
    void openGame() override;
    void saveGame() override;
    void saveReportAsPdf() override;
    void exportCsv() override;
    void seasonTotals() override;
    void newGameSameRoster() override;
    // Ctrl+S: the game saved to its own file at once, or through File|Save when it has none.
    void saveToOwnFile();
    void exit() override;
    void editRoster() override;
    void showInstructions() override;
    // Opens the Plays window, or brings it to the front.
    void showPlays() override;
    void nextQuarter() override;
    void previousQuarter() override;
    // As a click on the quarter's option button `by` places after (or before) the one on.
    void stepQuarter(int by);
    void quarterSwitched();
    void showKeys() override;
    void tell(const std::string& news) override;
    void showFilesState();
    void takeback() override;
    // Ctrl+Z: the newest entry of either side, said in the strip.
    void undoNewest();
    // Ctrl+1 to Ctrl+3 (`arg` 0 to 2) and Ctrl+M (3): an opponent play in the quarter on.
    void recordOpponent(int arg);
    // The strip's score line, as the game stands now.
    void showScore();
    void gameDetails() override;
    // File|Share live...: a folder for the live page and how it names players, or, while
    // sharing, stop or another folder.
    void shareLive() override;
    // The live page's writer said something for the strip.
    void shareChanged();
    void startStopClock() override;
    void resetClock() override;

    void fieldChanged(Field f) override;
    void selectionChanged() override;
    void nameChanged(int player) override;
    void playsChanged() override;
    void unsavedChanged() override;
    // Whatever was on the screen is in the recovery copy before a box of the game or the file
    // commands opens.
    void boxOpening() override;

    Dialogs& dialogs_;
    GameSession session_;
    // The session's, named as the window uses them most.
    Game& game_ = session_.game();
    RecoveryCopy& copy_ = session_.copy();
    FileCommands& files_ = session_.files();
    Clock clock_;
    // Alt-letters of the stat buttons, the clock button and the menu titles: a name typed
    // with one of these letters does not take it over.
    QSet<QKeySequence> fixedKeys_;

    ClientArea* client_ = nullptr;
    QTimer* timer_ = nullptr;
    std::array<SheetField*, kFields> fields_{};
    std::array<QPushButton*, kStats> statButtons_{};
    std::array<QPushButton*, kPlayers> nameButtons_{};
    std::array<QRadioButton*, kQuarters> quarterButtons_{};
    QRadioButton* optyouposs_ = nullptr;
    QRadioButton* theirPossession_ = nullptr;
    std::array<QCheckBox*, ScreenMarks::kTimeouts> timeoutBoxes_{};
    std::array<QCheckBox*, kPlayers> floorBoxes_{};
    QLabel* lblclock_ = nullptr;
    QLabel* lblfname_ = nullptr;
    QPushButton* startStop_ = nullptr;
    QPushButton* takeback_ = nullptr;
    // Made when first asked for; it shows the game, so it goes before the game does.
    PlaysWindow* plays_ = nullptr;
    KeysWindow* keys_ = nullptr;
    Strip* strip_ = nullptr;
    KeyRepeats repeats_;

    // What each name button and personal foul field shows now, so a repaint touches only the
    // controls whose colour really changes.
    std::array<bool, kPlayers> nameRed_{};
    std::array<bool, kPlayers> foulShown_{};
};

} // namespace tallivant::ui
