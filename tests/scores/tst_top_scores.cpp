// Form1's top scores: the file at start-up, the record after a win, and the Top Scores dialog.
#include "board/main_window.h"
#include "scores/score_file.h"
#include "scores/top_scores_dialog.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QStandardPaths>

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
    QString userFile() const { return userScoreFolder() + "/Hsl.hsf"; }

private slots:
    void initTestCase()
    {
        // the user's data folder of this run lives in a temporary home of its own
        qputenv("HOME", QFile::encodeName(m_home.path()));
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(userScoreFolder().startsWith(m_home.path()));
    }
    void init() { QDir(userScoreFolder()).removeRecursively(); }

    void startUpReadsOrCreatesTheFile_data()
    {
        QTest::addColumn<QByteArray>("file");  // "<none>": no file; "<folder>": a folder of that name
        QTest::addColumn<int>("numbers3x3");
        QTest::addColumn<QByteArray>("after");  // the program folder's file after start-up
        const QByteArray commas = "57" + QByteArray(",9999").repeated(34);
        QTest::newRow("first run") << QByteArray("<none>") << 9999 << EmptyLine.repeated(35);
        QTest::newRow("comma form, kept as it is") << commas << 57 << commas;
        QTest::newRow("empty file, kept as it is") << QByteArray() << 9999 << QByteArray();
        QTest::newRow("a folder named Hsl.hsf") << QByteArray("<folder>") << 9999 << QByteArray();
    }
    void startUpReadsOrCreatesTheFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, numbers3x3);
        QFETCH(QByteArray, after);
        Fakes fakes;
        const QString path = fakes.folder.filePath("Hsl.hsf");
        if (file == "<folder>")
            QVERIFY(QDir().mkpath(path));
        else if (file != "<none>")
            writeFile(path, file);
        Form1 w(fakes.platform());
        w.Form_Load();
        QCOMPARE(w.scores().NumberScores[0], qint16(numbers3x3));
        QCOMPARE(fileBytes(path), after);
        // only a folder in the way sends the file to the user's data folder
        QCOMPARE(fileBytes(userFile()), file == "<folder>" ? EmptyLine.repeated(35) : QByteArray());
        QVERIFY(fakes.messages.shown.isEmpty());
    }

    // A record is saved after the message is closed; a tie with the record is no record.
    void onlyARecordIsAnnouncedAndSaved()
    {
        Fakes fakes;
        const QString path = fakes.folder.filePath("Hsl.hsf");
        Form1 w(fakes.platform());
        w.Form_Load();
        QByteArray whileShown;
        fakes.messages.onShow = [&](const QString &) { whileShown = fileBytes(path); };
        win(w, 1);
        QCOMPARE(fakes.messages.shown, QStringList{Record});
        QCOMPARE(whileShown, EmptyLine.repeated(35));
        QCOMPARE(fileBytes(path), EmptyLine + " 3 \r\n" + EmptyLine.repeated(33));
        QVERIFY(QFile::remove(path));  // so that any write shows
        win(w, 1);
        win(w, 2);
        QCOMPARE(fakes.messages.shown.size(), 1);
        QVERIFY(!QFile::exists(path));
        // meanwhile another copy of the game has saved 4x4 in 1 click, in a form any rewrite would change
        const QByteArray other = "9999,1" + QByteArray(",9999").repeated(33);
        writeFile(path, other);
        win(w, 0);
        QCOMPARE(fakes.messages.shown.size(), 1);
        QCOMPARE(fileBytes(path), other);
    }

    void aFolderThatCannotBeWritten_data()
    {
        QTest::addColumn<bool>("homeWritable");
        QTest::newRow("program folder under a regular file") << true;
        QTest::newRow("home under a regular file too") << false;
    }
    void aFolderThatCannotBeWritten()
    {
        QFETCH(bool, homeWritable);
        Fakes fakes;
        writeFile(fakes.folder.filePath("plain"), "not a folder");
        const QByteArray home = qgetenv("HOME");
        if (!homeWritable)
            qputenv("HOME", QFile::encodeName(fakes.folder.filePath("plain/home")));
        Platform platform = fakes.platform();
        platform.programFolder = fakes.folder.filePath("plain/program");
        Form1 w(platform);
        qputenv("HOME", home);
        w.Form_Load();
        QCOMPARE(fileBytes(userFile()), homeWritable ? EmptyLine.repeated(35) : QByteArray());
        QStringList told;
        if (!homeWritable) {
            QCOMPARE(fakes.messages.shown.size(), 1);
            QVERIFY(fakes.messages.shown[0].startsWith("The top scores cannot be saved"));
            QVERIFY(fakes.messages.shown[0].contains(platform.programFolder + "/Hsl.hsf"));
            QVERIFY(fakes.messages.shown[0].contains(fakes.folder.filePath("plain/home")));
            told << fakes.messages.shown[0];
        }
        win(w, 1);
        win(w, 0);
        // told once; the record stays in memory for the run either way
        QCOMPARE(fakes.messages.shown, told << Record << Record);
        QCOMPARE(w.scores().NumberScores[1], qint16(1));
        QCOMPARE(fileBytes(userFile()), homeWritable ? EmptyLine + " 1 \r\n" + EmptyLine.repeated(33) : QByteArray());
    }

    // Fresh at every opening: Numbers, with Leaf chosen among the pictures that cannot be clicked.
    void dialogShowsTheChosenList()
    {
        Fakes fakes;
        Form1 w(fakes.platform());
        w.Form_Load();
        // by another copy of the game, since this one started: 4x4 Numbers, then 3x3, 5x5 and 7x7 Cow
        writeFile(fakes.folder.filePath("Hsl.hsf"), EmptyLine + " 87 \r\n" + EmptyLine.repeated(28) + "-3 \r\n"
                                                        + EmptyLine + " 250 \r\n" + EmptyLine + " 1 \r\n");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QStringList numbers{"3x3..........Empty", "4x4..........87", "5x5..........Empty",
                                  "6x6..........Empty", "7x7..........Empty"};
        for (const char *picture : {"Option12", "Option9"}) {
            w.menuEntry("TopScores")->trigger();
            QPointer<TopScoresFrm> dialog = w.findChild<TopScoresFrm *>();
            QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
            QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
            auto click = [&](const char *name) { QTest::mouseClick(dialog->findChild<QWidget *>(name), Qt::LeftButton); };
            auto *list = dialog->findChild<QListWidget *>("List1");
            auto *label = dialog->findChild<QLabel *>("Label1");
            auto *frame2 = dialog->findChild<QGroupBox *>("Frame2");
            auto shows = [&](const QString &title, const QStringList &lines) {
                QStringList out;
                for (int i = 0; i < list->count(); ++i)
                    out << list->item(i)->text();
                return label->text() == title && out == lines;
            };
            QVERIFY(shows("NUMBERS", numbers) && !frame2->isEnabled() && !list->isEnabled());
            QVERIFY(dialog->findChild<QRadioButton *>("Option6")->isChecked());
            click(picture);  // not clickable while Numbers is chosen
            QVERIFY(shows("NUMBERS", numbers));
            click("OptPict");
            QVERIFY(frame2->isEnabled() && label->text() == "PICTURES - Leaf");
            click(picture);
            if (QByteArray(picture) == "Option12")
                QVERIFY(shows("PICTURES - Cow", {"3x3..........-3", "4x4..........Empty", "5x5..........250",
                                                 "6x6..........Empty", "7x7..........1"}));
            else
                QCOMPARE(label->text(), QString("PICTURES - Door"));
            click("OptNum");
            QVERIFY(shows("NUMBERS", numbers) && !frame2->isEnabled());
            click("Command2");
            QTRY_VERIFY(!dialog);
        }
    }
};

QTEST_MAIN(TestTopScores)
#include "tst_top_scores.moc"
