// Form1's top scores: where the file is read and saved from start-up on, and the Top Scores dialog.
#include "app.h"
#include "scores/score_file.h"
#include "scores/top_scores_dialog.h"
#include "support/file_size_limit.h"

#include <QGroupBox>
#include <QLabel>

static const QByteArray EmptyLine(" 9999 \r\n");
static const QString Record("You got a new top score for this board!");

// On a fresh 4x4 board New Game takes the empty cell to the top of the last column; `detours`
// row slides there and back, then the column slides up: a win in 2 * detours + 1 clicks.
static void win(Form1 &w, int detours)
{
    w.FourbyFour_Click();
    w.NewGame_Click();
    for (int i = 0; i < detours; ++i)
        w.cellClicked(0, 0), w.cellClicked(0, 3);
    w.cellClicked(3, 3);
    QVERIFY(w.Winner());
}

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
        QTest::addColumn<int>("numbers3x3");  // as read at start
        QTest::addColumn<bool>("inUser");     // the file is kept in the user's data folder
        QTest::addColumn<QByteArray>("started");  // the file as start-up leaves it
        const QByteArray commas = "57" + QByteArray(",9999").repeated(34);
        QTest::newRow("no file yet") << QByteArray("<none>") << 9999 << false << EmptyLine.repeated(35);
        QTest::newRow("comma form, kept as it is") << commas << 57 << false << commas;
        QTest::newRow("a folder named Hsl.hsf") << QByteArray("<folder>") << 9999 << true << EmptyLine.repeated(35);
        QTest::newRow("program folder under a regular file") << QByteArray("<plain>") << 9999 << true << EmptyLine.repeated(35);
        QTest::newRow("home under a regular file too") << QByteArray("<nowhere>") << 9999 << true << QByteArray();
    }
    // A record is saved after its message is closed; with nowhere to save, the player is told once
    // where it was tried, and the records last in memory for the run.
    void savedWhereItCanBe()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, numbers3x3);
        QFETCH(bool, inUser);
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
        const QString path = inUser ? userScoreFolder() + "/Hsl.hsf" : fakes.folder.filePath("Hsl.hsf");
        QCOMPARE(w.scores().NumberScores[0], qint16(numbers3x3));
        QCOMPARE(fileBytes(path), started);
        QCOMPARE(fileBytes(inUser ? fakes.folder.filePath("Hsl.hsf") : userScoreFolder() + "/Hsl.hsf"), QByteArray());
        const qsizetype told = file == "<nowhere>" ? 1 : 0;
        QCOMPARE(fakes.messages.shown.size(), told);
        const QString message = fakes.messages.shown.value(0);
        QVERIFY(!told || (message.startsWith("The top scores cannot be saved") && message.contains(platform.programFolder + "/Hsl.hsf")
                          && message.contains(fakes.folder.filePath("plain/home"))));
        QByteArray whileShown;
        fakes.messages.onShow = [&](const QString &) { whileShown = fileBytes(path); };
        const QByteArray first = numbers3x3 == 9999 ? EmptyLine : " 57 \r\n";
        const auto saved = [&](int clicks) { return told ? started : first + ' ' + QByteArray::number(clicks) + " \r\n" + EmptyLine.repeated(33); };
        win(w, 1);
        QCOMPARE(whileShown, started);
        QCOMPARE(fileBytes(path), saved(3));
        win(w, 0);
        QCOMPARE(whileShown, saved(3));
        QCOMPARE(fileBytes(path), saved(1));
        QCOMPARE(fakes.messages.shown.mid(told), QStringList({Record, Record}));
        QCOMPARE(w.scores().NumberScores[1], qint16(1));
    }

    void dialogShowsTheChosenList_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("scores");  // 3x3 to 7x7
        const QString numbers = "Empty 87 Empty Empty Empty", none = "Empty Empty Empty Empty Empty";
        QTest::newRow("as opened") << QStringList{} << "NUMBERS" << numbers;
        QTest::newRow("no picture while Numbers is chosen") << QStringList{"Option12"} << "NUMBERS" << numbers;
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
