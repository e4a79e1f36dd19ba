// The solver: fewest clicks against breadth-first search, solutions won through the game's moves.
#include "board_text.h"
#include "core/solver/solver.h"
#include "core/solver/solver_internal.h"
#include "core/solver/solver_patterns.h"
#include "fakes.h"
#include "file_size_limit.h"

#include <QtTest>
#include <numeric>
#include <unordered_set>

// A list of clicks played on the game's board.
struct Played
{
    Board start;
    int clicks = -1;   // -1: no list
    bool wins = false; // each click moves a line, and only the last one solves the board
    bool turns = true; // no two clicks in a row along one line: they would be one click
    friend bool operator==(const Played &, const Played &) = default;
};

char *toString(const Played &p)
{
    return QTest::toString(QStringLiteral("board %1, clicks %2, wins %3, turns %4")
                               .arg(boardText(p.start), QString::number(p.clicks),
                                    QString::number(p.wins), QString::number(p.turns)));
}

Played play(const Board &start, const std::optional<std::vector<Cell>> &clicks)
{
    Board board = start;
    bool wins = clicks.has_value(), turns = true, across = false;
    for (size_t i = 0; wins && i < clicks->size(); ++i) {
        const Cell click = (*clicks)[i];
        turns = turns && (i == 0 || across != (click.row == board.blank().row));
        across = click.row == board.blank().row;
        wins = !Winner(board) && MoveTile(board, click);
    }
    return {start, clicks ? int(clicks->size()) : -1, wins && Winner(board), turns};
}

class TestSolver : public QObject
{
    Q_OBJECT
private slots:
    // The searches read the tables the build shipped, as the game does.
    void initTestCase()
    {
        solver::usePatternFile(QStringLiteral(TESSARY_PROGRAM_DIR "/patterns.bin"));
    }

