// The game session without a window: New Game, clicks and keys, the count, the win and its score
// check, the fewest clicks and the hint, the preferences and the music.
#include "bad_pictures.h"
#include "board_text.h"
#include "core/scores/score_file.h"
#include "core/session/game_session.h"
#include "core/solver/solver.h"
#include "core/stats/stats_file.h"
#include "fakes.h"
#include "file_size_limit.h"
#include "game_records.h"

#include <QtTest>

namespace {
// After New Game with every draw "up", the gap climbs from the bottom-right to the top.
const QString Scrambled = QStringLiteral("1 2 3 _|5 6 7 4|9 10 11 8|13 14 15 12");
const QString Solved = QStringLiteral("1 2 3 4|5 6 7 8|9 10 11 12|13 14 15 _");
const QString TopScore = QStringLiteral("You got a new top score for this board!");
const QString Slid = QStringLiteral("change.wav async");
const QStringList Won{Slid, "pop.wav sync", "gling.wav async"};
const QByteArray EmptyLine(" 9999 \r\n");

// What the player meets after some input.
struct Met
{
    int clicks = 0;
    QString board;
    bool lastPieceShown = false;
    bool takesClicks = false;
    QStringList sounds;
    QStringList messages;
    friend bool operator==(const Met &, const Met &) = default;
};

// Notes how many settings had been written when each command arrived.
struct OrderedMusic : FakeMusic
{
    explicit OrderedMusic(const MemorySettings &settings) : settings(settings) {}
    void command(const QString &c) override
    {
        FakeMusic::command(c);
        writesBefore << settings.writes.size();
    }
    const MemorySettings &settings;
    QList<qsizetype> writesBefore;
};

// A started session on fakes: preferences and score file loaded, the 4 x 4 numbers board.
struct Game
{
    Fakes fakes;
    GameSession s{fakes.platform()};

    Game()
    {
        s.Form_Load();
        s.setUpBoard(4);
    }
    // "row,col" clicks a cell; "NewGame", "H", "U" (undo), "R" (redo), "SoundOff", "Set5", "Cow"
    // (a 5 x 5 Cow game) and
    // arrow keys do what they say; "T30" lets 30 seconds pass, "Away" and "Back" leave the window
    // and come back.
    void play(const QString &inputs)
    {
        static const QHash<QString, ArrowKey> Keys{{"Up", ArrowKey::Up},
                                                   {"Down", ArrowKey::Down},
                                                   {"Left", ArrowKey::Left},
                                                   {"Right", ArrowKey::Right}};
        for (const QString &input : inputs.split(' ', Qt::SkipEmptyParts)) {
            if (input.contains(','))
                s.cellClicked({input.section(',', 0, 0).toInt(), input.section(',', 1).toInt()});
            else if (input == "NewGame")
                s.NewGame_Click();
            else if (input == "H")
                s.showHint();
            else if (input == "U")
                s.undoClick();
            else if (input == "R")
                s.redoClick();
            else if (input == "SoundOff")
                s.setPreference(Preference::Sound, false);
            else if (input == "Cow")
                s.startGame(GameSetup::stockPicture(5, 5, gradient(253)));
            else if (input.startsWith("Set"))
                s.setUpBoard(input.mid(3).toInt());
            else if (input.startsWith("T"))
                fakes.clock.steady += 1000 * input.mid(1).toInt();
            else if (input == "Away" || input == "Back")
                s.setWindowActive(input == "Back");
            else
                s.arrowKey(Keys.value(input));
        }
    }
    Met met() const
    {
        return {s.ClickCount(),  boardText(s.board()), s.lastPieceShown(),
                s.takesClicks(), fakes.waves.played,   fakes.messages.shown};
    }
    QByteArray scoreBytes() const { return fileBytes(fakes.folder.filePath("Hsl.hsf")); }
};
} // namespace

Q_DECLARE_METATYPE(Met)

namespace QTest {
template<>
char *toString(const Met &m)
{
    return qstrdup(QStringLiteral("clicks %1, board \"%2\", last piece shown %3, takes clicks %4, "
                                  "sounds [%5], messages [%6]")
                       .arg(m.clicks)
                       .arg(m.board)
                       .arg(m.lastPieceShown)
                       .arg(m.takesClicks)
                       .arg(m.sounds.join(", "), m.messages.join(", "))
                       .toUtf8());
}
} // namespace QTest

