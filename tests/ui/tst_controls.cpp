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

// Pictures are drawn at the device's density, sizes stay the same in logical pixels.
[[maybe_unused]] static const bool Scaled =
    qputenv("QT_SCALE_FACTOR", "2"); // before the application starts

namespace {
struct Control
{
    QPointer<QObject> object; // a button or board cell, or the list or menu holding entry `item`
    int item = -1;
};

QList<Control> controlsOf(QWidget *window)
{
    QList<Control> controls;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (button->isVisibleTo(window) && !qobject_cast<QTabBar *>(button->parent()))
            controls << Control{button};
    for (CellView *cell : window->findChildren<CellView *>())
        if (cell->isVisibleTo(window))
            controls << Control{cell};
    for (QMenu *menu : window->findChildren<QMenu *>())
        for (int i = 0; i < menu->actions().size(); ++i)
            if (!menu->actions()[i]->isSeparator() && !menu->actions()[i]->menu())
                controls << Control{menu, i};
    for (QListWidget *list : window->findChildren<QListWidget *>())
        for (int i = 0; list->isVisibleTo(window) && i < std::min(list->count(), 3); ++i)
            controls << Control{list, i};
    return controls;
}

// A click, or the accessible action: "Toggle" for options and list entries, "Press" otherwise.
void act(const Control &control, bool accessible)
{
    auto *list = qobject_cast<QListWidget *>(control.object);
    auto *menu = qobject_cast<QMenu *>(control.object);
    auto *button = qobject_cast<QAbstractButton *>(control.object);
    if (!control.object)
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
    const QPointer<QAbstractButton> pressed(button);
    QTRY_VERIFY(!pressed
                || !pressed->isDown()); // a press is an animated click: it lands a moment later
}

// What the player sees of one control or text.
QString describe(QObject *o)
{
    if (qobject_cast<QAbstractButton *>(o) || qobject_cast<QAction *>(o))
        return QStringLiteral("%1 %2 %3")
            .arg(o->objectName(), o->property("checked").toString(),
                 o->property("enabled").toString());
    if (auto *label = qobject_cast<QLabel *>(o))
        return label->text();
    if (auto *preview = qobject_cast<PreviewBox *>(o))
        return QString::number(
            qHashBits(preview->Image().constBits(), size_t(preview->Image().sizeInBytes())));
    if (auto *page = qobject_cast<QTextBrowser *>(o))
        return page->source().toString() + ' '
               + QString::number(page->verticalScrollBar()->value());
    QStringList selected;
    if (auto *list = qobject_cast<QListWidget *>(o))
        for (QListWidgetItem *item : list->selectedItems())
            selected << item->text();
    return selected.join(',');
}

// Everything the player or the fakes could see, in no particular order within the windows.
QString snapshot(const App &app)
{
    QStringList windows;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || qobject_cast<QMessageBox *>(top))
            continue;
        QStringList lines{QStringLiteral("%1 '%2' %3")
                              .arg(top->metaObject()->className(), top->windowTitle())
                              .arg(top->isEnabled())};
        for (QObject *o : top->findChildren<QObject *>())
            if (const QString seen = describe(o); !seen.isEmpty())
                lines << seen;
        lines.sort();
        windows << lines.join('\n');
    }
    windows.sort();
    const QString folder = app.fakes.folder.path();
    return (QStringList{boardText(app.w->session().board()),
                        QString::number(app.w->session().setup().SkillLevel),
                        app.w->panelText(StatusPanel::PictureName), app.clicks(),
                        app.fakes.messages.shown.join('/'), app.fakes.settings.writes.join('/'),
                        app.fakes.music.commands.join('/'), app.fakes.waves.played.join('/'),
                        QString::number(app.fakes.program.ended)}
            + windows)
        .join('\n')
        .replace(folder, "<folder>")
        .replace(QFileInfo(folder).fileName(), "<folder>");
}

// Whether a file list somewhere is still reading its folder.
bool listing()
{
    for (QWidget *widget : QApplication::allWidgets())
        if (auto *files = qobject_cast<FileList *>(widget); files && files->isListing())
            return true;
    return false;
}

