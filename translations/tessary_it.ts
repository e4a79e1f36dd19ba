<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AboutMusicFrm</name>
    <message>
        <source>The Music</source>
        <extracomment>The window of Help &gt; About The Music</extracomment>
        <translation>La musica</translation>
    </message>
    <message>
        <source>To hear more of Orvane.Works&apos; music, visit its web page:</source>
        <translation>Per ascoltare altra musica di Orvane.Works, visita la sua pagina web:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button; &amp; marks the mnemonic letter</extracomment>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>The tune is “Fall Morning”, a waltz in G major for flute, nylon-string guitar, strings and bass, composed for Tessary by Orvane.Works.</source>
        <extracomment>&quot;Fall Morning&quot; is the tune&apos;s title: translate it as a title, with the language&apos;s quotes</extracomment>
        <translation>Il brano è «Mattina d’autunno», un valzer in sol maggiore per flauto, chitarra con corde di nylon, archi e basso, composto per Tessary da Orvane.Works.</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Hint: click this tile</source>
        <extracomment>What a screen reader says of the tile the hint (H key) raises: the one to click next</extracomment>
        <translation>Suggerimento: fai clic su questa tessera</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <extracomment>The menu bar&apos;s first menu; &amp; marks the mnemonic letter (Alt+F)</extracomment>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>File menu: scrambles the board and starts counting clicks</extracomment>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Undo Click</source>
        <extracomment>File menu: takes back the last click (a click slides a whole row or column)</extracomment>
        <translation>Annulla clic</translation>
    </message>
    <message>
        <source>Redo Click</source>
        <extracomment>File menu: makes the click taken back again</extracomment>
        <translation>Ripeti clic</translation>
    </message>
    <message>
        <source>Preferences</source>
        <extracomment>File menu: a submenu holding Music, Sound and Status Bar</extracomment>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>Preferences submenu: the background tune, with On and Off below it</extracomment>
        <translation>Musica</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Checkable entry under Music, Sound and Status Bar: switched on</extracomment>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Checkable entry under Music, Sound and Status Bar: switched off</extracomment>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Preferences submenu: the sound effects, with On and Off below it</extracomment>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <extracomment>Preferences submenu: shows or hides the status bar, with On and Off below it</extracomment>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>Show Picture Box</source>
        <extracomment>File menu: opens the Picture Box, a window with the goal picture of a picture game</extracomment>
        <translation>Mostra riquadro figura</translation>
    </message>
    <message>
        <source>Top Scores</source>
        <extracomment>File menu: the fewest clicks per board, kept as records</extracomment>
        <translation>Record</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>File menu: the games played, won, best and median clicks and times</extracomment>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>File menu: ends the program</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu bar&apos;s second menu, the kind of game; &amp; marks the mnemonic letter (Alt+G)</extracomment>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>Game menu: opens Number Setup, a game with numbered tiles</extracomment>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Game menu: opens Picture Setup, a game with a picture cut into tiles</extracomment>
        <translation>Figure</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>The menu bar&apos;s last menu; &amp; marks the mnemonic letter (Alt+H)</extracomment>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Help menu: opens the help window</extracomment>
        <translation>Guida</translation>
    </message>
    <message>
        <source>About Tessary</source>
        <translation>Informazioni su Tessary</translation>
    </message>
    <message>
        <source>About The Music</source>
        <extracomment>Help menu: about the background tune</extracomment>
        <translation>Informazioni sulla musica</translation>
    </message>
    <message>
        <source># Clicks</source>
        <extracomment>The status bar&apos;s click panel before the first game; little room</extracomment>
        <translation># clic</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>The status bar&apos;s board-size panel: 3x3 .. 7x7; little room</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>Fewest clicks possible: %1</source>
        <extracomment>Tooltip of the status bar&apos;s click panel: the fewest clicks that solve this scramble</extracomment>
        <translation>Minimo di clic possibile: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n Clicks</source>
        <extracomment>The status bar&apos;s click panel: the slides of a row or column so far in this game. English keeps &quot;1 Clicks&quot; as the game always has. Little room.</extracomment>
        <translation>
            <numerusform>%n clic</numerusform>
            <numerusform>%n clic</numerusform>
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
        <translation>Riquadro figura</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <extracomment>The Picture Box&apos;s only menu; &amp; marks the mnemonic letter</extracomment>
        <translation>&amp;Dimensione</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>Size menu of the Picture Box: the picture&apos;s size</extracomment>
        <translation>Piccola</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Goal picture</source>
        <extracomment>What a screen reader says for the picture in the Picture Box</extracomment>
        <translation>Figura da ricomporre</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>The top scores cannot be saved, so new records last only until Tessary closes. Tessary tried to write them to:
