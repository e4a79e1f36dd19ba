#include "core/solver/solver.h"
#include "board_text.h"
#include <QtTest>
class TestSolver : public QObject {
    Q_OBJECT
private slots:
    void bench()
    {
        QElapsedTimer timer; timer.start();
        solver::fewestClicks(Board::solved(4));
        qDebug() << "tables" << timer.restart();
        const Board hardest = boardFrom("1 5 9 13|2 6 10 14|3 7 11 15|4 8 12 _");
        qDebug() << "solve" << solver::solve(hardest).size() << timer.restart();
        qDebug() << "fewest" << solver::fewestClicks(hardest).value_or(-1) << timer.restart();
    }
};
QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"
