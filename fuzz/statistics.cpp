// Fuzz target: the statistics file's reader, and a save that must keep every line as it stood.
#include "entry_points.h"

#include "core/stats/stats_file.h"

#include <QFileInfo>

namespace fuzz {

int statistics(const uint8_t *data, size_t size)
{
    const QByteArray text = view(data, size);
    for (const GameRecord &record : readRecords(text)) {
        const auto again = parseRecordLine(recordLine(record));
        require(again && *again == record, "a game does not read back as written");
    }
    const QString path = scratchFile(QStringLiteral("Statistics.txt"), text);
    const StatsFile file(QFileInfo(path).path());
    require(file.save({}).has_value(), "the statistics file cannot be saved");
    QFile saved(path);
    require(saved.open(QIODevice::ReadOnly), "the saved statistics file cannot be read");
    const QByteArray after = saved.readAll();
    if (text.isEmpty())
        require(after.startsWith("# Tessary statistics"), "a new statistics file has no heading");
    else
        require(after == text + (text.endsWith('\n') ? "" : "\n"),
                "saving changed the lines of the statistics file");
    return 0;
}

} // namespace fuzz
