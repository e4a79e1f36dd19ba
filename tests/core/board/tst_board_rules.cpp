// Rules of the board: a set-up board, sliding lines and the scramble walk.
#include "board_text.h"
#include "core/board/game_setup.h"
#include "fakes.h"

#include <QtTest>

class TestBoardRules : public QObject
{
    Q_OBJECT
private slots:
    // Solved order, the empty cell at the bottom right still showing the last piece, and the
    // scrambler's record on it.
    void solvedBoard()
    {
        const Board board = Board::solved(3);
        QCOMPARE(boardText(board), QStringLiteral("1 2 3|4 5 6|7 8 _"));
        QVERIFY(board.lastPieceInGap);
        QCOMPARE(QPoint(board.BlankCol, board.BlankRow), QPoint(2, 2));
        // Out of range sizes never make a board the game cannot draw.
        QCOMPARE(GameSetup::numbers(2).size, 3);
        QCOMPARE(GameSetup::customPicture(9, QImage()).size, 7);
    }

    void moveTile_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("after"); // empty: nothing moves
        const QString rowGap = QStringLiteral("1 2 3 _|5 6 7 4|9 10 11 8|13 14 15 12");
        const QString colGap = QStringLiteral("1 _ 3 4|5 2 7 8|9 6 11 12|13 10 14 15");
        QTest::newRow("neighbour slides right")
            << rowGap << 0 << 2 << "1 2 _ 3|5 6 7 4|9 10 11 8|13 14 15 12";
        QTest::newRow("column of three slides up")
            << colGap << 3 << 1 << "1 2 3 4|5 6 7 8|9 10 11 12|13 _ 14 15";
        QTest::newRow("column slides down")
            << "1 2 3 4|5 6 7 8|9 10 11 12|13 _ 14 15" << 0 << 1 << colGap;
        QTest::newRow("row slides left")
            << "_ 1 2 3|5 6 7 4|9 10 11 8|13 14 15 12" << 0 << 3 << rowGap;
        QTest::newRow("diagonal") << rowGap << 1 << 2 << "";
        QTest::newRow("the empty cell") << rowGap << 0 << 3 << "";
        QTest::newRow("below the board") << rowGap << 4 << 3 << "";
        QTest::newRow("left of the board") << rowGap << 0 << -1 << "";
        // Right after set-up the empty cell still shows the last number; sliding into it drops it.
        QTest::newRow("into a set-up board")
            << "1 2 3|4 5 6|7 8 _9" << 2 << 1 << "1 2 3|4 5 6|7 _ 8";
    }

    void moveTile()
    {
        QFETCH(QString, before);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, after);
        Board board = boardFrom(before);
        const Board old = board;
        QCOMPARE(MoveTile(board, {row, col}), !after.isEmpty());
        QCOMPARE(boardText(board), after.isEmpty() ? boardText(old) : after);
        QCOMPARE(board.lastPieceInGap, after.isEmpty() && old.lastPieceInGap);
        // A player's move leaves the scrambler's record alone.
        QCOMPARE(QPoint(board.BlankCol, board.BlankRow), QPoint(old.BlankCol, old.BlankRow));
    }

    void scramble_data()
    {
        QTest::addColumn<QString>("before"); // the record always starts at the bottom right
        QTest::addColumn<std::vector<float>>("values");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QPoint>("record"); // column, row
        // d = int(4 * value + 1): 1 up, 2 down, 3 left, 4 right.
        const QString solved = QStringLiteral("1 2 3|4 5 6|7 8 _9");
        QTest::newRow("up, up, left") << solved << std::vector<float>{0.0f, 0.24f, 0.5f}
                                      << "1 _ 2|4 5 3|7 8 6" << QPoint(1, 0);
        QTest::newRow("edges do nothing: down, right, left, right, up, down, down")
            << solved << std::vector<float>{0.3f, 0.8f, 0.6f, 0.99f, 0.2f, 0.4f, 0.4f}
            << "1 2 3|4 5 6|7 8 _" << QPoint(2, 2);
        // Up, up: the record reaches (0, 2) and nothing moves. Left: the record is next to the gap,
        // so 1 slides into it. Left again: 1 slides back, and record and gap now agree.
        QTest::newRow("stale record")
            << "_ 1 2|4 5 3|7 8 6" << std::vector<float>{0.0f, 0.0f, 0.5f, 0.5f}
            << "_ 1 2|4 5 3|7 8 6" << QPoint(0, 0);
    }

    void scramble()
    {
        QFETCH(QString, before);
        QFETCH(std::vector<float>, values);
        QFETCH(QString, after);
        QFETCH(QPoint, record);
        Board board = boardFrom(before);
        board.BlankRow = board.BlankCol = 2;
        FakeRandom random(values);
        scrambleWalk(board, random, int(values.size()));
        QCOMPARE(random.index, values.size()); // one draw per step, none repeated
        QCOMPARE(boardText(board), boardText(boardFrom(after)));
        QCOMPARE(QPoint(board.BlankCol, board.BlankRow), record);
    }
};

QTEST_GUILESS_MAIN(TestBoardRules)
#include "tst_board_rules.moc"
