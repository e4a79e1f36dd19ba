<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutMusicFrm</name>
    <message>
        <source>The Music</source>
        <extracomment>The window of Help &gt; About The Music</extracomment>
        <translation>音乐</translation>
    </message>
    <message>
        <source>To hear more of Orvane.Works&apos; music, visit its web page:</source>
        <translation>想听更多 Orvane.Works 的音乐，请访问其网页：</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button; &amp; marks the mnemonic letter</extracomment>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>The tune is “Fall Morning”, a waltz in G major for flute, nylon-string guitar, strings and bass, composed for Tessary by Orvane.Works.</source>
        <extracomment>&quot;Fall Morning&quot; is the tune&apos;s title: translate it as a title, with the language&apos;s quotes</extracomment>
        <translation>乐曲名为《秋日清晨》，是一首 G 大调圆舞曲，为长笛、尼龙弦吉他、弦乐和贝斯而作，由 Orvane.Works 为 Tessary 创作。</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Hint: click this tile</source>
        <extracomment>What a screen reader says of the tile the hint (H key) raises: the one to click next</extracomment>
        <translation>提示：点击这个方块</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;File</source>
        <extracomment>The menu bar&apos;s first menu; &amp; marks the mnemonic letter (Alt+F)</extracomment>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>File menu: scrambles the board and starts counting clicks</extracomment>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Undo Click</source>
        <extracomment>File menu: takes back the last click (a click slides a whole row or column)</extracomment>
        <translation>撤销点击</translation>
    </message>
    <message>
        <source>Redo Click</source>
        <extracomment>File menu: makes the click taken back again</extracomment>
        <translation>重做点击</translation>
    </message>
    <message>
        <source>Preferences</source>
        <extracomment>File menu: a submenu holding Music, Sound and Status Bar</extracomment>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>Preferences submenu: the background tune, with On and Off below it</extracomment>
        <translation>音乐</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Checkable entry under Music, Sound and Status Bar: switched on</extracomment>
        <translation>开启</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Checkable entry under Music, Sound and Status Bar: switched off</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Preferences submenu: the sound effects, with On and Off below it</extracomment>
        <translation>音效</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <extracomment>Preferences submenu: shows or hides the status bar, with On and Off below it</extracomment>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>Show Picture Box</source>
        <extracomment>File menu: opens the Picture Box, a window with the goal picture of a picture game</extracomment>
        <translation>显示参考图</translation>
    </message>
    <message>
        <source>Top Scores</source>
        <extracomment>File menu: the fewest clicks per board, kept as records</extracomment>
        <translation>最佳纪录</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>File menu: the games played, won, best and median clicks and times</extracomment>
        <translation>统计</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>File menu: ends the program</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu bar&apos;s second menu, the kind of game; &amp; marks the mnemonic letter (Alt+G)</extracomment>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>Game menu: opens Number Setup, a game with numbered tiles</extracomment>
        <translation>数字</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Game menu: opens Picture Setup, a game with a picture cut into tiles</extracomment>
        <translation>图片</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>The menu bar&apos;s last menu; &amp; marks the mnemonic letter (Alt+H)</extracomment>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Help menu: opens the help window</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About Tessary</source>
        <translation>关于 Tessary</translation>
    </message>
    <message>
        <source>About The Music</source>
        <extracomment>Help menu: about the background tune</extracomment>
        <translation>关于音乐</translation>
    </message>
    <message>
        <source># Clicks</source>
        <extracomment>The status bar&apos;s click panel before the first game; little room</extracomment>
        <translation>点击 # 次</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>The status bar&apos;s board-size panel: 3x3 .. 7x7; little room</extracomment>
        <translation>%1×%1</translation>
    </message>
    <message>
        <source>Fewest clicks possible: %1</source>
        <extracomment>Tooltip of the status bar&apos;s click panel: the fewest clicks that solve this scramble</extracomment>
        <translation>最少点击次数：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n Clicks</source>
        <extracomment>The status bar&apos;s click panel: the slides of a row or column so far in this game. English keeps &quot;1 Clicks&quot; as the game always has. Little room.</extracomment>
        <translation>
            <numerusform>点击 %n 次</numerusform>
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
        <translation>参考图</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <extracomment>The Picture Box&apos;s only menu; &amp; marks the mnemonic letter</extracomment>
        <translation>大小(&amp;S)</translation>
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
        <translation>目标图片</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>The top scores cannot be saved, so new records last only until Tessary closes. Tessary tried to write them to:
</source>
        <translation>无法保存最佳纪录，新纪录只能保留到 Tessary 关闭为止。Tessary 尝试写入的位置：
</translation>
    </message>
    <message>
        <source>You got a new top score for this board!</source>
        <translation>您在这个盘面上创造了新纪录！</translation>
    </message>
    <message>
        <source>The statistics cannot be saved, so the games played last only until Tessary closes. Tessary tried to write them to:
</source>
        <translation>无法保存统计数据，已玩游戏的记录只能保留到 Tessary 关闭为止。Tessary 尝试写入的位置：
