// The main window's frame: menus, status bar, board area and window sizes, shut-down.
#include "board/board_geometry.h"
#include "board/main_window.h"
#include "fakes.h"
#include "platform/cell_view.h"

#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QtTest>

namespace {

QString dumpMenu(const QMenu *menu)
{
    QStringList items;
    for (const QAction *a : menu->actions()) {
        if (a->isSeparator())
            items << a->objectName() + QStringLiteral(":-");
        else if (const QMenu *sub = a->menu())
            items << sub->objectName() + QLatin1Char(':') + a->text() + QLatin1Char('{') + dumpMenu(sub) + QLatin1Char('}');
        else
            items << a->objectName() + QLatin1Char(':') + a->text() + (a->isChecked() ? QStringLiteral("*") : QString());
    }
    return items.join(QStringLiteral(", "));
}

void setUpBoard(Form1 &w, int n)
{
    switch (n) {
    case 3: w.ThreebyThree_Click(); break;
    case 4: w.FourbyFour_Click(); break;
    case 5: w.FiveByFive_Click(); break;
    case 6: w.SixbySix_Click(); break;
    default: w.SevenBySeven_Click(); break;
    }
}

} // namespace

class tst_MainWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }
    void captionMenusAndPanels();
    void boardFitsTheWindow_data();
    void boardFitsTheWindow();
    void smallerBoardClearsOuterViews();
    void clicksBeforeNewGameDoNothing();
    void exitEndsTheProgram();
};

void tst_MainWindow::captionMenusAndPanels()
{
    Fakes fakes;
    Form1 w(fakes.platform());
    QCOMPARE(w.windowTitle(), QStringLiteral("Tessary "));
    QCOMPARE(w.panelText(1), QStringLiteral("3x3"));
    QCOMPARE(w.panelText(2), QStringLiteral("N/A"));
    QCOMPARE(w.panelText(3), QStringLiteral("# Clicks"));
    QVERIFY(!w.boardArea()->isEnabled());

    QStringList menus;
    for (const QAction *a : w.menuBar()->actions())
        menus << a->menu()->objectName() + QLatin1Char(':') + a->text() + QLatin1Char('{') + dumpMenu(a->menu()) + QLatin1Char('}');
    QCOMPARE(menus.value(0),
             QStringLiteral("FileMenu:&File{NewGame:New Game, b1:-, prefs:Preferences{MusicMenu:Music{MusicOn:On, "
                            "MusicOff:Off}, SoundMenu:Sound{SoundOn:On, SoundOff:Off}, StatusBar:Status Bar{BarOn:On*, "
                            "BarOff:Off}}, b3:-, ShowPicBox:Show Picture Box, b9:-, TopScores:Top Scores, b12:-, "
                            "ExitGame:Exit}"));
    QCOMPARE(menus.value(1), QStringLiteral("GameMenu:&Game{Numbers:Numbers*, b5:-, Pictures:Pictures}"));
    QCOMPARE(menus.value(2), QStringLiteral("HelpMenu:&Help{HelpMe:Help, b6:-, AboutMe:About Tessary, b7:-, "
                                            "AboutMusic:About The Music}"));
    QCOMPARE(menus.size(), 3);

    w.FourbyFour_Click();
    QCOMPARE(w.panelText(1), QStringLiteral("4x4"));
    QCOMPARE(w.statusBar1()->findChild<QLabel *>(QStringLiteral("Panel1"))->accessibleName(), QStringLiteral("4x4"));
}

void tst_MainWindow::boardFitsTheWindow_data()
{
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<bool>("barShown");
    for (int n = 3; n <= 7; ++n) {
        QTest::addRow("%dx%d with bar", n, n) << QList<int>{n} << true;
        QTest::addRow("%dx%d without bar", n, n) << QList<int>{n} << false;
    }
    QTest::newRow("7, 3, 5, 4 with bar") << QList<int>{7, 3, 5, 4} << true;
    QTest::newRow("3, 7, 4, 6 without bar") << QList<int>{3, 7, 4, 6} << false;
}

