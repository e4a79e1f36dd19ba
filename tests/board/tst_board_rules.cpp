// Rules of the board without a window: sizes, set-up, sliding lines, the solved test.
#include "board/board_geometry.h"
#include "board/board_rules.h"
#include "board_text.h"
#include "imagery/number_pictures.h"

#include <QtTest>

class tst_BoardRules : public QObject {
    Q_OBJECT
private slots:
    void windowSizes_data();
    void windowSizes();
    void setUpLeavesSolvedOrder_data();
    void setUpLeavesSolvedOrder();
    void moveTile_data();
    void moveTile();
    void moveTileCopiesFromTheEmptyCellBackwards();
    void firstSlideIntoSetUpBoardDropsLastNumber();
    void winner_data();
    void winner();
    void arrowKeys_data();
    void arrowKeys();

private:
    PicFrm m_numbers;
};

void tst_BoardRules::windowSizes_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("barShown");
    QTest::addColumn<QSize>("board");
    QTest::addColumn<QSize>("outer");
    // The status bar counts as 300 twips here.
    QTest::newRow("3x3 bar hidden") << 3 << false << QSize(2595, 2235) << QSize(2715, 2925);
    QTest::newRow("4x4 bar hidden") << 4 << false << QSize(3440, 2950) << QSize(3560, 3640);
    QTest::newRow("5x5 bar hidden") << 5 << false << QSize(4275, 3675) << QSize(4395, 4355);
    QTest::newRow("6x6 bar hidden") << 6 << false << QSize(5120, 4400) << QSize(5240, 5080);
    QTest::newRow("7x7 bar hidden") << 7 << false << QSize(5960, 5120) << QSize(6080, 5800);
    QTest::newRow("3x3 bar shown") << 3 << true << QSize(2595, 2235) << QSize(2715, 3225);
    QTest::newRow("5x5 bar shown") << 5 << true << QSize(4275, 3675) << QSize(4395, 4655);
    QTest::newRow("7x7 bar shown") << 7 << true << QSize(5960, 5120) << QSize(6080, 6100);
}

void tst_BoardRules::windowSizes()
{
    QFETCH(int, n);
    QFETCH(bool, barShown);
    QFETCH(QSize, board);
    QFETCH(QSize, outer);
    const WindowTwips w = windowTwips(n, barShown, 300);
    QCOMPARE(QSize(w.boardWidth, w.boardHeight), board);
    QCOMPARE(QSize(w.outerWidth, w.outerHeight), outer);
    // Every cell in play lies inside the board area's border.
    const int cellsRight = twipsToPixels(CellLeftStep * (n - 1) + CellWidth);
    const int cellsBottom = twipsToPixels(CellTopStep * (n - 1) + CellHeight);
    QVERIFY(cellsRight + 2 * BoardBorderPixels <= twipsToPixels(w.boardWidth));
    QVERIFY(cellsBottom + 2 * BoardBorderPixels <= twipsToPixels(w.boardHeight));
}

void tst_BoardRules::setUpLeavesSolvedOrder_data()
{
    QTest::addColumn<int>("n");
    for (int n = 3; n <= 7; ++n)
        QTest::addRow("%dx%d", n, n) << n;
}

void tst_BoardRules::setUpLeavesSolvedOrder()
{
    QFETCH(int, n);
    std::vector<std::unique_ptr<FakeTileView>> views;
    ViewGrid grid{};
    for (auto &row : grid)
        for (auto &view : row) {
            views.push_back(std::make_unique<FakeTileView>());
            view = views.back().get();
        }
    GameState state;
    state.LastRow = state.LastCol = static_cast<qint16>(n - 1);
    state.Board.resize(n, n);
    AssignTileControls(state, grid);
    LoadTilePictures(state, true, m_numbers);
    SetBlankCell(state);

    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            const BoardCell &cell = state.Board(r, c);
            QCOMPARE(cell.TileNumber, r * n + c + 1);
            QCOMPARE(cell.Tile, grid[r][c]);
            QCOMPARE(cell.Tile->picture().name, QString::number(r * n + c + 1));
            QCOMPARE(cell.Tile->specialEffect(), int(EffectRaised));
            QCOMPARE(cell.IsBlank, (r == n - 1 && c == n - 1) ? True16 : False16);
        }
    // The empty cell still shows and holds N*N until a tile moves into it.
    QCOMPARE(state.Board(n - 1, n - 1).TileNumber, n * n);
    QCOMPARE(state.BlankRow, n - 1);
    QCOMPARE(state.BlankCol, n - 1);
    QVERIFY(Winner(state));
}

