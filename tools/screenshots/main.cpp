// Saves a picture of each of the game's windows, for looking at them and for the README.
// Usage: tessary-screenshots <output folder> [program folder]   (default: the build's, beside the
//        game's executable; give an installed game's folder, e.g. /usr/lib/tessary, to show that)
//        tessary-screenshots --icons <folder>   (the application icon in the theme sizes)
#include "ui/splash.h"
#include "adapters/translations.h"
#include "ui/main_window.h"
#include "ui/about.h"
#include "ui/about_music.h"
#include "ui/number_setup.h"
#include "ui/picture_setup.h"
#include "core/imagery/logo.h"
#include "ui/help_window.h"
#include "ui/statistics_dialog.h"
#include "ui/top_scores_dialog.h"
#include "core/stats/stats_file.h"
#include "adapters/qt_message_boxes.h"
#include "adapters/silent_devices.h"

#include <QApplication>
#include <QMenu>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {
void save(QWidget *window, const QString &folder, const QString &name)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        std::fprintf(stderr, "%s was not shown\n", qPrintable(name));
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    window->grab().save(path);
    std::printf("%s\n", qPrintable(path));
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--icons") == 0) {
        for (int size : {48, 64, 128, 256}) {
            const QString dir = QStringLiteral("%1/%2").arg(QString::fromLocal8Bit(argv[2])).arg(size);
            QDir().mkpath(dir);
            drawLogo(size).save(dir + QStringLiteral("/works.orvane.Tessary.png"));
        }
        return 0;
    }
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    UnattendedPlatform outside;
    outside.random.randomize();
    Platform platform = outside.platform(argc > 2 ? QString::fromLocal8Bit(argv[2])
                                                  : QStringLiteral(TESSARY_PROGRAM_DIR));
    // In the desktop's language, as the game: LANGUAGE=de shows whether the German texts fit.
    const Translations translations(platform.programFolder);
    platform.language = translations.language();
    // A player's data folder of its own, with a few hundred games played.
    QTemporaryDir data;
    platform.dataFolder = data.path();
    QList<GameRecord> games;
    for (int i = 0; i < 300; ++i) {
        GameRecord game;
        game.started = QDateTime(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC).addSecs(3600LL * i);
        game.size = 3 + i % 3;
        game.picture = i % 5 ? QStringLiteral("Numbers") : QStringLiteral("Cow");
        game.fewest = game.size == 5 ? std::nullopt : std::optional<int>(14 + i % 9);
        game.won = i % 7 != 0;
        // Getting better: fewer clicks over the fewest as the games go by.
        game.clicks = game.fewest.value_or(60) + (300 - i) / 12 + (i * 7919) % 9;
        game.playedMs = 1000LL * (40 + (i * 104729) % 90 + game.clicks * 2);
        games << game;
    }
    StatsFile(data.path()).save(games);

    frmSplash splash(nullptr);
    splash.Timer1()->stop();
    save(&splash, out, QStringLiteral("splash"));

    Form1 w(platform);
    w.Form_Load();
    w.FourbyFour_Click();
    save(&w, out, QStringLiteral("main-4x4"));
    w.SevenBySeven_Click();
    w.NewGame_Click();
    save(&w, out, QStringLiteral("main-7x7-scrambled"));
    // The File menu with a click to undo.
    const Cell gap = w.session().board().blank();
    w.session().cellClicked(Cell{gap.row, gap.col == 0 ? 1 : 0});
    auto *fileMenu = w.findChild<QMenu *>(QStringLiteral("FileMenu"));
    fileMenu->popup(w.mapToGlobal(QPoint(0, 0)));
    save(fileMenu, out, QStringLiteral("file-menu"));
    fileMenu->hide();

    QImage cow(platform.file(QStringLiteral("cow.jpg")));
    w.session().startGame(GameSetup::stockPicture(5, 5, cow.scaled(253, 253, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    w.NewGame_Click();
    save(&w, out, QStringLiteral("main-5x5-cow"));
    if (w.pictureBox())
        save(w.pictureBox(), out, QStringLiteral("picture-box"));

    Setupfrm2 numbers(w.session(), &w);
    save(&numbers, out, QStringLiteral("number-setup"));
    SetUpFrm pictures(w.session(), &w);
    save(&pictures, out, QStringLiteral("picture-setup"));
    TopScoresFrm scores(w.session().scores());
    save(&scores, out, QStringLiteral("top-scores"));
    w.session().startGame(GameSetup::numbers(4));
    w.session().refreshStatistics();
    StatisticsFrm statistics(w.session(), &w);
    save(&statistics, out, QStringLiteral("statistics"));
    frmAbout about;
    save(&about, out, QStringLiteral("about"));
    AboutMusicFrm aboutMusic;
    save(&aboutMusic, out, QStringLiteral("about-music"));
    // A message as the real message boxes show it, taken while it waits for the player.
    QTimer::singleShot(200, [&out] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            save(box, out, QStringLiteral("message"));
            box->close();
        }
    });
    QtMessageBoxes().show(QCoreApplication::translate("GameSession",
                                                      "You got a new top score for this board!"));
    HelpWindow helpWindow;
    helpWindow.openContentsAndIndex(platform.helpFile());
    save(&helpWindow, out, QStringLiteral("help"));
    return 0;
}
