// Playing through the real window: New Game, clicks and keys, the count, the win, the Picture Box.
#include "board/main_window.h"
#include "board_text.h"
#include "dialogs/picture_box.h"
#include "fakes.h"
#include "platform/cell_view.h"
#include "platform/window_placement.h"

#include <QLabel>
#include <QMenuBar>
#include <QtTest>

namespace {

// After New Game with every draw "up", the gap climbs from the bottom-right to the top.
const QString Scrambled = QStringLiteral("1 2 3 _|5 6 7 4|9 10 11 8|13 14 15 12");
const QString Solved = QStringLiteral("1 2 3 4|5 6 7 8|9 10 11 12|13 14 15 _");

struct Game {
    Fakes fakes;
    Form1 w{fakes.platform()};

    Game()
    {
        w.Form_Load();
        w.FourbyFour_Click();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    void click(int row, int col) { QTest::mouseClick(w.cellView(row, col), Qt::LeftButton); }
    void newGame() { w.menuEntry(QStringLiteral("NewGame"))->trigger(); }
};

QImage testPicture(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 128));
    return image;
}

} // namespace

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }
    void newGameScramblesAndUnlocks();
    void clicks_data();
    void clicks();
    void countsEveryMove();
    void winSequence_data();
    void winSequence();
    void closedDuringTheWinSound();
    void newGameAfterWin();
    void arrowKeys();
    void fewestClicksAndHint_data();
    void fewestClicksAndHint();
    void pictureBox();
};

void TestPlay::newGameScramblesAndUnlocks()
{
    Game g;
    g.newGame();
    QCOMPARE(g.w.panelText(StatusPanel::Clicks), QStringLiteral("0 Clicks"));
    QCOMPARE(boardText(g.w.game()), Scrambled);
    QCOMPARE(viewText(g.w.game()), Scrambled);
    QCOMPARE(g.w.cellView(0, 3)->accessibleName(), QStringLiteral("Empty"));
    QCOMPARE(g.fakes.random.index, size_t(ScrambleSteps));
    QVERIFY(g.w.boardArea()->isEnabled());
    QVERIFY(!g.w.pictureBox());

    g.newGame();  // scrambles the current arrangement further, count back to 0
    QCOMPARE(g.w.panelText(StatusPanel::Clicks), QStringLiteral("0 Clicks"));
    QCOMPARE(boardText(g.w.game()), Scrambled);
}

void TestPlay::clicks_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("count");
    QTest::newRow("three tiles in the row") << 0 << 0 << "_ 1 2 3|5 6 7 4|9 10 11 8|13 14 15 12" << "1 Clicks";
    QTest::newRow("one tile in the row") << 0 << 2 << "1 2 _ 3|5 6 7 4|9 10 11 8|13 14 15 12" << "1 Clicks";
    QTest::newRow("two tiles in the column") << 2 << 3 << "1 2 3 4|5 6 7 8|9 10 11 _|13 14 15 12" << "1 Clicks";
    QTest::newRow("the empty cell") << 0 << 3 << Scrambled << "0 Clicks";
    QTest::newRow("diagonal") << 1 << 2 << Scrambled << "0 Clicks";
    QTest::newRow("off both lines") << 3 << 0 << Scrambled << "0 Clicks";
    QTest::newRow("view outside a 4x4 board") << 4 << 3 << Scrambled << "0 Clicks";
    QTest::newRow("column index outside") << 0 << 5 << Scrambled << "0 Clicks";
}

void TestPlay::clicks()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, after);
    QFETCH(QString, count);
    Game g;
    g.newGame();
    g.click(row, col);
    QCOMPARE(boardText(g.w.game()), after);
    QCOMPARE(viewText(g.w.game()), after);
    QCOMPARE(g.w.panelText(StatusPanel::Clicks), count);
    const bool moved = after != Scrambled;
    QCOMPARE(g.fakes.waves.played, moved ? QStringList{"change.wav async"} : QStringList{});
    if (moved)
        QCOMPARE(g.fakes.waves.paths.value(0), g.fakes.folder.filePath(QStringLiteral("change.wav")));
}

