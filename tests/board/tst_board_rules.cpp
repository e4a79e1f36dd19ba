// Rules of the board without a window: set-up from a game, sliding lines, the solved test.
#include "board/board_rules.h"
#include "board_text.h"
#include "imagery/number_pictures.h"
#include "imagery/picture_clip.h"
#include "scores/score_book.h"

#include <QtTest>

class TestBoardRules : public QObject {
    Q_OBJECT
private slots:
    void setUpBoard_data();
    void setUpBoard();
    void gameSetups();
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

namespace {
QImage gradient(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 90));
    return image;
}
} // namespace

void TestBoardRules::setUpBoard_data()
{
    QTest::addColumn<int>("before");  // the board set up first, a 7x7 picture game or none
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("picture");
    QTest::newRow("3x3 numbers") << 0 << 3 << false;
    QTest::newRow("7x7 numbers after a 7x7 picture game") << 7 << 7 << false;
    QTest::newRow("4x4 picture after a 7x7 picture game") << 7 << 4 << true;
    QTest::newRow("5x5 picture") << 0 << 5 << true;
}

// A board is set up whole from the game: solved order, the empty cell at the bottom right still
// showing N*N, pieces cut from the goal picture, every view beyond the board cleared.
void TestBoardRules::setUpBoard()
{
    QFETCH(int, before);
    QFETCH(int, n);
    QFETCH(bool, picture);
    std::vector<std::unique_ptr<FakeTileView>> views;
    ViewGrid grid{};
    for (auto &row : grid)
        for (auto &view : row)
            view = views.emplace_back(std::make_unique<FakeTileView>()).get();
    GameState state;
    if (before)
        ::setUpBoard(state, GameSetup::stockPicture(before, 5, gradient(253)), grid, m_numbers);
    const QImage goal = gradient(253).mirrored();
    const GameSetup setup = picture ? GameSetup::customPicture(n, goal) : GameSetup::numbers(n);
    ::setUpBoard(state, setup, grid, m_numbers);

    QCOMPARE(state.Setup.SkillLevel, picture ? SkillCustom : SkillNumbers);
    QCOMPARE(int(state.TilePictures.size()), picture ? n * n : 1);
    QCOMPARE(state.LastRow, n - 1);
    QCOMPARE(state.LastCol, n - 1);
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
            QCOMPARE(cell.IsBlank, (k == n * n - 1) ? true : false);
            QCOMPARE(view->specialEffect(), SpecialEffect::Raised);
            QCOMPARE(view->picture().image,
                     picture ? goal.copy(clipRect(253, n, r, c)) : m_numbers.NumPic(k).image);
        }
    QCOMPARE(state.BlankRow, n - 1);
    QCOMPARE(state.BlankCol, n - 1);
    QVERIFY(Winner(state));
}

void TestBoardRules::gameSetups()
{
    const QImage goal = gradient(253);
    for (int k = 0; k < StockPictureCount; ++k) {
        const GameSetup stock = GameSetup::stockPicture(6, k, goal);
        QCOMPARE(stock.SkillLevel, k + 1);
        QVERIFY(scoreListFor(*std::make_unique<ScoreBook>(), stock.SkillLevel));
        QCOMPARE(stock.shownName, QString::fromLatin1(StockPictures[k].caption));
        QVERIFY(stock.picturesGame() && stock.goalPicture == goal && stock.size == 6);
    }
    const GameSetup custom = GameSetup::customPicture(3, goal);
    QVERIFY(!scoreListFor(*std::make_unique<ScoreBook>(), custom.SkillLevel));
    QVERIFY(custom.picturesGame());
    QVERIFY(custom.shownName != QStringLiteral("N/A"));
    const GameSetup numbers = GameSetup::numbers(7);
    QVERIFY(!numbers.picturesGame() && numbers.goalPicture.isNull());
    QCOMPARE(numbers.SkillLevel, SkillNumbers);
    QCOMPARE(numbers.shownName, QStringLiteral("N/A"));
    // Out of range sizes never make a board the game cannot draw.
    QCOMPARE(GameSetup::numbers(2).size, 3);
    QCOMPARE(GameSetup::customPicture(9, goal).size, 7);
}

void TestBoardRules::moveTile_data()
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

void TestBoardRules::moveTile()
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

void TestBoardRules::moveTileCopiesFromTheEmptyCellBackwards()
{
    TestBoard board(QStringLiteral("1 2 3 _|5 6 7 4|9 10 11 8|13 14 15 12"));
    const qint16 staleRow = board.state.BlankRow, staleCol = board.state.BlankCol;
    QVERIFY(MoveTile(board.state, 0, 0));
    QCOMPARE(boardText(board.state), QStringLiteral("_ 1 2 3|5 6 7 4|9 10 11 8|13 14 15 12"));
    // A player's move leaves the scrambler's record alone.
    QCOMPARE(board.state.BlankRow, staleRow);
    QCOMPARE(board.state.BlankCol, staleCol);
}

void TestBoardRules::firstSlideIntoSetUpBoardDropsLastNumber()
{
    TestBoard board(QStringLiteral("1 2 3|4 5 6|7 8 9"));
    board.state.Board(2, 2).IsBlank = true;  // set-up state: empty but still holding 9
    QVERIFY(MoveTile(board.state, 2, 1));
    QCOMPARE(boardText(board.state), QStringLiteral("1 2 3|4 5 6|7 _ 8"));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            QVERIFY(board.state.Board(r, c).TileNumber != 9);
}

void TestBoardRules::winner_data()
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

void TestBoardRules::winner()
{
    QFETCH(QString, drawing);
    QFETCH(bool, solved);
    TestBoard board(drawing);
    QCOMPARE(Winner(board.state), solved);
}

void TestBoardRules::arrowKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("cell");
    // Board "1 2 3|4 _ 5|7 8 6": the empty cell is (1, 1).
    QTest::newRow("up brings the tile below") << int(ArrowKey::Up) << "2,1";
    QTest::newRow("down brings the tile above") << int(ArrowKey::Down) << "0,1";
    QTest::newRow("left brings the tile to the right") << int(ArrowKey::Left) << "1,2";
    QTest::newRow("right brings the tile to the left") << int(ArrowKey::Right) << "1,0";
}

void TestBoardRules::arrowKeys()
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

QTEST_MAIN(TestBoardRules)
#include "tst_board_rules.moc"
