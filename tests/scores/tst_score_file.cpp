// The score file's bytes, the forgiving reader and the fallback to the user's data folder.
#include "scores/score_file.h"
#include "score_test_support.h"
#include "support/file_size_limit.h"

#include <QBuffer>
#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>
#include <csignal>
#include <numeric>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

class TestScoreFile : public QObject {
    Q_OBJECT
private slots:
    void writesOneLinePerEntry_data();
    void writesOneLinePerEntry();
    void readsBadFilesAsFarAsTheyGo_data();
    void readsBadFilesAsFarAsTheyGo();
    void stopsReadingOnceItHasEnough_data();
    void stopsReadingOnceItHasEnough();
    void savesWhereItCanAndReadsItBack_data();
    void savesWhereItCanAndReadsItBack();
    void readsTheNewerOfTwoFiles();
    void aFullDiskKeepsTheLastGoodFile_data();
    void aFullDiskKeepsTheLastGoodFile();
    void twoCopiesKeepEachOthersRecords_data();
    void twoCopiesKeepEachOthersRecords();
    void simultaneousSavesKeepEveryRecord();
};

void TestScoreFile::writesOneLinePerEntry_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("empty marker") << 9999 << QByteArray(" 9999 \r\n");
    QTest::newRow("123") << 123 << QByteArray(" 123 \r\n");
    QTest::newRow("zero") << 0 << QByteArray(" 0 \r\n");
    QTest::newRow("negative") << -5 << QByteArray("-5 \r\n");
    QTest::newRow("lowest") << -32768 << QByteArray("-32768 \r\n");
    QTest::newRow("highest") << 32767 << QByteArray(" 32767 \r\n");
}

void TestScoreFile::writesOneLinePerEntry()
{
    QFETCH(int, value);
    QFETCH(QByteArray, line);
    QCOMPARE(scoreFileBytes(ScoreBook::empty()), EmptyLine.repeated(35));  // 280 bytes
    ScoreBook book = ScoreBook::empty();
    book.RoseScores[2] = static_cast<qint16>(value);  // 5x5 Rose: line 13
    QCOMPARE(scoreFileBytes(book), EmptyLine.repeated(12) + line + EmptyLine.repeated(22));
    QBuffer buffer;
    buffer.setData(scoreFileBytes(book));
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(readScores(buffer), book);
}

void TestScoreFile::readsBadFilesAsFarAsTheyGo_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("leading");  // then 9999
    QList<int> oneTo35;
    QByteArrayList numbers;
    for (int i = 1; i <= 35; ++i)
        oneTo35 << i, numbers << QByteArray::number(i);
    const QByteArray commas = numbers.join(',');
    QTest::newRow("empty file") << QByteArray() << QList<int>{};
    QTest::newRow("line 1 holds 57") << " 57 \r\n" + EmptyLine.repeated(34) << QList<int>{57};
    QTest::newRow("ends after 3 lines") << QByteArray(" 1 \r\n 2 \r\n 3 \r\n") << QList<int>{1, 2, 3};
    QTest::newRow("ends mid-number") << QByteArray(" 1 \r\n 4") << QList<int>{1, 4};
    QTest::newRow("one line, commas") << commas << oneTo35;
    QTest::newRow("commas and blanks") << QByteArray("1 , 2,\t3 \r\n,4") << QList<int>{1, 2, 3, 9999, 4};
    QTest::newRow("empty comma field") << QByteArray("1,,3") << QList<int>{1, 9999, 3};
    QTest::newRow("words") << QByteArray("abc\r\n 5 \r\nseven 8") << QList<int>{9999, 5, 9999, 8};
    QTest::newRow("blank lines") << QByteArray("\r\n\r\n 7 \r\n\r\n\n 8") << QList<int>{7, 8};
    QTest::newRow("CR or LF alone") << QByteArray("1\r2\n3") << QList<int>{1, 2, 3};
    QTest::newRow("signs") << QByteArray("-12 +12 - -- +-4 4- 4-2") << QList<int>{-12, 12, 9999, 9999, 9999, 9999, 9999};
    QTest::newRow("16-bit edges") << QByteArray("32767 -32768 -0 007") << QList<int>{32767, -32768, 0, 7};
    QTest::newRow("out of range") << QByteArray("32768 -32769 99999999999999999999 6") << QList<int>{9999, 9999, 9999, 6};
    QTest::newRow("not integers") << QByteArray("1.5 1e3 0x10 &H10 2") << QList<int>{9999, 9999, 9999, 9999, 2};
    QTest::newRow("NUL and high bytes") << QByteArray("\0\xff 5", 4) << QList<int>{9999, 5};
    QTest::newRow("more than 35") << EmptyLine.repeated(34) + " 1 \r\n 2 \r\n" << (QList<int>(34, 9999) << 1);
}

void TestScoreFile::readsBadFilesAsFarAsTheyGo()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, leading);
    QTemporaryDir program;
    writeFile(program.filePath("Hsl.hsf"), text);
    const ScoreFile file(program.path(), QString());
    QVERIFY(file.exists());
    QCOMPARE(values(file.load()), values(bookOf(leading)));
}

