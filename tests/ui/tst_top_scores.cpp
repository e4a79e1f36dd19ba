// The Top Scores dialog: the lists as the file holds them at each opening.
#include "app.h"
#include "core/scores/score_file.h"
#include "file_size_limit.h"
#include "ui/top_scores_dialog.h"

static const QByteArray EmptyLine(" 9999 \r\n");

class TestTopScores : public QObject
{
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

    void dialogShowsTheChosenList_data()
    {
        QTest::addColumn<QStringList>("clicks"); // after the opening
        QTest::addColumn<QString>("shown");      // the title, then the list's 3x3 to 7x7
        const QString numbers = "NUMBERS: Empty 87 Empty Empty Empty";
        QTest::newRow("as opened") << QStringList{} << numbers;
        QTest::newRow("Pictures: Leaf")
            << QStringList{"OptPict"} << "PICTURES - Leaf: Empty Empty Empty Empty Empty";
        QTest::newRow("Cow") << QStringList{"OptPict", "Option12"}
                             << "PICTURES - Cow: -3 Empty 250 Empty 1";
        QTest::newRow("Cow, then Numbers")
            << QStringList{"OptPict", "Option12", "OptNum"} << numbers;
        QTest::newRow("Cow, closed, opened again")
            << QStringList{"OptPict", "Option12", "Command2", "open"} << numbers;
    }
    // The file as it is at each opening, read afresh by a fresh dialog.
    void dialogShowsTheChosenList()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, shown);
        App app;
        // by another copy of the game, since this one started: 4x4 Numbers, then 3x3, 5x5 and 7x7
        // Cow
        writeFile(app.fakes.folder.filePath("Hsl.hsf"),
                  EmptyLine + " 87 \r\n" + EmptyLine.repeated(28) + "-3 \r\n" + EmptyLine
                      + " 250 \r\n" + EmptyLine + " 1 \r\n");
        QPointer<TopScoresFrm> dialog;
        for (const QString &step : QStringList{"open"} + clicks) {
            if (step != "open") {
                press(dialog->findChild<QWidget *>(step));
                continue;
            }
            QTRY_VERIFY(!dialog); // the one closed before is gone
            app.entry("TopScores");
            dialog = app.window<TopScoresFrm>();
            QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
            QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        }
        auto *list = dialog->findChild<QListWidget *>("List1");
        QString text = dialog->findChild<QLabel *>("Label1")->text() + ':';
        for (int i = 0; i < list->count(); ++i) // each line "NxN..........value"
            text +=
                ' ' + list->item(i)->text().remove(QStringLiteral("%1x%1..........").arg(i + 3));
        QCOMPARE(std::pair(text, dialog->findChild<QGroupBox *>("Frame2")->isEnabled()),
                 std::pair(shown, shown.startsWith("PICTURES")));
    }
};

QTEST_MAIN(TestTopScores)
#include "tst_top_scores.moc"
