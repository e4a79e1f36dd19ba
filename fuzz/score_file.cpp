// Fuzz target: the top-score file reader.
#include "entry_points.h"

#include "core/scores/score_file.h"

#include <QBuffer>

namespace fuzz {

int scoreFile(const uint8_t *data, size_t size)
{
    QByteArray bytes = view(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const ScoreBook book = readScores(buffer);

    // Whatever was read, the file written from it must read back the same.
    QByteArray written = scoreFileBytes(book);
    require(written.size() <= 35 * 9, "score file longer than 35 lines of 16-bit numbers");
    QBuffer again(&written);
    again.open(QIODevice::ReadOnly);
    require(readScores(again) == book, "score file does not read back what was written");
    return 0;
}

} // namespace fuzz
