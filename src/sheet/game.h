// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game on the window: the 306 field texts, the twelve names, the selected player and the
// takeback memory, with the operations that change them (selection, the thirteen stats,
// takeback, a cleared sheet). The window shows what the listener reports, as it happens, so a
// message shown half-way through a stat sees the sheet exactly as far as it has been written.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "sheet/columns.h"
#include "sheet/matchup.h"
#include "sheet/plays.h"
#include "sheet/stats.h"
#include "sheet/translatable.h"

namespace tallivant {

class GameListener {
public:
    virtual ~GameListener() = default;
    virtual void fieldChanged(Field f) = 0;
    // playernum changed: the name buttons show red exactly for the selected player.
    virtual void selectionChanged() = 0;
    virtual void nameChanged(int player) = 0;
    // The game went from saved to unsaved or back (see Game::hasUnsavedChanges).
    virtual void unsavedChanged() {}
    // A message box is about to open in the middle of a stat or a takeback.
    virtual void boxOpening() {}
    // The list of plays changed: a play was added, taken back, corrected, or the list replaced;
    // or the opponent's plays or the game's details did.
    virtual void playsChanged() {}
};

inline constexpr int kFoulTrouble = 3;

// What a name prompt offers for a new roster: a line still named so is a line nobody named.
inline constexpr const char* kNameDefault = "#  name";

// What a game remembers beside its sheet: the selected player and the takeback memory. A game
// brought back after a crash gets it back, so that it goes on as it was.
struct GameMemory {
    int playernum = 0;
    char tbletter = 0; // no letter: nothing to take back
    int oldplayernum = 0;
    Quarter tbquarter = Quarter::First;
    friend bool operator==(const GameMemory&, const GameMemory&) = default;
};

// The sheet's field texts, by Field::id().
using SheetTexts = std::array<std::string, kFields>;

// Our team fouls by quarter line, from the sheet's quarter lines: personal fouls, and technicals
// where the rules count them.
std::array<int, kQuarters> ourFoulsByQuarter(const SheetTexts& fields, const Rules& rules);
// Whether player N (1 to 12) is out under the rules, by the fouls on its line.
bool isFouledOut(const SheetTexts& fields, int player, const Rules& rules);

class Game {
public:
    explicit Game(Dialogs& dialogs);

    void setListener(GameListener* listener) { listener_ = listener; }
    // The language of the boxes the game shows itself (a missing player, foul trouble): each
    // text is translated, then its data filled in. English unless set.
    void setTranslate(Translate translate) { translate_ = std::move(translate); }
    // The separator of the percent texts this game writes ("." unless the window passes the
    // user's locale).
    void setDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }
    // A percent text from a file ("66.67%" or "66,67%") with this game's separator, so that one
    // sheet never shows two; any other text as it is.
    std::string withOwnSeparator(std::string text) const;

    const std::string& text(Field f) const { return fields_[f.id()]; }
    // A text or name that differs from the one it replaces is an unsaved change.
    void setText(Field f, std::string text);
    // Names are players 1 to 12.
    const std::string& name(int player) const { return names_[player - 1]; }
    void setName(int player, std::string name);

    int playernum() const { return playernum_; }
    // The takeback letter as text: empty while there is nothing to take back.
    std::string tbletter() const { return tbletter_ ? std::string(1, tbletter_) : std::string(); }
    int oldplayernum() const { return oldplayernum_; }
    // The name button of player N is red exactly while N is selected.
    bool isSelected(int player) const { return playernum_ == player; }
    // A personal foul field is light yellow exactly while it reads 3 or more.
    bool inFoulTrouble(int index) const;

    void selectPlayer(int player);
    void deselect();
    // A click on the stat button of row statRow of the stat table, with the given quarter on.
    void record(int statRow, Quarter current);
    void takeback();
    // Forgets the last stat, so that a takeback does nothing until the next stat button.
    void forgetTakeback();
    GameMemory memory() const { return {playernum_, tbletter_, oldplayernum_, tbquarter_}; }
    // Takes back a memory that memory() gave; one that does not fit this game is forgotten.
    void restoreMemory(const GameMemory& memory);
    // A stat whose box is open before its last field is written: that field, which the stat
    // will add one to once the box closes. A copy of the game taken meanwhile holds the whole
    // stat, not half of it.
    const std::optional<Field>& unfinished() const { return unfinished_; }
    // "0" in every field of the sheet.
    void zeroSheet();

    // The plays recorded, oldest first: each stat recorded adds one, a takeback marks its play
    // as no longer counted.
    const Plays& plays() const { return plays_; }
    // Where the time of day of a new play comes from ("hh:mm:ss"); the system clock unless set.
    void setTimeOfDay(std::function<std::string()> now) { timeOfDay_ = std::move(now); }
    // Corrections of earlier plays, given by their places in plays(). Each is one step after
    // which every field of the sheet is what it would be had the plays been recorded that way
    // (or not at all) in the first place, and each empties the takeback memory. A play it does
    // not apply to (removing one not counted, putting back one counted, giving a play to its
    // own player or moving it to its own quarter) is left as it is. True when anything changed.
    bool removePlays(const std::vector<int>& indices);
    bool putBackPlays(const std::vector<int>& indices);
    bool givePlays(const std::vector<int>& indices, int player);
    bool movePlays(const std::vector<int>& indices, Quarter quarter);
    // Replaces the list (a game opened or restored, or a new one with none); the sheet stays.
    void setPlays(Plays plays);

