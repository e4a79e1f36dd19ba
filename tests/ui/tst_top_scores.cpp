// The Top Scores dialog: the lists as the file holds them at each opening.
#include "app.h"
#include "file_size_limit.h"
#include "ui/top_scores_dialog.h"

static const QByteArray EmptyLine(" 9999 \r\n");

class TestTopScores : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void dialogShowsTheChosenList_data()
    {
        QTest::addColumn<QStringList>("clicks"); // after the opening
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("entries"); // 3x3 to 7x7
        QTest::addColumn<bool>("pictureChoices"); // the picture options can be chosen
        const QStringList numbers{"Empty", "87", "Empty", "Empty", "Empty"};
        const QStringList cow{"-3", "Empty", "250", "Empty", "1"};
        QTest::newRow("as opened") << QStringList{} << "NUMBERS" << numbers << false;
        QTest::newRow("Pictures: Leaf")
            << QStringList{"OptPict"} << "PICTURES - Leaf" << QStringList(5, "Empty") << true;
        QTest::newRow("Cow") << QStringList{"OptPict", "Option12"} << "PICTURES - Cow" << cow
                             << true;
        QTest::newRow("Cow, then Numbers")
            << QStringList{"OptPict", "Option12", "OptNum"} << "NUMBERS" << numbers << false;
        QTest::newRow("Cow, closed, opened again")
            << QStringList{"OptPict", "Option12", "Command2", "open"} << "NUMBERS" << numbers
            << false;
    }

    // The file as it is at each opening, read afresh by a fresh dialog.
    void dialogShowsTheChosenList()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, title);
        QFETCH(QStringList, entries);
        QFETCH(bool, pictureChoices);
        App app;
        // By another copy of the game, since this one started: 4x4 Numbers, then 3x3, 5x5 and 7x7
        // Cow.
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
        QStringList shown;
        for (int i = 0; i < list->count(); ++i) // each line "NxN..........value"
            shown << list->item(i)->text().remove(QStringLiteral("%1x%1..........").arg(i + 3));
        QCOMPARE(dialog->findChild<QLabel *>("Label1")->text(), title);
        QCOMPARE(shown, entries);
        QCOMPARE(dialog->findChild<QGroupBox *>("Frame2")->isEnabled(), pictureChoices);
    }
};

QTEST_MAIN(TestTopScores)
#include "tst_top_scores.moc"
