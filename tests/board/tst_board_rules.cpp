// Rules of the board without a window: set-up from a game, sliding lines, the solved test, the scramble.
#include "board/board_rules.h"
#include "board/solver.h"
#include "board_text.h"
#include "imagery/number_pictures.h"
#include "imagery/picture_clip.h"

#include <QtTest>

class TestBoardRules : public QObject {
    Q_OBJECT
private slots:

    void setUpBoard_data()
    {
        QTest::addColumn<int>("before");  // the board set up first, a 7x7 picture game or none
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("picture");
        QTest::newRow("3x3 numbers") << 0 << 3 << false;
        QTest::newRow("7x7 numbers after a 7x7 picture game") << 7 << 7 << false;
        QTest::newRow("4x4 picture after a 7x7 picture game") << 7 << 4 << true;
    }

    // A board is set up whole from the game: solved order, the empty cell at the bottom right still
    // showing N*N, pieces cut from the goal picture, every view beyond the board cleared.
    void setUpBoard()
    {
        QFETCH(int, before);
        QFETCH(int, n);
        QFETCH(bool, picture);
        FakeTileView views[ViewGridSide][ViewGridSide];
        ViewGrid grid{};
        for (int k = 0; k < ViewGridSide * ViewGridSide; ++k)
            grid[k / ViewGridSide][k % ViewGridSide] = &views[k / ViewGridSide][k % ViewGridSide];
        GameState state;
        if (before)
            ::setUpBoard(state, GameSetup::stockPicture(before, 5, gradient(253)), grid, m_numbers);
        const QImage goal = gradient(253).mirrored();
        ::setUpBoard(state, picture ? GameSetup::customPicture(n, goal) : GameSetup::numbers(n), grid, m_numbers);

        QCOMPARE(state.Setup.SkillLevel, picture ? SkillCustom : SkillNumbers);
        QCOMPARE(QPoint(state.LastCol, state.LastRow), QPoint(n - 1, n - 1));
        for (int r = 0; r < ViewGridSide; ++r)
            for (int c = 0; c < ViewGridSide; ++c) {
                const TileView *view = grid[r][c];
                QCOMPARE(view->pictureSizeMode(), picture ? PictureSizeMode::Stretch : PictureSizeMode::Clip);
                if (r >= n || c >= n) {
                    QVERIFY(view->picture().isNull());
                    QCOMPARE(view->specialEffect(), SpecialEffect::Flat);
                    continue;
                }
                const int k = r * n + c;
                const BoardCell &cell = state.Board(r, c);
                QCOMPARE(cell.TileNumber, k + 1);
                QCOMPARE(cell.Tile, view);
                QCOMPARE(cell.IsBlank, k == n * n - 1);
                QCOMPARE(view->specialEffect(), SpecialEffect::Raised);
                QCOMPARE(view->picture().image,
                         picture ? goal.copy(clipRect(253, n, r, c)) : m_numbers.NumPic(k).image);
            }
        QCOMPARE(QPoint(state.BlankCol, state.BlankRow), QPoint(n - 1, n - 1));
        QVERIFY(Winner(state));
        // Out of range sizes never make a board the game cannot draw.
        QCOMPARE(GameSetup::numbers(2).size, 3);
        QCOMPARE(GameSetup::customPicture(9, goal).size, 7);
    }