// While `keep` is open, closes at once the other windows that an action opens and waits for (the
// About windows).
void closeModalsWhileOpen(QWidget *keep)
{
    auto *timer = new QTimer(keep); // goes with `keep`
    timer->callOnTimeout([keep] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != keep
            && (modal->inherits("frmAbout") || modal->inherits("AboutMusicFrm")))
            static_cast<QDialog *>(modal)->reject();
    });
    timer->start(10);
}

// Opens the window of class `className` by its menu entry, in a session with the real help window,
// and runs `work` on it; for a window that waits in its own event loop, from inside it.
void withWindow(const QString &entry, const QString &className,
                const std::function<void(App &, QWidget *)> &work)
{
    QtHelpViewer help;
    App app(nullptr, &help);
    QFile::copy(qEnvironmentVariable("TESSARY_MEDIA_DIR") + "/tessaryhelp.html",
                app.fakes.folder.filePath("tessaryhelp.html"));
    bool done = false;
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> open; // a window may delete itself when closed
        for (QWidget *top : QApplication::topLevelWidgets())
            open = top->isVisible() && top->inherits(qPrintable(className)) ? top : open.data();
        QVERIFY2(open, qPrintable(className));
        QTRY_VERIFY(!listing());
        closeModalsWhileOpen(open);
        work(app, open);
        if (auto *dialog = qobject_cast<QDialog *>(open.data());
            dialog && dialog->isVisible() && dialog->isModal())
            dialog->reject();
        done = true;
    });
    if (entry == "ShowPicBox") // the Picture Box shows a picture game's goal
        app.w->session().startGame(GameSetup::customPicture(4, gradient(253)));
    app.entry(entry);
    QTRY_VERIFY(done);
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
        QTest::newRow("main window") << "NewGame"
                                     << "Form1";
        QTest::newRow("Number Setup") << "Numbers"
                                      << "Setupfrm2";
        QTest::newRow("Picture Setup") << "Pictures"
                                       << "SetUpFrm";
        QTest::newRow("Top Scores") << "TopScores"
                                    << "TopScoresFrm";
        QTest::newRow("Picture Box") << "ShowPicBox"
                                     << "Form2";
        QTest::newRow("help window") << "HelpMe"
                                     << "HelpWindow";
        QTest::newRow("About Tessary") << "AboutMe"
                                       << "frmAbout";
        QTest::newRow("About The Music") << "AboutMusic"
                                         << "AboutMusicFrm";
    }
    // Each control, then the next one, clicked in one session and pressed by a screen reader in
    // another.
    void everyControlAsByClick()
    {
        QFETCH(QString, entry);
        QFETCH(QString, className);
        for (qsizetype i = 0, count = 1; i < count; ++i) {
            QStringList clicked, pressed;
            for (const bool accessible : {false, true})
                withWindow(entry, className, [&](App &app, QWidget *open) {
                    const QList<Control> controls =
                        controlsOf(open); // the window may be gone after the first
                    count = controls.size();
                    QVERIFY(count > 0);
                    act(controls.value(i), accessible);
                    act(controls.value((i + 1) % count), accessible);
                    QCoreApplication::processEvents();
                    QTRY_VERIFY(!listing());
                    (accessible ? pressed : clicked) = snapshot(app).split('\n');
                });
            for (qsizetype line = 0; line < std::max(clicked.size(), pressed.size()); ++line)
                QVERIFY2(clicked.value(line) == pressed.value(line),
                         qPrintable(QString("control %1: clicked \"%2\", pressed \"%3\"")
                                        .arg(i)
                                        .arg(clicked.value(line), pressed.value(line))));
        }
    }
    void nothingActsWhileAMessageIsUp_data()
    {
        QTest::addColumn<bool>("win");
        QTest::newRow("Picture Setup: a damaged picture") << false;
        QTest::newRow("main window: a new top score") << true;
    }
    // With the real message box up over both windows, a screen reader presses every control of
    // every window: nothing acts, no window goes, and afterwards the game goes on.
    void nothingActsWhileAMessageIsUp()
    {
        QFETCH(bool, win);
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
        int pressed = 0;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            const QString before = snapshot(app);
            closeModalsWhileOpen(box);
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->isVisible() && top != box)
                    for (const Control &control : controlsOf(top))
                        act(control, true), ++pressed;
            QCOMPARE(snapshot(app), before);
            box->accept();
        });
        win ? app.click(3, 3) : chooseItem(setup->findChild<FileList *>(), "corrupt.jpg");
        QVERIFY(pressed > 40);
        press(setup->findChild<QAbstractButton *>("Command1"));
        QTRY_VERIFY(!app.window<SetUpFrm>());
        QVERIFY(app.w->session().setup().picturesGame());
    }

    void aboutWindows_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("button");
        QTest::newRow("About Tessary, OK") << "AboutMe"
                                           << "cmdOK";
        QTest::newRow("About The Music, Close") << "AboutMusic"
                                                << "Command1";
    }
    // The menu handler waits while its window is up; the window's own button ends the wait, and the
    // window is gone with it.
    void aboutWindows()
    {
        QFETCH(QString, entry);
        QFETCH(QString, button);
        App app;
        QPointer<QDialog> seen;
        bool closedByButton = false;
        QTimer::singleShot(0, [&] { // runs only while the handler below waits in an event loop
            if ((seen = qobject_cast<QDialog *>(QApplication::activeModalWidget()))) {
                press(seen->findChild<QPushButton *>(button));
                if (!(closedByButton = seen->isHidden()))
                    seen->reject(); // a failure must not hang the test
            }
        });
        app.entry(entry);
        QVERIFY2(closedByButton,
                 "no modal window held the menu handler until its button closed it");
        QVERIFY2(seen.isNull(), "the window outlived its closing");
    }

    void helpWindow_data()
    {
        QTest::addColumn<QString>("typed");   // into the index of the shipped help, then Return
        QTest::addColumn<QString>("keyword"); // the index entry then chosen
        QTest::addColumn<QString>("anchor");  // the section then shown
        QTest::addColumn<QByteArray>(
            "file"); // then put in place of tessaryhelp.html before reopening
        QTest::newRow("arr; file unchanged") << "arr"
                                             << "arrow keys"
                                             << "keyboard" << QByteArray("unchanged");
        QTest::newRow("zzz; no tessaryhelp.html") << "zzz"
                                                  << "About Tessary"
                                                  << "about" << QByteArray("missing");
        QTest::newRow("picture b; binary tessaryhelp.html")
            << "picture b"
            << "Picture Box"
            << "picturebox" << QByteArray("\x00\x01\xff\xfe<h2\x00", 9);
    }
    // The Help menu shows the program folder's help file in one help window, whose every entry
    // leads to a section of the page. Each opening reads the file again and starts at the
    // contents; a bad file gives empty lists, and a page naming where it was looked for when there
    // is none. The game goes on untouched.
    void helpWindow()
    {
        QFETCH(QString, typed);
        QFETCH(QString, keyword);
        QFETCH(QString, anchor);
        QFETCH(QByteArray, file);
        QtHelpViewer viewer;
        App app(nullptr, &viewer);
        app.entry("NewGame");
        const QString board = boardText(app.w->session().board()),
                      path = app.fakes.folder.filePath("tessaryhelp.html");
        QVERIFY(QFile::copy(qEnvironmentVariable("TESSARY_MEDIA_DIR") + "/tessaryhelp.html", path));
        app.entry("HelpMe");
        HelpWindow *help = viewer.window();
        QVERIFY(help && QTest::qWaitForWindowExposed(help));
        auto *contents = help->findChild<QListWidget *>("HelpContents");
        auto *index = help->findChild<QListWidget *>("HelpIndex");
        auto *page = help->findChild<QTextBrowser *>("HelpPage");
        QVERIFY(contents->count() >= 8 && index->count() >= 30);
        QHash<QString, QString> headings; // anchor -> text of its block
        QStringList links;                // within the page
        for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                for (const QString &name : it.fragment().charFormat().anchorNames())
                    headings.insert(name, block.text().simplified());
                if (it.fragment().charFormat().anchorHref().startsWith('#'))
                    links << it.fragment().charFormat().anchorHref().mid(1);
            }
        for (const QString &link : links)
            QVERIFY2(headings.contains(link), qPrintable(link));
        for (QListWidget *list : {contents, index})
            for (int i = 0; i < list->count();
                 ++i) { // each entry leads to a section; a contents entry reads as its heading
                const QString target = list->item(i)->data(Qt::UserRole).toString();
                QVERIFY2(headings.contains(target)
                             && (list == index || list->item(i)->text() == headings[target]),
                         qPrintable(target));
            }
        auto *tabs = help->findChild<QTabWidget *>("HelpTabs");
        tabs->setCurrentIndex(1);
        QTest::keyClicks(help->findChild<QLineEdit *>("HelpIndexEdit"), typed + '\r');
        QCOMPARE(std::tuple(index->currentItem()->text(), page->source().fragment(),
                            page->verticalScrollBar()->value() > 0),
                 std::tuple(keyword, anchor, true));
        const QString shippedText = page->toPlainText();

        if (file != "unchanged")
            QVERIFY(QFile::remove(path));
        if (file != "unchanged" && file != "missing")
            writeFile(path, file);
        app.entry("HelpMe");
        QVERIFY(viewer.window() == help && help->isVisible());
        // Back at the top of the contents; the page and the lists as the file now is.
        QCOMPARE(std::tuple(tabs->currentIndex(), page->verticalScrollBar()->value(),
                            page->toPlainText() == shippedText,
                            contents->count() + index->count() == 0),
                 std::tuple(0, 0, file == "unchanged", file != "unchanged"));
        QTest::keyClick(help->findChild<QLineEdit *>("HelpIndexEdit"),
                        Qt::Key_Return); // harmless on an empty index
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
        Platform platform{fakes.folder.path(), fakes.random,   fakes.settings, fakes.waves,
                          fakes.music,         fakes.messages, help,           realEnd};
        std::unique_ptr<Form1> w;
        QPointer<frmSplash> splash = new frmSplash([&] { w = StartProgram(platform); });
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash) && !w);
        QCOMPARE(splash->findChild<QLabel *>("imgLogo")->pixmap().devicePixelRatio(), 2.0);
        QTRY_VERIFY_WITH_TIMEOUT(w && w->isVisible(), 5000);
        QTRY_VERIFY(!splash); // unloaded right after the main window is shown
        QCOMPARE(w->session().board().n, 4);
        QVERIFY(!w->session().setup().picturesGame());
        QVERIFY(!w->boardArea()->isEnabled());
        QCOMPARE(std::tuple(fakes.random.randomized, fakes.music.commands),
                 std::tuple(1, QStringList({"open", "play"})));

        CellView *cell = w->cellView(1, 2);
        const QImage number = cell->picture().image;
        QCOMPARE(number.devicePixelRatio(), 2.0);
        QCOMPARE(number.deviceIndependentSize(), QSizeF(NumberPictureSide, NumberPictureSide));
        // What reaches the screen has detail within single logical pixels: not blown up from them.
        const QImage shown = cell->grab().toImage(), numeral = shown.copy(30, 30, 54, 38);
        QVERIFY(numeral != numeral.scaled(27, 19).scaled(54, 38));
        QCOMPARE(std::tuple(shown.size(), cell->geometry()),
                 std::tuple(cell->size() * 2,
                            twipsRect(2 * CellLeftStep, CellTopStep, CellWidth, CellHeight)));

        w->NewGame_Click();
        const Cell gap = w->session().board().blank();
        QCOMPARE(w->cellView(gap.row, gap.col)->picture().image.size(), number.size());
        w->session().startGame(GameSetup::customPicture(4, QImage(253, 253, QImage::Format_RGB32)));
        w->ShowPicBox_Click();
        w->HelpMe_Click();
        QVERIFY(w->pictureBox()->isVisible() && help.window()->isVisible());
        w->close();
        for (const QWidget *t : QApplication::topLevelWidgets())
            QVERIFY2(!t->isVisible(), qPrintable(t->objectName()));
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
