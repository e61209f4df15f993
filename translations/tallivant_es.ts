<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ButtonRow</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Lleva las estadísticas de un equipo de baloncesto durante un partido.
Con --pdf, --csv, --json o --html, escribe el informe, las estadísticas o la
página en directo de un archivo de partido y termina, sin ventana; con
--season-pdf o --season-csv, lo mismo para los totales de la temporada de
cualquier número de archivos de partido.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Write the report of GAME to OUT as PDF.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Escribe el informe de GAME en OUT como PDF.</translation>
    </message>
    <message>
        <source>Write the box score of GAME to OUT as CSV, and its plays beside it (OUT&apos;s name with -plays.csv).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Escribe las estadísticas de GAME en OUT como CSV, y sus jugadas al lado (el nombre de OUT con -plays.csv).</translation>
    </message>
    <message>
        <source>Write the season totals of the GAME files to OUT as PDF.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Escribe los totales de la temporada de los archivos GAME en OUT como PDF.</translation>
    </message>
    <message>
        <source>Write the season totals of the GAME files to OUT as CSV.</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Escribe los totales de la temporada de los archivos GAME en OUT como CSV.</translation>
    </message>
    <message>
        <source>Write GAME to OUT as the live page&apos;s JSON (game.json).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Escribe GAME en OUT como el JSON de la página en directo (game.json).</translation>
    </message>
    <message>
        <source>Write the live page of GAME to OUT (index.html).</source>
        <extracomment>GAME and OUT are the names the help gives the arguments: keep them as they are</extracomment>
        <translation>Escribe la página en directo de GAME en OUT (index.html).</translation>
    </message>
    <message>
        <source>A game file, opened in the window or written out by --pdf, --csv, --json and --html; for --season-pdf and --season-csv, the season&apos;s game files.</source>
        <extracomment>--pdf and the like are the options&apos; names: keep them as they are</extracomment>
        <translation>Un archivo de partido, abierto en la ventana o escrito por --pdf, --csv, --json y --html; para --season-pdf y --season-csv, los archivos de partido de la temporada.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <extracomment>%1 is the option&apos;s name</extracomment>
        <translation>--%1 se indica más de una vez.</translation>
    </message>
    <message>
        <source>--%1 needs a file name.</source>
        <extracomment>%1 is the option&apos;s name</extracomment>
        <translation>--%1 necesita un nombre de archivo.</translation>
    </message>
    <message>
        <source>--%1 needs a file name, not %2 (for a file of that name, write ./%2).</source>
        <extracomment>%1 is the option&apos;s name, %2 the next option, taken for its file name</extracomment>
        <translation>--%1 necesita un nombre de archivo, no %2 (para un archivo con ese nombre, escriba ./%2).</translation>
    </message>
    <message>
        <source>--pdf, --csv, --json and --html write one game, --season-pdf and --season-csv a season: not both at once.</source>
        <translation>--pdf, --csv, --json y --html escriben un partido, --season-pdf y --season-csv una temporada: no ambas cosas a la vez.</translation>
    </message>
    <message>
        <source>--season-pdf and --season-csv need the game files to add up.</source>
        <translation>--season-pdf y --season-csv necesitan los archivos de partido que sumar.</translation>
    </message>
    <message>
        <source>one game file at a time.</source>
        <translation>un solo archivo de partido a la vez.</translation>
    </message>
    <message>
        <source>--pdf, --csv, --json and --html need the game file to write from.</source>
        <translation>--pdf, --csv, --json y --html necesitan el archivo de partido del que escribir.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>&amp;Start</source>
        <translation>Iniciar (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Pau&amp;sa</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB.</source>
        <translation>Ocupa más de %1 MiB.</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <translation>No es un archivo de texto.</translation>
    </message>
    <message>
        <source>It holds %1 of the %2 values of a game file.</source>
        <translation>Contiene %1 de los %2 valores de un archivo de partido.</translation>
    </message>
    <message>
        <source>It is not a game file: a game file begins with the header &quot;Name&quot;,&quot;FGM&quot;,…</source>
        <translation>No es un archivo de partido: un archivo de partido empieza con la cabecera &quot;Name&quot;,&quot;FGM&quot;,…</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>1st Qtr Totals</source>
        <translation>Totales 1.er cuarto</translation>
    </message>
    <message>
        <source>2nd Qtr Totals</source>
        <translation>Totales 2.º cuarto</translation>
    </message>
    <message>
        <source>3rd Qtr Totals</source>
        <translation>Totales 3.er cuarto</translation>
    </message>
    <message>
        <source>4th Qtr Totals</source>
        <translation>Totales 4.º cuarto</translation>
    </message>
    <message>
        <source>Overtime Totals</source>
        <translation>Totales prórroga</translation>
    </message>
    <message>
        <source>Game Totals</source>
        <translation>Totales partido</translation>
    </message>
    <message>
        <source>It is in the season already.</source>
        <translation>Ya está en la temporada.</translation>
    </message>
    <message>
        <source>An earlier save of %1.</source>
        <translation>Un guardado anterior de %1.</translation>
    </message>
    <message>
        <source>Player %1&apos;s %2 hold %3: a count must be a whole number from 0 to 9,999.</source>
        <translation>El valor de %2 del jugador %1 es %3: un recuento debe ser un número entero de 0 a 9999.</translation>
    </message>
    <message>
        <source>The game totals&apos; %1 hold %2: a count must be a whole number from 0 to 9,999.</source>
        <translation>El valor de %1 de los totales del partido es %2: un recuento debe ser un número entero de 0 a 9999.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>No game with a score</source>
        <translation>Ningún partido con resultado</translation>
    </message>
    <message>
        <source>Record %1-%2, %3 points against per game (%4 game with a score)</source>
        <translation>Balance %1-%2, %3 puntos en contra por partido (%4 partido con resultado)</translation>
    </message>
    <message>
        <source>Record %1-%2, %3 points against per game (%4 games with a score)</source>
        <translation>Balance %1-%2, %3 puntos en contra por partido (%4 partidos con resultado)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 tie), %4 points against per game (%5 game with a score)</source>
        <translation>Balance %1-%2 (%3 empate), %4 puntos en contra por partido (%5 partido con resultado)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 tie), %4 points against per game (%5 games with a score)</source>
        <translation>Balance %1-%2 (%3 empate), %4 puntos en contra por partido (%5 partidos con resultado)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 ties), %4 points against per game (%5 game with a score)</source>
        <translation>Balance %1-%2 (%3 empates), %4 puntos en contra por partido (%5 partido con resultado)</translation>
    </message>
    <message>
        <source>Record %1-%2 (%3 ties), %4 points against per game (%5 games with a score)</source>
        <translation>Balance %1-%2 (%3 empates), %4 puntos en contra por partido (%5 partidos con resultado)</translation>
    </message>
    <message>
        <source>field goals made</source>
        <translation>tiros de campo anotados</translation>
    </message>
    <message>
        <source>field goals attempted</source>
        <translation>tiros de campo intentados</translation>
    </message>
    <message>
        <source>field goal percentage</source>
        <translation>porcentaje de tiros de campo</translation>
    </message>
    <message>
        <source>free throws made</source>
        <translation>tiros libres anotados</translation>
    </message>
    <message>
        <source>free throws attempted</source>
        <translation>tiros libres intentados</translation>
    </message>
    <message>
        <source>free throw percentage</source>
        <translation>porcentaje de tiros libres</translation>
    </message>
    <message>
        <source>three-pointers made</source>
        <translation>triples anotados</translation>
    </message>
    <message>
        <source>three-pointers attempted</source>
        <translation>triples intentados</translation>
    </message>
    <message>
        <source>three-point percentage</source>
        <translation>porcentaje de triples</translation>
    </message>
    <message>
        <source>rebounds</source>
        <translation>rebotes</translation>
    </message>
    <message>
        <source>assists</source>
        <translation>asistencias</translation>
    </message>
    <message>
        <source>turnovers</source>
        <translation>pérdidas</translation>
    </message>
    <message>
        <source>steals</source>
        <translation>robos</translation>
    </message>
    <message>
        <source>blocks</source>
        <translation>tapones</translation>
    </message>
    <message>
        <source>personal fouls</source>
        <translation>faltas personales</translation>
    </message>
    <message>
        <source>technical fouls</source>
        <translation>faltas técnicas</translation>
    </message>
    <message>
        <source>points</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Primer cuarto</translation>
    </message>
    <message>
        <source>Second quarter</source>
        <translation>Segundo cuarto</translation>
    </message>
    <message>
        <source>Third quarter</source>
        <translation>Tercer cuarto</translation>
    </message>
    <message>
        <source>Fourth quarter</source>
        <translation>Cuarto cuarto</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Prórroga</translation>
    </message>
    <message>
        <source>Game totals</source>
        <translation>Totales del partido</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>what a screen reader says of a player&apos;s line: %1 is its number, 1 to 12</extracomment>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>¡Atención!</translation>
    </message>
    <message>
        <source>Please select player first.</source>
        <translation>Seleccione primero un jugador.</translation>
    </message>
    <message>
        <source>The last stat could not be taken back: the player&apos;s line holds a value that is not a number.</source>
        <translation>No se pudo deshacer la última estadística: la línea del jugador contiene un valor que no es un número.</translation>
    </message>
    <message>
        <source>Foul trouble</source>
        <translation>Problemas de faltas</translation>
    </message>
    <message>
        <source>Fouled out (%1)</source>
        <extracomment>%1 is why the player is out: &quot;FIBA: 5 fouls&quot; or &quot;2 technical fouls&quot;</extracomment>
        <translation>Fuera por faltas (%1)</translation>
    </message>
    <message>
        <source>The player has %1</source>
        <extracomment>%1 is the number of personal fouls the player has</extracomment>
        <translation>El jugador tiene %1 faltas</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punto</translation>
    </message>
    <message>
        <source>2 points</source>
        <translation>2 puntos</translation>
    </message>
    <message>
        <source>3 points</source>
        <translation>3 puntos</translation>
    </message>
    <message>
        <source>Team foul</source>
        <translation>Falta de equipo</translation>
    </message>
    <message>
        <source>Points set to %1</source>
        <extracomment>the opponent&apos;s points in the quarter set to a figure: %1</extracomment>
        <translation>Puntos fijados en %1</translation>
    </message>
    <message>
        <source>taken back</source>
        <translation>anulada</translation>
    </message>
    <message>
        <source>from %1</source>
        <extracomment>a play given to another player: %1 is the name of the player it was recorded for
