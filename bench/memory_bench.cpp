// Memory of the game through a sequence of New Games, set-ups and window closes on 4 x 4, where
// the first search builds the pattern tables: resident size at each step.
#include "adapters/silent_devices.h"
#include "ui/main_window.h"
#include "ui/statistics_dialog.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <unistd.h>

namespace {
double residentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return double(fields.value(1).toLongLong()) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void settle(Form1 &w)
{
    // Until the fewest clicks of the board in play are known, or a minute has passed.
    if (!QTest::qWaitFor([&w] { return w.session().fewestClicks().has_value(); }, 60000))
        std::printf("(the fewest clicks were not known within a minute)\n");
    QTest::qWait(200);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir data;
    UnattendedPlatform outside;
    // The program's folder as built, with its pattern tables; with no such file
    // (TESSARY_BENCH_NO_TABLES set) the first 4 x 4 search builds them.
    Platform platform = outside.platform(qEnvironmentVariableIsSet("TESSARY_BENCH_NO_TABLES")
                                             ? data.path()
                                             : QStringLiteral(TESSARY_PROGRAM_DIR));
    platform.dataFolder = data.path();
    Form1 w(platform);
    w.Form_Load();
    w.FourbyFour_Click();
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 1;
    QTest::qWait(200);
    std::printf("at start: %.1f MB\n", residentMb());
    w.NewGame_Click();
    QTest::qWait(100);
    w.NewGame_Click(); // abandons the first search while it builds the tables
    settle(w);
    std::printf("two New Games 0.1 s apart, tables in use: %.1f MB\n", residentMb());
    for (int i = 0; i < 10; ++i) {
        w.NewGame_Click();
        QTest::qWait(i * 20);
    }
    w.ThreebyThree_Click();
    w.NewGame_Click();
    w.FourbyFour_Click();
    w.NewGame_Click();
    w.Statistics_Click();
    QTest::qWait(100);
    if (auto *statistics = w.findChild<StatisticsFrm *>())
        statistics->close();
    w.ShowPicBox_Click();
    settle(w);
    std::printf("after ten more New Games, set-ups and a window closed: %.1f MB (goal 45 MB)\n",
                residentMb());
    return 0;
}
