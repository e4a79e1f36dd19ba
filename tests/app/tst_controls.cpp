// Every button, option, list entry, menu entry and board cell of every window does through its
// accessible action what a click does; while a message is up, nothing pressed that way acts.
#include "app.h"
#include "dialogs/bad_pictures.h"
#include "board_text.h"
#include "dialogs/picture_setup.h"
#include "dialogs/picture_setup_browser.h"
#include "dialogs/picture_setup_preview.h"
#include "platform/help_window.h"
#include "platform/qt_message_boxes.h"

#include <QtWidgets>

namespace {
struct Control {
    QPointer<QObject> object;
    int item = -1;  // the entry of a list
};

QMenu *menuOf(QAction *action)
{
    for (QObject *holder : action->associatedObjects())
        if (auto *menu = qobject_cast<QMenu *>(holder))
            return menu;
    return nullptr;
}

QList<Control> controlsOf(QWidget *window)
{
    QList<Control> controls;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (button->isVisibleTo(window) && !qobject_cast<QTabBar *>(button->parent()))
            controls << Control{button};
    for (CellView *cell : window->findChildren<CellView *>())
        if (cell->isVisibleTo(window))
            controls << Control{cell};
    for (QAction *action : window->findChildren<QAction *>())
        if (!action->isSeparator() && !action->menu() && menuOf(action))
            controls << Control{action};
    for (QListWidget *list : window->findChildren<QListWidget *>())
        for (int i = 0; list->isVisibleTo(window) && i < std::min(list->count(), 3); ++i)
            controls << Control{list, i};
    return controls;
}

QAccessibleActionInterface *accessibleActions(const Control &control)
{
    if (auto *list = qobject_cast<QListWidget *>(control.object))
        return QAccessible::queryAccessibleInterface(list)->tableInterface()->cellAt(control.item, 0)->actionInterface();
    if (auto *action = qobject_cast<QAction *>(control.object)) {
        QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(menuOf(action));
        for (int i = 0; i < menu->childCount(); ++i)
            if (menu->child(i)->object() == action)
                return menu->child(i)->actionInterface();
        return nullptr;
    }
    return QAccessible::queryAccessibleInterface(control.object)->actionInterface();
}

// A click, or the accessible action: "Toggle" for options and list entries, "Press" otherwise.
void act(const Control &control, bool accessible)
{
    auto *list = qobject_cast<QListWidget *>(control.object);
    auto *action = qobject_cast<QAction *>(control.object);
    auto *button = qobject_cast<QAbstractButton *>(control.object);
    if (!control.object || (button && !accessible))
        return button ? press(button) : void();
    if (!accessible)
        return list ? chooseItem(list, list->item(control.item)->text())
                    : action ? action->trigger() : QTest::mouseClick(qobject_cast<QWidget *>(control.object), Qt::LeftButton);
    QAccessibleActionInterface *actions = accessibleActions(control);
    QVERIFY(actions);
    const bool toggles = list || (button && button->isCheckable());
    actions->doAction(toggles ? QAccessibleActionInterface::toggleAction() : QAccessibleActionInterface::pressAction());
    const QPointer<QAbstractButton> pressed(button);
    QTRY_VERIFY(!pressed || !pressed->isDown());  // a press is an animated click: it lands a moment later
}

// Whether `object` is part of `window` itself rather than of another window it owns (menus aside).
bool partOf(const QObject *object, const QWidget *window)
{
    for (const QObject *o = object->parent(); o; o = o->parent()) {
        const auto *widget = qobject_cast<const QWidget *>(o);
        if (o == window || (widget && widget->isWindow() && !qobject_cast<const QMenu *>(o)))
            return o == window;
    }
    return false;
}

// What the player sees of one control or text.
QString describe(QObject *o)
{
    if (auto *button = qobject_cast<QAbstractButton *>(o))
        return QStringLiteral("%1 %2 %3").arg(o->objectName()).arg(button->isChecked()).arg(button->isEnabled());
    if (auto *action = qobject_cast<QAction *>(o))
        return QStringLiteral("%1 %2 %3").arg(o->objectName()).arg(action->isChecked()).arg(action->isEnabled());
    if (auto *label = qobject_cast<QLabel *>(o))
        return label->text();
    if (auto *preview = qobject_cast<PreviewBox *>(o))
        return QString::number(qHashBits(preview->Image().constBits(), size_t(preview->Image().sizeInBytes())));
    if (auto *page = qobject_cast<QTextBrowser *>(o))
        return page->source().toString() + ' ' + QString::number(page->verticalScrollBar()->value());
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
        QStringList lines{QStringLiteral("%1 '%2' %3").arg(top->metaObject()->className(), top->windowTitle()).arg(top->isEnabled())};
        for (QObject *o : top->findChildren<QObject *>())
            if (const QString seen = partOf(o, top) ? describe(o) : QString(); !seen.isEmpty())
                lines << seen;
        lines.sort();
        windows << lines.join('\n');
    }
    windows.sort();
    const GameState &g = app.w->game();
    const QString folder = app.fakes.folder.path();
    return (QStringList{boardText(g), QString::number(g.Setup.SkillLevel), app.w->panelText(StatusPanel::PictureName),
                        app.clicks(), app.fakes.messages.shown.join('/'), app.fakes.settings.writes.join('/'),
                        app.fakes.music.commands.join('/'), app.fakes.waves.played.join('/'),
                        QString::number(app.fakes.program.ended)} + windows)
        .join('\n').replace(folder, "<folder>").replace(QFileInfo(folder).fileName(), "<folder>");
}

