// The Help menu: the help window with its contents and index, and the two About windows.
#include "board/main_window.h"
#include "platform/help_window.h"
#include "support/board_text.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace {
QString shippedHelp()
{
    return qEnvironmentVariable("TESSARY_MEDIA_DIR") + QStringLiteral("/tessaryhelp.html");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Everything the player or the fakes could see of the game, one line each.
QString snapshot(Form1 &w, Fakes &f)
{
    const GameState &g = w.game();
    QStringList s;
    s << QStringLiteral("last %1,%2 blank %3,%4 skill %5 clicks %6")
             .arg(g.LastRow).arg(g.LastCol).arg(g.BlankRow).arg(g.BlankCol).arg(g.SkillLevel).arg(g.ClickCount);
    s << boardText(g) << viewText(g);
    s << w.panelText(1) + QLatin1Char('|') + w.panelText(2) + QLatin1Char('|') + w.panelText(3);
    for (const char *entry : {"Numbers", "Pictures", "MusicOn", "MusicOff", "SoundOn", "SoundOff", "BarOn", "BarOff"})
        s << QStringLiteral("%1 %2").arg(QLatin1String(entry)).arg(w.isChecked(QString::fromLatin1(entry)));
    s << QStringLiteral("board enabled %1, size %2x%3, picture box %4")
             .arg(w.boardArea()->isEnabled()).arg(w.outerSizeTwips().width()).arg(w.outerSizeTwips().height())
             .arg(w.pictureBox() != nullptr);
    for (const QStringList *seen : {&f.waves.played, &f.messages.shown, &f.settings.writes, &f.music.commands})
        s << seen->join(QLatin1Char(','));
    s << QStringLiteral("program ended: %1").arg(f.program.ended);
    return s.join(QLatin1Char('\n'));
}

// A 4 x 4 game under way, so there is something to leave unchanged.
void startGame(Form1 &w, Fakes &f)
{
    f.random.values = {0.1f, 0.6f, 0.3f, 0.9f, 0.45f, 0.8f, 0.2f, 0.7f};
    w.Form_Load();
    w.FourbyFour_Click();
    w.NewGame_Click();
    const GameState &g = w.game();
    w.cellClicked(g.BlankRow, g.BlankCol == 0 ? 1 : 0);
}

// Runs inspect on the modal window that opening brings up, then closes it if inspect did not.
// Returns the window seen (gone by then if it was made for this opening only).
QPointer<QDialog> whileModal(const std::function<void()> &opening, const std::function<void(QDialog *)> &inspect)
{
    QObject context;  // cancels the timer if nothing modal ever runs
    QPointer<QDialog> seen;
    QTimer::singleShot(0, &context, [&] {
        seen = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!seen)
            return;
        inspect(seen);
        if (seen && seen->isVisible())
            seen->reject();
    });
    opening();
    return seen;
}

// Within the few pixels a window frame adds, which are not known before the window is shown.
bool centredOnScreen(const QWidget *w)
{
    const QPointF off = QRectF(w->frameGeometry()).center() - QRectF(w->screen()->availableGeometry()).center();
    return qAbs(off.x()) <= 4 && qAbs(off.y()) <= 4;
}

template<typename T>
T *child(QObject *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

HelpWindow *openHelp(QtHelpViewer &viewer, const QString &file)
{
    viewer.showContentsAndIndex(file);
    return viewer.window();
}

// Every anchor in the document, with the block that holds it.
QHash<QString, QTextBlock> anchorBlocks(const QTextDocument *document)
{
    QHash<QString, QTextBlock> blocks;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            for (const QString &anchor : it.fragment().charFormat().anchorNames())
                blocks.insert(anchor, block);
    return blocks;
}

// True when the heading of the section named anchor lies in the visible part of the page.
bool sectionVisible(QTextBrowser *page, const QString &anchor)
{
    const QTextBlock block = anchorBlocks(page->document()).value(anchor);
    if (!block.isValid())
        return false;
    const qreal top = page->document()->documentLayout()->blockBoundingRect(block).top();
    const int scrolled = page->verticalScrollBar()->value();
    return top >= scrolled - 1 && top < scrolled + page->viewport()->height();
}
} // namespace

class TestHelpAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void aboutWindows_data();
    void aboutWindows();
    void helpMenuOpensHelpFileInProgramFolder();
    void helpWindowContentsAndReopening();
    void helpIndexEntryShowsItsTopic_data();
    void helpIndexEntryShowsItsTopic();
    void helpWindowRereadsChangedFile();
    void shippedHelpTopicsAllResolve();
    void helpTopicsFromHtml_data();
    void helpTopicsFromHtml();
    void badHelpFileLeavesGameAsItWas_data();
    void badHelpFileLeavesGameAsItWas();
};

