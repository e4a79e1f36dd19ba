// Play figures on a 7 x 7 board: one click with the repaint of the changed cells, one New Game.
#include "ui/main_window.h"
#include "ui/cell_view.h"
#include "adapters/silent_devices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    UnattendedPlatform outside;
    Form1 w(outside.platform(folder.path()));
    w.Form_Load();
    w.SevenBySeven_Click();
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 1;

    const int games = 200;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < games; ++i) {
        w.NewGame_Click();
        QApplication::processEvents();
    }
    const double newGameMs = timer.nsecsElapsed() / 1e6 / games;

    // Slide the row of the gap back and forth: every click moves a whole line.
    int clicks = 0;
    timer.restart();
    for (int i = 0; i < 2000; ++i) {
        const Cell gap = w.session().board().blank();
        QTest::mouseClick(w.cellView(gap.row, gap.col < 3 ? 6 : 0), Qt::LeftButton);
        QApplication::processEvents();
        ++clicks;
    }
    const double clickUs = timer.nsecsElapsed() / 1e3 / clicks;
    std::printf("one click on 7x7 (line slide + repaint): %.1f us (mean of %d)\n", clickUs, clicks);
    std::printf("one New Game on 7x7 (3000 steps + redraw): %.2f ms (mean of %d)\n", newGameMs, games);
    return 0;
}
