// The statistics: a game's line, the file's damaged forms, copies saving at once, and what is
// said of a board.
#include "bad_pictures.h"
#include "core/stats/stats_file.h"
#include "core/stats/stats_summary.h"
#include "game_records.h"

#include <thread>

namespace {
const QByteArray Line = "2026-12-07T10:00:00.000Z\t4x4\tNumbers\t40\t83.250\twon\t-\tundo\t31";
} // namespace

class TestStats : public QObject
{
    Q_OBJECT
private slots:
    void readsEachLineItCan_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("records");
        QTest::newRow("a game") << Line << 1;
        QTest::newRow("the heading, CR LF") << "# Tessary statistics\r\n" + Line + "\r\n" << 1;
        QTest::newRow("garbage") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << 0;
        QTest::newRow("a truncated line, then a whole one") << Line.left(30) + '\n' + Line << 1;
        QTest::newRow("clicks out of range")
            << QByteArray(Line).replace("\t40\t", "\t999999999\t") << 0;
        QTest::newRow("a negative count") << QByteArray(Line).replace("\t40\t", "\t-40\t") << 0;
        QTest::newRow("a leading zero") << QByteArray(Line).replace("\t40\t", "\t040\t") << 0;
        QTest::newRow("an 8x8 board") << QByteArray(Line).replace("4x4", "8x8") << 0;
        QTest::newRow("a board not square") << QByteArray(Line).replace("4x4", "4x5") << 0;
        QTest::newRow("a picture no game has") << QByteArray(Line).replace("Numbers", "Cat") << 0;
        QTest::newRow("time without thousandths") << QByteArray(Line).replace("83.250", "83") << 0;
        QTest::newRow("neither won nor left") << QByteArray(Line).replace("won", "maybe") << 0;
        QTest::newRow("fewest not a number") << QByteArray(Line).replace("\t31", "\tmany") << 0;
        QTest::newRow("a field more") << Line + "\textra" << 0;
        QTest::newRow("no start time") << QByteArray(Line).replace("2026-12-07T10", "soon") << 0;
    }
    void readsEachLineItCan()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, records);
        QCOMPARE(readRecords(text).size(), records);
    }

    // Lines it cannot read stay as they stand; a reset takes out only its board's games. A new
    // file starts with the heading that names the columns.
    void neverMadeWorse()
    {
        QTemporaryDir dir;
        const StatsFile file(dir.path());
        const QByteArray other = QByteArray(Line).replace("Numbers", "Cow");
        const QByteArray before = "# notes of my own\n" + Line + "\nnot a game\n" + other;
        writeFile(file.path(), before);
        const GameRecord added = gameRecord(10, 10, true);
        QCOMPARE(file.save({added})->size(), 3);
        QCOMPARE(file.save({added})->size(), 3); // a game saved again is not doubled
        QCOMPARE(fileBytes(file.path()), before + '\n' + recordLine(added) + '\n');
        QCOMPARE(file.save({added}, QStringLiteral("4x4 Numbers"))->size(), 1);
        QCOMPARE(fileBytes(file.path()), "# notes of my own\nnot a game\n" + other + '\n');
        QVERIFY(QFile::remove(file.path()));
        file.save({added});
        QVERIFY(fileBytes(file.path()).startsWith("# Tessary statistics: one game a line"));
    }

    void badPlaces_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder in its place") << "folder";
        QTest::newRow("a 100 MB file") << "huge";
        QTest::newRow("an unreadable file") << "unreadable";
        QTest::newRow("a full disk") << "full";
        QTest::newRow("a read-only folder") << "read-only";
        QTest::newRow("the data folder is a file") << "folder is a file";
    }
    // The game stays unsaved, and nothing that was there is lost.
    void badPlaces()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const WithoutReadOverride asPlayer;
        const QString folder = kind == "folder is a file" ? dir.filePath("file") : dir.path();
        const StatsFile file(folder);
        if (kind == "folder")
            QVERIFY(QDir().mkpath(file.path()));
        if (kind == "folder is a file")
            writeFile(folder, Line);
        if (kind == "huge" || kind == "unreadable" || kind == "full" || kind == "read-only")
            writeFile(file.path(), Line + '\n');
        if (kind == "read-only")
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (kind == "huge")
            QVERIFY(QFile(file.path()).resize(100 << 20));
        if (kind == "unreadable")
            QVERIFY(QFile::setPermissions(file.path(), {}));
        if (kind == "unreadable" && QFile(file.path()).open(QIODevice::ReadOnly))
            QSKIP("this process can read a file without read permission");
        const QByteArray before = fileBytes(kind == "folder is a file" ? folder : file.path());
        const auto saved = withFileSizeLimit(kind == "full" ? 0 : RLIM_INFINITY,
                                             [&] { return file.save({gameRecord(9, 9, true)}); });
        QVERIFY(!saved);
        QCOMPARE(fileBytes(kind == "folder is a file" ? folder : file.path()), before);
        QCOMPARE(file.load().size(),
                 kind == "huge" || kind == "full" || kind == "read-only" ? 1 : 0);
    }

    // Two copies finishing games at the same moment: every game of both is in the file.
    void copiesLoseNothing()
    {
        QTemporaryDir dir;
        const StatsFile file(dir.path());
        const auto play = [&file](int first) {
            for (int i = first; i < 60; i += 2)
                file.save({gameRecord(i, i, true)});
        };
        std::thread a(play, 0), b(play, 1);
        a.join();
        b.join();
        QList<int> clicks;
        for (const GameRecord &record : file.load())
            clicks << record.clicks;
        std::sort(clicks.begin(), clicks.end());
        QList<int> all(60);
        std::iota(all.begin(), all.end(), 0);
        QCOMPARE(clicks, all);
    }

    void summary()
    {
        QList<GameRecord> records{gameRecord(30, 30, true, 20), gameRecord(12, 12, false),
                                  gameRecord(20, 20, true, 20), gameRecord(45, 45, true),
                                  gameRecord(25, 25, true, 21)};
        GameRecord cow = gameRecord(5, 5, true);
        cow.picture = QStringLiteral("Cow");
        records << cow;
        const BoardSummary s = summarize(records, QStringLiteral("4x4 Numbers"));
        QCOMPARE(s.played, 5);
        QCOMPARE(s.won, 4);
        QCOMPARE(s.bestClicks, std::optional<double>(20));
        QCOMPARE(s.medianClicks, std::optional<double>(27.5));
        QCOMPARE(s.bestSeconds, std::optional<double>(20));
        QCOMPARE(s.fewestShare, std::optional<double>(1.0 / 3.0));
        QCOMPARE(s.medianOverFewest, std::optional<double>(4));
        QCOMPARE(s.trend, (QList<int>{10, 0, 45, 4}));
        QCOMPARE(s.overFewest, (QList<bool>{true, true, false, true}));
        QCOMPARE(boardsPlayed(records), (QStringList{"4x4 Numbers", "4x4 Cow"}));
        for (int i = 0; i < 60; ++i)
            records << gameRecord(100 + i, 100 + i, true);
        const BoardSummary many = summarize(records, QStringLiteral("4x4 Numbers"));
        QCOMPARE(many.trend.size(), TrendGames);
        QCOMPARE(many.trend.last(), 159);
    }
};

QTEST_GUILESS_MAIN(TestStats)
#include "tst_stats.moc"