void TestHelpAbout::aboutWindows_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("texts");  // "control=exact text", "control~part of its text", or "control" (exists)
    QTest::newRow("About Tessary, OK") << "AboutMe" << "frmAbout" << "About Tessary" << "cmdOK"
        << QStringList{"lblVersion=Version 1.3.0", "lblTitle=Tessary", "cmdOK=OK", "Label1~Fall Morning",
                       "Label3~Copyright", "Label3~Warning", "Line1", "Line2"};
    QTest::newRow("About The Music, Close") << "AboutMusic" << "AboutMusicFrm" << "The Music" << "Command1"
        << QStringList{"Text1=https://orvane.works/music", "Command1=&Close", "label1~Fall Morning",
                       "label1~Orvane.Works", "Label2~web page"};
}

// Modal, fixed size and centred; its own button ends the menu handler's wait; each opening is a new
// window (what the first changed is gone at the second); the game is left as it was.
void TestHelpAbout::aboutWindows()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(QString, button);
    QFETCH(QStringList, texts);
    Fakes fakes;
    Form1 w(fakes.platform());
    startGame(w, fakes);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QString before = snapshot(w, fakes);
    for (const bool first : {true, false}) {
        int result = -1;
        bool returned = false, inspected = false;
        const auto seen = whileModal([&] { w.menuEntry(entry)->trigger(); returned = true; }, [&](QDialog *d) {
            inspected = true;
            QVERIFY(!returned);
            QCOMPARE(d->objectName(), window);
            QCOMPARE(d->windowTitle(), title);
            QVERIFY(d->isModal());
            QCOMPARE(d->windowModality(), Qt::ApplicationModal);
            QCOMPARE(QApplication::activeModalWidget(), d);
            QCOMPARE(d->minimumSize(), d->maximumSize());
            QVERIFY(centredOnScreen(d));
            QVERIFY(!child<QLabel>(d, "Image1")->pixmap().isNull());
            for (const QString &t : texts) {
                const QStringList parts = t.split(QRegularExpression(QStringLiteral("[=~]")));
                QWidget *c = d->findChild<QWidget *>(parts[0]);
                QVERIFY2(c, qPrintable(t));
                const QString text = c->property("text").toString();
                if (t.contains(QLatin1Char('=')))
                    QCOMPARE(text, parts[1]);
                else if (parts.size() > 1)
                    QVERIFY2(text.contains(parts[1]), qPrintable(t));
                if (first && t.contains(QLatin1Char('=')) && parts[0] != button)
                    c->setProperty("text", QStringLiteral("changed while open"));
            }
            for (const QLineEdit *e : d->findChildren<QLineEdit *>())
                QVERIFY(e->isReadOnly());
            if (first)
                d->move(d->pos() + QPoint(40, 30));
            connect(d, &QDialog::finished, d, [&result](int r) { result = r; });
            QTest::mouseClick(child<QPushButton>(d, qPrintable(button)), Qt::LeftButton);
        });
        QVERIFY2(inspected, "no modal window opened");
        QVERIFY(returned);
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY2(seen.isNull(), "the window outlived its closing");
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(w.findChildren<QDialog *>().isEmpty());
    }
    QCOMPARE(snapshot(w, fakes), before);
    QVERIFY(fakes.help.opened.isEmpty());
}

void TestHelpAbout::helpMenuOpensHelpFileInProgramFolder()
{
    Fakes fakes;
    Form1 w(fakes.platform());
    w.menuEntry(QStringLiteral("HelpMe"))->trigger();
    QCOMPARE(fakes.help.opened, QStringList{fakes.folder.path() + QStringLiteral("/tessaryhelp.html")});
}

// Opens at the contents; a contents entry shows its section; asked again, the viewer raises
// the same window and goes back to the contents.
void TestHelpAbout::helpWindowContentsAndReopening()
{
    QtHelpViewer viewer;
    HelpWindow *help = openHelp(viewer, shippedHelp());
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QCOMPARE(help->windowModality(), Qt::NonModal);
    auto *contents = child<QListWidget>(help, "HelpContents");
    auto *page = child<QTextBrowser>(help, "HelpPage");
    auto *tabs = child<QTabWidget>(help, "HelpTabs");
    const auto checkAtContents = [&] {
        QVERIFY(help->isVisible());
        QVERIFY(help->fileFound());
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(page->source(), QUrl::fromLocalFile(shippedHelp()));
        QCOMPARE(page->verticalScrollBar()->value(), 0);
        QVERIFY(page->toPlainText().startsWith(QStringLiteral("Tessary Help")));
    };
    checkAtContents();
    QVERIFY(contents->count() >= 8);
    QCOMPARE(contents->item(0)->text(), QStringLiteral("Welcome to Tessary"));
    QCOMPARE(contents->item(1)->text(), QStringLiteral("How to play"));
    QVERIFY(child<QListWidget>(help, "HelpIndex")->count() >= 30);

    const auto found = contents->findItems(QStringLiteral("Troubleshooting sound"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    contents->scrollToItem(found.first());
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, contents->visualItemRect(found.first()).center());
    QCOMPARE(page->source().fragment(), QStringLiteral("sound"));
    QVERIFY(page->verticalScrollBar()->value() > 0);
    QVERIFY(sectionVisible(page, QStringLiteral("sound")));

    tabs->setCurrentIndex(1);
    help->close();
    QVERIFY(!help->isVisible());
    QCOMPARE(openHelp(viewer, shippedHelp()), help);
    checkAtContents();
    const auto windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.cbegin(), windows.cend(), [](QWidget *t) { return qobject_cast<HelpWindow *>(t); }), 1);
}