// Whether a file list somewhere is still reading its folder.
bool listing()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        for (FileList *files : top->findChildren<FileList *>())
            if (files->isListing())
                return true;
    return false;
}

// A session with the real help window: its window is one of those to try.
struct Session {
    QtHelpViewer help;
    App app{nullptr, &help};
    Session() { QFile::copy(qEnvironmentVariable("TESSARY_MEDIA_DIR") + "/tessaryhelp.html", app.fakes.folder.filePath("tessaryhelp.html")); }
};

// The windows to try: the menu entry that opens each, after an optional start, and its class.
struct Window {
    const char *name, *entry, *className;
    std::function<void(App &)> start = nullptr;
};
const std::vector<Window> Windows = {
    {"main window", "NewGame", "Form1"},
    {"Number Setup", "Numbers", "Setupfrm2"},
    {"Picture Setup", "Pictures", "SetUpFrm"},
    {"Top Scores", "TopScores", "TopScoresFrm"},
    {"Picture Box", "ShowPicBox", "Form2", [](App &a) { a.w->startGame(GameSetup::customPicture(4, gradient(253))); }},
    {"help window", "HelpMe", "HelpWindow"},
    {"About Tessary", "AboutMe", "frmAbout"},
    {"About The Music", "AboutMusic", "AboutMusicFrm"},
};

// Closes at once the windows that an action opens and waits for (the About windows), but `keep`.
struct ModalCloser {
    QTimer timer;
    explicit ModalCloser(const QWidget *keep)
    {
        QObject::connect(&timer, &QTimer::timeout, [keep] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal != keep && (modal->inherits("frmAbout") || modal->inherits("AboutMusicFrm")))
                static_cast<QDialog *>(modal)->reject();
        });
        timer.start(10);
    }
};

// Opens the window and runs `work` on it; for a window that waits in its own event loop, from inside it.
void withWindow(Session &s, const Window &window, const std::function<void(QWidget *)> &work)
{
    bool done = false;
    QTimer::singleShot(0, [&] {
        QWidget *open = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            open = top->isVisible() && top->inherits(window.className) ? top : open;
        QVERIFY2(open, window.name);
        QTRY_VERIFY(!listing());
        const ModalCloser closer(open);
        const QPointer<QWidget> still(open);  // a window may delete itself when closed
        work(open);
        if (auto *dialog = qobject_cast<QDialog *>(still.data()); dialog && dialog->isVisible() && dialog->isModal())
            dialog->reject();
        done = true;
    });
    if (window.start)
        window.start(s.app);
    s.app.entry(window.entry);
    QTRY_VERIFY(done);
}
} // namespace

class TestControls : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyControlAsByClick_data()
    {
        QTest::addColumn<int>("window");
        for (size_t i = 0; i < Windows.size(); ++i)
            QTest::newRow(Windows[i].name) << int(i);
    }
    // Each control, then the next one, clicked in one session and pressed by a screen reader in another.
    void everyControlAsByClick()
    {
        QFETCH(int, window);
        const Window &w = Windows[size_t(window)];
        qsizetype count = 0;
        {
            Session s;
            withWindow(s, w, [&](QWidget *open) { count = controlsOf(open).size(); });
        }
        QVERIFY(count > 0);
        for (qsizetype i = 0; i < count; ++i) {
            QString seen[2];
            for (const bool accessible : {false, true}) {
                Session s;
                withWindow(s, w, [&](QWidget *open) {
                    const QList<Control> controls = controlsOf(open);  // the window may be gone after the first
                    act(controls.value(i), accessible);
                    act(controls.value((i + 1) % count), accessible);
                    QCoreApplication::processEvents();
                    QTRY_VERIFY(!listing());
                    seen[accessible] = snapshot(s.app);
                });
            }
            const QStringList clicked = seen[0].split('\n'), pressed = seen[1].split('\n');
            for (qsizetype line = 0; line < clicked.size(); ++line)
                QVERIFY2(clicked[line] == pressed.value(line), qPrintable(QStringLiteral("control %1: clicked \"%2\", pressed \"%3\"").arg(i).arg(clicked[line], pressed.value(line))));
            QCOMPARE(pressed.size(), clicked.size());
        }
    }

    void nothingActsWhileAMessageIsUp_data()
    {
        QTest::addColumn<bool>("win");
        QTest::newRow("Picture Setup: a damaged picture") << false;
        QTest::newRow("main window: a new top score") << true;
    }
    // With the real message box up over both windows, a screen reader presses every control of every
    // window: nothing acts, no window goes, and afterwards the game goes on.
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
        press(setup->findChild<QAbstractButton *>("Option11"));  // Custom
        QTRY_VERIFY(!setup->findChild<FileList *>()->isListing());
        int pressed = 0;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            const QString before = snapshot(app);
            const ModalCloser closer(box);
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->isVisible() && top != box)
                    for (const Control &control : controlsOf(top))
                        act(control, true), ++pressed;
            QCOMPARE(snapshot(app), before);
            box->accept();
        });
        if (win)
            app.click(3, 3);
        else
            chooseItem(setup->findChild<FileList *>(), "corrupt.jpg");
        QVERIFY(pressed > 40);
        press(setup->findChild<QAbstractButton *>("Command1"));
        QTRY_VERIFY(!app.window<SetUpFrm>());
        QVERIFY(app.w->game().Setup.picturesGame());
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
