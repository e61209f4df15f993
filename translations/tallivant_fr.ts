<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ButtonRow</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Tient les statistiques d&apos;une équipe de basket pendant un match.
Avec --pdf, --csv, --json ou --html, écrit le rapport, la feuille de statistiques ou la
page en direct d&apos;un fichier de match et se termine, sans fenêtre ; avec --season-pdf
ou --season-csv, fait de même pour les totaux de la saison d&apos;un nombre quelconque de
fichiers de match.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Affiche cette aide et se termine.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Affiche la version et se termine.</translation>
    </message>
    <message>
        <source>Write the report of GAME to OUT as PDF.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Écrit le rapport de GAME dans OUT au format PDF.</translation>
    </message>
    <message>
        <source>Write the box score of GAME to OUT as CSV, and its plays beside it (OUT&apos;s name with -plays.csv).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Écrit la feuille de statistiques de GAME dans OUT au format CSV, et ses actions à côté (nom de OUT suivi de -plays.csv).</translation>
    </message>
    <message>
        <source>Write the season totals of the GAME files to OUT as PDF.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Écrit les totaux de la saison des fichiers GAME dans OUT au format PDF.</translation>
    </message>
    <message>
        <source>Write the season totals of the GAME files to OUT as CSV.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Écrit les totaux de la saison des fichiers GAME dans OUT au format CSV.</translation>
    </message>
    <message>
        <source>Write GAME to OUT as the live page&apos;s JSON (game.json).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Écrit GAME dans OUT au format JSON de la page en direct (game.json).</translation>
    </message>
    <message>
        <source>Write the live page of GAME to OUT (index.html).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Écrit la page en direct de GAME dans OUT (index.html).</translation>
    </message>
    <message>
        <source>A game file, opened in the window or written out by --pdf, --csv, --json and --html; for --season-pdf and --season-csv, the season&apos;s game files.</source>
        <extracomment>--pdf and the like are the options&apos; names: keep them as they are</extracomment>
        <translation>Un fichier de match, ouvert dans la fenêtre ou écrit par --pdf, --csv, --json et --html ; pour --season-pdf et --season-csv, les fichiers de match de la saison.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <extracomment>%1 is the option&apos;s name</extracomment>
        <translation>L&apos;option --%1 est donnée plus d&apos;une fois.</translation>
    </message>
    <message>
        <source>--%1 needs a file name.</source>
        <extracomment>%1 is the option&apos;s name</extracomment>
        <translation>L&apos;option --%1 demande un nom de fichier.</translation>
    </message>
    <message>
        <source>--%1 needs a file name, not %2 (for a file of that name, write ./%2).</source>
        <extracomment>%1 is the option&apos;s name, %2 the next option, taken for its file name</extracomment>
        <translation>L&apos;option --%1 demande un nom de fichier, pas %2 (pour un fichier de ce nom, écrivez ./%2).</translation>
    </message>
    <message>
        <source>--pdf, --csv, --json and --html write one game, --season-pdf and --season-csv a season: not both at once.</source>
        <translation>--pdf, --csv, --json et --html écrivent un match, --season-pdf et --season-csv une saison : pas les deux à la fois.</translation>
    </message>
    <message>
        <source>--season-pdf and --season-csv need the game files to add up.</source>
        <translation>--season-pdf et --season-csv demandent les fichiers de match à additionner.</translation>
    </message>
    <message>
        <source>one game file at a time.</source>
        <translation>un seul fichier de match à la fois.</translation>
    </message>
    <message>
        <source>--pdf, --csv, --json and --html need the game file to write from.</source>
        <translation>--pdf, --csv, --json et --html demandent le fichier de match à partir duquel écrire.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>&amp;Start</source>
        <translation>Lancer (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB.</source>
        <translation>Il dépasse %1 Mio.</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <translation>Ce n&apos;est pas un fichier texte.</translation>
    </message>
    <message>
        <source>It holds %1 of the %2 values of a game file.</source>
        <translation>Il contient %1 des %2 valeurs d&apos;un fichier de match.</translation>
    </message>
    <message>
        <source>It is not a game file: a game file begins with the header &quot;Name&quot;,&quot;FGM&quot;,…</source>
        <translation>Ce n&apos;est pas un fichier de match : un fichier de match commence par l&apos;en-tête &quot;Name&quot;,&quot;FGM&quot;,…</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>1st Qtr Totals</source>
        <translation>Total 1er QT</translation>
    </message>
    <message>
        <source>2nd Qtr Totals</source>
        <translation>Total 2e QT</translation>
    </message>
    <message>
        <source>3rd Qtr Totals</source>
        <translation>Total 3e QT</translation>
    </message>
    <message>
        <source>4th Qtr Totals</source>
        <translation>Total 4e QT</translation>
    </message>
    <message>
        <source>Overtime Totals</source>
        <translation>Total prolong.</translation>
    </message>
    <message>
        <source>Game Totals</source>
        <translation>Total du match</translation>
    </message>
    <message>
        <source>It is in the season already.</source>
        <translation>Il figure déjà dans la saison.</translation>
    </message>
    <message>
        <source>An earlier save of %1.</source>
        <translation>Une sauvegarde antérieure de %1.</translation>
    </message>
    <message>
        <source>Player %1&apos;s %2 hold %3: a count must be a whole number from 0 to 9,999.</source>
        <translation>Les %2 du joueur %1 valent %3 : un compte doit être un nombre entier de 0 à 9 999.</translation>
    </message>
    <message>
        <source>The game totals&apos; %1 hold %2: a count must be a whole number from 0 to 9,999.</source>
        <translation>Les %1 des totaux du match valent %2 : un compte doit être un nombre entier de 0 à 9 999.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Adversaire</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>No game with a score</source>
        <translation>Aucun match avec un score</translation>
    </message>
    <message>
        <source>Record %1-%2, %3 points against per game (%4 game with a score)</source>
        <translation>Bilan %1-%2, %3 points encaissés par match (%4 match avec un score)</translation>
    </message>
    <message>
        <source>Record %1-%2, %3 points against per game (%4 games with a score)</source>
        <translation>Bilan %1-%2, %3 points encaissés par match (%4 matchs avec un score)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 tie), %4 points against per game (%5 game with a score)</source>
        <translation>Bilan %1-%2 (%3 nul), %4 points encaissés par match (%5 match avec un score)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 tie), %4 points against per game (%5 games with a score)</source>
        <translation>Bilan %1-%2 (%3 nul), %4 points encaissés par match (%5 matchs avec un score)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 ties), %4 points against per game (%5 game with a score)</source>
        <translation>Bilan %1-%2 (%3 nuls), %4 points encaissés par match (%5 match avec un score)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 ties), %4 points against per game (%5 games with a score)</source>
        <translation>Bilan %1-%2 (%3 nuls), %4 points encaissés par match (%5 matchs avec un score)</translation>
    </message>
    <message>
        <source>field goals made</source>
        <translation>tirs réussis</translation>
    </message>
    <message>
        <source>field goals attempted</source>
        <translation>tirs tentés</translation>
    </message>
    <message>
        <source>field goal percentage</source>
        <translation>pourcentage aux tirs</translation>
    </message>
    <message>
        <source>free throws made</source>
        <translation>lancers francs réussis</translation>
    </message>
    <message>
        <source>free throws attempted</source>
        <translation>lancers francs tentés</translation>
    </message>
    <message>
        <source>free throw percentage</source>
        <translation>pourcentage aux lancers francs</translation>
    </message>
    <message>
        <source>three-pointers made</source>
        <translation>tirs à 3 points réussis</translation>
    </message>
    <message>
        <source>three-pointers attempted</source>
        <translation>tirs à 3 points tentés</translation>
    </message>
    <message>
        <source>three-point percentage</source>
        <translation>pourcentage à 3 points</translation>
    </message>
    <message>
        <source>rebounds</source>
        <translation>rebonds</translation>
    </message>
    <message>
        <source>assists</source>
        <translation>passes décisives</translation>
    </message>
    <message>
        <source>turnovers</source>
        <translation>balles perdues</translation>
    </message>
    <message>
        <source>steals</source>
        <translation>interceptions</translation>
    </message>
    <message>
        <source>blocks</source>
        <translation>contres</translation>
    </message>
    <message>
        <source>personal fouls</source>
        <translation>fautes personnelles</translation>
    </message>
    <message>
        <source>technical fouls</source>
        <translation>fautes techniques</translation>
    </message>
    <message>
        <source>points</source>
        <translation>points</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Premier quart-temps</translation>
    </message>
    <message>
        <source>Second quarter</source>
        <translation>Deuxième quart-temps</translation>
    </message>
    <message>
        <source>Third quarter</source>
        <translation>Troisième quart-temps</translation>
    </message>
    <message>
        <source>Fourth quarter</source>
        <translation>Quatrième quart-temps</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Prolongation</translation>
    </message>
    <message>
        <source>Game totals</source>
        <translation>Total du match</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>what a screen reader says of a player&apos;s line: %1 is its number, 1 to 12</extracomment>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Attention !</translation>
    </message>
    <message>
        <source>Please select player first.</source>
        <translation>Veuillez d&apos;abord sélectionner un joueur.</translation>
    </message>
    <message>
        <source>The last stat could not be taken back: the player&apos;s line holds a value that is not a number.</source>
        <translation>La dernière stat n&apos;a pas pu être annulée : la ligne du joueur contient une valeur qui n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Foul trouble</source>
        <translation>Alerte fautes</translation>
    </message>
    <message>
        <source>Fouled out (%1)</source>
        <extracomment>%1 is why the player is out: &quot;FIBA: 5 fouls&quot; or &quot;2 technical fouls&quot;</extracomment>
        <translation>Sorti pour fautes (%1)</translation>
    </message>
    <message>
        <source>The player has %1</source>
        <extracomment>%1 is the number of personal fouls the player has</extracomment>
        <translation>Le joueur a %1 fautes</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 point</translation>
    </message>
    <message>
        <source>2 points</source>
        <translation>2 points</translation>
    </message>
    <message>
        <source>3 points</source>
        <translation>3 points</translation>
    </message>
    <message>
        <source>Team foul</source>
        <translation>Faute d&apos;équipe</translation>
    </message>
    <message>
        <source>Points set to %1</source>
        <extracomment>the opponent&apos;s points in the quarter set to a figure: %1</extracomment>
        <translation>Points fixés à %1</translation>
    </message>
    <message>
        <source>taken back</source>
        <translation>annulée</translation>
    </message>
    <message>
        <source>from %1</source>
        <extracomment>a play given to another player: %1 is the name of the player it was recorded for
