// The game in play through the real windows: set-up dialogs used alone, together and cancelled,
// and what the board, the status bar, the Game menu, the Picture Box and the score file then show.
#include "app.h"
#include "board_text.h"
#include "bad_pictures.h"
#include "dialogs/number_setup.h"
#include "dialogs/picture_file.h"
#include "dialogs/picture_setup.h"
#include "dialogs/picture_setup_browser.h"
#include "imagery/number_pictures.h"
#include "imagery/picture_clip.h"

class TestGameSetup : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<App> m_app;
    bool m_accessible = false;  // press buttons and toggle options as a screen reader does

    // One step as a player takes it: "Numbers", "Pictures", "NewGame", "ShowPicBox", or a control
    // of a dialog: "NS OK", "PS Cancel", "PS close", "PS 6x6", "PS Cow", "PS Custom", "PS file X".
    void step(const QString &text)
    {
        const QStringList words = text.split(' ');
        if (words.size() == 1) {
            m_app->entry(text);
            if (text == "Pictures")
                QTRY_VERIFY(m_app->window<SetUpFrm>() && !m_app->window<SetUpFrm>()->findChild<FileList *>("File1")->isListing());
            return;
        }
        QDialog *dlg = words[0] == "NS" ? static_cast<QDialog *>(m_app->window<Setupfrm2>()) : m_app->window<SetUpFrm>();
        QVERIFY2(dlg, qPrintable(text));
        const QString what = words[1];
        if (what == "close")
            return void(dlg->close());
        if (what == "file")
            return chooseItem(dlg->findChild<FileList *>("File1"), words[2]);
        for (QAbstractButton *button : dlg->findChildren<QAbstractButton *>())
            if (button->text() == what || (what == "Setup" && button->text() == "Setup board"))
                return press(button, m_accessible);
        QFAIL(qPrintable(text));
    }
    // The goal picture as the preview draws it, or null for a numbers game.
    QImage expectedPicture(const QString &file) const
    {
        if (file.isEmpty())
            return {};
        return loadPictureFile(m_app->fakes.folder.filePath(file), {253, 253}).image.convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_app = std::make_unique<App>();
        const QDir folder(m_app->fakes.folder.path());
        QVERIFY(writeFile(folder.filePath("WIDE.JPG"), encodedPicture({400, 300}, Qt::blue, "JPEG")));
        QVERIFY(gradient(300).save(folder.filePath("Shaded.Jpg"), "JPEG"));
    }
    void cleanup() { m_app.reset(); }

    // Each row: the steps, then the game that must be in play, shown and ranked: its size, its
    // picture file ("" for numbers), panel 2, the Game menu entry checked, the score file line a
    // win changes (0: none), and the messages shown.
    void gameInPlay_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("panel2");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("messages");
        QTest::addColumn<bool>("accessible");
        for (const bool accessible : {false, true}) {
            auto row = [accessible](const char *name) -> QTestData & {
                return QTest::addRow("%s%s", accessible ? "accessible: " : "", name);
            };
            row("Numbers OK at once") << QStringList{"Numbers", "NS OK"} << 4 << "" << "N/A" << "Numbers" << 2 << 1 << accessible;
            row("Numbers 7x7") << QStringList{"Numbers", "NS 7x7", "NS OK"} << 7 << "" << "N/A" << "Numbers" << 5 << 1 << accessible;
            row("Numbers cancelled") << QStringList{"Numbers", "NS 3x3", "NS Cancel"} << 4 << "" << "N/A" << "Numbers" << 2 << 1 << accessible;
            row("Pictures at once: 3x3 Leaf") << QStringList{"Pictures", "PS Setup"} << 3 << "Leaf.gif" << "Leaf" << "Pictures" << 6 << 1 << accessible;
            row("6x6 Cow") << QStringList{"Pictures", "PS 6x6", "PS Cow", "PS Setup"} << 6 << "cow.jpg" << "Cow" << "Pictures" << 34 << 1 << accessible;
            row("Pictures cancelled") << QStringList{"Pictures", "PS Rose", "PS Cancel"} << 4 << "" << "N/A" << "Numbers" << 2 << 1 << accessible;
            row("Pictures closed by the close box") << QStringList{"Pictures", "PS Door", "PS close"} << 4 << "" << "N/A" << "Numbers" << 2 << 1 << accessible;
            row("custom 300 x 300: not ranked") << QStringList{"Pictures", "PS Custom", "PS file Shaded.Jpg", "PS 5x5", "PS Setup"} << 5 << "Shaded.Jpg" << "Custom" << "Pictures" << 0 << 0 << accessible;
            row("Custom with no file: the stock picture shown") << QStringList{"Pictures", "PS Flower", "PS Custom", "PS Setup"} << 3 << "flower.jpg" << "Flower" << "Pictures" << 16 << 1 << accessible;
            row("Picture Setup still open") << QStringList{"Pictures", "PS Rose"} << 4 << "" << "Rose" << "Pictures" << 2 << 1 << accessible;
            // A picture board, then Numbers cancelled: still the Leaf game, everywhere.
            row("1: Leaf, Numbers cancelled") << QStringList{"Pictures", "PS Setup", "Numbers", "NS Cancel"} << 3 << "Leaf.gif" << "Leaf" << "Pictures" << 6 << 1 << accessible;
            row("2: both open, Numbers cancelled, Setup board") << QStringList{"Pictures", "Numbers", "NS Cancel", "PS Setup"} << 3 << "Leaf.gif" << "Leaf" << "Pictures" << 6 << 1 << accessible;
            row("3: both open, Pictures cancelled, OK") << QStringList{"Numbers", "Pictures", "PS Cancel", "NS 5x5", "NS OK"} << 5 << "" << "N/A" << "Numbers" << 3 << 1 << accessible;
            row("4: Leaf, Numbers OK, Pictures cancelled") << QStringList{"Pictures", "PS Setup", "NewGame", "Numbers", "NS OK", "Pictures", "PS Cancel"} << 4 << "" << "N/A" << "Numbers" << 2 << 1 << accessible;
            row("5: not square refused, cancelled") << QStringList{"Pictures", "PS Custom", "PS file WIDE.JPG", "PS Setup", "PS Cancel", "ShowPicBox"} << 4 << "" << "N/A" << "Numbers" << 2 << 2 << accessible;
            row("5b: Leaf, then not square refused") << QStringList{"Pictures", "PS Setup", "Pictures", "PS Custom", "PS file WIDE.JPG", "PS 7x7", "PS Setup", "PS Cancel"} << 3 << "Leaf.gif" << "Leaf" << "Pictures" << 6 << 2 << accessible;
        }
    }
    void gameInPlay()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, n);
        QFETCH(QString, picture);
        QFETCH(QString, panel2);
        QFETCH(QString, checked);
        QFETCH(int, line);
        QFETCH(int, messages);
        QFETCH(bool, accessible);
        m_accessible = accessible;
        for (const QString &text : steps)
            step(text);
        QCOMPARE(m_app->w->panelText(StatusPanel::PictureName), panel2);
        QCOMPARE(m_app->w->panelText(StatusPanel::BoardSize), QStringLiteral("%1x%1").arg(n));
        QVERIFY(m_app->w->isChecked(checked));
        QVERIFY(!m_app->w->isChecked(checked == "Numbers" ? "Pictures" : "Numbers"));
        if (steps.join(' ').contains("WIDE.JPG"))
            QVERIFY(m_app->fakes.messages.shown.value(0).startsWith("The picture your atttempting"));

        // New Game, then the one click that solves the board: the walk takes the empty cell up.
        const QByteArray before = m_app->scoreBytes();
        m_app->entry("NewGame");
        const QImage goal = expectedPicture(picture);
        QCOMPARE(m_app->w->pictureBox() && m_app->w->pictureBox()->isVisible(), !goal.isNull());
        if (!goal.isNull())
            QCOMPARE(m_app->w->pictureBox()->Image1()->picture().image, goal);
        QTest::mouseClick(m_app->w->cellView(n - 1, n - 1), Qt::LeftButton);
        QVERIFY(m_app->w->Winner());
        const std::vector<Picture> pieces = cutPicture(goal, n);
        const PicFrm numbers(1.0);
        for (const int k : {0, n * n - 1}) {
            const QImage shown = m_app->w->cellView(k / n, k % n)->picture().image;
            QCOMPARE(shown, goal.isNull() ? numbers.NumPic(k).image : pieces[static_cast<size_t>(k)].image);
        }
        QCOMPARE(m_app->fakes.messages.shown.size(), messages);
        const QList<QByteArray> was = before.split('\n'), now = m_app->scoreBytes().split('\n');
        QList<int> changed;
        for (int i = 0; i < was.size(); ++i)
            if (was[i] != now.value(i))
                changed << i + 1;
        QCOMPARE(changed, line ? QList<int>{line} : QList<int>{});
    }
};

QTEST_MAIN(TestGameSetup)
#include "tst_game_setup.moc"