    void fewestMatchesBreadthFirst_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("depth");  // boards up to this many clicks from solved
        QTest::addColumn<int>("near");   // the solver gets every board this near, every
        QTest::addColumn<int>("stride"); // stride-th farther one, and the farthest
        QTest::newRow("3x3, of all 181440 boards") << 3 << 99 << 14 << 101;
        QTest::newRow("4x4, all up to 8 clicks away") << 4 << 8 << 8 << 1;
    }

    void fewestMatchesBreadthFirst()
    {
        QFETCH(int, n);
        QFETCH(int, depth);
        QFETCH(int, near);
        QFETCH(int, stride);
        auto key = [](const Board &b) { // 4 bits a cell: a number of its own for each board
            return std::accumulate(b.tiles.begin(), b.tiles.end(), quint64(0),
                                   [](quint64 k, int tile) { return k << 4 | quint64(tile); });
        };
        std::vector<std::pair<Board, int>> found{{Board::solved(n), 0}}; // nearest first
        std::unordered_set<quint64> seen{key(found[0].first)};
        for (size_t i = 0; i < found.size() && found[i].second < depth; ++i)
            for (int cell = 0; cell < n * n; ++cell)
                if (Board b = found[i].first;
                    b.click({cell / n, cell % n}) && seen.insert(key(b)).second)
                    found.emplace_back(b, found[i].second + 1);
        QVERIFY(n != 3 || found.size() == 181440);
        for (size_t i = 0; i < found.size(); ++i) {
            const auto &[board, d] = found[i];
            if (d <= near || i % size_t(stride) == 0 || d == found.back().second)
                QCOMPARE(play(board, solver::shortestSolution(board)),
                         (Played{board, d, true, true}));
        }
    }

    void solutionsWinTheGame_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("seeds");
        const int seeds[] = {60, 60, 120, 20, 8}; // fewer where a board takes long to solve
        for (int n = 3; n <= 7; ++n)
            QTest::addRow("%dx%d", n, n) << n << seeds[n - 3];
    }

    // The game's own scramble from many seeds, solved by the game's own moves.
    void solutionsWinTheGame()
    {
        QFETCH(int, n);
        QFETCH(int, seeds);
        for (quint32 seed = 1; seed <= quint32(seeds); ++seed) {
            Board board = boardFrom(solvedDrawing(n));
            FakeRandom random(seededScramble(seed));
            scrambleWalk(board, random);
            const QByteArray drawn = boardText(board).toLatin1();
            // After a walk from set-up the scrambler's record is the empty cell.
            QVERIFY2((board.blank() == Cell{board.BlankRow, board.BlankCol}), drawn);
            QVERIFY2(isSolvable(board), drawn);
            const std::vector<Cell> clicks = solver::quickSolution(board);
            QCOMPARE(play(board, clicks), (Played{board, int(clicks.size()), true, true}));
            // The hint above 4 x 4: the quick solution's first click (ten seeds; it solves again).
            QVERIFY2(n < 5 || seed > 10 || solver::nextClick(board) == clicks.at(0), drawn);
        }
    }

    // What the game and the solver make of a board: won or not, the fewest clicks, a hint.
    void badBoards_data()
    {
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<bool>("won");
        QTest::addColumn<int>("fewest"); // -1: no answer
        QTest::addColumn<bool>("hint");
        QTest::newRow("solved") << "1 2 3|4 5 6|7 8 _" << true << 0 << false;
        QTest::newRow("set up, 9 still in the gap") << "1 2 3|4 5 6|7 8 _9" << true << 0 << false;
        QTest::newRow("one click slides two pieces") << "1 2 3|4 5 6|_ 7 8" << false << 1 << true;
        QTest::newRow("gap first") << "_ 1 2|3 4 5|6 7 8" << false << 16 << true;
        QTest::newRow("gap in the middle") << "1 2 3|4 _ 5|7 8 6" << false << 2 << true;
        QTest::newRow("two swapped, unsolvable") << "2 1 3|4 5 6|7 8 _" << false << -1 << false;
        QTest::newRow("last row swapped") << "1 2 3|4 5 6|8 7 _" << false << -1 << false;
        QTest::newRow("4x4, two pieces swapped")
            << "2 1 3 4|5 6 7 8|9 10 11 12|13 14 15 _" << false << -1 << false;
        QTest::newRow("a piece twice") << "1 1 3|4 5 6|7 8 _" << false << -1 << false;
        QTest::newRow("piece number too big") << "1 2 3|4 5 6|7 9 _" << false << -1 << false;
        QTest::newRow("2x2 board") << "1 2|3 _" << true << -1 << false;
        QTest::newRow("5x5: a hint but no fewest")
            << "1 2 3 4 5|6 7 8 9 10|11 12 13 14 15|16 17 18 19 20|21 22 23 _ 24" << false << -1
            << true;
    }

    void badBoards()
    {
        QFETCH(QString, drawing);
        QFETCH(bool, won);
        QFETCH(int, fewest);
        QFETCH(bool, hint);
        const Board board = boardFrom(drawing);
        QCOMPARE(Winner(board), won);
        QCOMPARE(solver::fewestClicks(board).value_or(-1), fewest);
        QCOMPARE(solver::nextClick(board).has_value(), hint);
    }

    // Searches that look at many thousand boards, 24 and 27 clicks deep; every 1024 boards they
    // check whether to stop.
    void searchGivesUp()
    {
        QCOMPARE(solver::fewestClicks(Board::solved(4)).value_or(-1), 0); // the tables are ready
        const std::atomic<bool> cancelled{true};
        for (const char *drawing : {"1 4 7|2 _ 8|3 6 5", "6 2 15 4|10 14 1 _|5 7 11 9|13 3 12 8"}) {
            const Board board = boardFrom(QString::fromLatin1(drawing));
            QVERIFY(isSolvable(board)); // else there would be no answer anyway
            QVERIFY(!solver::fewestClicks(board, &cancelled));
            QVERIFY(!solver::nextClick(board, &cancelled));
            QVERIFY(!solver::searchShortest(board, nullptr, 1)); // over budget
        }
    }

    void shippedTables_data()
    {
        QTest::addColumn<QString>("damage"); // to the file built beside the program
        QTest::newRow("none") << "";
        QTest::newRow("empty") << "empty";
        QTest::newRow("cut short") << "cut";
        QTest::newRow("a byte more") << "longer";
        QTest::newRow("one entry changed") << "flipped";
        QTest::newRow("another heading") << "heading";
    }
    // The tables shipped with the program are the tables a build makes (a five-piece one built
    // here; the build itself reads each file back against all it built); any other file is
    // refused, and the tables are then built as before.
    void shippedTables()
    {
        QFETCH(QString, damage);
        QByteArray file = fileBytes(QStringLiteral(TESSARY_PROGRAM_DIR "/patterns.bin"));
        if (damage == "empty")
            file.clear();
        if (damage == "cut")
            file.chop(1);
        if (damage == "longer")
            file += 'x';
        if (damage == "flipped")
            file[file.size() / 2] = char(file[file.size() / 2] ^ 1);
        if (damage == "heading")
            file[8] = 'X';
        const auto read = solver::readPatternFile(file);
        QCOMPARE(read.has_value(), damage.isEmpty());
        if (!read)
            return;
        const solver::PatternTable &shipped = read->back();
        QCOMPARE(shipped.pieces().size(), size_t(5));
        QVERIFY(shipped.residues() == solver::PatternTable(shipped.pieces(), nullptr).residues());
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"
