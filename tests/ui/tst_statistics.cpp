// The Statistics window opened from the main window: the board in play and another one, Reset
// after a question, and what a screen reader hears.
#include "app.h"
#include "core/stats/stats_file.h"
#include "ui/statistics_dialog.h"

class TestStatistics : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void window()
    {
        App app;
        // Games of another copy of the game, saved since this one started.
        GameRecord other, bigger;
        other.started = bigger.started = QDateTime(QDate(2026, 1, 1), QTime(9, 0), Qt::UTC);
        other.clicks = 30;
        other.playedMs = 95000;
        other.won = true;
        other.fewest = 20;
        bigger.size = 5;
        const StatsFile file(app.fakes.folder.filePath("data"));
        QVERIFY(file.save({other, bigger}));
        app.entry("NewGame");
        app.click(3, 3); // won in one click, the fewest not yet known
        app.entry("Statistics");
        auto *dialog = app.window<StatisticsFrm>();
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        const auto value = [&dialog](const char *name) {
            return dialog->findChild<QLabel *>(name)->text();
        };
        QCOMPARE(dialog->board(), QStringLiteral("4x4 Numbers"));
        QCOMPARE(value("GamesPlayed"), QStringLiteral("2"));
        QCOMPARE(value("MedianClicks"), QStringLiteral("15.5"));
        QCOMPARE(value("BestTime"), QStringLiteral("0:00"));
        QCOMPARE(value("MedianTime"), QStringLiteral("0:48"));
        QCOMPARE(value("FewestShare"), QStringLiteral("0%"));
        QCOMPARE(dialog->findChild<QLabel *>("MedianOverFewest")->accessibleName(),
                 QStringLiteral("Median clicks over the fewest possible: 10"));
        QCOMPARE(dialog->findChild<QWidget *>("TrendChart")->accessibleDescription(),
                 QStringLiteral("2 won games, oldest first: 10 over the fewest, 1 clicks"));

        auto *boards = dialog->findChild<QListWidget *>("BoardList");
        QCOMPARE(boards->count(), 2);
        chooseItem(boards, "5x5 Numbers");
        QCOMPARE(dialog->board(), QStringLiteral("5x5 Numbers"));
        QCOMPARE(value("GamesWon"), QStringLiteral("0"));
        QVERIFY(!dialog->findChild<QLabel *>("FewestShare")->isVisible()); // not on 5 x 5

        chooseItem(boards, "4x4 Numbers");
        auto *reset = dialog->findChild<QPushButton *>("ResetButton");
        app.fakes.messages.answer = false;
        press(reset);
        QCOMPARE(value("GamesPlayed"), QStringLiteral("2"));
        app.fakes.messages.answer = true;
        press(reset);
        QCOMPARE(app.fakes.messages.asked.size(), 2);
        QCOMPARE(value("GamesPlayed"), QStringLiteral("0"));
        QVERIFY(!reset->isEnabled());
        QCOMPARE(file.load(), QList<GameRecord>{bigger}); // the other board's game is kept
        press(dialog->findChild<QPushButton *>("CloseButton"));
        QTRY_VERIFY(!app.window<StatisticsFrm>());
    }
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
