// The program's windows on a screen with scale factor 2, from the splash window to the end: every
// button, option, list entry, menu entry and board cell of every window does through its accessible
// action what a click does, and while a message is up nothing pressed that way acts; the help
// window with its contents and index, and the two About windows.
#include "adapters/qt_message_boxes.h"
#include "adapters/qt_program_control.h"
#include "app.h"
#include "bad_pictures.h"
#include "board_text.h"
#include "core/board/board_geometry.h"
#include "ui/help_window.h"
#include "ui/picture_setup.h"
#include "ui/picture_setup_browser.h"
#include "ui/picture_setup_preview.h"
#include "ui/splash.h"
#include "ui/startup.h"
#include "ui/window_placement.h"

using namespace Qt::StringLiterals;

// Pictures are drawn at the device's density, sizes stay the same in logical pixels.
[[maybe_unused]] static const bool Scaled =
    qputenv("QT_SCALE_FACTOR", "2"); // before the application starts

namespace {
struct Control
{
    QPointer<QObject> object; // a button or board cell, or the list or menu holding entry `item`
    int item = -1;
    QString name; // a menu entry's own; a list entry's is its list's and its row
};

QList<Control> controlsOf(QWidget *window)
{
    QList<Control> controls;
    for (QWidget *widget : window->findChildren<QWidget *>())
        if ((qobject_cast<QAbstractButton *>(widget) && !qobject_cast<QTabBar *>(widget->parent()))
            || qobject_cast<CellView *>(widget))
            if (widget->isVisibleTo(window))
                controls << Control{widget, -1, widget->objectName()};
    for (QMenu *menu : window->findChildren<QMenu *>())
        for (int i = 0; i < menu->actions().size(); ++i)
            if (!menu->actions()[i]->isSeparator() && !menu->actions()[i]->menu())
                controls << Control{menu, i, menu->actions()[i]->objectName()};
    // A list's first entry, chosen at opening, comes last: a toggle never takes a list's only
    // choice away, so it would not show that entry's topic again as a click does.
    for (QListWidget *list : window->findChildren<QListWidget *>())
        for (int i = 1, n = std::min(list->count(), 3); list->isVisibleTo(window) && i <= n; ++i)
            controls << Control{list, i % n,
                                list->objectName() + " entry " + QString::number(i % n)};
    return controls;
}

// A click, or the accessible action: "Toggle" for options and list entries, "Press" otherwise.
void act(const Control &control, bool accessible)
{
    auto *list = qobject_cast<QListWidget *>(control.object);
    auto *menu = qobject_cast<QMenu *>(control.object);
    auto *button = qobject_cast<QAbstractButton *>(control.object);
    if (!control.object) // gone with its window
        return;
    if (!accessible)
        return list   ? chooseItem(list, list->item(control.item)->text())
               : menu ? menu->actions()[control.item]->trigger()
                      : press(qobject_cast<QWidget *>(control.object));
    QAccessibleInterface *target = QAccessible::queryAccessibleInterface(control.object);
    if (list || menu) // the entry's own
        target =
            list ? target->tableInterface()->cellAt(control.item, 0) : target->child(control.item);
    QVERIFY(target && target->actionInterface());
    const bool toggles = list || (button && button->isCheckable());
    target->actionInterface()->doAction(toggles ? QAccessibleActionInterface::toggleAction()
                                                : QAccessibleActionInterface::pressAction());
    if (button && button->isDown()) { // a press is an animated click: it lands a moment later
        QSignalSpy released(button, &QAbstractButton::released);
        QVERIFY(released.wait());
    }
}

// What the player sees of one control or text, a fact a line.
QStringList describe(QObject *o)
{
    const QString name = o->objectName().isEmpty() ? o->metaObject()->className() : o->objectName();
    QStringList facts;
    for (const char *property : {"windowTitle", "enabled", "checked", "text", "source"})
        if (const QString value = o->property(property).toString(); !value.isEmpty())
            facts << name + ' ' + property + ": " + value;
    if (auto *page = qobject_cast<QTextBrowser *>(o))
        facts << name + " scrolled to: " + QString::number(page->verticalScrollBar()->value());
    if (auto *preview = qobject_cast<PreviewBox *>(o))
        facts << name + " picture: "
                     + QString::number(qHashBits(preview->Image().constBits(),
                                                 size_t(preview->Image().sizeInBytes())));
    if (auto *list = qobject_cast<QListWidget *>(o))
        for (QListWidgetItem *item : list->selectedItems())
            facts << name + " selected: " + item->text();
    return facts;
}

// Everything the player or the fakes could see, a fact a line.
QStringList snapshot(const App &app)
{
    const GameSession &session = app.w->session();
    QStringList facts{"board: " + boardText(session.board()),
                      "skill level: " + QString::number(session.setup().SkillLevel),
                      "program ended: " + QString::number(app.fakes.program.ended)};
    const std::pair<QString, QStringList> heard[] = {{"message", app.fakes.messages.shown},
                                                     {"setting", app.fakes.settings.writes},
                                                     {"music", app.fakes.music.commands},
                                                     {"sound", app.fakes.waves.played}};
    for (const auto &[what, items] : heard)
        for (const QString &item : items)
            facts << what + ": " + item;
    QStringList windows; // in no particular order
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || qobject_cast<QMessageBox *>(top))
            continue;
        const QString window = top->metaObject()->className() + u" "_s;
        for (QObject *o : QObjectList{top} + top->findChildren<QObject *>())
            for (const QString &fact : describe(o))
                windows << window + fact;
    }
    windows.sort();
    const QString folder = app.fakes.folder.path();
    return (facts + windows)
        .replaceInStrings(folder, "<folder>")
        .replaceInStrings(QFileInfo(folder).fileName(), "<folder>");
}

