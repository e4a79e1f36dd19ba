// Fuzz target: the statistics file's reader, and the merge of a save, which must keep every line
// as it stood.
#include "entry_points.h"

#include "core/stats/stats_file.h"

namespace fuzz {

int statistics(const uint8_t *data, size_t size)
{
    const QByteArray text = view(data, size);
    const QList<GameRecord> records = readRecords(text);
    for (const QByteArray &line : text.split('\n')) {
        const QByteArray bare = line.endsWith('\r') ? line.chopped(1) : line;
        if (const auto record = parseRecordLine(bare))
            require(recordLine(*record) == bare, "a game's line reads as another game");
    }
    const MergedStatistics kept = mergeStatistics(text, {});
    if (text.isEmpty())
        require(kept.text.startsWith("# Tessary statistics"), "a new statistics file has no heading");
    else
        require(kept.text == text + (text.endsWith('\n') ? "" : "\n"),
                "a save changed the lines of the statistics file");
    require(kept.records == records, "a save reads other games than the reader");
    if (records.isEmpty())
        return 0;
    // Its own games again add nothing; a reset of a board leaves none of its games.
    require(mergeStatistics(kept.text, records).text == kept.text, "a game saved twice is doubled");
    const QString board = records.first().board();
    for (const GameRecord &record : mergeStatistics(text, {}, board).records)
        require(record.board() != board, "a reset board keeps a game");
    return 0;
}

} // namespace fuzz
