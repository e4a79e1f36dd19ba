// The score file's bytes, the forgiving reader, the fallback to the user's data folder, and the
// rule that decides which entry a win beats.
#include "core/scores/score_file.h"
#include "core/scores/score_rules.h"
#include "file_size_limit.h"

#include <sys/stat.h>
#include <thread>

static const QByteArray EmptyLine(" 9999 \r\n");

// The leading entries as given, then 9999.
static ScoreBook bookOf(const QList<int> &numbers)
{
    ScoreBook book = ScoreBook::empty();
    for (int i = 0; i < numbers.size(); ++i)
        book.at(i) = static_cast<qint16>(numbers[i]);
    return book;
}

// The 35 entries in file order, as a list so that a failure names the first index that differs.
static QList<int> entriesOf(const ScoreBook &book)
{
    QList<int> entries;
    for (int i = 0; i < ScoreCount; ++i)
        entries << book.at(i);
    return entries;
}

// A file last written `seconds` ago.
static void writeOldFile(const QString &path, const QByteArray &bytes, int seconds)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
            && file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                                QFileDevice::FileModificationTime));
}

class TestScoreFile : public QObject
{
    Q_OBJECT
private slots:
    void readsBadFilesAsFarAsTheyGo_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<int>>("leading"); // then 9999
        QTest::newRow("empty file") << QByteArray() << QList<int>{};
        QTest::newRow("ends mid-number") << QByteArray(" 1 \r\n 4") << QList<int>{1, 4};
        QTest::newRow("commas, blanks, empty fields")
            << QByteArray("1 , 2,\t3 \r\n,4,,6") << QList<int>{1, 2, 3, 9999, 4, 9999, 6};
        QTest::newRow("words") << QByteArray("abc\r\n 5 \r\nseven 8")
                               << QList<int>{9999, 5, 9999, 8};
        QTest::newRow("blank lines, CR or LF alone")
            << QByteArray("\r\n\r\n 7\r8\n\n\r\n9") << QList<int>{7, 8, 9};
        QTest::newRow("signs") << QByteArray("-12 +12 - -- +-4 4- 4-2 3")
                               << QList<int>{-12, 12, 9999, 9999, 9999, 9999, 9999, 3};
        QTest::newRow("16-bit edges")
            << QByteArray("32767 -32768 -0 007 32768 -32769 99999999999999999999 6")
            << QList<int>{32767, -32768, 0, 7, 9999, 9999, 9999, 6};
        QTest::newRow("not integers")
            << QByteArray("1.5 1e3 0x10 &H10 2") << QList<int>{9999, 9999, 9999, 9999, 2};
        QTest::newRow("NUL and high bytes") << QByteArray("\0\xff 5", 4) << QList<int>{9999, 5};
        QTest::newRow("four megabytes of 1s")
            << QByteArray(" 1 \r\n").repeated(1 << 20) << QList<int>(35, 1);
        QTest::newRow("four megabytes of x") << QByteArray(4 << 20, 'x') << QList<int>{};
    }
    void readsBadFilesAsFarAsTheyGo()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<int>, leading);
        QBuffer file(&text);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        QCOMPARE(entriesOf(readScores(file)),
                 leading + QList<int>(ScoreCount - leading.size(), EmptyScore));
        // a huge file is never read whole: reading stops at the last entry, or after a megabyte
        QCOMPARE_LE(file.pos(), leading.size() == ScoreCount ? 4096 : 1 << 20);
    }

    void savesWhereItCanAndReadsItBack_data()
    {
        QTest::addColumn<QString>("named");     // what is named Hsl.hsf in the program's folder
        QTest::addColumn<bool>("writable");     // the program's folder
        QTest::addColumn<bool>("inUserFolder"); // where the file is saved
        QTest::newRow("a pipe: not read, replaced") << "pipe" << true << false;
        QTest::newRow("a folder") << "folder" << true << true;
        QTest::newRow("an older shipped file, read-only") << "file" << false << true;
    }
    void savesWhereItCanAndReadsItBack()
    {
        QFETCH(QString, named);
        QFETCH(bool, writable);
        QFETCH(bool, inUserFolder);
        QTemporaryDir base;
        const QString program = base.filePath("program");
        const QString user = base.filePath("share/Orvane.Works/Tessary");
        const QString expected = (inUserFolder ? user : program) + "/Hsl.hsf";
        QVERIFY(QDir().mkpath(program));
        if (named == "file")
            writeOldFile(program + "/Hsl.hsf", " 50 \r\n", 24 * 3600);
        else if (named == "folder")
            QVERIFY(QDir().mkpath(program + "/Hsl.hsf"));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(program + "/Hsl.hsf").constData(), 0600), 0);
        const ScoreFile file(
            program, user, [writable](const QString &f) { return writable && folderWritable(f); });
        QCOMPARE(file.exists(),
                 named == "file"); // asked first: a pipe with no writer never answers
        QCOMPARE(file.load().NumberScores[0], qint16(named == "file" ? 50 : EmptyScore));
        ScoreBook book = bookOf({0, -32768});
        QVERIFY(file.save(book).ok());
        // one line per entry, a blank or "-" in the sign's place
        QCOMPARE(fileBytes(expected), " 0 \r\n-32768 \r\n" + EmptyLine.repeated(33));
        QCOMPARE(file.readPath(), expected);             // the next run finds the record there
        QCOMPARE(QFileInfo::exists(user), inUserFolder); // made only when needed
    }

    // With no room at all, and one byte short of the 275 the new file needs.
    void aFullDiskKeepsTheLastGoodFile()
    {
        for (const rlim_t room : {0, 274}) {
            QTemporaryDir program, user;
            const QString path = program.filePath("Hsl.hsf");
            const QByteArray records = " 40 \r\n" + EmptyLine.repeated(33) + " 7 \r\n";
            writeFile(path, records);
            const ScoreFile file(program.path(), user.filePath("share"));
            ScoreBook book = bookOf({30});
            const auto result = withFileSizeLimit(room, [&] { return file.save(book); });
            QVERIFY(!result.ok());
            QCOMPARE(result.tried, (QStringList{path, user.filePath("share/Hsl.hsf")}));
            QCOMPARE(fileBytes(path), records);
            // with room again, the record kept in memory goes in whole beside the file's own
            QVERIFY(file.save(book).ok());
            QCOMPARE(fileBytes(path), " 30 \r\n" + EmptyLine.repeated(33) + " 7 \r\n");
        }
    }

    // Copies of the game started on one user's data folder (the program's cannot be written), each
    // with the file as it was at its start. A record goes into the file once its message is closed.
    void copiesKeepEachOthersRecords()
    {
        QTemporaryDir program, user;
        const ScoreFile file(program.path(), user.path(), [](const QString &) { return false; });
        // a lock left 10 s ago by a copy that hung before it wrote its name in it
        writeOldFile(user.filePath("Hsl.hsf.lock"), QByteArray(), 10);
        ScoreBook a = file.load();
        ScoreBook b = file.load();
        QVERIFY(recordTopScore(a, file, SkillNumbers, 3, 24)); // its message still shows
        QVERIFY(recordTopScore(b, file, SkillNumbers, 3, 22));
        file.save(b);
        // the hung copy's lock was taken over, then let go
        QCOMPARE(QDir(user.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Hsl.hsf"});
        file.save(a);
        // b's better record stands
        QCOMPARE(fileBytes(file.userPath()), scoreFileBytes(bookOf({22})));
        // then both save at the same moment, each setting its own entries one by one
        const auto setEveryOther = [&file](ScoreBook *book, int first) {
            for (int i = first; i < ScoreCount; i += 2) {
                book->at(i) = static_cast<qint16>(i + 1);
                file.save(*book);
            }
        };
        std::thread threadA(setEveryOther, &a, 0);
        std::thread threadB(setEveryOther, &b, 1);
        threadA.join();
        threadB.join();
        const ScoreBook saved = file.load();
        for (int i = 0; i < ScoreCount; ++i)
            QCOMPARE(saved.at(i), qint16(i + 1)); // the value names the entry
    }

    // Which entry a win ranks under, and when it beats that entry; records elsewhere stay as they
    // are.
    void onlyTheBoardsEntryChanges_data()
    {
        // against 40 in every entry but 4x4 Numbers, which is empty
        QTest::addColumn<int>("skill");
        QTest::addColumn<int>("boardSize");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("changedEntry"); // 0 .. 34, -1 for none
        QTest::newRow("4x4 Numbers, empty") << -1 << 4 << 10 << 1;
        QTest::newRow("negative") << -1 << 4 << -1 << -1;
        QTest::newRow("3x3 Leaf, a tie keeps the record") << 1 << 3 << 40 << -1;
        QTest::newRow("4x4 Flower in 0") << 3 << 4 << 0 << 16;
        QTest::newRow("7x7 Cow") << 6 << 7 << 39 << 34;
        QTest::newRow("custom picture (0)") << 0 << 4 << 10 << -1;
        QTest::newRow("skill 7") << 7 << 4 << 10 << -1;
        QTest::newRow("2x2 board") << -1 << 2 << 10 << -1;
        QTest::newRow("8x8 board") << 5 << 8 << 10 << -1;
    }
    void onlyTheBoardsEntryChanges()
    {
        QFETCH(int, skill);
        QFETCH(int, boardSize);
        QFETCH(int, clicks);
        QFETCH(int, changedEntry);
        QList<int> entries(ScoreCount, 40);
        entries[1] = EmptyScore;
        ScoreBook book = bookOf(entries);
        QCOMPARE(recordTopScore(book, skill, boardSize, clicks), changedEntry >= 0);
        if (changedEntry >= 0)
            entries[changedEntry] = clicks;
        QCOMPARE(entriesOf(book), entries);
    }
};

QTEST_GUILESS_MAIN(TestScoreFile)
#include "tst_score_file.moc"