</source>
        <translation>Impossibile salvare i record: quelli nuovi resteranno solo fino alla chiusura di Tessary. Tessary ha tentato di scriverli in:
</translation>
    </message>
    <message>
        <source>You got a new top score for this board!</source>
        <translation>Hai stabilito un nuovo record per questo schema!</translation>
    </message>
    <message>
        <source>The statistics cannot be saved, so the games played last only until Tessary closes. Tessary tried to write them to:
</source>
        <translation>Impossibile salvare le statistiche: le partite giocate resteranno solo fino alla chiusura di Tessary. Tessary ha tentato di scriverle in:
</translation>
    </message>
</context>
<context>
    <name>GameSetup</name>
    <message>
        <source>Leaf</source>
        <extracomment>A stock picture&apos;s name: its option in Picture Setup and Top Scores, and the status bar.</extracomment>
        <translation>Foglia</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Fiore</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Montagna</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Mucca</translation>
    </message>
    <message>
        <source>N/A</source>
        <extracomment>The status bar&apos;s picture panel in a numbers game: no picture. Little room.</extracomment>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>The player&apos;s own picture, as against the six stock pictures: an option of Picture Setup and the status bar&apos;s picture panel. Little room.</extracomment>
        <translation>A scelta</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tessary Help</source>
        <translation>Guida di Tessary</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>A tab of the help window: the list of topics; &amp; marks the mnemonic letter</extracomment>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <extracomment>A tab of the help window: the keyword index; &amp; marks the mnemonic letter</extracomment>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of the word you are looking for:</source>
        <extracomment>&amp; marks the mnemonic letter, unique in the help window with Contents, Index, Display</extracomment>
        <translation>&amp;Digita le prime lettere della parola che cerchi:</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <extracomment>Button: shows the topic of the keyword chosen in the index; &amp; marks the mnemonic letter</extracomment>
        <translation>&amp;Mostra</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help not found&lt;/h2&gt;&lt;p&gt;The help file &lt;code&gt;%1&lt;/code&gt; was not found.&lt;/p&gt;&lt;p&gt;The game is not affected: close this window and go on playing.&lt;/p&gt;</source>
        <extracomment>HTML shown in the help window when its page is missing; %1 the file&apos;s path</extracomment>
        <translation>&lt;h2&gt;Guida non trovata&lt;/h2&gt;&lt;p&gt;Il file della guida &lt;code&gt;%1&lt;/code&gt; non è stato trovato.&lt;/p&gt;&lt;p&gt;Il gioco non ne risente: chiudi questa finestra e continua a giocare.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PicFrm</name>
    <message>
        <source>Empty</source>
        <extracomment>What a screen reader says for the empty cell of the board</extracomment>
        <translation>Casella vuota</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The file no longer exists.</source>
        <translation>Il file non esiste più.</translation>
    </message>
    <message>
        <source>It is not a picture file.</source>
        <translation>Non è un file di immagine.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Impossibile leggere il file: %1.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>It is not a BMP, JPEG or GIF picture.</source>
        <translation>Non è un’immagine BMP, JPEG o GIF.</translation>
    </message>
    <message>
        <source>The picture is damaged.</source>
        <translation>L’immagine è danneggiata.</translation>
    </message>
    <message>
        <source>The picture is too large (%1 x %2 pixels).</source>
        <translation>L’immagine è troppo grande (%1 x %2 pixel).</translation>
    </message>
    <message>
        <source>The picture is damaged (%1).</source>
        <translation>L’immagine è danneggiata (%1).</translation>
    </message>
