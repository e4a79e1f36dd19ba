// The main window's frame: the board area fitted to every size, clicks before New Game, exit.
#include "board/main_window.h"
#include "fakes.h"
#include "platform/cell_view.h"

#include <QMenuBar>
#include <QStatusBar>
#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }

    void boardFitsTheWindow_data()
    {
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<bool>("barShown");
        for (int n = 3; n <= 7; ++n)
            QTest::addRow("%dx%d", n, n) << QList<int>{n} << (n % 2 == 1);
        QTest::newRow("7, 3, 5, 4 with bar") << QList<int>{7, 3, 5, 4} << true;
        QTest::newRow("3, 7, 4, 6 without bar") << QList<int>{3, 7, 4, 6} << false;
    }
    // Menu bar, board area and status bar follow each other with no gap and fill the window;
    // every cell in play lies whole inside the board area, the next row does not.
    void boardFitsTheWindow()
    {
        QFETCH(QList<int>, sizes);
        QFETCH(bool, barShown);
        Fakes fakes;
        Form1 w(fakes.platform());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (!barShown)
            w.menuEntry(QStringLiteral("BarOff"))->trigger();
        void (Form1::*const procedures[])() = {&Form1::ThreebyThree_Click, &Form1::FourbyFour_Click,
                                               &Form1::FiveByFive_Click, &Form1::SixbySix_Click,
                                               &Form1::SevenBySeven_Click};
        for (int n : sizes)
            (w.*procedures[n - 3])();
        const int n = sizes.last();
        QCOMPARE(w.panelText(StatusPanel::BoardSize), QStringLiteral("%1x%1").arg(n));
        const QWidget *board = w.boardArea();
        QTRY_COMPARE(board->geometry().top(), w.menuBar()->geometry().bottom() + 1);
        QCOMPARE(w.width(), board->width());
        QCOMPARE(w.statusBar1()->isVisible(), barShown);
        QCOMPARE((barShown ? w.statusBar1()->geometry() : board->geometry()).bottom(), w.height() - 1);
        const QWidget *cells = board->findChild<QWidget *>(QStringLiteral("CellArea"));
        QVERIFY(board->contentsRect().contains(cells->geometry()));
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                QVERIFY(cells->rect().contains(w.cellView(r, c)->geometry()));
        QVERIFY(!cells->rect().contains(w.cellView(n, 0)->geometry()));
        QVERIFY(!cells->rect().contains(w.cellView(0, n)->geometry()));
    }

    void smallerBoardClearsOuterViews()
    {
        Fakes fakes;
        Form1 w(fakes.platform());
        w.SevenBySeven_Click();
        QCOMPARE(w.cellView(6, 6)->picture().name, QStringLiteral("49"));
        w.ThreebyThree_Click();
        for (int r = 0; r < ViewGridSide; ++r)
            for (int c = 0; c < ViewGridSide; ++c) {
                const CellView *view = w.cellView(r, c);
                const bool inPlay = r < 3 && c < 3;
                QCOMPARE(view->picture().name, inPlay ? QString::number(r * 3 + c + 1) : QString());
                QCOMPARE(view->accessibleName(), view->picture().name);
                if (!inPlay)
                    QCOMPARE(view->specialEffect(), SpecialEffect::Flat);
            }
        QVERIFY(w.game().BlankRow == 2 && w.game().BlankCol == 2);
    }

    void clicksBeforeNewGameDoNothing()
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
        QCOMPARE(w.panelText(StatusPanel::Clicks), QStringLiteral("# Clicks"));
        QVERIFY(fakes.waves.played.isEmpty());
    }

    void exitEndsTheProgram()
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
        QVERIFY(fakes.settings.writes.isEmpty());  // nothing is written on the way out
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