void TestScoreFile::stopsReadingOnceItHasEnough_data()
{
    QTest::addColumn<QByteArray>("pattern");  // repeated over 4 MB
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("mostBytes");  // one read past the last entry, or a megabyte of nothing
    QTest::newRow("lines of 1") << QByteArray(" 1 \r\n") << 1 << 4096;
    QTest::newRow("commas") << QByteArray(",") << 9999 << 4096;
    QTest::newRow("one long word") << QByteArray("x") << 9999 << (1 << 20);
    QTest::newRow("blanks") << QByteArray(" \r\n") << 9999 << (1 << 20);
}

void TestScoreFile::stopsReadingOnceItHasEnough()
{
    QFETCH(QByteArray, pattern);
    QFETCH(int, entry);
    QFETCH(int, mostBytes);
    QBuffer huge;
    huge.setData(pattern.repeated((4 << 20) / pattern.size()));
    QVERIFY(huge.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    QCOMPARE(values(readScores(huge)), QList<int>(35, entry));
    QVERIFY2(huge.pos() <= mostBytes, QByteArray::number(huge.pos()));
    // on disk: 35 good lines, then a sparse gigabyte of NULs
    QTemporaryDir program;
    QFile big(program.filePath("Hsl.hsf"));
    const ScoreBook threes = bookOf(QList<int>(35, 3));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.write(scoreFileBytes(threes)) == 175);
    QVERIFY(big.resize(qint64(1) << 30));
    big.close();
    QCOMPARE(ScoreFile(program.path(), QString()).load(), threes);
}

void TestScoreFile::savesWhereItCanAndReadsItBack_data()
{
    QTest::addColumn<QString>("blocker");  // what keeps the program folder from being written
    QTest::newRow("nothing") << "";
    QTest::newRow("folder said to be read-only") << "check";
    QTest::newRow("folder under a regular file") << "file";
    QTest::newRow("a folder named Hsl.hsf") << "dir";
    QTest::newRow("read-only folder with a shipped file") << "shipped";
}

