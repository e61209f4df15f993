<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ButtonRow</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Keeps one basketball team&apos;s statistics during a game.
With --pdf, --csv, --json or --html, writes the report, the box score or the
live page of a game file and ends, with no window; with --season-pdf
or --season-csv, the same for the season totals of any number of
game files.</source>
        <extracomment>--pdf and the like are the options&apos; names: keep them as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the report of GAME to OUT as PDF.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the box score of GAME to OUT as CSV, and its plays beside it (OUT&apos;s name with -plays.csv).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the season totals of the GAME files to OUT as PDF.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the season totals of the GAME files to OUT as CSV.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write GAME to OUT as the live page&apos;s JSON (game.json).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the live page of GAME to OUT (index.html).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A game file, opened in the window or written out by --pdf, --csv, --json and --html; for --season-pdf and --season-csv, the season&apos;s game files.</source>
        <extracomment>--pdf and the like are the options&apos; names: keep them as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <extracomment>%1 is the option&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs a file name.</source>
        <extracomment>%1 is the option&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs a file name, not %2 (for a file of that name, write ./%2).</source>
        <extracomment>%1 is the option&apos;s name, %2 the next option, taken for its file name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pdf, --csv, --json and --html write one game, --season-pdf and --season-csv a season: not both at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--season-pdf and --season-csv need the game files to add up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one game file at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pdf, --csv, --json and --html need the game file to write from.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than %1 MiB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds %1 of the %2 values of a game file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a game file: a game file begins with the header &quot;Name&quot;,&quot;FGM&quot;,…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st Qtr Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd Qtr Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd Qtr Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th Qtr Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overtime Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is in the season already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An earlier save of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1&apos;s %2 hold %3: a count must be a whole number from 0 to 9,999.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game totals&apos; %1 hold %2: a count must be a whole number from 0 to 9,999.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game with a score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record %1-%2, %3 points against per game (%4 game with a score)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record %1-%2, %3 points against per game (%4 games with a score)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 tie), %4 points against per game (%5 game with a score)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 tie), %4 points against per game (%5 games with a score)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 ties), %4 points against per game (%5 game with a score)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 ties), %4 points against per game (%5 games with a score)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field goals made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field goals attempted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field goal percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free throws made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free throws attempted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free throw percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three-pointers made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three-pointers attempted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three-point percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rebounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>assists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turnovers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>steals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>personal fouls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>technical fouls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>what a screen reader says of a player&apos;s line: %1 is its number, 1 to 12</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select player first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last stat could not be taken back: the player&apos;s line holds a value that is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foul trouble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fouled out (%1)</source>
        <extracomment>%1 is why the player is out: &quot;FIBA: 5 fouls&quot; or &quot;2 technical fouls&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player has %1</source>
        <extracomment>%1 is the number of personal fouls the player has</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team foul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points set to %1</source>
        <extracomment>the opponent&apos;s points in the quarter set to a figure: %1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taken back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from %1</source>
        <extracomment>a play given to another player: %1 is the name of the player it was recorded for
