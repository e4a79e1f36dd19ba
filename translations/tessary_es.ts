<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AboutMusicFrm</name>
    <message>
        <source>The Music</source>
        <extracomment>The window of Help &gt; About The Music</extracomment>
        <translation>La música</translation>
    </message>
    <message>
        <source>To hear more of Orvane.Works&apos; music, visit its web page:</source>
        <translation>Para escuchar más música de Orvane.Works, visita su página web:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button; &amp; marks the mnemonic letter</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The tune is “Fall Morning”, a waltz in G major for flute, nylon-string guitar, strings and bass, composed for Tessary by Orvane.Works.</source>
        <extracomment>&quot;Fall Morning&quot; is the tune&apos;s title: translate it as a title, with the language&apos;s quotes</extracomment>
        <translation>La melodía es «Mañana de otoño», un vals en sol mayor para flauta, guitarra clásica, cuerdas y bajo, compuesto para Tessary por Orvane.Works.</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Hint: click this tile</source>
        <extracomment>What a screen reader says of the tile the hint (H key) raises: the one to click next</extracomment>
        <translation>Pista: haz clic en esta ficha</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <extracomment>The menu bar&apos;s first menu; &amp; marks the mnemonic letter (Alt+F)</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>File menu: scrambles the board and starts counting clicks</extracomment>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Undo Click</source>
        <extracomment>File menu: takes back the last click (a click slides a whole row or column)</extracomment>
        <translation>Deshacer clic</translation>
    </message>
    <message>
        <source>Redo Click</source>
        <extracomment>File menu: makes the click taken back again</extracomment>
        <translation>Rehacer clic</translation>
    </message>
    <message>
        <source>Preferences</source>
        <extracomment>File menu: a submenu holding Music, Sound and Status Bar</extracomment>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>Preferences submenu: the background tune, with On and Off below it</extracomment>
        <translation>Música</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Checkable entry under Music, Sound and Status Bar: switched on</extracomment>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Checkable entry under Music, Sound and Status Bar: switched off</extracomment>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Preferences submenu: the sound effects, with On and Off below it</extracomment>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <extracomment>Preferences submenu: shows or hides the status bar, with On and Off below it</extracomment>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Show Picture Box</source>
        <extracomment>File menu: opens the Picture Box, a window with the goal picture of a picture game</extracomment>
        <translation>Mostrar imagen modelo</translation>
    </message>
    <message>
        <source>Top Scores</source>
        <extracomment>File menu: the fewest clicks per board, kept as records</extracomment>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>File menu: the games played, won, best and median clicks and times</extracomment>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>File menu: ends the program</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu bar&apos;s second menu, the kind of game; &amp; marks the mnemonic letter (Alt+G)</extracomment>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>Game menu: opens Number Setup, a game with numbered tiles</extracomment>
        <translation>Números</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Game menu: opens Picture Setup, a game with a picture cut into tiles</extracomment>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>The menu bar&apos;s last menu; &amp; marks the mnemonic letter (Alt+H)</extracomment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Help menu: opens the help window</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About Tessary</source>
        <translation>Acerca de Tessary</translation>
    </message>
    <message>
        <source>About The Music</source>
        <extracomment>Help menu: about the background tune</extracomment>
        <translation>Acerca de la música</translation>
    </message>
    <message>
        <source># Clicks</source>
        <extracomment>The status bar&apos;s click panel before the first game; little room</extracomment>
        <translation># clics</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>The status bar&apos;s board-size panel: 3x3 .. 7x7; little room</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>Fewest clicks possible: %1</source>
        <extracomment>Tooltip of the status bar&apos;s click panel: the fewest clicks that solve this scramble</extracomment>
        <translation>Mínimo de clics posible: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n Clicks</source>
        <extracomment>The status bar&apos;s click panel: the slides of a row or column so far in this game. English keeps &quot;1 Clicks&quot; as the game always has. Little room.</extracomment>
        <translation>
            <numerusform>%n clic</numerusform>
            <numerusform>%n clics</numerusform>
        </translation>
    </message>
    <message>
        <source>Tessary </source>
        <extracomment>The main window&apos;s title: the program&apos;s name and one space; keep the name</extracomment>
        <translation>Tessary </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Picture Box</source>
        <extracomment>The window with the goal picture of a picture game</extracomment>
        <translation>Imagen modelo</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <extracomment>The Picture Box&apos;s only menu; &amp; marks the mnemonic letter</extracomment>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>Size menu of the Picture Box: the picture&apos;s size</extracomment>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Goal picture</source>
        <extracomment>What a screen reader says for the picture in the Picture Box</extracomment>
        <translation>Imagen objetivo</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>The top scores cannot be saved, so new records last only until Tessary closes. Tessary tried to write them to:
