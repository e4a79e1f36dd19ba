// Which entry a win ranks under, and when it beats that entry.
#include "scores/score_rules.h"

#include <QTest>

class TestScoreRules : public QObject {
    Q_OBJECT
private slots:
    void onlyTheBoardsEntryChanges_data();
    void onlyTheBoardsEntryChanges();
};

void TestScoreRules::onlyTheBoardsEntryChanges_data()
{
    QTest::addColumn<int>("skill");
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("wins");  // clicks of successive wins on that board
    QTest::addColumn<int>("changed");      // entry 0 .. 34 in file order, -1 for none
    QTest::addColumn<QList<int>>("after"); // that entry after each win
    const QList<int> none{9999};
    QTest::newRow("3x3 Numbers") << -1 << 3 << QList<int>{10} << 0 << QList<int>{10};
    QTest::newRow("4x4 Numbers 40, 40, 39") << -1 << 4 << QList<int>{40, 40, 39} << 1 << QList<int>{40, 40, 39};
    QTest::newRow("7x7 Numbers worse after better") << -1 << 7 << QList<int>{30, 31} << 4 << QList<int>{30, 30};
    QTest::newRow("3x3 Leaf") << 1 << 3 << QList<int>{10} << 5 << QList<int>{10};
    QTest::newRow("5x5 Rose") << 2 << 5 << QList<int>{123} << 12 << QList<int>{123};
    QTest::newRow("4x4 Flower") << 3 << 4 << QList<int>{0, 0} << 16 << QList<int>{0, 0};
    QTest::newRow("7x7 Door") << 4 << 7 << QList<int>{9998} << 24 << QList<int>{9998};
    QTest::newRow("6x6 Mountain") << 5 << 6 << QList<int>{150} << 28 << QList<int>{150};
    QTest::newRow("7x7 Cow") << 6 << 7 << QList<int>{10} << 34 << QList<int>{10};
    QTest::newRow("9999 clicks") << -1 << 4 << QList<int>{9999} << 1 << none;
    QTest::newRow("beyond 16 bits") << -1 << 4 << QList<int>{70000} << 1 << none;
    QTest::newRow("custom picture (0)") << 0 << 4 << QList<int>{10} << -1 << none;
    QTest::newRow("skill 7") << 7 << 4 << QList<int>{10} << -1 << none;
    QTest::newRow("skill -2") << -2 << 4 << QList<int>{10} << -1 << none;
    QTest::newRow("2x2 board") << -1 << 2 << QList<int>{10} << -1 << none;
    QTest::newRow("8x8 board") << 5 << 8 << QList<int>{10} << -1 << none;
}

void TestScoreRules::onlyTheBoardsEntryChanges()
{
    QFETCH(int, skill);
    QFETCH(int, n);
    QFETCH(QList<int>, wins);
    QFETCH(int, changed);
    QFETCH(QList<int>, after);
    ScoreBook book = ScoreBook::empty();
    book.RoseScores = {11, 12, 9999, 14, 15};  // records elsewhere must stay as they are
    const ScoreBook before = book;
    qint16 previous = EmptyScore;
    for (int w = 0; w < wins.size(); ++w) {
        QCOMPARE(recordTopScore(book, skill, n, wins[w]), after[w] != previous);
        for (int i = 0; i < ScoreCount; ++i)
            QCOMPARE(book.at(i), i == changed ? qint16(after[w]) : before.at(i));
        previous = static_cast<qint16>(after[w]);
    }
}

QTEST_GUILESS_MAIN(TestScoreRules)
#include "tst_score_rules.moc"
