// The game in play through the real windows: set-up dialogs used alone, together and cancelled,
// and what the board, the status bar, the Game menu, the Picture Box and the score file then show.
#include "app.h"
#include "bad_pictures.h"
#include "board_text.h"
#include "core/files/picture_file.h"
#include "core/imagery/picture_clip.h"
#include "ui/number_setup.h"
#include "ui/picture_setup.h"
#include "ui/picture_setup_browser.h"

class TestGameSetup : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<App> m_app;

    // One step as a player takes it: "Numbers", "Pictures", "NewGame", "ShowPicBox", or a control
    // of a dialog: "NS OK", "PS Cancel", "PS close", "PS 6x6", "PS Cow", "PS Custom", "PS file X".
    void step(const QString &text)
    {
        const QStringList words = text.split(' ');
        if (words.size() == 1) {
            m_app->entry(text);
            if (text == "Pictures")
                QTRY_VERIFY(
                    m_app->window<SetUpFrm>()
                    && !m_app->window<SetUpFrm>()->findChild<FileList *>("File1")->isListing());
            return;
        }
        QDialog *dlg = words[0] == "NS" ? static_cast<QDialog *>(m_app->window<Setupfrm2>())
                                        : m_app->window<SetUpFrm>();
        QVERIFY2(dlg, qPrintable(text));
        const QString what = words[1];
        if (what == "close")
            return void(dlg->close());
        if (what == "file")
            return chooseItem(dlg->findChild<FileList *>("File1"), words[2]);
        for (QAbstractButton *button : dlg->findChildren<QAbstractButton *>())
            if (button->text() == what || (what == "Setup" && button->text() == "Setup board"))
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

    // Each row: the steps, then the game that must be in play, shown and ranked: its size, panel 2,
    // the Game menu entry checked, the score file line a win changes ("-": not ranked) and the
    // number of messages shown.
    void gameInPlay_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        const auto row = QTest::newRow;
        row("Numbers OK at once") << "Numbers, NS OK"
                                  << "4x4 N/A Numbers 2 1";
        row("Numbers 7x7") << "Numbers, NS 7x7, NS OK"
                           << "7x7 N/A Numbers 5 1";
        row("Numbers cancelled") << "Numbers, NS 3x3, NS Cancel"
                                 << "4x4 N/A Numbers 2 1";
        row("Pictures at once: 3x3 Leaf") << "Pictures, PS Setup"
                                          << "3x3 Leaf Pictures 6 1";
        row("6x6 Cow") << "Pictures, PS 6x6, PS Cow, PS Setup"
                       << "6x6 Cow Pictures 34 1";
        row("Pictures cancelled") << "Pictures, PS Rose, PS Cancel"
                                  << "4x4 N/A Numbers 2 1";
        row("Pictures closed by the close box") << "Pictures, PS Door, PS close"
                                                << "4x4 N/A Numbers 2 1";
        row("custom 300 x 300: not ranked")
            << "Pictures, PS Custom, PS file Shaded.Jpg, PS 5x5, PS Setup"
            << "5x5 Custom Pictures - 0";
        row("Custom, no file: the stock picture shown")
            << "Pictures, PS Flower, PS Custom, PS Setup"
            << "3x3 Flower Pictures 16 1";
        row("Picture Setup still open") << "Pictures, PS Rose"
                                        << "4x4 Rose Pictures 2 1";
        // A picture board, then Numbers cancelled: still the Leaf game, everywhere.
        row("1: Leaf, Numbers cancelled") << "Pictures, PS Setup, Numbers, NS Cancel"
                                          << "3x3 Leaf Pictures 6 1";
        row("2: both open, Numbers cancelled, Setup") << "Pictures, Numbers, NS Cancel, PS Setup"
                                                      << "3x3 Leaf Pictures 6 1";
        row("3: both open, Pictures cancelled, OK") << "Numbers, Pictures, PS Cancel, NS 5x5, NS OK"
                                                    << "5x5 N/A Numbers 3 1";
        row("4: Leaf, Numbers OK, Pictures cancelled")
            << "Pictures, PS Setup, NewGame, Numbers, NS OK, Pictures, PS Cancel"
            << "4x4 N/A Numbers 2 1";
        row("5: not square refused, cancelled")
            << "Pictures, PS Custom, PS file WIDE.JPG, PS Setup, PS Cancel, ShowPicBox"
            << "4x4 N/A Numbers 2 2";
        row("5b: Leaf, then not square refused") << "Pictures, PS Setup, Pictures, PS Custom, PS "
                                                    "file WIDE.JPG, PS 7x7, PS Setup, PS Cancel"
                                                 << "3x3 Leaf Pictures 6 2";
    }
    void gameInPlay()
    {
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        for (const QString &text : steps.split(", "))
            step(text);
        QString inPlay = m_app->w->panelText(StatusPanel::BoardSize) + ' '
                         + m_app->w->panelText(StatusPanel::PictureName);
        for (const char *entry : {"Numbers", "Pictures"})
            inPlay += m_app->w->isChecked(entry) ? QStringLiteral(" ") + entry : QString();
        if (steps.contains("WIDE.JPG"))
            QVERIFY(
                m_app->fakes.messages.shown.value(0).startsWith("The picture your atttempting"));

        // New Game, then the one click that solves the board: the walk takes the empty cell up.
        const QByteArray before = m_app->scoreBytes();
        m_app->entry("NewGame");
        // The goal picture as the preview draws it, from the file the name in play stands for.
        const GameSetup &setup = m_app->w->session().setup();
        const QRegularExpression named('^' + setup.shownName + "\\.",
                                       QRegularExpression::CaseInsensitiveOption);
        const QString file =
            m_app->fakes.folder.filePath(StockFiles.filter(named).value(0, "Shaded.Jpg"));
        const QImage goal =
            setup.picturesGame()
                ? loadPictureFile(file, {253, 253}).image.convertToFormat(QImage::Format_RGB32)
                : QImage();
        QCOMPARE(m_app->w->pictureBox() && m_app->w->pictureBox()->isVisible(), !goal.isNull());
        if (!goal.isNull())
            QCOMPARE(m_app->w->pictureBox()->Image1()->picture().image, goal);
        const int n = setup.size;
        QTest::mouseClick(m_app->w->cellView(n - 1, n - 1), Qt::LeftButton);
        QVERIFY(Winner(m_app->w->session().board()));
        for (const int k : {0, n * n - 1})
            QCOMPARE(m_app->w->cellView(k / n, k % n)->picture().image,
                     goal.isNull() ? PicFrm(1.0).NumPic(k).image
                                   : cutPicture(goal, n)[static_cast<size_t>(k)].image);
        const QList<QByteArray> was = before.split('\n'), now = m_app->scoreBytes().split('\n');
        QStringList changed;
        for (int i = 0; i < was.size(); ++i)
            if (was[i] != now.value(i))
                changed << QString::number(i + 1);
        const QString line = changed.isEmpty() ? QStringLiteral("-") : changed.join('+');
        QCOMPARE(
            QStringLiteral("%1 %2 %3").arg(inPlay, line).arg(m_app->fakes.messages.shown.size()),
            shown);
    }
};

QTEST_MAIN(TestGameSetup)
#include "tst_game_setup.moc"