void tst_MainWindow::boardFitsTheWindow()
{
    QFETCH(QList<int>, sizes);
    QFETCH(bool, barShown);
    Fakes fakes;
    Form1 w(fakes.platform());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    if (!barShown)
        w.menuEntry(QStringLiteral("BarOff"))->trigger();
    for (int n : sizes)
        setUpBoard(w, n);
    const int n = sizes.last();
    const int barTwips = w.statusBar1()->sizeHint().height() * TwipsPerPixel;
    const WindowTwips expected = windowTwips(n, barShown, barTwips);
    QCOMPARE(w.outerSizeTwips(), QSize(expected.outerWidth, expected.outerHeight));

    const QWidget *board = w.boardArea();
    const QSize boardPx(twipsToPixels(expected.boardWidth), twipsToPixels(expected.boardHeight));
    QTRY_COMPARE(board->geometry().size(), boardPx);
    // Menu bar, board area and status bar follow each other with no gap, and fill the window.
    QTRY_COMPARE(board->geometry().top(), w.menuBar()->geometry().bottom() + 1);
    QCOMPARE(w.width(), boardPx.width());
    QCOMPARE(w.statusBar1()->isVisible(), barShown);
    if (barShown) {
        QCOMPARE(w.statusBar1()->geometry().top(), board->geometry().bottom() + 1);
        QCOMPARE(w.statusBar1()->geometry().bottom(), w.height() - 1);
    } else {
        QCOMPARE(board->geometry().bottom(), w.height() - 1);
    }
    // Every cell in play is whole inside the board area's border.
    const QWidget *cells = board->findChild<QWidget *>(QStringLiteral("CellArea"));
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            QVERIFY(cells->rect().contains(w.cellView(r, c)->geometry()));
    QVERIFY(!cells->rect().contains(w.cellView(n, 0)->geometry()));
}

void tst_MainWindow::smallerBoardClearsOuterViews()
{
    Fakes fakes;
    Form1 w(fakes.platform());
    w.SevenBySeven_Click();
    QCOMPARE(w.cellView(6, 6)->picture().name, QStringLiteral("49"));
    w.ThreebyThree_Click();
    for (int r = 0; r < ViewGridSide; ++r)
        for (int c = 0; c < ViewGridSide; ++c) {
            const CellView *view = w.cellView(r, c);
            if (r < 3 && c < 3) {
                QCOMPARE(view->picture().name, QString::number(r * 3 + c + 1));
                continue;
            }
            QVERIFY(view->picture().isNull());
            QCOMPARE(view->specialEffect(), int(EffectFlat));
            QCOMPARE(view->accessibleName(), QString());
            // The views stay where they were laid out.
            QCOMPARE(view->pos(), QPoint(56 * c, 48 * r));
        }
    QCOMPARE(w.game().BlankRow, 2);
    QCOMPARE(w.game().BlankCol, 2);
    QCOMPARE(w.game().SkillLevel, SkillNumbers);
}

void tst_MainWindow::clicksBeforeNewGameDoNothing()
{
    Fakes fakes;
    Form1 w(fakes.platform());
    w.Form_Load();
    w.FourbyFour_Click();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.cellView(3, 2), Qt::LeftButton);
    QTest::keyClick(&w, Qt::Key_Right);
    QCOMPARE(w.game().Board(3, 2).TileNumber, 15);
    QCOMPARE(w.panelText(3), QStringLiteral("# Clicks"));
    QVERIFY(fakes.waves.played.isEmpty());
}

void tst_MainWindow::exitEndsTheProgram()
{
    Fakes fakes;
    Form1 w(fakes.platform());
    w.Form_Load();
    w.FourbyFour_Click();
    w.startMusic();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.menuEntry(QStringLiteral("ExitGame"))->trigger();
    QCOMPARE(fakes.program.ended, 1);
    QCOMPARE(fakes.music.commands.last(), QStringLiteral("close"));
    QVERIFY(!w.isVisible());
    // Nothing is written on the way out.
    QVERIFY(fakes.settings.writes.isEmpty());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_main_window.moc"
