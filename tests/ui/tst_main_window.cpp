// Form1 shows the session: the cells drawn from the board, the panels, the lock, the window fitted
// to every size, the Picture Box, the hint, the preference marks and the status bar's height.
#include "app.h"
#include "board_text.h"
#include "core/imagery/picture_clip.h"
#include "ui/startup.h"

#include <array>
#include <functional>

namespace {
const QString Solved = QStringLiteral("1 2 3 4|5 6 7 8|9 10 11 12|13 14 15 _");
// Set up or just won: the empty cell shows the last piece.
const QString SolvedShown = QStringLiteral("1 2 3 4|5 6 7 8|9 10 11 12|13 14 15 16");
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }

    // The views and the count follow each move; a win locks the board with the last piece shown,
    // and the next game takes it away again.
    void showsTheBoard()
    {
        App g;
        QCOMPARE(g.clicks(), QStringLiteral("# Clicks"));
        g.entry("NewGame");
        QTest::keyClick(g.w.get(), Qt::Key_Right);
        QCOMPARE(viewText(*g.w), QStringLiteral("1 2 _ 3|5 6 7 4|9 10 11 8|13 14 15 12"));
        QCOMPARE(g.clicks(), QStringLiteral("1 Clicks"));
        QTest::keyClick(g.w.get(), Qt::Key_Left);
        g.click(3, 3);
        QCOMPARE(viewText(*g.w), SolvedShown);
        QCOMPARE(g.w->cellView(3, 3)->accessibleName(), QStringLiteral("16"));
        QVERIFY(!g.w->boardArea()->isEnabled());
        g.entry("NewGame");
        QCOMPARE(viewText(*g.w), Solved);
        QCOMPARE(g.w->cellView(3, 3)->accessibleName(), QStringLiteral("Empty"));
        QCOMPARE(g.clicks(), QStringLiteral("0 Clicks"));
        QVERIFY(g.w->boardArea()->isEnabled());
    }

    // The desktop's keys do what the menu entries do. Undo and Redo are greyed when there is
    // nothing to undo or redo; a game in progress goes with the window and is back at the next
    // start.
    void shortcutsUndoAndTheKeptGame()
    {
        App g;
        // Wayland matches a shortcut through the keyboard of the compositor's seat, and the
        // headless compositor the tests run under has none.
        if (QGuiApplication::platformName() == "wayland")
            QSKIP("no keyboard on this compositor's seat to match shortcuts through");
        const auto key = [&g](int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
            QTest::keyClick(g.w.get(), Qt::Key(key), modifiers);
        };
        const auto greyed = [](const Form1 &w, const char *entry) {
            return !w.menuEntry(QString::fromLatin1(entry))->isEnabled();
        };
        key(Qt::Key_F1, Qt::NoModifier);
        QCOMPARE(g.fakes.help.shown, 1);
        key(Qt::Key_N);
        QVERIFY(g.w->boardArea()->isEnabled());
        QVERIFY(greyed(*g.w, "UndoClick"));
        g.click(0, 0);
        key(Qt::Key_Z);
        QVERIFY(greyed(*g.w, "UndoClick"));
        QVERIFY(!greyed(*g.w, "RedoClick"));
        key(Qt::Key_Y);
        key(Qt::Key_Z);
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        const QString board = QStringLiteral("_ 1 2 3|5 6 7 4|9 10 11 8|13 14 15 12");
        QCOMPARE(viewText(*g.w), board);
        QCOMPARE(g.clicks(), QStringLiteral("5 Clicks"));
        QVERIFY(greyed(*g.w, "RedoClick"));
        key(Qt::Key_Q);
        QCOMPARE(g.fakes.program.ended, 1);

        Platform platform = g.fakes.platform();
        const std::unique_ptr<Form1> next = StartProgram(platform);
        QCOMPARE(viewText(*next), board);
        QCOMPARE(next->panelText(StatusPanel::Clicks), QStringLiteral("5 Clicks"));
        QVERIFY(next->boardArea()->isEnabled());
        QVERIFY(!greyed(*next, "UndoClick"));
    }

    void setUpDrawsEveryView_data()
    {
        QTest::addColumn<int>("before"); // the board set up first, a 7x7 picture game or none
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("picture");
        QTest::newRow("3x3 numbers") << 0 << 3 << false;
        QTest::newRow("7x7 numbers after a 7x7 picture game") << 7 << 7 << false;
        QTest::newRow("4x4 picture after a 7x7 picture game") << 7 << 4 << true;
    }

    // Solved order with the last piece shown, pieces cut from the goal picture, every view beyond
    // the board cleared.
    void setUpDrawsEveryView()
    {
        QFETCH(int, before);
        QFETCH(int, n);
        QFETCH(bool, picture);
        App g;
        if (before)
            g.w->session().startGame(GameSetup::stockPicture(before, 5, gradient(253)));
        const QImage goal = gradient(253).mirrored();
        g.w->session().startGame(picture ? GameSetup::customPicture(n, goal)
                                         : GameSetup::numbers(n));
        const PicFrm numbers(g.w->devicePixelRatioF());
        for (int r = 0; r < ViewGridSide; ++r) {
            for (int c = 0; c < ViewGridSide; ++c) {
                const CellView *view = g.w->cellView(r, c);
                const bool onBoard = r < n && c < n;
                QCOMPARE(view->pictureSizeMode(),
                         picture ? PictureSizeMode::Stretch : PictureSizeMode::Clip);
                QCOMPARE(view->specialEffect(),
                         onBoard ? SpecialEffect::Raised : SpecialEffect::Flat);
                QCOMPARE(view->picture().isNull(), !onBoard);
                if (onBoard)
                    QCOMPARE(view->picture().image, picture ? goal.copy(clipRect(253, n, r, c))
                                                            : numbers.NumPic(r * n + c).image);
            }
        }
    }

    void pictureBox()
    {
        App g;
        g.w->session().startGame(GameSetup::customPicture(5, gradient(253)));
        g.entry("ShowPicBox");
        Form2 *box = g.w->pictureBox();
        QVERIFY(box && QTest::qWaitForWindowExposed(box));
        QCOMPARE(box->Image1()->picture().image, gradient(253));
        if (QGuiApplication::platformName() != "wayland") { // where a program places its windows
            QCOMPARE(box->pos().y(), g.w->frameGeometry().top());
            QVERIFY(box->pos().x() > g.w->frameGeometry().right());
        }
        // Small, large, medium in that order of size; the picture fills the box at each.
        const QSize small = box->outerSizeTwips();
        box->findChild<QAction *>(QStringLiteral("LargeSize"))->trigger();
        const QSize large = box->outerSizeTwips();
        QCOMPARE(box->Image1()->width(), box->Image1()->height());
        box->findChild<QAction *>(QStringLiteral("MediumSize"))->trigger();
        QVERIFY(small.width() < box->outerSizeTwips().width());
        QVERIFY(box->outerSizeTwips().width() < large.width());
        box->close();
        QTRY_VERIFY(!g.w->pictureBox());
        g.entry("ShowPicBox"); // reopens at the small size
        QCOMPARE(g.w->pictureBox()->outerSizeTwips(), small);

        g.entry("NewGame"); // a picture game keeps it open
        QVERIFY(g.w->pictureBox() && g.w->pictureBox()->isVisible());
        g.w->FourbyFour_Click(); // still the same picture game, at another size
        QCOMPARE(g.w->pictureBox()->Image1()->picture().image, gradient(253));
        // A numbers game closes it, and then there is nothing to show.
        g.w->session().startGame(GameSetup::numbers(4));
        QTRY_VERIFY(!g.w->pictureBox());
        g.entry("ShowPicBox");
        QVERIFY(!g.w->pictureBox());
    }

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
    // every cell in play lies whole inside the board area, the next row and column do not.
    void boardFitsTheWindow()
    {
        QFETCH(QList<int>, sizes);
        QFETCH(bool, barShown);
        App g;
        if (!barShown)
            g.entry("BarOff");
        const std::array<void (Form1::*)(), 5> procedures = {
            &Form1::ThreebyThree_Click, &Form1::FourbyFour_Click, &Form1::FiveByFive_Click,
            &Form1::SixbySix_Click, &Form1::SevenBySeven_Click};
        for (int n : sizes)
            std::invoke(procedures.at(size_t(n - 3)), *g.w);
        const int n = sizes.last();
        QCOMPARE(g.w->panelText(StatusPanel::BoardSize), QStringLiteral("%1x%1").arg(n));
        const QWidget *board = g.w->boardArea();
        QTRY_COMPARE(board->geometry().top(), g.w->menuBar()->geometry().bottom() + 1);
        QCOMPARE(g.w->statusBar1()->isVisible(), barShown);
        const QWidget *bottom = barShown ? g.w->statusBar1() : board;
        QCOMPARE(QSize(board->width(), bottom->geometry().bottom() + 1), g.w->size());
        const QWidget *cells = board->findChild<QWidget *>(QStringLiteral("CellArea"));
        QVERIFY(board->contentsRect().contains(cells->geometry()));
        for (int r = 0; r <= n; ++r)
            for (int c = 0; c <= n; ++c)
                QCOMPARE(cells->rect().contains(g.w->cellView(r, c)->geometry()), r < n && c < n);
    }

    // The fewest clicks on the count's panel; H lights the tile to click for a moment.
    void fewestClicksAndHint()
    {
        App g;
        const auto *panel = g.w->findChild<QLabel *>(QStringLiteral("Panel3"));
        // The lit cells, and any a screen reader would still call a hint.
        const auto hinted = [&] {
            QStringList cells;
            for (const CellView *view : g.w->findChildren<CellView *>())
                if (view->isHinted() || !view->accessibleDescription().isEmpty())
                    cells << view->objectName() + (view->isHinted() ? " lit: " : " unlit: ")
                                 + view->accessibleDescription();
            return cells;
        };
        g.w->ThreebyThree_Click();
        g.entry("NewGame"); // "1 2 _|4 5 3|7 8 6"
        QTRY_COMPARE(panel->toolTip(), QStringLiteral("Fewest clicks possible: 1"));
        QCOMPARE(panel->accessibleDescription(), QStringLiteral("Fewest clicks possible: 1"));
        g.click(0, 0);
        QTest::keyClick(g.w.get(), Qt::Key_H);
        QCOMPARE(hinted(), QStringList{"Row1_2 lit: Hint: click this tile"});
        QTRY_COMPARE(hinted(), QStringList{}); // the hint ends by itself
        QTest::keyClick(g.w.get(), Qt::Key_H);
        g.click(0, 2); // and at the next click
        QCOMPARE(hinted(), QStringList{});
        g.entry("NewGame");
        QCOMPARE(panel->toolTip(), QString()); // no figure until this scramble's own is known
    }

    // The marks show the session's preferences, stored off, chosen on and off again; the window
    // grows by the bar's height and the board keeps its size.
    void marksAndStatusBar()
    {
        App g;
        for (const char *key : {"Music", "Sound", "StatusBar"})
            g.fakes.settings.values.insert(MemorySettings::address("Orvane.Works", "Tessary", key),
                                           "False");
        auto w = std::make_unique<Form1>(g.fakes.platform());
        w->Form_Load();
        w->FourbyFour_Click();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const int bar = g.w->statusBar1()->height();
        QVERIFY(bar > 0);
        const QSize board = w->boardArea()->size();
        QCOMPARE(w->size(), g.w->size() - QSize(0, bar));
        const QStringList on{"MusicOn", "SoundOn", "BarOn"}, off{"MusicOff", "SoundOff", "BarOff"};
        const auto marks = [&w](const QStringList &entries) {
            QStringList checked;
            for (const QString &entry : entries)
                if (w->isChecked(entry))
                    checked << entry;
            return checked;
        };
        QCOMPARE(marks(on + off), off);
        QVERIFY(!w->statusBar1()->isVisible());
        for (const QString &entry : on)
            for (int twice = 0; twice < 2; ++twice)
                w->menuEntry(entry)->trigger();
        QCOMPARE(marks(on + off), on);
        QVERIFY(w->statusBar1()->isVisible());
        QCOMPARE(w->size(), g.w->size());
        QTRY_COMPARE(w->boardArea()->size(), board);
        for (const QString &entry : off)
            w->menuEntry(entry)->trigger();
        QCOMPARE(marks(on + off), off);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