void TestPlay::countsEveryMove()
{
    Game g;
    g.newGame();
    g.w.menuEntry(QStringLiteral("BarOff"))->trigger();  // the count goes on while the bar is hidden
    for (int i = 1; i <= 10; ++i) {
        g.click(0, i % 2 ? 0 : 3);
        if (i == 9)
            QCOMPARE(g.w.panelText(StatusPanel::Clicks), QStringLiteral("9 Clicks"));
    }
    QCOMPARE(g.w.panelText(StatusPanel::Clicks), QStringLiteral("10 Clicks"));
    g.w.menuEntry(QStringLiteral("BarOn"))->trigger();
    QCOMPARE(g.w.panelText(StatusPanel::Clicks), QStringLiteral("10 Clicks"));
    QCOMPARE(g.fakes.waves.played.size(), 10);
}

void TestPlay::winSequence_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::newRow("sound on") << true;
    QTest::newRow("sound off") << false;
}

void TestPlay::winSequence()
{
    QFETCH(bool, soundOn);
    Game g;
    if (!soundOn)
        g.w.menuEntry(QStringLiteral("SoundOff"))->trigger();
    g.newGame();
    bool disabledAtCheck = false;
    QStringList soundsAtCheck;
    g.fakes.messages.onShow = [&](const QString &) {
        disabledAtCheck = !g.w.boardArea()->isEnabled();
        soundsAtCheck = g.fakes.waves.played;
    };
    g.click(3, 3);  // the solving move
    QCOMPARE(boardText(g.w.game()), Solved);
    QCOMPARE(g.w.panelText(StatusPanel::Clicks), QStringLiteral("1 Clicks"));
    const QStringList sounds = soundOn ? QStringList{"change.wav async", "pop.wav sync", "gling.wav async"}
                                       : QStringList{};
    QCOMPARE(g.fakes.waves.played, sounds);
    // The last piece is shown, raised, while the model keeps that cell empty.
    QCOMPARE(g.w.cellView(3, 3)->picture().name, QStringLiteral("16"));
    QCOMPARE(g.w.cellView(3, 3)->specialEffect(), SpecialEffect::Raised);
    QCOMPARE(g.w.game().Board(3, 3).TileNumber, 0);
    QCOMPARE(g.w.game().Board(3, 3).IsBlank, true);
    QVERIFY(!g.w.boardArea()->isEnabled());
    // The score check ran once, after the sounds and with the board locked, and counted the winning move.
    QCOMPARE(g.fakes.messages.shown, QStringList{"You got a new top score for this board!"});
    QVERIFY(disabledAtCheck);
    QCOMPARE(soundsAtCheck, sounds);

    g.click(3, 2);  // locked until New Game
    QTest::keyClick(&g.w, Qt::Key_Right);
    QCOMPARE(g.w.panelText(StatusPanel::Clicks), QStringLiteral("1 Clicks"));
    QCOMPARE(g.fakes.waves.played, sounds);
}