void TestHelpAbout::helpIndexEntryShowsItsTopic_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("anchor");
    QTest::newRow("arrow keys") << "arr" << "arrow keys" << "keyboard";
    QTest::newRow("score file by its name, in capitals") << "HSL" << "Hsl.hsf" << "scores";
    QTest::newRow("SoundFont") << "soundf" << "SoundFont" << "sound";
    QTest::newRow("custom picture") << "cust" << "Custom picture" << "types";
    QTest::newRow("Picture Box") << "picture b" << "Picture Box" << "picturebox";
    QTest::newRow("nothing starts with it: first entry stays") << "zzz" << "About Tessary" << "about";
    QTest::newRow("only blanks: first entry stays") << "   " << "About Tessary" << "about";
}

void TestHelpAbout::helpIndexEntryShowsItsTopic()
{
    QFETCH(QString, typed);
    QFETCH(QString, keyword);
    QFETCH(QString, anchor);
    QtHelpViewer viewer;
    HelpWindow *help = openHelp(viewer, shippedHelp());
    QVERIFY(QTest::qWaitForWindowExposed(help));
    child<QTabWidget>(help, "HelpTabs")->setCurrentIndex(1);
    auto *edit = child<QLineEdit>(help, "HelpIndexEdit");
    QTest::keyClicks(edit, typed);
    QCOMPARE(child<QListWidget>(help, "HelpIndex")->currentItem()->text(), keyword);
    QTest::keyClick(edit, Qt::Key_Return);
    auto *page = child<QTextBrowser>(help, "HelpPage");
    QCOMPARE(page->source().fragment(), anchor);
    QVERIFY(sectionVisible(page, anchor));
}

// Each opening reads the file again: changed, gone, then back.
void TestHelpAbout::helpWindowRereadsChangedFile()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tessaryhelp.html"));
    QtHelpViewer viewer;
    const auto reopen = [&](const QByteArray &html) {
        return html.isEmpty() || writeFile(file, html) ? openHelp(viewer, file) : nullptr;
    };
    HelpWindow *help = reopen("<h2 id=\"a\">First</h2><p>old text</p>");
    QVERIFY(help && help->fileFound());
    QVERIFY(reopen("<h2 id=\"b\">Second</h2><p>new text</p>"));
    auto *contents = child<QListWidget>(help, "HelpContents");
    QCOMPARE(contents->count(), 1);
    QCOMPARE(contents->item(0)->text(), QStringLiteral("Second"));
    auto *page = child<QTextBrowser>(help, "HelpPage");
    QVERIFY(page->toPlainText().contains(QStringLiteral("new text")));
    QVERIFY(QFile::remove(file));
    QVERIFY(reopen({}));
    QVERIFY(!help->fileFound());
    QVERIFY(reopen("<h2 id=\"c\">Third</h2><p>back again</p>"));
    QVERIFY(help->fileFound());
    QVERIFY(page->toPlainText().contains(QStringLiteral("back again")));
}

// A broken link in the shipped help would leave a contents or index entry showing nothing.
void TestHelpAbout::shippedHelpTopicsAllResolve()
{
    QFile file(shippedHelp());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QTextDocument document;
    document.setHtml(html);
    const auto anchors = anchorBlocks(&document);
    const HelpTopics topics = readHelpTopics(html);
    QVERIFY(topics.contents.size() >= 8);
    for (const HelpTopic &t : topics.contents + topics.index)
        QVERIFY2(anchors.contains(t.anchor), qPrintable(t.title + QStringLiteral(" -> #") + t.anchor));
    static const QRegularExpression links(QStringLiteral("href=\"#([^\"]+)\""));
    for (auto it = links.globalMatch(html); it.hasNext();) {
        const QString target = it.next().captured(1);
        QVERIFY2(anchors.contains(target), qPrintable(target));
    }
}

