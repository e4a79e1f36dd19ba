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
    void aWinThroughTheBoardIsSavedAfterTheMessage();
    void onlyARecordIsAnnouncedAndSaved();
    void aFolderThatCannotBeWritten_data();
    void aFolderThatCannotBeWritten();
    void dialogControlsSitAtTheirPlaces();
    void dialogShowsTheChosenList();

private:
    QString userFile() const { return userScoreFolder() + "/Hsl.hsf"; }
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

void TestTopScores::aWinThroughTheBoardIsSavedAfterTheMessage()
{
    Fakes fakes;
    const QString path = fakes.folder.filePath("Hsl.hsf");
    Form1 w(fakes.platform());
    w.Form_Load();
    w.FourbyFour_Click();
    QByteArray whileShown;
    fakes.messages.onShow = [&](const QString &) { whileShown = fileBytes(path); };
    w.cellClicked(3, 2);  // tile 15 slides right ...
    w.cellClicked(3, 3);  // ... and back: solved in 2 clicks
    QCOMPARE(fakes.messages.shown, QStringList{"You got a new top score for this board!"});
    QCOMPARE(whileShown, EmptyLine.repeated(35));
    QCOMPARE(fileBytes(path), EmptyLine + " 2 \r\n" + EmptyLine.repeated(33));
}

void TestTopScores::onlyARecordIsAnnouncedAndSaved()
{
    Fakes fakes;
    const QString path = fakes.folder.filePath("Hsl.hsf");
    Form1 w(fakes.platform());
    w.Form_Load();
    struct Win {
        qint32 skill;
        int n;
        qint32 clicks;
        bool record;
    };
    const Win wins[] = {{-1, 4, 40, true}, {-1, 4, 40, false}, {-1, 4, 39, true}, {-1, 3, 9999, false},
                        {0, 4, 5, false} /* custom picture */, {2, 5, 123, true}};
    qsizetype shown = 0;
    for (const Win &win : wins) {
        const QByteArray before = fileBytes(path);
        QVERIFY(QFile::remove(path));  // so that any write shows
        w.game().SkillLevel = win.skill;
        w.game().LastCol = static_cast<qint16>(win.n - 1);
        w.game().ClickCount = win.clicks;
        w.CheckHighScore();
        shown += win.record;
        QCOMPARE(fakes.messages.shown.size(), shown);
        QCOMPARE(fileBytes(path), win.record ? scoreFileBytes(w.scores()) : QByteArray());
        if (!win.record)
            writeFile(path, before);
    }
    QCOMPARE(fileBytes(path), EmptyLine + " 39 \r\n" + EmptyLine.repeated(10) + " 123 \r\n" + EmptyLine.repeated(22));
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
    QCOMPARE(fileBytes(userFile()), homeWritable ? EmptyLine.repeated(35) : QByteArray());
    QCOMPARE(fakes.messages.shown.size(), homeWritable ? 0 : 1);
    if (!homeWritable) {
        QVERIFY(fakes.messages.shown[0].startsWith("The top scores cannot be saved"));
        QVERIFY(fakes.messages.shown[0].contains(platform.programFolder + "/Hsl.hsf"));
        QVERIFY(fakes.messages.shown[0].contains(fakes.folder.filePath("plain/home")));
    }
    w.game().SkillLevel = -1;
    w.game().LastCol = 2;
    for (int clicks : {30, 20}) {
        w.game().ClickCount = clicks;
        w.CheckHighScore();
    }
    // told once; the record stays in memory for the run either way
    QCOMPARE(fakes.messages.shown.mid(homeWritable ? 0 : 1),
             QStringList(2, "You got a new top score for this board!"));
    QCOMPARE(w.scores().NumberScores[0], qint16(20));
    QCOMPARE(fileBytes(userFile()), homeWritable ? " 20 \r\n" + EmptyLine.repeated(34) : QByteArray());
}

void TestTopScores::dialogControlsSitAtTheirPlaces()
{
    struct Place {
        const char *name;
        QRect twips;
        const char *caption;
    };
    const Place places[] = {
        {"Label1", {120, 120, 3735, 255}, "NUMBERS"},      {"Frame1", {120, 360, 1455, 1095}, "Game Type"},
        {"OptNum", {240, 360, 1095, 255}, "Numbers"},      {"OptPict", {240, 720, 1095, 255}, "Pictures"},
        {"Frame2", {120, 1560, 1455, 1815}, "Skill Level"}, {"Option6", {120, 240, 975, 255}, "Leaf"},
        {"Option7", {120, 480, 1095, 255}, "Rose"},        {"Option8", {120, 720, 1095, 255}, "Flower"},
        {"Option9", {120, 960, 1215, 255}, "Door"},        {"Option10", {120, 1200, 1215, 255}, "Mountain"},
        {"Option12", {120, 1440, 1215, 255}, "Cow"},       {"List1", {1680, 480, 1815, 1560}, ""},
        {"Command2", {1800, 2400, 1575, 375}, "Close"}};
    ScoreBook book = ScoreBook::empty();
    TopScoresFrm dialog(book);
    QCOMPARE(dialog.size(), QSize(3555 / 15, 3480 / 15));
    for (const Place &p : places) {
        QWidget *control = dialog.findChild<QWidget *>(p.name);
        QVERIFY2(control, p.name);
        const QRect &t = p.twips;
        QVERIFY2(control->geometry() == QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15), p.name);
        QCOMPARE(control->property("text").toString() + control->property("title").toString(), QString(p.caption));
    }
}

void TestTopScores::dialogShowsTheChosenList()
{
    Fakes fakes;
    Form1 w(fakes.platform());
    w.Form_Load();
    w.scores().NumberScores[1] = 87;
    w.scores().CowScores = {-3, 9999, 250, 9999, 1};
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QStringList numbers{"3x3..........Empty", "4x4..........87", "5x5..........Empty",
                              "6x6..........Empty", "7x7..........Empty"};
    for (int opening = 0; opening < 2; ++opening) {
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
        // fresh at every opening: Numbers, with Leaf chosen among the pictures that cannot be clicked
        QCOMPARE(label->text(), QString("NUMBERS"));
        QCOMPARE(lines(), numbers);
        QVERIFY(!frame2->isEnabled() && !list->isEnabled() && label->font().bold());
        QVERIFY(dialog->findChild<QRadioButton *>("Option6")->isChecked());
        click("Option12");
        QCOMPARE(lines(), numbers);
        click("OptPict");
        QVERIFY(frame2->isEnabled());
        QCOMPARE(label->text(), QString("PICTURES - Leaf"));
        QCOMPARE(lines().first(), QString("3x3..........Empty"));
        for (const auto &[option, name] : {std::pair{"Option7", "Rose"}, {"Option8", "Flower"}, {"Option9", "Door"},
                                           {"Option10", "Mountain"}, {"Option12", "Cow"}}) {
            click(option);
            QCOMPARE(label->text(), QStringLiteral("PICTURES - ") + name);
        }
        QCOMPARE(lines(), (QStringList{"3x3..........-3", "4x4..........Empty", "5x5..........250",
                                       "6x6..........Empty", "7x7..........1"}));
        click("OptNum");
        QCOMPARE(label->text(), QString("NUMBERS"));
        QCOMPARE(lines(), numbers);
        QVERIFY(!frame2->isEnabled());
        QVERIFY(dialog->findChild<QRadioButton *>("Option12")->isChecked());
        click("Command2");
        QTRY_VERIFY(!dialog);
    }
}

QTEST_MAIN(TestTopScores)
#include "tst_top_scores.moc"