----------
a play moved to another quarter: %1 is the quarter it was recorded in (&quot;2nd&quot;, &quot;OT&quot;)</extracomment>
        <translation>origine : %1</translation>
    </message>
    <message>
        <source>Us</source>
        <translation>Nous</translation>
    </message>
    <message>
        <source>Field goal made</source>
        <translation>Tir réussi</translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation>Tir manqué</translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation>Lancer franc réussi</translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation>Lancer franc manqué</translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation>Tir à 3 points réussi</translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation>Tir à 3 points manqué</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Rebond</translation>
    </message>
    <message>
        <source>Assist</source>
        <translation>Passe décisive</translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation>Balle perdue</translation>
    </message>
    <message>
        <source>Steal</source>
        <translation>Interception</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Contre</translation>
    </message>
    <message>
        <source>Personal foul</source>
        <translation>Faute personnelle</translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation>Faute technique</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>OT</source>
        <translation>Prol.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a play&apos;s note: %1 its first parts, %2 the next (&quot;taken back, from 2nd&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>NCAA men</source>
        <translation>NCAA hommes</translation>
    </message>
    <message>
        <source>NCAA women</source>
        <translation>NCAA femmes</translation>
    </message>
    <message>
        <source>US high school</source>
        <translation>Lycée américain</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>1st half</source>
        <translation>1re mi-temps</translation>
    </message>
    <message>
        <source>2nd half</source>
        <translation>2e mi-temps</translation>
    </message>
    <message>
        <source>Q1</source>
        <translation>QT1</translation>
    </message>
    <message>
        <source>Q2</source>
        <translation>QT2</translation>
    </message>
    <message>
        <source>Q3</source>
        <translation>QT3</translation>
    </message>
    <message>
        <source>Q4</source>
        <translation>QT4</translation>
    </message>
    <message>
        <source>H1</source>
        <translation>MT1</translation>
    </message>
    <message>
        <source>H2</source>
        <translation>MT2</translation>
    </message>
    <message>
        <source>%1 technical fouls</source>
        <extracomment>why a player is out: %1 is the number of technical fouls that eject</extracomment>
        <translation>%1 fautes techniques</translation>
    </message>
    <message>
        <source>%1: %2 fouls</source>
        <extracomment>%1 is the rules&apos; name (&quot;FIBA&quot;), %2 the number of fouls that put a player out</extracomment>
        <translation>%1 : %2 fautes</translation>
    </message>
    <message>
        <source>the game is too large to keep.</source>
        <translation>le match est trop volumineux pour être conservé.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is one of the games being read; choose another name.</source>
        <translation>C&apos;est l&apos;un des matchs en cours de lecture ; choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Two outputs name the same file.</source>
        <translation>Deux sorties désignent le même fichier.</translation>
    </message>
    <message>
        <source>It holds a game; choose another name.</source>
        <translation>Il contient un match ; choisissez un autre nom.</translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation>Ce n&apos;est pas un fichier mais un périphérique ou un tube.</translation>
    </message>
</context>
<context>
    <name>Details</name>
    <message>
        <source>All overtime periods count together: the sheet has one overtime line.
The last-two-minutes rule needs a clock and is not applied.</source>
        <translation>Toutes les prolongations comptent ensemble : la feuille a une seule ligne de prolongation.
La règle des deux dernières minutes demande un chronomètre et n&apos;est pas appliquée.</translation>
    </message>
    <message>
        <source>The 1st and 2nd quarter lines are the two halves;
the 3rd and 4th stay unused.</source>
        <translation>Les lignes du 1er et du 2e quart-temps sont les deux mi-temps ;
les 3e et 4e restent inutilisées.</translation>
    </message>
    <message>
        <source>Our &amp;team:</source>
        <translation>No&amp;tre équipe :</translation>
    </message>
    <message>
        <source>&amp;Opponent:</source>
        <translation>Adversaire (&amp;O) :</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>Lieu (&amp;P) :</translation>
    </message>
    <message>
        <source>&amp;Rules:</source>
        <translation>&amp;Règlement :</translation>
    </message>
    <message>
        <source>Technical fouls count toward it</source>
        <translation>Fautes techniques comprises</translation>
    </message>
    <message>
        <source>Fouls to foul out:</source>
        <translation>Fautes éliminatoires :</translation>
    </message>
    <message>
        <source>Technical fouls that eject:</source>
        <translation>Fautes tech. d&apos;exclusion :</translation>
    </message>
    <message>
        <source>Technical fouls are team fouls</source>
        <translation>Techniques = fautes d&apos;équipe</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>One-and-one from team foul:</source>
        <translation>1+1 dès la faute d&apos;équipe :</translation>
    </message>
    <message>
        <source>Two shots from team foul:</source>
        <translation>2 lancers dès la faute d&apos;équipe :</translation>
    </message>
    <message>
        <source>each quarter</source>
        <translation>à chaque quart-temps</translation>
    </message>
    <message>
        <source>each half</source>
        <translation>à chaque mi-temps</translation>
    </message>
    <message>
        <source>Team fouls start again:</source>
        <translation>Fautes d&apos;équipe remises à 0 :</translation>
    </message>
    <message>
        <source>with the last period</source>
        <translation>avec la dernière période</translation>
    </message>
    <message>
        <source>on their own</source>
        <translation>séparément</translation>
    </message>
    <message>
        <source>on their own; the penalty carries over</source>
        <translation>séparément ; la pénalité se reporte</translation>
    </message>
    <message>
        <source>Overtime fouls count:</source>
        <translation>Fautes en prolongation :</translation>
    </message>
    <message>
        <source>Overtime: two shots from:</source>
        <translation>Prolongation : 2 lancers dès :</translation>
    </message>
    <message>
        <source>Opponent&apos;s points:</source>
        <translation>Points adverses :</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>%1 is a period&apos;s name (&quot;1st&quot;, &quot;2nd half&quot;, &quot;OT&quot;) before its points</extracomment>
        <translation>%1 :</translation>
    </message>
    <message>
        <source>Game details</source>
        <translation>Détails du match</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>&amp;Save</source>
        <translation>Enregi&amp;strer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>Aban&amp;donner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why it was not written</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>The report has not been saved: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>Le rapport n&apos;a pas été enregistré : %1</translation>
    </message>
    <message>
        <source>Export the box score as CSV</source>
        <translation>Exporter la feuille de statistiques en CSV</translation>
    </message>
    <message>
        <source>The box score has not been exported: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>La feuille de statistiques n&apos;a pas été exportée : %1</translation>
    </message>
    <message>
        <source>the PDF could not be made.</source>
        <translation>le PDF n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>Save the season as PDF</source>
        <translation>Enregistrer la saison en PDF</translation>
    </message>
    <message>
        <source>The season has not been saved: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>La saison n&apos;a pas été enregistrée : %1</translation>
    </message>
    <message>
        <source>Export the season as CSV</source>
        <translation>Exporter la saison en CSV</translation>
    </message>
    <message>
        <source>The season has not been exported: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>La saison n&apos;a pas été exportée : %1</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>Please enter the players number and name--no more than 13 characters</source>
        <translation>Veuillez saisir le numéro et le nom du joueur -- 13 caractères au plus</translation>
    </message>
    <message>
        <source>Please enter the players number and name--no more than 16 characters</source>
        <translation>Veuillez saisir le numéro et le nom du joueur -- 16 caractères au plus</translation>
    </message>
    <message>
        <source>Enter name</source>
        <translation>Saisir le nom</translation>
    </message>
    <message>
        <source>Select the destination file</source>
        <translation>Choisissez le fichier de destination</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Choisissez le fichier source</translation>
    </message>
    <message>
        <source>Please enter a file name before pressing the save button.</source>
        <translation>Veuillez saisir un nom de fichier avant d&apos;appuyer sur le bouton d&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Your file has been saved.</source>
        <translation>Votre fichier a été enregistré.</translation>
    </message>
    <message>
        <source>Saved to %1 at %2</source>
        <extracomment>%1 is the file&apos;s name, %2 the time of day</extracomment>
        <translation>Enregistré dans %1 à %2</translation>
    </message>
    <message>
        <source>Your file has not been saved: %1</source>
        <extracomment>%1 is why (the system&apos;s words, or another text of the program)</extracomment>
        <translation>Votre fichier n&apos;a pas été enregistré : %1</translation>
    </message>
    <message>
        <source>the game would be too large to open again.</source>
        <translation>le match serait trop volumineux pour être rouvert.</translation>
    </message>
    <message>
        <source>Select/highlight appropriate file name in the file list box.</source>
        <translation>Sélectionnez le nom de fichier voulu dans la liste des fichiers.</translation>
    </message>
    <message>
        <source>Error loading</source>
        <translation>Erreur de chargement</translation>
    </message>
    <message>
        <source>Plays not opened</source>
        <translation>Actions non ouvertes</translation>
    </message>
    <message>
        <source>The plays of this file do not match its statistics; they were not opened.</source>
        <translation>Les actions de ce fichier ne correspondent pas à ses statistiques ; elles n&apos;ont pas été ouvertes.</translation>
    </message>
    <message>
        <source>%1 has changed since this game was last kept. Replace it with this game?</source>
        <extracomment>%1 is the game file&apos;s path</extracomment>
        <translation>%1 a changé depuis le dernier enregistrement de ce match. Le remplacer par ce match ?</translation>
    </message>
    <message>
        <source>Replace?</source>
        <translation>Remplacer ?</translation>
    </message>
    <message>
        <source>This file holds more plays than a game file can keep; the statistics were opened without them.</source>
        <translation>Ce fichier contient plus d&apos;actions qu&apos;un fichier de match ne peut en conserver ; les statistiques ont été ouvertes sans elles.</translation>
    </message>
    <message>
        <source>Unsaved game</source>
        <translation>Match non enregistré</translation>
    </message>
    <message>
        <source>The statistics of this game have not been saved. Save them first?</source>
        <translation>Les statistiques de ce match n&apos;ont pas été enregistrées. Les enregistrer d&apos;abord ?</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>File: %1
Last change: %2
Players: %3</source>
        <extracomment>%1 is the game&apos;s file (or &quot;not yet saved&quot;), %2 when it last changed, %3 the first names</extracomment>
        <translation>Fichier : %1
Dernière modification : %2
Joueurs : %3</translation>
    </message>
    <message>
        <source>Restore game</source>
        <translation>Restaurer le match</translation>
    </message>
    <message>
        <source>Tallivant ended before this game was saved. Restore it?</source>
        <translation>Tallivant s&apos;est fermé avant l&apos;enregistrement de ce match. Le restaurer ?</translation>
    </message>
    <message>
        <source>not yet saved</source>
        <translation>pas encore enregistré</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>If you are going to run two copies of tallivant at once set the windows taskbar to &apos;always on top&apos; by selecting the windows &apos;start&apos; button then &apos;settings&apos; then &apos;taskbar&apos; then &apos;always on top&apos; </source>
        <translation>Si vous comptez lancer deux copies de tallivant à la fois, réglez la barre des tâches de Windows sur « toujours visible » : choisissez le bouton « démarrer » de Windows, puis « paramètres », puis « barre des tâches », puis « toujours visible ».</translation>
    </message>
    <message>
        <source>Click for instructions message 1 of 4</source>
        <translation>Cliquez pour le message d&apos;instructions 1 sur 4</translation>
    </message>
    <message>
        <source>Set your screen resolution to 800 x 600 or greater.  To do this:From the windows desktop select the &apos;start&apos; button.  Select &apos;settings&apos;.  Select &apos;control panel&apos;. Double-click on the &apos;display&apos; icon in the control panel.  Select the &apos;settings&apos; tab. Set the screen area to 800 x 600 or greater.</source>
        <translation>Réglez la résolution de votre écran sur 800 x 600 ou plus. Pour cela : depuis le bureau de Windows, choisissez le bouton « démarrer ». Choisissez « paramètres ». Choisissez « panneau de configuration ». Double-cliquez sur l&apos;icône « affichage » du panneau de configuration. Choisissez l&apos;onglet « paramètres ». Réglez la zone d&apos;écran sur 800 x 600 ou plus.</translation>
    </message>
    <message>
        <source>Click for instructions message 2 of 4</source>
        <translation>Cliquez pour le message d&apos;instructions 2 sur 4</translation>
    </message>
    <message>
        <source>To start with enter the team roster by selecting File|New from the file menu.  A prompt appears for you to enter 12 player names one-at-a-time.  If you don&apos;t have 12 players just press enter for the remaining players.  When you are ready to enter stats, select the player first by clicking once on his name and then clicking once on the appropriate stat button.  The changes are made in the appropriate boxes.</source>
        <translation>Pour commencer, saisissez l&apos;effectif de l&apos;équipe en choisissant Fichier|Nouveau dans le menu Fichier. Une invite vous demande de saisir 12 noms de joueurs, un à la fois. Si vous n&apos;avez pas 12 joueurs, appuyez simplement sur Entrée pour les joueurs restants. Quand vous êtes prêt à saisir les stats, sélectionnez d&apos;abord le joueur en cliquant une fois sur son nom, puis cliquez une fois sur le bouton de stat voulu. Les changements se font dans les cases correspondantes.</translation>
    </message>
    <message>
        <source>Click for instructions message 3 of 4</source>
        <translation>Cliquez pour le message d&apos;instructions 3 sur 4</translation>
    </message>
    <message>
        <source>If you make a mistake click once on the &apos;takeback&apos; button.  It will undo the last stat you entered.</source>
        <translation>En cas d&apos;erreur, cliquez une fois sur le bouton « Annuler ». Il annule la dernière stat saisie.</translation>
    </message>
    <message>
        <source>Click for instructions message 4 of 4</source>
        <translation>Cliquez pour le message d&apos;instructions 4 sur 4</translation>
    </message>
    <message>
        <source>If you need to edit the roster select &apos;Edit Roster&apos; then &apos;Edit roster&apos;. You do not have to retype every name.  If you want to keep a name the way it is just click &apos;o.k.&apos;.  The empty boxes to the left of each player&apos;s name is used to show who is on the floor currently.  Checked means the player is on the floor.</source>
        <translation>Pour modifier l&apos;effectif, choisissez « Effectif » puis « Modifier l&apos;effectif ». Vous n&apos;avez pas à retaper chaque nom. Pour garder un nom tel quel, cliquez simplement sur « OK ». Les cases vides à gauche du nom de chaque joueur servent à indiquer qui est actuellement sur le terrain. Une case cochée signifie que le joueur est sur le terrain.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Field goal made</source>
        <translation>Tir réussi</translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation>Tir manqué</translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation>Lancer franc réussi</translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation>Lancer franc manqué</translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation>Tir à 3 points réussi</translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation>Tir à 3 points manqué</translation>
    </message>
    <message>
        <source>Assist</source>
        <translation>Passe décisive</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Rebond</translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation>Balle perdue</translation>
    </message>
    <message>
        <source>Steal</source>
        <translation>Interception</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Contre</translation>
    </message>
    <message>
        <source>Personal foul (the player stays selected)</source>
        <translation>Faute personnelle (le joueur reste sélectionné)</translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation>Faute technique</translation>
    </message>
    <message>
        <source>Alt+the letter after &amp; in a name</source>
        <translation>Alt+la lettre après &amp; dans un nom</translation>
    </message>
    <message>
        <source>Selects that player</source>
        <translation>Sélectionne ce joueur</translation>
    </message>
    <message>
        <source>Next quarter</source>
        <translation>Quart-temps suivant</translation>
    </message>
    <message>
        <source>Previous quarter</source>
        <translation>Quart-temps précédent</translation>
    </message>
    <message>
        <source>Starts or stops the timeout clock</source>
        <translation>Lance ou arrête le chrono de temps mort</translation>
    </message>
    <message>
        <source>Undoes the newest entry: an opponent play recorded since our last stat, else our last stat</source>
        <translation>Annule la saisie la plus récente : une action adverse enregistrée depuis notre dernière stat, sinon notre dernière stat</translation>
    </message>
    <message>
        <source>The opponent scored 1 point</source>
        <translation>L&apos;adversaire a marqué 1 point</translation>
    </message>
    <message>
        <source>The opponent scored 2 points</source>
        <translation>L&apos;adversaire a marqué 2 points</translation>
    </message>
    <message>
        <source>The opponent scored 3 points</source>
        <translation>L&apos;adversaire a marqué 3 points</translation>
    </message>
    <message>
        <source>An opponent team foul</source>
        <translation>Une faute d&apos;équipe adverse</translation>
    </message>
    <message>
        <source>Saves the game to its file</source>
        <translation>Enregistre le match dans son fichier</translation>
    </message>
    <message>
        <source>File menu</source>
        <translation>Menu Fichier</translation>
    </message>
    <message>
        <source>Edit Roster menu</source>
        <translation>Menu Effectif</translation>
    </message>
    <message>
        <source>Color change menu</source>
        <translation>Menu Changer de couleur</translation>
    </message>
    <message>
        <source>Plays menu</source>
        <translation>Menu Actions</translation>
    </message>
    <message>
        <source>Help menu</source>
        <translation>Menu Aide</translation>
    </message>
    <message>
        <source>Remove: the selected plays leave the totals</source>
        <translation>Retirer : les actions sélectionnées sortent des totaux</translation>
    </message>
    <message>
        <source>Put back: the selected plays count again</source>
        <translation>Remettre : les actions sélectionnées comptent de nouveau</translation>
    </message>
    <message>
        <source>Give to: another player gets the selected plays</source>
        <translation>Attribuer à : un autre joueur reçoit les actions sélectionnées</translation>
    </message>
    <message>
        <source>Quarter: the selected plays go to another quarter</source>
        <translation>Quart-temps : les actions sélectionnées passent dans un autre quart-temps</translation>
    </message>
    <message>
        <source>The newest play</source>
        <translation>L&apos;action la plus récente</translation>
    </message>
    <message>
        <source>The oldest play</source>
        <translation>L&apos;action la plus ancienne</translation>
    </message>
    <message>
        <source>Closes the window</source>
        <translation>Ferme la fenêtre</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Feuille</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Totaux de la saison</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Held: %1. Enter: they act. Escape: they are dropped.</source>
        <extracomment>%1 lists the keys pressed while the box was open (&quot;Alt+C, Ctrl+1&quot;)</extracomment>
        <translation>En attente : %1. Enter : elles s&apos;appliquent. Escape : elles sont abandonnées.</translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>Tallivant live</source>
        <translation>Tallivant en direct</translation>
    </message>
    <message>
        <source>The game shows here as soon as its script runs.</source>
        <translation>Le match s&apos;affiche ici dès que son script s&apos;exécute.</translation>
    </message>
    <message>
        <source>No game to show yet.</source>
        <translation>Aucun match à afficher pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <extracomment>%1 is the time of day the page was last written</extracomment>
        <translation>Mis à jour à %1</translation>
    </message>
    <message>
        <source>Not updated since %1</source>
        <extracomment>%1 is the time of day the page was last written</extracomment>
        <translation>Pas de mise à jour depuis %1</translation>
    </message>
    <message>
        <source>%1: Team fouls %2</source>
        <extracomment>%1 is a team&apos;s name, %2 its count of team fouls in the period</extracomment>
        <translation>%1 : fautes d&apos;équipe %2</translation>
    </message>
    <message>
        <source>the next gives two shots</source>
        <translation>la prochaine donne deux lancers francs</translation>
    </message>
    <message>
        <source>the next gives one-and-one</source>
        <translation>la prochaine donne un 1+1</translation>
    </message>
    <message>
        <source>Score by period</source>
        <translation>Score par période</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The column of the whole game&apos;s points after the periods&apos;</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Box score</source>
        <translation>Feuille de statistiques</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>%1 (out)</source>
        <extracomment>%1 is a player&apos;s name; the player has fouled out</extracomment>
        <translation>%1 (sorti)</translation>
    </message>
    <message>
        <source>Totals</source>
        <extracomment>The box score&apos;s line of the team&apos;s totals</extracomment>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>No plays yet.</source>
        <translation>Aucune action pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Plays, newest first</source>
        <translation>Actions, les plus récentes d&apos;abord</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The live page&apos;s language as an HTML language code: de, fr, es, it ...</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Share live</source>
        <translation>Partager en direct</translation>
    </message>
    <message>
        <source>Sharing live to %1.</source>
        <extracomment>%1 is the folder the page is written to</extracomment>
        <translation>Partage en direct vers %1.</translation>
    </message>
    <message>
        <source>Stop sharing</source>
        <translation>Arrêter le partage</translation>
    </message>
    <message>
        <source>Share to another folder</source>
        <translation>Partager vers un autre dossier</translation>
    </message>
    <message>
        <source>Stopped sharing live</source>
        <translation>Partage en direct arrêté</translation>
    </message>
    <message>
        <source>Share live: the folder for the page</source>
        <translation>Partager en direct : le dossier de la page</translation>
    </message>
    <message>
        <source>Names on the page:</source>
        <translation>Noms sur la page :</translation>
    </message>
    <message>
        <source>as on the buttons</source>
        <translation>comme sur les boutons</translation>
    </message>
    <message>
        <source>numbers only</source>
        <translation>numéros seulement</translation>
    </message>
    <message>
        <source>The game cannot be shared live to %1: %2</source>
        <extracomment>%1 is the folder chosen, %2 why the page cannot be written there</extracomment>
        <translation>Le match ne peut pas être partagé en direct vers %1 : %2</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Fi&amp;le</source>
        <translation>Fichier (&amp;L)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Totaux de la saison</translation>
    </message>
    <message>
        <source>New game, same roster</source>
        <translation>Nouveau match, même effectif</translation>
    </message>
    <message>
        <source>Game details...</source>
        <translation>Détails du match...</translation>
    </message>
    <message>
        <source>Share live...</source>
        <translation>Partager en direct...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Quitter (&amp;X)</translation>
    </message>
    <message>
        <source>Ed&amp;it Roster</source>
        <translation>Effect&amp;if</translation>
    </message>
    <message>
        <source>Edit roster</source>
        <translation>Modifier l&apos;effectif</translation>
    </message>
    <message>
        <source>Color chan&amp;ge</source>
        <translation>Chan&amp;ger de couleur</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Dark purple</source>
        <translation>Violet foncé</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <source>Dark orange</source>
        <translation>Orange foncé</translation>
    </message>
    <message>
        <source>Pla&amp;ys</source>
        <translation>Actions (&amp;Y)</translation>
    </message>
    <message>
        <source>Show plays</source>
        <translation>Afficher les actions</translation>
    </message>
    <message>
        <source>Next quarter</source>
        <translation>Quart-temps suivant</translation>
    </message>
    <message>
        <source>Previous quarter</source>
        <translation>Quart-temps précédent</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>Aide (&amp;P)</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
</context>
<context>
    <name>Plays</name>
    <message>
        <source>#</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Quart-temps</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Stat</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>premier quart-temps</translation>
    </message>
    <message>
        <source>second quarter</source>
        <translation>deuxième quart-temps</translation>
    </message>
    <message>
        <source>third quarter</source>
        <translation>troisième quart-temps</translation>
    </message>
    <message>
        <source>fourth quarter</source>
        <translation>quatrième quart-temps</translation>
    </message>
    <message>
        <source>overtime</source>
        <translation>prolongation</translation>
    </message>
    <message>
        <source>Play %1, %2, %3, %4, %5</source>
        <extracomment>%1 the play&apos;s number, %2 its time, %3 its quarter, %4 the player, %5 the stat</extracomment>
        <translation>Action %1, %2, %3, %4, %5</translation>
    </message>
    <message>
        <source>Play %1, %2, %3, %4, %5, %6</source>
        <extracomment>as without a note, and %6 the play&apos;s note (&quot;taken back&quot;)</extracomment>
        <translation>Action %1, %2, %3, %4, %5, %6</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Plays, newest first</source>
        <translation>Actions, les plus récentes d&apos;abord</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Remettre</translation>
    </message>
    <message>
        <source>Give to...</source>
        <translation>Attribuer à...</translation>
    </message>
    <message>
        <source>Quarter...</source>
        <translation>Quart-temps...</translation>
    </message>
    <message>
        <source>Give to</source>
        <translation>Attribuer à</translation>
    </message>
    <message>
        <source>Give the selected plays to:</source>
        <translation>Attribuer les actions sélectionnées à :</translation>
    </message>
    <message>
        <source>Move the selected plays to:</source>
        <translation>Déplacer les actions sélectionnées vers :</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Tallivant cannot keep a recovery copy of this game: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Tallivant ne peut pas conserver de copie de secours de ce match : %1</translation>
    </message>
    <message>
        <source>Tallivant cannot keep the discarded game: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Tallivant ne peut pas conserver le match abandonné : %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Tallivant stat report</source>
        <translation>Rapport de statistiques Tallivant</translation>
    </message>
    <message>
        <source>Make sure the printer is ready</source>
        <translation>Vérifiez que l&apos;imprimante est prête</translation>
    </message>
    <message>
        <source>Printer Check</source>
        <translation>Vérification de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Make sure the printer is on and has paper.</source>
        <translation>Vérifiez que l&apos;imprimante est allumée et a du papier.</translation>
    </message>
    <message>
        <source>Error Printing</source>
        <translation>Erreur d&apos;impression</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Totaux de la saison</translation>
    </message>
    <message>
        <source>Tallivant season totals</source>
        <translation>Totaux de la saison Tallivant</translation>
    </message>
</context>
<context>
    <name>Season</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why it was left out</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Select the games of the season</source>
        <translation>Choisissez les matchs de la saison</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Totaux de la saison</translation>
    </message>
    <message>
        <source>These files were left out:</source>
        <translation>Ces fichiers ont été écartés :</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Matchs</translation>
    </message>
    <message>
        <source>Print the season totals</source>
        <translation>Imprimer les totaux de la saison</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Field goal made</source>
        <translation>Tir réussi</translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation>Tir manqué</translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation>Lancer franc réussi</translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation>Lancer franc manqué</translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation>Tir à 3 points réussi</translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation>Tir à 3 points manqué</translation>
    </message>
    <message>
        <source>Assist</source>
        <translation>Passe décisive</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Rebond</translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation>Balle perdue</translation>
    </message>
    <message>
        <source>Steal</source>
        <translation>Interception</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Contre</translation>
    </message>
    <message>
        <source>Personal foul</source>
        <translation>Faute personnelle</translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation>Faute technique</translation>
    </message>
    <message>
        <source>MADE</source>
        <translation>RÉUSSI</translation>
    </message>
    <message>
        <source>MISSED</source>
        <translation>MANQUÉ</translation>
    </message>
    <message>
        <source>Current   Qtr  OT</source>
        <translation>QT actuel   Prol.</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Premier quart-temps</translation>
    </message>
    <message>
        <source>Second quarter</source>
        <translation>Deuxième quart-temps</translation>
    </message>
    <message>
        <source>Third quarter</source>
        <translation>Troisième quart-temps</translation>
    </message>
    <message>
        <source>Fourth quarter</source>
        <translation>Quatrième quart-temps</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Prolongation</translation>
    </message>
    <message>
        <source>Takeback</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Timeout clock</source>
        <translation>Chrono de temps mort</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Start or stop the timeout clock</source>
        <translation>Lancer ou arrêter le chrono de temps mort</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>RàZ</translation>
    </message>
    <message>
        <source>Reset the timeout clock to one minute</source>
        <translation>Remettre le chrono de temps mort à une minute</translation>
    </message>
    <message>
        <source>Full Timeout</source>
        <translation>Temps mort</translation>
    </message>
    <message>
        <source>Full timeout 1 used</source>
        <translation>Temps mort n° 1 pris</translation>
    </message>
    <message>
        <source>Full timeout 2 used</source>
        <translation>Temps mort n° 2 pris</translation>
    </message>
    <message>
        <source>Full timeout 3 used</source>
        <translation>Temps mort n° 3 pris</translation>
    </message>
    <message>
        <source>20-Second T.O.&apos;s used</source>
        <translation>TM de 20 s pris</translation>
    </message>
    <message>
        <source>20-second timeout 1 used</source>
        <translation>Temps mort de 20 secondes n° 1 pris</translation>
    </message>
    <message>
        <source>20-second timeout 2 used</source>
        <translation>Temps mort de 20 secondes n° 2 pris</translation>
    </message>
    <message>
        <source>Game file</source>
        <translation>Fichier du match</translation>
    </message>
    <message>
        <source>Possesion</source>
        <translation>Possession</translation>
    </message>
    <message>
        <source>U</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Our team has possession</source>
        <translation>Notre équipe a la possession</translation>
    </message>
    <message>
        <source>Opp</source>
        <translation>Adv</translation>
    </message>
    <message>
        <source>The opponent has possession</source>
        <translation>L&apos;adversaire a la possession</translation>
    </message>
    <message>
        <source>First quarter Totals</source>
        <translation>Total 1er QT</translation>
    </message>
    <message>
        <source>Second Quarter Total</source>
        <translation>Total 2e QT</translation>
    </message>
    <message>
        <source>Third Quarter Totals</source>
        <translation>Total 3e QT</translation>
    </message>
    <message>
        <source>Fourth Quarter Totals</source>
        <translation>Total 4e QT</translation>
    </message>
    <message>
        <source>Overtime Totals</source>
        <translation>Total prolong.</translation>
    </message>
    <message>
        <source>Game Totals</source>
        <translation>Total match</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Foul trouble</source>
        <translation>Alerte fautes</translation>
    </message>
    <message>
        <source>%1 on the floor</source>
        <extracomment>%1 is a player&apos;s line of the sheet: &quot;Player 3&quot;</extracomment>
        <translation>%1 sur le terrain</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 is a line of the sheet (&quot;Player 3&quot;, &quot;Game totals&quot;), %2 a column (&quot;assists&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Strip</name>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 is the name of the file written</extracomment>
        <translation>Enregistré : %1</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <extracomment>%1 is the name of the file written</extracomment>
        <translation>Exporté : %1</translation>
    </message>
    <message>
        <source>Saved %1 and %2</source>
        <extracomment>%1 and %2 are the names of the files written</extracomment>
        <translation>Enregistrés : %1 et %2</translation>
    </message>
    <message>
        <source>Exported %1 and %2</source>
        <extracomment>%1 and %2 are the names of the files written</extracomment>
        <translation>Exportés : %1 et %2</translation>
    </message>
    <message>
        <source>Stopped sharing live: another game is on the sheet</source>
        <translation>Partage en direct arrêté : un autre match est sur la feuille</translation>
    </message>
    <message>
        <source>Not sharing live to %1: %2</source>
        <extracomment>%1 is the folder, %2 why</extracomment>
        <translation>Pas de partage en direct vers %1 : %2</translation>
    </message>
    <message>
        <source>the folder cannot be found.</source>
        <translation>le dossier est introuvable.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why it cannot be written</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Live page behind: %1 has not taken a file for %2 s</source>
        <extracomment>%1 is the folder, %2 a number of seconds</extracomment>
        <translation>Page en direct en retard : %1 n&apos;a pris aucun fichier depuis %2 s</translation>
    </message>
    <message>
        <source>Live page failing: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Page en direct en échec : %1</translation>
    </message>
    <message>
        <source>Sharing live to %1</source>
        <extracomment>%1 is the folder</extracomment>
        <translation>Partage en direct vers %1</translation>
    </message>
    <message>
        <source>Live page not written: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Page en direct non écrite : %1</translation>
    </message>
    <message>
        <source>Team fouls %1</source>
        <translation>Fautes d&apos;équipe %1</translation>
    </message>
    <message>
        <source>Team fouls %1 (the next gives two shots)</source>
        <translation>Fautes d&apos;équipe %1 (la prochaine donne deux lancers francs)</translation>
    </message>
    <message>
        <source>Team fouls %1 (the next gives one-and-one)</source>
        <translation>Fautes d&apos;équipe %1 (la prochaine donne un 1+1)</translation>
    </message>
    <message>
        <source>%1 %2: we shoot two</source>
        <extracomment>%1 is the opponent&apos;s name, %2 its team fouls</extracomment>
        <translation>%1 %2 : nous tirons deux lancers</translation>
    </message>
    <message>
        <source>%1 %2: we shoot one-and-one</source>
        <extracomment>%1 is the opponent&apos;s name, %2 its team fouls</extracomment>
        <translation>%1 %2 : nous tirons un 1+1</translation>
    </message>
    <message>
        <source>Fouled out: %1</source>
        <extracomment>%1 lists the players, &quot;6 Tess Kim, 9 Ana Ruiz&quot;</extracomment>
        <translation>Sortis pour fautes : %1</translation>
    </message>
    <message>
        <source>Undone: %1 1 point (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Annulé : %1 1 point (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 2 points (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Annulé : %1 2 points (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 3 points (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Annulé : %1 3 points (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 team foul (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Annulé : %1 faute d&apos;équipe (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 points set to %2 (%3)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 their points, %3 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Annulé : %1 points fixés à %2 (%3)</translation>
    </message>
    <message>
        <source>Taken back: %1, %2</source>
        <extracomment>%1 is the stat (&quot;Rebound&quot;), %2 the player (&quot;6 Tess Kim&quot;)</extracomment>
        <translation>Annulé : %1, %2</translation>
    </message>
    <message>
        <source>%1 has fouled out</source>
        <extracomment>%1 is the player (&quot;6 Tess Kim&quot;)</extracomment>
        <translation>%1 est sorti pour fautes</translation>
    </message>
    <message>
        <source>Recovery copy failing: %1</source>
        <extracomment>%1 is why the copy cannot be written</extracomment>
        <translation>Copie de secours en échec : %1</translation>
    </message>
    <message>
        <source>Recovery copy kept</source>
        <translation>Copie de secours conservée</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Infos</translation>
    </message>
</context>
</TS>
