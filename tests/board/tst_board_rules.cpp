// Rules of the board without a window: set-up from a game, sliding lines, the solved test, the scramble.
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
        // The last row and column, and the record of the empty cell.
        QCOMPARE(QList<int>({state.LastRow, state.LastCol, state.BlankRow, state.BlankCol}), QList<int>(4, n - 1));
        for (int r = 0; r < ViewGridSide; ++r)
            for (int c = 0; c < ViewGridSide; ++c) {
                const TileView *view = grid[r][c];
                const bool onBoard = r < n && c < n;
                QCOMPARE(view->pictureSizeMode(), picture ? PictureSizeMode::Stretch : PictureSizeMode::Clip);
                QCOMPARE(view->specialEffect(), onBoard ? SpecialEffect::Raised : SpecialEffect::Flat);
                QCOMPARE(view->picture().isNull(), !onBoard);
                if (!onBoard)
                    continue;
                const int k = r * n + c;
                const BoardCell &cell = state.Board(r, c);
                QCOMPARE(std::tuple(cell.TileNumber, cell.IsBlank, cell.Tile == view), std::tuple(k + 1, k == n * n - 1, true));
                QCOMPARE(view->picture().image, picture ? goal.copy(clipRect(253, n, r, c)) : m_numbers.NumPic(k).image);
            }
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
        // The views show the model: every tile raised with its own picture, the empty cell sunken.
        QCOMPARE(QStringList({boardText(board.state), viewText(board.state)}), QStringList(2, after.isEmpty() ? before : after));
        for (int r = 0; r <= board.state.LastRow; ++r)
            for (int c = 0; c <= board.state.LastCol; ++c)
                QCOMPARE(board.state.Board(r, c).TileNumber == 0, board.state.Board(r, c).IsBlank);
        // A player's move leaves the scrambler's record alone.
        QCOMPARE(QPoint(board.state.BlankCol, board.state.BlankRow), QPoint(old.BlankCol, old.BlankRow));
    }

    void scramble_data()
    {
        QTest::addColumn<QString>("before");  // the record always starts at the bottom right
        QTest::addColumn<std::vector<float>>("values");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("record");
        // d = int(4 * value + 1): 1 up, 2 down, 3 left, 4 right.
        const QString solved = QStringLiteral("1 2 3|4 5 6|7 8 _");
        QTest::newRow("up, up, left") << solved << std::vector<float>{0.0f, 0.24f, 0.5f} << "1 _ 2|4 5 3|7 8 6" << "0,1";
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
        // The walk changes only the model; the views still show the old arrangement.
        const QString walked = QStringLiteral("%1,%2").arg(board.state.BlankRow).arg(board.state.BlankCol);
        QCOMPARE(QStringList({boardText(board.state), walked, viewText(board.state)}), (QStringList{after, record, before}));
    }

private:
    PicFrm m_numbers;
};

QTEST_MAIN(TestBoardRules)
#include "tst_board_rules.moc"
