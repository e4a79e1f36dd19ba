// Playing through the real window: New Game, clicks and keys, the count, the win, the Picture Box,
// the board area fitted to every size, exit.
#include "app.h"
#include "board_text.h"
#include "dialogs/picture_box.h"

#include <array>
#include <functional>

// After New Game with every draw "up", the gap climbs from the bottom-right to the top.
const QString Scrambled = QStringLiteral("1 2 3 _|5 6 7 4|9 10 11 8|13 14 15 12");
const QString Solved = QStringLiteral("1 2 3 4|5 6 7 8|9 10 11 12|13 14 15 _");
// Set up or just won: the empty cell shows the last piece.
const QString SolvedShown = QStringLiteral("1 2 3 4|5 6 7 8|9 10 11 12|13 14 15 16");
const QString TopScore = QStringLiteral("You got a new top score for this board!");

// What the player meets: the count, the board in the model and in the views, whether the board takes
// clicks, the sounds and the messages so far.
static QStringList seen(const App &g)
{
    return {g.clicks(), boardText(g.w->game()), viewText(g.w->game()), g.w->boardArea()->isEnabled() ? "open" : "locked",
            g.fakes.waves.played.join(", "), g.fakes.messages.shown.join(", ")};
}

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }

    void play_data()
    {
        QTest::addColumn<QString>("inputs");  // "row,col" clicks a cell; other words are menu entries, then keys
        QTest::addColumn<QStringList>("after");  // what seen() reads at the end
        const QString slid = QStringLiteral("change.wav async"), won = slid + QStringLiteral(", pop.wav sync, gling.wav async");
        const QString left3 = QStringLiteral("_ 1 2 3|5 6 7 4|9 10 11 8|13 14 15 12");
        const QString left1 = QStringLiteral("1 2 _ 3|5 6 7 4|9 10 11 8|13 14 15 12");
        const QString right1 = QStringLiteral("1 2 3 4|5 6 7 8|9 10 11 12|13 14 _ 15");
        const QStringList untouched{"0 Clicks", Scrambled, Scrambled, "open", "", ""};
        const QStringList solved{"1 Clicks", Solved, SolvedShown, "locked", won, TopScore};
        QTest::newRow("nothing moves before New Game")
            << "3,2 Right" << QStringList{"# Clicks", Solved, SolvedShown, "locked", "", ""};
        QTest::newRow("New Game") << "NewGame" << untouched;
        // The empty cell, a cell off both lines, a view below a 4x4 board, a column index outside it.
        QTest::newRow("clicks that move nothing") << "NewGame 0,3 3,0 4,3 0,5" << untouched;
        QTest::newRow("key with nothing above the gap") << "NewGame Down" << untouched;
        QTest::newRow("three tiles in the row") << "NewGame 0,0" << QStringList{"1 Clicks", left3, left3, "open", slid, ""};
        // New Game scrambles the arrangement in play further, and the count starts again.
        QTest::newRow("New Game again") << "NewGame 0,0 NewGame" << QStringList{"0 Clicks", left3, left3, "open", slid, ""};
        QTest::newRow("key: left tile slides") << "NewGame Right" << QStringList{"1 Clicks", left1, left1, "open", slid, ""};
        QTest::newRow("the solving move") << "NewGame 3,3" << solved;
        QTest::newRow("locked until New Game") << "NewGame 3,3 3,2 Right" << solved;
        QTest::newRow("sound off")
            << "NewGame SoundOff 3,3" << QStringList{"1 Clicks", Solved, SolvedShown, "locked", "", TopScore};
        QTest::newRow("New Game after a win")
            << "NewGame 3,3 NewGame 3,2" << QStringList{"1 Clicks", right1, right1, "open", won + ", " + slid, TopScore};
        // The count goes on while the bar is hidden; the last key solves.
        QTest::newRow("keys solve it") << "NewGame BarOff Right Left Up Up Up BarOn"
                                       << QStringList{"5 Clicks", Solved, SolvedShown, "locked",
                                                      QStringList(4, slid).join(", ") + ", " + won, TopScore};
    }

    void play()
    {
        QFETCH(QString, inputs);
        QFETCH(QStringList, after);
        App g;
        for (const QString &input : inputs.split(' ')) {
            if (input.contains(','))
                g.click(input.section(',', 0, 0).toInt(), input.section(',', 1).toInt());
            else if (QAction *entry = g.w->menuEntry(input))
                entry->trigger();
            else
                QTest::keyClick(g.w.get(), QKeySequence(input)[0].key());
        }
        QCOMPARE(seen(g), after);
        QCOMPARE(g.fakes.random.index, size_t(ScrambleSteps) * inputs.count("NewGame"));  // a whole walk per New Game
        for (const QString &path : g.fakes.waves.paths)  // every sound from the program's folder
            QCOMPARE(path, g.fakes.folder.filePath(QFileInfo(path).fileName()));
    }

    // The score check runs once, after the sounds and with the board locked, and counts the winning move.
    void winSequence()
    {
        App g;
        g.entry("NewGame");
        QStringList atCheck;
        g.fakes.messages.onShow = [&](const QString &) { atCheck = seen(g); };
        g.click(3, 3);  // the solving move
        QCOMPARE(atCheck, seen(g));
        // The last piece is shown, raised, while the model keeps that cell empty.
        QCOMPARE(g.w->cellView(3, 3)->specialEffect(), SpecialEffect::Raised);
        QCOMPARE(g.w->game().Board(3, 3).TileNumber, 0);
        g.entry("NewGame");  // the completed last piece is gone: the empty cell shows the wood again
        QCOMPARE(QStringList({viewText(g.w->game()), g.w->cellView(3, 3)->accessibleName()}), (QStringList{Solved, "Empty"}));
    }

    void closedDuringTheWinSound()
    {
        App g;
        g.entry("NewGame");
        g.fakes.waves.whilePlaying = [&] { g.w->close(); };
        g.click(3, 3);
        // The program is ending: no chime, no message over a closed window, but the record is kept.
        QCOMPARE(seen(g).mid(4), (QStringList{"change.wav async, pop.wav sync", ""}));
        QCOMPARE(g.fakes.program.ended, 1);
        QCOMPARE(g.scoreBytes().split('\n').value(1), QByteArray(" 1 \r"));
    }

    void pictureBox()
    {
        App g;
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
        g.w->startGame(GameSetup::numbers(4));  // a numbers game closes it, and then there is nothing to show
        QTRY_VERIFY(!g.w->pictureBox());
        g.entry("ShowPicBox");
        QVERIFY(!g.w->pictureBox());
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
    // every cell in play lies whole inside the board area, the next row and column do not.
    void boardFitsTheWindow()
    {
        QFETCH(QList<int>, sizes);
        QFETCH(bool, barShown);
        App g;
        if (!barShown)
            g.entry("BarOff");
        const std::array<void (Form1::*)(), 5> procedures = {&Form1::ThreebyThree_Click, &Form1::FourbyFour_Click,
            &Form1::FiveByFive_Click, &Form1::SixbySix_Click, &Form1::SevenBySeven_Click};
        for (int n : sizes)
            std::invoke(procedures.at(size_t(n - 3)), *g.w);
        const int n = sizes.last();
        QCOMPARE(g.w->panelText(StatusPanel::BoardSize), QStringLiteral("%1x%1").arg(n));
        const QWidget *board = g.w->boardArea();
        QTRY_COMPARE(board->geometry().top(), g.w->menuBar()->geometry().bottom() + 1);
        QCOMPARE(g.w->statusBar1()->isVisible(), barShown);
        QCOMPARE(QSize(board->width(), (barShown ? g.w->statusBar1() : board)->geometry().bottom() + 1), g.w->size());
        const QWidget *cells = board->findChild<QWidget *>(QStringLiteral("CellArea"));
        QVERIFY(board->contentsRect().contains(cells->geometry()));
        for (int r = 0; r <= n; ++r)
            for (int c = 0; c <= n; ++c)
                QCOMPARE(cells->rect().contains(g.w->cellView(r, c)->geometry()), r < n && c < n);
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
        App g;
        const auto *panel = g.w->findChild<QLabel *>(QStringLiteral("Panel3"));
        // The lit cells, and any a screen reader would still call a hint.
        const auto hinted = [&] {
            QStringList cells;
            for (const CellView *view : g.w->findChildren<CellView *>())
                if (view->isHinted() || !view->accessibleDescription().isEmpty())
                    cells << view->objectName() + (view->isHinted() ? " lit: " : " unlit: ") + view->accessibleDescription();
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
            QCOMPARE(hinted(), QStringList{"Row1_3 lit: Hint: click this tile"});
            QTRY_COMPARE(hinted(), QStringList{});  // the hint ends by itself
            g.click(0, 3);
            QTest::keyClick(g.w.get(), Qt::Key_H);
            QCOMPARE(hinted(), QStringList{"Row4_3 lit: Hint: click this tile"});
        }
        g.click(3, 3);  // the figure is kept after the win
        QCOMPARE(QStringList({g.clicks(), panel->toolTip(), g.fakes.messages.shown.join(", ")}),
                 (QStringList{hint ? "3 Clicks" : "1 Clicks", "Fewest clicks possible: 1", hint ? "" : TopScore}));
        QCOMPARE(g.scoreBytes() == before, hint);
        QCOMPARE(g.scoreBytes().split('\n').value(1), hint ? QByteArray(" 9999 \r") : QByteArray(" 1 \r"));

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