// A line at a time, so that a failure names the fact that differs.
void compareFacts(const QStringList &actual, const QString &actualName, const QStringList &expected,
                  const QString &expectedName)
{
    for (qsizetype line = 0; line < std::max(actual.size(), expected.size()); ++line)
        QVERIFY2(actual.value(line) == expected.value(line),
                 qPrintable(u"%1: \"%2\", %3: \"%4\""_s.arg(actualName, actual.value(line),
                                                            expectedName, expected.value(line))));
}

// Whether a file list somewhere is still reading its folder.
bool listing()
{
    for (QWidget *widget : QApplication::allWidgets())
        if (auto *files = qobject_cast<FileList *>(widget); files && files->isListing())
            return true;
    return false;
}

// While `keep` is open, closes at once the About windows and message boxes that an action opens
// and waits for.
void closeModalsWhileOpen(QWidget *keep)
{
    auto *timer = new QTimer(keep); // goes with `keep`
    timer->callOnTimeout([keep] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != keep
            && (modal->inherits("frmAbout") || modal->inherits("AboutMusicFrm")
                || modal->inherits("QMessageBox")))
            static_cast<QDialog *>(modal)->reject();
    });
    timer->start(10);
}

struct Step
{
    QString control;   // acted on
    bool windowShown;  // its window still up then
    bool handlerWaits; // the menu handler that opened the window still waiting then
    QStringList facts; // everything seen then
};

