// Fuzz target: decoding a sound effect file.
#include "entry_points.h"

#include "audio/audio_clip.h"

#include <QBuffer>

namespace fuzz {

int waveFile(const uint8_t *data, size_t size)
{
    QByteArray bytes = view(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto clip = decodeWave(buffer);
    if (clip) {
        require(!clip->samples.empty() && clip->samples.size() % WaveClip::Channels == 0,
                "sound decoded into a broken clip");
        // 60 s at the lowest accepted rate, stretched to the output rate
        require(clip->durationMs() <= 61'000, "sound longer than an effect may be");
    }
    return 0;
}

} // namespace fuzz