void TestHelpAbout::helpTopicsFromHtml_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("contents");  // "title#anchor"
    QTest::addColumn<QStringList>("index");
    QTest::newRow("two sections") << R"(<h2 id="a">Alpha</h2><p>x</p><h2 id="b">Beta</h2>)"
                                  << QStringList{"Alpha#a", "Beta#b"} << QStringList{};
    QTest::newRow("heading without id is left out") << R"(<h2>Loose</h2><h2 id="k">Kept</h2>)"
                                                    << QStringList{"Kept#k"} << QStringList{};
    QTest::newRow("anchor inside heading, capitals, line break")
        << "<H2 class=\"x\"><A NAME='n'>Named\n heading</A></H2 >" << QStringList{"Named heading#n"} << QStringList{};
    QTest::newRow("entities and markup in titles") << R"(<h2 id="s">Sound &amp; <b>music</b></h2>)"
                                                   << QStringList{"Sound & music#s"} << QStringList{};
    QTest::newRow("h3 is not contents") << R"(<h3 id="sub">Sub</h3>)" << QStringList{} << QStringList{};
    QTest::newRow("index sorted, case ignored, other lists ignored")
        << R"(<ul><li><a href="#z">Outside</a></li></ul><ul class="index"><li><a href="#p">pear</a></li>)"
           R"(<li><a href="#a">Apple</a></li><li><a href="http://x">External</a></li><li><a href="#e"> </a></li></ul>)"
        << QStringList{} << QStringList{"Apple#a", "pear#p"};
    QTest::newRow("unclosed heading") << R"(<h2 id="u">Never closed<p>text)" << QStringList{} << QStringList{};
    QTest::newRow("empty text") << "" << QStringList{} << QStringList{};
    QTest::newRow("not HTML at all") << QString::fromLatin1("\x01\x02PK\x03\x04 binary \xff\xfe")
                                     << QStringList{} << QStringList{};
}

void TestHelpAbout::helpTopicsFromHtml()
{
    QFETCH(QString, html);
    QFETCH(QStringList, contents);
    QFETCH(QStringList, index);
    const HelpTopics topics = readHelpTopics(html);
    auto flat = [](const QList<HelpTopic> &list) {
        QStringList out;
        for (const HelpTopic &t : list)
            out << t.title + QLatin1Char('#') + t.anchor;
        return out;
    };
    QCOMPARE(flat(topics.contents), contents);
    QCOMPARE(flat(topics.index), index);
}

void TestHelpAbout::badHelpFileLeavesGameAsItWas_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("found");
    QTest::newRow("no tessaryhelp.html") << "missing" << false;
    QTest::newRow("a folder named tessaryhelp.html") << "folder" << false;
    QTest::newRow("an empty tessaryhelp.html") << "empty" << true;
    QTest::newRow("binary bytes in tessaryhelp.html") << "binary" << true;
}

// The real help window over a bad file: it may say so, and the game goes on untouched.
void TestHelpAbout::badHelpFileLeavesGameAsItWas()
{
    QFETCH(QString, kind);
    QFETCH(bool, found);
    Fakes fakes;
    const QString file = fakes.folder.filePath(QStringLiteral("tessaryhelp.html"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(fakes.folder.path()).mkdir(QStringLiteral("tessaryhelp.html")));
    else if (kind == QLatin1String("empty"))
        QVERIFY(writeFile(file, {}));
    else if (kind == QLatin1String("binary"))
        QVERIFY(writeFile(file, QByteArray("\x00\x01\xff\xfe<h2\x00", 9)));
    QtHelpViewer viewer;
    Platform platform{fakes.folder.path(), fakes.random, fakes.settings, fakes.waves, fakes.music,
                      fakes.messages, viewer, fakes.program};
    Form1 w(platform);
    startGame(w, fakes);
    const QString before = snapshot(w, fakes);

    w.menuEntry(QStringLiteral("HelpMe"))->trigger();
    QCOMPARE(snapshot(w, fakes), before);
    HelpWindow *help = viewer.window();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->fileFound(), found);
    QCOMPARE(child<QListWidget>(help, "HelpContents")->count(), 0);
    QCOMPARE(child<QListWidget>(help, "HelpIndex")->count(), 0);
    if (!found)
        QVERIFY(child<QTextBrowser>(help, "HelpPage")->toPlainText().contains(QStringLiteral("was not found")));
    // The index and contents have nothing to show; using them changes nothing either.
    QTest::keyClick(child<QLineEdit>(help, "HelpIndexEdit"), Qt::Key_Return);
    QCOMPARE(snapshot(w, fakes), before);
}

QTEST_MAIN(TestHelpAbout)
#include "tst_help_about.moc"
