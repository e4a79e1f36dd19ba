// Playing through the real window: New Game, clicks and keys, the count, the win, the Picture Box,
// the board area fitted to every size, exit.
#include "app.h"
#include "board_text.h"
#include "dialogs/picture_box.h"

#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QtTest>
#include <array>
#include <functional>

namespace {
// After New Game with every draw "up", the gap climbs from the bottom-right to the top.
const QString Scrambled = QStringLiteral("1 2 3 _|5 6 7 4|9 10 11 8|13 14 15 12");
const QString Solved = QStringLiteral("1 2 3 4|5 6 7 8|9 10 11 12|13 14 15 _");

struct Game : App {
    explicit Game(bool started = true)
    {
        if (started)
            entry("NewGame");
    }
};
} // namespace

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }

    void newGameScramblesAndUnlocks()
    {
        Game g(false);
        g.click(3, 2);  // nothing moves before New Game
        QTest::keyClick(g.w.get(), Qt::Key_Right);
        QCOMPARE(g.clicks(), QStringLiteral("# Clicks"));
        QVERIFY(g.fakes.waves.played.isEmpty());
        g.entry("NewGame");
        QCOMPARE(g.clicks(), QStringLiteral("0 Clicks"));
        QCOMPARE(boardText(g.w->game()), Scrambled);
        QCOMPARE(viewText(g.w->game()), Scrambled);
        QCOMPARE(g.fakes.random.index, size_t(ScrambleSteps));
        QVERIFY(g.w->boardArea()->isEnabled());
        g.entry("NewGame");  // scrambles the current arrangement further, count back to 0
        QCOMPARE(g.clicks(), QStringLiteral("0 Clicks"));
        QCOMPARE(boardText(g.w->game()), Scrambled);
    }

    void clicks_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("after");
        QTest::newRow("three tiles in the row") << 0 << 0 << "_ 1 2 3|5 6 7 4|9 10 11 8|13 14 15 12";
        QTest::newRow("the empty cell") << 0 << 3 << Scrambled;
        QTest::newRow("off both lines") << 3 << 0 << Scrambled;
        QTest::newRow("view outside a 4x4 board") << 4 << 3 << Scrambled;
        QTest::newRow("column index outside") << 0 << 5 << Scrambled;
    }

    void clicks()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, after);
        Game g;
        g.click(row, col);
        QCOMPARE(boardText(g.w->game()), after);
        QCOMPARE(viewText(g.w->game()), after);
        const bool moved = after != Scrambled;
        QCOMPARE(g.clicks(), moved ? QStringLiteral("1 Clicks") : QStringLiteral("0 Clicks"));
        QCOMPARE(g.fakes.waves.played, moved ? QStringList{"change.wav async"} : QStringList{});
        QCOMPARE(g.fakes.waves.paths.value(0),
                 moved ? g.fakes.folder.filePath(QStringLiteral("change.wav")) : QString());
    }

    void winSequence_data()
    {
        QTest::addColumn<bool>("soundOn");
        QTest::newRow("sound on") << true;
        QTest::newRow("sound off") << false;
    }

    void winSequence()
    {
        QFETCH(bool, soundOn);
        Game g;
        if (!soundOn)
            g.entry("SoundOff");
        bool disabledAtCheck = false;
        QStringList soundsAtCheck;
        g.fakes.messages.onShow = [&](const QString &) {
            disabledAtCheck = !g.w->boardArea()->isEnabled();
            soundsAtCheck = g.fakes.waves.played;
        };
        g.click(3, 3);  // the solving move
        QCOMPARE(boardText(g.w->game()), Solved);
        QCOMPARE(g.clicks(), QStringLiteral("1 Clicks"));
        const QStringList sounds = soundOn ? QStringList{"change.wav async", "pop.wav sync", "gling.wav async"}
                                           : QStringList{};
        QCOMPARE(g.fakes.waves.played, sounds);
        // The last piece is shown, raised, while the model keeps that cell empty.
        QCOMPARE(g.w->cellView(3, 3)->picture().name, QStringLiteral("16"));
        QCOMPARE(g.w->cellView(3, 3)->specialEffect(), SpecialEffect::Raised);
        QCOMPARE(g.w->game().Board(3, 3).TileNumber, 0);
        QCOMPARE(g.w->game().Board(3, 3).IsBlank, true);
        // The score check ran once, after the sounds and with the board locked, and counted the winning move.
        QCOMPARE(g.fakes.messages.shown, QStringList{"You got a new top score for this board!"});
        QVERIFY(disabledAtCheck);
        QCOMPARE(soundsAtCheck, sounds);

        g.click(3, 2);  // locked until New Game
        QTest::keyClick(g.w.get(), Qt::Key_Right);
        QCOMPARE(g.clicks(), QStringLiteral("1 Clicks"));
        QCOMPARE(g.fakes.waves.played, sounds);

        g.entry("NewGame");  // the completed last piece is gone: the empty cell shows the wood again
        QCOMPARE(g.w->cellView(3, 3)->accessibleName(), QStringLiteral("Empty"));
        QCOMPARE(g.w->cellView(3, 3)->specialEffect(), SpecialEffect::Sunken);
        g.click(3, 2);
        QCOMPARE(g.clicks(), QStringLiteral("1 Clicks"));
    }

    void closedDuringTheWinSound()
    {
        Game g;
        g.fakes.waves.whilePlaying = [&] { g.w->close(); };
        g.click(3, 3);
        // The program is ending: no chime, no message over a closed window, but the record is kept.
        QCOMPARE(g.fakes.waves.played, (QStringList{"change.wav async", "pop.wav sync"}));
        QVERIFY(g.fakes.messages.shown.isEmpty());
        QCOMPARE(g.fakes.program.ended, 1);
        QCOMPARE(g.scoreBytes().split('\n').value(1), QByteArray(" 1 \r"));
    }

    void arrowKeys()
    {
        Game g;
        g.entry("BarOff");  // the count goes on while the bar is hidden
        QTest::keyClick(g.w.get(), Qt::Key_Down);  // nothing above the gap on the top row
        QCOMPARE(g.clicks(), QStringLiteral("0 Clicks"));
        QTest::keyClick(g.w.get(), Qt::Key_Right);
        QCOMPARE(boardText(g.w->game()), QStringLiteral("1 2 _ 3|5 6 7 4|9 10 11 8|13 14 15 12"));
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up})  // the last solves, by key
            QTest::keyClick(g.w.get(), key);
        QCOMPARE(boardText(g.w->game()), Solved);
        g.entry("BarOn");
        QCOMPARE(g.clicks(), QStringLiteral("5 Clicks"));
        QVERIFY(!g.w->boardArea()->isEnabled());
        QCOMPARE(g.fakes.waves.played.count(QStringLiteral("pop.wav sync")), 1);
    }

    void pictureBox()
    {
        Game g(false);
        g.w->startGame(GameSetup::customPicture(5, gradient(253)));
        QCOMPARE(g.w->cellView(0, 1)->pictureSizeMode(), PictureSizeMode::Stretch);
        g.entry("ShowPicBox");
        Form2 *box = g.w->pictureBox();
        QVERIFY(box && QTest::qWaitForWindowExposed(box));
        QCOMPARE(box->Image1()->picture().image, gradient(253));
        QCOMPARE(box->pos().y(), g.w->frameGeometry().top());
        QVERIFY(box->pos().x() > g.w->frameGeometry().right());
        // Small, large, medium in that order of size; the picture fills the box at each.
        const QSize small = box->outerSizeTwips();
        box->findChild<QAction *>(QStringLiteral("LargeSize"))->trigger();
        const QSize large = box->outerSizeTwips();
        QCOMPARE(box->Image1()->width(), box->Image1()->height());
        box->findChild<QAction *>(QStringLiteral("MediumSize"))->trigger();
        QVERIFY(small.width() < box->outerSizeTwips().width() && box->outerSizeTwips().width() < large.width());
        box->close();
        QTRY_VERIFY(!g.w->pictureBox());
        g.entry("ShowPicBox");  // reopens at the small size
        QCOMPARE(g.w->pictureBox()->outerSizeTwips(), small);

        g.entry("NewGame");  // a picture game keeps it open
        QVERIFY(g.w->pictureBox() && g.w->pictureBox()->isVisible());
        g.w->FourbyFour_Click();  // still the same picture game, at another size
        QCOMPARE(g.w->pictureBox()->Image1()->picture().image, gradient(253));
    }

    void boardFitsTheWindow_data()
    {
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<bool>("barShown");
        for (int n = 3; n <= 7; ++n)
            QTest::addRow("%dx%d", n, n) << QList<int>{n} << (n % 2 == 1);
        QTest::newRow("7, 3, 5, 4 with bar") << QList<int>{7, 3, 5, 4} << true;
        QTest::newRow("3, 7, 4, 6 without bar") << QList<int>{3, 7, 4, 6} << false;
    }

    // Menu bar, board area and status bar follow each other with no gap and fill the window;
    // every cell in play lies whole inside the board area, the next row does not.
    void boardFitsTheWindow()
    {
        QFETCH(QList<int>, sizes);
        QFETCH(bool, barShown);
        Game g(false);
        if (!barShown)
            g.entry("BarOff");
        using Procedure = void (Form1::*)();
        const std::array<Procedure, 5> procedures = {&Form1::ThreebyThree_Click, &Form1::FourbyFour_Click,
                                                     &Form1::FiveByFive_Click, &Form1::SixbySix_Click,
                                                     &Form1::SevenBySeven_Click};
        Form1 &w = *g.w;
        for (int n : sizes)
            std::invoke(procedures.at(size_t(n - 3)), w);
        const int n = sizes.last();
        QCOMPARE(g.w->panelText(StatusPanel::BoardSize), QStringLiteral("%1x%1").arg(n));
        const QWidget *board = g.w->boardArea();
        QTRY_COMPARE(board->geometry().top(), g.w->menuBar()->geometry().bottom() + 1);
        QCOMPARE(g.w->width(), board->width());
        QCOMPARE(g.w->statusBar1()->isVisible(), barShown);
        QCOMPARE((barShown ? g.w->statusBar1()->geometry() : board->geometry()).bottom(), g.w->height() - 1);
        const QWidget *cells = board->findChild<QWidget *>(QStringLiteral("CellArea"));
        QVERIFY(board->contentsRect().contains(cells->geometry()));
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                QVERIFY(cells->rect().contains(g.w->cellView(r, c)->geometry()));
        QVERIFY(!cells->rect().contains(g.w->cellView(n, 0)->geometry()));
        QVERIFY(!cells->rect().contains(g.w->cellView(0, n)->geometry()));
        // Views beyond a smaller board are cleared.
        QVERIFY(g.w->cellView(6, 6)->picture().name.isEmpty() == (n < 7));
    }

    void fewestClicksAndHint_data()
    {
        QTest::addColumn<bool>("hint");
        QTest::newRow("hint used: not ranked") << true;
        QTest::newRow("no hint: ranked") << false;
    }

    void fewestClicksAndHint()
    {
        QFETCH(bool, hint);
        Game g(false);
        const auto *panel = g.w->findChild<QLabel *>(QStringLiteral("Panel3"));
        const auto hinted = [&] {
            QStringList cells;
            for (int r = 0; r < 4; ++r)
                for (int c = 0; c < 4; ++c)
                    if (g.w->cellView(r, c)->isHinted())
                        cells << QStringLiteral("%1,%2 %3").arg(r).arg(c).arg(g.w->cellView(r, c)->accessibleDescription());
            return cells;
        };
        QTest::keyClick(g.w.get(), Qt::Key_H);  // no game yet: no hint, and the game that follows is ranked
        QCOMPARE(hinted(), QStringList{});
        g.entry("NewGame");
        // The first 4x4 search builds its tables, which takes seconds on a busy machine.
        QTRY_COMPARE_WITH_TIMEOUT(panel->toolTip(), QStringLiteral("Fewest clicks possible: 1"), 120000);
        QCOMPARE(panel->accessibleDescription(), QStringLiteral("Fewest clicks possible: 1"));
        const QByteArray before = g.scoreBytes();
        if (hint) {
            g.click(0, 0);  // off the shortest way: "_ 1 2 3|5 6 7 4|9 10 11 8|13 14 15 12"
            QTest::keyClick(g.w.get(), Qt::Key_H);
            QCOMPARE(hinted(), QStringList{"0,3 Hint: click this tile"});
            QTRY_COMPARE(hinted(), QStringList{});  // the hint ends by itself
            QCOMPARE(g.w->cellView(0, 3)->accessibleDescription(), QString());
            g.click(0, 3);
            QTest::keyClick(g.w.get(), Qt::Key_H);
            QCOMPARE(hinted(), QStringList{"3,3 Hint: click this tile"});
        }
        g.click(3, 3);
        QCOMPARE(g.w->panelText(StatusPanel::Clicks), hint ? QStringLiteral("3 Clicks") : QStringLiteral("1 Clicks"));
        QCOMPARE(panel->toolTip(), QStringLiteral("Fewest clicks possible: 1"));  // kept after the win
        QCOMPARE(g.fakes.messages.shown, hint ? QStringList{} : QStringList{"You got a new top score for this board!"});
        const QByteArray after = g.scoreBytes();
        QCOMPARE(after == before, hint);
        QCOMPARE(after.split('\n').value(1), hint ? QByteArray(" 9999 \r") : QByteArray(" 1 \r"));

        g.entry("NewGame");  // the walk's record of the gap is stale: the board stays solved
        QCOMPARE(panel->toolTip(), QString());  // no figure until this scramble's own is known
        QTRY_COMPARE(panel->toolTip(), QStringLiteral("Fewest clicks possible: 0"));
        g.click(2, 3);
        g.click(3, 3);  // ranked again: a first record after the hinted game, worse than 1 after the other
        QCOMPARE(g.fakes.messages.shown.size(), 1);
    }
};


QTEST_MAIN(TestPlay)
#include "tst_play.moc"