// Opens the window of class `className` by its menu entry, in a session with the real help window,
// and acts on each of its controls in turn, by a click or by the accessible action; on a window
// that waits in its own event loop, from inside it. A session goes on while its window is up and no
// other window waits for the player; the next control then gets a fresh one.
void walk(const QString &entry, const QString &className, bool accessible, QList<Step> &steps)
{
    for (qsizetype count = 1; steps.size() < count && !QTest::currentTestFailed();) {
        QtHelpViewer help;
        App app(nullptr, &help);
        QFile::copy(qEnvironmentVariable("TESSARY_MEDIA_DIR") + "/tessaryhelp.html",
                    app.fakes.folder.filePath("tessaryhelp.html"));
        bool returned = false, done = false;
        QTimer::singleShot(0, [&] {
            QPointer<QWidget> open; // a window may delete itself when closed
            for (QWidget *top : QApplication::topLevelWidgets())
                open = top->isVisible() && top->inherits(qPrintable(className)) ? top : open.data();
            QVERIFY2(open, qPrintable(className));
            QTRY_VERIFY(!listing());
            closeModalsWhileOpen(open);
            const QList<Control> controls = controlsOf(open);
            count = controls.size();
            QVERIFY(count > 0);
            do {
                const Control &control = controls[steps.size()];
                act(control, accessible);
                QCoreApplication::processEvents();
                QTRY_VERIFY(!listing());
                steps << Step{control.name, open && open->isVisible(), !returned, snapshot(app)};
            } while (
                steps.size() < count && steps.last().windowShown
                && QList<QWidget *>{nullptr, open}.contains(QApplication::activeModalWidget()));
            if (auto *dialog = qobject_cast<QDialog *>(open.data()); dialog && dialog->isModal())
                dialog->reject();
            done = true;
        });
        if (entry == "ShowPicBox") // the Picture Box shows a picture game's goal
            app.w->session().startGame(GameSetup::customPicture(4, gradient(253)));
        app.entry(entry);
        returned = true;
        QTRY_VERIFY(done);
    }
}
} // namespace

