// From the splash window to the main window, and out again, on a screen with scale factor 2:
// pictures are drawn at the device's density, sizes stay the same in logical pixels.
#include "app.h"
#include "app/splash.h"
#include "app/startup.h"
#include "board/board_geometry.h"
#include "platform/help_window.h"
#include "platform/qt_program_control.h"
#include "platform/window_placement.h"

#include <QtTest>
#include <QtWidgets>

[[maybe_unused]] static const bool Scaled = qputenv("QT_SCALE_FACTOR", "2");  // before the application starts

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    // The splash is seen first; then comes the main window with a locked 4 x 4 numbers board and the
    // music, and the splash is gone. The close box ends the program: no window stays on screen.
    void fromSplashToExit()
    {
        Fakes fakes;
        QtHelpViewer help;
        QtProgramControl realEnd;
        Platform platform{fakes.folder.path(), fakes.random, fakes.settings, fakes.waves, fakes.music, fakes.messages, help, realEnd};
        std::unique_ptr<Form1> w;
        QPointer<frmSplash> splash = new frmSplash([&] { w = StartProgram(platform); });
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash) && !w);
        QCOMPARE(splash->findChild<QLabel *>("imgLogo")->pixmap().devicePixelRatio(), 2.0);
        QTRY_VERIFY_WITH_TIMEOUT(w && w->isVisible(), 5000);
        QTRY_VERIFY(!splash);  // unloaded right after the main window is shown
        QCOMPARE(fakes.random.randomized, 1);
        QVERIFY(w->game().size() == 4 && !w->game().Setup.picturesGame() && !w->boardArea()->isEnabled());
        QCOMPARE(fakes.music.commands, QStringList({"open", "play"}));

        const Picture number = w->cellView(1, 2)->picture();
        QCOMPARE(number.image.devicePixelRatio(), 2.0);
        QCOMPARE(number.image.deviceIndependentSize(), QSizeF(NumberPictureSide, NumberPictureSide));
        QCOMPARE(w->game().BackgroundPicture.image.size(), number.image.size());
        // What reaches the screen has detail within single logical pixels: not blown up from them.
        const QImage shown = w->cellView(1, 2)->grab().toImage(), numeral = shown.copy(30, 30, 54, 38);
        QCOMPARE(shown.size(), w->cellView(1, 2)->size() * 2);
        QVERIFY(numeral != numeral.scaled(27, 19).scaled(54, 38));
        QCOMPARE(w->cellView(1, 2)->geometry(), twipsRect(2 * CellLeftStep, CellTopStep, CellWidth, CellHeight));

        w->startGame(GameSetup::customPicture(4, QImage(253, 253, QImage::Format_RGB32)));
        w->ShowPicBox_Click();
        w->HelpMe_Click();
        QVERIFY(w->pictureBox()->isVisible() && help.window()->isVisible());
        w->close();
        for (const QWidget *t : QApplication::topLevelWidgets())
            QVERIFY2(!t->isVisible(), qPrintable(t->objectName()));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