</source>
        <translation>No se pueden guardar los récords, así que los nuevos solo se conservarán hasta que se cierre Tessary. Tessary intentó escribirlos en:
</translation>
    </message>
    <message>
        <source>You got a new top score for this board!</source>
        <translation>¡Has conseguido un nuevo récord en este tablero!</translation>
    </message>
    <message>
        <source>The statistics cannot be saved, so the games played last only until Tessary closes. Tessary tried to write them to:
</source>
        <translation>No se pueden guardar las estadísticas, así que las partidas jugadas solo se conservarán hasta que se cierre Tessary. Tessary intentó escribirlas en:
</translation>
    </message>
</context>
<context>
    <name>GameSetup</name>
    <message>
        <source>Leaf</source>
        <extracomment>A stock picture&apos;s name: its option in Picture Setup and Top Scores, and the status bar.</extracomment>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Flor</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Puerta</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Montaña</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Vaca</translation>
    </message>
    <message>
        <source>N/A</source>
        <extracomment>The status bar&apos;s picture panel in a numbers game: no picture. Little room.</extracomment>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>The player&apos;s own picture, as against the six stock pictures: an option of Picture Setup and the status bar&apos;s picture panel. Little room.</extracomment>
        <translation>Propia</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tessary Help</source>
        <translation>Ayuda de Tessary</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>A tab of the help window: the list of topics; &amp; marks the mnemonic letter</extracomment>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <extracomment>A tab of the help window: the keyword index; &amp; marks the mnemonic letter</extracomment>
        <translation>Índ&amp;ice</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of the word you are looking for:</source>
        <extracomment>&amp; marks the mnemonic letter, unique in the help window with Contents, Index, Display</extracomment>
        <translation>&amp;Escribe las primeras letras de la palabra que buscas:</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <extracomment>Button: shows the topic of the keyword chosen in the index; &amp; marks the mnemonic letter</extracomment>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help not found&lt;/h2&gt;&lt;p&gt;The help file &lt;code&gt;%1&lt;/code&gt; was not found.&lt;/p&gt;&lt;p&gt;The game is not affected: close this window and go on playing.&lt;/p&gt;</source>
        <extracomment>HTML shown in the help window when its page is missing; %1 the file&apos;s path</extracomment>
        <translation>&lt;h2&gt;No se encuentra la ayuda&lt;/h2&gt;&lt;p&gt;No se ha encontrado el archivo de ayuda &lt;code&gt;%1&lt;/code&gt;.&lt;/p&gt;&lt;p&gt;El juego no se ve afectado: cierra esta ventana y sigue jugando.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PicFrm</name>
    <message>
        <source>Empty</source>
        <extracomment>What a screen reader says for the empty cell of the board</extracomment>
        <translation>Vacía</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The file no longer exists.</source>
        <translation>El archivo ya no existe.</translation>
    </message>
    <message>
        <source>It is not a picture file.</source>
        <translation>No es un archivo de imagen.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>It is not a BMP, JPEG or GIF picture.</source>
        <translation>No es una imagen BMP, JPEG o GIF.</translation>
    </message>
    <message>
        <source>The picture is damaged.</source>
        <translation>La imagen está dañada.</translation>
    </message>
    <message>
        <source>The picture is too large (%1 x %2 pixels).</source>
        <translation>La imagen es demasiado grande (%1 x %2 píxeles).</translation>
    </message>
    <message>
        <source>The picture is damaged (%1).</source>
        <translation>La imagen está dañada (%1).</translation>
    </message>
