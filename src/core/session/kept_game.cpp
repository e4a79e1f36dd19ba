// The kept game's file, one fact a line:
//   Tessary game 1
//   size 4
//   picture numbers | stock <index> | custom <percent-encoded path>
//   board <tiles in reading order, 0 for the empty cell>
//   record <row> <col>
//   last-piece-shown 0 | 1
//   clicks <count>
//   hint 0 | 1
//   undo-used 0 | 1
//   started <UTC time as 2026-12-07T10:00:00.000Z>
//   played-ms <milliseconds>
//   undo <row>,<col> ...
//   redo <row>,<col> ...
#include "core/session/kept_game.h"

#include "core/stats/game_record.h"

#include <QList>
#include <QUrl>
#include <algorithm>
#include <climits>
#include <iterator>

namespace {
bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

const QByteArray Heading = "Tessary game 1";

QByteArray cellsText(const std::vector<Cell> &cells)
{
    QByteArrayList parts;
    for (const Cell &cell : cells)
        parts << QByteArray::number(cell.row) + ',' + QByteArray::number(cell.col);
    return parts.join(' ');
}

// Digits only, a minus sign at most before them: nothing else this program writes.
std::optional<int> number(const QByteArray &text)
{
    const QByteArray digits = text.startsWith('-') ? text.mid(1) : text;
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isAsciiDigit))
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<bool> flag(const QByteArray &text)
{
    if (text == "0" || text == "1")
        return text == "1";
    return std::nullopt;
}

std::optional<std::vector<Cell>> cells(const QByteArray &text, int n)
{
    std::vector<Cell> result;
    for (const QByteArray &part : text.split(' ')) {
        if (part.isEmpty())
            continue;
        const QByteArrayList rowCol = part.split(',');
        const auto row = number(rowCol.value(0));
        const auto col = number(rowCol.value(1));
        if (rowCol.size() != 2 || !row || !col || *row < 0 || *row >= n || *col < 0 || *col >= n)
            return std::nullopt;
        result.push_back({*row, *col});
    }
    return result;
}

// Plays `clicks` from `board`, the last one first, as undo and redo take them; false at the first
// that moves nothing. Undoing is clicking again where the empty cell was.
bool replays(Board board, const std::vector<Cell> &clicks)
{
    for (auto it = clicks.rbegin(); it != clicks.rend(); ++it)
        if (!board.click(*it))
            return false;
    return true;
}
} // namespace

Board KeptGame::scramble() const
{
    Board board = this->board;
    for (auto it = undoable.rbegin(); it != undoable.rend(); ++it)
        board.click(*it);
    return board;
}

QByteArray keptGameBytes(const KeptGame &game)
{
    QByteArrayList tiles;
    for (int tile : game.board.tiles)
        tiles << QByteArray::number(tile);
    QByteArray picture = "numbers";
    if (game.kind == GameKind::Picture)
        picture = game.stock >= 0 ? "stock " + QByteArray::number(game.stock)
                                  : "custom " + QUrl::toPercentEncoding(game.pictureFile, "/");
    const QByteArrayList lines{
        Heading,
        "size " + QByteArray::number(game.board.n),
        "picture " + picture,
        "board " + tiles.join(' '),
        "record " + QByteArray::number(game.board.BlankRow) + ' '
            + QByteArray::number(game.board.BlankCol),
        "last-piece-shown " + QByteArray::number(int(game.board.lastPieceInGap)),
        "clicks " + QByteArray::number(game.clicks),
        "hint " + QByteArray::number(int(game.hintUsed)),
        "undo-used " + QByteArray::number(int(game.undoUsed)),
        "started " + utcTimeText(game.started),
        "played-ms " + QByteArray::number(std::min<qint64>(game.playedMs, INT_MAX)),
        "undo " + cellsText(game.undoable),
        "redo " + cellsText(game.redoable),
    };
    return lines.join('\n') + '\n';
}

std::optional<KeptGame> readKeptGame(const QByteArray &bytes)
{
    if (bytes.size() > MaxKeptGameBytes)
        return std::nullopt;
    QByteArrayList lines = bytes.split('\n');
    // Each line starts with its own word.
    static const char *const Words[] = {
        "size",   "picture", "board",     "record",  "last-piece-shown",
        "clicks", "hint",    "undo-used", "started", "played-ms",
        "undo",   "redo"};
    constexpr int WordCount = int(std::size(Words));
    if (lines.size() != WordCount + 2 || lines[0] != Heading || !lines.last().isEmpty())
        return std::nullopt;
    QByteArrayList values;
    for (int i = 0; i < WordCount; ++i) {
        const QByteArray &line = lines[i + 1];
        const QByteArray word = Words[i];
        if (line != word && !line.startsWith(word + ' '))
            return std::nullopt;
        values << line.mid(word.size() + 1);
    }
    KeptGame game;
    const auto n = number(values[0]);
    if (!n || *n < SmallestBoard || *n > LargestBoard)
        return std::nullopt;
    game.board = Board::solved(*n);

    const QByteArray picture = values[1];
    if (picture.startsWith("stock ")) {
        const auto stock = number(picture.mid(6));
        if (!stock || *stock < 0 || *stock >= StockPictureCount)
            return std::nullopt;
        game.kind = GameKind::Picture;
        game.stock = *stock;
    } else if (picture.startsWith("custom ") && picture.size() > 7) {
        game.kind = GameKind::Picture;
        game.pictureFile = QUrl::fromPercentEncoding(picture.mid(7));
    } else if (picture != "numbers") {
        return std::nullopt;
    }

    const QByteArrayList tiles = values[2].split(' ');
    if (tiles.size() != *n * *n)
        return std::nullopt;
    std::vector<bool> seen(size_t(*n * *n), false);
    for (int k = 0; k < *n * *n; ++k) {
        const auto tile = number(tiles[k]);
        if (!tile || *tile < 0 || *tile >= *n * *n || seen[size_t(*tile)])
            return std::nullopt;
        seen[size_t(*tile)] = true;
        game.board.tiles[size_t(k)] = *tile;
    }
    if (!isSolvable(game.board))
        return std::nullopt;

    const QByteArrayList record = values[3].split(' ');
    const auto recordRow = number(record.value(0));
    const auto recordCol = number(record.value(1));
    if (record.size() != 2 || !recordRow || !recordCol
        || !game.board.contains({*recordRow, *recordCol}))
        return std::nullopt;
    game.board.BlankRow = qint16(*recordRow);
    game.board.BlankCol = qint16(*recordCol);

    const auto lastPiece = flag(values[4]);
    const auto clicks = number(values[5]);
    const auto hint = flag(values[6]);
    const auto undoUsed = flag(values[7]);
    game.started = parseUtcTimeText(values[8]);
    const auto played = number(values[9]);
    if (!lastPiece || !clicks || *clicks < 0 || !hint || !undoUsed || !game.started.isValid()
        || !played || *played < 0)
        return std::nullopt;
    game.board.lastPieceInGap = *lastPiece;
    game.clicks = *clicks;
    game.hintUsed = *hint;
    game.undoUsed = *undoUsed;
    game.playedMs = *played;

    const auto undoable = cells(values[10], *n);
    const auto redoable = cells(values[11], *n);
    if (!undoable || !redoable || !replays(game.board, *undoable)
        || !replays(game.board, *redoable))
        return std::nullopt;
    game.undoable = *undoable;
    game.redoable = *redoable;
    return game;
}
