<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ButtonRow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Führt während eines Spiels die Statistik einer Basketballmannschaft.
Mit --pdf, --csv, --json oder --html werden der Bericht, der Boxscore oder die
Live-Seite einer Spieldatei geschrieben und das Programm endet, ohne Fenster;
mit --season-pdf oder --season-csv dasselbe für die Saisonsummen
beliebig vieler Spieldateien.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Write the report of GAME to OUT as PDF.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Den Bericht von GAME als PDF nach OUT schreiben.</translation>
    </message>
    <message>
        <source>Write the box score of GAME to OUT as CSV, and its plays beside it (OUT&apos;s name with -plays.csv).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Den Boxscore von GAME als CSV nach OUT schreiben und seine Aktionen daneben (der Name von OUT mit -plays.csv).</translation>
    </message>
    <message>
        <source>Write the season totals of the GAME files to OUT as PDF.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Die Saisonsummen der GAME-Dateien als PDF nach OUT schreiben.</translation>
    </message>
    <message>
        <source>Write the season totals of the GAME files to OUT as CSV.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Die Saisonsummen der GAME-Dateien als CSV nach OUT schreiben.</translation>
    </message>
    <message>
        <source>Write GAME to OUT as the live page&apos;s JSON (game.json).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>GAME als JSON der Live-Seite (game.json) nach OUT schreiben.</translation>
    </message>
    <message>
        <source>Write the live page of GAME to OUT (index.html).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Die Live-Seite von GAME nach OUT schreiben (index.html).</translation>
    </message>
    <message>
        <source>A game file, opened in the window or written out by --pdf, --csv, --json and --html; for --season-pdf and --season-csv, the season&apos;s game files.</source>
        <extracomment>--pdf and the like are the options&apos; names: keep them as they are</extracomment>
        <translation>Eine Spieldatei, im Fenster geöffnet oder mit --pdf, --csv, --json und --html ausgegeben; bei --season-pdf und --season-csv die Spieldateien der Saison.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <extracomment>%1 is the option&apos;s name</extracomment>
        <translation>--%1 ist mehrfach angegeben.</translation>
    </message>
    <message>
        <source>--%1 needs a file name.</source>
        <extracomment>%1 is the option&apos;s name</extracomment>
        <translation>--%1 braucht einen Dateinamen.</translation>
    </message>
    <message>
        <source>--%1 needs a file name, not %2 (for a file of that name, write ./%2).</source>
        <extracomment>%1 is the option&apos;s name, %2 the next option, taken for its file name</extracomment>
        <translation>--%1 braucht einen Dateinamen, nicht %2 (für eine Datei dieses Namens schreiben Sie ./%2).</translation>
    </message>
    <message>
        <source>--pdf, --csv, --json and --html write one game, --season-pdf and --season-csv a season: not both at once.</source>
        <translation>--pdf, --csv, --json und --html schreiben ein Spiel, --season-pdf und --season-csv eine Saison: nicht beides zugleich.</translation>
    </message>
    <message>
        <source>--season-pdf and --season-csv need the game files to add up.</source>
        <translation>--season-pdf und --season-csv brauchen die Spieldateien, die zusammengezählt werden sollen.</translation>
    </message>
    <message>
        <source>one game file at a time.</source>
        <translation>nur eine Spieldatei auf einmal.</translation>
    </message>
    <message>
        <source>--pdf, --csv, --json and --html need the game file to write from.</source>
        <translation>--pdf, --csv, --json und --html brauchen die Spieldatei, aus der geschrieben wird.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB.</source>
        <translation>Die Datei ist größer als %1 MiB.</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <translation>Die Datei ist keine Textdatei.</translation>
    </message>
    <message>
        <source>It holds %1 of the %2 values of a game file.</source>
        <translation>Die Datei enthält %1 der %2 Werte einer Spieldatei.</translation>
    </message>
    <message>
        <source>It is not a game file: a game file begins with the header &quot;Name&quot;,&quot;FGM&quot;,…</source>
        <translation>Die Datei ist keine Spieldatei: Eine Spieldatei beginnt mit der Kopfzeile &quot;Name&quot;,&quot;FGM&quot;,…</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>1st Qtr Totals</source>
        <translation>Summe 1. Viertel</translation>
    </message>
    <message>
        <source>2nd Qtr Totals</source>
        <translation>Summe 2. Viertel</translation>
    </message>
    <message>
        <source>3rd Qtr Totals</source>
        <translation>Summe 3. Viertel</translation>
    </message>
    <message>
        <source>4th Qtr Totals</source>
        <translation>Summe 4. Viertel</translation>
    </message>
    <message>
        <source>Overtime Totals</source>
        <translation>Summe Verl.</translation>
    </message>
    <message>
        <source>Game Totals</source>
        <translation>Summe Spiel</translation>
    </message>
    <message>
        <source>It is in the season already.</source>
        <translation>Die Datei ist bereits in der Saison.</translation>
    </message>
    <message>
        <source>An earlier save of %1.</source>
        <translation>Ein früher gespeicherter Stand von %1.</translation>
    </message>
    <message>
        <source>Player %1&apos;s %2 hold %3: a count must be a whole number from 0 to 9,999.</source>
        <translation>Spieler %1, %2: %3 – eine Anzahl muss eine ganze Zahl von 0 bis 9.999 sein.</translation>
    </message>
    <message>
        <source>The game totals&apos; %1 hold %2: a count must be a whole number from 0 to 9,999.</source>
        <translation>Spielsumme, %1: %2 – eine Anzahl muss eine ganze Zahl von 0 bis 9.999 sein.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>No game with a score</source>
        <translation>Kein Spiel mit Ergebnis</translation>
    </message>
    <message>
        <source>Record %1-%2, %3 points against per game (%4 game with a score)</source>
        <translation>Bilanz %1-%2, %3 Gegenpunkte pro Spiel (%4 Spiel mit Ergebnis)</translation>
    </message>
    <message>
        <source>Record %1-%2, %3 points against per game (%4 games with a score)</source>
        <translation>Bilanz %1-%2, %3 Gegenpunkte pro Spiel (%4 Spiele mit Ergebnis)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 tie), %4 points against per game (%5 game with a score)</source>
        <translation>Bilanz %1-%2 (%3 Unentschieden), %4 Gegenpunkte pro Spiel (%5 Spiel mit Ergebnis)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 tie), %4 points against per game (%5 games with a score)</source>
        <translation>Bilanz %1-%2 (%3 Unentschieden), %4 Gegenpunkte pro Spiel (%5 Spiele mit Ergebnis)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 ties), %4 points against per game (%5 game with a score)</source>
        <translation>Bilanz %1-%2 (%3 Unentschieden), %4 Gegenpunkte pro Spiel (%5 Spiel mit Ergebnis)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 ties), %4 points against per game (%5 games with a score)</source>
        <translation>Bilanz %1-%2 (%3 Unentschieden), %4 Gegenpunkte pro Spiel (%5 Spiele mit Ergebnis)</translation>
    </message>
    <message>
        <source>field goals made</source>
        <translation>Feldwürfe getroffen</translation>
    </message>
    <message>
        <source>field goals attempted</source>
        <translation>Feldwürfe versucht</translation>
    </message>
    <message>
        <source>field goal percentage</source>
        <translation>Feldwurfquote</translation>
    </message>
    <message>
        <source>free throws made</source>
        <translation>Freiwürfe getroffen</translation>
    </message>
    <message>
        <source>free throws attempted</source>
        <translation>Freiwürfe versucht</translation>
    </message>
    <message>
        <source>free throw percentage</source>
        <translation>Freiwurfquote</translation>
    </message>
    <message>
        <source>three-pointers made</source>
        <translation>Dreier getroffen</translation>
    </message>
    <message>
        <source>three-pointers attempted</source>
        <translation>Dreier versucht</translation>
    </message>
    <message>
        <source>three-point percentage</source>
        <translation>Dreierquote</translation>
    </message>
    <message>
        <source>rebounds</source>
        <translation>Rebounds</translation>
    </message>
    <message>
        <source>assists</source>
        <translation>Assists</translation>
    </message>
    <message>
        <source>turnovers</source>
        <translation>Ballverluste</translation>
    </message>
    <message>
        <source>steals</source>
        <translation>Ballgewinne</translation>
    </message>
    <message>
        <source>blocks</source>
        <translation>Blocks</translation>
    </message>
    <message>
        <source>personal fouls</source>
        <translation>persönliche Fouls</translation>
    </message>
    <message>
        <source>technical fouls</source>
        <translation>technische Fouls</translation>
    </message>
    <message>
        <source>points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Second quarter</source>
        <translation>Zweites Viertel</translation>
    </message>
    <message>
        <source>Third quarter</source>
        <translation>Drittes Viertel</translation>
    </message>
    <message>
        <source>Fourth quarter</source>
        <translation>Viertes Viertel</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Verlängerung</translation>
    </message>
    <message>
        <source>Game totals</source>
        <translation>Spielsumme</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>what a screen reader says of a player&apos;s line: %1 is its number, 1 to 12</extracomment>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Achtung!</translation>
    </message>
    <message>
        <source>Please select player first.</source>
        <translation>Bitte wählen Sie zuerst einen Spieler aus.</translation>
    </message>
    <message>
        <source>The last stat could not be taken back: the player&apos;s line holds a value that is not a number.</source>
        <translation>Der letzte Wert konnte nicht zurückgenommen werden: Die Zeile des Spielers enthält einen Wert, der keine Zahl ist.</translation>
    </message>
    <message>
        <source>Foul trouble</source>
        <translation>Foulprobleme</translation>
    </message>
    <message>
        <source>Fouled out (%1)</source>
        <extracomment>%1 is why the player is out: &quot;FIBA: 5 fouls&quot; or &quot;2 technical fouls&quot;</extracomment>
        <translation>Ausgefoult (%1)</translation>
    </message>
    <message>
        <source>The player has %1</source>
        <extracomment>%1 is the number of personal fouls the player has</extracomment>
        <translation>Der Spieler hat %1 Fouls</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 Punkt</translation>
    </message>
    <message>
        <source>2 points</source>
        <translation>2 Punkte</translation>
    </message>
    <message>
        <source>3 points</source>
        <translation>3 Punkte</translation>
    </message>
    <message>
        <source>Team foul</source>
        <translation>Mannschaftsfoul</translation>
    </message>
    <message>
        <source>Points set to %1</source>
        <extracomment>the opponent&apos;s points in the quarter set to a figure: %1</extracomment>
        <translation>Punkte auf %1 gesetzt</translation>
    </message>
    <message>
        <source>taken back</source>
        <translation>zurückgenommen</translation>
    </message>
    <message>
        <source>from %1</source>
        <extracomment>a play given to another player: %1 is the name of the player it was recorded for
