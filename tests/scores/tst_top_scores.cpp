// Form1's top scores: where the file is read and saved from start-up on, and the Top Scores dialog.
#include "app.h"
#include "scores/score_file.h"
#include "scores/top_scores_dialog.h"
#include "support/file_size_limit.h"

#include <QGroupBox>
#include <QLabel>

static const QByteArray EmptyLine(" 9999 \r\n");
static const QByteArray Commas = "57" + QByteArray(",9999").repeated(34);
static const QString Record("You got a new top score for this board!");

class TestTopScores : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        // the user's data folder of this run lives in a temporary home of its own
        qputenv("HOME", QFile::encodeName(m_home.path()));
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(userScoreFolder().startsWith(m_home.path()));
    }
    void init() { QDir(userScoreFolder()).removeRecursively(); }

    void savedWhereItCanBe_data()
    {
        // in the program folder at start: no file, a folder of that name, the folder itself under a
        // regular file (with the home too: nowhere to save), or the file's bytes
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("started");  // the file as start-up leaves it, where it is kept
        QTest::newRow("no file yet") << QByteArray("<none>") << EmptyLine.repeated(35);
        QTest::newRow("comma form, kept as it is") << Commas << Commas;
        QTest::newRow("a folder named Hsl.hsf: the user's data folder") << QByteArray("<folder>") << EmptyLine.repeated(35);
        QTest::newRow("program folder under a regular file: the user's") << QByteArray("<plain>") << EmptyLine.repeated(35);
        QTest::newRow("home under a regular file too") << QByteArray("<nowhere>") << QByteArray();
    }
    // A record is saved after its message is closed; with nowhere to save, the player is told once
    // where it was tried (not again at the record), and the records last in memory for the run.
    void savedWhereItCanBe()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, started);
        Fakes fakes;
        Platform platform = fakes.platform();
        const QByteArray home = qgetenv("HOME");
        if (file == "<plain>" || file == "<nowhere>") {
            writeFile(fakes.folder.filePath("plain"), "not a folder");
            platform.programFolder = fakes.folder.filePath("plain/program");
            if (file == "<nowhere>")
                qputenv("HOME", QFile::encodeName(fakes.folder.filePath("plain/home")));
        } else if (file == "<folder>") {
            QVERIFY(QDir().mkpath(fakes.folder.filePath("Hsl.hsf")));
        } else if (file != "<none>") {
            writeFile(fakes.folder.filePath("Hsl.hsf"), file);
        }
        Form1 w(platform);
        qputenv("HOME", home);
        w.Form_Load();
        const bool inUser = file.startsWith('<') && file != "<none>";
        const QString path = inUser ? userScoreFolder() + "/Hsl.hsf" : fakes.folder.filePath("Hsl.hsf");
        QCOMPARE(w.scores().NumberScores[0], qint16(file == Commas ? 57 : 9999));
        QCOMPARE(fileBytes(path), started);
        QCOMPARE(fileBytes(inUser ? fakes.folder.filePath("Hsl.hsf") : userScoreFolder() + "/Hsl.hsf"), QByteArray());
        const qsizetype told = file == "<nowhere>" ? 1 : 0;
        QCOMPARE(fakes.messages.shown.size(), told);
        const QString message = fakes.messages.shown.value(0);
        QVERIFY(!told || (message.startsWith("The top scores cannot be saved") && message.contains(platform.programFolder + "/Hsl.hsf")
                          && message.contains(fakes.folder.filePath("plain/home"))));
        QByteArray whileShown;
        fakes.messages.onShow = [&](const QString &) { whileShown = fileBytes(path); };
        w.FourbyFour_Click();
        w.NewGame_Click();
        w.cellClicked(3, 3);  // New Game took the empty cell to the top of that column: won in one click
        QCOMPARE(fakes.messages.shown.mid(told), QStringList{Record});
        QCOMPARE(whileShown, started);
        const QByteArray first = file == Commas ? " 57 \r\n" : EmptyLine;
        QCOMPARE(fileBytes(path), told ? started : first + " 1 \r\n" + EmptyLine.repeated(33));
        QCOMPARE(w.scores().NumberScores[1], qint16(1));
    }

    void dialogShowsTheChosenList_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("scores");  // 3x3 to 7x7
        const QString numbers = "Empty 87 Empty Empty Empty", none = "Empty Empty Empty Empty Empty";
        QTest::newRow("as opened") << QStringList{} << "NUMBERS" << numbers;
        QTest::newRow("Pictures: Leaf") << QStringList{"OptPict"} << "PICTURES - Leaf" << none;
        QTest::newRow("Cow") << QStringList{"OptPict", "Option12"} << "PICTURES - Cow" << "-3 Empty 250 Empty 1";
        QTest::newRow("Door") << QStringList{"OptPict", "Option9"} << "PICTURES - Door" << none;
        QTest::newRow("Cow, then Numbers") << QStringList{"OptPict", "Option12", "OptNum"} << "NUMBERS" << numbers;
    }
    // The file as it is at each opening; the next opening starts at Numbers again.
    void dialogShowsTheChosenList()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, title);
        QFETCH(QString, scores);
        App app;
        // by another copy of the game, since this one started: 4x4 Numbers, then 3x3, 5x5 and 7x7 Cow
        writeFile(app.fakes.folder.filePath("Hsl.hsf"), EmptyLine + " 87 \r\n" + EmptyLine.repeated(28) + "-3 \r\n"
                                                            + EmptyLine + " 250 \r\n" + EmptyLine + " 1 \r\n");
        for (const bool again : {false, true}) {
            app.entry("TopScores");
            QPointer<TopScoresFrm> dialog = app.window<TopScoresFrm>();
            QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
            QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
            for (const QString &name : again ? QStringList() : clicks)
                press(dialog->findChild<QWidget *>(name));
            const QStringList values = (again ? QString("Empty 87 Empty Empty Empty") : scores).split(' ');
            auto *list = dialog->findChild<QListWidget *>("List1");
            QStringList shown, expected;
            for (int i = 0; i < list->count(); ++i)
                shown << list->item(i)->text(), expected << QStringLiteral("%1x%1..........%2").arg(i + 3).arg(values.value(i));
            QCOMPARE(list->count(), 5);
            QCOMPARE(shown, expected);
            QCOMPARE(dialog->findChild<QLabel *>("Label1")->text(), again ? "NUMBERS" : title);
            QCOMPARE(dialog->findChild<QGroupBox *>("Frame2")->isEnabled(), !again && title.startsWith("PICTURES"));
            QVERIFY(!list->isEnabled());
            press(dialog->findChild<QWidget *>("Command2"));
            QTRY_VERIFY(!dialog);
        }
    }
};

QTEST_MAIN(TestTopScores)
#include "tst_top_scores.moc"
