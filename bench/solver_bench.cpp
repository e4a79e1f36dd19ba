// Solver figures: table build, time and clicks per board, on boards from the game's own scramble
// and, on 4 x 4, on boards drawn uniformly from every solvable arrangement.
// Usage: solver_bench [boards per size, default 100] [smallest side] [largest side] [uniform 4 x 4
// boards, default 200]
#include "core/board/board.h"
#include "core/solver/solver.h"
#include "core/solver/solver_patterns.h"
#include "core/solver/solver_walk.h"
#include "core/platform/random_source.h"

#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>

namespace {

class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(quint32 seed) : m_state(seed) {}
    void randomize() override {}
    float next() override
    {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<float>(m_state >> 8) / 16777216.0f;
    }

private:
    quint32 m_state;
};

double seconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// CPU time of the calling thread: other work on the machine does not count against the solver.
struct Timer {
    double wall = seconds(CLOCK_MONOTONIC), cpu = seconds(CLOCK_THREAD_CPUTIME_ID);
    double wallMs() const { return (seconds(CLOCK_MONOTONIC) - wall) * 1000; }
    double cpuMs() const { return (seconds(CLOCK_THREAD_CPUTIME_ID) - cpu) * 1000; }
};

std::string loadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string one, five;
    file >> one >> five;
    return one + " (1 min), " + five + " (5 min)";
}

// A new board of side n, scrambled the way New Game does it.
Board scrambled(int n, RandomSource &random)
{
    Board board = Board::solved(n);
    scrambleWalk(board, random);
    return board;
}

// Every solvable arrangement equally likely: a shuffle, and two pieces swapped when it cannot be
// solved (a one-to-one match between the unsolvable arrangements and the solvable ones).
Board uniform(int n, RandomSource &random)
{
    Board board = Board::solved(n);
    for (size_t i = board.tiles.size(); i > 1; --i)
        std::swap(board.tiles[i - 1],
                  board.tiles[std::min(i - 1, static_cast<size_t>(random.next() * float(i)))]);
    if (!isSolvable(board)) {
        const auto first = std::find_if(board.tiles.begin(), board.tiles.end(), [](int t) { return t; });
        const auto second = std::find_if(first + 1, board.tiles.end(), [](int t) { return t; });
        std::iter_swap(first, second);
    }
    const auto gap = std::find(board.tiles.begin(), board.tiles.end(), 0) - board.tiles.begin();
    board.BlankRow = static_cast<qint16>(gap / n);
    board.BlankCol = static_cast<qint16>(gap % n);
    return board;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double worst(const std::vector<double> &values)
{
    return *std::max_element(values.begin(), values.end());
}

// TESSARY_BENCH_NO_BUILD=1 leaves out the build of the 4 x 4 tables (seconds of CPU).
void measureTables()
{
    for (int n : {3, 4}) {
        Timer timer;
        const int states = solver::walkTable(n).size();
        std::printf("walking table %dx%d: %d states, built in %.0f ms (cpu %.0f ms)\n", n, n, states,
                    timer.wallMs(), timer.cpuMs());
    }
    if (!std::getenv("TESSARY_BENCH_NO_BUILD")) {
        const double cpu = seconds(CLOCK_PROCESS_CPUTIME_ID); // the build runs on two threads
        Timer timer;
        const auto built = solver::buildPatternTables(nullptr);
        size_t bytes = 0;
        for (const auto &table : *built)
            bytes += table.bytes();
        std::printf("pattern tables 4x4: %zu tables, %.1f MB, built in %.0f ms (cpu %.0f ms)\n",
                    built->size(), double(bytes) / 1e6, timer.wallMs(),
                    (seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu) * 1000);
    }
    // What the game does on its first 4 x 4 game: the tables read from the shipped file.
    solver::usePatternFile(QStringLiteral(TESSARY_PROGRAM_DIR "/patterns.bin"));
    Timer timer;
    const auto *tables = solver::patternTables(nullptr);
    std::printf("pattern tables 4x4 read from patterns.bin and checked in %.1f ms (cpu %.1f ms)\n",
                timer.wallMs(), timer.cpuMs());
    if (!tables || !solver::loadPatternFile()) {
        std::printf("patterns.bin missing or damaged\n");
        std::exit(1);
    }
}

void measureSize(int n, int boards, bool uniformBoards = false)
{
    SeededRandom random((uniformBoards ? 77000 : 20240) + static_cast<quint32>(n));
    std::vector<double> wall, cpu, clicks;
    for (int i = 0; i < boards; ++i) {
        const Board board = uniformBoards ? uniform(n, random) : scrambled(n, random);
        Timer timer;
        const auto solution = n <= 4 ? solver::shortestSolution(board).value_or(std::vector<Cell>{})
                                     : solver::quickSolution(board);
        wall.push_back(timer.wallMs());
        cpu.push_back(timer.cpuMs());
        clicks.push_back(double(solution.size()));
        Board check = board;
        for (Cell click : solution)
            check.click(click);
        if (!check.isSolved()) {
            std::printf("%dx%d board %d: solution does not solve it\n", n, n, i);
            std::exit(1);
        }
    }
    std::printf("%dx%d %s, %d %s boards: time median %.1f ms, worst %.1f ms (cpu median %.1f, worst %.1f); "
                "clicks median %.0f, worst %.0f\n",
                n, n, n <= 4 ? "fewest clicks" : "quick solution", boards,
                uniformBoards ? "uniform random" : "scrambled", median(wall), worst(wall),
                median(cpu), worst(cpu), median(clicks), worst(clicks));
    std::fflush(stdout);
}

// How long a search on the hardest 4 x 4 board takes to give up once told to.
void measureCancel()
{
    const Board hardest{4, {1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 4, 8, 12, 0}};
    std::atomic<bool> cancel{false};
    std::thread search([&] { solver::fewestClicks(hardest, &cancel); });
    timespec pause{0, 300'000'000};
    nanosleep(&pause, nullptr);
    Timer timer;
    cancel = true;
    search.join();
    std::printf("cancelled search returned after %.2f ms\n", timer.wallMs());
}

} // namespace

int main(int argc, char *argv[])
{
    const int boards = argc > 1 ? std::atoi(argv[1]) : 100;
    const int smallest = argc > 2 ? std::atoi(argv[2]) : 3;
    const int largest = argc > 3 ? std::atoi(argv[3]) : 7;
    const int uniformBoards = argc > 4 ? std::atoi(argv[4]) : 200;
    std::printf("load average at start: %s\n", loadAverage().c_str());
    measureTables();
    measureCancel();
    for (int n = smallest; n <= largest; ++n)
        measureSize(n, boards);
    if (smallest <= 4 && largest >= 4 && uniformBoards > 0)
        measureSize(4, uniformBoards, true);
    std::printf("load average at end: %s\n", loadAverage().c_str());
    return 0;
}