class TestControls : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyControlAsByClick_data()
    {
        QTest::addColumn<QString>("entry"); // the menu entry that opens the window
        QTest::addColumn<QString>("className");
        QTest::addColumn<QStringList>("closers"); // the controls that close it
        QTest::addColumn<bool>("handlerWaits");   // the menu handler returns only when it closes
        const QStringList okCancel{"Command1", "Command2"};
        QTest::newRow("main window")
            << u"NewGame"_s << u"Form1"_s << QStringList{"ExitGame"} << false;
        QTest::newRow("Number Setup") << u"Numbers"_s << u"Setupfrm2"_s << okCancel << false;
        QTest::newRow("Picture Setup") << u"Pictures"_s << u"SetUpFrm"_s << okCancel << false;
        QTest::newRow("Top Scores")
            << u"TopScores"_s << u"TopScoresFrm"_s << QStringList{"Command2"} << false;
        QTest::newRow("Statistics")
            << u"Statistics"_s << u"StatisticsFrm"_s << QStringList{"CloseButton"} << false;
        QTest::newRow("Picture Box") << u"ShowPicBox"_s << u"Form2"_s << QStringList{} << false;
        QTest::newRow("help window") << u"HelpMe"_s << u"HelpWindow"_s << QStringList{} << false;
        QTest::newRow("About Tessary")
            << u"AboutMe"_s << u"frmAbout"_s << QStringList{"cmdOK"} << true;
        QTest::newRow("About The Music")
            << u"AboutMusic"_s << u"AboutMusicFrm"_s << QStringList{"Command1"} << true;
    }
    // Each control in turn, clicked in one walk and pressed by a screen reader in another: the
    // same is seen after each. Only its closing controls close the window.
    void everyControlAsByClick()
    {
        QFETCH(QString, entry);
        QFETCH(QString, className);
        QFETCH(QStringList, closers);
        QFETCH(bool, handlerWaits);
        QList<Step> clicked, pressed;
        walk(entry, className, false, clicked);
        walk(entry, className, true, pressed);
        QCOMPARE(pressed.size(), clicked.size());
        for (qsizetype i = 0; i < clicked.size() && !QTest::currentTestFailed(); ++i) {
            const QString &control = clicked[i].control;
            QVERIFY2(clicked[i].windowShown != closers.contains(control), qPrintable(control));
            QVERIFY2(clicked[i].handlerWaits == handlerWaits, qPrintable(control));
            compareFacts(pressed[i].facts, control + " pressed", clicked[i].facts, "clicked");
        }
    }

    // With the real message box about a damaged picture up over both windows, a screen reader
    // presses every control of every window: nothing acts, no window goes, and afterwards the game
    // goes on.
    void nothingActsWhileAMessageIsUp()
    {
        QtMessageBoxes boxes;
        QtHelpViewer help;
        App app(&boxes, &help);
        makeBadFile(app.fakes.folder.path(), "corrupt.jpg");
        app.entry("NewGame");
        app.entry("Pictures");
        SetUpFrm *setup = app.window<SetUpFrm>();
        QVERIFY(setup);
        press(setup->findChild<QAbstractButton *>("Option11")); // Custom
        QTRY_VERIFY(!listing());
        QStringList before, after;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            before = snapshot(app);
            closeModalsWhileOpen(box);
            QList<Control> controls; // all gathered first: a press that acted may close a window
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->isVisible() && top != box)
                    controls += controlsOf(top);
            for (const Control &control : controls)
                act(control, true);
            after = snapshot(app);
            box->accept();
        });
        chooseItem(setup->findChild<FileList *>(), "corrupt.jpg");
        compareFacts(after, "every control pressed", before, "before");
        if (QTest::currentTestFailed()) // the windows may be gone
            return;
        press(setup->findChild<QAbstractButton *>("Command1"));
        QTRY_VERIFY(!app.window<SetUpFrm>());
        QVERIFY(app.w->session().setup().picturesGame());
    }

    void helpWindow_data()
    {
        QTest::addColumn<QString>("typed");   // into the index of the shipped help, then Return
        QTest::addColumn<QString>("keyword"); // the index entry then chosen
        QTest::addColumn<QString>("anchor");  // the section then shown
        QTest::addColumn<QString>("file");    // tessaryhelp.html then: shipped, missing, binary
        QTest::newRow("arr; file unchanged")
            << u"arr"_s << u"arrow keys"_s << u"keyboard"_s << u"shipped"_s;
        QTest::newRow("zzz; no tessaryhelp.html")
            << u"zzz"_s << u"About Tessary"_s << u"about"_s << u"missing"_s;
        QTest::newRow("picture b; binary tessaryhelp.html")
            << u"picture b"_s << u"Picture Box"_s << u"picturebox"_s << u"binary"_s;
    }
    // The Help menu shows the program folder's help file in one help window; an index entry
    // leads to its section of the page (that every link and entry has its section,
    // scripts/translations.sh checks). Each opening reads the file again and starts at the
    // contents; a bad file gives empty lists, and a page naming where it was looked for when there
    // is none. The game goes on untouched.
    void helpWindow()
    {
        QFETCH(QString, typed);
        QFETCH(QString, keyword);
        QFETCH(QString, anchor);
        QFETCH(QString, file);
        QtHelpViewer viewer;
        App app(nullptr, &viewer);
        app.fakes.random.values = seededScramble(5); // a second scramble moves the empty cell
        app.entry("NewGame");
        const QString board = boardText(app.w->session().board());
        const QString path = app.fakes.folder.filePath("tessaryhelp.html");
        QVERIFY(QFile::copy(qEnvironmentVariable("TESSARY_MEDIA_DIR") + "/tessaryhelp.html", path));
        app.entry("HelpMe");
        HelpWindow *help = viewer.window();
        QVERIFY(help && QTest::qWaitForWindowExposed(help));
        auto *contents = help->findChild<QListWidget *>("HelpContents");
        auto *index = help->findChild<QListWidget *>("HelpIndex");
        auto *page = help->findChild<QTextBrowser *>("HelpPage");
        QVERIFY(contents->count() >= 8);
        QVERIFY(index->count() >= 30);
        auto *tabs = help->findChild<QTabWidget *>("HelpTabs");
        tabs->setCurrentIndex(1);
        QTest::keyClicks(help->findChild<QLineEdit *>("HelpIndexEdit"), typed + '\r');
        QCOMPARE(index->currentItem()->text(), keyword);
        QCOMPARE(page->source().fragment(), anchor);
        QVERIFY(page->verticalScrollBar()->value() > 0);
        const QString shippedText = page->toPlainText();

        if (file != "shipped")
            QVERIFY(QFile::remove(path));
        if (file == "binary")
            writeFile(path, QByteArray("\x00\x01\xff\xfe<h2\x00", 9));
        app.entry("HelpMe");
        QCOMPARE(viewer.window(), help);
        QVERIFY(help->isVisible());
        // Back at the top of the contents; the page and the lists as the file now is.
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(page->verticalScrollBar()->value(), 0);
        QCOMPARE(page->toPlainText() == shippedText, file == "shipped");
        QCOMPARE(contents->count() > 0, file == "shipped");
        QCOMPARE(index->count() > 0, file == "shipped");
        // harmless on an empty index
        QTest::keyClick(help->findChild<QLineEdit *>("HelpIndexEdit"), Qt::Key_Return);
        QCOMPARE(page->toPlainText().contains(path), file == "missing");
        QCOMPARE(boardText(app.w->session().board()), board);
    }

    // The splash is seen first; then comes the main window with a locked 4 x 4 numbers board and
    // the music, and the splash is gone. The close box ends the program: no window stays on screen.
    void fromSplashToExit()
    {
        Fakes fakes;
        QtHelpViewer help;
        QtProgramControl realEnd;
        Platform platform{fakes.folder.path(),
                          fakes.random,
                          fakes.settings,
                          fakes.waves,
                          fakes.music,
                          fakes.messages,
                          help,
                          realEnd,
                          fakes.clock,
                          fakes.folder.filePath("data")};
        std::unique_ptr<Form1> w;
        QPointer<frmSplash> splash = new frmSplash([&] { w = StartProgram(platform); });
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QVERIFY(!w);
        QCOMPARE(splash->findChild<QLabel *>("imgLogo")->pixmap().devicePixelRatio(), 2.0);
        QTRY_VERIFY_WITH_TIMEOUT(w && w->isVisible(), 5000);
        QTRY_VERIFY(!splash); // unloaded right after the main window is shown
        QCOMPARE(w->session().board().n, 4);
        QVERIFY(!w->session().setup().picturesGame());
        QVERIFY(!w->boardArea()->isEnabled());
        QCOMPARE(fakes.random.randomized, 1);
        QCOMPARE(fakes.music.commands, QStringList({"open", "play"}));

        CellView *cell = w->cellView(1, 2);
        const QImage number = cell->picture().image;
        QCOMPARE(number.devicePixelRatio(), 2.0);
        QCOMPARE(number.deviceIndependentSize(), QSizeF(NumberPictureSide, NumberPictureSide));
        // What reaches the screen has detail within single logical pixels: not blown up from them.
        const QImage shown = cell->grab().toImage();
        const QImage numeral = shown.copy(30, 30, 54, 38);
        QVERIFY(numeral != numeral.scaled(27, 19).scaled(54, 38));
        QCOMPARE(cell->geometry(), twipsRect(2 * CellLeftStep, CellTopStep, CellWidth, CellHeight));

        w->NewGame_Click();
        const Cell gap = w->session().board().blank();
        QCOMPARE(w->cellView(gap.row, gap.col)->picture().image.size(), number.size());
        w->session().startGame(GameSetup::customPicture(4, QImage(253, 253, QImage::Format_RGB32)));
        w->ShowPicBox_Click();
        w->HelpMe_Click();
        QVERIFY(w->pictureBox()->isVisible());
        QVERIFY(help.window()->isVisible());
        w->close();
        for (const QWidget *t : QApplication::topLevelWidgets())
            QVERIFY2(!t->isVisible(), qPrintable(t->objectName()));
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