void TestPlay::closedDuringTheWinSound()
{
    Game g;
    g.newGame();
    g.fakes.waves.whilePlaying = [&] { g.w.close(); };
    g.click(3, 3);
    // The program is ending: no chime, no message over a closed window, but the record is kept.
    QCOMPARE(g.fakes.waves.played, (QStringList{"change.wav async", "pop.wav sync"}));
    QVERIFY(g.fakes.messages.shown.isEmpty());
    QCOMPARE(g.fakes.program.ended, 1);
    QFile file(g.fakes.folder.filePath(QStringLiteral("Hsl.hsf")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().split('\n').value(1), QByteArray(" 1 \r"));
}

void TestPlay::newGameAfterWin()
{
    Game g;
    g.newGame();
    g.click(3, 3);
    QVERIFY(!g.w.boardArea()->isEnabled());
    g.newGame();
    QVERIFY(g.w.boardArea()->isEnabled());
    QCOMPARE(g.w.panelText(StatusPanel::Clicks), QStringLiteral("0 Clicks"));
    // The completed last piece is gone: the empty cell shows the wood again.
    QCOMPARE(g.w.cellView(3, 3)->accessibleName(), QStringLiteral("Empty"));
    QCOMPARE(g.w.cellView(3, 3)->specialEffect(), SpecialEffect::Sunken);
    g.click(3, 2);
    QCOMPARE(g.w.panelText(StatusPanel::Clicks), QStringLiteral("1 Clicks"));
}

void TestPlay::arrowKeys()
{
    Game g;
    g.newGame();
    QTest::keyClick(&g.w, Qt::Key_Down);  // nothing above the gap on the top row
    QCOMPARE(g.w.panelText(StatusPanel::Clicks), QStringLiteral("0 Clicks"));
    QTest::keyClick(&g.w, Qt::Key_Right);
    QCOMPARE(boardText(g.w.game()), QStringLiteral("1 2 _ 3|5 6 7 4|9 10 11 8|13 14 15 12"));
    QCOMPARE(g.w.panelText(StatusPanel::Clicks), QStringLiteral("1 Clicks"));
    QTest::keyClick(&g.w, Qt::Key_Left);
    QTest::keyClick(&g.w, Qt::Key_Up);
    QTest::keyClick(&g.w, Qt::Key_Up);
    QTest::keyClick(&g.w, Qt::Key_Up);  // the solving move, by key
    QCOMPARE(boardText(g.w.game()), Solved);
    QCOMPARE(g.w.panelText(StatusPanel::Clicks), QStringLiteral("5 Clicks"));
    QVERIFY(!g.w.boardArea()->isEnabled());
    QCOMPARE(g.fakes.waves.played.count(QStringLiteral("pop.wav sync")), 1);
}

void TestPlay::fewestClicksAndHint_data()
{
    QTest::addColumn<bool>("hint");
    QTest::newRow("hint used: not ranked") << true;
    QTest::newRow("no hint: ranked") << false;
}

void TestPlay::fewestClicksAndHint()
{
    QFETCH(bool, hint);
    Game g;
    const auto *panel = g.w.findChild<QLabel *>(QStringLiteral("Panel3"));
    const auto hinted = [&] {
        QStringList cells;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                if (g.w.cellView(r, c)->isHinted())
                    cells << QStringLiteral("%1,%2 %3").arg(r).arg(c).arg(g.w.cellView(r, c)->accessibleDescription());
        return cells;
    };
    QTest::keyClick(&g.w, Qt::Key_H);  // no game yet: no hint, and the game that follows is ranked
    QCOMPARE(hinted(), QStringList{});
    g.newGame();
    // The first 4x4 search builds its tables, which takes seconds on a busy machine.
    QTRY_COMPARE_WITH_TIMEOUT(panel->toolTip(), QStringLiteral("Fewest clicks possible: 1"), 120000);
    QCOMPARE(panel->accessibleDescription(), QStringLiteral("Fewest clicks possible: 1"));
    QFile file(g.fakes.folder.filePath(QStringLiteral("Hsl.hsf")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    if (hint) {
        g.click(0, 0);  // off the shortest way: "_ 1 2 3|5 6 7 4|9 10 11 8|13 14 15 12"
        QTest::keyClick(&g.w, Qt::Key_H);
        QCOMPARE(hinted(), QStringList{"0,3 Hint: click this tile"});
        QTRY_COMPARE(hinted(), QStringList{});  // the hint ends by itself
        QCOMPARE(g.w.cellView(0, 3)->accessibleDescription(), QString());
        g.click(0, 3);
        QTest::keyClick(&g.w, Qt::Key_H);
        QCOMPARE(hinted(), QStringList{"3,3 Hint: click this tile"});
    }
    g.click(3, 3);
    QCOMPARE(g.w.panelText(StatusPanel::Clicks), hint ? QStringLiteral("3 Clicks") : QStringLiteral("1 Clicks"));
    QCOMPARE(panel->toolTip(), QStringLiteral("Fewest clicks possible: 1"));  // kept after the win
    QCOMPARE(g.fakes.messages.shown, hint ? QStringList{} : QStringList{"You got a new top score for this board!"});
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    QCOMPARE(after == before, hint);
    QCOMPARE(after.split('\n').value(1), hint ? QByteArray(" 9999 \r") : QByteArray(" 1 \r"));

    g.newGame();  // the walk's record of the gap is stale: the board stays solved
    QCOMPARE(panel->toolTip(), QString());  // no figure until this scramble's own is known
    QTRY_COMPARE(panel->toolTip(), QStringLiteral("Fewest clicks possible: 0"));
    g.click(2, 3);
    g.click(3, 3);  // ranked again: a first record after the hinted game, worse than 1 after the other
    QCOMPARE(g.fakes.messages.shown.size(), 1);
}

void TestPlay::pictureBox()
{
    QCOMPARE(pictureBoxPosition(QPoint(1000, 500), 4000), QPoint(5100, 500));

    Game g;
    g.w.menuEntry(QStringLiteral("ShowPicBox"))->trigger();  // numbers game: nothing
    QVERIFY(!g.w.pictureBox());

    g.w.startGame(GameSetup::customPicture(5, testPicture(253)));
    QCOMPARE(g.w.cellView(0, 1)->picture().image, testPicture(253).copy(51, 0, 51, 51));
    QCOMPARE(g.w.cellView(0, 1)->pictureSizeMode(), PictureSizeMode::Stretch);
    g.w.menuEntry(QStringLiteral("ShowPicBox"))->trigger();
    Form2 *box = g.w.pictureBox();
    QVERIFY(box);
    QVERIFY(QTest::qWaitForWindowExposed(box));
    QCOMPARE(box->windowTitle(), QStringLiteral("Picture Box"));
    QCOMPARE(box->outerSizeTwips(), QSize(2430, 2985));
    QCOMPARE(box->Image1()->size(), QSize(153, 153));
    QCOMPARE(box->Image1()->picture().image, testPicture(253));
    QCOMPARE(box->pos().y(), g.w.frameGeometry().top());
    QVERIFY(box->pos().x() > g.w.frameGeometry().right());

    box->findChild<QAction *>(QStringLiteral("LargeSize"))->trigger();
    QCOMPARE(box->outerSizeTwips(), QSize(4430, 4985));
    QCOMPARE(box->Image1()->size(), QSize(twipsToPixels(4295), twipsToPixels(4295)));
    box->findChild<QAction *>(QStringLiteral("MediumSize"))->trigger();
    QCOMPARE(box->outerSizeTwips(), QSize(3430, 3985));
    box->close();
    QTRY_VERIFY(!g.w.pictureBox());
    g.w.menuEntry(QStringLiteral("ShowPicBox"))->trigger();  // reopens at the small size
    QVERIFY(g.w.pictureBox());
    QCOMPARE(g.w.pictureBox()->outerSizeTwips(), QSize(2430, 2985));

    g.newGame();  // a picture game keeps it open
    QVERIFY(g.w.pictureBox() && g.w.pictureBox()->isVisible());
    g.w.FourbyFour_Click();  // still the same picture game, at another size
    QCOMPARE(g.w.pictureBox()->Image1()->picture().image, testPicture(253));
    g.w.startGame(GameSetup::numbers(4));  // a numbers game closes it
    QTRY_VERIFY(!g.w.pictureBox());
    g.newGame();
    g.w.menuEntry(QStringLiteral("ShowPicBox"))->trigger();
    QVERIFY(!g.w.pictureBox());
}

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