void TestScoreFile::savesWhereItCanAndReadsItBack()
{
    QFETCH(QString, blocker);
    QTemporaryDir base;
    QString programFolder = base.filePath("program");
    QVERIFY(QDir().mkpath(programFolder));
    ScoreFile::WritableCheck check = folderWritable;
    if (blocker == "check" || blocker == "shipped")
        check = [](const QString &) { return false; };
    if (blocker == "file")
        writeFile(base.filePath("plain"), "not a folder"), programFolder = base.filePath("plain/program");
    if (blocker == "dir")
        QVERIFY(QDir().mkpath(programFolder + "/Hsl.hsf/inside"));
    if (blocker == "shipped")
        writeFile(programFolder + "/Hsl.hsf", " 50 \r\n" + EmptyLine.repeated(34));
    const QString userFolder = base.filePath("home/share/Orvane.Works/Tessary");
    const QString expected = (blocker.isEmpty() ? programFolder : userFolder) + "/Hsl.hsf";

    const ScoreFile file(programFolder, userFolder, check);
    QCOMPARE(file.exists(), blocker == "shipped");
    QCOMPARE(file.load().NumberScores[0], qint16(blocker == "shipped" ? 50 : 9999));
    ScoreBook book = bookOf({40});
    QCOMPARE(file.save(book).writtenTo, expected);
    QCOMPARE(fileBytes(expected), " 40 \r\n" + EmptyLine.repeated(34));
    // the temporary file was renamed into place: nothing else lies beside it
    QCOMPARE(QDir(QFileInfo(expected).path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Hsl.hsf"});
    QCOMPARE(QFileInfo::exists(userFolder), !blocker.isEmpty());
    // the next run finds the record there
    QCOMPARE(ScoreFile(programFolder, userFolder, check).readPath(), expected);
}

void TestScoreFile::readsTheNewerOfTwoFiles()
{
    QTemporaryDir program, user;
    writeFile(program.filePath("Hsl.hsf"), "1");
    writeFile(user.filePath("Hsl.hsf"), "2");
    QFile older(program.filePath("Hsl.hsf"));
    QVERIFY(older.open(QIODevice::ReadWrite));
    QVERIFY(older.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    older.close();
    QCOMPARE(ScoreFile(program.path(), user.path()).load().NumberScores[0], qint16(2));
    // a pipe of that name is no score file, and reading must not wait on it
    QVERIFY(QFile::remove(user.filePath("Hsl.hsf")));
    QCOMPARE(::mkfifo(QFile::encodeName(user.filePath("Hsl.hsf")).constData(), 0600), 0);
    QCOMPARE(ScoreFile(program.path(), user.path()).load().NumberScores[0], qint16(1));
}

void TestScoreFile::aFullDiskKeepsTheLastGoodFile_data()
{
    QTest::addColumn<int>("room");  // bytes a file may grow to; the new file needs 275
    QTest::newRow("no room at all") << 0;
    QTest::newRow("room for 100 bytes") << 100;
    QTest::newRow("one byte short") << 274;
}

void TestScoreFile::aFullDiskKeepsTheLastGoodFile()
{
    QFETCH(int, room);
    QTemporaryDir program, user;
    const QString path = program.filePath("Hsl.hsf");
    const QByteArray records = " 40 \r\n" + EmptyLine.repeated(33) + " 7 \r\n";
    writeFile(path, records);
    const ScoreFile file(program.path(), user.filePath("share"));
    ScoreBook book = bookOf({30});
    {
        const FileSizeLimit disk(static_cast<rlim_t>(room));
        const auto result = file.save(book);
        QVERIFY(!result.ok());
        QCOMPARE(result.tried, (QStringList{path, user.filePath("share/Hsl.hsf")}));
    }
    QCOMPARE(fileBytes(path), records);
    QCOMPARE(QDir(program.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Hsl.hsf"});
    // with room again, the record kept in memory goes in whole beside the file's own
    QCOMPARE(file.save(book).writtenTo, path);
    QCOMPARE(fileBytes(path), " 30 \r\n" + EmptyLine.repeated(33) + " 7 \r\n");
}

void TestScoreFile::twoCopiesKeepEachOthersRecords_data()
{
    // copy, board, clicks; "!" record saved at once, "-" none, "+" record saved at that copy's "." later
    QTest::addColumn<QString>("wins");
    QTest::addColumn<QList<int>>("numbers");  // the Numbers list in the file afterwards
    QTest::newRow("worse after the other's better") << "A3:24! B3:28-" << QList<int>{24};
    QTest::newRow("better after the other's") << "A3:24! B3:20!" << QList<int>{20};
    QTest::newRow("a tie keeps the other's") << "B3:24! A3:24-" << QList<int>{24};
    QTest::newRow("other boards, A B A") << "A3:24! B4:28! A5:30!" << QList<int>{24, 28, 30};
    QTest::newRow("other boards, B A B") << "B4:28! A3:24! B7:90! A4:27!" << QList<int>{24, 27, 9999, 9999, 90};
    QTest::newRow("while the message shows") << "A3:24+ B4:28! B3:22! A." << QList<int>{22, 28};
}

// Two copies of the game started on one folder, each with the file as it was at its start.
void TestScoreFile::twoCopiesKeepEachOthersRecords()
{
    QFETCH(QString, wins);
    QFETCH(QList<int>, numbers);
    for (const bool fallback : {false, true}) {  // the user's data folder keeps its copy alike
        QTemporaryDir base;
        const QString program = base.filePath("program"), user = base.filePath("share");
        const QString path = (fallback ? user : program) + "/Hsl.hsf";
        QVERIFY(QDir().mkpath(program));
        ScoreFile::WritableCheck check = [fallback](const QString &f) { return !fallback && folderWritable(f); };
        const ScoreFile files[] = {{program, user, check}, {program, user, check}};
        ScoreBook books[] = {files[0].load(), files[1].load()};
        for (const QString &win : wins.split(' ')) {
            const int copy = win[0] == 'B';
            const QChar mark = win.back();
            const QByteArray before = fileBytes(path);
            if (mark != '.')
                QCOMPARE(recordTopScore(books[copy], files[copy], -1, win[1].digitValue(), win.mid(3).chopped(1).toInt()),
                         mark == '!' || mark == '+');
            const bool save = mark == '!' || mark == '.';
            if (save)
                QCOMPARE(files[copy].save(books[copy]).writtenTo, path);
            QCOMPARE(fileBytes(path), save ? scoreFileBytes(books[copy]) : before);
        }
        QCOMPARE(fileBytes(path), scoreFileBytes(bookOf(numbers)));
        QCOMPARE(QDir(program).entryList(QDir::Files | QDir::Hidden), fallback ? QStringList() : QStringList{"Hsl.hsf"});
    }
}

// Two copies save at the same moment, just after a third died while it held the lock.
void TestScoreFile::simultaneousSavesKeepEveryRecord()
{
    QTemporaryDir program;
    const QString lockPath = program.filePath("Hsl.hsf.lock");
    const pid_t killed = fork();
    if (killed == 0) {
        QLockFile lock(lockPath);
        lock.tryLock(0);
        raise(SIGKILL);
    }
    QVERIFY(killed > 0 && waitpid(killed, nullptr, 0) == killed);
    QVERIFY(QFileInfo::exists(lockPath));
    // each copy sets its own entries one by one, saving after each
    auto copy = [&program](int first) {
        const ScoreFile file(program.path(), QString());
        ScoreBook book = file.load();
        for (int i = first; i < ScoreCount; i += 2) {
            book.at(i) = static_cast<qint16>(i + 1);
            file.save(book);
        }
    };
    std::thread a(copy, 0), b(copy, 1);
    a.join();
    b.join();
    QList<int> all(ScoreCount);
    std::iota(all.begin(), all.end(), 1);
    QCOMPARE(values(ScoreFile(program.path(), QString()).load()), all);
    QVERIFY(!QFileInfo::exists(lockPath));  // the dead copy's lock was taken over, then let go
}

QTEST_GUILESS_MAIN(TestScoreFile)
#include "tst_score_file.moc"
