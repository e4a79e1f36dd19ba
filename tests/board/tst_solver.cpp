// The solver: fewest clicks against breadth-first search, solutions won through the game's moves.
#include "board/solver.h"
#include "board_text.h"

#include <QtTest>
#include <map>
#include <future>

using solver::Position;

class TestSolver : public QObject {
    Q_OBJECT
private slots:
    void fewestMatchesBreadthFirst_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("depth");  // every 7th board is checked, and all at the greatest distance
        QTest::newRow("3x3, of all 181440 boards") << 3 << 99;
        QTest::newRow("4x4, of those up to 7 clicks away") << 4 << 7;
    }

    void fewestMatchesBreadthFirst()
    {
        QFETCH(int, n);
        QFETCH(int, depth);
        // Every board within `depth` clicks of the solved one, with its distance.
        std::map<std::vector<int>, int> distances{{Position::solved(n).tiles, 0}};
        std::vector<std::vector<int>> frontier{Position::solved(n).tiles}, next;
        int farthest = 0, checked = 0;
        for (int d = 1; d <= depth && !frontier.empty(); ++d, frontier.swap(next), next.clear())
            for (const auto &tiles : frontier)
                for (int cell = 0; cell < n * n; ++cell)
                    if (Position p{n, tiles}; p.click({cell / n, cell % n}) && distances.emplace(p.tiles, d).second)
                        next.push_back(p.tiles), farthest = d;
        QVERIFY(n != 3 || distances.size() == 181440);
        for (const auto &[tiles, d] : distances) {
            if (++checked % 7 != 0 && d != farthest)
                continue;
            Position board{n, tiles};
            const auto clicks = solver::shortestSolution(board);
            QCOMPARE(clicks ? int(clicks->size()) : -1, d);
            for (solver::Cell click : *clicks)
                QVERIFY(board.click(click));
            QVERIFY(board.isSolved());
        }
    }

    void solutionsWinTheGame_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 3; n <= 7; ++n)
            QTest::addRow("%dx%d", n, n) << n;
    }

    // The game's own scramble from many seeds, solved by the game's own moves.
    void solutionsWinTheGame()
    {
        QFETCH(int, n);
        for (quint32 seed = 1; seed <= 60; ++seed) {
            TestBoard board(solvedDrawing(n));
            FakeRandom random(seededScramble(seed));
            scrambleWalk(board.state, random);
            // The record and the real empty cell agree after a walk from set-up; the empty cell holds 0.
            const BoardCell &blank = board.state.Board(board.state.BlankRow, board.state.BlankCol);
            QVERIFY(blank.IsBlank && blank.TileNumber == 0);
            // Every number once, in an arrangement the player can solve.
            const Position start = solver::positionOf(board.state);
            QVERIFY2(solver::isSolvable(start), qPrintable(boardText(board.state)));
            const std::vector<solver::Cell> clicks = solver::quickSolution(start);
            QVERIFY(!clicks.empty());
            QVERIFY(n < 5 || solver::nextClick(start) == clicks.front());
            for (size_t i = 0; i < clicks.size(); ++i) {
                QVERIFY2(MoveTile(board.state, clicks[i].row, clicks[i].col), qPrintable(boardText(board.state)));
                QCOMPARE(Winner(board.state), i + 1 == clicks.size());
            }
        }
    }

    // What the game and the solver make of a board: won or not, the fewest clicks, a hint.
    void badBoards_data()
    {
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<bool>("won");
        QTest::addColumn<int>("fewest");  // -1: no answer
        QTest::addColumn<bool>("hint");
        QTest::newRow("solved") << "1 2 3|4 5 6|7 8 _" << true << 0 << false;
        QTest::newRow("set-up board, gap still holding 9") << "1 2 3|4 5 6|7 8 _9" << true << 0 << false;
        QTest::newRow("one click slides two pieces") << "1 2 3|4 5 6|_ 7 8" << false << 1 << true;
        QTest::newRow("gap first") << "_ 1 2|3 4 5|6 7 8" << false << 16 << true;
        QTest::newRow("gap in the middle") << "1 2 3|4 _ 5|7 8 6" << false << 2 << true;
        QTest::newRow("two pieces swapped, unsolvable") << "2 1 3|4 5 6|7 8 _" << false << -1 << false;
        QTest::newRow("last row swapped") << "1 2 3|4 5 6|8 7 _" << false << -1 << false;
        QTest::newRow("4x4, two pieces swapped") << "2 1 3 4|5 6 7 8|9 10 11 12|13 14 15 _" << false << -1 << false;
        QTest::newRow("a piece twice") << "1 1 3|4 5 6|7 8 _" << false << -1 << false;
        QTest::newRow("piece number too big") << "1 2 3|4 5 6|7 9 _" << false << -1 << false;
        QTest::newRow("2x2 board") << "1 2|3 _" << true << -1 << false;
        QTest::newRow("5x5: a hint but no fewest")
            << "1 2 3 4 5|6 7 8 9 10|11 12 13 14 15|16 17 18 19 20|21 22 23 _ 24" << false << -1 << true;
    }

    void badBoards()
    {
        QFETCH(QString, drawing);
        QFETCH(bool, won);
        QFETCH(int, fewest);
        QFETCH(bool, hint);
        const TestBoard board(drawing);
        const Position position = solver::positionOf(board.state);
        QCOMPARE(Winner(board.state), won);
        QCOMPARE(solver::fewestClicks(position).value_or(-1), fewest);
        QCOMPARE(solver::nextClick(position).has_value(), hint);
    }

    void searchGivesUpWhenCancelled()
    {
        QCOMPARE(solver::fewestClicks(Position::solved(4)).value_or(-1), 0);  // the tables are ready
        const Position hardest{4, {1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 4, 8, 12, 0}};  // 43 clicks: a long search
        std::atomic<bool> cancel{false};
        auto search = std::async(std::launch::async, [&] { return solver::fewestClicks(hardest, &cancel); });
        cancel = true;
        QVERIFY(!search.get());
        QVERIFY(!solver::nextClick(hardest, &cancel));
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"
