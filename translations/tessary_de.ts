<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutMusicFrm</name>
    <message>
        <source>The Music</source>
        <extracomment>The window of Help &gt; About The Music</extracomment>
        <translation>Die Musik</translation>
    </message>
    <message>
        <source>To hear more of Orvane.Works&apos; music, visit its web page:</source>
        <translation>Mehr Musik von Orvane.Works finden Sie auf dieser Webseite:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button; &amp; marks the mnemonic letter</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The tune is “Fall Morning”, a waltz in G major for flute, nylon-string guitar, strings and bass, composed for Tessary by Orvane.Works.</source>
        <extracomment>&quot;Fall Morning&quot; is the tune&apos;s title: translate it as a title, with the language&apos;s quotes</extracomment>
        <translation>Die Melodie heißt „Herbstmorgen“, ein Walzer in G-Dur für Flöte, Konzertgitarre, Streicher und Bass, von Orvane.Works für Tessary komponiert.</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Hint: click this tile</source>
        <extracomment>What a screen reader says of the tile the hint (H key) raises: the one to click next</extracomment>
        <translation>Tipp: Diesen Stein anklicken</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <extracomment>The menu bar&apos;s first menu; &amp; marks the mnemonic letter (Alt+F)</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>File menu: scrambles the board and starts counting clicks</extracomment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Undo Click</source>
        <extracomment>File menu: takes back the last click (a click slides a whole row or column)</extracomment>
        <translation>Klick rückgängig</translation>
    </message>
    <message>
        <source>Redo Click</source>
        <extracomment>File menu: makes the click taken back again</extracomment>
        <translation>Klick wiederholen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <extracomment>File menu: a submenu holding Music, Sound and Status Bar</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>Preferences submenu: the background tune, with On and Off below it</extracomment>
        <translation>Musik</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Checkable entry under Music, Sound and Status Bar: switched on</extracomment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Checkable entry under Music, Sound and Status Bar: switched off</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Preferences submenu: the sound effects, with On and Off below it</extracomment>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <extracomment>Preferences submenu: shows or hides the status bar, with On and Off below it</extracomment>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Show Picture Box</source>
        <extracomment>File menu: opens the Picture Box, a window with the goal picture of a picture game</extracomment>
        <translation>Bildvorlage anzeigen</translation>
    </message>
    <message>
        <source>Top Scores</source>
        <extracomment>File menu: the fewest clicks per board, kept as records</extracomment>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>File menu: the games played, won, best and median clicks and times</extracomment>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>File menu: ends the program</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu bar&apos;s second menu, the kind of game; &amp; marks the mnemonic letter (Alt+G)</extracomment>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>Game menu: opens Number Setup, a game with numbered tiles</extracomment>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Game menu: opens Picture Setup, a game with a picture cut into tiles</extracomment>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>The menu bar&apos;s last menu; &amp; marks the mnemonic letter (Alt+H)</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Help menu: opens the help window</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About Tessary</source>
        <translation>Über Tessary</translation>
    </message>
    <message>
        <source>About The Music</source>
        <extracomment>Help menu: about the background tune</extracomment>
        <translation>Über die Musik</translation>
    </message>
    <message>
        <source># Clicks</source>
        <extracomment>The status bar&apos;s click panel before the first game; little room</extracomment>
        <translation># Klicks</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>The status bar&apos;s board-size panel: 3x3 .. 7x7; little room</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>Fewest clicks possible: %1</source>
        <extracomment>Tooltip of the status bar&apos;s click panel: the fewest clicks that solve this scramble</extracomment>
        <translation>Mindestzahl an Klicks: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n Clicks</source>
        <extracomment>The status bar&apos;s click panel: the slides of a row or column so far in this game. English keeps &quot;1 Clicks&quot; as the game always has. Little room.</extracomment>
        <translation>
            <numerusform>%n Klick</numerusform>
            <numerusform>%n Klicks</numerusform>
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
        <translation>Bildvorlage</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <extracomment>The Picture Box&apos;s only menu; &amp; marks the mnemonic letter</extracomment>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>Size menu of the Picture Box: the picture&apos;s size</extracomment>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Goal picture</source>
        <extracomment>What a screen reader says for the picture in the Picture Box</extracomment>
        <translation>Zielbild</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>The top scores cannot be saved, so new records last only until Tessary closes. Tessary tried to write them to:
</source>
        <translation>Die Bestenliste kann nicht gespeichert werden, neue Rekorde gelten daher nur, bis Tessary geschlossen wird. Tessary hat versucht, sie hier zu speichern:
</translation>
    </message>
    <message>
        <source>You got a new top score for this board!</source>
        <translation>Neuer Rekord für dieses Spielfeld!</translation>
    </message>
    <message>
        <source>The statistics cannot be saved, so the games played last only until Tessary closes. Tessary tried to write them to:
</source>
        <translation>Die Statistik kann nicht gespeichert werden, die gespielten Spiele bleiben daher nur erhalten, bis Tessary geschlossen wird. Tessary hat versucht, sie hier zu speichern:
</translation>
    </message>
</context>
<context>
    <name>GameSetup</name>
    <message>
        <source>Leaf</source>
        <extracomment>A stock picture&apos;s name: its option in Picture Setup and Top Scores, and the status bar.</extracomment>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Blume</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Berg</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Kuh</translation>
    </message>
    <message>
        <source>N/A</source>
        <extracomment>The status bar&apos;s picture panel in a numbers game: no picture. Little room.</extracomment>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>The player&apos;s own picture, as against the six stock pictures: an option of Picture Setup and the status bar&apos;s picture panel. Little room.</extracomment>
        <translation>Eigenes</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tessary Help</source>
        <translation>Tessary-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>A tab of the help window: the list of topics; &amp; marks the mnemonic letter</extracomment>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <extracomment>A tab of the help window: the keyword index; &amp; marks the mnemonic letter</extracomment>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of the word you are looking for:</source>
        <extracomment>&amp; marks the mnemonic letter, unique in the help window with Contents, Index, Display</extracomment>
        <translation>&amp;Geben Sie die ersten Buchstaben des gesuchten Wortes ein:</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <extracomment>Button: shows the topic of the keyword chosen in the index; &amp; marks the mnemonic letter</extracomment>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help not found&lt;/h2&gt;&lt;p&gt;The help file &lt;code&gt;%1&lt;/code&gt; was not found.&lt;/p&gt;&lt;p&gt;The game is not affected: close this window and go on playing.&lt;/p&gt;</source>
        <extracomment>HTML shown in the help window when its page is missing; %1 the file&apos;s path</extracomment>
        <translation>&lt;h2&gt;Hilfe nicht gefunden&lt;/h2&gt;&lt;p&gt;Die Hilfedatei &lt;code&gt;%1&lt;/code&gt; wurde nicht gefunden.&lt;/p&gt;&lt;p&gt;Das Spiel ist davon nicht betroffen: Schließen Sie dieses Fenster und spielen Sie weiter.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PicFrm</name>
    <message>
        <source>Empty</source>
        <extracomment>What a screen reader says for the empty cell of the board</extracomment>
        <translation>Leeres Feld</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The file no longer exists.</source>
        <translation>Die Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>It is not a picture file.</source>
        <translation>Die Datei ist keine Bilddatei.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>It is not a BMP, JPEG or GIF picture.</source>
        <translation>Die Datei ist kein BMP-, JPEG- oder GIF-Bild.</translation>
    </message>
    <message>
        <source>The picture is damaged.</source>
        <translation>Das Bild ist beschädigt.</translation>
    </message>
    <message>
        <source>The picture is too large (%1 x %2 pixels).</source>
        <translation>Das Bild ist zu groß (%1 x %2 Pixel).</translation>
    </message>
    <message>
        <source>The picture is damaged (%1).</source>
        <translation>Das Bild ist beschädigt (%1).</translation>
    </message>
