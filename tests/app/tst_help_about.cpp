// The Help menu: the help window with its contents and index, and the two About windows.
#include "app.h"
#include "board_text.h"
#include "file_size_limit.h"
#include "platform/help_window.h"

#include <QtWidgets>

class TestHelpAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void aboutWindows_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("button");
        QTest::newRow("About Tessary, OK") << "AboutMe" << "cmdOK";
        QTest::newRow("About The Music, Close") << "AboutMusic" << "Command1";
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
        QTimer::singleShot(0, [&] {  // runs only while the handler below waits in an event loop
            if ((seen = qobject_cast<QDialog *>(QApplication::activeModalWidget()))) {
                press(seen->findChild<QPushButton *>(button));
                if (!(closedByButton = seen->isHidden()))
                    seen->reject();  // a failure must not hang the test
            }
        });
        app.entry(entry);
        QVERIFY2(closedByButton, "no modal window held the menu handler until its button closed it");
        QVERIFY2(seen.isNull(), "the window outlived its closing");
    }

    void helpWindow_data()
    {
        QTest::addColumn<QString>("typed");    // into the index of the shipped help, then Return
        QTest::addColumn<QString>("keyword");  // the index entry then chosen
        QTest::addColumn<QString>("anchor");   // the section then shown
        QTest::addColumn<QByteArray>("file");  // then put in place of tessaryhelp.html before reopening
        QTest::newRow("arr; file unchanged") << "arr" << "arrow keys" << "keyboard" << QByteArray("unchanged");
        QTest::newRow("zzz; no tessaryhelp.html") << "zzz" << "About Tessary" << "about" << QByteArray("missing");
        QTest::newRow("picture b; binary tessaryhelp.html") << "picture b" << "Picture Box" << "picturebox"
                                                             << QByteArray("\x00\x01\xff\xfe<h2\x00", 9);
    }
    // The Help menu shows the program folder's help file in one help window, whose every entry
    // leads to a section of the page. Each opening reads the file again and starts at the
    // contents; a bad file gives empty lists, and a page naming where it was looked for when there is
    // none. The game goes on untouched.
    void helpWindow()
    {
        QFETCH(QString, typed);
        QFETCH(QString, keyword);
        QFETCH(QString, anchor);
        QFETCH(QByteArray, file);
        QtHelpViewer viewer;
        App app(nullptr, &viewer);
        app.entry("NewGame");
        const QString board = boardText(app.w->game()), path = app.fakes.folder.filePath("tessaryhelp.html");
        QVERIFY(QFile::copy(qEnvironmentVariable("TESSARY_MEDIA_DIR") + "/tessaryhelp.html", path));
        app.entry("HelpMe");
        HelpWindow *help = viewer.window();
        QVERIFY(help && QTest::qWaitForWindowExposed(help));
        auto *contents = help->findChild<QListWidget *>("HelpContents");
        auto *index = help->findChild<QListWidget *>("HelpIndex");
        auto *page = help->findChild<QTextBrowser *>("HelpPage");
        QVERIFY(contents->count() >= 8 && index->count() >= 30);
        QHash<QString, QString> headings;  // anchor -> text of its block
        QStringList links;                  // within the page
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
            for (int i = 0; i < list->count(); ++i) {  // each entry leads to a section; a contents entry reads as its heading
                const QString target = list->item(i)->data(Qt::UserRole).toString();
                QVERIFY2(headings.contains(target) && (list == index || list->item(i)->text() == headings[target]), qPrintable(target));
            }
        help->findChild<QTabWidget *>("HelpTabs")->setCurrentIndex(1);
        QTest::keyClicks(help->findChild<QLineEdit *>("HelpIndexEdit"), typed + '\r');
        QCOMPARE(index->currentItem()->text(), keyword);
        QCOMPARE(page->source().fragment(), anchor);
        QVERIFY(page->verticalScrollBar()->value() > 0);
        const QString shippedText = page->toPlainText();

        if (file != "unchanged")
            QVERIFY(QFile::remove(path));
        if (file != "unchanged" && file != "missing")
            writeFile(path, file);
        app.entry("HelpMe");
        QVERIFY(viewer.window() == help && help->isVisible());
        QCOMPARE(help->findChild<QTabWidget *>("HelpTabs")->currentIndex(), 0);
        QCOMPARE(page->verticalScrollBar()->value(), 0);
        QCOMPARE(page->toPlainText() == shippedText, file == "unchanged");
        QCOMPARE(contents->count() + index->count() == 0, file != "unchanged");
        QTest::keyClick(help->findChild<QLineEdit *>("HelpIndexEdit"), Qt::Key_Return);  // harmless on an empty index
        QCOMPARE(page->toPlainText().contains(path), file == "missing");
        QCOMPARE(boardText(app.w->game()), board);
    }
};

QTEST_MAIN(TestHelpAbout)
#include "tst_help_about.moc"
