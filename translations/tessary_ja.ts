<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>AboutMusicFrm</name>
    <message>
        <source>The Music</source>
        <extracomment>The window of Help &gt; About The Music</extracomment>
        <translation>音楽</translation>
    </message>
    <message>
        <source>To hear more of Orvane.Works&apos; music, visit its web page:</source>
        <translation>Orvane.Worksのほかの曲は、Webページでお聴きいただけます：</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button; &amp; marks the mnemonic letter</extracomment>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>The tune is “Fall Morning”, a waltz in G major for flute, nylon-string guitar, strings and bass, composed for Tessary by Orvane.Works.</source>
        <extracomment>&quot;Fall Morning&quot; is the tune&apos;s title: translate it as a title, with the language&apos;s quotes</extracomment>
        <translation>曲は「秋の朝」。フルート、ナイロン弦ギター、弦楽器、ベースのためのト長調のワルツで、Orvane.WorksがTessaryのために作曲しました。</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Hint: click this tile</source>
        <extracomment>What a screen reader says of the tile the hint (H key) raises: the one to click next</extracomment>
        <translation>ヒント：このタイルをクリック</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <extracomment>The menu bar&apos;s first menu; &amp; marks the mnemonic letter (Alt+F)</extracomment>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>File menu: scrambles the board and starts counting clicks</extracomment>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Undo Click</source>
        <extracomment>File menu: takes back the last click (a click slides a whole row or column)</extracomment>
        <translation>クリックを元に戻す</translation>
    </message>
    <message>
        <source>Redo Click</source>
        <extracomment>File menu: makes the click taken back again</extracomment>
        <translation>クリックをやり直す</translation>
    </message>
    <message>
        <source>Preferences</source>
        <extracomment>File menu: a submenu holding Music, Sound and Status Bar</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>Preferences submenu: the background tune, with On and Off below it</extracomment>
        <translation>音楽</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Checkable entry under Music, Sound and Status Bar: switched on</extracomment>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Checkable entry under Music, Sound and Status Bar: switched off</extracomment>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Preferences submenu: the sound effects, with On and Off below it</extracomment>
        <translation>効果音</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <extracomment>Preferences submenu: shows or hides the status bar, with On and Off below it</extracomment>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <source>Show Picture Box</source>
        <extracomment>File menu: opens the Picture Box, a window with the goal picture of a picture game</extracomment>
        <translation>完成図を表示</translation>
    </message>
    <message>
        <source>Top Scores</source>
        <extracomment>File menu: the fewest clicks per board, kept as records</extracomment>
        <translation>最高記録</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>File menu: the games played, won, best and median clicks and times</extracomment>
        <translation>統計</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>File menu: ends the program</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu bar&apos;s second menu, the kind of game; &amp; marks the mnemonic letter (Alt+G)</extracomment>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>Game menu: opens Number Setup, a game with numbered tiles</extracomment>
        <translation>数字</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Game menu: opens Picture Setup, a game with a picture cut into tiles</extracomment>
        <translation>画像</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>The menu bar&apos;s last menu; &amp; marks the mnemonic letter (Alt+H)</extracomment>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Help menu: opens the help window</extracomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>About Tessary</source>
        <translation>Tessaryについて</translation>
    </message>
    <message>
        <source>About The Music</source>
        <extracomment>Help menu: about the background tune</extracomment>
        <translation>音楽について</translation>
    </message>
    <message>
        <source># Clicks</source>
        <extracomment>The status bar&apos;s click panel before the first game; little room</extracomment>
        <translation># クリック</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>The status bar&apos;s board-size panel: 3x3 .. 7x7; little room</extracomment>
        <translation>%1×%1</translation>
    </message>
    <message>
        <source>Fewest clicks possible: %1</source>
        <extracomment>Tooltip of the status bar&apos;s click panel: the fewest clicks that solve this scramble</extracomment>
        <translation>最少クリック数：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n Clicks</source>
        <extracomment>The status bar&apos;s click panel: the slides of a row or column so far in this game. English keeps &quot;1 Clicks&quot; as the game always has. Little room.</extracomment>
        <translation>
            <numerusform>%n クリック</numerusform>
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
        <translation>完成図</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <extracomment>The Picture Box&apos;s only menu; &amp; marks the mnemonic letter</extracomment>
        <translation>サイズ(&amp;S)</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>Size menu of the Picture Box: the picture&apos;s size</extracomment>
        <translation>小</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>Goal picture</source>
        <extracomment>What a screen reader says for the picture in the Picture Box</extracomment>
        <translation>完成図</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>The top scores cannot be saved, so new records last only until Tessary closes. Tessary tried to write them to:
