// From the splash window to the main window, and out again.
#include "app/splash.h"
#include "app/startup.h"
#include "board/main_window.h"
#include "fakes.h"
#include "platform/cell_view.h"
#include "platform/qt_program_control.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

class tst_Startup : public QObject {
    Q_OBJECT
private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }
    void splashStartsTheProgram_data();
    void splashStartsTheProgram();
    void exitClosesEveryWindow();
};

void tst_Startup::splashStartsTheProgram_data()
{
    QTest::addColumn<QString>("storedMusic");
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("music on") << QString() << QStringList{"open", "play"};
    QTest::newRow("music off") << "False" << QStringList{"open"};
}

void tst_Startup::splashStartsTheProgram()
{
    QFETCH(QString, storedMusic);
    QFETCH(QStringList, commands);
    Fakes fakes;
    if (!storedMusic.isEmpty())
        fakes.settings.set(QStringLiteral("Music"), storedMusic);
    Platform platform = fakes.platform();
    std::unique_ptr<Form1> mainWindow;
    QPointer<frmSplash> splash = new frmSplash([&] { mainWindow = StartProgram(platform); });
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("lblProductName"))->text(), QStringLiteral("Tessary"));
    QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 1.3.0"));
    QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("lblCompany"))->text(), QStringLiteral("Orvane.Works"));
    QCOMPARE(splash->Timer1()->interval(), 1000);
    QVERIFY(splash->Timer1()->isActive());
    QVERIFY(!mainWindow);

    QTRY_VERIFY_WITH_TIMEOUT(mainWindow && mainWindow->isVisible(), 5000);
    QTRY_VERIFY(!splash);  // unloaded right after the main window is shown
    QCOMPARE(fakes.random.randomized, 1);
    QCOMPARE(mainWindow->panelText(1), QStringLiteral("4x4"));
    QCOMPARE(mainWindow->panelText(2), QStringLiteral("N/A"));
    QCOMPARE(mainWindow->panelText(3), QStringLiteral("# Clicks"));
    QCOMPARE(mainWindow->cellView(3, 3)->accessibleName(), QStringLiteral("16"));
    QVERIFY(!mainWindow->boardArea()->isEnabled());
    QCOMPARE(fakes.music.fileName, fakes.folder.filePath(QStringLiteral("fallmorn.mid")));
    QCOMPARE(fakes.music.commands, commands);
}

void tst_Startup::exitClosesEveryWindow()
{
    Fakes fakes;
    QtProgramControl realEnd;
    Platform platform{fakes.folder.path(), fakes.random, fakes.settings, fakes.waves, fakes.music,
                      fakes.messages,      fakes.help,   realEnd};
    std::unique_ptr<Form1> mainWindow = StartProgram(platform);
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow.get()));
    mainWindow->picClipFrm().PicClip1 = QImage(253, 253, QImage::Format_RGB32);
    mainWindow->setChecked(QStringLiteral("Pictures"), true);
    mainWindow->setChecked(QStringLiteral("Numbers"), false);
    mainWindow->ShowPicBox_Click();
    QVERIFY(mainWindow->pictureBox() && mainWindow->pictureBox()->isVisible());

    mainWindow->close();  // the close box
    QVERIFY(!mainWindow->isVisible());
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget *w : windows)
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    QCOMPARE(fakes.music.commands.last(), QStringLiteral("close"));
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