----------
a play moved to another quarter: %1 is the quarter it was recorded in (&quot;2nd&quot;, &quot;OT&quot;)</extracomment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>Us</source>
        <translation>Nosotros</translation>
    </message>
    <message>
        <source>Field goal made</source>
        <translation>Tiro de campo anotado</translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation>Tiro de campo fallado</translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation>Tiro libre anotado</translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation>Tiro libre fallado</translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation>Tiro de tres puntos anotado</translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation>Tiro de tres puntos fallado</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Rebote</translation>
    </message>
    <message>
        <source>Assist</source>
        <translation>Asistencia</translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation>Pérdida</translation>
    </message>
    <message>
        <source>Steal</source>
        <translation>Robo</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Tapón</translation>
    </message>
    <message>
        <source>Personal foul</source>
        <translation>Falta personal</translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation>Falta técnica</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.º</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.º</translation>
    </message>
    <message>
        <source>OT</source>
        <translation>PR</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a play&apos;s note: %1 its first parts, %2 the next (&quot;taken back, from 2nd&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>NCAA men</source>
        <translation>NCAA masculino</translation>
    </message>
    <message>
        <source>NCAA women</source>
        <translation>NCAA femenino</translation>
    </message>
    <message>
        <source>US high school</source>
        <translation>Secundaria (EE. UU.)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>1st half</source>
        <translation>1.ª parte</translation>
    </message>
    <message>
        <source>2nd half</source>
        <translation>2.ª parte</translation>
    </message>
    <message>
        <source>Q1</source>
        <translation>C1</translation>
    </message>
    <message>
        <source>Q2</source>
        <translation>C2</translation>
    </message>
    <message>
        <source>Q3</source>
        <translation>C3</translation>
    </message>
    <message>
        <source>Q4</source>
        <translation>C4</translation>
    </message>
    <message>
        <source>H1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>H2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>%1 technical fouls</source>
        <extracomment>why a player is out: %1 is the number of technical fouls that eject</extracomment>
        <translation>%1 faltas técnicas</translation>
    </message>
    <message>
        <source>%1: %2 fouls</source>
        <extracomment>%1 is the rules&apos; name (&quot;FIBA&quot;), %2 the number of fouls that put a player out</extracomment>
        <translation>%1: %2 faltas</translation>
    </message>
    <message>
        <source>the game is too large to keep.</source>
        <translation>el partido es demasiado grande para guardarlo.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>no es un archivo normal.</translation>
    </message>
    <message>
        <source>It is one of the games being read; choose another name.</source>
        <translation>Es uno de los partidos que se están leyendo; elija otro nombre.</translation>
    </message>
    <message>
        <source>Two outputs name the same file.</source>
        <translation>Dos salidas indican el mismo archivo.</translation>
    </message>
    <message>
        <source>It holds a game; choose another name.</source>
        <translation>Contiene un partido; elija otro nombre.</translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation>No es un archivo, sino un dispositivo o una tubería.</translation>
    </message>
</context>
<context>
    <name>Details</name>
    <message>
        <source>All overtime periods count together: the sheet has one overtime line.
The last-two-minutes rule needs a clock and is not applied.</source>
        <translation>Todas las prórrogas cuentan juntas: la hoja tiene una sola línea de prórroga.
La regla de los dos últimos minutos necesita un reloj y no se aplica.</translation>
    </message>
    <message>
        <source>The 1st and 2nd quarter lines are the two halves;
the 3rd and 4th stay unused.</source>
        <translation>Las líneas del 1.er y 2.º cuarto son las dos partes;
el 3.º y el 4.º quedan sin usar.</translation>
    </message>
    <message>
        <source>Our &amp;team:</source>
        <translation>Nues&amp;tro equipo:</translation>
    </message>
    <message>
        <source>&amp;Opponent:</source>
        <translation>Rival (&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>Fecha (&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>&amp;Pabellón:</translation>
    </message>
    <message>
        <source>&amp;Rules:</source>
        <translation>&amp;Reglas:</translation>
    </message>
    <message>
        <source>Technical fouls count toward it</source>
        <translation>Las técnicas también cuentan</translation>
    </message>
    <message>
        <source>Fouls to foul out:</source>
        <translation>Límite de faltas:</translation>
    </message>
    <message>
        <source>Technical fouls that eject:</source>
        <translation>Técnicas para expulsión:</translation>
    </message>
    <message>
        <source>Technical fouls are team fouls</source>
        <translation>Técnicas como faltas de equipo</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>One-and-one from team foul:</source>
        <translation>1+1 desde falta de equipo:</translation>
    </message>
    <message>
        <source>Two shots from team foul:</source>
        <translation>2 tiros desde falta de equipo:</translation>
    </message>
    <message>
        <source>each quarter</source>
        <translation>cada cuarto</translation>
    </message>
    <message>
        <source>each half</source>
        <translation>cada parte</translation>
    </message>
    <message>
        <source>Team fouls start again:</source>
        <translation>Faltas de equipo a cero:</translation>
    </message>
    <message>
        <source>with the last period</source>
        <translation>con el último periodo</translation>
    </message>
    <message>
        <source>on their own</source>
        <translation>por separado</translation>
    </message>
    <message>
        <source>on their own; the penalty carries over</source>
        <translation>por separado; la penalización continúa</translation>
    </message>
    <message>
        <source>Overtime fouls count:</source>
        <translation>Faltas en prórroga:</translation>
    </message>
    <message>
        <source>Overtime: two shots from:</source>
        <translation>Prórroga: 2 tiros desde:</translation>
    </message>
    <message>
        <source>Opponent&apos;s points:</source>
        <translation>Puntos del rival:</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>%1 is a period&apos;s name (&quot;1st&quot;, &quot;2nd half&quot;, &quot;OT&quot;) before its points</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Game details</source>
        <translation>Datos del partido</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>&amp;Save</source>
        <translation>Guardar (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why it was not written</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Guardar el informe como PDF</translation>
    </message>
    <message>
        <source>The report has not been saved: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>El informe no se ha guardado: %1</translation>
    </message>
    <message>
        <source>Export the box score as CSV</source>
        <translation>Exportar las estadísticas como CSV</translation>
    </message>
    <message>
        <source>The box score has not been exported: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>Las estadísticas no se han exportado: %1</translation>
    </message>
    <message>
        <source>the PDF could not be made.</source>
        <translation>no se pudo crear el PDF.</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Save the season as PDF</source>
        <translation>Guardar la temporada como PDF</translation>
    </message>
    <message>
        <source>The season has not been saved: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>La temporada no se ha guardado: %1</translation>
    </message>
    <message>
        <source>Export the season as CSV</source>
        <translation>Exportar la temporada como CSV</translation>
    </message>
    <message>
        <source>The season has not been exported: %1</source>
        <extracomment>%1 is why</extracomment>
        <translation>La temporada no se ha exportado: %1</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Please enter the players number and name--no more than 13 characters</source>
        <translation>Introduzca el número y el nombre del jugador: no más de 13 caracteres</translation>
    </message>
    <message>
        <source>Please enter the players number and name--no more than 16 characters</source>
        <translation>Introduzca el número y el nombre del jugador: no más de 16 caracteres</translation>
    </message>
    <message>
        <source>Enter name</source>
        <translation>Introduzca el nombre</translation>
    </message>
    <message>
        <source>Select the destination file</source>
        <translation>Seleccione el archivo de destino</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Seleccione el archivo de origen</translation>
    </message>
    <message>
        <source>Please enter a file name before pressing the save button.</source>
        <translation>Escriba un nombre de archivo antes de pulsar el botón de guardar.</translation>
    </message>
    <message>
        <source>Your file has been saved.</source>
        <translation>Su archivo se ha guardado.</translation>
    </message>
    <message>
        <source>Saved to %1 at %2</source>
        <extracomment>%1 is the file&apos;s name, %2 the time of day</extracomment>
        <translation>Guardado en %1 a las %2</translation>
    </message>
    <message>
        <source>Your file has not been saved: %1</source>
        <extracomment>%1 is why (the system&apos;s words, or another text of the program)</extracomment>
        <translation>Su archivo no se ha guardado: %1</translation>
    </message>
    <message>
        <source>the game would be too large to open again.</source>
        <translation>el partido sería demasiado grande para volver a abrirlo.</translation>
    </message>
    <message>
        <source>Select/highlight appropriate file name in the file list box.</source>
        <translation>Seleccione el nombre de archivo correspondiente en la lista de archivos.</translation>
    </message>
    <message>
        <source>Error loading</source>
        <translation>Error al cargar</translation>
    </message>
    <message>
        <source>Plays not opened</source>
        <translation>Jugadas no abiertas</translation>
    </message>
    <message>
        <source>The plays of this file do not match its statistics; they were not opened.</source>
        <translation>Las jugadas de este archivo no coinciden con sus estadísticas; no se han abierto.</translation>
    </message>
    <message>
        <source>%1 has changed since this game was last kept. Replace it with this game?</source>
        <extracomment>%1 is the game file&apos;s path</extracomment>
        <translation>%1 ha cambiado desde la última vez que se guardó este partido. ¿Reemplazarlo con este partido?</translation>
    </message>
    <message>
        <source>Replace?</source>
        <translation>¿Reemplazar?</translation>
    </message>
    <message>
        <source>This file holds more plays than a game file can keep; the statistics were opened without them.</source>
        <translation>Este archivo contiene más jugadas de las que puede guardar un archivo de partido; las estadísticas se han abierto sin ellas.</translation>
    </message>
    <message>
        <source>Unsaved game</source>
        <translation>Partido sin guardar</translation>
    </message>
    <message>
        <source>The statistics of this game have not been saved. Save them first?</source>
        <translation>Las estadísticas de este partido no se han guardado. ¿Guardarlas primero?</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>File: %1
Last change: %2
Players: %3</source>
        <extracomment>%1 is the game&apos;s file (or &quot;not yet saved&quot;), %2 when it last changed, %3 the first names</extracomment>
        <translation>Archivo: %1
Último cambio: %2
Jugadores: %3</translation>
    </message>
    <message>
        <source>Restore game</source>
        <translation>Restaurar partido</translation>
    </message>
    <message>
        <source>Tallivant ended before this game was saved. Restore it?</source>
        <translation>Tallivant terminó antes de guardar este partido. ¿Restaurarlo?</translation>
    </message>
    <message>
        <source>not yet saved</source>
        <translation>aún sin guardar</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>If you are going to run two copies of tallivant at once set the windows taskbar to &apos;always on top&apos; by selecting the windows &apos;start&apos; button then &apos;settings&apos; then &apos;taskbar&apos; then &apos;always on top&apos; </source>
        <translation>Si va a ejecutar dos copias de tallivant a la vez, configure la barra de tareas de Windows como &apos;siempre visible&apos; seleccionando el botón &apos;Inicio&apos; de Windows, luego &apos;Configuración&apos;, luego &apos;Barra de tareas&apos; y luego &apos;Siempre visible&apos; </translation>
    </message>
    <message>
        <source>Click for instructions message 1 of 4</source>
        <translation>Pulse para ver el mensaje de instrucciones 1 de 4</translation>
    </message>
    <message>
        <source>Set your screen resolution to 800 x 600 or greater.  To do this:From the windows desktop select the &apos;start&apos; button.  Select &apos;settings&apos;.  Select &apos;control panel&apos;. Double-click on the &apos;display&apos; icon in the control panel.  Select the &apos;settings&apos; tab. Set the screen area to 800 x 600 or greater.</source>
        <translation>Configure la resolución de pantalla a 800 x 600 o más.  Para ello: en el escritorio de Windows seleccione el botón &apos;Inicio&apos;.  Seleccione &apos;Configuración&apos;.  Seleccione &apos;Panel de control&apos;. Haga doble clic en el icono &apos;Pantalla&apos; del panel de control.  Seleccione la pestaña &apos;Configuración&apos;. Ajuste el área de pantalla a 800 x 600 o más.</translation>
    </message>
    <message>
        <source>Click for instructions message 2 of 4</source>
        <translation>Pulse para ver el mensaje de instrucciones 2 de 4</translation>
    </message>
    <message>
        <source>To start with enter the team roster by selecting File|New from the file menu.  A prompt appears for you to enter 12 player names one-at-a-time.  If you don&apos;t have 12 players just press enter for the remaining players.  When you are ready to enter stats, select the player first by clicking once on his name and then clicking once on the appropriate stat button.  The changes are made in the appropriate boxes.</source>
        <translation>Para empezar, introduzca la plantilla del equipo seleccionando Archivo|Nuevo en el menú Archivo.  Aparecerá una petición para introducir 12 nombres de jugadores, uno a uno.  Si no tiene 12 jugadores, pulse Enter para los jugadores restantes.  Cuando esté listo para introducir estadísticas, seleccione primero el jugador haciendo clic una vez en su nombre y después haga clic una vez en el botón de estadística correspondiente.  Los cambios se hacen en las casillas correspondientes.</translation>
    </message>
    <message>
        <source>Click for instructions message 3 of 4</source>
        <translation>Pulse para ver el mensaje de instrucciones 3 de 4</translation>
    </message>
    <message>
        <source>If you make a mistake click once on the &apos;takeback&apos; button.  It will undo the last stat you entered.</source>
        <translation>Si se equivoca, haga clic una vez en el botón &apos;Deshacer&apos;.  Deshará la última estadística que haya introducido.</translation>
    </message>
    <message>
        <source>Click for instructions message 4 of 4</source>
        <translation>Pulse para ver el mensaje de instrucciones 4 de 4</translation>
    </message>
    <message>
        <source>If you need to edit the roster select &apos;Edit Roster&apos; then &apos;Edit roster&apos;. You do not have to retype every name.  If you want to keep a name the way it is just click &apos;o.k.&apos;.  The empty boxes to the left of each player&apos;s name is used to show who is on the floor currently.  Checked means the player is on the floor.</source>
        <translation>Si necesita editar la plantilla, seleccione &apos;Plantilla&apos; y luego &apos;Editar plantilla&apos;. No tiene que volver a escribir todos los nombres.  Si quiere mantener un nombre tal como está, haga clic en &apos;Aceptar&apos;.  Las casillas vacías a la izquierda del nombre de cada jugador sirven para mostrar quién está en la pista en ese momento.  Marcada significa que el jugador está en la pista.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Field goal made</source>
        <translation>Tiro de campo anotado</translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation>Tiro de campo fallado</translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation>Tiro libre anotado</translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation>Tiro libre fallado</translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation>Tiro de tres puntos anotado</translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation>Tiro de tres puntos fallado</translation>
    </message>
    <message>
        <source>Assist</source>
        <translation>Asistencia</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Rebote</translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation>Pérdida</translation>
    </message>
    <message>
        <source>Steal</source>
        <translation>Robo</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Tapón</translation>
    </message>
    <message>
        <source>Personal foul (the player stays selected)</source>
        <translation>Falta personal (el jugador sigue seleccionado)</translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation>Falta técnica</translation>
    </message>
    <message>
        <source>Alt+the letter after &amp; in a name</source>
        <translation>Alt+la letra tras &amp; en un nombre</translation>
    </message>
    <message>
        <source>Selects that player</source>
        <translation>Selecciona ese jugador</translation>
    </message>
    <message>
        <source>Next quarter</source>
        <translation>Cuarto siguiente</translation>
    </message>
    <message>
        <source>Previous quarter</source>
        <translation>Cuarto anterior</translation>
    </message>
    <message>
        <source>Starts or stops the timeout clock</source>
        <translation>Inicia o detiene el reloj de tiempo muerto</translation>
    </message>
    <message>
        <source>Undoes the newest entry: an opponent play recorded since our last stat, else our last stat</source>
        <translation>Deshace la entrada más reciente: una jugada del rival registrada desde nuestra última estadística o, si no la hay, nuestra última estadística</translation>
    </message>
    <message>
        <source>The opponent scored 1 point</source>
        <translation>El rival anotó 1 punto</translation>
    </message>
    <message>
        <source>The opponent scored 2 points</source>
        <translation>El rival anotó 2 puntos</translation>
    </message>
    <message>
        <source>The opponent scored 3 points</source>
        <translation>El rival anotó 3 puntos</translation>
    </message>
    <message>
        <source>An opponent team foul</source>
        <translation>Una falta de equipo del rival</translation>
    </message>
    <message>
        <source>Saves the game to its file</source>
        <translation>Guarda el partido en su archivo</translation>
    </message>
    <message>
        <source>File menu</source>
        <translation>Menú Archivo</translation>
    </message>
    <message>
        <source>Edit Roster menu</source>
        <translation>Menú Plantilla</translation>
    </message>
    <message>
        <source>Color change menu</source>
        <translation>Menú Cambiar color</translation>
    </message>
    <message>
        <source>Plays menu</source>
        <translation>Menú Jugadas</translation>
    </message>
    <message>
        <source>Help menu</source>
        <translation>Menú Ayuda</translation>
    </message>
    <message>
        <source>Remove: the selected plays leave the totals</source>
        <translation>Quitar: las jugadas seleccionadas salen de los totales</translation>
    </message>
    <message>
        <source>Put back: the selected plays count again</source>
        <translation>Reponer: las jugadas seleccionadas vuelven a contar</translation>
    </message>
    <message>
        <source>Give to: another player gets the selected plays</source>
        <translation>Dar a: otro jugador recibe las jugadas seleccionadas</translation>
    </message>
    <message>
        <source>Quarter: the selected plays go to another quarter</source>
        <translation>Cuarto: las jugadas seleccionadas pasan a otro cuarto</translation>
    </message>
    <message>
        <source>The newest play</source>
        <translation>La jugada más reciente</translation>
    </message>
    <message>
        <source>The oldest play</source>
        <translation>La jugada más antigua</translation>
    </message>
    <message>
        <source>Closes the window</source>
        <translation>Cierra la ventana</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Totales de la temporada</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Qué hace</translation>
    </message>
    <message>
        <source>Held: %1. Enter: they act. Escape: they are dropped.</source>
        <extracomment>%1 lists the keys pressed while the box was open (&quot;Alt+C, Ctrl+1&quot;)</extracomment>
        <translation>Retenidas: %1. Enter: se ejecutan. Escape: se descartan.</translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>Tallivant live</source>
        <translation>Tallivant en directo</translation>
    </message>
    <message>
        <source>The game shows here as soon as its script runs.</source>
        <translation>El partido se muestra aquí en cuanto se ejecuta su script.</translation>
    </message>
    <message>
        <source>No game to show yet.</source>
        <translation>Aún no hay partido que mostrar.</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <extracomment>%1 is the time of day the page was last written</extracomment>
        <translation>Actualizado a las %1</translation>
    </message>
    <message>
        <source>Not updated since %1</source>
        <extracomment>%1 is the time of day the page was last written</extracomment>
        <translation>Sin actualizar desde las %1</translation>
    </message>
    <message>
        <source>%1: Team fouls %2</source>
        <extracomment>%1 is a team&apos;s name, %2 its count of team fouls in the period</extracomment>
        <translation>%1: Faltas de equipo %2</translation>
    </message>
    <message>
        <source>the next gives two shots</source>
        <translation>la próxima da dos tiros</translation>
    </message>
    <message>
        <source>the next gives one-and-one</source>
        <translation>la próxima da uno más uno</translation>
    </message>
    <message>
        <source>Score by period</source>
        <translation>Resultado por periodo</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The column of the whole game&apos;s points after the periods&apos;</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Box score</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>%1 (out)</source>
        <extracomment>%1 is a player&apos;s name; the player has fouled out</extracomment>
        <translation>%1 (fuera)</translation>
    </message>
    <message>
        <source>Totals</source>
        <extracomment>The box score&apos;s line of the team&apos;s totals</extracomment>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>No plays yet.</source>
        <translation>Aún no hay jugadas.</translation>
    </message>
    <message>
        <source>Plays, newest first</source>
        <translation>Jugadas, la más reciente primero</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The live page&apos;s language as an HTML language code: de, fr, es, it ...</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>Share live</source>
        <translation>Compartir en directo</translation>
    </message>
    <message>
        <source>Sharing live to %1.</source>
        <extracomment>%1 is the folder the page is written to</extracomment>
        <translation>Compartiendo en directo en %1.</translation>
    </message>
    <message>
        <source>Stop sharing</source>
        <translation>Dejar de compartir</translation>
    </message>
    <message>
        <source>Share to another folder</source>
        <translation>Compartir en otra carpeta</translation>
    </message>
    <message>
        <source>Stopped sharing live</source>
        <translation>Se dejó de compartir en directo</translation>
    </message>
    <message>
        <source>Share live: the folder for the page</source>
        <translation>Compartir en directo: la carpeta de la página</translation>
    </message>
    <message>
        <source>Names on the page:</source>
        <translation>Nombres en la página:</translation>
    </message>
    <message>
        <source>as on the buttons</source>
        <translation>como en los botones</translation>
    </message>
    <message>
        <source>numbers only</source>
        <translation>solo números</translation>
    </message>
    <message>
        <source>The game cannot be shared live to %1: %2</source>
        <extracomment>%1 is the folder chosen, %2 why the page cannot be written there</extracomment>
        <translation>El partido no se puede compartir en directo en %1: %2</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Fi&amp;le</source>
        <translation>Archivo (&amp;L)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Guardar informe como PDF</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Totales de la temporada</translation>
    </message>
    <message>
        <source>New game, same roster</source>
        <translation>Partido nuevo, misma plantilla</translation>
    </message>
    <message>
        <source>Game details...</source>
        <translation>Datos del partido...</translation>
    </message>
    <message>
        <source>Share live...</source>
        <translation>Compartir en directo...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Salir (&amp;X)</translation>
    </message>
    <message>
        <source>Ed&amp;it Roster</source>
        <translation>Plant&amp;illa</translation>
    </message>
    <message>
        <source>Edit roster</source>
        <translation>Editar plantilla</translation>
    </message>
    <message>
        <source>Color chan&amp;ge</source>
        <translation>Cambiar color (&amp;G)</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rojo oscuro</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Verde oscuro</translation>
    </message>
    <message>
        <source>Dark purple</source>
        <translation>Morado oscuro</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Azul oscuro</translation>
    </message>
    <message>
        <source>Dark orange</source>
        <translation>Naranja oscuro</translation>
    </message>
    <message>
        <source>Pla&amp;ys</source>
        <translation>Jugadas (&amp;Y)</translation>
    </message>
    <message>
        <source>Show plays</source>
        <translation>Mostrar jugadas</translation>
    </message>
    <message>
        <source>Next quarter</source>
        <translation>Cuarto siguiente</translation>
    </message>
    <message>
        <source>Previous quarter</source>
        <translation>Cuarto anterior</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>Ayuda (&amp;P)</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
</context>
<context>
    <name>Plays</name>
    <message>
        <source>#</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Cuarto</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Stat</source>
        <translation>Estadística</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>primer cuarto</translation>
    </message>
    <message>
        <source>second quarter</source>
        <translation>segundo cuarto</translation>
    </message>
    <message>
        <source>third quarter</source>
        <translation>tercer cuarto</translation>
    </message>
    <message>
        <source>fourth quarter</source>
        <translation>cuarto cuarto</translation>
    </message>
    <message>
        <source>overtime</source>
        <translation>prórroga</translation>
    </message>
    <message>
        <source>Play %1, %2, %3, %4, %5</source>
        <extracomment>%1 the play&apos;s number, %2 its time, %3 its quarter, %4 the player, %5 the stat</extracomment>
        <translation>Jugada %1, %2, %3, %4, %5</translation>
    </message>
    <message>
        <source>Play %1, %2, %3, %4, %5, %6</source>
        <extracomment>as without a note, and %6 the play&apos;s note (&quot;taken back&quot;)</extracomment>
        <translation>Jugada %1, %2, %3, %4, %5, %6</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Plays, newest first</source>
        <translation>Jugadas, la más reciente primero</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Reponer</translation>
    </message>
    <message>
        <source>Give to...</source>
        <translation>Dar a...</translation>
    </message>
    <message>
        <source>Quarter...</source>
        <translation>Cuarto...</translation>
    </message>
    <message>
        <source>Give to</source>
        <translation>Dar a</translation>
    </message>
    <message>
        <source>Give the selected plays to:</source>
        <translation>Dar las jugadas seleccionadas a:</translation>
    </message>
    <message>
        <source>Move the selected plays to:</source>
        <translation>Pasar las jugadas seleccionadas a:</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Tallivant cannot keep a recovery copy of this game: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Tallivant no puede guardar una copia de recuperación de este partido: %1</translation>
    </message>
    <message>
        <source>Tallivant cannot keep the discarded game: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Tallivant no puede guardar el partido descartado: %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Tallivant stat report</source>
        <translation>Informe estadístico de Tallivant</translation>
    </message>
    <message>
        <source>Make sure the printer is ready</source>
        <translation>Compruebe que la impresora está lista</translation>
    </message>
    <message>
        <source>Printer Check</source>
        <translation>Comprobación de impresora</translation>
    </message>
    <message>
        <source>Make sure the printer is on and has paper.</source>
        <translation>Compruebe que la impresora está encendida y tiene papel.</translation>
    </message>
    <message>
        <source>Error Printing</source>
        <translation>Error al imprimir</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Totales de la temporada</translation>
    </message>
    <message>
        <source>Tallivant season totals</source>
        <translation>Totales de la temporada de Tallivant</translation>
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
        <translation>Seleccione los partidos de la temporada</translation>
    </message>
    <message>
        <source>Season totals</source>
        <translation>Totales de la temporada</translation>
    </message>
    <message>
        <source>These files were left out:</source>
        <translation>Se omitieron estos archivos:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidos</translation>
    </message>
    <message>
        <source>Print the season totals</source>
        <translation>Imprimir los totales de la temporada</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Field goal made</source>
        <translation>Tiro de campo anotado</translation>
    </message>
    <message>
        <source>Field goal missed</source>
        <translation>Tiro de campo fallado</translation>
    </message>
    <message>
        <source>Free throw made</source>
        <translation>Tiro libre anotado</translation>
    </message>
    <message>
        <source>Free throw missed</source>
        <translation>Tiro libre fallado</translation>
    </message>
    <message>
        <source>Three-pointer made</source>
        <translation>Tiro de tres puntos anotado</translation>
    </message>
    <message>
        <source>Three-pointer missed</source>
        <translation>Tiro de tres puntos fallado</translation>
    </message>
    <message>
        <source>Assist</source>
        <translation>Asistencia</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Rebote</translation>
    </message>
    <message>
        <source>Turnover</source>
        <translation>Pérdida</translation>
    </message>
    <message>
        <source>Steal</source>
        <translation>Robo</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Tapón</translation>
    </message>
    <message>
        <source>Personal foul</source>
        <translation>Falta personal</translation>
    </message>
    <message>
        <source>Technical foul</source>
        <translation>Falta técnica</translation>
    </message>
    <message>
        <source>MADE</source>
        <translation>ANOT.</translation>
    </message>
    <message>
        <source>MISSED</source>
        <translation>FALL.</translation>
    </message>
    <message>
        <source>Current   Qtr  OT</source>
        <translation>Cuarto actual  PR</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Primer cuarto</translation>
    </message>
    <message>
        <source>Second quarter</source>
        <translation>Segundo cuarto</translation>
    </message>
    <message>
        <source>Third quarter</source>
        <translation>Tercer cuarto</translation>
    </message>
    <message>
        <source>Fourth quarter</source>
        <translation>Cuarto cuarto</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Prórroga</translation>
    </message>
    <message>
        <source>Takeback</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Timeout clock</source>
        <translation>Reloj de tiempo muerto</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Start or stop the timeout clock</source>
        <translation>Iniciar o detener el reloj de tiempo muerto</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Reset the timeout clock to one minute</source>
        <translation>Poner el reloj de tiempo muerto a un minuto</translation>
    </message>
    <message>
        <source>Full Timeout</source>
        <translation>T.M. compl.</translation>
    </message>
    <message>
        <source>Full timeout 1 used</source>
        <translation>Tiempo muerto completo 1 usado</translation>
    </message>
    <message>
        <source>Full timeout 2 used</source>
        <translation>Tiempo muerto completo 2 usado</translation>
    </message>
    <message>
        <source>Full timeout 3 used</source>
        <translation>Tiempo muerto completo 3 usado</translation>
    </message>
    <message>
        <source>20-Second T.O.&apos;s used</source>
        <translation>T.M. de 20 s usados</translation>
    </message>
    <message>
        <source>20-second timeout 1 used</source>
        <translation>Tiempo muerto de 20 segundos 1 usado</translation>
    </message>
    <message>
        <source>20-second timeout 2 used</source>
        <translation>Tiempo muerto de 20 segundos 2 usado</translation>
    </message>
    <message>
        <source>Game file</source>
        <translation>Archivo del partido</translation>
    </message>
    <message>
        <source>Possesion</source>
        <translation>Posesión</translation>
    </message>
    <message>
        <source>U</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Our team has possession</source>
        <translation>Nuestro equipo tiene la posesión</translation>
    </message>
    <message>
        <source>Opp</source>
        <translation>Riv</translation>
    </message>
    <message>
        <source>The opponent has possession</source>
        <translation>El rival tiene la posesión</translation>
    </message>
    <message>
        <source>First quarter Totals</source>
        <translation>Totales 1.er cuarto</translation>
    </message>
    <message>
        <source>Second Quarter Total</source>
        <translation>Totales 2.º cuarto</translation>
    </message>
    <message>
        <source>Third Quarter Totals</source>
        <translation>Totales 3.er cuarto</translation>
    </message>
    <message>
        <source>Fourth Quarter Totals</source>
        <translation>Totales 4.º cuarto</translation>
    </message>
    <message>
        <source>Overtime Totals</source>
        <translation>Totales prórroga</translation>
    </message>
    <message>
        <source>Game Totals</source>
        <translation>Totales partido</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Foul trouble</source>
        <translation>Problemas de faltas</translation>
    </message>
    <message>
        <source>%1 on the floor</source>
        <extracomment>%1 is a player&apos;s line of the sheet: &quot;Player 3&quot;</extracomment>
        <translation>%1 en la pista</translation>
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
        <translation>Se guardó %1</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <extracomment>%1 is the name of the file written</extracomment>
        <translation>Se exportó %1</translation>
    </message>
    <message>
        <source>Saved %1 and %2</source>
        <extracomment>%1 and %2 are the names of the files written</extracomment>
        <translation>Se guardaron %1 y %2</translation>
    </message>
    <message>
        <source>Exported %1 and %2</source>
        <extracomment>%1 and %2 are the names of the files written</extracomment>
        <translation>Se exportaron %1 y %2</translation>
    </message>
    <message>
        <source>Stopped sharing live: another game is on the sheet</source>
        <translation>Se dejó de compartir en directo: hay otro partido en la hoja</translation>
    </message>
    <message>
        <source>Not sharing live to %1: %2</source>
        <extracomment>%1 is the folder, %2 why</extracomment>
        <translation>Sin compartir en directo en %1: %2</translation>
    </message>
    <message>
        <source>the folder cannot be found.</source>
        <translation>no se encuentra la carpeta.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 why it cannot be written</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Live page behind: %1 has not taken a file for %2 s</source>
        <extracomment>%1 is the folder, %2 a number of seconds</extracomment>
        <translation>Página en directo con retraso: %1 no acepta un archivo desde hace %2 s</translation>
    </message>
    <message>
        <source>Live page failing: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>La página en directo falla: %1</translation>
    </message>
    <message>
        <source>Sharing live to %1</source>
        <extracomment>%1 is the folder</extracomment>
        <translation>Compartiendo en directo en %1</translation>
    </message>
    <message>
        <source>Live page not written: %1</source>
        <extracomment>%1 is why (the system&apos;s words)</extracomment>
        <translation>Página en directo no escrita: %1</translation>
    </message>
    <message>
        <source>Team fouls %1</source>
        <translation>Faltas de equipo %1</translation>
    </message>
    <message>
        <source>Team fouls %1 (the next gives two shots)</source>
        <translation>Faltas de equipo %1 (la próxima da dos tiros)</translation>
    </message>
    <message>
        <source>Team fouls %1 (the next gives one-and-one)</source>
        <translation>Faltas de equipo %1 (la próxima da uno más uno)</translation>
    </message>
    <message>
        <source>%1 %2: we shoot two</source>
        <extracomment>%1 is the opponent&apos;s name, %2 its team fouls</extracomment>
        <translation>%1 %2: tiramos dos</translation>
    </message>
    <message>
        <source>%1 %2: we shoot one-and-one</source>
        <extracomment>%1 is the opponent&apos;s name, %2 its team fouls</extracomment>
        <translation>%1 %2: tiramos uno más uno</translation>
    </message>
    <message>
        <source>Fouled out: %1</source>
        <extracomment>%1 lists the players, &quot;6 Tess Kim, 9 Ana Ruiz&quot;</extracomment>
        <translation>Fuera por faltas: %1</translation>
    </message>
    <message>
        <source>Undone: %1 1 point (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Deshecho: %1 1 punto (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 2 points (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Deshecho: %1 2 puntos (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 3 points (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Deshecho: %1 3 puntos (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 team foul (%2)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Deshecho: %1 falta de equipo (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 points set to %2 (%3)</source>
        <extracomment>%1 is the opponent&apos;s name, %2 their points, %3 the period (&quot;1st&quot;, &quot;2nd half&quot;)</extracomment>
        <translation>Deshecho: %1 puntos fijados en %2 (%3)</translation>
    </message>
    <message>
        <source>Taken back: %1, %2</source>
        <extracomment>%1 is the stat (&quot;Rebound&quot;), %2 the player (&quot;6 Tess Kim&quot;)</extracomment>
        <translation>Deshecho: %1, %2</translation>
    </message>
    <message>
        <source>%1 has fouled out</source>
        <extracomment>%1 is the player (&quot;6 Tess Kim&quot;)</extracomment>
        <translation>%1 está fuera por faltas</translation>
    </message>
    <message>
        <source>Recovery copy failing: %1</source>
        <extracomment>%1 is why the copy cannot be written</extracomment>
        <translation>La copia de recuperación falla: %1</translation>
    </message>
    <message>
        <source>Recovery copy kept</source>
        <translation>Copia de recuperación guardada</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partido</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Avisos</translation>
    </message>
</context>
</TS>