    void moveTile_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("after");  // empty: nothing moves
        const QString rowGap = QStringLiteral("1 2 3 _|5 6 7 4|9 10 11 8|13 14 15 12");
        const QString colGap = QStringLiteral("1 _ 3 4|5 2 7 8|9 6 11 12|13 10 14 15");
        QTest::newRow("neighbour slides right") << rowGap << 0 << 2 << "1 2 _ 3|5 6 7 4|9 10 11 8|13 14 15 12";
        QTest::newRow("column of three slides up") << colGap << 3 << 1 << "1 2 3 4|5 6 7 8|9 10 11 12|13 _ 14 15";
        QTest::newRow("column slides down") << "1 2 3 4|5 6 7 8|9 10 11 12|13 _ 14 15" << 0 << 1 << colGap;
        QTest::newRow("row slides left") << "_ 1 2 3|5 6 7 4|9 10 11 8|13 14 15 12" << 0 << 3 << rowGap;
        QTest::newRow("diagonal") << rowGap << 1 << 2 << "";
        QTest::newRow("the empty cell") << rowGap << 0 << 3 << "";
        // Right after set-up the empty cell still holds the last number; sliding into it drops it.
        QTest::newRow("into a set-up board") << "1 2 3|4 5 6|7 8 _9" << 2 << 1 << "1 2 3|4 5 6|7 _ 8";
    }

    void moveTile()
    {
        QFETCH(QString, before);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, after);
        TestBoard board(before);
        const GameState old = board.state;
        QCOMPARE(MoveTile(board.state, row, col), !after.isEmpty());
        const QString expected = after.isEmpty() ? boardText(old) : after;
        QCOMPARE(boardText(board.state), expected);
        // The views show the model: every tile raised with its own picture, the empty cell sunken.
        QCOMPARE(viewText(board.state), expected);
        for (int r = 0; r <= board.state.LastRow; ++r)
            for (int c = 0; c <= board.state.LastCol; ++c)
                QCOMPARE(board.state.Board(r, c).TileNumber == 0, board.state.Board(r, c).IsBlank);
        // A player's move leaves the scrambler's record alone.
        QCOMPARE(QPoint(board.state.BlankCol, board.state.BlankRow), QPoint(old.BlankCol, old.BlankRow));
    }

    void winner_data()
    {
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<bool>("solved");
        QTest::newRow("in order, gap last") << "1 2 3|4 5 6|7 8 _" << true;
        QTest::newRow("set-up board, gap still holding 9") << "1 2 3|4 5 6|7 8 _9" << true;
        QTest::newRow("gap first") << "_ 1 2|3 4 5|6 7 8" << false;
        QTest::newRow("last row swapped") << "1 2 3|4 5 6|8 7 _" << false;
        QTest::newRow("gap in the middle") << "1 2 3|4 _ 5|7 8 6" << false;
    }

    void winner()
    {
        QFETCH(QString, drawing);
        QFETCH(bool, solved);
        QCOMPARE(Winner(TestBoard(drawing).state), solved);
    }

    void scramble_data()
    {
        QTest::addColumn<QString>("before");  // the record always starts at the bottom right
        QTest::addColumn<std::vector<float>>("values");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("record");
        // d = int(4 * value + 1): 1 up, 2 down, 3 left, 4 right.
        const QString solved = QStringLiteral("1 2 3|4 5 6|7 8 _");
        QTest::newRow("up, up, left") << solved << std::vector<float>{0.0f, 0.24f, 0.5f} << "1 _ 2|4 5 3|7 8 6"
                                      << "0,1";
        QTest::newRow("edges do nothing: down, right, left, right, up, down, down")
            << solved << std::vector<float>{0.3f, 0.8f, 0.6f, 0.99f, 0.2f, 0.4f, 0.4f} << solved << "2,2";
        // Up, up: the record reaches (0, 2) and nothing moves. Left: the record is next to the gap,
        // so 1 slides into it. Left again: 1 slides back, and record and gap now agree.
        QTest::newRow("stale record") << "_ 1 2|4 5 3|7 8 6" << std::vector<float>{0.0f, 0.0f, 0.5f, 0.5f}
                                      << "_ 1 2|4 5 3|7 8 6" << "0,0";
    }

    void scramble()
    {
        QFETCH(QString, before);
        QFETCH(std::vector<float>, values);
        QFETCH(QString, after);
        QFETCH(QString, record);
        TestBoard board(before);
        board.state.BlankRow = board.state.BlankCol = 2;
        FakeRandom random(values);
        scrambleWalk(board.state, random, int(values.size()));
        QCOMPARE(random.index, values.size());  // one draw per step, none repeated
        QCOMPARE(boardText(board.state), after);
        QCOMPARE(QStringLiteral("%1,%2").arg(board.state.BlankRow).arg(board.state.BlankCol), record);
        // The walk changes only the model; the views still show the old arrangement.
        QCOMPARE(viewText(board.state), before);
    }

    void manySeedsStaySolvable_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 3; n <= 7; ++n)
            QTest::addRow("%dx%d", n, n) << n;
    }

    void manySeedsStaySolvable()
    {
        QFETCH(int, n);
        for (quint32 seed = 1; seed <= 60; ++seed) {
            TestBoard board(solvedDrawing(n));
            FakeRandom random(seededScramble(seed));
            scrambleWalk(board.state, random);
            // Every number once in an arrangement the player can solve, the empty cell holding 0.
            QVERIFY2(solver::isSolvable(solver::positionOf(board.state)), qPrintable(boardText(board.state)));
            // The record and the real empty cell agree after a walk from set-up.
            const BoardCell &blank = board.state.Board(board.state.BlankRow, board.state.BlankCol);
            QVERIFY(blank.IsBlank && blank.TileNumber == 0);
        }
    }

private:
    PicFrm m_numbers;
};

QTEST_MAIN(TestBoardRules)
#include "tst_board_rules.moc"
