// The scramble walk: exact boards for fixed sequences, and solvable results over many seeds.
#include "board/board_rules.h"
#include "board_text.h"

#include <QtTest>

namespace {

// A seeded linear congruential source, so each seed gives its own repeatable walk.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(quint32 seed) : m_state(seed * 2654435761u + 1u) {}
    void randomize() override {}
    float next() override
    {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<float>(m_state >> 8) / 16777216.0f;
    }

private:
    quint32 m_state;
};

// Sliding moves keep (inversions + blank row on even widths) even or odd as in the solved board.
bool solvable(const GameState &state)
{
    const int n = state.LastCol + 1;
    std::vector<int> pieces;
    int blankRow = -1;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            if (state.Board(r, c).IsBlank)
                blankRow = r;
            else
                pieces.push_back(state.Board(r, c).TileNumber);
        }
    int inversions = 0;
    for (size_t i = 0; i < pieces.size(); ++i)
        for (size_t j = i + 1; j < pieces.size(); ++j)
            inversions += pieces[i] > pieces[j];
    if (n % 2 == 1)
        return inversions % 2 == 0;
    return (inversions + blankRow) % 2 == (n - 1) % 2;
}

QString solvedDrawing(int n)
{
    QStringList rows;
    for (int r = 0; r < n; ++r) {
        QStringList cells;
        for (int c = 0; c < n; ++c)
            cells << (r == n - 1 && c == n - 1 ? QStringLiteral("_") : QString::number(r * n + c + 1));
        rows << cells.join(QLatin1Char(' '));
    }
    return rows.join(QLatin1Char('|'));
}

} // namespace

class tst_Scramble : public QObject {
    Q_OBJECT
private slots:
    void fixedSequence_data();
    void fixedSequence();
    void manySeedsStaySolvable_data();
    void manySeedsStaySolvable();
    void staleRecordDoesNoHarm();
};

void tst_Scramble::fixedSequence_data()
{
    QTest::addColumn<std::vector<float>>("values");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("record");
    // d = int(4 * value + 1): 1 up, 2 down, 3 left, 4 right.
    QTest::newRow("up, up, left") << std::vector<float>{0.0f, 0.1f, 0.5f} << "1 _ 2|4 5 3|7 8 6" << "0,1";
    QTest::newRow("edge steps do nothing, not replaced")
        << std::vector<float>{0.3f, 0.8f} << "1 2 3|4 5 6|7 8 _" << "2,2";
    QTest::newRow("left, right again") << std::vector<float>{0.6f, 0.9f} << "1 2 3|4 5 6|7 8 _" << "2,2";
    QTest::newRow("up, then down off the board")
        << std::vector<float>{0.2f, 0.4f, 0.4f} << "1 2 3|4 5 6|7 8 _" << "2,2";
}

void tst_Scramble::fixedSequence()
{
    QFETCH(std::vector<float>, values);
    QFETCH(QString, after);
    QFETCH(QString, record);
    TestBoard board(QStringLiteral("1 2 3|4 5 6|7 8 _"));
    FakeRandom random(values);
    scrambleWalk(board.state, random, static_cast<int>(values.size()));
    QCOMPARE(random.index, values.size());  // one draw per step, none repeated
    QCOMPARE(boardText(board.state), after);
    QCOMPARE(QStringLiteral("%1,%2").arg(board.state.BlankRow).arg(board.state.BlankCol), record);
    // The walk changes only the model; the views still show the old arrangement.
    QCOMPARE(viewText(board.state), QStringLiteral("1 2 3|4 5 6|7 8 _"));
}

void tst_Scramble::manySeedsStaySolvable_data()
{
    QTest::addColumn<int>("n");
    for (int n = 3; n <= 7; ++n)
        QTest::addRow("%dx%d", n, n) << n;
}

void tst_Scramble::manySeedsStaySolvable()
{
    QFETCH(int, n);
    for (quint32 seed = 1; seed <= 60; ++seed) {
        TestBoard board(solvedDrawing(n));
        SeededRandom random(seed);
        scrambleWalk(board.state, random);
        int blanks = 0;
        std::vector<int> seen(static_cast<size_t>(n * n), 0);
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c) {
                const BoardCell &cell = board.state.Board(r, c);
                blanks += cell.IsBlank;
                QVERIFY(cell.IsBlank ? cell.TileNumber == 0 : cell.TileNumber >= 1 && cell.TileNumber < n * n);
                if (!cell.IsBlank)
                    ++seen[static_cast<size_t>(cell.TileNumber)];
            }
        QCOMPARE(blanks, 1);
        QCOMPARE(std::count(seen.begin() + 1, seen.end(), 1), n * n - 1);
        QVERIFY2(solvable(board.state), qPrintable(boardText(board.state)));
        // The record and the real empty cell agree after a walk from set-up.
        QCOMPARE(board.state.Board(board.state.BlankRow, board.state.BlankCol).IsBlank, true);
    }
}

void tst_Scramble::staleRecordDoesNoHarm()
{
    // The player moved the gap to the top-left; the record still says bottom-right.
    TestBoard board(QStringLiteral("_ 1 2|4 5 3|7 8 6"));
    board.state.BlankRow = 2;
    board.state.BlankCol = 2;
    FakeRandom random({0.0f, 0.0f, 0.5f, 0.5f});  // up, up, left, left
    scrambleWalk(board.state, random, 4);
    // Up, up: the record reaches (0, 2) and nothing moves. Left: the record is next to the gap,
    // so 1 slides into it. Left again: 1 slides back, and record and gap now agree.
    QCOMPARE(boardText(board.state), QStringLiteral("_ 1 2|4 5 3|7 8 6"));
    QCOMPARE(QStringLiteral("%1,%2").arg(board.state.BlankRow).arg(board.state.BlankCol), QStringLiteral("0,0"));
    QVERIFY(solvable(board.state));
}

QTEST_GUILESS_MAIN(tst_Scramble)
#include "tst_scramble.moc"