</translation>
    </message>
</context>
<context>
    <name>GameSetup</name>
    <message>
        <source>Leaf</source>
        <extracomment>A stock picture&apos;s name: its option in Picture Setup and Top Scores, and the status bar.</extracomment>
        <translation>树叶</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>玫瑰</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>花朵</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>门</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>山峰</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>奶牛</translation>
    </message>
    <message>
        <source>N/A</source>
        <extracomment>The status bar&apos;s picture panel in a numbers game: no picture. Little room.</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>The player&apos;s own picture, as against the six stock pictures: an option of Picture Setup and the status bar&apos;s picture panel. Little room.</extracomment>
        <translation>自定义</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tessary Help</source>
        <translation>Tessary 帮助</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>A tab of the help window: the list of topics; &amp; marks the mnemonic letter</extracomment>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <extracomment>A tab of the help window: the keyword index; &amp; marks the mnemonic letter</extracomment>
        <translation>索引(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of the word you are looking for:</source>
        <extracomment>&amp; marks the mnemonic letter, unique in the help window with Contents, Index, Display</extracomment>
        <translation>输入要查找的词的开头几个字母(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <extracomment>Button: shows the topic of the keyword chosen in the index; &amp; marks the mnemonic letter</extracomment>
        <translation>显示(&amp;D)</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help not found&lt;/h2&gt;&lt;p&gt;The help file &lt;code&gt;%1&lt;/code&gt; was not found.&lt;/p&gt;&lt;p&gt;The game is not affected: close this window and go on playing.&lt;/p&gt;</source>
        <extracomment>HTML shown in the help window when its page is missing; %1 the file&apos;s path</extracomment>
        <translation>&lt;h2&gt;找不到帮助&lt;/h2&gt;&lt;p&gt;找不到帮助文件 &lt;code&gt;%1&lt;/code&gt;。&lt;/p&gt;&lt;p&gt;游戏不受影响：关闭此窗口即可继续游戏。&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PicFrm</name>
    <message>
        <source>Empty</source>
        <extracomment>What a screen reader says for the empty cell of the board</extracomment>
        <translation>空格</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The file no longer exists.</source>
        <translation>文件已不存在。</translation>
    </message>
    <message>
        <source>It is not a picture file.</source>
        <translation>这不是图片文件。</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>无法读取文件：%1。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <source>It is not a BMP, JPEG or GIF picture.</source>
        <translation>这不是 BMP、JPEG 或 GIF 图片。</translation>
    </message>
    <message>
        <source>The picture is damaged.</source>
        <translation>图片已损坏。</translation>
    </message>
    <message>
        <source>The picture is too large (%1 x %2 pixels).</source>
        <translation>图片太大（%1×%2 像素）。</translation>
    </message>
    <message>
        <source>The picture is damaged (%1).</source>
        <translation>图片已损坏（%1）。</translation>
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
        <translation>图片：%1</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A board size in the Top Scores list: 3x3 .. 7x7</extracomment>
        <translation>%1×%1</translation>
    </message>
    <message>
        <source>Empty</source>
        <extracomment>No score yet on this board, in the narrow Top Scores list</extracomment>
        <translation>暂无</translation>
    </message>
</context>
<context>
    <name>SetUpFrm</name>
    <message>
        <source>Picture Setup</source>
        <extracomment>The dialog that sets up a picture game; it has a fixed size</extracomment>
        <translation>图片拼图设置</translation>
    </message>
    <message>
        <source>Board Size</source>
        <extracomment>A group of options 3x3 .. 7x7; little room</extracomment>
        <translation>盘面大小</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>An option of board size: 3x3 .. 7x7</extracomment>
        <translation>%1×%1</translation>
    </message>
    <message>
        <source>Skill Level</source>
        <extracomment>The group of the six stock pictures and Custom; little room</extracomment>
        <translation>难度</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <extracomment>Button: draws the lines where the picture will be cut into tiles; little room</extracomment>
        <translation>显示网格</translation>
    </message>
    <message>
        <source>Hide grid</source>
        <extracomment>Button: takes the cutting lines away again; little room</extracomment>
        <translation>隐藏网格</translation>
    </message>
    <message>
        <source>Setup board</source>
        <extracomment>Button: starts a game on the picture shown; little room</extracomment>
        <translation>设置盘面</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button; little room</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown. %2</source>
        <extracomment>%1 the file&apos;s name, %2 why, a whole sentence</extracomment>
        <translation>无法显示图片“%1”。%2</translation>
    </message>
    <message>
        <source>The picture your atttempting to use is not scquare (e.g, 300x300 pixels). Resize the image and retry)</source>
        <extracomment>A message: the picture chosen is not square. The English keeps the game&apos;s own spelling.</extracomment>
        <translation>您要使用的图片不是正方形（例如 300×300 像素）。请调整图片尺寸后重试。</translation>
    </message>
</context>
<context>
    <name>Setupfrm2</name>
    <message>
        <source>Number Setup</source>
        <extracomment>The dialog that sets up a numbers game; it has a fixed size and little room</extracomment>
        <translation>数字拼图设置</translation>
    </message>
    <message>
        <source>Board Size</source>
        <extracomment>A group of options 3x3 .. 7x7; little room</extracomment>
        <translation>盘面大小</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>An option of board size: 3x3 .. 7x7</extracomment>
        <translation>%1×%1</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button; little room</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button; little room</extracomment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>StatisticsFrm</name>
    <message>
        <source>Games played</source>
        <extracomment>A caption in the Statistics window, followed by a colon and a value</extracomment>
        <translation>已玩局数</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>获胜局数</translation>
    </message>
    <message>
        <source>Best clicks</source>
        <translation>最少点击</translation>
    </message>
    <message>
        <source>Median clicks</source>
        <translation>点击次数中位数</translation>
    </message>
    <message>
        <source>Best time</source>
        <extracomment>The shortest playing time of a won game</extracomment>
        <translation>最短用时</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>用时中位数</translation>
    </message>
    <message>
        <source>Solved in the fewest clicks possible</source>
        <extracomment>The share of won games solved in the fewest clicks possible, a percentage</extracomment>
        <translation>以最少点击次数完成的比例</translation>
    </message>
    <message>
        <source>Median clicks over the fewest possible</source>
        <extracomment>The median of (clicks used - fewest clicks possible) over the won games</extracomment>
        <translation>超出最少点击次数的中位数</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the list of boards played (3x3 Numbers, 4x4 Leaf...)</extracomment>
        <translation>盘面</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Button: forgets the games of the board chosen, after a question</extracomment>
        <translation>重置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>要清除在“%1”盘面上玩过的所有游戏记录吗？</translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks over the fewest possible; pale bars, clicks where that is not known.</source>
        <extracomment>Above the chart of the Statistics window: %n is 50; &quot;the fewest possible&quot; is the fewest clicks that solve the scramble</extracomment>
        <translation>
            <numerusform>最近 %n 局获胜的游戏，越靠左越早：超出最少点击次数的点击数；浅色柱表示最少点击次数未知时的点击数。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks over the fewest possible.</source>
        <translation>
            <numerusform>最近 %n 局获胜的游戏，越靠左越早：超出最少点击次数的点击数。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last %n won games, oldest on the left: clicks.</source>
        <translation>
            <numerusform>最近 %n 局获胜的游戏，越靠左越早：点击次数。</numerusform>
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
        <translation>最佳纪录</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button; a fixed-size dialog</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Game Type</source>
        <extracomment>A group of two options, Numbers and Pictures; a fixed-size dialog with little room</extracomment>
        <translation>游戏类型</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>Option: the numbers games&apos; list; little room</extracomment>
        <translation>数字</translation>
    </message>
    <message>
        <source>Pictures</source>
        <extracomment>Option: the picture games&apos; lists, one per stock picture; little room</extracomment>
        <translation>图片</translation>
    </message>
    <message>
        <source>Skill Level</source>
        <extracomment>The group of the six stock pictures, each with its own list; little room</extracomment>
        <translation>难度</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Last won games</source>
        <extracomment>What a screen reader calls the chart of the Statistics window</extracomment>
        <translation>最近获胜的游戏</translation>
    </message>
    <message>
        <source>No game won yet</source>
        <extracomment>Read out by a screen reader: the chart is empty</extracomment>
        <translation>尚未赢过游戏</translation>
    </message>
    <message numerus="yes">
        <source>%n over the fewest</source>
        <extracomment>Read out by a screen reader, one bar of the chart: clicks beyond the fewest possible</extracomment>
        <translation>
            <numerusform>比最少多 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clicks</source>
        <translation>
            <numerusform>点击 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n won games, oldest first: %1</source>
        <translation>
            <numerusform>%n 局获胜的游戏，从最早的开始：%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Copyright © 2026 Orvane.Works. All rights reserved.

Warning: this program is protected by copyright law. Copying or passing it on, in whole or in part, without the permission of Orvane.Works is not allowed.</source>
        <translation>版权所有 © 2026 Orvane.Works。保留所有权利。

警告：本程序受版权法保护。未经 Orvane.Works 许可，不得复制或传播本程序的全部或部分内容。</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The title of Help &gt; About Tessary; %1 is the program&apos;s name</extracomment>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Music: “Fall Morning”, composed for Tessary by Orvane.Works</source>
        <extracomment>&quot;Fall Morning&quot; is the tune&apos;s title: translate it as a title, with the language&apos;s quotes</extracomment>
        <translation>音乐：《秋日清晨》，由 Orvane.Works 为 Tessary 创作</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1</source>
        <extracomment>Under the program&apos;s name in the splash window and About Tessary; %1 is like 1.3.0</extracomment>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Orvane.Works. All rights reserved.</source>
        <translation>版权所有 © 2026 Orvane.Works。保留所有权利。</translation>
    </message>
</context>
</TS>
