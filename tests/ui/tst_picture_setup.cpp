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

    template<typename T>
    T *child(const char *name)
    {
        return m_dlg->findChild<T *>(QString::fromLatin1(name));
    }
    PreviewBox *preview() { return child<PreviewBox>("Picture1"); }
    FileList *files() { return child<FileList>("File1"); }
    void click(const char *name) { press(child<QWidget>(name)); }
    bool closed() const { return !m_app->window<SetUpFrm>(); }
    // Opens the dialog; `onMine`: on the player's folder, with "Custom" chosen.
    bool open(bool onMine = false)
    {
        if (onMine)
            m_app->w->session().rememberPictureFolder(m_mine);
        m_app->entry("Pictures");
        m_dlg = m_app->window<SetUpFrm>();
        if (!m_dlg || !QTest::qWaitForWindowExposed(m_dlg)
            || !QTest::qWaitFor([this] { return !files()->isListing(); }))
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
        writeFile(m_mine + "/WIDE.JPG", encodedPicture({400, 300}, Qt::blue, "JPEG"));
        writeFile(m_mine + "/square.bmp", encodedPicture({300, 300}, Qt::white, "BMP"));
        QVERIFY(QFile::copy(m_app->fakes.folder.filePath("Leaf.gif"), m_mine + "/Autumn.GIF"));
        writeFile(m_mine + "/shot.png", encodedPicture({300, 300}, Qt::red, "PNG"));
    }
    void cleanup() { m_app.reset(); }

    void grid_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("step");
        const std::pair<int, int> steps[] = {
            {3, 84}, {4, 63}, {5, 50}, {6, 42}, {7, 36}}; // board size, grid step
        for (const auto &[size, step] : steps)
            QTest::addRow("%dx%d", size, size) << QStringLiteral("Option%1").arg(size - 2) << step;
    }
    void grid()
    {
        QFETCH(QString, option);
        QFETCH(int, step);
        QVERIFY(open(true));
        chooseItem(files(), "square.bmp");
        click(qPrintable(option));
        click("Command3");
        const QImage screen = preview()->grab().toImage();
        const auto dark = [&screen](int x, int y) {
            return screen.pixelColor(2 + x, 2 + y).value() < 40;
        };
        for (int x = 0; x < 253;
             ++x) // a line every `step` pixels across and down the white picture, and no other
            QVERIFY2(dark(x, 128) == (x % step == 0) && dark(130, x) == (x % step == 0),
                     qPrintable(QString::number(x)));
        const QImage white = preview()->Image();
        QVERIFY(white.pixelColor(step, step).value()
                > 40); // where two lines cross on screen, the picture is white
        click("Command4");
        QCOMPARE(preview()->screenImage(), white);
        // Shown again, then another size: the grid on screen stays until "Show Grid" is pressed.
        click("Command3");
        click(option == "Option1" ? "Option2" : "Option1");
        QVERIFY(preview()->screenImage().pixelColor(step, 130).value() < 40);
        click("Command1"); // the game's picture is the picture, never the grid
        QTRY_VERIFY(closed());
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
        const QStringList &messages = m_app->fakes.messages.shown;
        QVERIFY2(messages.size() == 1 && messages[0].contains(name),
                 qPrintable(messages.join('\n')));
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(preview()->Image(), shown);
        if (stock) // the Leaf's option stays chosen, and panel 2 names it
            QCOMPARE(std::tuple(child<QRadioButton>("Option6")->isChecked(),
                                m_app->w->panelText(StatusPanel::PictureName)),
                     std::tuple(true, QStringLiteral("Leaf")));
        else
            QCOMPARE(QSize(m_dlg->PreviewSourceWidth, m_dlg->PreviewSourceHeight), QSize(300, 300));
        click("Command1"); // still usable
        QTRY_VERIFY(closed());
        QCOMPARE(m_app->w->session().setup().goalPicture, shown);
        QCOMPARE(m_app->w->session().setup().SkillLevel, stock ? 1 : SkillCustom);
    }

    void browsing()
    {
        QVERIFY(open(true));
        auto *drives = child<DriveList>("Drive1");
        auto *folders = child<FolderList>("Dir1");
        const int index = drives->findData(driveOf(m_mine));
        drives->setCurrentIndex(index);
        emit drives->activated(index);
        for (int i = 0; i < drives->count(); ++i) // mounted file systems, each by its root
            QCOMPARE(driveOf(drives->itemData(i).toString()), drives->itemData(i).toString());
        QCOMPARE(folders->path(), driveOf(m_mine));
        // A large folder is read between events, not in one go.
        const QString many = m_app->fakes.folder.filePath("many");
        QDir().mkpath(many);
        for (int i = 0; i < 5000; ++i)
            writeFile(QStringLiteral("%1/p%2.%3").arg(many).arg(i).arg(i % 2 ? "JPG" : "txt"), {});
        QVERIFY(folders->setPath(many));
        QVERIFY(files()->isListing());
        QTRY_VERIFY(!files()->isListing());
        QCOMPARE(files()->count(), 2500);
        QCOMPARE(QStringList({files()->item(0)->text(), files()->item(1)->text()}),
                 (QStringList{"p1.JPG", "p1001.JPG"}));
        // Up to the program's folder and down into the player's, by double clicks.
        const auto enter = [folders](const QString &name) {
            chooseItem(folders, name);
            const QListWidgetItem *item = folders->findItems(name, Qt::MatchExactly).value(0);
            QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {},
                               folders->visualItemRect(item).center());
        };
        enter(QFileInfo(m_app->fakes.folder.path()).fileName());
        enter("mine");
        QCOMPARE(QStringList({folders->path(), m_app->w->session().lastPictureFolder()}),
                 QStringList(2, m_mine));
        // Folders removed between listing and choosing: both lists land on the nearest one left.
        for (const QString &removed : {QStringLiteral("gone/inner"), QStringLiteral("gone")}) {
            QVERIFY(QDir().mkpath(m_mine + "/gone/inner"));
            QVERIFY(folders->setPath(m_mine + "/gone"));
            QVERIFY(QDir(m_mine + '/' + removed).removeRecursively());
            enter("inner");
            QCOMPARE(QStringList({folders->path(), files()->path()}),
                     QStringList(2, QFileInfo(m_mine + '/' + removed).path()));
            QVERIFY(folders->findItems("inner", Qt::MatchExactly).isEmpty());
        }
        click("Command2");
        QTRY_VERIFY(closed());
        QVERIFY(open());
        QCOMPARE(std::tuple(files()->path(), files()->count()),
                 std::tuple(m_mine, 3)); // not shot.png
    }
};

QTEST_MAIN(TestPictureSetup)
#include "tst_picture_setup.moc"