</context>
<context>
    <name>ScoreRules</name>
    <message>
        <source>NUMBERS</source>
        <extracomment>The heading of the Top Scores list; a fixed-size dialog.</extracomment>
        <translation>NÚMEROS</translation>
    </message>
    <message>
        <source>PICTURES - %1</source>
        <extracomment>The heading of the Top Scores list, %1 a stock picture&apos;s name; a fixed-size dialog.</extracomment>
        <translation>IMÁGENES - %1</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A board size in the Top Scores list: 3x3 .. 7x7</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>Empty</source>
        <extracomment>No score yet on this board, in the narrow Top Scores list</extracomment>
        <translation>Vacío</translation>
    </message>
</context>
<context>
    <name>SetUpFrm</name>
    <message>
        <source>Picture Setup</source>
        <extracomment>The dialog that sets up a picture game; it has a fixed size</extracomment>
        <translation>Configurar imagen</translation>
    </message>
    <message>
        <source>Board Size</source>
        <extracomment>A group of options 3x3 .. 7x7; little room</extracomment>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>An option of board size: 3x3 .. 7x7</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>Skill Level</source>
        <extracomment>The group of the six stock pictures and Custom; little room</extracomment>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <extracomment>Button: draws the lines where the picture will be cut into tiles; little room</extracomment>
        <translation>Mostrar rejilla</translation>
    </message>
    <message>
        <source>Hide grid</source>
        <extracomment>Button: takes the cutting lines away again; little room</extracomment>
        <translation>Ocultar rejilla</translation>
    </message>
    <message>
        <source>Setup board</source>
        <extracomment>Button: starts a game on the picture shown; little room</extracomment>
        <translation>Preparar tablero</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button; little room</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown. %2</source>
        <extracomment>%1 the file&apos;s name, %2 why, a whole sentence</extracomment>
        <translation>No se puede mostrar la imagen «%1». %2</translation>
    </message>
    <message>
        <source>The picture your atttempting to use is not scquare (e.g, 300x300 pixels). Resize the image and retry)</source>
        <extracomment>A message: the picture chosen is not square. The English keeps the game&apos;s own spelling.</extracomment>
        <translation>La imagen que intentas usar no es cuadrada (por ejemplo, de 300x300 píxeles). Cambia su tamaño y vuelve a intentarlo.</translation>
    </message>
