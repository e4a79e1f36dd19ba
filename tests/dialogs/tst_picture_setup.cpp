// The Picture Setup dialog, opened from the real main window's Game menu.
#include "app.h"
#include "bad_pictures.h"
#include "dialogs/picture_file.h"
#include "dialogs/picture_setup.h"
#include "dialogs/picture_setup_browser.h"
#include "dialogs/picture_setup_preview.h"
#include "dialogs/picture_setup_stock.h"
#include "imagery/picture_clip.h"

#include <QRadioButton>

namespace {
bool hasBlack(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).value() < 40)
                return true;
    return false;
}
} // namespace

class TestPictureSetup : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<App> m_app;
    SetUpFrm *m_dlg = nullptr;
    QString m_mine;  // a folder of the player's own pictures

    template <typename T> T *child(const char *name) { return m_dlg->findChild<T *>(QString::fromLatin1(name)); }
    PreviewBox *preview() { return child<PreviewBox>("Picture1"); }
    FileList *files() { return child<FileList>("File1"); }
    void click(const char *name) { press(child<QWidget>(name)); }
    void chooseFile(const QString &name) { chooseItem(files(), name); }
    bool closed() const { return !m_app->window<SetUpFrm>(); }
    bool open()
    {
        m_app->entry("Pictures");
        m_dlg = m_app->window<SetUpFrm>();
        return m_dlg && QTest::qWaitForWindowExposed(m_dlg) && QTest::qWaitFor([this] { return !files()->isListing(); });
    }
    // Opens the dialog on the player's folder with "Custom" chosen.
    bool openOnMine()
    {
        m_app->w->rememberPictureFolder(m_mine);
        if (!open())
            return false;
        click("Option11");
        return files()->isEnabled();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_app = std::make_unique<App>();
        m_mine = m_app->fakes.folder.filePath(QStringLiteral("mine"));
        QDir().mkpath(m_mine);
        QVERIFY(writeFile(m_mine + "/WIDE.JPG", encodedPicture({400, 300}, Qt::blue, "JPEG")));
        QVERIFY(writeFile(m_mine + "/square.bmp", encodedPicture({300, 300}, Qt::white, "BMP")));
        QVERIFY(QFile::copy(m_app->fakes.folder.filePath("Leaf.gif"), m_mine + "/Autumn.GIF"));
        QVERIFY(writeFile(m_mine + "/shot.png", encodedPicture({300, 300}, Qt::red, "PNG")));
    }
    void cleanup() { m_app.reset(); }

    void grid_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("step");
        QTest::newRow("3x3") << "Option1" << 84;
        QTest::newRow("4x4") << "Option2" << 63;
        QTest::newRow("5x5") << "Option3" << 50;
        QTest::newRow("6x6") << "Option4" << 42;
        QTest::newRow("7x7") << "Option5" << 36;
    }
    void grid()
    {
        QFETCH(QString, option);
        QFETCH(int, step);
        QVERIFY(openOnMine());
        chooseFile("square.bmp");
        click(qPrintable(option));
        click("Command3");
        const QImage screen = preview()->grab().toImage();
        for (int x = 0; x < 253; ++x) {
            const bool line = x % step == 0;
            QVERIFY2((screen.pixelColor(2 + x, 130).value() < 40) == line, qPrintable(QString::number(x)));
            QVERIFY2((screen.pixelColor(130 + 2, 2 + x).value() < 40) == line || (130 % step == 0),
                     qPrintable(QString::number(x)));
        }
        const QImage white = preview()->Image();
        QVERIFY(!hasBlack(white));
        click("Command4");
        QCOMPARE(preview()->screenImage(), white);
        // Shown again, then another size: the grid on screen stays until "Show Grid" is pressed.
        click("Command3");
        click(option == "Option1" ? "Option2" : "Option1");
        QVERIFY(preview()->screenImage().pixelColor(step, 130).value() < 40);
        click("Command1");  // the tiles come from the picture, never from the grid
        QTRY_VERIFY(closed());
        QCOMPARE(m_app->w->game().Setup.goalPicture, white);
        for (const Picture &tile : m_app->w->game().TilePictures)
            QVERIFY(!hasBlack(tile.image));
    }

    void badFiles_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : BadFileNames + QStringList{"moved.jpg"})
            QTest::newRow(qPrintable(name)) << name;
    }
    void badFiles()
    {
        QFETCH(QString, name);
        const WithoutReadOverride asPlayer;
        // Listed as a good picture, then replaced behind the dialog's back by the bad one.
        QVERIFY(writeFile(m_mine + '/' + name, encodedPicture({300, 300}, Qt::red, "JPEG")));
        QVERIFY(openOnMine());
        chooseFile("square.bmp");
        const QImage shown = preview()->Image();
        QVERIFY(QFile::remove(m_mine + '/' + name));
        makeBadFile(m_mine, name);
        if (name == "locked.jpg" && QFile(m_mine + '/' + name).open(QIODevice::ReadOnly))
            QSKIP("this process can read a file without read permission");
        chooseFile(name);
        QCOMPARE(m_app->fakes.messages.shown.size(), 1);
        QVERIFY2(m_app->fakes.messages.shown[0].contains(name), qPrintable(m_app->fakes.messages.shown[0]));
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(preview()->Image(), shown);
        QCOMPARE(QSize(m_dlg->PreviewSourceWidth, m_dlg->PreviewSourceHeight), QSize(300, 300));
        click("Command1");  // still usable
        QTRY_VERIFY(closed());
        QCOMPARE(m_app->w->game().Setup.goalPicture, shown);
    }

    void missingStockPicture()
    {
        QVERIFY(QFile::remove(m_app->fakes.folder.filePath("rose.jpg")));
        QVERIFY(open());
        const QImage leaf = preview()->Image();
        click("Option7");
        QCOMPARE(m_app->fakes.messages.shown.size(), 1);
        QVERIFY(m_app->fakes.messages.shown[0].contains("rose.jpg"));
        QVERIFY(child<QRadioButton>("Option6")->isChecked());
        QCOMPARE(preview()->Image(), leaf);
        QCOMPARE(m_app->w->panelText(StatusPanel::PictureName), QStringLiteral("Leaf"));
        click("Command1");
        QTRY_VERIFY(closed());
        QCOMPARE(m_app->w->game().Setup.SkillLevel, 1);
    }

    void browsing()
    {
        QVERIFY(openOnMine());
        auto *drives = child<DriveList>("Drive1");
        const int index = drives->findData(driveOf(m_mine));
        QVERIFY(index >= 0);
        drives->setCurrentIndex(index);
        emit drives->activated(index);
        for (int i = 0; i < drives->count(); ++i)  // mounted file systems, each by its root
            QCOMPARE(driveOf(drives->itemData(i).toString()), drives->itemData(i).toString());
        QCOMPARE(child<FolderList>("Dir1")->path(), driveOf(m_mine));
        // A large folder is read between events, not in one go.
        const QString many = m_app->fakes.folder.filePath("many");
        QDir().mkpath(many);
        for (int i = 0; i < 5000; ++i)
            writeFile(QStringLiteral("%1/p%2.%3").arg(many).arg(i).arg(i % 2 ? "JPG" : "txt"), {});
        QVERIFY(child<FolderList>("Dir1")->setPath(many));
        QVERIFY(files()->isListing());
        QTRY_VERIFY(!files()->isListing());
        QCOMPARE(files()->count(), 2500);
        QCOMPARE(files()->item(0)->text(), QStringLiteral("p1.JPG"));
        QCOMPARE(files()->item(1)->text(), QStringLiteral("p1001.JPG"));
        // Up to the program's folder and down into the player's, by double clicks.
        auto *folders = child<FolderList>("Dir1");
        const auto enter = [folders](const QString &name) {
            chooseItem(folders, name);
            const QListWidgetItem *item = folders->findItems(name, Qt::MatchExactly).value(0);
            QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(item).center());
        };
        enter(QFileInfo(m_app->fakes.folder.path()).fileName());
        enter("mine");
        QCOMPARE(folders->path(), m_mine);
        QCOMPARE(m_app->w->lastPictureFolder(), m_mine);
        // Folders removed between listing and choosing: both lists land on the nearest one left.
        for (const QString &removed : {QStringLiteral("gone/inner"), QStringLiteral("gone")}) {
            QVERIFY(QDir().mkpath(m_mine + "/gone/inner"));
            QVERIFY(folders->setPath(m_mine + "/gone"));
            QVERIFY(QDir(m_mine + '/' + removed).removeRecursively());
            enter("inner");
            const QString nearest = QFileInfo(m_mine + '/' + removed).path();
            QCOMPARE(folders->path(), nearest);
            QVERIFY(folders->findItems("inner", Qt::MatchExactly).isEmpty());
            QCOMPARE(files()->path(), nearest);
        }
        click("Command2");
        QTRY_VERIFY(closed());
        QVERIFY(open());
        QCOMPARE(files()->path(), m_mine);
        QCOMPARE(files()->count(), 3);  // not shot.png
    }
};

QTEST_MAIN(TestPictureSetup)
#include "tst_picture_setup.moc"