class TestSession : public QObject
{
    Q_OBJECT
private slots:

    void play_data()
    {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<Met>("met");
        const QString left3 = QStringLiteral("_ 1 2 3|5 6 7 4|9 10 11 8|13 14 15 12");
        const QString left1 = QStringLiteral("1 2 _ 3|5 6 7 4|9 10 11 8|13 14 15 12");
        const QString right1 = QStringLiteral("1 2 3 4|5 6 7 8|9 10 11 12|13 14 _ 15");
        const Met untouched{0, Scrambled, false, true, {}, {}};
        const Met solved{1, Solved, true, false, Won, {TopScore}};
        QTest::newRow("nothing moves before New Game")
            << "3,2 Right" << Met{0, Solved, true, false, {}, {}};
        QTest::newRow("New Game") << "NewGame" << untouched;
        // The empty cell, a cell off both lines, a cell below the board, a column outside it.
        QTest::newRow("clicks that move nothing") << "NewGame 0,3 3,0 4,3 0,5" << untouched;
        QTest::newRow("key with nothing above the gap") << "NewGame Down" << untouched;
        QTest::newRow("three tiles in the row")
            << "NewGame 0,0" << Met{1, left3, false, true, {Slid}, {}};
        // New Game scrambles the arrangement in play further, and the count starts again.
        QTest::newRow("New Game again")
            << "NewGame 0,0 NewGame" << Met{0, left3, false, true, {Slid}, {}};
        QTest::newRow("key: left tile slides")
            << "NewGame Right" << Met{1, left1, false, true, {Slid}, {}};
        QTest::newRow("the solving move") << "NewGame 3,3" << solved;
        QTest::newRow("locked until New Game") << "NewGame 3,3 3,2 Right" << solved;
        QTest::newRow("sound off")
            << "NewGame SoundOff 3,3" << Met{1, Solved, true, false, {}, {TopScore}};
        QTest::newRow("New Game after a win")
            << "NewGame 3,3 NewGame 3,2"
            << Met{1, right1, false, true, Won + QStringList{Slid}, {TopScore}};
        QTest::newRow("keys of every direction solve it")
            << "NewGame Right Left Up Down Up Up Up"
            << Met{7, Solved, true, false, QStringList(6, Slid) + Won, {TopScore}};
        QTest::newRow("a hinted game is not ranked")
            << "NewGame H 3,3" << Met{1, Solved, true, false, Won, {}};
        // The walk's stale record leaves the board solved; two clicks win it again.
        QTest::newRow("the next game is ranked")
            << "NewGame H 3,3 NewGame 2,3 3,3"
            << Met{2, Solved, true, false, Won + QStringList{Slid} + Won, {TopScore}};
        QTest::newRow("no hint before New Game") << "H NewGame 3,3" << solved;
        // A new set-up leaves the count and the lock as they were.
        QTest::newRow("set-up during a game")
            << "NewGame 0,0 Set3" << Met{1, "1 2 3|4 5 6|7 8 _", true, true, {Slid}, {}};
        // Undo and redo are clicks: counted, sounded, able to win.
        QTest::newRow("nothing to undo before New Game")
            << "U R" << Met{0, Solved, true, false, {}, {}};
        QTest::newRow("undo back to the scramble, not past it")
            << "NewGame 0,0 U U R U" << Met{4, Scrambled, false, true, QStringList(4, Slid), {}};
        QTest::newRow("redo after undo")
            << "NewGame 0,0 Left U U R R"
            << Met{6, "1 _ 2 3|5 6 7 4|9 10 11 8|13 14 15 12", false, true, QStringList(6, Slid),
                   {}};
        QTest::newRow("a new click leaves nothing to redo")
            << "NewGame 0,0 U Right R" << Met{3, left1, false, true, QStringList(3, Slid), {}};
        QTest::newRow("an undo that wins")
            << "NewGame 3,3 NewGame 3,2 U"
            << Met{2, Solved, true, false, Won + QStringList{Slid} + Won, {TopScore}};
        QTest::newRow("nothing to undo after a win") << "NewGame 3,3 U R" << solved;
        QTest::newRow("New Game starts with nothing to undo")
            << "NewGame 0,0 NewGame U" << Met{0, left3, false, true, {Slid}, {}};
        QTest::newRow("nor does a set-up")
            << "NewGame 0,0 Set3 U" << Met{1, "1 2 3|4 5 6|7 8 _", true, true, {Slid}, {}};
        QTest::newRow("set-up after a win")
            << "NewGame 3,3 Set5" << Met{1, solvedDrawing(5), true, false, Won, {TopScore}};
    }

