// Form1's top scores: where the file is read and saved from start-up on, and the Top Scores dialog.
#include "app.h"
#include "scores/score_file.h"
#include "scores/top_scores_dialog.h"
#include "support/file_size_limit.h"


static const QByteArray EmptyLine(" 9999 \r\n");
static const QByteArray Commas = "57" + QByteArray(",9999").repeated(34);

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
        // in the program folder at start: no file, a folder of that name, nowhere to save (the program
        // folder and the home under a regular file), or the file's bytes
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("started");  // the file as start-up leaves it, where it is kept
        QTest::newRow("no file yet") << QByteArray("<none>") << EmptyLine.repeated(35);
        QTest::newRow("comma form, kept as it is") << Commas << Commas;
        QTest::newRow("a folder named Hsl.hsf: the user's data folder") << QByteArray("<folder>") << EmptyLine.repeated(35);
        QTest::newRow("program folder and home under a regular file") << QByteArray("<nowhere>") << QByteArray();
    }
    // A record is saved after its message is closed; with nowhere to save, the player is told once
    // where it was tried (not again at the record), and the records last in memory for the run.
    void savedWhereItCanBe()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, started);
        Fakes fakes;
        Platform platform = fakes.platform();
        if (file == "<folder>")
            QVERIFY(QDir().mkpath(fakes.folder.filePath("Hsl.hsf")));
        else if (!file.startsWith('<'))
            writeFile(fakes.folder.filePath("Hsl.hsf"), file);
        if (file == "<nowhere>") {
            writeFile(fakes.folder.filePath("plain"), "not a folder");
            platform.programFolder = fakes.folder.filePath("plain/program");
            qputenv("HOME", QFile::encodeName(fakes.folder.filePath("plain/home")));
        }
        Form1 w(platform);
        qputenv("HOME", QFile::encodeName(m_home.path()));
        w.Form_Load();
        const bool inUser = file.startsWith('<') && file != "<none>";
        const QString path = inUser ? userScoreFolder() + "/Hsl.hsf" : fakes.folder.filePath("Hsl.hsf");
        QCOMPARE(std::pair(w.scores().NumberScores[0], fileBytes(path)), std::pair(qint16(file == Commas ? 57 : 9999), started));
        QCOMPARE(fileBytes(inUser ? fakes.folder.filePath("Hsl.hsf") : userScoreFolder() + "/Hsl.hsf"), QByteArray());
        const qsizetype told = file == "<nowhere>" ? 1 : 0;
        const QString message = fakes.messages.shown.value(0);
        QVERIFY(!told || (message.startsWith("The top scores cannot be saved") && message.contains(platform.programFolder + "/Hsl.hsf")
                          && message.contains(fakes.folder.filePath("plain/home"))));
        QByteArray whileShown;
        fakes.messages.onShow = [&](const QString &) { whileShown = fileBytes(path); };
        w.FourbyFour_Click();
        w.NewGame_Click();
        w.cellClicked(3, 3);  // New Game took the empty cell to the top of that column: won in one click
        QCOMPARE(fakes.messages.shown.mid(told) << whileShown, (QStringList{"You got a new top score for this board!", started}));
        QCOMPARE(fileBytes(path), told ? started : (file == Commas ? " 57 \r\n" : EmptyLine) + " 1 \r\n" + EmptyLine.repeated(33));
        QCOMPARE(w.scores().NumberScores[1], qint16(1));
    }

    void dialogShowsTheChosenList_data()
    {
        QTest::addColumn<QStringList>("clicks");  // after the opening
        QTest::addColumn<QString>("shown");  // the title, then the list's 3x3 to 7x7
        const QString numbers = "NUMBERS: Empty 87 Empty Empty Empty";
        QTest::newRow("as opened") << QStringList{} << numbers;
        QTest::newRow("Pictures: Leaf") << QStringList{"OptPict"} << "PICTURES - Leaf: Empty Empty Empty Empty Empty";
        QTest::newRow("Cow") << QStringList{"OptPict", "Option12"} << "PICTURES - Cow: -3 Empty 250 Empty 1";
        QTest::newRow("Cow, then Numbers") << QStringList{"OptPict", "Option12", "OptNum"} << numbers;
        QTest::newRow("Cow, closed, opened again") << QStringList{"OptPict", "Option12", "Command2", "open"} << numbers;
    }
    // The file as it is at each opening, read afresh by a fresh dialog.
    void dialogShowsTheChosenList()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, shown);
        App app;
        // by another copy of the game, since this one started: 4x4 Numbers, then 3x3, 5x5 and 7x7 Cow
        writeFile(app.fakes.folder.filePath("Hsl.hsf"), EmptyLine + " 87 \r\n" + EmptyLine.repeated(28) + "-3 \r\n"
                                                            + EmptyLine + " 250 \r\n" + EmptyLine + " 1 \r\n");
        QPointer<TopScoresFrm> dialog;
        for (const QString &step : QStringList{"open"} + clicks) {
            if (step != "open") {
                press(dialog->findChild<QWidget *>(step));
                continue;
            }
            QTRY_VERIFY(!dialog);  // the one closed before is gone
            app.entry("TopScores");
            dialog = app.window<TopScoresFrm>();
            QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
            QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        }
        auto *list = dialog->findChild<QListWidget *>("List1");
        QString text = dialog->findChild<QLabel *>("Label1")->text() + ':';
        for (int i = 0; i < list->count(); ++i)  // each line "NxN..........value"
            text += ' ' + list->item(i)->text().remove(QStringLiteral("%1x%1..........").arg(i + 3));
        QCOMPARE(std::pair(text, dialog->findChild<QGroupBox *>("Frame2")->isEnabled()), std::pair(shown, shown.startsWith("PICTURES")));
    }
};

QTEST_MAIN(TestTopScores)
#include "tst_top_scores.moc"
