// Statistics figures with 10,000 games recorded: recording one more game (read, merge and replace
// the file under its lock, on the UI thread), and opening the Statistics window.
#include "adapters/silent_devices.h"
#include "core/stats/stats_file.h"
#include "ui/main_window.h"
#include "ui/statistics_dialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {
// Time on this thread only: the fewest-clicks search of each New Game runs beside it.
double threadMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir program, data;
    UnattendedPlatform outside;
    Platform platform = outside.platform(program.path());
    platform.dataFolder = data.path();
    QList<GameRecord> games;
    for (int i = 0; i < 10000; ++i) {
        GameRecord game;
        game.started = QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC).addSecs(600LL * i);
        game.size = 3 + i % 5;
        game.clicks = 20 + i % 40;
        game.playedMs = 1000LL * (30 + i % 200);
        game.won = i % 4 != 0;
        game.fewest = game.size < 5 ? std::optional<int>(18) : std::nullopt;
        games << game;
    }
    StatsFile(data.path()).save(games);

    Form1 w(platform);
    w.Form_Load();
    w.FourbyFour_Click();
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 1;
    std::vector<double> record, open;
    for (int i = 0; i < 20; ++i) {
        w.NewGame_Click();
        // The recording happens when the next New Game leaves this game.
        double start = threadMs();
        w.NewGame_Click();
        record.push_back(threadMs() - start);
        start = threadMs();
        w.Statistics_Click();
        auto *dialog = w.findChild<StatisticsFrm *>();
        QApplication::processEvents();
        open.push_back(threadMs() - start);
        delete dialog;
    }
    std::printf("recording a game with %lld games in the file: %.1f ms median of the UI thread "
                "(New Game included)\n",
                static_cast<long long>(w.session().statistics().size()), median(record));
    std::printf("opening the Statistics window with as many: %.1f ms median of the UI thread\n",
                median(open));
    return 0;
}
