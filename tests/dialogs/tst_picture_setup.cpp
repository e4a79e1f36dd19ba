// The Picture Setup dialog, opened from the real main window's Game menu.
#include "bad_pictures.h"
#include "board/main_window.h"
#include "dialogs/picture_file.h"
#include "dialogs/picture_setup.h"
#include "dialogs/picture_setup_browser.h"
#include "dialogs/picture_setup_preview.h"
#include "dialogs/picture_setup_stock.h"
#include "imagery/picture_clip.h"
#include "platform/cell_view.h"
#include "platform/qt_message_boxes.h"
#include "support/fakes.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QStandardPaths>
#include <QTest>

namespace {
const QStringList StockFiles = {"cow.jpg", "door.jpg", "flower.jpg", "Leaf.gif", "mountain.jpg", "rose.jpg"};

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
    std::unique_ptr<Fakes> m_fakes;
    std::unique_ptr<Form1> m_w;
    SetUpFrm *m_dlg = nullptr;
    QString m_mine;  // a folder of the player's own pictures

    template <typename T> T *child(const char *name) { return m_dlg->findChild<T *>(QString::fromLatin1(name)); }
    PreviewBox *preview() { return child<PreviewBox>("Picture1"); }
    FileList *files() { return child<FileList>("File1"); }
    void click(const char *name) { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton, {}, QPoint(8, 8)); }
    bool open()
    {
        m_w->menuEntry(QStringLiteral("Pictures"))->trigger();
        m_dlg = nullptr;
        for (SetUpFrm *dialog : m_w->findChildren<SetUpFrm *>())
            m_dlg = dialog->isVisible() ? dialog : m_dlg;
        return m_dlg && QTest::qWaitForWindowExposed(m_dlg) && QTest::qWaitFor([this] { return !files()->isListing(); });
    }
    bool closed() const { return m_w->findChildren<SetUpFrm *>().isEmpty(); }
    void chooseFile(const QString &name)
    {
        const QList<QListWidgetItem *> items = files()->findItems(name, Qt::MatchExactly);
        QVERIFY2(items.size() == 1, qPrintable(name));
        QTest::mouseClick(files()->viewport(), Qt::LeftButton, {}, files()->visualItemRect(items[0]).center());
    }
    // Opens the dialog on the player's folder with "Custom" chosen.
    bool openOnMine()
    {
        m_w->rememberPictureFolder(m_mine);
        if (!open())
            return false;
        click("Option11");
        return files()->isEnabled();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_fakes = std::make_unique<Fakes>();
        const QDir media(qEnvironmentVariable("TESSARY_MEDIA_DIR"));
        for (const QString &name : StockFiles)
            QVERIFY(QFile::copy(media.filePath(name), m_fakes->folder.filePath(name)));
        m_mine = m_fakes->folder.filePath(QStringLiteral("mine"));
        QDir().mkpath(m_mine);
        QVERIFY(writeFile(m_mine + "/WIDE.JPG", encodedPicture({400, 300}, Qt::blue, "JPEG")));
        QVERIFY(writeFile(m_mine + "/square.bmp", encodedPicture({300, 300}, Qt::white, "BMP")));
        QVERIFY(QFile::copy(media.filePath("Leaf.gif"), m_mine + "/Autumn.GIF"));
        QVERIFY(writeFile(m_mine + "/shot.png", encodedPicture({300, 300}, Qt::red, "PNG")));
        m_w = std::make_unique<Form1>(m_fakes->platform());
        m_w->Form_Load();
        m_w->FourbyFour_Click();
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
    }
    void cleanup()
    {
        m_w.reset();
        m_fakes.reset();
    }

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
        QCOMPARE(m_w->game().Setup.goalPicture, white);
        for (const Picture &tile : m_w->game().TilePictures)
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
        QCOMPARE(m_fakes->messages.shown.size(), 1);
        QVERIFY2(m_fakes->messages.shown[0].contains(name), qPrintable(m_fakes->messages.shown[0]));
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(preview()->Image(), shown);
        QCOMPARE(QSize(m_dlg->PreviewSourceWidth, m_dlg->PreviewSourceHeight), QSize(300, 300));
        click("Command1");  // still usable
        QTRY_VERIFY(closed());
        QCOMPARE(m_w->game().Setup.goalPicture, shown);
    }

    // With the real message box up over a damaged picture, a screen reader presses "Setup board"
    // and "Cancel": nothing may happen until the box is closed, and then the dialog is as it was.
    void buttonsPressedWhileAMessageIsUp()
    {
        QtMessageBoxes boxes;
        Platform platform = m_fakes->platform();
        Platform real{platform.programFolder, platform.random, platform.settings, platform.waves,
                      platform.music, boxes, platform.help, platform.program};
        m_w = std::make_unique<Form1>(real);
        m_w->Form_Load();
        m_w->FourbyFour_Click();
        makeBadFile(m_mine, "corrupt.jpg");
        QVERIFY(openOnMine());
        chooseFile("square.bmp");
        int pressed = 0;
        QTimer::singleShot(0, [&] {
            for (const char *name : {"Command1", "Command2"}) {
                const QPointer<QAbstractButton> button = child<QAbstractButton>(name);
                QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
                QTRY_VERIFY(!button || !button->isDown());  // the animated click has landed
                ++pressed;
            }
            for (QWidget *window : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(window))
                    box->accept();
        });
        chooseFile("corrupt.jpg");
        QCOMPARE(pressed, 2);
        QVERIFY(m_dlg->isVisible() && m_dlg->isEnabled());
        QVERIFY(!m_w->game().Setup.picturesGame());
        click("Command1");  // and it still works afterwards
        QTRY_VERIFY(closed());
        QVERIFY(m_w->game().Setup.picturesGame());
    }

    void missingStockPicture()
    {
        QVERIFY(QFile::remove(m_fakes->folder.filePath("rose.jpg")));
        QVERIFY(open());
        const QImage leaf = preview()->Image();
        click("Option7");
        QCOMPARE(m_fakes->messages.shown.size(), 1);
        QVERIFY(m_fakes->messages.shown[0].contains("rose.jpg"));
        QVERIFY(child<QRadioButton>("Option6")->isChecked());
        QCOMPARE(preview()->Image(), leaf);
        QCOMPARE(m_w->panelText(StatusPanel::PictureName), QStringLiteral("Leaf"));
        click("Command1");
        QTRY_VERIFY(closed());
        QCOMPARE(m_w->game().Setup.SkillLevel, 1);
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
        const QString many = m_fakes->folder.filePath("many");
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
        for (const QString &name : {QFileInfo(m_fakes->folder.path()).fileName(), QStringLiteral("mine")}) {
            auto *folders = child<FolderList>("Dir1");
            const QList<QListWidgetItem *> items = folders->findItems(name, Qt::MatchExactly);
            QVERIFY2(items.size() == 1, qPrintable(name));
            const QPoint at = folders->visualItemRect(items[0]).center();
            QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, at);
        }
        QCOMPARE(child<FolderList>("Dir1")->path(), m_mine);
        QCOMPARE(m_w->lastPictureFolder(), m_mine);
        // Folders removed between listing and choosing: both lists land on the nearest one left.
        auto *folders = child<FolderList>("Dir1");
        for (const QString &removed : {QStringLiteral("gone/inner"), QStringLiteral("gone")}) {
            QVERIFY(QDir().mkpath(m_mine + "/gone/inner"));
            QVERIFY(folders->setPath(m_mine + "/gone"));
            QListWidgetItem *inner = folders->findItems("inner", Qt::MatchExactly).value(0);
            QVERIFY(inner && QDir(m_mine + '/' + removed).removeRecursively());
            folders->scrollToItem(inner);
            QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(inner).center());
            QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(inner).center());
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
