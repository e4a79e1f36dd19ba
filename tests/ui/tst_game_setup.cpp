// The game in play through the real windows: set-up dialogs used alone, together and cancelled,
// and what the status bar, the Game menu, the Picture Box and the score file then show.
#include "app.h"
#include "bad_pictures.h"
#include "board_text.h"
#include "core/files/picture_file.h"
#include "ui/number_setup.h"
#include "ui/picture_setup.h"
#include "ui/picture_setup_browser.h"

class TestGameSetup : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<App> m_app;

    // One step as a player takes it: a menu entry ("Numbers", "NewGame", "ShowPicBox"), or a
    // control of Number Setup ("NS 7x7", "NS OK") or Picture Setup ("PS Cow", "PS Setup",
    // "PS file WIDE.JPG", "PS close" for its close box).
    void step(const QString &text)
    {
        const QString what = text.section(' ', 1);
        if (what.isEmpty())
            return m_app->entry(text);
        QDialog *dlg = text.startsWith("NS") ? static_cast<QDialog *>(m_app->window<Setupfrm2>())
                                             : m_app->window<SetUpFrm>();
        QVERIFY2(dlg, qPrintable(text));
        if (what == "close")
            return void(dlg->close());
        if (auto *files = dlg->findChild<FileList *>("File1"); what.startsWith("file ")) {
            QTRY_VERIFY(!files->isListing());
            return chooseItem(files, what.section(' ', 1));
        }
        for (QAbstractButton *button : dlg->findChildren<QAbstractButton *>())
            if (button->text().startsWith(what)) // "Setup" for "Setup board"
                return press(button);
        QFAIL(qPrintable(text));
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_app = std::make_unique<App>();
        writeFile(m_app->fakes.folder.filePath("WIDE.JPG"),
                  encodedPicture({400, 300}, Qt::blue, "JPEG"));
        QVERIFY(gradient(300).save(m_app->fakes.folder.filePath("Shaded.Jpg"), "JPEG"));
    }
    void cleanup() { m_app.reset(); }

    void gameInPlay_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("boardSize");   // panel 1
        QTest::addColumn<QString>("pictureName"); // panel 2
        QTest::addColumn<QString>("gameMark");    // the Game menu entry checked
        QTest::addColumn<int>("rankedLine"); // the score file line a win changes, -1 when unranked
        QTest::addColumn<int>("refusals");   // times the player is told the picture is not square
        // A row: its name, then the columns in order.
        const auto row = [](const char *name, auto... facts) {
            (QTest::newRow(name) << ... << facts);
        };
        row("Numbers 7x7", "Numbers, NS 7x7, NS OK", "7x7", "N/A", "Numbers", 5, 0);
        row("7x7 Cow", "Pictures, PS 7x7, PS Cow, PS Setup", "7x7", "Cow", "Pictures", 35, 0);
        row("closed by its close box", "Pictures, PS Door, PS close", "4x4", "N/A", "Numbers", 2,
            0);
        row("custom 300 x 300: not ranked",
            "Pictures, PS Custom, PS file Shaded.Jpg, PS 5x5, PS Setup", "5x5", "Custom",
            "Pictures", -1, 0);
        row("Custom, no file: the stock picture", "Pictures, PS Flower, PS Custom, PS Setup", "3x3",
            "Flower", "Pictures", 16, 0);
        // Both dialogs, one after the other or open together.
        row("both open, Pictures the latest", "Numbers, Pictures, PS Rose", "4x4", "Rose",
            "Pictures", 2, 0);
        row("Leaf, Numbers cancelled", "Pictures, PS Setup, Numbers, NS Cancel", "3x3", "Leaf",
            "Pictures", 6, 0);
        row("both open, Pictures cancelled, OK", "Numbers, Pictures, PS Cancel, NS 5x5, NS OK",
            "5x5", "N/A", "Numbers", 3, 0);
        row("Leaf, Numbers OK at once, Pictures cancelled",
            "Pictures, PS Setup, NewGame, Numbers, NS OK, Pictures, PS Cancel", "4x4", "N/A",
            "Numbers", 2, 0);
        // A refused picture changes nothing, nor does the size chosen with it.
        row("not square refused, cancelled",
            "Pictures, PS Custom, PS file WIDE.JPG, PS Setup, PS Cancel, ShowPicBox", "4x4", "N/A",
            "Numbers", 2, 1);
    }
    void gameInPlay()
    {
        QFETCH(QString, steps);
        QFETCH(QString, boardSize);
        QFETCH(QString, pictureName);
        QFETCH(QString, gameMark);
        QFETCH(int, rankedLine);
        QFETCH(int, refusals);
        for (const QString &text : steps.split(", "))
            step(text);
        QCOMPARE(m_app->w->panelText(StatusPanel::BoardSize), boardSize);
        QCOMPARE(m_app->w->panelText(StatusPanel::PictureName), pictureName);
        QCOMPARE(m_app->w->isChecked("Numbers"), gameMark == "Numbers");
        QCOMPARE(m_app->w->isChecked("Pictures"), gameMark == "Pictures");
        QCOMPARE(m_app->fakes.messages.shown.size(), refusals);
        QCOMPARE(m_app->fakes.messages.shown.filter("is not scquare").size(), refusals);

        // New Game shows a picture game's goal: the picture file its name stands for (the player's
        // own is Shaded.Jpg), as the preview drew it.
        m_app->entry("NewGame");
        const GameSetup &setup = m_app->w->session().setup();
        const QDir folder(m_app->fakes.folder.path());
        const QString file = folder.entryList({setup.shownName + ".*"}).value(0, "Shaded.Jpg");
        const QImage goal = setup.picturesGame()
                                ? loadPictureFile(folder.filePath(file), {253, 253}).image
                                : QImage();
        const Form2 *box = m_app->w->pictureBox();
        QCOMPARE(box && box->isVisible(), !goal.isNull());
        if (!goal.isNull())
            QCOMPARE(box->Image1()->picture().image, goal);

        // The one click that solves the board (the walk took the empty cell up) ranks the game.
        const QList<QByteArray> before = m_app->scoreBytes().split('\n');
        m_app->click(setup.size - 1, setup.size - 1);
        const QList<QByteArray> after = m_app->scoreBytes().split('\n');
        const auto changed = std::ranges::mismatch(before, after).in1;
        QCOMPARE(changed == before.end() ? -1 : int(changed - before.begin()) + 1, rankedLine);
    }
};

QTEST_MAIN(TestGameSetup)
#include "tst_game_setup.moc"