</context>
<context>
    <name>Setupfrm2</name>
    <message>
        <source>Number Setup</source>
        <extracomment>The dialog that sets up a numbers game; it has a fixed size and little room</extracomment>
        <translation>Números</translation>
    </message>
    <message>
        <source>Board Size</source>
        <extracomment>A group of options 3x3 .. 7x7; little room</extracomment>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>An option of board size: 3x3 .. 7x7</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button; little room</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button; little room</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>StatisticsFrm</name>
    <message>
        <source>Games played</source>
        <extracomment>A caption in the Statistics window, followed by a colon and a value</extracomment>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Partidas ganadas</translation>
    </message>
    <message>
        <source>Best clicks</source>
        <translation>Menos clics</translation>
    </message>
    <message>
        <source>Median clicks</source>
        <translation>Mediana de clics</translation>
    </message>
    <message>
        <source>Best time</source>
        <extracomment>The shortest playing time of a won game</extracomment>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Mediana de tiempo</translation>
    </message>
    <message>
        <source>Solved in the fewest clicks possible</source>
        <extracomment>The share of won games solved in the fewest clicks possible, a percentage</extracomment>
        <translation>Resueltas con el mínimo de clics posible</translation>
    </message>
    <message>
        <source>Median clicks over the fewest possible</source>
        <extracomment>The median of (clicks used - fewest clicks possible) over the won games</extracomment>
        <translation>Mediana de clics por encima del mínimo posible</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the list of boards played (3x3 Numbers, 4x4 Leaf...)</extracomment>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Button: forgets the games of the board chosen, after a question</extracomment>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1x%1 %2</source>
        <extracomment>A board in the list of the Statistics window, as in &quot;4x4 Numbers&quot;, &quot;5x5 Leaf&quot;</extracomment>
        <translation>%1x%1 %2</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>A numbers game in the list of boards, as in &quot;4x4 Numbers&quot;</extracomment>
        <translation>Números</translation>
    </message>
    <message>
        <source>Forget every game played on the %1 board?</source>
        <extracomment>A question before Reset; %1 the board, as in &quot;4x4 Numbers&quot;</extracomment>
        <translation>¿Olvidar todas las partidas jugadas en el tablero %1?</translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks over the fewest possible; pale bars, clicks where that is not known.</source>
        <extracomment>Above the chart of the Statistics window: %n is 50; &quot;the fewest possible&quot; is the fewest clicks that solve the scramble</extracomment>
        <translation>
            <numerusform>La última partida ganada (%n): clics por encima del mínimo posible; barra clara: clics cuando no se conoce el mínimo.</numerusform>
            <numerusform>Las últimas %n partidas ganadas, la más antigua a la izquierda: clics por encima del mínimo posible; barras claras: clics cuando no se conoce el mínimo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks over the fewest possible.</source>
        <translation>
            <numerusform>La última partida ganada (%n): clics por encima del mínimo posible.</numerusform>
            <numerusform>Las últimas %n partidas ganadas, la más antigua a la izquierda: clics por encima del mínimo posible.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks.</source>
        <translation>
            <numerusform>La última partida ganada (%n): clics.</numerusform>
            <numerusform>Las últimas %n partidas ganadas, la más antigua a la izquierda: clics.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A share in percent, &quot;50%&quot;; the language&apos;s own spacing</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A caption before its value, &quot;Games played:&quot;; the language&apos;s own colon and spacing</extracomment>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>TopScoresFrm</name>
    <message>
        <source>Top Scores</source>
        <extracomment>The window with the fewest clicks per board; the dialog has a fixed size</extracomment>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button; a fixed-size dialog</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Game Type</source>
        <extracomment>A group of two options, Numbers and Pictures; a fixed-size dialog with little room</extracomment>
        <translation>Modalidad</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>Option: the numbers games&apos; list; little room</extracomment>
        <translation>Números</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Option: the picture games&apos; lists, one per stock picture; little room</extracomment>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Skill Level</source>
        <extracomment>The group of the six stock pictures, each with its own list; little room</extracomment>
        <translation>Dificultad</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Last won games</source>
        <extracomment>What a screen reader calls the chart of the Statistics window</extracomment>
        <translation>Últimas partidas ganadas</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <extracomment>Read out by a screen reader: the chart is empty</extracomment>
        <translation>Todavía no hay partidas ganadas</translation>
    </message>
    <message numerus="yes">
        <source>%n over the fewest</source>
        <extracomment>Read out by a screen reader, one bar of the chart: clicks beyond the fewest possible</extracomment>
        <translation>
            <numerusform>%n por encima del mínimo</numerusform>
            <numerusform>%n por encima del mínimo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clicks</source>
        <translation>
            <numerusform>%n clic</numerusform>
            <numerusform>%n clics</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n won games, oldest first: %1</source>
        <translation>
            <numerusform>%n partida ganada: %1</numerusform>
            <numerusform>%n partidas ganadas, la más antigua primero: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Copyright © 2026 Orvane.Works. All rights reserved.

Warning: this program is protected by copyright law. Copying or passing it on, in whole or in part, without the permission of Orvane.Works is not allowed.</source>
        <translation>Copyright © 2026 Orvane.Works. Todos los derechos reservados.

Advertencia: este programa está protegido por las leyes de derechos de autor. Queda prohibida su copia o distribución, total o parcial, sin el permiso de Orvane.Works.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The title of Help &gt; About Tessary; %1 is the program&apos;s name</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Music: “Fall Morning”, composed for Tessary by Orvane.Works</source>
        <extracomment>&quot;Fall Morning&quot; is the tune&apos;s title: translate it as a title, with the language&apos;s quotes</extracomment>
        <translation>Música: «Mañana de otoño», compuesta para Tessary por Orvane.Works</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1</source>
        <extracomment>Under the program&apos;s name in the splash window and About Tessary; %1 is like 1.3.0</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Orvane.Works. All rights reserved.</source>
        <translation>Copyright © 2026 Orvane.Works. Todos los derechos reservados.</translation>
    </message>
</context>
</TS>
