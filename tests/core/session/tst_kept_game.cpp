// The kept game's file: what is written reads back as it was; every damaged form reads as nothing.
#include "board_text.h"
#include "core/session/kept_game.h"

#include <QtTest>

namespace {
// A 3 x 3 game: from the scramble "1 2 3|4 5 _|7 8 6" the player clicked (1, 0) and (0, 0), then
// undid the second click.
const QByteArrayList Lines{"Tessary game 1",  "size 3",
                           "picture numbers", "board 1 2 3 0 4 5 7 8 6",
                           "record 1 2",      "last-piece-shown 0",
                           "clicks 3",        "hint 0",
                           "undo-used 1",     "started 2026-12-07T10:00:00.000Z",
                           "played-ms 4500",  "undo 1,2",
                           "redo 0,0"};

// The file with line `index` (0 the heading) replaced.
QByteArray with(int index, const QByteArray &line)
{
    QByteArrayList lines = Lines;
    lines[index] = line;
    return lines.join('\n') + '\n';
}
} // namespace

class TestKeptGame : public QObject
{
    Q_OBJECT
private slots:
    void readsWhatItWrote_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("numbers") << with(0, Lines[0]);
        QTest::newRow("stock picture, a hint, nothing to redo")
            << with(2, "picture stock 5").replace("hint 0", "hint 1").replace("redo 0,0", "redo ");
        QTest::newRow("the player's picture, a space and a line break in its path")
            << with(2, "picture custom /home/p/My%20pictures/a%0Ab.jpg");
    }
    void readsWhatItWrote()
    {
        QFETCH(QByteArray, file);
        const std::optional<KeptGame> game = readKeptGame(file);
        QVERIFY(game);
        QCOMPARE(keptGameBytes(*game), file);
        QCOMPARE(boardText(game->board), QStringLiteral("1 2 3|_ 4 5|7 8 6"));
        QCOMPARE(boardText(game->scramble()), QStringLiteral("1 2 3|4 5 _|7 8 6"));
    }

    void refusesDamagedForms_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("a settings file") << QByteArray("[Tessary]\nMusic=False\n");
        QTest::newRow("a later version") << with(0, "Tessary game 2");
        QTest::newRow("cut short") << Lines.mid(0, 8).join('\n') + '\n';
        QTest::newRow("no last line break") << Lines.join('\n');
        QByteArrayList swapped = Lines;
        swapped.swapItemsAt(6, 7);
        QTest::newRow("lines out of order") << swapped.join('\n') + '\n';
        QTest::newRow("size 2") << with(1, "size 2");
        QTest::newRow("size 8") << with(1, "size 8");
        QTest::newRow("a size too large to hold") << with(1, "size 70000");
        QTest::newRow("a piece missing") << with(3, "board 1 2 3 0 4 5 7 8");
        QTest::newRow("a piece twice") << with(3, "board 1 2 3 0 4 5 7 8 8");
        QTest::newRow("a piece too big") << with(3, "board 1 2 3 0 4 5 7 8 9");
        QTest::newRow("no scramble reaches it") << with(3, "board 2 1 3 0 4 5 7 8 6");
        QTest::newRow("record off the board") << with(4, "record 3 0");
        QTest::newRow("last piece neither 0 nor 1") << with(5, "last-piece-shown yes");
        QTest::newRow("a negative count") << with(6, "clicks -1");
        QTest::newRow("a count too large") << with(6, "clicks 99999999999");
        QTest::newRow("an undo off the empty cell's lines") << with(11, "undo 2,2");
        QTest::newRow("an undo off the board") << with(11, "undo 1,3");
        QTest::newRow("a redo of the empty cell itself") << with(12, "redo 1,0");
        QTest::newRow("a cell without its column") << with(12, "redo 0");
        QTest::newRow("stock picture 6") << with(2, "picture stock 6");
        QTest::newRow("the player's picture without a path") << with(2, "picture custom ");
        QTest::newRow("larger than the game writes")
            << with(11, "undo " + QByteArray("1,0 1,2 ").repeated(MaxKeptGameBytes / 8));
        QTest::newRow("no start time") << with(9, "started yesterday");
        QTest::newRow("a negative playing time") << with(10, "played-ms -1");
        QTest::newRow("a NUL byte") << with(3, QByteArray("board 1 2 3 0 4 5 7 8 6\0", 24));
    }
    void refusesDamagedForms()
    {
        QFETCH(QByteArray, file);
        QVERIFY(!readKeptGame(file));
    }
};

QTEST_GUILESS_MAIN(TestKeptGame)
#include "tst_kept_game.moc"
