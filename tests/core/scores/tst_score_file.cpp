// The score file's bytes, the forgiving reader, the fallback to the user's data folder, and the
// rule that decides which entry a win beats.
#include "core/scores/score_file.h"
#include "core/scores/score_rules.h"
#include "file_size_limit.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

static const QByteArray EmptyLine(" 9999 \r\n");
using Win = std::array<int, 4>;

// The leading entries as given, then 9999.
static ScoreBook bookOf(const QList<int> &numbers)
{
    ScoreBook book = ScoreBook::empty();
    for (int i = 0; i < numbers.size(); ++i)
        book.at(i) = static_cast<qint16>(numbers[i]);
    return book;
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
        QTest::newRow("signs") << QByteArray("-12 +12 - -- +-4 4- 4-2")
                               << QList<int>{-12, 12, 9999, 9999, 9999, 9999, 9999};
        QTest::newRow("16-bit edges")
            << QByteArray("32767 -32768 -0 007 32768 -32769 99999999999999999999 6")
            << QList<int>{32767, -32768, 0, 7, 9999, 9999, 9999, 6};
        QTest::newRow("not integers")
            << QByteArray("1.5 1e3 0x10 &H10 2") << QList<int>{9999, 9999, 9999, 9999, 2};
        QTest::newRow("NUL and high bytes") << QByteArray("\0\xff 5", 4) << QList<int>{9999, 5};
        QTest::newRow("four megabytes of 1s")
            << QByteArray(" 1 \r\n").repeated(1 << 20) << QList<int>(35, 1);
        QTest::newRow("four megabytes of x") << QByteArray(4 << 20, 'x') << QList<int>{};
        QTest::newRow("more than 35") << EmptyLine.repeated(34) + " 1 \r\n 2 \r\n"
                                      << (QList<int>(34, 9999) << 1);
    }
    void readsBadFilesAsFarAsTheyGo()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<int>, leading);
        QBuffer file(&text);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        QCOMPARE(readScores(file), bookOf(leading));
        // a huge file is never read whole: reading stops at the last entry, or after a megabyte
        QVERIFY2(file.pos() <= (leading.size() == ScoreCount ? 4096 : 1 << 20),
                 QByteArray::number(file.pos()));
    }

    // A writable program folder with a pipe named Hsl.hsf: not read, replaced. A read-only one with
    // an older shipped file: saved in the user's data folder. (A folder of that name:
    // TestTopScores.)
    void savesWhereItCanAndReadsItBack()
    {
        for (const bool shipped : {false, true}) {
            QTemporaryDir base;
            const QString program = base.filePath("program"),
                          user = base.filePath("share/Orvane.Works/Tessary");
            QVERIFY(QDir().mkpath(program));
            QFile old(program + "/Hsl.hsf");
            if (shipped)
                QVERIFY(old.open(QIODevice::WriteOnly) && old.write(" 50 \r\n")
                        && old.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                           QFileDevice::FileModificationTime));
            else
                QCOMPARE(::mkfifo(QFile::encodeName(old.fileName()).constData(), 0600), 0);
            old.close();
            const ScoreFile file(program, user, [shipped](const QString &f) {
                return !shipped && folderWritable(f);
            });
            const QString expected = (shipped ? user : program) + "/Hsl.hsf";
            // braces keep the order: asked before reading, as a pipe with no writer would never
            // answer
            QCOMPARE((std::pair{file.exists(), file.load().NumberScores[0]}),
                     (std::pair{shipped, qint16(shipped ? 50 : 9999)}));
            ScoreBook book = bookOf({0, -32768});
            // one line per entry, a blank or "-" in the sign's place
            QCOMPARE((std::pair{file.save(book).writtenTo, fileBytes(expected)}),
                     (std::pair{expected, " 0 \r\n-32768 \r\n" + EmptyLine.repeated(33)}));
            // the temporary file was renamed into place: nothing else lies beside it
            QCOMPARE(QDir(QFileInfo(expected).path())
                         .entryList(QDir::Files | QDir::Hidden | QDir::System),
                     QStringList{"Hsl.hsf"});
            // the next run finds the record there
            QCOMPARE(std::pair(QFileInfo::exists(user), file.readPath()),
                     std::pair(shipped, expected));
        }
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
            QCOMPARE(std::pair(result.ok(), result.tried),
                     std::pair(false, QStringList{path, user.filePath("share/Hsl.hsf")}));
            QCOMPARE(fileBytes(path), records);
            QCOMPARE(QDir(program.path()).entryList(QDir::Files | QDir::Hidden),
                     QStringList{"Hsl.hsf"});
            // with room again, the record kept in memory goes in whole beside the file's own
            QCOMPARE(file.save(book).writtenTo, path);
            QCOMPARE(fileBytes(path), " 30 \r\n" + EmptyLine.repeated(33) + " 7 \r\n");
        }
    }

    void twoCopiesKeepEachOthersRecords_data()
    {
        // copy, board, clicks; "!" record saved at once, "-" none, "+" record saved at that copy's
        // "." later
        QTest::addColumn<QString>("wins");
        QTest::addColumn<QList<int>>("numbers"); // the Numbers list in the file afterwards
        QTest::newRow("worse after the other's better") << "A3:24! B3:28-" << QList<int>{24};
        QTest::newRow("better after the other's") << "A3:24! B3:20!" << QList<int>{20};
        QTest::newRow("a tie keeps the other's") << "B3:24! A3:24-" << QList<int>{24};
        QTest::newRow("other boards")
            << "B4:28! A3:24! B7:90! A4:27!" << QList<int>{24, 27, 9999, 9999, 90};
        QTest::newRow("while the messages show")
            << "A3:24+ A5:30+ B3:22! B4:28! A." << QList<int>{22, 28, 30};
    }
    // Two copies of the game started on one folder, each with the file as it was at its start.
    void twoCopiesKeepEachOthersRecords()
    {
        QFETCH(QString, wins);
        QFETCH(QList<int>, numbers);
        for (const bool fallback : {false, true}) { // the user's data folder keeps its copy alike
            QTemporaryDir program, user;
            const QString path = (fallback ? user : program).filePath("Hsl.hsf");
            ScoreFile::WritableCheck check = [fallback](const QString &f) {
                return !fallback && folderWritable(f);
            };
            const ScoreFile files[] = {{program.path(), user.path(), check},
                                       {program.path(), user.path(), check}};
            ScoreBook books[] = {files[0].load(), files[1].load()};
            for (const QString &win : wins.split(' ')) {
                const int copy = win[0] == 'B';
                const QChar mark = win.back();
                const QByteArray before = fileBytes(path);
                if (mark != '.')
                    QCOMPARE(recordTopScore(books[copy], files[copy], -1, win[1].digitValue(),
                                            win.mid(3).chopped(1).toInt()),
                             mark != '-');
                if (mark == '!' || mark == '.')
                    QCOMPARE(files[copy].save(books[copy]).writtenTo, path);
                QCOMPARE(fileBytes(path),
                         mark == '!' || mark == '.' ? scoreFileBytes(books[copy]) : before);
            }
            QCOMPARE(fileBytes(path), scoreFileBytes(bookOf(numbers)));
            QCOMPARE(QDir(program.path()).entryList(QDir::Files | QDir::Hidden),
                     fallback ? QStringList() : QStringList{"Hsl.hsf"});
        }
    }

    // Two copies save at the same moment, just after a third died while it held the lock.
    void simultaneousSavesKeepEveryRecord()
    {
        QTemporaryDir program;
        const QString lockPath = program.filePath("Hsl.hsf.lock");
        const pid_t killed = fork();
        if (killed == 0)
            QLockFile(lockPath).tryLock(0), raise(SIGKILL);
        QVERIFY(killed > 0 && waitpid(killed, nullptr, 0) == killed);
        // each copy sets its own entries one by one, saving after each
        auto copy = [&program](int first) {
            const ScoreFile file(program.path(), QString());
            ScoreBook book = file.load();
            for (int i = first; i < ScoreCount; i += 2)
                book.at(i) = static_cast<qint16>(i + 1), file.save(book);
        };
        std::thread a(copy, 0), b(copy, 1);
        a.join(), b.join();
        const ScoreBook saved = ScoreFile(program.path(), QString()).load();
        for (int i = 0; i < ScoreCount; ++i)
            QCOMPARE(saved.at(i), qint16(i + 1));
        QVERIFY(!QFileInfo::exists(lockPath)); // the dead copy's lock was taken over, then let go
    }

    // Which entry a win ranks under, and when it beats that entry; records elsewhere stay as they
    // are.
    void onlyTheBoardsEntryChanges_data()
    {
        // skill, n, clicks against 40 in every entry but 4x4 Numbers (empty), the entry changed: 0
        // .. 34, -1 for none
        QTest::addColumn<Win>("win");
        QTest::newRow("4x4 Numbers, empty") << Win{-1, 4, 10, 1};
        QTest::newRow("9999 on an empty entry") << Win{-1, 4, 9999, -1};
        QTest::newRow("negative") << Win{-1, 4, -1, -1};
        QTest::newRow("3x3 Leaf, better") << Win{1, 3, 39, 5};
        QTest::newRow("3x3 Leaf, a tie keeps the record") << Win{1, 3, 40, -1};
        QTest::newRow("3x3 Leaf, worse") << Win{1, 3, 41, -1};
        QTest::newRow("4x4 Flower in 0") << Win{3, 4, 0, 16};
        QTest::newRow("7x7 Cow") << Win{6, 7, 39, 34};
        QTest::newRow("custom picture (0)") << Win{0, 4, 10, -1};
        QTest::newRow("skill 7") << Win{7, 4, 10, -1};
        QTest::newRow("2x2 board") << Win{-1, 2, 10, -1};
        QTest::newRow("8x8 board") << Win{5, 8, 10, -1};
    }
    void onlyTheBoardsEntryChanges()
    {
        QFETCH(Win, win);
        const auto [skill, n, clicks, changed] = win;
        ScoreBook book = bookOf(QList<int>{40, EmptyScore} + QList<int>(33, 40));
        ScoreBook expected = book;
        if (changed >= 0)
            expected.at(changed) = static_cast<qint16>(clicks);
        QCOMPARE(recordTopScore(book, skill, n, clicks), changed >= 0);
        QCOMPARE(book, expected);
    }
};

QTEST_GUILESS_MAIN(TestScoreFile)
#include "tst_score_file.moc"