----------
a play moved to another quarter: %1 is the quarter it was recorded in (&quot;2nd&quot;, &quot;OT&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field goal made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal foul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a play&apos;s note: %1 its first parts, %2 the next (&quot;taken back, from 2nd&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NCAA men</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NCAA women</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US high school</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 technical fouls</source>
        <extracomment>why a player is out: %1 is the number of technical fouls that eject</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 fouls</source>
        <extracomment>%1 is the rules&apos; name (&quot;FIBA&quot;), %2 the number of fouls that put a player out</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game is too large to keep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is one of the games being read; choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two outputs name the same file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds a game; choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Details</name>
    <message>
        <source>All overtime periods count together: the sheet has one overtime line.
The last-two-minutes rule needs a clock and is not applied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 1st and 2nd quarter lines are the two halves;
the 3rd and 4th stay unused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our &amp;team:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Opponent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rules:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technical fouls count toward it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fouls to foul out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technical fouls that eject:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technical fouls are team fouls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One-and-one from team foul:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two shots from team foul:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team fouls start again:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with the last period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on their own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on their own; the penalty carries over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overtime fouls count:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overtime: two shots from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponent&apos;s points:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>%1 is a period&apos;s name (&quot;1st&quot;, &quot;2nd half&quot;, &quot;OT&quot;) before its points</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why it was not written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report has not been saved: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the box score as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The box score has not been exported: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PDF could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the season as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The season has not been saved: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the season as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The season has not been exported: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the players number and name--no more than 13 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the players number and name--no more than 16 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the destination file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a file name before pressing the save button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your file has been saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to %1 at %2</source>
        <extracomment>%1 is the file&apos;s name, %2 the time of day</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your file has not been saved: %1</source>
        <extracomment>%1 is why (the system&apos;s words, or another text of the program)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game would be too large to open again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select/highlight appropriate file name in the file list box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays not opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plays of this file do not match its statistics; they were not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has changed since this game was last kept. Replace it with this game?</source>
        <extracomment>%1 is the game file&apos;s path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file holds more plays than a game file can keep; the statistics were opened without them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statistics of this game have not been saved. Save them first?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>File: %1
Last change: %2
Players: %3</source>
        <extracomment>%1 is the game&apos;s file (or &quot;not yet saved&quot;), %2 when it last changed, %3 the first names</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallivant ended before this game was saved. Restore it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not yet saved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>If you are going to run two copies of tallivant at once set the windows taskbar to &apos;always on top&apos; by selecting the windows &apos;start&apos; button then &apos;settings&apos; then &apos;taskbar&apos; then &apos;always on top&apos; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click for instructions message 1 of 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set your screen resolution to 800 x 600 or greater.  To do this:From the windows desktop select the &apos;start&apos; button.  Select &apos;settings&apos;.  Select &apos;control panel&apos;. Double-click on the &apos;display&apos; icon in the control panel.  Select the &apos;settings&apos; tab. Set the screen area to 800 x 600 or greater.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click for instructions message 2 of 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To start with enter the team roster by selecting File|New from the file menu.  A prompt appears for you to enter 12 player names one-at-a-time.  If you don&apos;t have 12 players just press enter for the remaining players.  When you are ready to enter stats, select the player first by clicking once on his name and then clicking once on the appropriate stat button.  The changes are made in the appropriate boxes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click for instructions message 3 of 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you make a mistake click once on the &apos;takeback&apos; button.  It will undo the last stat you entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click for instructions message 4 of 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you need to edit the roster select &apos;Edit Roster&apos; then &apos;Edit roster&apos;. You do not have to retype every name.  If you want to keep a name the way it is just click &apos;o.k.&apos;.  The empty boxes to the left of each player&apos;s name is used to show who is on the floor currently.  Checked means the player is on the floor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Field goal made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal foul (the player stays selected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+the letter after &amp; in a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selects that player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts or stops the timeout clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undoes the newest entry: an opponent play recorded since our last stat, else our last stat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opponent scored 1 point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opponent scored 2 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opponent scored 3 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An opponent team foul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the game to its file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Roster menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color change menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove: the selected plays leave the totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back: the selected plays count again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give to: another player gets the selected plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarter: the selected plays go to another quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The oldest play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What it does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Held: %1. Enter: they act. Escape: they are dropped.</source>
        <extracomment>%1 lists the keys pressed while the box was open (&quot;Alt+C, Ctrl+1&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>Tallivant live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game shows here as soon as its script runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game to show yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated %1</source>
        <extracomment>%1 is the time of day the page was last written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not updated since %1</source>
        <extracomment>%1 is the time of day the page was last written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Team fouls %2</source>
        <extracomment>%1 is a team&apos;s name, %2 its count of team fouls in the period</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the next gives two shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the next gives one-and-one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score by period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The column of the whole game&apos;s points after the periods&apos;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (out)</source>
        <extracomment>%1 is a player&apos;s name; the player has fouled out</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <extracomment>The box score&apos;s line of the team&apos;s totals</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No plays yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays, newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The live page&apos;s language as an HTML language code: de, fr, es, it ...</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing live to %1.</source>
        <extracomment>%1 is the folder the page is written to</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop sharing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share to another folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped sharing live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share live: the folder for the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names on the page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as on the buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>numbers only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game cannot be shared live to %1: %2</source>
        <extracomment>%1 is the folder chosen, %2 why the page cannot be written there</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Fi&amp;le</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game, same roster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share live...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ed&amp;it Roster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit roster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color chan&amp;ge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pla&amp;ys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Plays</name>
    <message>
        <source>#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>third quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fourth quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>overtime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play %1, %2, %3, %4, %5</source>
        <extracomment>%1 the play&apos;s number, %2 its time, %3 its quarter, %4 the player, %5 the stat</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play %1, %2, %3, %4, %5, %6</source>
        <extracomment>as without a note, and %6 the play&apos;s note (&quot;taken back&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays, newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarter...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the selected plays to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected plays to:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallivant cannot keep a recovery copy of this game: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallivant cannot keep the discarded game: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Tallivant stat report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure the printer is ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure the printer is on and has paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallivant season totals</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Season</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why it was left out</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the games of the season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files were left out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the season totals</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Field goal made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal foul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MADE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MISSED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current   Qtr  OT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takeback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start or stop the timeout clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the timeout clock to one minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full timeout 1 used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full timeout 2 used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full timeout 3 used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20-Second T.O.&apos;s used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20-second timeout 1 used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20-second timeout 2 used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possesion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our team has possession</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opponent has possession</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First quarter Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Quarter Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Quarter Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Quarter Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overtime Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foul trouble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on the floor</source>
        <extracomment>%1 is a player&apos;s line of the sheet: &quot;Player 3&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 is a line of the sheet (&quot;Player 3&quot;, &quot;Game totals&quot;), %2 a column (&quot;assists&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Strip</name>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 is the name of the file written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1</source>
        <extracomment>%1 is the name of the file written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1 and %2</source>
        <extracomment>%1 and %2 are the names of the files written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 and %2</source>
        <extracomment>%1 and %2 are the names of the files written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped sharing live: another game is on the sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not sharing live to %1: %2</source>
        <extracomment>%1 is the folder, %2 why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why it cannot be written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live page behind: %1 has not taken a file for %2 s</source>
        <extracomment>%1 is the folder, %2 a number of seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live page failing: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing live to %1</source>
        <extracomment>%1 is the folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live page not written: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team fouls %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team fouls %1 (the next gives two shots)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team fouls %1 (the next gives one-and-one)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: we shoot two</source>
        <extracomment>%1 is the opponent&apos;s name, %2 its team fouls</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: we shoot one-and-one</source>
        <extracomment>%1 is the opponent&apos;s name, %2 its team fouls</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fouled out: %1</source>
        <extracomment>%1 lists the players, &quot;6 Tess Kim, 9 Ana Ruiz&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1 1 point (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1 2 points (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1 3 points (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1 team foul (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1 points set to %2 (%3)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 their points, %3 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taken back: %1, %2</source>
        <extracomment>%1 is the stat (&quot;Rebound&quot;), %2 the player (&quot;6 Tess Kim&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has fouled out</source>
        <extracomment>%1 is the player (&quot;6 Tess Kim&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery copy failing: %1</source>
        <extracomment>%1 is why the copy cannot be written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery copy kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>News</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