</context>
<context>
    <name>ScoreRules</name>
    <message>
        <source>NUMBERS</source>
        <extracomment>The heading of the Top Scores list; a fixed-size dialog.</extracomment>
        <translation>ZAHLEN</translation>
    </message>
    <message>
        <source>PICTURES - %1</source>
        <extracomment>The heading of the Top Scores list, %1 a stock picture&apos;s name; a fixed-size dialog.</extracomment>
        <translation>BILDER – %1</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A board size in the Top Scores list: 3x3 .. 7x7</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>Empty</source>
        <extracomment>No score yet on this board, in the narrow Top Scores list</extracomment>
        <translation>Leer</translation>
    </message>
</context>
<context>
    <name>SetUpFrm</name>
    <message>
        <source>Picture Setup</source>
        <extracomment>The dialog that sets up a picture game; it has a fixed size</extracomment>
        <translation>Bilderspiel</translation>
    </message>
    <message>
        <source>Board Size</source>
        <extracomment>A group of options 3x3 .. 7x7; little room</extracomment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>An option of board size: 3x3 .. 7x7</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>Skill Level</source>
        <extracomment>The group of the six stock pictures and Custom; little room</extracomment>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <extracomment>Button: draws the lines where the picture will be cut into tiles; little room</extracomment>
        <translation>Raster ein</translation>
    </message>
    <message>
        <source>Hide grid</source>
        <extracomment>Button: takes the cutting lines away again; little room</extracomment>
        <translation>Raster aus</translation>
    </message>
    <message>
        <source>Setup board</source>
        <extracomment>Button: starts a game on the picture shown; little room</extracomment>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button; little room</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown. %2</source>
        <extracomment>%1 the file&apos;s name, %2 why, a whole sentence</extracomment>
        <translation>Das Bild „%1“ kann nicht angezeigt werden. %2</translation>
    </message>
    <message>
        <source>The picture your atttempting to use is not scquare (e.g, 300x300 pixels). Resize the image and retry)</source>
        <extracomment>A message: the picture chosen is not square. The English keeps the game&apos;s own spelling.</extracomment>
        <translation>Das gewählte Bild ist nicht quadratisch (z. B. 300x300 Pixel). Ändern Sie die Bildgröße und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>Setupfrm2</name>
    <message>
        <source>Number Setup</source>
        <extracomment>The dialog that sets up a numbers game; it has a fixed size and little room</extracomment>
        <translation>Zahlenspiel</translation>
    </message>
    <message>
        <source>Board Size</source>
        <extracomment>A group of options 3x3 .. 7x7; little room</extracomment>
        <translation>Größe</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>StatisticsFrm</name>
    <message>
        <source>Games played</source>
        <extracomment>A caption in the Statistics window, followed by a colon and a value</extracomment>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <source>Best clicks</source>
        <translation>Beste Klickzahl</translation>
    </message>
    <message>
        <source>Median clicks</source>
        <translation>Median der Klicks</translation>
    </message>
    <message>
        <source>Best time</source>
        <extracomment>The shortest playing time of a won game</extracomment>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Median der Spielzeit</translation>
    </message>
    <message>
        <source>Solved in the fewest clicks possible</source>
        <extracomment>The share of won games solved in the fewest clicks possible, a percentage</extracomment>
        <translation>Mit der Mindestzahl an Klicks gelöst</translation>
    </message>
    <message>
        <source>Median clicks over the fewest possible</source>
        <extracomment>The median of (clicks used - fewest clicks possible) over the won games</extracomment>
        <translation>Median der Klicks über der Mindestzahl</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the list of boards played (3x3 Numbers, 4x4 Leaf...)</extracomment>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Button: forgets the games of the board chosen, after a question</extracomment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1x%1 %2</source>
        <extracomment>A board in the list of the Statistics window, as in &quot;4x4 Numbers&quot;, &quot;5x5 Leaf&quot;</extracomment>
        <translation>%1x%1 %2</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>A numbers game in the list of boards, as in &quot;4x4 Numbers&quot;</extracomment>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Forget every game played on the %1 board?</source>
        <extracomment>A question before Reset; %1 the board, as in &quot;4x4 Numbers&quot;</extracomment>
        <translation>Alle Spiele auf dem Spielfeld %1 vergessen?</translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks over the fewest possible; pale bars, clicks where that is not known.</source>
        <extracomment>Above the chart of the Statistics window: %n is 50; &quot;the fewest possible&quot; is the fewest clicks that solve the scramble</extracomment>
        <translation>
            <numerusform>%n zuletzt gewonnenes Spiel: Klicks über der Mindestzahl; blasse Balken: Klicks, wo diese nicht bekannt ist.</numerusform>
            <numerusform>Die letzten %n gewonnenen Spiele, das älteste links: Klicks über der Mindestzahl; blasse Balken: Klicks, wo diese nicht bekannt ist.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks over the fewest possible.</source>
        <translation>
            <numerusform>%n zuletzt gewonnenes Spiel: Klicks über der Mindestzahl.</numerusform>
            <numerusform>Die letzten %n gewonnenen Spiele, das älteste links: Klicks über der Mindestzahl.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks.</source>
        <translation>
            <numerusform>%n zuletzt gewonnenes Spiel: Klicks.</numerusform>
            <numerusform>Die letzten %n gewonnenen Spiele, das älteste links: Klicks.</numerusform>
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
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button; a fixed-size dialog</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Game Type</source>
        <extracomment>A group of two options, Numbers and Pictures; a fixed-size dialog with little room</extracomment>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>Option: the numbers games&apos; list; little room</extracomment>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Option: the picture games&apos; lists, one per stock picture; little room</extracomment>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Skill Level</source>
        <extracomment>The group of the six stock pictures, each with its own list; little room</extracomment>
        <translation>Stufe</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Last won games</source>
        <extracomment>What a screen reader calls the chart of the Statistics window</extracomment>
        <translation>Zuletzt gewonnene Spiele</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <extracomment>Read out by a screen reader: the chart is empty</extracomment>
        <translation>Noch kein Spiel gewonnen</translation>
    </message>
    <message numerus="yes">
        <source>%n over the fewest</source>
        <extracomment>Read out by a screen reader, one bar of the chart: clicks beyond the fewest possible</extracomment>
        <translation>
            <numerusform>%n Klick über der Mindestzahl</numerusform>
            <numerusform>%n Klicks über der Mindestzahl</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clicks</source>
        <translation>
            <numerusform>%n Klick</numerusform>
            <numerusform>%n Klicks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n won games, oldest first: %1</source>
        <translation>
            <numerusform>%n gewonnenes Spiel: %1</numerusform>
            <numerusform>%n gewonnene Spiele, das älteste zuerst: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Copyright © 2026 Orvane.Works. All rights reserved.

Warning: this program is protected by copyright law. Copying or passing it on, in whole or in part, without the permission of Orvane.Works is not allowed.</source>
        <translation>Copyright © 2026 Orvane.Works. Alle Rechte vorbehalten.

Warnung: Dieses Programm ist urheberrechtlich geschützt. Es ganz oder in Teilen ohne die Erlaubnis von Orvane.Works zu kopieren oder weiterzugeben, ist nicht gestattet.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The title of Help &gt; About Tessary; %1 is the program&apos;s name</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Music: “Fall Morning”, composed for Tessary by Orvane.Works</source>
        <extracomment>&quot;Fall Morning&quot; is the tune&apos;s title: translate it as a title, with the language&apos;s quotes</extracomment>
        <translation>Musik: „Herbstmorgen“, für Tessary komponiert von Orvane.Works</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1</source>
        <extracomment>Under the program&apos;s name in the splash window and About Tessary; %1 is like 1.3.0</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Orvane.Works. All rights reserved.</source>
        <translation>Copyright © 2026 Orvane.Works. Alle Rechte vorbehalten.</translation>
    </message>
</context>
</TS>
