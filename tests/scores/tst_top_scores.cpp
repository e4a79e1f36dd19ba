// Form1's top scores: the file at start-up, the record after a win, and the Top Scores dialog.
#include "board/main_window.h"
#include "scores/score_file.h"
#include "scores/top_scores_dialog.h"
#include "score_test_support.h"
#include "support/fakes.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

class TestTopScores : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void startUpReadsOrCreatesTheFile_data();
    void startUpReadsOrCreatesTheFile();
    void onlyARecordIsAnnouncedAndSaved();
    void aFolderThatCannotBeWritten_data();
    void aFolderThatCannotBeWritten();
    void dialogShowsTheChosenList();

private:
    QString userFile() const { return userScoreFolder() + "/Hsl.hsf"; }
    // On a fresh 4x4 board New Game takes the empty cell to the top of the last column; `detours`
    // row slides there and back, then the column slides up: a win in 2 * detours + 1 clicks.
    static void win(Form1 &w, int detours)
    {
        w.FourbyFour_Click();
        w.NewGame_Click();
        for (int i = 0; i < detours; ++i) {
            w.cellClicked(0, 0);
            w.cellClicked(0, 3);
        }
        w.cellClicked(3, 3);
        QVERIFY(w.Winner());
    }
    QTemporaryDir m_home;
};

void TestTopScores::initTestCase()
{
    // the user's data folder of this run lives in a temporary home of its own
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(userScoreFolder().startsWith(m_home.path()));
}

void TestTopScores::init()
{
    QDir(userScoreFolder()).removeRecursively();
}

void TestTopScores::startUpReadsOrCreatesTheFile_data()
{
    QTest::addColumn<QByteArray>("file");     // "<none>": no file; "<folder>": a folder of that name
    QTest::addColumn<int>("numbers3x3");
    QTest::addColumn<QByteArray>("after");    // the program folder's file after start-up
    QByteArray commas = "57";
    for (int i = 1; i < 35; ++i)
        commas += ",9999";
    QTest::newRow("first run") << QByteArray("<none>") << 9999 << EmptyLine.repeated(35);
    QTest::newRow("line 1 holds 57") << " 57 \r\n" + EmptyLine.repeated(34) << 57 << " 57 \r\n" + EmptyLine.repeated(34);
    QTest::newRow("comma form, kept as it is") << commas << 57 << commas;
    QTest::newRow("empty file, kept as it is") << QByteArray() << 9999 << QByteArray();
    QTest::newRow("words") << QByteArray("top scores\r\n") << 9999 << QByteArray("top scores\r\n");
    QTest::newRow("a folder named Hsl.hsf") << QByteArray("<folder>") << 9999 << QByteArray();
}

void TestTopScores::startUpReadsOrCreatesTheFile()
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
    w.FourbyFour_Click();
    QCOMPARE(w.scores().NumberScores[0], qint16(numbers3x3));
    QCOMPARE(w.scores().CowScores[4], EmptyScore);
    QCOMPARE(fileBytes(path), after);
    // only a folder in the way sends the file to the user's data folder
    QCOMPARE(fileBytes(userFile()), file == "<folder>" ? EmptyLine.repeated(35) : QByteArray());
    QVERIFY(fakes.messages.shown.isEmpty());
}

// A record is saved after the message is closed; a tie with the record is no record.
void TestTopScores::onlyARecordIsAnnouncedAndSaved()
{
    Fakes fakes;
    const QString path = fakes.folder.filePath("Hsl.hsf");
    Form1 w(fakes.platform());
    w.Form_Load();
    w.FourbyFour_Click();
    QByteArray whileShown;
    fakes.messages.onShow = [&](const QString &) { whileShown = fileBytes(path); };
    win(w, 1);
    QCOMPARE(fakes.messages.shown, QStringList{"You got a new top score for this board!"});
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

void TestTopScores::aFolderThatCannotBeWritten_data()
{
    QTest::addColumn<bool>("homeWritable");
    QTest::newRow("program folder under a regular file") << true;
    QTest::newRow("home under a regular file too") << false;
}

void TestTopScores::aFolderThatCannotBeWritten()
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
    w.FourbyFour_Click();
    QCOMPARE(fileBytes(userFile()), homeWritable ? EmptyLine.repeated(35) : QByteArray());
    QCOMPARE(fakes.messages.shown.size(), homeWritable ? 0 : 1);
    if (!homeWritable) {
        QVERIFY(fakes.messages.shown[0].startsWith("The top scores cannot be saved"));
        QVERIFY(fakes.messages.shown[0].contains(platform.programFolder + "/Hsl.hsf"));
        QVERIFY(fakes.messages.shown[0].contains(fakes.folder.filePath("plain/home")));
    }
    win(w, 1);
    win(w, 0);
    // told once; the record stays in memory for the run either way
    QCOMPARE(fakes.messages.shown.mid(homeWritable ? 0 : 1),
             QStringList(2, "You got a new top score for this board!"));
    QCOMPARE(w.scores().NumberScores[1], qint16(1));
    QCOMPARE(fileBytes(userFile()), homeWritable ? EmptyLine + " 1 \r\n" + EmptyLine.repeated(33) : QByteArray());
}

// Fresh at every opening: Numbers, with Leaf chosen among the pictures that cannot be clicked.
void TestTopScores::dialogShowsTheChosenList()
{
    Fakes fakes;
    QByteArray file = EmptyLine + " 87 \r\n" + EmptyLine.repeated(28) + "-3 \r\n" + EmptyLine + " 250 \r\n" + EmptyLine + " 1 \r\n";
    Form1 w(fakes.platform());
    w.Form_Load();
    writeFile(fakes.folder.filePath("Hsl.hsf"), file);  // by another copy of the game, since this one started
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
        auto lines = [list] {
            QStringList out;
            for (int i = 0; i < list->count(); ++i)
                out << list->item(i)->text();
            return out;
        };
        QCOMPARE(label->text(), QString("NUMBERS"));
        QCOMPARE(lines(), numbers);
        QVERIFY(!frame2->isEnabled() && !list->isEnabled());
        QVERIFY(dialog->findChild<QRadioButton *>("Option6")->isChecked());
        click(picture);  // not clickable while Numbers is chosen
        QCOMPARE(lines(), numbers);
        click("OptPict");
        QVERIFY(frame2->isEnabled());
        QCOMPARE(label->text(), QString("PICTURES - Leaf"));
        click(picture);
        if (QByteArray(picture) == "Option12")
            QCOMPARE(lines(), (QStringList{"3x3..........-3", "4x4..........Empty", "5x5..........250",
                                           "6x6..........Empty", "7x7..........1"}));
        else
            QCOMPARE(label->text(), QString("PICTURES - Door"));
        click("OptNum");
        QCOMPARE(lines(), numbers);
        QVERIFY(!frame2->isEnabled());
        click("Command2");
        QTRY_VERIFY(!dialog);
    }
}

QTEST_MAIN(TestTopScores)
#include "tst_top_scores.moc"