    // The other side and the game's details: who played whom, the rules, the opponent's plays.
    const Matchup& matchup() const { return matchup_; }
    const Rules& rules() const { return matchup_.details.rules; }
    // Details that differ from those the game has are an unsaved change.
    void setDetails(GameDetails details);
    // Replaces the details and the opponent's plays (a game opened, restored or started). An
    // opponent play that does not say which of ours it came after is placed by its time.
    void setMatchup(Matchup matchup);
    // An opponent play in the quarter that is on: points, a team foul, or the quarter's points
    // set to a figure.
    void recordOpponent(OpponentWhat what, Quarter quarter, int figure = 0);
    // Corrections of the opponent's plays, by their places in matchup().opponent, as those of
    // ours. True when anything changed.
    bool removeOpponentPlays(const std::vector<int>& indices);
    bool putBackOpponentPlays(const std::vector<int>& indices);
    bool moveOpponentPlays(const std::vector<int>& indices, Quarter quarter);
    // Undoes the newest entry of either side: an opponent play recorded since our last stat is
    // removed; otherwise our last stat is taken back. What was undone, for the window to say.
    enum class Undone { Nothing, Opponent, Ours };
    struct UndoneEntry {
        Undone kind = Undone::Nothing;
        OpponentPlay opponent; // with Opponent
        Play ours;             // with Ours
    };
    UndoneEntry undoNewest();

    // Whether player N (1 to 12) is out under the game's rules, by the fouls on its line.
    bool isFouledOut(int player) const;
    // A side's team fouls by quarter line: ours from the sheet's quarter lines (personal fouls,
    // technicals where the rules count them), theirs from their plays.
    std::array<int, kQuarters> ourFoulsByQuarter() const;

    // True when a stat, a takeback or a name has changed the game since it was last saved,
    // opened or started; the window asks before such a game is set aside.
    bool hasUnsavedChanges() const { return unsaved_; }
    // The game as it stands is now in a file (saved or just opened), or is a fresh start.
    void markSaved() { setUnsaved(false); }
    // The game as it stands is in no file (a game restored after a crash).
    void markUnsaved() { setUnsaved(true); }

    static constexpr const char* kNoPlayerText =
        QT_TRANSLATE_NOOP("Core", "Please select player first.");
    static constexpr const char* kNotANumber =
        QT_TRANSLATE_NOOP("Core", "The last stat could not be taken back: the player's line holds "
                                  "a value that is not a number.");
    static constexpr const char* kFoulTroubleTitle = QT_TRANSLATE_NOOP("Core", "Foul trouble");

private:
    double value(Field f) const;
    void add(Field f, double amount);
    void writePercent(int line, int madeCol, bool divideNegative);
    void recordShot(const StatInfo& s, int index, int qline);
    void recordCount(const StatInfo& s, int index, int qline);
    void shotTotalsAndPlayer(const StatInfo& s, int index, int sign);
    void takebackShot(const StatInfo& s, int index, int qline);
    void takebackCount(const StatInfo& s, int index, int qline);
    // The play a takeback has just taken from the sheet no longer counts.
    void markTakenBack(int tpnum);
    // Adds (sign 1) or subtracts (-1) what one stat counts on one line; its percentage follows.
    void countOnLine(const StatInfo& s, int line, int sign);
    // Turns the play into `after`: what it counts on lines it leaves is subtracted, and added on
    // the lines it comes to. Not done, and false, if a count would go below 0.
    bool changePlay(Play& play, const Play& after);
    // The plays at those places, each edited by `edit` and changed as one step; `changed` hears
    // each play that changed.
    bool correctPlays(const std::vector<int>& indices, const std::function<void(Play&)>& edit,
                      const std::function<void(const Play&)>& changed = {});
    void setPlayernum(int player);
    // A box with the text and the title (a marked text) in the game's language.
    void tell(const std::string& text, const char* title, Icon icon);
    std::string shown(std::string_view english) const { return translatedBy(translate_, english); }
    // "The player has 5", and below it why the player is out when this foul put the player out.
    std::string foulTroubleText(int player, bool wasOut) const;
    // "The player has 5" for a count as the sheet holds it, and the out line below it if `out`.
    std::string foulTroubleText(const std::string& fouls, int player, bool out) const;
    // "Fouled out (FIBA: 5 fouls)" for player N as the line stands.
    std::string fouledOutLine(int player) const;
    bool correctOpponent(const std::vector<int>& indices,
                         const std::function<void(OpponentPlay&)>& edit);
    std::string now() const;
    void setUnsaved(bool unsaved);
    void notify(Field f) {
        if (listener_) listener_->fieldChanged(f);
    }

    Dialogs& dialogs_;
    GameListener* listener_ = nullptr;
    std::string decimalSeparator_ = ".";
    std::array<std::string, kFields> fields_;
    std::array<std::string, kPlayers> names_;
    int playernum_ = 0;
    // Takeback memory: the last stat button's letter, the player then selected, and the
    // quarter the stat went to. No letter (0) after a takeback or a fresh game.
    char tbletter_ = 0;
    int oldplayernum_ = 0;
    Quarter tbquarter_ = Quarter::First;
    bool unsaved_ = false;
    std::optional<Field> unfinished_;
    Plays plays_;
    Matchup matchup_;
    std::function<std::string()> timeOfDay_;
    Translate translate_;
};

} // namespace tallivant
