<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ButtonRow</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Tiene le statistiche di una squadra di pallacanestro durante una partita.
Con --pdf, --csv, --json o --html scrive il referto, il tabellino o la
pagina live di un file di partita e termina, senza finestra; con --season-pdf
o --season-csv fa lo stesso per i totali stagionali di un numero qualsiasi di
file di partita.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Mostra questo aiuto e termina.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Mostra la versione e termina.</translation>
    </message>
    <message>
        <source>Write the report of GAME to OUT as PDF.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Scrive il referto di GAME in OUT come PDF.</translation>
    </message>
    <message>
        <source>Write the box score of GAME to OUT as CSV, and its plays beside it (OUT&apos;s name with -plays.csv).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Scrive il tabellino di GAME in OUT come CSV, e accanto le sue azioni (il nome di OUT con -plays.csv).</translation>
    </message>
    <message>
        <source>Write the season totals of the GAME files to OUT as PDF.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Scrive i totali stagionali dei file GAME in OUT come PDF.</translation>
    </message>
    <message>
        <source>Write the season totals of the GAME files to OUT as CSV.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Scrive i totali stagionali dei file GAME in OUT come CSV.</translation>
    </message>
    <message>
        <source>Write GAME to OUT as the live page&apos;s JSON (game.json).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Scrive GAME in OUT come JSON della pagina live (game.json).</translation>
    </message>
    <message>
        <source>Write the live page of GAME to OUT (index.html).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Scrive la pagina live di GAME in OUT (index.html).</translation>
    </message>
    <message>
        <source>A game file, opened in the window or written out by --pdf, --csv, --json and --html; for --season-pdf and --season-csv, the season&apos;s game files.</source>
        <extracomment>--pdf and the like are the options&apos; names: keep them as they are</extracomment>
        <translation>Un file di partita, aperto nella finestra o scritto da --pdf, --csv, --json e --html; per --season-pdf e --season-csv, i file delle partite della stagione.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <extracomment>%1 is the option&apos;s name</extracomment>
        <translation>--%1 è indicato più di una volta.</translation>
    </message>
    <message>
        <source>--%1 needs a file name.</source>
        <extracomment>%1 is the option&apos;s name</extracomment>
        <translation>--%1 richiede un nome di file.</translation>
    </message>
    <message>
        <source>--%1 needs a file name, not %2 (for a file of that name, write ./%2).</source>
        <extracomment>%1 is the option&apos;s name, %2 the next option, taken for its file name</extracomment>
        <translation>--%1 richiede un nome di file, non %2 (per un file con quel nome, scrivere ./%2).</translation>
    </message>
    <message>
        <source>--pdf, --csv, --json and --html write one game, --season-pdf and --season-csv a season: not both at once.</source>
        <translation>--pdf, --csv, --json e --html scrivono una partita, --season-pdf e --season-csv una stagione: non entrambe le cose insieme.</translation>
    </message>
    <message>
        <source>--season-pdf and --season-csv need the game files to add up.</source>
        <translation>--season-pdf e --season-csv richiedono i file delle partite da sommare.</translation>
    </message>
    <message>
        <source>one game file at a time.</source>
        <translation>un file di partita alla volta.</translation>
    </message>
    <message>
        <source>--pdf, --csv, --json and --html need the game file to write from.</source>
        <translation>--pdf, --csv, --json e --html richiedono il file di partita da cui scrivere.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>&amp;Start</source>
        <translation>Avvia (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Ferma (&amp;S)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB.</source>
        <translation>È più grande di %1 MiB.</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <translation>Non è un file di testo.</translation>
    </message>
    <message>
        <source>It holds %1 of the %2 values of a game file.</source>
        <translation>Contiene %1 dei %2 valori di un file di partita.</translation>
    </message>
    <message>
        <source>It is not a game file: a game file begins with the header &quot;Name&quot;,&quot;FGM&quot;,…</source>
        <translation>Non è un file di partita: un file di partita inizia con l&apos;intestazione &quot;Name&quot;,&quot;FGM&quot;,…</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>1st Qtr Totals</source>
        <translation>Tot. 1° quarto</translation>
    </message>
    <message>
        <source>2nd Qtr Totals</source>
        <translation>Tot. 2° quarto</translation>
    </message>
    <message>
        <source>3rd Qtr Totals</source>
        <translation>Tot. 3° quarto</translation>
    </message>
    <message>
        <source>4th Qtr Totals</source>
        <translation>Tot. 4° quarto</translation>
    </message>
    <message>
        <source>Overtime Totals</source>
        <translation>Tot. suppl.</translation>
    </message>
    <message>
        <source>Game Totals</source>
        <translation>Tot. partita</translation>
    </message>
    <message>
        <source>It is in the season already.</source>
        <translation>È già nella stagione.</translation>
    </message>
    <message>
        <source>An earlier save of %1.</source>
        <translation>Un salvataggio precedente di %1.</translation>
    </message>
    <message>
        <source>Player %1&apos;s %2 hold %3: a count must be a whole number from 0 to 9,999.</source>
        <translation>Giocatore %1, %2: contiene %3; un conteggio deve essere un numero intero da 0 a 9.999.</translation>
    </message>
    <message>
        <source>The game totals&apos; %1 hold %2: a count must be a whole number from 0 to 9,999.</source>
        <translation>Totali della partita, %1: contiene %2; un conteggio deve essere un numero intero da 0 a 9.999.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Squadra</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Avversario</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>No game with a score</source>
        <translation>Nessuna partita con punteggio</translation>
    </message>
    <message>
        <source>Record %1-%2, %3 points against per game (%4 game with a score)</source>
        <translation>Bilancio %1-%2, %3 punti subiti a partita (%4 partita con punteggio)</translation>
    </message>
    <message>
        <source>Record %1-%2, %3 points against per game (%4 games with a score)</source>
        <translation>Bilancio %1-%2, %3 punti subiti a partita (%4 partite con punteggio)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 tie), %4 points against per game (%5 game with a score)</source>
        <translation>Bilancio %1-%2 (%3 pareggio), %4 punti subiti a partita (%5 partita con punteggio)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 tie), %4 points against per game (%5 games with a score)</source>
        <translation>Bilancio %1-%2 (%3 pareggio), %4 punti subiti a partita (%5 partite con punteggio)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 ties), %4 points against per game (%5 game with a score)</source>
        <translation>Bilancio %1-%2 (%3 pareggi), %4 punti subiti a partita (%5 partita con punteggio)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 ties), %4 points against per game (%5 games with a score)</source>
        <translation>Bilancio %1-%2 (%3 pareggi), %4 punti subiti a partita (%5 partite con punteggio)</translation>
    </message>
    <message>
        <source>field goals made</source>
        <translation>tiri dal campo realizzati</translation>
    </message>
    <message>
        <source>field goals attempted</source>
        <translation>tiri dal campo tentati</translation>
    </message>
    <message>
        <source>field goal percentage</source>
        <translation>percentuale tiri dal campo</translation>
    </message>
    <message>
        <source>free throws made</source>
        <translation>tiri liberi realizzati</translation>
    </message>
    <message>
        <source>free throws attempted</source>
        <translation>tiri liberi tentati</translation>
    </message>
    <message>
        <source>free throw percentage</source>
        <translation>percentuale tiri liberi</translation>
    </message>
    <message>
        <source>three-pointers made</source>
        <translation>tiri da tre realizzati</translation>
    </message>
    <message>
        <source>three-pointers attempted</source>
        <translation>tiri da tre tentati</translation>
    </message>
    <message>
        <source>three-point percentage</source>
        <translation>percentuale tiri da tre</translation>
    </message>
    <message>
        <source>rebounds</source>
        <translation>rimbalzi</translation>
    </message>
    <message>
        <source>assists</source>
        <translation>assist</translation>
    </message>
    <message>
        <source>turnovers</source>
        <translation>palle perse</translation>
    </message>
    <message>
        <source>steals</source>
        <translation>palle recuperate</translation>
    </message>
    <message>
        <source>blocks</source>
        <translation>stoppate</translation>
    </message>
    <message>
        <source>personal fouls</source>
        <translation>falli personali</translation>
    </message>
    <message>
        <source>technical fouls</source>
        <translation>falli tecnici</translation>
    </message>
    <message>
        <source>points</source>
        <translation>punti</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Primo quarto</translation>
    </message>
    <message>
        <source>Second quarter</source>
        <translation>Secondo quarto</translation>
    </message>
    <message>
        <source>Third quarter</source>
        <translation>Terzo quarto</translation>
    </message>
    <message>
        <source>Fourth quarter</source>
        <translation>Quarto quarto</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Tempo supplementare</translation>
    </message>
    <message>
        <source>Game totals</source>
        <translation>Totali partita</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>what a screen reader says of a player&apos;s line: %1 is its number, 1 to 12</extracomment>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Errore!</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Attenzione!</translation>
    </message>
    <message>
        <source>Please select player first.</source>
        <translation>Selezionare prima un giocatore.</translation>
    </message>
    <message>
        <source>The last stat could not be taken back: the player&apos;s line holds a value that is not a number.</source>
        <translation>Non è stato possibile annullare l&apos;ultima statistica: la riga del giocatore contiene un valore che non è un numero.</translation>
    </message>
    <message>
        <source>Foul trouble</source>
        <translation>Problemi di falli</translation>
    </message>
    <message>
        <source>Fouled out (%1)</source>
        <extracomment>%1 is why the player is out: &quot;FIBA: 5 fouls&quot; or &quot;2 technical fouls&quot;</extracomment>
        <translation>Uscito per falli (%1)</translation>
    </message>
    <message>
        <source>The player has %1</source>
        <extracomment>%1 is the number of personal fouls the player has</extracomment>
        <translation>Falli del giocatore: %1</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punto</translation>
    </message>
    <message>
        <source>2 points</source>
        <translation>2 punti</translation>
    </message>
    <message>
        <source>3 points</source>
        <translation>3 punti</translation>
    </message>
    <message>
        <source>Team foul</source>
        <translation>Fallo di squadra</translation>
    </message>
    <message>
        <source>Points set to %1</source>
        <extracomment>the opponent&apos;s points in the quarter set to a figure: %1</extracomment>
        <translation>Punti impostati a %1</translation>
    </message>
    <message>
        <source>taken back</source>
        <translation>annullata</translation>
    </message>
    <message>
        <source>from %1</source>
        <extracomment>a play given to another player: %1 is the name of the player it was recorded for