</context>
<context>
    <name>ScoreRules</name>
    <message>
        <source>NUMBERS</source>
        <extracomment>The heading of the Top Scores list; a fixed-size dialog.</extracomment>
        <translation>NUMERI</translation>
    </message>
    <message>
        <source>PICTURES - %1</source>
        <extracomment>The heading of the Top Scores list, %1 a stock picture&apos;s name; a fixed-size dialog.</extracomment>
        <translation>FIGURE – %1</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A board size in the Top Scores list: 3x3 .. 7x7</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>Empty</source>
        <extracomment>No score yet on this board, in the narrow Top Scores list</extracomment>
        <translation>Vuoto</translation>
    </message>
</context>
<context>
    <name>SetUpFrm</name>
    <message>
        <source>Picture Setup</source>
        <extracomment>The dialog that sets up a picture game; it has a fixed size</extracomment>
        <translation>Imposta figura</translation>
    </message>
    <message>
        <source>Board Size</source>
        <extracomment>A group of options 3x3 .. 7x7; little room</extracomment>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>An option of board size: 3x3 .. 7x7</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>Skill Level</source>
        <extracomment>The group of the six stock pictures and Custom; little room</extracomment>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <extracomment>Button: draws the lines where the picture will be cut into tiles; little room</extracomment>
        <translation>Mostra griglia</translation>
    </message>
    <message>
        <source>Hide grid</source>
        <extracomment>Button: takes the cutting lines away again; little room</extracomment>
        <translation>Nascondi griglia</translation>
    </message>
    <message>
        <source>Setup board</source>
        <extracomment>Button: starts a game on the picture shown; little room</extracomment>
        <translation>Imposta schema</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button; little room</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown. %2</source>
        <extracomment>%1 the file&apos;s name, %2 why, a whole sentence</extracomment>
        <translation>Impossibile mostrare l’immagine «%1». %2</translation>
    </message>
    <message>
        <source>The picture your atttempting to use is not scquare (e.g, 300x300 pixels). Resize the image and retry)</source>
        <extracomment>A message: the picture chosen is not square. The English keeps the game&apos;s own spelling.</extracomment>
        <translation>L’immagine che stai cercando di usare non è quadrata (ad es. 300x300 pixel). Ridimensionala e riprova.</translation>
    </message>