----------
a play moved to another quarter: %1 is the quarter it was recorded in (&quot;2nd&quot;, &quot;OT&quot;)</extracomment>
        <translation>zuvor %1</translation>
    </message>
    <message>
        <source>Us</source>
        <translation>Wir</translation>
    </message>
    <message>
        <source>Field goal made</source>
        <translation>Feldwurf getroffen</translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation>Feldwurf vergeben</translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation>Freiwurf getroffen</translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation>Freiwurf vergeben</translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation>Dreier getroffen</translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation>Dreier vergeben</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Rebound</translation>
    </message>
    <message>
        <source>Assist</source>
        <translation>Assist</translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation>Ballverlust</translation>
    </message>
    <message>
        <source>Steal</source>
        <translation>Ballgewinn</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Personal foul</source>
        <translation>Persönliches Foul</translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation>Technisches Foul</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1. Viertel</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2. Viertel</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3. Viertel</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4. Viertel</translation>
    </message>
    <message>
        <source>OT</source>
        <translation>Verl.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a play&apos;s note: %1 its first parts, %2 the next (&quot;taken back, from 2nd&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>NCAA men</source>
        <translation>NCAA Männer</translation>
    </message>
    <message>
        <source>NCAA women</source>
        <translation>NCAA Frauen</translation>
    </message>
    <message>
        <source>US high school</source>
        <translation>US-Highschool</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>1st half</source>
        <translation>1. Halbzeit</translation>
    </message>
    <message>
        <source>2nd half</source>
        <translation>2. Halbzeit</translation>
    </message>
    <message>
        <source>Q1</source>
        <translation>Q1</translation>
    </message>
    <message>
        <source>Q2</source>
        <translation>Q2</translation>
    </message>
    <message>
        <source>Q3</source>
        <translation>Q3</translation>
    </message>
    <message>
        <source>Q4</source>
        <translation>Q4</translation>
    </message>
    <message>
        <source>H1</source>
        <translation>H1</translation>
    </message>
    <message>
        <source>H2</source>
        <translation>H2</translation>
    </message>
    <message>
        <source>%1 technical fouls</source>
        <extracomment>why a player is out: %1 is the number of technical fouls that eject</extracomment>
        <translation>%1 technische Fouls</translation>
    </message>
    <message>
        <source>%1: %2 fouls</source>
        <extracomment>%1 is the rules&apos; name (&quot;FIBA&quot;), %2 the number of fouls that put a player out</extracomment>
        <translation>%1: %2 Fouls</translation>
    </message>
    <message>
        <source>the game is too large to keep.</source>
        <translation>das Spiel ist zu groß, um es aufzubewahren.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>es ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>It is one of the games being read; choose another name.</source>
        <translation>Die Datei ist eines der gelesenen Spiele; wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Two outputs name the same file.</source>
        <translation>Zwei Ausgaben nennen dieselbe Datei.</translation>
    </message>
    <message>
        <source>It holds a game; choose another name.</source>
        <translation>Die Datei enthält ein Spiel; wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation>Es ist keine Datei, sondern ein Gerät oder eine Pipe.</translation>
    </message>
</context>
<context>
    <name>Details</name>
    <message>
        <source>All overtime periods count together: the sheet has one overtime line.
The last-two-minutes rule needs a clock and is not applied.</source>
        <translation>Alle Verlängerungen zählen zusammen: Der Bogen hat eine Zeile für die Verlängerung.
Die Regel der letzten zwei Minuten braucht eine Uhr und wird nicht angewendet.</translation>
    </message>
    <message>
        <source>The 1st and 2nd quarter lines are the two halves;
the 3rd and 4th stay unused.</source>
        <translation>Die Zeilen des 1. und 2. Viertels sind die beiden Halbzeiten;
die Zeilen des 3. und 4. Viertels bleiben ungenutzt.</translation>
    </message>
    <message>
        <source>Our &amp;team:</source>
        <translation>Unser &amp;Team:</translation>
    </message>
    <message>
        <source>&amp;Opponent:</source>
        <translation>Gegner (&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>S&amp;pielort:</translation>
    </message>
    <message>
        <source>&amp;Rules:</source>
        <translation>&amp;Regeln:</translation>
    </message>
    <message>
        <source>Technical fouls count toward it</source>
        <translation>Technische Fouls zählen mit</translation>
    </message>
    <message>
        <source>Fouls to foul out:</source>
        <translation>Fouls bis zum Ausscheiden:</translation>
    </message>
    <message>
        <source>Technical fouls that eject:</source>
        <translation>Technische Fouls zur Disqualifikation:</translation>
    </message>
    <message>
        <source>Technical fouls are team fouls</source>
        <translation>Technische Fouls sind Mannschaftsfouls</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>One-and-one from team foul:</source>
        <translation>Eins-plus-eins ab Mannschaftsfoul:</translation>
    </message>
    <message>
        <source>Two shots from team foul:</source>
        <translation>Zwei Freiwürfe ab Mannschaftsfoul:</translation>
    </message>
    <message>
        <source>each quarter</source>
        <translation>jedes Viertel</translation>
    </message>
    <message>
        <source>each half</source>
        <translation>jede Halbzeit</translation>
    </message>
    <message>
        <source>Team fouls start again:</source>
        <translation>Mannschaftsfouls beginnen neu:</translation>
    </message>
    <message>
        <source>with the last period</source>
        <translation>mit der letzten Spielperiode</translation>
    </message>
    <message>
        <source>on their own</source>
        <translation>für sich</translation>
    </message>
    <message>
        <source>on their own; the penalty carries over</source>
        <translation>für sich; die Freiwurfstrafe bleibt bestehen</translation>
    </message>
    <message>
        <source>Overtime fouls count:</source>
        <translation>Fouls der Verlängerung zählen:</translation>
    </message>
    <message>
        <source>Overtime: two shots from:</source>
        <translation>Verlängerung: zwei Freiwürfe ab:</translation>
    </message>
    <message>
        <source>Opponent&apos;s points:</source>
        <translation>Punkte des Gegners:</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>%1 is a period&apos;s name (&quot;1st&quot;, &quot;2nd half&quot;, &quot;OT&quot;) before its points</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Game details</source>
        <translation>Spieldetails</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>Verwerfen (&amp;D)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>Wiede&amp;rherstellen</translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why it was not written</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>The report has not been saved: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>Der Bericht wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Export the box score as CSV</source>
        <translation>Boxscore als CSV exportieren</translation>
    </message>
    <message>
        <source>The box score has not been exported: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>Der Boxscore wurde nicht exportiert: %1</translation>
    </message>
    <message>
        <source>the PDF could not be made.</source>
        <translation>das PDF konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Save the season as PDF</source>
        <translation>Saison als PDF speichern</translation>
    </message>
    <message>
        <source>The season has not been saved: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>Die Saison wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Export the season as CSV</source>
        <translation>Saison als CSV exportieren</translation>
    </message>
    <message>
        <source>The season has not been exported: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>Die Saison wurde nicht exportiert: %1</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Please enter the players number and name--no more than 13 characters</source>
        <translation>Bitte geben Sie Nummer und Namen des Spielers ein – höchstens 13 Zeichen</translation>
    </message>
    <message>
        <source>Please enter the players number and name--no more than 16 characters</source>
        <translation>Bitte geben Sie Nummer und Namen des Spielers ein – höchstens 16 Zeichen</translation>
    </message>
    <message>
        <source>Enter name</source>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source>Select the destination file</source>
        <translation>Zieldatei auswählen</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Quelldatei auswählen</translation>
    </message>
    <message>
        <source>Please enter a file name before pressing the save button.</source>
        <translation>Bitte geben Sie einen Dateinamen ein, bevor Sie auf Speichern klicken.</translation>
    </message>
    <message>
        <source>Your file has been saved.</source>
        <translation>Ihre Datei wurde gespeichert.</translation>
    </message>
    <message>
        <source>Saved to %1 at %2</source>
        <extracomment>%1 is the file&apos;s name, %2 the time of day</extracomment>
        <translation>Gespeichert in %1 um %2</translation>
    </message>
    <message>
        <source>Your file has not been saved: %1</source>
        <extracomment>%1 is why (the system&apos;s words, or another text of the program)</extracomment>
        <translation>Ihre Datei wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>the game would be too large to open again.</source>
        <translation>das Spiel wäre zu groß, um es wieder zu öffnen.</translation>
    </message>
    <message>
        <source>Select/highlight appropriate file name in the file list box.</source>
        <translation>Wählen/markieren Sie den passenden Dateinamen in der Dateiliste.</translation>
    </message>
    <message>
        <source>Error loading</source>
        <translation>Fehler beim Laden</translation>
    </message>
    <message>
        <source>Plays not opened</source>
        <translation>Aktionen nicht geöffnet</translation>
    </message>
    <message>
        <source>The plays of this file do not match its statistics; they were not opened.</source>
        <translation>Die Aktionen dieser Datei passen nicht zu ihrer Statistik; sie wurden nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1 has changed since this game was last kept. Replace it with this game?</source>
        <extracomment>%1 is the game file&apos;s path</extracomment>
        <translation>%1 wurde geändert, seit dieses Spiel zuletzt gesichert wurde. Durch dieses Spiel ersetzen?</translation>
    </message>
    <message>
        <source>Replace?</source>
        <translation>Ersetzen?</translation>
    </message>
    <message>
        <source>This file holds more plays than a game file can keep; the statistics were opened without them.</source>
        <translation>Diese Datei enthält mehr Aktionen, als eine Spieldatei aufnehmen kann; die Statistik wurde ohne sie geöffnet.</translation>
    </message>
    <message>
        <source>Unsaved game</source>
        <translation>Nicht gespeichertes Spiel</translation>
    </message>
    <message>
        <source>The statistics of this game have not been saved. Save them first?</source>
        <translation>Die Statistik dieses Spiels wurde nicht gespeichert. Zuerst speichern?</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>File: %1
Last change: %2
Players: %3</source>
        <extracomment>%1 is the game&apos;s file (or &quot;not yet saved&quot;), %2 when it last changed, %3 the first names</extracomment>
        <translation>Datei: %1
Letzte Änderung: %2
Spieler: %3</translation>
    </message>
    <message>
        <source>Restore game</source>
        <translation>Spiel wiederherstellen</translation>
    </message>
    <message>
        <source>Tallivant ended before this game was saved. Restore it?</source>
        <translation>Tallivant wurde beendet, bevor dieses Spiel gespeichert wurde. Wiederherstellen?</translation>
    </message>
    <message>
        <source>not yet saved</source>
        <translation>noch nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>If you are going to run two copies of tallivant at once set the windows taskbar to &apos;always on top&apos; by selecting the windows &apos;start&apos; button then &apos;settings&apos; then &apos;taskbar&apos; then &apos;always on top&apos; </source>
        <translation>Wenn Sie zwei Instanzen von Tallivant gleichzeitig ausführen, stellen Sie die Windows-Taskleiste auf „Immer im Vordergrund“: Wählen Sie die Windows-Schaltfläche „Start“, dann „Einstellungen“, dann „Taskleiste“, dann „Immer im Vordergrund“. </translation>
    </message>
    <message>
        <source>Click for instructions message 1 of 4</source>
        <translation>Klicken für Anleitung 1 von 4</translation>
    </message>
    <message>
        <source>Set your screen resolution to 800 x 600 or greater.  To do this:From the windows desktop select the &apos;start&apos; button.  Select &apos;settings&apos;.  Select &apos;control panel&apos;. Double-click on the &apos;display&apos; icon in the control panel.  Select the &apos;settings&apos; tab. Set the screen area to 800 x 600 or greater.</source>
        <translation>Stellen Sie die Bildschirmauflösung auf 800 x 600 oder höher ein. So geht es: Wählen Sie auf dem Windows-Desktop die Schaltfläche „Start“. Wählen Sie „Einstellungen“. Wählen Sie „Systemsteuerung“. Doppelklicken Sie in der Systemsteuerung auf das Symbol „Anzeige“. Wählen Sie die Registerkarte „Einstellungen“. Stellen Sie den Bildschirmbereich auf 800 x 600 oder höher ein.</translation>
    </message>
    <message>
        <source>Click for instructions message 2 of 4</source>
        <translation>Klicken für Anleitung 2 von 4</translation>
    </message>
    <message>
        <source>To start with enter the team roster by selecting File|New from the file menu.  A prompt appears for you to enter 12 player names one-at-a-time.  If you don&apos;t have 12 players just press enter for the remaining players.  When you are ready to enter stats, select the player first by clicking once on his name and then clicking once on the appropriate stat button.  The changes are made in the appropriate boxes.</source>
        <translation>Geben Sie zu Beginn den Kader ein, indem Sie im Menü „Datei“ den Befehl „Neu“ wählen. Sie werden nacheinander nach 12 Spielernamen gefragt. Wenn Sie keine 12 Spieler haben, drücken Sie für die übrigen Spieler einfach Enter. Wenn Sie Statistiken eingeben möchten, wählen Sie zuerst den Spieler mit einem Klick auf seinen Namen und klicken dann einmal auf die passende Statistik-Schaltfläche. Die Änderungen erscheinen in den zugehörigen Feldern.</translation>
    </message>
    <message>
        <source>Click for instructions message 3 of 4</source>
        <translation>Klicken für Anleitung 3 von 4</translation>
    </message>
    <message>
        <source>If you make a mistake click once on the &apos;takeback&apos; button.  It will undo the last stat you entered.</source>
        <translation>Wenn Sie sich vertun, klicken Sie einmal auf die Schaltfläche „Rückgängig“. Sie nimmt den zuletzt eingegebenen Wert zurück.</translation>
    </message>
    <message>
        <source>Click for instructions message 4 of 4</source>
        <translation>Klicken für Anleitung 4 von 4</translation>
    </message>
    <message>
        <source>If you need to edit the roster select &apos;Edit Roster&apos; then &apos;Edit roster&apos;. You do not have to retype every name.  If you want to keep a name the way it is just click &apos;o.k.&apos;.  The empty boxes to the left of each player&apos;s name is used to show who is on the floor currently.  Checked means the player is on the floor.</source>
        <translation>Wenn Sie den Kader bearbeiten möchten, wählen Sie „Kader bearbeiten“ und dann „Kader bearbeiten“. Sie müssen nicht jeden Namen neu eingeben. Wenn ein Name bleiben soll, wie er ist, klicken Sie einfach auf „OK“. Die leeren Kästchen links neben jedem Spielernamen zeigen, wer gerade auf dem Feld steht. Ein Häkchen bedeutet, dass der Spieler auf dem Feld ist.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Field goal made</source>
        <translation>Feldwurf getroffen</translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation>Feldwurf vergeben</translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation>Freiwurf getroffen</translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation>Freiwurf vergeben</translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation>Dreier getroffen</translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation>Dreier vergeben</translation>
    </message>
    <message>
        <source>Assist</source>
        <translation>Assist</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Rebound</translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation>Ballverlust</translation>
    </message>
    <message>
        <source>Steal</source>
        <translation>Ballgewinn</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Personal foul (the player stays selected)</source>
        <translation>Persönliches Foul (der Spieler bleibt ausgewählt)</translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation>Technisches Foul</translation>
    </message>
    <message>
        <source>Alt+the letter after &amp; in a name</source>
        <translation>Alt+der Buchstabe nach &amp; in einem Namen</translation>
    </message>
    <message>
        <source>Selects that player</source>
        <translation>Wählt diesen Spieler aus</translation>
    </message>
    <message>
        <source>Next quarter</source>
        <translation>Nächstes Viertel</translation>
    </message>
    <message>
        <source>Previous quarter</source>
        <translation>Vorheriges Viertel</translation>
    </message>
    <message>
        <source>Starts or stops the timeout clock</source>
        <translation>Startet oder stoppt die Auszeituhr</translation>
    </message>
    <message>
        <source>Undoes the newest entry: an opponent play recorded since our last stat, else our last stat</source>
        <translation>Macht den neuesten Eintrag rückgängig: eine seit unserem letzten Wert erfasste Aktion des Gegners, sonst unseren letzten Wert</translation>
    </message>
    <message>
        <source>The opponent scored 1 point</source>
        <translation>Der Gegner hat 1 Punkt erzielt</translation>
    </message>
    <message>
        <source>The opponent scored 2 points</source>
        <translation>Der Gegner hat 2 Punkte erzielt</translation>
    </message>
    <message>
        <source>The opponent scored 3 points</source>
        <translation>Der Gegner hat 3 Punkte erzielt</translation>
    </message>
    <message>
        <source>An opponent team foul</source>
        <translation>Ein Mannschaftsfoul des Gegners</translation>
    </message>
    <message>
        <source>Saves the game to its file</source>
        <translation>Speichert das Spiel in seiner Datei</translation>
    </message>
    <message>
        <source>File menu</source>
        <translation>Menü Datei</translation>
    </message>
    <message>
        <source>Edit Roster menu</source>
        <translation>Menü Kader bearbeiten</translation>
    </message>
    <message>
        <source>Color change menu</source>
        <translation>Menü Farbe ändern</translation>
    </message>
    <message>
        <source>Plays menu</source>
        <translation>Menü Aktionen</translation>
    </message>
    <message>
        <source>Help menu</source>
        <translation>Menü Hilfe</translation>
    </message>
    <message>
        <source>Remove: the selected plays leave the totals</source>
        <translation>Entfernen: Die ausgewählten Aktionen zählen nicht mehr zu den Summen</translation>
    </message>
    <message>
        <source>Put back: the selected plays count again</source>
        <translation>Zurückholen: Die ausgewählten Aktionen zählen wieder</translation>
    </message>
    <message>
        <source>Give to: another player gets the selected plays</source>
        <translation>Übertragen: Ein anderer Spieler erhält die ausgewählten Aktionen</translation>
    </message>
    <message>
        <source>Quarter: the selected plays go to another quarter</source>
        <translation>Viertel: Die ausgewählten Aktionen kommen in ein anderes Viertel</translation>
    </message>
    <message>
        <source>The newest play</source>
        <translation>Die neueste Aktion</translation>
    </message>
    <message>
        <source>The oldest play</source>
        <translation>Die älteste Aktion</translation>
    </message>
    <message>
        <source>Closes the window</source>
        <translation>Schließt das Fenster</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Statistikbogen</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Saisonsummen</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Held: %1. Enter: they act. Escape: they are dropped.</source>
        <extracomment>%1 lists the keys pressed while the box was open (&quot;Alt+C, Ctrl+1&quot;)</extracomment>
        <translation>Gedrückt: %1. Enter: ausführen. Escape: verwerfen.</translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>Tallivant live</source>
        <translation>Tallivant live</translation>
    </message>
    <message>
        <source>The game shows here as soon as its script runs.</source>
        <translation>Das Spiel erscheint hier, sobald sein Skript läuft.</translation>
    </message>
    <message>
        <source>No game to show yet.</source>
        <translation>Noch kein Spiel anzuzeigen.</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <extracomment>%1 is the time of day the page was last written</extracomment>
        <translation>Aktualisiert um %1</translation>
    </message>
    <message>
        <source>Not updated since %1</source>
        <extracomment>%1 is the time of day the page was last written</extracomment>
        <translation>Nicht aktualisiert seit %1</translation>
    </message>
    <message>
        <source>%1: Team fouls %2</source>
        <extracomment>%1 is a team&apos;s name, %2 its count of team fouls in the period</extracomment>
        <translation>%1: Mannschaftsfouls %2</translation>
    </message>
    <message>
        <source>the next gives two shots</source>
        <translation>das nächste gibt zwei Freiwürfe</translation>
    </message>
    <message>
        <source>the next gives one-and-one</source>
        <translation>das nächste gibt Eins-plus-eins</translation>
    </message>
    <message>
        <source>Score by period</source>
        <translation>Punkte nach Abschnitten</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The column of the whole game&apos;s points after the periods&apos;</extracomment>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Box score</source>
        <translation>Boxscore</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>%1 (out)</source>
        <extracomment>%1 is a player&apos;s name; the player has fouled out</extracomment>
        <translation>%1 (ausgefoult)</translation>
    </message>
    <message>
        <source>Totals</source>
        <extracomment>The box score&apos;s line of the team&apos;s totals</extracomment>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>No plays yet.</source>
        <translation>Noch keine Aktionen.</translation>
    </message>
    <message>
        <source>Plays, newest first</source>
        <translation>Aktionen, neueste zuerst</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The live page&apos;s language as an HTML language code: de, fr, es, it ...</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>Share live</source>
        <translation>Live teilen</translation>
    </message>
    <message>
        <source>Sharing live to %1.</source>
        <extracomment>%1 is the folder the page is written to</extracomment>
        <translation>Das Spiel wird live in %1 geteilt.</translation>
    </message>
    <message>
        <source>Stop sharing</source>
        <translation>Teilen beenden</translation>
    </message>
    <message>
        <source>Share to another folder</source>
        <translation>In einen anderen Ordner teilen</translation>
    </message>
    <message>
        <source>Stopped sharing live</source>
        <translation>Live-Teilen beendet</translation>
    </message>
    <message>
        <source>Share live: the folder for the page</source>
        <translation>Live teilen: Ordner für die Seite</translation>
    </message>
    <message>
        <source>Names on the page:</source>
        <translation>Namen auf der Seite:</translation>
    </message>
    <message>
        <source>as on the buttons</source>
        <translation>wie auf den Schaltflächen</translation>
    </message>
    <message>
        <source>numbers only</source>
        <translation>nur Nummern</translation>
    </message>
    <message>
        <source>The game cannot be shared live to %1: %2</source>
        <extracomment>%1 is the folder chosen, %2 why the page cannot be written there</extracomment>
        <translation>Das Spiel kann nicht live in %1 geteilt werden: %2</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Fi&amp;le</source>
        <translation>Datei (&amp;L)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Saisonsummen</translation>
    </message>
    <message>
        <source>New game, same roster</source>
        <translation>Neues Spiel, gleicher Kader</translation>
    </message>
    <message>
        <source>Game details...</source>
        <translation>Spieldetails...</translation>
    </message>
    <message>
        <source>Share live...</source>
        <translation>Live teilen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Beenden (&amp;X)</translation>
    </message>
    <message>
        <source>Ed&amp;it Roster</source>
        <translation>Kader bearbe&amp;iten</translation>
    </message>
    <message>
        <source>Edit roster</source>
        <translation>Kader bearbeiten</translation>
    </message>
    <message>
        <source>Color chan&amp;ge</source>
        <translation>Farbe ändern (&amp;G)</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Dark purple</source>
        <translation>Dunkellila</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Dark orange</source>
        <translation>Dunkelorange</translation>
    </message>
    <message>
        <source>Pla&amp;ys</source>
        <translation>Aktionen (&amp;Y)</translation>
    </message>
    <message>
        <source>Show plays</source>
        <translation>Aktionen anzeigen</translation>
    </message>
    <message>
        <source>Next quarter</source>
        <translation>Nächstes Viertel</translation>
    </message>
    <message>
        <source>Previous quarter</source>
        <translation>Vorheriges Viertel</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>Hilfe (&amp;P)</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>Plays</name>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Vermerk</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>erstes Viertel</translation>
    </message>
    <message>
        <source>second quarter</source>
        <translation>zweites Viertel</translation>
    </message>
    <message>
        <source>third quarter</source>
        <translation>drittes Viertel</translation>
    </message>
    <message>
        <source>fourth quarter</source>
        <translation>viertes Viertel</translation>
    </message>
    <message>
        <source>overtime</source>
        <translation>Verlängerung</translation>
    </message>
    <message>
        <source>Play %1, %2, %3, %4, %5</source>
        <extracomment>%1 the play&apos;s number, %2 its time, %3 its quarter, %4 the player, %5 the stat</extracomment>
        <translation>Aktion %1, %2, %3, %4, %5</translation>
    </message>
    <message>
        <source>Play %1, %2, %3, %4, %5, %6</source>
        <extracomment>as without a note, and %6 the play&apos;s note (&quot;taken back&quot;)</extracomment>
        <translation>Aktion %1, %2, %3, %4, %5, %6</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Plays, newest first</source>
        <translation>Aktionen, neueste zuerst</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Zurückholen</translation>
    </message>
    <message>
        <source>Give to...</source>
        <translation>Übertragen...</translation>
    </message>
    <message>
        <source>Quarter...</source>
        <translation>Viertel...</translation>
    </message>
    <message>
        <source>Give to</source>
        <translation>Übertragen an</translation>
    </message>
    <message>
        <source>Give the selected plays to:</source>
        <translation>Die ausgewählten Aktionen übertragen an:</translation>
    </message>
    <message>
        <source>Move the selected plays to:</source>
        <translation>Die ausgewählten Aktionen verschieben nach:</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Tallivant cannot keep a recovery copy of this game: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Tallivant kann keine Wiederherstellungskopie dieses Spiels anlegen: %1</translation>
    </message>
    <message>
        <source>Tallivant cannot keep the discarded game: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Tallivant kann das verworfene Spiel nicht aufbewahren: %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Tallivant stat report</source>
        <translation>Tallivant-Statistikbericht</translation>
    </message>
    <message>
        <source>Make sure the printer is ready</source>
        <translation>Stellen Sie sicher, dass der Drucker bereit ist</translation>
    </message>
    <message>
        <source>Printer Check</source>
        <translation>Druckerprüfung</translation>
    </message>
    <message>
        <source>Make sure the printer is on and has paper.</source>
        <translation>Stellen Sie sicher, dass der Drucker eingeschaltet ist und Papier hat.</translation>
    </message>
    <message>
        <source>Error Printing</source>
        <translation>Fehler beim Drucken</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Saisonsummen</translation>
    </message>
    <message>
        <source>Tallivant season totals</source>
        <translation>Tallivant-Saisonsummen</translation>
    </message>
</context>
<context>
    <name>Season</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why it was left out</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Select the games of the season</source>
        <translation>Spiele der Saison auswählen</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Saisonsummen</translation>
    </message>
    <message>
        <source>These files were left out:</source>
        <translation>Diese Dateien wurden ausgelassen:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Print the season totals</source>
        <translation>Saisonsummen drucken</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Field goal made</source>
        <translation>Feldwurf getroffen</translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation>Feldwurf vergeben</translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation>Freiwurf getroffen</translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation>Freiwurf vergeben</translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation>Dreier getroffen</translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation>Dreier vergeben</translation>
    </message>
    <message>
        <source>Assist</source>
        <translation>Assist</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Rebound</translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation>Ballverlust</translation>
    </message>
    <message>
        <source>Steal</source>
        <translation>Ballgewinn</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Personal foul</source>
        <translation>Persönliches Foul</translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation>Technisches Foul</translation>
    </message>
    <message>
        <source>MADE</source>
        <translation>GETR.</translation>
    </message>
    <message>
        <source>MISSED</source>
        <translation>VERG.</translation>
    </message>
    <message>
        <source>Current   Qtr  OT</source>
        <translation>Akt. Viertel  Verl.</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Second quarter</source>
        <translation>Zweites Viertel</translation>
    </message>
    <message>
        <source>Third quarter</source>
        <translation>Drittes Viertel</translation>
    </message>
    <message>
        <source>Fourth quarter</source>
        <translation>Viertes Viertel</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Verlängerung</translation>
    </message>
    <message>
        <source>Takeback</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Timeout clock</source>
        <translation>Auszeituhr</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start or stop the timeout clock</source>
        <translation>Auszeituhr starten oder stoppen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Reset the timeout clock to one minute</source>
        <translation>Auszeituhr auf eine Minute zurücksetzen</translation>
    </message>
    <message>
        <source>Full Timeout</source>
        <translation>Volle Auszeit</translation>
    </message>
    <message>
        <source>Full timeout 1 used</source>
        <translation>Volle Auszeit 1 genommen</translation>
    </message>
    <message>
        <source>Full timeout 2 used</source>
        <translation>Volle Auszeit 2 genommen</translation>
    </message>
    <message>
        <source>Full timeout 3 used</source>
        <translation>Volle Auszeit 3 genommen</translation>
    </message>
    <message>
        <source>20-Second T.O.&apos;s used</source>
        <translation>20-Sek.-Auszeiten</translation>
    </message>
    <message>
        <source>20-second timeout 1 used</source>
        <translation>20-Sekunden-Auszeit 1 genommen</translation>
    </message>
    <message>
        <source>20-second timeout 2 used</source>
        <translation>20-Sekunden-Auszeit 2 genommen</translation>
    </message>
    <message>
        <source>Game file</source>
        <translation>Spieldatei</translation>
    </message>
    <message>
        <source>Possesion</source>
        <translation>Ballbesitz</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Our team has possession</source>
        <translation>Unsere Mannschaft hat Ballbesitz</translation>
    </message>
    <message>
        <source>Opp</source>
        <translation>Geg.</translation>
    </message>
    <message>
        <source>The opponent has possession</source>
        <translation>Der Gegner hat Ballbesitz</translation>
    </message>
    <message>
        <source>First quarter Totals</source>
        <translation>Summe 1. Viertel</translation>
    </message>
    <message>
        <source>Second Quarter Total</source>
        <translation>Summe 2. Viertel</translation>
    </message>
    <message>
        <source>Third Quarter Totals</source>
        <translation>Summe 3. Viertel</translation>
    </message>
    <message>
        <source>Fourth Quarter Totals</source>
        <translation>Summe 4. Viertel</translation>
    </message>
    <message>
        <source>Overtime Totals</source>
        <translation>Summe Verl.</translation>
    </message>
    <message>
        <source>Game Totals</source>
        <translation>Summe Spiel</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Foul trouble</source>
        <translation>Foulprobleme</translation>
    </message>
    <message>
        <source>%1 on the floor</source>
        <extracomment>%1 is a player&apos;s line of the sheet: &quot;Player 3&quot;</extracomment>
        <translation>%1 auf dem Feld</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 is a line of the sheet (&quot;Player 3&quot;, &quot;Game totals&quot;), %2 a column (&quot;assists&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Strip</name>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 is the name of the file written</extracomment>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <extracomment>%1 is the name of the file written</extracomment>
        <translation>%1 exportiert</translation>
    </message>
    <message>
        <source>Saved %1 and %2</source>
        <extracomment>%1 and %2 are the names of the files written</extracomment>
        <translation>%1 und %2 gespeichert</translation>
    </message>
    <message>
        <source>Exported %1 and %2</source>
        <extracomment>%1 and %2 are the names of the files written</extracomment>
        <translation>%1 und %2 exportiert</translation>
    </message>
    <message>
        <source>Stopped sharing live: another game is on the sheet</source>
        <translation>Live-Teilen beendet: Ein anderes Spiel ist auf dem Bogen</translation>
    </message>
    <message>
        <source>Not sharing live to %1: %2</source>
        <extracomment>%1 is the folder, %2 why</extracomment>
        <translation>Kein Live-Teilen in %1: %2</translation>
    </message>
    <message>
        <source>the folder cannot be found.</source>
        <translation>der Ordner wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why it cannot be written</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Live page behind: %1 has not taken a file for %2 s</source>
        <extracomment>%1 is the folder, %2 a number of seconds</extracomment>
        <translation>Live-Seite im Rückstand: %1 hat seit %2 s keine Datei übernommen</translation>
    </message>
    <message>
        <source>Live page failing: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Live-Seite scheitert: %1</translation>
    </message>
    <message>
        <source>Sharing live to %1</source>
        <extracomment>%1 is the folder</extracomment>
        <translation>Live-Teilen in %1</translation>
    </message>
    <message>
        <source>Live page not written: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Live-Seite nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>Team fouls %1</source>
        <translation>Mannschaftsfouls %1</translation>
    </message>
    <message>
        <source>Team fouls %1 (the next gives two shots)</source>
        <translation>Mannschaftsfouls %1 (das nächste gibt zwei Freiwürfe)</translation>
    </message>
    <message>
        <source>Team fouls %1 (the next gives one-and-one)</source>
        <translation>Mannschaftsfouls %1 (das nächste gibt Eins-plus-eins)</translation>
    </message>
    <message>
        <source>%1 %2: we shoot two</source>
        <extracomment>%1 is the opponent&apos;s name, %2 its team fouls</extracomment>
        <translation>%1 %2: zwei Freiwürfe für uns</translation>
    </message>
    <message>
        <source>%1 %2: we shoot one-and-one</source>
        <extracomment>%1 is the opponent&apos;s name, %2 its team fouls</extracomment>
        <translation>%1 %2: Eins-plus-eins für uns</translation>
    </message>
    <message>
        <source>Fouled out: %1</source>
        <extracomment>%1 lists the players, &quot;6 Tess Kim, 9 Ana Ruiz&quot;</extracomment>
        <translation>Ausgefoult: %1</translation>
    </message>
    <message>
        <source>Undone: %1 1 point (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Rückgängig: %1 1 Punkt (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 2 points (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Rückgängig: %1 2 Punkte (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 3 points (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Rückgängig: %1 3 Punkte (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 team foul (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Rückgängig: %1 Mannschaftsfoul (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 points set to %2 (%3)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 their points, %3 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Rückgängig: %1 Punkte auf %2 gesetzt (%3)</translation>
    </message>
    <message>
        <source>Taken back: %1, %2</source>
        <extracomment>%1 is the stat (&quot;Rebound&quot;), %2 the player (&quot;6 Tess Kim&quot;)</extracomment>
        <translation>Zurückgenommen: %1, %2</translation>
    </message>
    <message>
        <source>%1 has fouled out</source>
        <extracomment>%1 is the player (&quot;6 Tess Kim&quot;)</extracomment>
        <translation>%1 ist ausgefoult</translation>
    </message>
    <message>
        <source>Recovery copy failing: %1</source>
        <extracomment>%1 is why the copy cannot be written</extracomment>
        <translation>Wiederherstellungskopie scheitert: %1</translation>
    </message>
    <message>
        <source>Recovery copy kept</source>
        <translation>Wiederherstellungskopie angelegt</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Meldungen</translation>
    </message>
</context>
</TS>
