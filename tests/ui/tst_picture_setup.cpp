// The Picture Setup dialog, opened from the real main window's Game menu.
#include "app.h"
#include "bad_pictures.h"
#include "ui/picture_setup.h"
#include "ui/picture_setup_browser.h"
#include "ui/picture_setup_preview.h"

class TestPictureSetup : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<App> m_app;
    SetUpFrm *m_dlg = nullptr;
    QString m_mine; // a folder of the player's own pictures

    PreviewBox *preview() { return m_dlg->findChild<PreviewBox *>("Picture1"); }
    FileList *files() { return m_dlg->findChild<FileList *>("File1"); }
    void click(const char *name) { press(m_dlg->findChild<QWidget *>(name)); }
    // Opens the dialog; `onMine`: on the player's folder, with "Custom" chosen.
    bool open(bool onMine = false)
    {
        if (onMine)
            m_app->w->session().rememberPictureFolder(m_mine);
        m_app->entry("Pictures");
        m_dlg = m_app->window<SetUpFrm>();
        if (!m_dlg || !QTest::qWaitFor([this] { return !files()->isListing(); }))
            return false;
        if (onMine)
            click("Option11");
        return !onMine || files()->isEnabled();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_app = std::make_unique<App>();
        m_mine = m_app->fakes.folder.filePath(QStringLiteral("mine"));
        QDir().mkpath(m_mine);
        writeFile(m_mine + "/square.bmp", encodedPicture({300, 300}, Qt::white, "BMP"));
        // Beside the stock pictures, a kind of picture the file list leaves out.
        writeFile(m_app->fakes.folder.filePath("shot.png"), encodedPicture({9, 9}, Qt::red, "PNG"));
    }
    void cleanup() { m_app.reset(); }

    void grid_data()
    {
        QTest::addColumn<int>("size");
        for (int n = 3; n <= 7; ++n)
            QTest::addRow("%dx%d", n, n) << n;
    }
    // A line every 253 / size pixels across and down the 253-pixel preview, on the screen only.
    void grid()
    {
        QFETCH(int, size);
        const int step = 253 / size;
        QVERIFY(open(true));
        chooseItem(files(), "square.bmp");
        const QImage white = preview()->Image(); // before any grid
        click(qPrintable(QStringLiteral("Option%1").arg(size - 2)));
        click("Command3");
        const QImage screen = preview()->grab().toImage();
        const auto dark = [&screen](int x, int y) {
            return screen.pixelColor(2 + x, 2 + y).value() < 40;
        };
        for (int x = 0; x < 253; ++x) { // lines down, then across the white picture, no others
            QVERIFY2(dark(x, 128) == (x % step == 0), qPrintable(QStringLiteral("x %1").arg(x)));
            QVERIFY2(dark(130, x) == (x % step == 0), qPrintable(QStringLiteral("y %1").arg(x)));
        }
        click("Command4");
        QCOMPARE(preview()->screenImage(), white);
        // Shown again, then another size: the grid on screen stays until "Show Grid" is pressed.
        click("Command3");
        click(size == 3 ? "Option2" : "Option1");
        QVERIFY(preview()->screenImage().pixelColor(step, 130).value() < 40);
        click("Command1"); // the game's picture is the picture, never the grid
        QTRY_VERIFY(!m_app->window<SetUpFrm>());
        QCOMPARE(m_app->w->session().setup().goalPicture, white);
    }

    // A picture that cannot be shown, one of the player's or a stock picture gone from the
    // program's folder: named in a message, and the dialog goes on with the picture it showed.
    void badFiles_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : BadFileNames + QStringList{"moved.jpg", "rose.jpg"})
            QTest::newRow(qPrintable(name)) << name;
    }
    void badFiles()
    {
        QFETCH(QString, name);
        const WithoutReadOverride asPlayer;
        const bool stock = StockFiles.contains(name);
        QImage shown;
        if (stock) {
            QVERIFY(QFile::remove(m_app->fakes.folder.filePath(name)));
            QVERIFY(open());
            shown = preview()->Image();
            click("Option7");
        } else {
            // Listed as a good picture, then replaced behind the dialog's back by the bad one.
            writeFile(m_mine + '/' + name, encodedPicture({300, 300}, Qt::red, "JPEG"));
            QVERIFY(open(true));
            chooseItem(files(), "square.bmp");
            shown = preview()->Image();
            QVERIFY(QFile::remove(m_mine + '/' + name));
            makeBadFile(m_mine, name);
            if (name == "locked.jpg" && QFile(m_mine + '/' + name).open(QIODevice::ReadOnly))
                QSKIP("this process can read a file without read permission");
            chooseItem(files(), name);
        }
        const QStringList &told = m_app->fakes.messages.shown;
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].contains(name), qPrintable(told[0]));
        QVERIFY(m_dlg->isVisible());
        if (stock) { // the Leaf's option stays chosen, and panel 2 names it
            QVERIFY(m_dlg->findChild<QRadioButton *>("Option6")->isChecked());
            QCOMPARE(m_app->w->panelText(StatusPanel::PictureName), QStringLiteral("Leaf"));
        } else { // the size the square check goes by is still the shown picture's
            QCOMPARE(QSize(m_dlg->PreviewSourceWidth, m_dlg->PreviewSourceHeight), QSize(300, 300));
        }
        click("Command1"); // still usable, on the picture shown before
        QTRY_VERIFY(!m_app->window<SetUpFrm>());
        QCOMPARE(m_app->w->session().setup().goalPicture, shown);
        QCOMPARE(m_app->w->session().setup().SkillLevel, stock ? 1 : SkillCustom); // Leaf's list
    }

    void browsing()
    {
        QVERIFY(open(true));
        auto *drives = m_dlg->findChild<DriveList *>("Drive1");
        auto *folders = m_dlg->findChild<FolderList *>("Dir1");
        const QString program = m_app->fakes.folder.path();
        const int index = drives->findData(driveOf(m_mine));
        drives->setCurrentIndex(index);
        emit drives->activated(index);
        for (int i = 0; i < drives->count(); ++i) // mounted file systems, each by its root
            QCOMPARE(driveOf(drives->itemData(i).toString()), drives->itemData(i).toString());
        QCOMPARE(folders->path(), driveOf(m_mine));
        // A large folder is read between events, not in one go.
        const QString many = program + "/many";
        QDir().mkpath(many);
        for (int i = 0; i < 5000; ++i)
            writeFile(QStringLiteral("%1/p%2.%3").arg(many).arg(i).arg(i % 2 ? "JPG" : "txt"), {});
        QVERIFY(folders->setPath(many));
        QVERIFY(files()->isListing());
        QTRY_VERIFY(!files()->isListing());
        QCOMPARE(files()->count(), 2500);
        QCOMPARE(files()->item(1)->text(), QStringLiteral("p1001.JPG")); // by name, after p1.JPG
        // Up to the program's folder and down into the player's, by double clicks.
        const auto enter = [folders](const QString &name) {
            chooseItem(folders, name);
            QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {},
                               folders->visualItemRect(folders->currentItem()).center());
        };
        enter(QFileInfo(program).fileName());
        enter("mine");
        QCOMPARE(folders->path(), m_mine);
        // Folders removed between listing and choosing: both lists land on the nearest one left.
        for (const QString &removed : {QStringLiteral("gone/inner"), QStringLiteral("gone")}) {
            QVERIFY(QDir().mkpath(program + "/gone/inner"));
            QVERIFY(folders->setPath(program + "/gone"));
            QVERIFY(QDir(program + '/' + removed).removeRecursively());
            enter("inner");
            QCOMPARE(folders->path(), QFileInfo(program + '/' + removed).path());
            QCOMPARE(files()->path(), folders->path());
            QVERIFY(folders->findItems("inner", Qt::MatchExactly).isEmpty());
        }
        // The next opening shows the folder the player was last in.
        click("Command2");
        QTRY_VERIFY(!m_app->window<SetUpFrm>());
        QVERIFY(open());
        QCOMPARE(files()->path(), program);
        QCOMPARE(files()->count(), StockFiles.size()); // not shot.png
    }
};

QTEST_MAIN(TestPictureSetup)
#include "tst_picture_setup.moc"