</context>
<context>
    <name>Setupfrm2</name>
    <message>
        <source>Number Setup</source>
        <extracomment>The dialog that sets up a numbers game; it has a fixed size and little room</extracomment>
        <translation>Imposta numeri</translation>
    </message>
    <message>
        <source>Board Size</source>
        <extracomment>A group of options 3x3 .. 7x7; little room</extracomment>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>An option of board size: 3x3 .. 7x7</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button; little room</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button; little room</extracomment>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>StatisticsFrm</name>
    <message>
        <source>Games played</source>
        <extracomment>A caption in the Statistics window, followed by a colon and a value</extracomment>
        <translation>Partite giocate</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Partite vinte</translation>
    </message>
    <message>
        <source>Best clicks</source>
        <translation>Miglior numero di clic</translation>
    </message>
    <message>
        <source>Median clicks</source>
        <translation>Mediana dei clic</translation>
    </message>
    <message>
        <source>Best time</source>
        <extracomment>The shortest playing time of a won game</extracomment>
        <translation>Miglior tempo</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Mediana dei tempi</translation>
    </message>
    <message>
        <source>Solved in the fewest clicks possible</source>
        <extracomment>The share of won games solved in the fewest clicks possible, a percentage</extracomment>
        <translation>Risolte con il minimo di clic possibile</translation>
    </message>
    <message>
        <source>Median clicks over the fewest possible</source>
        <extracomment>The median of (clicks used - fewest clicks possible) over the won games</extracomment>
        <translation>Mediana dei clic oltre il minimo possibile</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the list of boards played (3x3 Numbers, 4x4 Leaf...)</extracomment>
        <translation>Schema</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Button: forgets the games of the board chosen, after a question</extracomment>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1x%1 %2</source>
        <extracomment>A board in the list of the Statistics window, as in &quot;4x4 Numbers&quot;, &quot;5x5 Leaf&quot;</extracomment>
        <translation>%1x%1 %2</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>A numbers game in the list of boards, as in &quot;4x4 Numbers&quot;</extracomment>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>Forget every game played on the %1 board?</source>
        <extracomment>A question before Reset; %1 the board, as in &quot;4x4 Numbers&quot;</extracomment>
        <translation>Cancellare tutte le partite giocate sullo schema %1?</translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks over the fewest possible; pale bars, clicks where that is not known.</source>
        <extracomment>Above the chart of the Statistics window: %n is 50; &quot;the fewest possible&quot; is the fewest clicks that solve the scramble</extracomment>
        <translation>
            <numerusform>L’ultima partita vinta (%n): clic oltre il minimo possibile; barra chiara: clic, se il minimo non è noto.</numerusform>
            <numerusform>Le ultime %n partite vinte, la più vecchia a sinistra: clic oltre il minimo possibile; barre chiare: clic, dove il minimo non è noto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks over the fewest possible.</source>
        <translation>
            <numerusform>L’ultima partita vinta (%n): clic oltre il minimo possibile.</numerusform>
            <numerusform>Le ultime %n partite vinte, la più vecchia a sinistra: clic oltre il minimo possibile.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks.</source>
        <translation>
            <numerusform>L’ultima partita vinta (%n): clic.</numerusform>
            <numerusform>Le ultime %n partite vinte, la più vecchia a sinistra: clic.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A share in percent, &quot;50%&quot;; the language&apos;s own spacing</extracomment>
        <translation>%1%</translation>
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
        <translation>Record</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button; a fixed-size dialog</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Game Type</source>
        <extracomment>A group of two options, Numbers and Pictures; a fixed-size dialog with little room</extracomment>
        <translation>Tipo di gioco</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>Option: the numbers games&apos; list; little room</extracomment>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Option: the picture games&apos; lists, one per stock picture; little room</extracomment>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Skill Level</source>
        <extracomment>The group of the six stock pictures, each with its own list; little room</extracomment>
        <translation>Livello</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Last won games</source>
        <extracomment>What a screen reader calls the chart of the Statistics window</extracomment>
        <translation>Ultime partite vinte</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <extracomment>Read out by a screen reader: the chart is empty</extracomment>
        <translation>Ancora nessuna partita vinta</translation>
    </message>
    <message numerus="yes">
        <source>%n over the fewest</source>
        <extracomment>Read out by a screen reader, one bar of the chart: clicks beyond the fewest possible</extracomment>
        <translation>
            <numerusform>%n clic oltre il minimo</numerusform>
            <numerusform>%n clic oltre il minimo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clicks</source>
        <translation>
            <numerusform>%n clic</numerusform>
            <numerusform>%n clic</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n won games, oldest first: %1</source>
        <translation>
            <numerusform>%n partita vinta: %1</numerusform>
            <numerusform>%n partite vinte, dalla più vecchia: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Copyright © 2026 Orvane.Works. All rights reserved.

Warning: this program is protected by copyright law. Copying or passing it on, in whole or in part, without the permission of Orvane.Works is not allowed.</source>
        <translation>Copyright © 2026 Orvane.Works. Tutti i diritti riservati.

Attenzione: questo programma è protetto dalle leggi sul diritto d’autore. Non è consentito copiarlo o cederlo ad altri, in tutto o in parte, senza il permesso di Orvane.Works.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The title of Help &gt; About Tessary; %1 is the program&apos;s name</extracomment>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Music: “Fall Morning”, composed for Tessary by Orvane.Works</source>
        <extracomment>&quot;Fall Morning&quot; is the tune&apos;s title: translate it as a title, with the language&apos;s quotes</extracomment>
        <translation>Musica: «Mattina d’autunno», composta per Tessary da Orvane.Works</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1</source>
        <extracomment>Under the program&apos;s name in the splash window and About Tessary; %1 is like 1.3.0</extracomment>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Orvane.Works. All rights reserved.</source>
        <translation>Copyright © 2026 Orvane.Works. Tutti i diritti riservati.</translation>
    </message>
</context>
</TS>