    void play()
    {
        QFETCH(QString, inputs);
        QFETCH(Met, met);
        Game g;
        g.play(inputs);
        QCOMPARE(g.met(), met);
        QCOMPARE(g.fakes.random.index, size_t(ScrambleSteps) * inputs.count("NewGame"));
        for (const QString &path : g.fakes.waves.paths) // every sound from the program's folder
            QCOMPARE(path, g.fakes.folder.filePath(QFileInfo(path).fileName()));
    }

    // The last piece shows while the pop plays; the score check comes after the sounds, with the
    // board locked, and counts the winning move.
    void winSequence()
    {
        Game g;
        g.play("NewGame");
        Met atPop, atCheck;
        QSignalSpy boardChanged(&g.s, &GameSession::boardChanged);
        qsizetype changesAtPop = 0; // the window has drawn the last piece before the pop plays
        g.fakes.waves.whilePlaying = [&] {
            atPop = g.met();
            changesAtPop = boardChanged.count();
        };
        g.fakes.messages.onShow = [&](const QString &) { atCheck = g.met(); };
        g.play("3,3");
        QCOMPARE(atPop, (Met{1, Solved, true, true, {Slid, "pop.wav sync"}, {}}));
        QCOMPARE(changesAtPop, 2); // the move, then the last piece
        QCOMPARE(atCheck, (Met{1, Solved, true, false, Won, {TopScore}}));
        g.play("NewGame"); // the last piece is gone again: the walk's stale record moves nothing
        QCOMPARE(g.met(), (Met{0, Solved, false, true, Won, {TopScore}}));
    }

    void endedDuringTheWinSound()
    {
        Game g;
        g.play("NewGame");
        g.fakes.waves.whilePlaying = [&] { g.s.Form_QueryUnload(); };
        g.play("3,3");
        // The program is ending: no chime, no message over a closed window, but the record is kept.
        QCOMPARE(g.met(), (Met{1, Solved, true, true, {Slid, "pop.wav sync"}, {}}));
        QCOMPARE(g.fakes.program.ended, 1);
        QVERIFY(!QFileInfo::exists(g.s.keptGamePath())); // a won game is not kept
        QCOMPARE(g.fakes.music.commands.last(), QStringLiteral("close"));
        QCOMPARE(g.scoreBytes().split('\n').value(1), QByteArray(" 1 \r"));
    }

    void scoresSaved_data()
    {
        QTest::addColumn<QByteArray>("file");    // in the program folder at start; "<none>": none
        QTest::addColumn<QByteArray>("started"); // the file as start-up leaves it
        QTest::addColumn<bool>("nowhere");       // the program folder and the home under a file
        const QByteArray commas = "57" + QByteArray(",9999").repeated(34);
        QTest::newRow("no file yet") << QByteArray("<none>") << EmptyLine.repeated(35) << false;
        QTest::newRow("comma form, kept as it is") << commas << commas << false;
        QTest::newRow("nowhere to save") << QByteArray("<none>") << QByteArray() << true;
    }