</source>
        <translation>最高記録を保存できないため、新記録はTessaryを終了するまでしか残りません。書き込もうとした場所：
</translation>
    </message>
    <message>
        <source>You got a new top score for this board!</source>
        <translation>この盤面の新記録です！</translation>
    </message>
    <message>
        <source>The statistics cannot be saved, so the games played last only until Tessary closes. Tessary tried to write them to:
</source>
        <translation>統計を保存できないため、プレイしたゲームの記録はTessaryを終了するまでしか残りません。書き込もうとした場所：
</translation>
    </message>
</context>
<context>
    <name>GameSetup</name>
    <message>
        <source>Leaf</source>
        <extracomment>A stock picture&apos;s name: its option in Picture Setup and Top Scores, and the status bar.</extracomment>
        <translation>葉</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>バラ</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>花</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>ドア</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>山</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>牛</translation>
    </message>
    <message>
        <source>N/A</source>
        <extracomment>The status bar&apos;s picture panel in a numbers game: no picture. Little room.</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>The player&apos;s own picture, as against the six stock pictures: an option of Picture Setup and the status bar&apos;s picture panel. Little room.</extracomment>
        <translation>カスタム</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tessary Help</source>
        <translation>Tessaryヘルプ</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>A tab of the help window: the list of topics; &amp; marks the mnemonic letter</extracomment>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <extracomment>A tab of the help window: the keyword index; &amp; marks the mnemonic letter</extracomment>
        <translation>索引(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of the word you are looking for:</source>
        <extracomment>&amp; marks the mnemonic letter, unique in the help window with Contents, Index, Display</extracomment>
        <translation>探したい語の最初の数文字を入力してください(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <extracomment>Button: shows the topic of the keyword chosen in the index; &amp; marks the mnemonic letter</extracomment>
        <translation>表示(&amp;D)</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help not found&lt;/h2&gt;&lt;p&gt;The help file &lt;code&gt;%1&lt;/code&gt; was not found.&lt;/p&gt;&lt;p&gt;The game is not affected: close this window and go on playing.&lt;/p&gt;</source>
        <extracomment>HTML shown in the help window when its page is missing; %1 the file&apos;s path</extracomment>
        <translation>&lt;h2&gt;ヘルプが見つかりません&lt;/h2&gt;&lt;p&gt;ヘルプファイル &lt;code&gt;%1&lt;/code&gt; が見つかりませんでした。&lt;/p&gt;&lt;p&gt;ゲームには影響ありません。このウィンドウを閉じて、そのままプレイを続けてください。&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PicFrm</name>
    <message>
        <source>Empty</source>
        <extracomment>What a screen reader says for the empty cell of the board</extracomment>
        <translation>空きマス</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The file no longer exists.</source>
        <translation>ファイルがもう存在しません。</translation>
    </message>
    <message>
        <source>It is not a picture file.</source>
        <translation>画像ファイルではありません。</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>ファイルを読み込めません（%1）。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>It is not a BMP, JPEG or GIF picture.</source>
        <translation>BMP、JPEG、GIFのいずれの画像でもありません。</translation>
    </message>
    <message>
        <source>The picture is damaged.</source>
        <translation>画像が壊れています。</translation>
    </message>
    <message>
        <source>The picture is too large (%1 x %2 pixels).</source>
        <translation>画像が大きすぎます（%1×%2ピクセル）。</translation>
    </message>
    <message>
        <source>The picture is damaged (%1).</source>
        <translation>画像が壊れています（%1）。</translation>
    </message>
</context>
<context>
    <name>ScoreRules</name>
    <message>
        <source>NUMBERS</source>
        <extracomment>The heading of the Top Scores list; a fixed-size dialog.</extracomment>
        <translation>数字</translation>
    </message>
    <message>
        <source>PICTURES - %1</source>
        <extracomment>The heading of the Top Scores list, %1 a stock picture&apos;s name; a fixed-size dialog.</extracomment>
        <translation>画像：%1</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A board size in the Top Scores list: 3x3 .. 7x7</extracomment>
        <translation>%1×%1</translation>
    </message>
    <message>
        <source>Empty</source>
        <extracomment>No score yet on this board, in the narrow Top Scores list</extracomment>
        <translation>未記録</translation>
    </message>
</context>
<context>
    <name>SetUpFrm</name>
    <message>
        <source>Picture Setup</source>
        <extracomment>The dialog that sets up a picture game; it has a fixed size</extracomment>
        <translation>画像パズルの設定</translation>
    </message>
    <message>
        <source>Board Size</source>
        <extracomment>A group of options 3x3 .. 7x7; little room</extracomment>
        <translation>盤面サイズ</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>An option of board size: 3x3 .. 7x7</extracomment>
        <translation>%1×%1</translation>
    </message>
    <message>
        <source>Skill Level</source>
        <extracomment>The group of the six stock pictures and Custom; little room</extracomment>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <extracomment>Button: draws the lines where the picture will be cut into tiles; little room</extracomment>
        <translation>グリッドを表示</translation>
    </message>
    <message>
        <source>Hide grid</source>
        <extracomment>Button: takes the cutting lines away again; little room</extracomment>
        <translation>グリッドを隠す</translation>
    </message>
    <message>
        <source>Setup board</source>
        <extracomment>Button: starts a game on the picture shown; little room</extracomment>
        <translation>盤面を作成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button; little room</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown. %2</source>
        <extracomment>%1 the file&apos;s name, %2 why, a whole sentence</extracomment>
        <translation>画像「%1」を表示できません。%2</translation>
    </message>
    <message>
        <source>The picture your atttempting to use is not scquare (e.g, 300x300 pixels). Resize the image and retry)</source>
        <extracomment>A message: the picture chosen is not square. The English keeps the game&apos;s own spelling.</extracomment>
        <translation>使用しようとしている画像は正方形ではありません（例：300×300ピクセル）。画像のサイズを変更して、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>Setupfrm2</name>
    <message>
        <source>Number Setup</source>
        <extracomment>The dialog that sets up a numbers game; it has a fixed size and little room</extracomment>
        <translation>数字パズルの設定</translation>
    </message>
    <message>
        <source>Board Size</source>
        <extracomment>A group of options 3x3 .. 7x7; little room</extracomment>
        <translation>盤面サイズ</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>An option of board size: 3x3 .. 7x7</extracomment>
        <translation>%1×%1</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button; little room</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button; little room</extracomment>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>StatisticsFrm</name>
    <message>
        <source>Games played</source>
        <extracomment>A caption in the Statistics window, followed by a colon and a value</extracomment>
        <translation>プレイしたゲーム数</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>クリアしたゲーム数</translation>
    </message>
    <message>
        <source>Best clicks</source>
        <translation>最少クリック</translation>
    </message>
    <message>
        <source>Median clicks</source>
        <translation>クリック数の中央値</translation>
    </message>
    <message>
        <source>Best time</source>
        <extracomment>The shortest playing time of a won game</extracomment>
        <translation>最短時間</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>時間の中央値</translation>
    </message>
    <message>
        <source>Solved in the fewest clicks possible</source>
        <extracomment>The share of won games solved in the fewest clicks possible, a percentage</extracomment>
        <translation>最少クリック数でクリアした割合</translation>
    </message>
    <message>
        <source>Median clicks over the fewest possible</source>
        <extracomment>The median of (clicks used - fewest clicks possible) over the won games</extracomment>
        <translation>最少クリック数を超えたクリック数の中央値</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the list of boards played (3x3 Numbers, 4x4 Leaf...)</extracomment>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Button: forgets the games of the board chosen, after a question</extracomment>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1x%1 %2</source>
        <extracomment>A board in the list of the Statistics window, as in &quot;4x4 Numbers&quot;, &quot;5x5 Leaf&quot;</extracomment>
        <translation>%1×%1 %2</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>A numbers game in the list of boards, as in &quot;4x4 Numbers&quot;</extracomment>
        <translation>数字</translation>
    </message>
    <message>
        <source>Forget every game played on the %1 board?</source>
        <extracomment>A question before Reset; %1 the board, as in &quot;4x4 Numbers&quot;</extracomment>
        <translation>盤面「%1」でプレイしたゲームの記録をすべて消去しますか？</translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks over the fewest possible; pale bars, clicks where that is not known.</source>
        <extracomment>Above the chart of the Statistics window: %n is 50; &quot;the fewest possible&quot; is the fewest clicks that solve the scramble</extracomment>
        <translation>
            <numerusform>直近%n回のクリア（左ほど古い）：最少クリック数を超えたクリック数。薄い棒は、最少クリック数が不明なゲームのクリック数です。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks over the fewest possible.</source>
        <translation>
            <numerusform>直近%n回のクリア（左ほど古い）：最少クリック数を超えたクリック数。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks.</source>
        <translation>
            <numerusform>直近%n回のクリア（左ほど古い）：クリック数。</numerusform>
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
        <translation>%1：</translation>
    </message>
</context>
<context>
    <name>TopScoresFrm</name>
    <message>
        <source>Top Scores</source>
        <extracomment>The window with the fewest clicks per board; the dialog has a fixed size</extracomment>
        <translation>最高記録</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button; a fixed-size dialog</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Game Type</source>
        <extracomment>A group of two options, Numbers and Pictures; a fixed-size dialog with little room</extracomment>
        <translation>ゲームの種類</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>Option: the numbers games&apos; list; little room</extracomment>
        <translation>数字</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Option: the picture games&apos; lists, one per stock picture; little room</extracomment>
        <translation>画像</translation>
    </message>
    <message>
        <source>Skill Level</source>
        <extracomment>The group of the six stock pictures, each with its own list; little room</extracomment>
        <translation>レベル</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Last won games</source>
        <extracomment>What a screen reader calls the chart of the Statistics window</extracomment>
        <translation>直近のクリア</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <extracomment>Read out by a screen reader: the chart is empty</extracomment>
        <translation>クリアしたゲームはまだありません</translation>
    </message>
    <message numerus="yes">
        <source>%n over the fewest</source>
        <extracomment>Read out by a screen reader, one bar of the chart: clicks beyond the fewest possible</extracomment>
        <translation>
            <numerusform>最少より%n多い</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clicks</source>
        <translation>
            <numerusform>%n クリック</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n won games, oldest first: %1</source>
        <translation>
            <numerusform>直近%n回のクリア（古い順）：%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Copyright © 2026 Orvane.Works. All rights reserved.

Warning: this program is protected by copyright law. Copying or passing it on, in whole or in part, without the permission of Orvane.Works is not allowed.</source>
        <translation>Copyright © 2026 Orvane.Works. All rights reserved.

警告：このプログラムは著作権法によって保護されています。Orvane.Worksの許可なく、このプログラムの全部または一部を複製または譲渡することは禁じられています。</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The title of Help &gt; About Tessary; %1 is the program&apos;s name</extracomment>
        <translation>%1について</translation>
    </message>
    <message>
        <source>Music: “Fall Morning”, composed for Tessary by Orvane.Works</source>
        <extracomment>&quot;Fall Morning&quot; is the tune&apos;s title: translate it as a title, with the language&apos;s quotes</extracomment>
        <translation>音楽：「秋の朝」（Orvane.WorksがTessaryのために作曲）</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1</source>
        <extracomment>Under the program&apos;s name in the splash window and About Tessary; %1 is like 1.3.0</extracomment>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Orvane.Works. All rights reserved.</source>
        <translation>Copyright © 2026 Orvane.Works. All rights reserved.</translation>
    </message>
</context>
</TS>
