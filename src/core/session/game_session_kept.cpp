// The game in progress kept between runs: written when the program ends, taken up at the next
// start.
#include "core/files/picture_file.h"
#include "core/files/whole_file.h"
#include "core/platform/clock.h"
#include "core/session/game_session.h"
#include "core/session/kept_game.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString GameSession::keptGamePath() const
{
    return m_userScoreFolder.isEmpty() ? QString()
                                       : m_userScoreFolder + QStringLiteral("/KeptGame.txt");
}

// Best effort, like the end of any program: nothing to tell a player who is leaving.
void GameSession::keepGame()
{
    const QString path = keptGamePath();
    if (path.isEmpty())
        return;
    if (!gameInProgress()) {
        if (QFileInfo(path).isFile())
            QFile::remove(path);
        return;
    }
    KeptGame game;
    game.board = m_board;
    game.kind = m_setup.kind;
    game.stock = m_setup.stock;
    game.pictureFile = m_setup.pictureFile;
    game.clicks = m_clickCount;
    game.hintUsed = m_hintUsed;
    game.undoUsed = m_undoUsed;
    tickPlayingTime();
    game.started = m_started;
    game.playedMs = m_playedMs;
    game.undoable = m_undoable;
    game.redoable = m_redoable;
    QDir().mkpath(m_userScoreFolder);
    replaceFileWhole(path, keptGameBytes(game));
}

namespace {
std::optional<KeptGame> readKeptGameFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // One byte more than the game ever writes is enough to refuse a larger file.
    return readKeptGame(file.read(MaxKeptGameBytes + 1));
}

// A file that cannot be taken up is never read again, nor lost: it goes aside for a look.
void setAside(const QString &path)
{
    const QString bad = path + QStringLiteral(".bad");
    if (QFileInfo(bad).isFile())
        QFile::remove(bad);
    QFile::rename(path, bad);
}

// The goal picture as Picture Setup made it, or a null picture when the file can no longer give
// a square one.
QImage goalPicture(const QString &path, QSize pictureSize)
{
    const PictureFile picture = loadPictureFile(path, pictureSize);
    if (!picture.ok() || picture.sourceSize.width() != picture.sourceSize.height())
        return {};
    QImage goal = picture.image.convertToFormat(QImage::Format_RGB32);
    goal.setDevicePixelRatio(qreal(pictureSize.width()) / qreal(GoalPictureSide));
    return goal;
}
} // namespace

bool GameSession::resumeKeptGame(QSize pictureSize)
{
    const QString path = keptGamePath();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    const std::optional<KeptGame> game = readKeptGameFile(path);
    GameSetup setup = GameSetup::numbers(game ? game->board.n : SmallestBoard);
    if (game && game->kind == GameKind::Picture) {
        const QString file =
            game->stock >= 0 ? m_platform.file(QString::fromLatin1(StockPictures[game->stock].file))
                             : game->pictureFile;
        const QImage goal = goalPicture(file, pictureSize);
        setup = game->stock >= 0 ? GameSetup::stockPicture(game->board.n, game->stock, goal)
                                 : GameSetup::customPicture(game->board.n, goal, file);
    }
    if (!game || (setup.picturesGame() && setup.goalPicture.isNull())) {
        if (QFileInfo(path).isFile())
            setAside(path);
        return false;
    }
    startGame(setup);
    m_board = game->board;
    m_clickCount = game->clicks;
    m_hintUsed = game->hintUsed;
    m_undoUsed = game->undoUsed;
    m_started = game->started;
    m_playedMs = game->playedMs;
    m_playMark = m_platform.clock.steadyMs();
    m_undoable = game->undoable;
    m_redoable = game->redoable;
    m_scrambled = true;
    m_takesClicks = true;
    startFewestClicks(game->scramble());
    emit clicksChanged();
    emit boardChanged();
    return true;
}