void tst_BoardRules::moveTile_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QString>("after");
    const QString rowGap = QStringLiteral("1 2 3 _|5 6 7 4|9 10 11 8|13 14 15 12");
    const QString colGap = QStringLiteral("1 _ 3 4|5 2 7 8|9 6 11 12|13 10 14 15");
    QTest::newRow("row of three slides right") << rowGap << 0 << 0 << true
                                               << "_ 1 2 3|5 6 7 4|9 10 11 8|13 14 15 12";
    QTest::newRow("neighbour slides right") << rowGap << 0 << 2 << true << "1 2 _ 3|5 6 7 4|9 10 11 8|13 14 15 12";
    QTest::newRow("column of three slides up") << colGap << 3 << 1 << true
                                               << "1 2 3 4|5 6 7 8|9 10 11 12|13 _ 14 15";
    QTest::newRow("column slides down") << QStringLiteral("1 2 3 4|5 6 7 8|9 10 11 12|13 _ 14 15") << 0 << 1 << true
                                        << colGap;
    QTest::newRow("row slides left") << QStringLiteral("_ 1 2 3|5 6 7 4|9 10 11 8|13 14 15 12") << 0 << 3 << true
                                     << "1 2 3 _|5 6 7 4|9 10 11 8|13 14 15 12";
    QTest::newRow("diagonal does nothing") << rowGap << 1 << 2 << false << rowGap;
    QTest::newRow("off line does nothing") << rowGap << 3 << 0 << false << rowGap;
}

void tst_BoardRules::moveTile()
{
    QFETCH(QString, before);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(bool, moved);
    QFETCH(QString, after);
    TestBoard board(before);
    QCOMPARE(MoveTile(board.state, row, col), moved);
    QCOMPARE(boardText(board.state), after);
    // The views show the model: every tile raised with its own picture, the empty cell sunken.
    QCOMPARE(viewText(board.state), after);
    if (moved) {
        QCOMPARE(board.state.Board(row, col).Tile->picture().name, QStringLiteral("Empty"));
        QCOMPARE(board.state.Board(row, col).TileNumber, 0);
    }
}

void tst_BoardRules::moveTileCopiesFromTheEmptyCellBackwards()
{
    TestBoard board(QStringLiteral("1 2 3 _|5 6 7 4|9 10 11 8|13 14 15 12"));
    const qint16 staleRow = board.state.BlankRow, staleCol = board.state.BlankCol;
    QVERIFY(MoveTile(board.state, 0, 0));
    QCOMPARE(boardText(board.state), QStringLiteral("_ 1 2 3|5 6 7 4|9 10 11 8|13 14 15 12"));
    // A player's move leaves the scrambler's record alone.
    QCOMPARE(board.state.BlankRow, staleRow);
    QCOMPARE(board.state.BlankCol, staleCol);
}

void tst_BoardRules::firstSlideIntoSetUpBoardDropsLastNumber()
{
    TestBoard board(QStringLiteral("1 2 3|4 5 6|7 8 9"));
    board.state.Board(2, 2).IsBlank = True16;  // set-up state: empty but still holding 9
    QVERIFY(MoveTile(board.state, 2, 1));
    QCOMPARE(boardText(board.state), QStringLiteral("1 2 3|4 5 6|7 _ 8"));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            QVERIFY(board.state.Board(r, c).TileNumber != 9);
}

void tst_BoardRules::winner_data()
{
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<bool>("solved");
    QTest::newRow("in order, gap last") << "1 2 3|4 5 6|7 8 _" << true;
    QTest::newRow("gap first") << "_ 1 2|3 4 5|6 7 8" << false;
    QTest::newRow("last row swapped") << "1 2 3|4 5 6|8 7 _" << false;
    QTest::newRow("gap in the middle") << "1 2 3|4 _ 5|7 8 6" << false;
    QTest::newRow("7x7 solved") << "1 2 3 4 5 6 7|8 9 10 11 12 13 14|15 16 17 18 19 20 21|22 23 24 25 26 27 28|"
                                   "29 30 31 32 33 34 35|36 37 38 39 40 41 42|43 44 45 46 47 48 _"
                                << true;
}

void tst_BoardRules::winner()
{
    QFETCH(QString, drawing);
    QFETCH(bool, solved);
    TestBoard board(drawing);
    QCOMPARE(Winner(board.state), solved);
}

void tst_BoardRules::arrowKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("cell");
    // Board "1 2 3|4 _ 5|7 8 6": the empty cell is (1, 1).
    QTest::newRow("up brings the tile below") << int(ArrowKey::Up) << "2,1";
    QTest::newRow("down brings the tile above") << int(ArrowKey::Down) << "0,1";
    QTest::newRow("left brings the tile to the right") << int(ArrowKey::Left) << "1,2";
    QTest::newRow("right brings the tile to the left") << int(ArrowKey::Right) << "1,0";
}

void tst_BoardRules::arrowKeys()
{
    QFETCH(int, key);
    QFETCH(QString, cell);
    TestBoard board(QStringLiteral("1 2 3|4 _ 5|7 8 6"));
    const auto found = cellForArrowKey(board.state, static_cast<ArrowKey>(key));
    QVERIFY(found);
    QCOMPARE(QStringLiteral("%1,%2").arg(found->first).arg(found->second), cell);

    TestBoard corner(QStringLiteral("1 2 3|4 5 6|7 8 _"));
    QVERIFY(!cellForArrowKey(corner.state, ArrowKey::Up));
    QVERIFY(!cellForArrowKey(corner.state, ArrowKey::Left));
}

QTEST_MAIN(tst_BoardRules)
#include "tst_board_rules.moc"