    // A record is saved after its message is closed; with nowhere to save, the player is told once
    // where it was tried (not again at the record), and the records last in memory for the run.
    void scoresSaved()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, started);
        QFETCH(bool, nowhere);
        Fakes fakes;
        Platform platform = fakes.platform();
        const QString path = fakes.folder.filePath("Hsl.hsf");
        if (file != "<none>")
            writeFile(path, file);
        if (nowhere) {
            writeFile(fakes.folder.filePath("plain"), "not a folder");
            platform.programFolder = fakes.folder.filePath("plain/program");
            platform.dataFolder = fakes.folder.filePath("plain/home");
        }
        GameSession s(platform);
        s.Form_Load();
        QCOMPARE(fileBytes(path), started);
        const QString told = fakes.messages.shown.value(0);
        QCOMPARE(told.startsWith("The top scores cannot be saved"), nowhere);
        QCOMPARE(told.contains(platform.programFolder + "/Hsl.hsf"), nowhere);
        QCOMPARE(told.contains(fakes.folder.filePath("plain/home")), nowhere);
        QByteArray whileShown;
        fakes.messages.onShow = [&](const QString &) { whileShown = fileBytes(path); };
        s.setUpBoard(4);
        s.NewGame_Click();
        s.cellClicked({3, 3}); // the gap went to the top of that column: won in one click
        QCOMPARE(fakes.messages.shown.value(nowhere ? 1 : 0), TopScore);
        QCOMPARE(whileShown, started);
        const QByteArray firstLine = file.startsWith("57") ? " 57 \r\n" : EmptyLine;
        QCOMPARE(fileBytes(path),
                 nowhere ? started : firstLine + " 1 \r\n" + EmptyLine.repeated(33));
        QCOMPARE(s.scores().NumberScores[1], qint16(1));
    }

    // A result that another copy of the game has beaten since is no record.
    void winCheckedAgainstTheFileAsItIsNow()
    {
        Game g;
        g.play("NewGame");
        writeFile(g.fakes.folder.filePath("Hsl.hsf"),
                  EmptyLine + " 1 \r\n" + EmptyLine.repeated(33));
        g.play("3,3");
        QCOMPARE(g.fakes.messages.shown, QStringList{});
        QCOMPARE(g.s.scores().NumberScores[1], qint16(1));
    }

    // The hint follows the known shortest way, or finds a new one off it.
    void fewestClicksAndHint()
    {
        Game g;
        QSignalSpy hinted(&g.s, &GameSession::hintShown);
        QSignalSpy fewest(&g.s, &GameSession::fewestClicksChanged);
        g.play("NewGame");
        QTRY_COMPARE(g.s.fewestClicks(), std::optional<int>(1));
        g.play("0,0"); // off the shortest way: "_ 1 2 3|5 6 7 4|9 10 11 8|13 14 15 12"
        QCOMPARE(g.s.showHint(), std::nullopt); // searched on the worker
        QTRY_COMPARE(hinted.count(), 1);
        QCOMPARE(hinted.last().first().value<Cell>(), (Cell{0, 3}));
        g.play("0,1 H U"); // asked off both ways and left at once: that answer never shows
        g.play("U");       // back on the scramble's way by an undo
        QCOMPARE(g.s.showHint(), std::optional<Cell>(Cell{3, 3}));
        QCOMPARE(hinted.count(), 2);
        g.play("3,3"); // the figure is kept after the win
        QCOMPARE(g.s.fewestClicks(), std::optional<int>(1));
        g.play("NewGame"); // the walk's record of the gap is stale: the board stays solved
        QCOMPARE(g.s.fewestClicks(), std::nullopt); // no figure until this scramble's own is known
        QTRY_COMPARE(g.s.fewestClicks(), std::optional<int>(0));
        g.play("Set3"); // a figure of another board is never shown for this one
        QCOMPARE(g.s.fewestClicks(), std::nullopt);
        QCOMPARE(fewest.count(), 4); // found, cleared, found, cleared
        QCOMPARE(hinted.count(), 2);
    }

    void hintOnAShortestWay_data()
    {
        QTest::addColumn<quint32>("seed"); // of the scramble
        QTest::addColumn<QString>("inputs");
        QTest::newRow("asked at once, then after the hint") << 11u << "H";
        QTest::newRow("off the way") << 12u << "Up Left Up";
        QTest::newRow("off, then back by undo") << 13u << "Left Up U";
        QTest::newRow("undone to the scramble") << 14u << "Down U";
    }
    // Wherever the player stands on 4 x 4, the hinted click leaves one click fewer to go.
    void hintOnAShortestWay()
    {
        QFETCH(quint32, seed);
        QFETCH(QString, inputs);
        Game g;
        g.fakes.random.values = seededScramble(seed);
        QSignalSpy hinted(&g.s, &GameSession::hintShown);
        g.play("NewGame " + inputs);
        QTRY_VERIFY(!hinted.isEmpty() || !inputs.contains('H'));
        if (!hinted.isEmpty()) // take the hint, then ask on the board it leads to
            g.s.cellClicked(hinted.takeLast().first().value<Cell>());
        const int before = solver::fewestClicks(g.s.board()).value_or(-1);
        g.s.showHint();
        QTRY_COMPARE(hinted.count(), 1);
        Board after = g.s.board();
        QVERIFY(MoveTile(after, hinted.last().first().value<Cell>()));
        QCOMPARE(solver::fewestClicks(after).value_or(-1), before - 1);
    }

    void recordedGames_data()
    {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QList<GameRecord>>("recorded");
        GameRecord hinted = gameRecord(1, 0, true), undone = gameRecord(2, 5, false),
                   leftAt3 = gameRecord(1, 0, false);
        hinted.hint = true;
        undone.undo = true;
        leftAt3.started = leftAt3.started.addSecs(10);
        QTest::newRow("nothing before New Game") << "3,3 T10" << QList<GameRecord>{};
        QTest::newRow("won") << "NewGame T30 3,3" << QList{gameRecord(1, 30, true)};
        QTest::newRow("won with a hint") << "NewGame H 3,3" << QList{hinted};
        QTest::newRow("left by New Game, after an undo")
            << "NewGame 0,0 T5 U NewGame" << QList{undone};
        QTest::newRow("left by a new set-up") << "T10 NewGame 0,0 Set3" << QList{leftAt3};
        QTest::newRow("left by a picture set-up, as the game it was")
            << "NewGame 0,0 Cow" << QList{gameRecord(1, 0, false)};
        QTest::newRow("not by a set-up with no game") << "Set3 Set5" << QList<GameRecord>{};
        QTest::newRow("left alone, two minutes count")
            << "NewGame T50 Right T300 Left 3,3" << QList{gameRecord(3, 170, true)};
        QTest::newRow("only while the window is in use")
            << "NewGame T10 Away T100 Back T5 3,3" << QList{gameRecord(1, 15, true)};
    }
    // A game goes into the statistics file when it is won or left.
    void recordedGames()
    {
        QFETCH(QString, inputs);
        QFETCH(QList<GameRecord>, recorded);
        Game g;
        g.play(inputs);
        QCOMPARE(g.s.statistics(), recorded);
        QCOMPARE(StatsFile(g.fakes.folder.filePath("data")).load(), recorded);
    }

    // Where the statistics cannot be written the games last for the run, and the player is told
    // once.
    void statisticsNowhere()
    {
        Game g;
        writeFile(g.fakes.folder.filePath("data"), "not a folder");
        g.play("NewGame 3,3 NewGame 2,3 3,3");
        QCOMPARE(g.s.statistics().size(), 2);
        QCOMPARE(g.fakes.messages.shown.filter("statistics cannot be saved").size(), 1);
    }

    // A game in progress outlives the program, picture, hint and what can be undone with it; a won
    // game does not.
    void keptToTheNextRun()
    {
        Game g;
        const QString picture = g.fakes.folder.filePath("mine.bmp");
        QVERIFY(gradient(300).save(picture, "BMP"));
        g.s.startGame(GameSetup::customPicture(3, QImage(), picture));
        g.play("NewGame T20 0,0 1,0 H U"); // from "1 2 _|4 5 3|7 8 6", one click from solved
        g.s.Form_QueryUnload();
        GameSession next(g.fakes.platform());
        next.Form_Load();
        next.setUpBoard(4);
        QVERIFY(next.resumeKeptGame({253, 253}));
        QCOMPARE(next.setup().size, 3);
        QCOMPARE(next.setup().SkillLevel, SkillCustom);
        QCOMPARE(next.setup().goalPicture.size(), QSize(253, 253));
        QCOMPARE(next.setup().pictureFile, picture);
        QCOMPARE(boardText(next.board()), QStringLiteral("_ 1 2|4 5 3|7 8 6"));
        QCOMPARE(next.ClickCount(), 3);
        QVERIFY(next.hintUsed());
        QVERIFY(next.takesClicks());
        QVERIFY(next.canUndo());
        QVERIFY(next.canRedo());
        QTRY_COMPARE(next.fewestClicks(), std::optional<int>(1)); // of the scramble
        g.fakes.clock.steady += 7000;
        next.undoClick();
        next.cellClicked({2, 2});
        // One game in the statistics, from its start in the first run.
        QCOMPARE(next.statistics().size(), 1);
        QCOMPARE(next.statistics()[0].started, g.fakes.clock.start);
        QCOMPARE(next.statistics()[0].playedMs, 27000);
        next.Form_QueryUnload();
        QVERIFY(!QFileInfo::exists(next.keptGamePath()));
    }

    void badKeptGames_data()
    {
        QTest::addColumn<QString>("kept");  // what lies where the kept game goes
        QTest::addColumn<bool>("setAside"); // renamed "<name>.bad"
        QTest::newRow("zero bytes") << "zero bytes" << true;
        QTest::newRow("100 MB") << "100 MB" << true;
        QTest::newRow("damaged") << "damaged" << true;
        QTest::newRow("unreadable") << "unreadable" << true;
        QTest::newRow("a folder") << "folder" << false;
        QTest::newRow("picture gone") << "picture gone" << true;
        QTest::newRow("picture no longer square") << "picture not square" << true;
        QTest::newRow("data folder is a file") << "data folder is a file" << false;
    }
    // The usual start without a word; the file set aside, never read again; then the game plays
    // and is kept at its end where a file can go.
    void badKeptGames()
    {
        QFETCH(QString, kept);
        QFETCH(bool, setAside);
        Game g;
        const QString picture = g.fakes.folder.filePath("mine.bmp");
        QVERIFY(gradient(300).save(picture, "BMP"));
        g.s.startGame(GameSetup::customPicture(4, QImage(), picture));
        g.play("NewGame");
        g.s.Form_QueryUnload();
        const QString path = g.s.keptGamePath();
        QVERIFY(QFileInfo(path).isFile());
        const WithoutReadOverride asPlayer;
        if (kept == "picture gone")
            QVERIFY(QFile::remove(picture));
        if (kept == "picture not square")
            QVERIFY(gradient(300).copy(0, 0, 300, 200).save(picture, "BMP"));
        if (kept == "unreadable") {
            QVERIFY(QFile::setPermissions(path, {}));
            if (QFile(path).open(QIODevice::ReadOnly))
                QSKIP("this process can read a file without read permission");
        }
        if (kept == "zero bytes" || kept == "damaged" || kept == "100 MB" || kept == "folder")
            QVERIFY(QFile::remove(path));
        if (kept == "zero bytes" || kept == "damaged" || kept == "100 MB")
            writeFile(path, kept == "damaged" ? "Tessary game 1\nsize 9\n" : "");
        if (kept == "100 MB") // a sparse file: quick to make
            QVERIFY(QFile(path).resize(100 << 20));
        if (kept == "folder")
            QVERIFY(QDir().mkpath(path));
        if (kept == "data folder is a file") {
            QVERIFY(QDir(QFileInfo(path).path()).removeRecursively());
            writeFile(QFileInfo(path).path(), "not a folder");
        }
        GameSession next(g.fakes.platform());
        next.Form_Load();
        next.setUpBoard(4);
        QVERIFY(!next.resumeKeptGame({253, 253}));
        QCOMPARE(boardText(next.board()), Solved);
        QVERIFY(!next.takesClicks());
        QCOMPARE(QFileInfo(path + ".bad").isFile(), setAside);
        QCOMPARE(g.fakes.messages.shown, QStringList{});
        next.NewGame_Click();
        next.cellClicked({0, 3});
        QCOMPARE(next.ClickCount(), 0);
        next.cellClicked({0, 0});
        QCOMPARE(next.ClickCount(), 1);
        next.Form_QueryUnload();
        QCOMPARE(QFileInfo(path).isFile(), kept != "folder" && kept != "data folder is a file");
    }

    void preferencesLastToTheNextStart_data()
    {
        QTest::addColumn<QStringList>("stored"); // at the first start
        QTest::addColumn<QStringList>("chosen"); // each twice: the second time does nothing
        QTest::addColumn<bool>("music");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("statusBar");
        QTest::addColumn<QStringList>("written"); // over both starts, in order
        const QStringList all{"Music=False", "Sound=False", "StatusBar=False"};
        const QStringList on{"Music=1", "Sound=1", "StatusBar=1"};
        const QStringList off{"Music=0", "Sound=0", "StatusBar=0"};
        QTest::newRow("first run; on again writes nothing")
            << QStringList{} << on << true << true << true << QStringList{};
        QTest::newRow("sound and bar off")
            << QStringList{} << QStringList{"Sound=0", "StatusBar=0"} << true << false << false
            << QStringList{"Sound=False", "StatusBar=False", "StatusBar=False"};
        // The bar's stored "False" is written again at each start; nothing else is written unasked.
        QTest::newRow("all False; off again") << all << off << false << false << false
                                              << QStringList{"StatusBar=False", "StatusBar=False"};
        QTest::newRow("all False; all on")
            << all << on << true << true << true
            << QStringList{"StatusBar=False", "Music=True", "Sound=True", "StatusBar=True"};
        QTest::newRow("only \"False\" is off")
            << QStringList{"Music=false", "Sound=0", "StatusBar= False "} << QStringList{} << true
            << true << true << QStringList{};
    }

    void preferencesLastToTheNextStart()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, chosen);
        QFETCH(bool, music);
        QFETCH(bool, sound);
        QFETCH(bool, statusBar);
        QFETCH(QStringList, written);
        static const QHash<QString, Preference> Names{{"Music", Preference::Music},
                                                      {"Sound", Preference::Sound},
                                                      {"StatusBar", Preference::StatusBar}};
        Fakes fakes;
        for (const QString &value : stored)
            fakes.settings.values.insert(
                MemorySettings::address("Orvane.Works", "Tessary", value.section('=', 0, 0)),
                value.section('=', 1));
        auto first = std::make_unique<GameSession>(fakes.platform());
        first->Form_Load();
        for (const QString &choice : chosen)
            for (int twice = 0; twice < 2; ++twice)
                first->setPreference(Names.value(choice.section('=', 0, 0)), choice.endsWith('1'));
        first.reset();
        GameSession next(fakes.platform());
        next.Form_Load();
        QCOMPARE(next.preference(Preference::Music), music);
        QCOMPARE(next.preference(Preference::Sound), sound);
        QCOMPARE(next.preference(Preference::StatusBar), statusBar);
        QCOMPARE(fakes.settings.writes, written);
        QCOMPARE(next.lastPictureFolder(), fakes.folder.path());
    }

    void musicCommandsAndLoop()
    {
        Fakes fakes;
        OrderedMusic music(fakes.settings);
        Platform platform = fakes.platform();
        GameSession s(Platform{platform.programFolder, fakes.random, fakes.settings, fakes.waves,
                               music, fakes.messages, fakes.help, fakes.program, fakes.clock,
                               platform.dataFolder});
        s.Form_Load();
        s.startMusic();
        QCOMPARE(music.fileName, fakes.folder.filePath("fallmorn.mid"));
        s.setPreference(Preference::Music, false);
        s.setPreference(Preference::Music, true);
        s.setPreference(Preference::Sound, false); // the music hears nothing of it
        // Only a known length, reached or passed (the last notes fading), rewinds and plays again.
        for (const auto &[position, length] :
             {std::pair{69119, 69120}, {0, 0}, {10, -1}, {69120, 69120}, {72938, 69120}})
            music.pos = position, music.len = length, music.statusUpdate();
        s.setPreference(Preference::Music, false);
        music.statusUpdate(); // switched off just as the piece ended: rewound, but silent
        s.Form_QueryUnload();
        QCOMPARE(music.commands, (QStringList{"open", "play", "stop", "play", "next", "play",
                                              "next", "play", "stop", "next", "close"}));
        // Each command before its own write.
        QCOMPARE(music.writesBefore, (QList<qsizetype>{0, 0, 0, 1, 3, 3, 3, 3, 3, 4, 4}));
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
