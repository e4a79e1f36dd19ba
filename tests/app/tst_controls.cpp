// Every button, option, list entry, menu entry and board cell of every window does through its
// accessible action what a click does; while a message is up, nothing pressed that way acts.
#include "app.h"
#include "app/about.h"
#include "app/about_music.h"
#include "dialogs/bad_pictures.h"
#include "board_text.h"
#include "dialogs/number_setup.h"
#include "dialogs/picture_box.h"
#include "dialogs/picture_setup.h"
#include "dialogs/picture_setup_browser.h"
#include "dialogs/picture_setup_preview.h"
#include "platform/help_window.h"
#include "platform/qt_message_boxes.h"
#include "scores/top_scores_dialog.h"

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
    if (!control.object)
        return;
    auto *list = qobject_cast<QListWidget *>(control.object);
    auto *action = qobject_cast<QAction *>(control.object);
    auto *button = qobject_cast<QAbstractButton *>(control.object);
    if (!accessible && button)
        return press(button);
    if (!accessible && list)
        return chooseItem(list, list->item(control.item)->text());
    if (!accessible && action)
        return action->trigger();
    if (!accessible)
        return QTest::mouseClick(qobject_cast<QWidget *>(control.object), Qt::LeftButton);
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

// Everything the player or the fakes could see.
QString snapshot(const App &app)
{
    const GameState &g = app.w->game();
    QStringList out{boardText(g), QString::number(g.Setup.SkillLevel), app.w->panelText(StatusPanel::PictureName),
                    app.clicks(), app.fakes.messages.shown.join('/'), app.fakes.settings.writes.join('/'),
                    app.fakes.music.commands.join('/'), app.fakes.waves.played.join('/'),
                    QString::number(app.fakes.program.ended)};
    QStringList windows;  // in no particular order
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || qobject_cast<QMessageBox *>(top))
            continue;
        QStringList lines;
        lines << QStringLiteral("%1 '%2' %3").arg(top->metaObject()->className(), top->windowTitle()).arg(top->isEnabled());
        for (QAbstractButton *b : top->findChildren<QAbstractButton *>())
            if (partOf(b, top))
                lines << QStringLiteral("%1 %2 %3").arg(b->objectName()).arg(b->isChecked()).arg(b->isEnabled());
        for (QAction *a : top->findChildren<QAction *>())
            if (partOf(a, top))
                lines << QStringLiteral("%1 %2 %3").arg(a->objectName()).arg(a->isChecked()).arg(a->isEnabled());
        for (QListWidget *l : top->findChildren<QListWidget *>()) {
            if (!partOf(l, top))
                continue;
            QStringList selected;
            for (QListWidgetItem *item : l->selectedItems())
                selected << item->text();
            lines << QStringLiteral("%1 %2: %3").arg(l->objectName()).arg(l->count()).arg(selected.join(','));
        }
        for (QLabel *l : top->findChildren<QLabel *>())
            if (partOf(l, top))
                lines << l->text();
        for (PreviewBox *p : top->findChildren<PreviewBox *>())
            if (partOf(p, top))
                lines << QString::number(qHashBits(p->Image().constBits(), size_t(p->Image().sizeInBytes())));
        for (QTextBrowser *t : top->findChildren<QTextBrowser *>())
            lines << t->source().toString() + ' ' + QString::number(t->verticalScrollBar()->value());
        windows << lines.join('\n');
    }
    windows.sort();
    const QString folder = app.fakes.folder.path();
    return (out + windows).join('\n').replace(folder, "<folder>").replace(QFileInfo(folder).fileName(), "<folder>");
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

// The windows to try: how each is opened (menu entries in turn) and found once open.
struct Window {
    const char *name;
    QString entry;
    std::function<QWidget *(Session &)> find;
};
const std::vector<Window> Windows = {
    {"main window", "NewGame", [](Session &s) { return s.app.w.get(); }},
    {"Number Setup", "Numbers", [](Session &s) { return s.app.window<Setupfrm2>(); }},
    {"Picture Setup", "Pictures", [](Session &s) { return s.app.window<SetUpFrm>(); }},
    {"Top Scores", "TopScores", [](Session &s) { return s.app.window<TopScoresFrm>(); }},
    {"Picture Box", "Pictures", [](Session &s) {
         if (SetUpFrm *setup = s.app.window<SetUpFrm>())
             setup->findChild<QAbstractButton *>("Command1")->click();
         s.app.entry("ShowPicBox");
         return static_cast<QWidget *>(s.app.w->pictureBox());
     }},
    {"help window", "HelpMe", [](Session &s) { return static_cast<QWidget *>(s.help.window()); }},
    {"About Tessary", "AboutMe", [](Session &) { return QApplication::activeModalWidget(); }},
    {"About The Music", "AboutMusic", [](Session &) { return QApplication::activeModalWidget(); }},
};

// Closes at once the windows that an action opens and waits for (the About windows), but `keep`.
struct ModalCloser {
    QTimer timer;
    explicit ModalCloser(const QWidget *keep)
    {
        QObject::connect(&timer, &QTimer::timeout, [keep] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal != keep && (qobject_cast<frmAbout *>(modal) || qobject_cast<AboutMusicFrm *>(modal)))
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
        QWidget *open = window.find(s);
        QVERIFY2(open, window.name);
        QTRY_VERIFY(!listing());
        const ModalCloser closer(open);
        const QPointer<QWidget> still(open);  // a window may delete itself when closed
        work(open);
        if (auto *dialog = qobject_cast<QDialog *>(still.data()); dialog && dialog->isVisible() && dialog->isModal())
            dialog->reject();
        done = true;
    });
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
            for (qsizetype line = 0; line < std::max(clicked.size(), pressed.size()); ++line)
                QVERIFY2(clicked.value(line) == pressed.value(line),
                         qPrintable(QStringLiteral("control %1 of %2, line %3: clicked \"%4\", pressed \"%5\"")
                                        .arg(i).arg(count).arg(line).arg(clicked.value(line), pressed.value(line))));
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