----------
a play moved to another quarter: %1 is the quarter it was recorded in (&quot;2nd&quot;, &quot;OT&quot;)</extracomment>
        <translation>da %1</translation>
    </message>
    <message>
        <source>Us</source>
        <translation>Noi</translation>
    </message>
    <message>
        <source>Field goal made</source>
        <translation>Tiro dal campo realizzato</translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation>Tiro dal campo sbagliato</translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation>Tiro libero realizzato</translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation>Tiro libero sbagliato</translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation>Tiro da tre realizzato</translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation>Tiro da tre sbagliato</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Rimbalzo</translation>
    </message>
    <message>
        <source>Assist</source>
        <translation>Assist</translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation>Palla persa</translation>
    </message>
    <message>
        <source>Steal</source>
        <translation>Palla recuperata</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Stoppata</translation>
    </message>
    <message>
        <source>Personal foul</source>
        <translation>Fallo personale</translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation>Fallo tecnico</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1°</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2°</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3°</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4°</translation>
    </message>
    <message>
        <source>OT</source>
        <translation>TS</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a play&apos;s note: %1 its first parts, %2 the next (&quot;taken back, from 2nd&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>NCAA men</source>
        <translation>NCAA maschile</translation>
    </message>
    <message>
        <source>NCAA women</source>
        <translation>NCAA femminile</translation>
    </message>
    <message>
        <source>US high school</source>
        <translation>High school USA</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzate</translation>
    </message>
    <message>
        <source>1st half</source>
        <translation>1° tempo</translation>
    </message>
    <message>
        <source>2nd half</source>
        <translation>2° tempo</translation>
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
        <translation>T1</translation>
    </message>
    <message>
        <source>H2</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>%1 technical fouls</source>
        <extracomment>why a player is out: %1 is the number of technical fouls that eject</extracomment>
        <translation>%1 falli tecnici</translation>
    </message>
    <message>
        <source>%1: %2 fouls</source>
        <extracomment>%1 is the rules&apos; name (&quot;FIBA&quot;), %2 the number of fouls that put a player out</extracomment>
        <translation>%1: %2 falli</translation>
    </message>
    <message>
        <source>the game is too large to keep.</source>
        <translation>la partita è troppo grande per essere conservata.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>non è un file regolare.</translation>
    </message>
    <message>
        <source>It is one of the games being read; choose another name.</source>
        <translation>È una delle partite in lettura; scegliere un altro nome.</translation>
    </message>
    <message>
        <source>Two outputs name the same file.</source>
        <translation>Due uscite indicano lo stesso file.</translation>
    </message>
    <message>
        <source>It holds a game; choose another name.</source>
        <translation>Contiene una partita; scegliere un altro nome.</translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation>Non è un file ma un dispositivo o una pipe.</translation>
    </message>
</context>
<context>
    <name>Details</name>
    <message>
        <source>All overtime periods count together: the sheet has one overtime line.
The last-two-minutes rule needs a clock and is not applied.</source>
        <translation>Tutti i tempi supplementari contano insieme: il foglio ha una sola riga per i supplementari.
La regola degli ultimi due minuti richiede un cronometro e non viene applicata.</translation>
    </message>
    <message>
        <source>The 1st and 2nd quarter lines are the two halves;
the 3rd and 4th stay unused.</source>
        <translation>Le righe del 1° e 2° quarto sono i due tempi;
il 3° e il 4° restano inutilizzati.</translation>
    </message>
    <message>
        <source>Our &amp;team:</source>
        <translation>Nos&amp;tri:</translation>
    </message>
    <message>
        <source>&amp;Opponent:</source>
        <translation>Avversari&amp;o:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>Cam&amp;po:</translation>
    </message>
    <message>
        <source>&amp;Rules:</source>
        <translation>&amp;Regole:</translation>
    </message>
    <message>
        <source>Technical fouls count toward it</source>
        <translation>Contano anche i tecnici</translation>
    </message>
    <message>
        <source>Fouls to foul out:</source>
        <translation>Falli per uscire:</translation>
    </message>
    <message>
        <source>Technical fouls that eject:</source>
        <translation>Tecnici per espulsione:</translation>
    </message>
    <message>
        <source>Technical fouls are team fouls</source>
        <translation>Tecnici come falli di squadra</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>One-and-one from team foul:</source>
        <translation>1+1 dal fallo di squadra:</translation>
    </message>
    <message>
        <source>Two shots from team foul:</source>
        <translation>2 tiri dal fallo di squadra:</translation>
    </message>
    <message>
        <source>each quarter</source>
        <translation>ogni quarto</translation>
    </message>
    <message>
        <source>each half</source>
        <translation>ogni tempo</translation>
    </message>
    <message>
        <source>Team fouls start again:</source>
        <translation>Falli squadra azzerati:</translation>
    </message>
    <message>
        <source>with the last period</source>
        <translation>con l&apos;ultimo periodo</translation>
    </message>
    <message>
        <source>on their own</source>
        <translation>a parte</translation>
    </message>
    <message>
        <source>on their own; the penalty carries over</source>
        <translation>a parte; il bonus resta</translation>
    </message>
    <message>
        <source>Overtime fouls count:</source>
        <translation>Falli nei suppl.:</translation>
    </message>
    <message>
        <source>Overtime: two shots from:</source>
        <translation>Suppl.: 2 tiri dal fallo:</translation>
    </message>
    <message>
        <source>Opponent&apos;s points:</source>
        <translation>Punti avversari:</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>%1 is a period&apos;s name (&quot;1st&quot;, &quot;2nd half&quot;, &quot;OT&quot;) before its points</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Game details</source>
        <translation>Dettagli partita</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>Scarta (&amp;D)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why it was not written</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Salva il referto come PDF</translation>
    </message>
    <message>
        <source>The report has not been saved: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>Il referto non è stato salvato: %1</translation>
    </message>
    <message>
        <source>Export the box score as CSV</source>
        <translation>Esporta il tabellino come CSV</translation>
    </message>
    <message>
        <source>The box score has not been exported: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>Il tabellino non è stato esportato: %1</translation>
    </message>
    <message>
        <source>the PDF could not be made.</source>
        <translation>non è stato possibile creare il PDF.</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Errore!</translation>
    </message>
    <message>
        <source>Save the season as PDF</source>
        <translation>Salva la stagione come PDF</translation>
    </message>
    <message>
        <source>The season has not been saved: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>La stagione non è stata salvata: %1</translation>
    </message>
    <message>
        <source>Export the season as CSV</source>
        <translation>Esporta la stagione come CSV</translation>
    </message>
    <message>
        <source>The season has not been exported: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>La stagione non è stata esportata: %1</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Errore!</translation>
    </message>
    <message>
        <source>Please enter the players number and name--no more than 13 characters</source>
        <translation>Inserire numero e nome del giocatore: non più di 13 caratteri</translation>
    </message>
    <message>
        <source>Please enter the players number and name--no more than 16 characters</source>
        <translation>Inserire numero e nome del giocatore: non più di 16 caratteri</translation>
    </message>
    <message>
        <source>Enter name</source>
        <translation>Inserire il nome</translation>
    </message>
    <message>
        <source>Select the destination file</source>
        <translation>Selezionare il file di destinazione</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Selezionare il file di origine</translation>
    </message>
    <message>
        <source>Please enter a file name before pressing the save button.</source>
        <translation>Inserire un nome di file prima di premere il pulsante Salva.</translation>
    </message>
    <message>
        <source>Your file has been saved.</source>
        <translation>Il file è stato salvato.</translation>
    </message>
    <message>
        <source>Saved to %1 at %2</source>
        <extracomment>%1 is the file&apos;s name, %2 the time of day</extracomment>
        <translation>Salvato in %1 alle %2</translation>
    </message>
    <message>
        <source>Your file has not been saved: %1</source>
        <extracomment>%1 is why (the system&apos;s words, or another text of the program)</extracomment>
        <translation>Il file non è stato salvato: %1</translation>
    </message>
    <message>
        <source>the game would be too large to open again.</source>
        <translation>la partita sarebbe troppo grande per essere riaperta.</translation>
    </message>
    <message>
        <source>Select/highlight appropriate file name in the file list box.</source>
        <translation>Selezionare/evidenziare il nome di file appropriato nell&apos;elenco dei file.</translation>
    </message>
    <message>
        <source>Error loading</source>
        <translation>Errore di caricamento</translation>
    </message>
    <message>
        <source>Plays not opened</source>
        <translation>Azioni non aperte</translation>
    </message>
    <message>
        <source>The plays of this file do not match its statistics; they were not opened.</source>
        <translation>Le azioni di questo file non corrispondono alle sue statistiche; non sono state aperte.</translation>
    </message>
    <message>
        <source>%1 has changed since this game was last kept. Replace it with this game?</source>
        <extracomment>%1 is the game file&apos;s path</extracomment>
        <translation>%1 è cambiato dall&apos;ultima volta che questa partita è stata conservata. Sostituirlo con questa partita?</translation>
    </message>
    <message>
        <source>Replace?</source>
        <translation>Sostituire?</translation>
    </message>
    <message>
        <source>This file holds more plays than a game file can keep; the statistics were opened without them.</source>
        <translation>Questo file contiene più azioni di quante un file di partita possa conservarne; le statistiche sono state aperte senza di esse.</translation>
    </message>
    <message>
        <source>Unsaved game</source>
        <translation>Partita non salvata</translation>
    </message>
    <message>
        <source>The statistics of this game have not been saved. Save them first?</source>
        <translation>Le statistiche di questa partita non sono state salvate. Salvarle prima?</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>File: %1
Last change: %2
Players: %3</source>
        <extracomment>%1 is the game&apos;s file (or &quot;not yet saved&quot;), %2 when it last changed, %3 the first names</extracomment>
        <translation>File: %1
Ultima modifica: %2
Giocatori: %3</translation>
    </message>
    <message>
        <source>Restore game</source>
        <translation>Ripristina partita</translation>
    </message>
    <message>
        <source>Tallivant ended before this game was saved. Restore it?</source>
        <translation>Tallivant si è chiuso prima che questa partita fosse salvata. Ripristinarla?</translation>
    </message>
    <message>
        <source>not yet saved</source>
        <translation>non ancora salvato</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>If you are going to run two copies of tallivant at once set the windows taskbar to &apos;always on top&apos; by selecting the windows &apos;start&apos; button then &apos;settings&apos; then &apos;taskbar&apos; then &apos;always on top&apos; </source>
        <translation>Se si intende eseguire due copie di tallivant contemporaneamente, impostare la barra delle applicazioni di Windows su &apos;sempre in primo piano&apos; selezionando il pulsante &apos;start&apos; di Windows, poi &apos;impostazioni&apos;, poi &apos;barra delle applicazioni&apos;, poi &apos;sempre in primo piano&apos; </translation>
    </message>
    <message>
        <source>Click for instructions message 1 of 4</source>
        <translation>Fare clic per il messaggio di istruzioni 1 di 4</translation>
    </message>
    <message>
        <source>Set your screen resolution to 800 x 600 or greater.  To do this:From the windows desktop select the &apos;start&apos; button.  Select &apos;settings&apos;.  Select &apos;control panel&apos;. Double-click on the &apos;display&apos; icon in the control panel.  Select the &apos;settings&apos; tab. Set the screen area to 800 x 600 or greater.</source>
        <translation>Impostare la risoluzione dello schermo a 800 x 600 o superiore.  Per farlo: dal desktop di Windows selezionare il pulsante &apos;start&apos;.  Selezionare &apos;impostazioni&apos;.  Selezionare &apos;pannello di controllo&apos;. Fare doppio clic sull&apos;icona &apos;schermo&apos; nel pannello di controllo.  Selezionare la scheda &apos;impostazioni&apos;. Impostare l&apos;area dello schermo a 800 x 600 o superiore.</translation>
    </message>
    <message>
        <source>Click for instructions message 2 of 4</source>
        <translation>Fare clic per il messaggio di istruzioni 2 di 4</translation>
    </message>
    <message>
        <source>To start with enter the team roster by selecting File|New from the file menu.  A prompt appears for you to enter 12 player names one-at-a-time.  If you don&apos;t have 12 players just press enter for the remaining players.  When you are ready to enter stats, select the player first by clicking once on his name and then clicking once on the appropriate stat button.  The changes are made in the appropriate boxes.</source>
        <translation>Per iniziare, inserire la rosa della squadra selezionando File|Nuovo dal menu File.  Viene chiesto di inserire 12 nomi di giocatori, uno alla volta.  Se non si hanno 12 giocatori, premere semplicemente Enter per i giocatori rimanenti.  Quando si è pronti a inserire le statistiche, selezionare prima il giocatore facendo clic una volta sul suo nome e poi una volta sul pulsante della statistica appropriata.  Le modifiche vengono fatte nelle caselle appropriate.</translation>
    </message>
    <message>
        <source>Click for instructions message 3 of 4</source>
        <translation>Fare clic per il messaggio di istruzioni 3 di 4</translation>
    </message>
    <message>
        <source>If you make a mistake click once on the &apos;takeback&apos; button.  It will undo the last stat you entered.</source>
        <translation>In caso di errore, fare clic una volta sul pulsante &apos;Annulla&apos;.  Annulla l&apos;ultima statistica inserita.</translation>
    </message>
    <message>
        <source>Click for instructions message 4 of 4</source>
        <translation>Fare clic per il messaggio di istruzioni 4 di 4</translation>
    </message>
    <message>
        <source>If you need to edit the roster select &apos;Edit Roster&apos; then &apos;Edit roster&apos;. You do not have to retype every name.  If you want to keep a name the way it is just click &apos;o.k.&apos;.  The empty boxes to the left of each player&apos;s name is used to show who is on the floor currently.  Checked means the player is on the floor.</source>
        <translation>Per modificare la rosa, selezionare &apos;Modifica rosa&apos; e poi &apos;Modifica rosa&apos;. Non occorre riscrivere ogni nome.  Per lasciare un nome com&apos;è, fare semplicemente clic su &apos;OK&apos;.  Le caselle vuote a sinistra del nome di ogni giocatore servono a mostrare chi è in campo in quel momento.  Spuntata significa che il giocatore è in campo.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Field goal made</source>
        <translation>Tiro dal campo realizzato</translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation>Tiro dal campo sbagliato</translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation>Tiro libero realizzato</translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation>Tiro libero sbagliato</translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation>Tiro da tre realizzato</translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation>Tiro da tre sbagliato</translation>
    </message>
    <message>
        <source>Assist</source>
        <translation>Assist</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Rimbalzo</translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation>Palla persa</translation>
    </message>
    <message>
        <source>Steal</source>
        <translation>Palla recuperata</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Stoppata</translation>
    </message>
    <message>
        <source>Personal foul (the player stays selected)</source>
        <translation>Fallo personale (il giocatore resta selezionato)</translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation>Fallo tecnico</translation>
    </message>
    <message>
        <source>Alt+the letter after &amp; in a name</source>
        <translation>Alt+la lettera dopo &amp; in un nome</translation>
    </message>
    <message>
        <source>Selects that player</source>
        <translation>Seleziona quel giocatore</translation>
    </message>
    <message>
        <source>Next quarter</source>
        <translation>Quarto successivo</translation>
    </message>
    <message>
        <source>Previous quarter</source>
        <translation>Quarto precedente</translation>
    </message>
    <message>
        <source>Starts or stops the timeout clock</source>
        <translation>Avvia o ferma il cronometro della sospensione</translation>
    </message>
    <message>
        <source>Undoes the newest entry: an opponent play recorded since our last stat, else our last stat</source>
        <translation>Annulla l&apos;ultima registrazione: un&apos;azione avversaria registrata dopo la nostra ultima statistica, altrimenti la nostra ultima statistica</translation>
    </message>
    <message>
        <source>The opponent scored 1 point</source>
        <translation>L&apos;avversario ha segnato 1 punto</translation>
    </message>
    <message>
        <source>The opponent scored 2 points</source>
        <translation>L&apos;avversario ha segnato 2 punti</translation>
    </message>
    <message>
        <source>The opponent scored 3 points</source>
        <translation>L&apos;avversario ha segnato 3 punti</translation>
    </message>
    <message>
        <source>An opponent team foul</source>
        <translation>Un fallo di squadra dell&apos;avversario</translation>
    </message>
    <message>
        <source>Saves the game to its file</source>
        <translation>Salva la partita nel suo file</translation>
    </message>
    <message>
        <source>File menu</source>
        <translation>Menu File</translation>
    </message>
    <message>
        <source>Edit Roster menu</source>
        <translation>Menu Modifica rosa</translation>
    </message>
    <message>
        <source>Color change menu</source>
        <translation>Menu Cambia colore</translation>
    </message>
    <message>
        <source>Plays menu</source>
        <translation>Menu Azioni</translation>
    </message>
    <message>
        <source>Help menu</source>
        <translation>Menu Aiuto</translation>
    </message>
    <message>
        <source>Remove: the selected plays leave the totals</source>
        <translation>Togli: le azioni selezionate escono dai totali</translation>
    </message>
    <message>
        <source>Put back: the selected plays count again</source>
        <translation>Rimetti: le azioni selezionate contano di nuovo</translation>
    </message>
    <message>
        <source>Give to: another player gets the selected plays</source>
        <translation>Dai a: un altro giocatore riceve le azioni selezionate</translation>
    </message>
    <message>
        <source>Quarter: the selected plays go to another quarter</source>
        <translation>Quarto: le azioni selezionate passano a un altro quarto</translation>
    </message>
    <message>
        <source>The newest play</source>
        <translation>L&apos;azione più recente</translation>
    </message>
    <message>
        <source>The oldest play</source>
        <translation>L&apos;azione meno recente</translation>
    </message>
    <message>
        <source>Closes the window</source>
        <translation>Chiude la finestra</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Foglio</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Azioni</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Totali stagionali</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Che cosa fa</translation>
    </message>
    <message>
        <source>Held: %1. Enter: they act. Escape: they are dropped.</source>
        <extracomment>%1 lists the keys pressed while the box was open (&quot;Alt+C, Ctrl+1&quot;)</extracomment>
        <translation>Premuti: %1. Enter: vengono eseguiti. Escape: vengono scartati.</translation>
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
        <translation>La partita compare qui appena il suo script viene eseguito.</translation>
    </message>
    <message>
        <source>No game to show yet.</source>
        <translation>Ancora nessuna partita da mostrare.</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <extracomment>%1 is the time of day the page was last written</extracomment>
        <translation>Aggiornato alle %1</translation>
    </message>
    <message>
        <source>Not updated since %1</source>
        <extracomment>%1 is the time of day the page was last written</extracomment>
        <translation>Non aggiornato dalle %1</translation>
    </message>
    <message>
        <source>%1: Team fouls %2</source>
        <extracomment>%1 is a team&apos;s name, %2 its count of team fouls in the period</extracomment>
        <translation>%1: falli di squadra %2</translation>
    </message>
    <message>
        <source>the next gives two shots</source>
        <translation>il prossimo dà due tiri liberi</translation>
    </message>
    <message>
        <source>the next gives one-and-one</source>
        <translation>il prossimo dà uno più uno</translation>
    </message>
    <message>
        <source>Score by period</source>
        <translation>Punteggio per periodo</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The column of the whole game&apos;s points after the periods&apos;</extracomment>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Box score</source>
        <translation>Tabellino</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>%1 (out)</source>
        <extracomment>%1 is a player&apos;s name; the player has fouled out</extracomment>
        <translation>%1 (fuori)</translation>
    </message>
    <message>
        <source>Totals</source>
        <extracomment>The box score&apos;s line of the team&apos;s totals</extracomment>
        <translation>Totali</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Azioni</translation>
    </message>
    <message>
        <source>No plays yet.</source>
        <translation>Ancora nessuna azione.</translation>
    </message>
    <message>
        <source>Plays, newest first</source>
        <translation>Azioni, dalla più recente</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The live page&apos;s language as an HTML language code: de, fr, es, it ...</extracomment>
        <translation>it</translation>
    </message>
    <message>
        <source>Share live</source>
        <translation>Condividi live</translation>
    </message>
    <message>
        <source>Sharing live to %1.</source>
        <extracomment>%1 is the folder the page is written to</extracomment>
        <translation>Condivisione live in %1.</translation>
    </message>
    <message>
        <source>Stop sharing</source>
        <translation>Interrompi condivisione</translation>
    </message>
    <message>
        <source>Share to another folder</source>
        <translation>Condividi in un&apos;altra cartella</translation>
    </message>
    <message>
        <source>Stopped sharing live</source>
        <translation>Condivisione live interrotta</translation>
    </message>
    <message>
        <source>Share live: the folder for the page</source>
        <translation>Condividi live: la cartella della pagina</translation>
    </message>
    <message>
        <source>Names on the page:</source>
        <translation>Nomi sulla pagina:</translation>
    </message>
    <message>
        <source>as on the buttons</source>
        <translation>come sui pulsanti</translation>
    </message>
    <message>
        <source>numbers only</source>
        <translation>solo numeri</translation>
    </message>
    <message>
        <source>The game cannot be shared live to %1: %2</source>
        <extracomment>%1 is the folder chosen, %2 why the page cannot be written there</extracomment>
        <translation>La partita non può essere condivisa live in %1: %2</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Fi&amp;le</source>
        <translation>Fi&amp;le</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Salva referto come PDF</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Totali stagionali</translation>
    </message>
    <message>
        <source>New game, same roster</source>
        <translation>Nuova partita, stessa rosa</translation>
    </message>
    <message>
        <source>Game details...</source>
        <translation>Dettagli partita...</translation>
    </message>
    <message>
        <source>Share live...</source>
        <translation>Condividi live...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Esci (&amp;X)</translation>
    </message>
    <message>
        <source>Ed&amp;it Roster</source>
        <translation>Mod&amp;ifica rosa</translation>
    </message>
    <message>
        <source>Edit roster</source>
        <translation>Modifica rosa</translation>
    </message>
    <message>
        <source>Color chan&amp;ge</source>
        <translation>Cambia colore (&amp;G)</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rosso scuro</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Verde scuro</translation>
    </message>
    <message>
        <source>Dark purple</source>
        <translation>Viola scuro</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Blu scuro</translation>
    </message>
    <message>
        <source>Dark orange</source>
        <translation>Arancione scuro</translation>
    </message>
    <message>
        <source>Pla&amp;ys</source>
        <translation>Azioni (&amp;Y)</translation>
    </message>
    <message>
        <source>Show plays</source>
        <translation>Mostra azioni</translation>
    </message>
    <message>
        <source>Next quarter</source>
        <translation>Quarto successivo</translation>
    </message>
    <message>
        <source>Previous quarter</source>
        <translation>Quarto precedente</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>Aiuto (&amp;P)</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
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
        <translation>Ora</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Statistica</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>primo quarto</translation>
    </message>
    <message>
        <source>second quarter</source>
        <translation>secondo quarto</translation>
    </message>
    <message>
        <source>third quarter</source>
        <translation>terzo quarto</translation>
    </message>
    <message>
        <source>fourth quarter</source>
        <translation>quarto quarto</translation>
    </message>
    <message>
        <source>overtime</source>
        <translation>tempo supplementare</translation>
    </message>
    <message>
        <source>Play %1, %2, %3, %4, %5</source>
        <extracomment>%1 the play&apos;s number, %2 its time, %3 its quarter, %4 the player, %5 the stat</extracomment>
        <translation>Azione %1, %2, %3, %4, %5</translation>
    </message>
    <message>
        <source>Play %1, %2, %3, %4, %5, %6</source>
        <extracomment>as without a note, and %6 the play&apos;s note (&quot;taken back&quot;)</extracomment>
        <translation>Azione %1, %2, %3, %4, %5, %6</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Azioni</translation>
    </message>
    <message>
        <source>Plays, newest first</source>
        <translation>Azioni, dalla più recente</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Togli</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Rimetti</translation>
    </message>
    <message>
        <source>Give to...</source>
        <translation>Dai a...</translation>
    </message>
    <message>
        <source>Quarter...</source>
        <translation>Quarto...</translation>
    </message>
    <message>
        <source>Give to</source>
        <translation>Dai a</translation>
    </message>
    <message>
        <source>Give the selected plays to:</source>
        <translation>Assegnare le azioni selezionate a:</translation>
    </message>
    <message>
        <source>Move the selected plays to:</source>
        <translation>Spostare le azioni selezionate in:</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Tallivant cannot keep a recovery copy of this game: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Tallivant non può conservare una copia di ripristino di questa partita: %1</translation>
    </message>
    <message>
        <source>Tallivant cannot keep the discarded game: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Tallivant non può conservare la partita scartata: %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Tallivant stat report</source>
        <translation>Referto statistico Tallivant</translation>
    </message>
    <message>
        <source>Make sure the printer is ready</source>
        <translation>Assicurarsi che la stampante sia pronta</translation>
    </message>
    <message>
        <source>Printer Check</source>
        <translation>Controllo stampante</translation>
    </message>
    <message>
        <source>Make sure the printer is on and has paper.</source>
        <translation>Assicurarsi che la stampante sia accesa e abbia carta.</translation>
    </message>
    <message>
        <source>Error Printing</source>
        <translation>Errore di stampa</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Totali stagionali</translation>
    </message>
    <message>
        <source>Tallivant season totals</source>
        <translation>Totali stagionali Tallivant</translation>
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
        <translation>Selezionare le partite della stagione</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Totali stagionali</translation>
    </message>
    <message>
        <source>These files were left out:</source>
        <translation>Questi file sono stati esclusi:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>Print the season totals</source>
        <translation>Stampa i totali stagionali</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Field goal made</source>
        <translation>Tiro dal campo realizzato</translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation>Tiro dal campo sbagliato</translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation>Tiro libero realizzato</translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation>Tiro libero sbagliato</translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation>Tiro da tre realizzato</translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation>Tiro da tre sbagliato</translation>
    </message>
    <message>
        <source>Assist</source>
        <translation>Assist</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Rimbalzo</translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation>Palla persa</translation>
    </message>
    <message>
        <source>Steal</source>
        <translation>Palla recuperata</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Stoppata</translation>
    </message>
    <message>
        <source>Personal foul</source>
        <translation>Fallo personale</translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation>Fallo tecnico</translation>
    </message>
    <message>
        <source>MADE</source>
        <translation>REAL.</translation>
    </message>
    <message>
        <source>MISSED</source>
        <translation>ERRATI</translation>
    </message>
    <message>
        <source>Current   Qtr  OT</source>
        <translation>Quarto att.     TS</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Primo quarto</translation>
    </message>
    <message>
        <source>Second quarter</source>
        <translation>Secondo quarto</translation>
    </message>
    <message>
        <source>Third quarter</source>
        <translation>Terzo quarto</translation>
    </message>
    <message>
        <source>Fourth quarter</source>
        <translation>Quarto quarto</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Tempo supplementare</translation>
    </message>
    <message>
        <source>Takeback</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Timeout clock</source>
        <translation>Cronometro sospensione</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Start or stop the timeout clock</source>
        <translation>Avvia o ferma il cronometro della sospensione</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Reset the timeout clock to one minute</source>
        <translation>Riporta il cronometro della sospensione a un minuto</translation>
    </message>
    <message>
        <source>Full Timeout</source>
        <translation>Sosp. intere</translation>
    </message>
    <message>
        <source>Full timeout 1 used</source>
        <translation>Sospensione intera 1 usata</translation>
    </message>
    <message>
        <source>Full timeout 2 used</source>
        <translation>Sospensione intera 2 usata</translation>
    </message>
    <message>
        <source>Full timeout 3 used</source>
        <translation>Sospensione intera 3 usata</translation>
    </message>
    <message>
        <source>20-Second T.O.&apos;s used</source>
        <translation>Sosp. 20 sec. usate</translation>
    </message>
    <message>
        <source>20-second timeout 1 used</source>
        <translation>Sospensione di 20 secondi 1 usata</translation>
    </message>
    <message>
        <source>20-second timeout 2 used</source>
        <translation>Sospensione di 20 secondi 2 usata</translation>
    </message>
    <message>
        <source>Game file</source>
        <translation>File di partita</translation>
    </message>
    <message>
        <source>Possesion</source>
        <translation>Possesso</translation>
    </message>
    <message>
        <source>U</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Our team has possession</source>
        <translation>La nostra squadra ha il possesso</translation>
    </message>
    <message>
        <source>Opp</source>
        <translation>Avv</translation>
    </message>
    <message>
        <source>The opponent has possession</source>
        <translation>L&apos;avversario ha il possesso</translation>
    </message>
    <message>
        <source>First quarter Totals</source>
        <translation>Totali 1° quarto</translation>
    </message>
    <message>
        <source>Second Quarter Total</source>
        <translation>Totali 2° quarto</translation>
    </message>
    <message>
        <source>Third Quarter Totals</source>
        <translation>Totali 3° quarto</translation>
    </message>
    <message>
        <source>Fourth Quarter Totals</source>
        <translation>Totali 4° quarto</translation>
    </message>
    <message>
        <source>Overtime Totals</source>
        <translation>Totali suppl.</translation>
    </message>
    <message>
        <source>Game Totals</source>
        <translation>Totali partita</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>Foul trouble</source>
        <translation>Problemi di falli</translation>
    </message>
    <message>
        <source>%1 on the floor</source>
        <extracomment>%1 is a player&apos;s line of the sheet: &quot;Player 3&quot;</extracomment>
        <translation>%1 in campo</translation>
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
        <translation>Salvato %1</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <extracomment>%1 is the name of the file written</extracomment>
        <translation>Esportato %1</translation>
    </message>
    <message>
        <source>Saved %1 and %2</source>
        <extracomment>%1 and %2 are the names of the files written</extracomment>
        <translation>Salvati %1 e %2</translation>
    </message>
    <message>
        <source>Exported %1 and %2</source>
        <extracomment>%1 and %2 are the names of the files written</extracomment>
        <translation>Esportati %1 e %2</translation>
    </message>
    <message>
        <source>Stopped sharing live: another game is on the sheet</source>
        <translation>Condivisione live interrotta: sul foglio c&apos;è un&apos;altra partita</translation>
    </message>
    <message>
        <source>Not sharing live to %1: %2</source>
        <extracomment>%1 is the folder, %2 why</extracomment>
        <translation>Nessuna condivisione live in %1: %2</translation>
    </message>
    <message>
        <source>the folder cannot be found.</source>
        <translation>la cartella non si trova.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why it cannot be written</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Live page behind: %1 has not taken a file for %2 s</source>
        <extracomment>%1 is the folder, %2 a number of seconds</extracomment>
        <translation>Pagina live in ritardo: %1 non riceve un file da %2 s</translation>
    </message>
    <message>
        <source>Live page failing: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Pagina live non riuscita: %1</translation>
    </message>
    <message>
        <source>Sharing live to %1</source>
        <extracomment>%1 is the folder</extracomment>
        <translation>Condivisione live in %1</translation>
    </message>
    <message>
        <source>Live page not written: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Pagina live non scritta: %1</translation>
    </message>
    <message>
        <source>Team fouls %1</source>
        <translation>Falli di squadra %1</translation>
    </message>
    <message>
        <source>Team fouls %1 (the next gives two shots)</source>
        <translation>Falli di squadra %1 (il prossimo dà due tiri liberi)</translation>
    </message>
    <message>
        <source>Team fouls %1 (the next gives one-and-one)</source>
        <translation>Falli di squadra %1 (il prossimo dà uno più uno)</translation>
    </message>
    <message>
        <source>%1 %2: we shoot two</source>
        <extracomment>%1 is the opponent&apos;s name, %2 its team fouls</extracomment>
        <translation>%1 %2: tiriamo due liberi</translation>
    </message>
    <message>
        <source>%1 %2: we shoot one-and-one</source>
        <extracomment>%1 is the opponent&apos;s name, %2 its team fouls</extracomment>
        <translation>%1 %2: tiriamo uno più uno</translation>
    </message>
    <message>
        <source>Fouled out: %1</source>
        <extracomment>%1 lists the players, &quot;6 Tess Kim, 9 Ana Ruiz&quot;</extracomment>
        <translation>Usciti per falli: %1</translation>
    </message>
    <message>
        <source>Undone: %1 1 point (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Annullato: %1 1 punto (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 2 points (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Annullato: %1 2 punti (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 3 points (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Annullato: %1 3 punti (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 team foul (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Annullato: %1 fallo di squadra (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 points set to %2 (%3)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 their points, %3 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Annullato: %1 punti impostati a %2 (%3)</translation>
    </message>
    <message>
        <source>Taken back: %1, %2</source>
        <extracomment>%1 is the stat (&quot;Rebound&quot;), %2 the player (&quot;6 Tess Kim&quot;)</extracomment>
        <translation>Annullata: %1, %2</translation>
    </message>
    <message>
        <source>%1 has fouled out</source>
        <extracomment>%1 is the player (&quot;6 Tess Kim&quot;)</extracomment>
        <translation>%1 è uscito per falli</translation>
    </message>
    <message>
        <source>Recovery copy failing: %1</source>
        <extracomment>%1 is why the copy cannot be written</extracomment>
        <translation>Copia di ripristino non riuscita: %1</translation>
    </message>
    <message>
        <source>Recovery copy kept</source>
        <translation>Copia di ripristino conservata</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Avvisi</translation>
    </message>
</context>
</TS>
