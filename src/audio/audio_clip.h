// A short sound decoded into the output's own format: interleaved 16-bit stereo at 44.1 kHz.
#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>
#include <vector>

class QIODevice;

struct WaveClip
{
    static constexpr int SampleRate = 44100;
    static constexpr int Channels = 2;

    std::vector<qint16> samples; // left, right, left, right ...

    qint64 frames() const { return static_cast<qint64>(samples.size()) / Channels; }
    qint64 durationMs() const { return frames() * 1000 / SampleRate; }
};

// Decodes a sound file (wave or any other format libsndfile reads) and converts it to the
// output format. Null for a missing, unreadable, empty or overlong file.
std::shared_ptr<const WaveClip> decodeWaveFile(const QString &path);
// The same from an open device: the file's bytes read from its start.
std::shared_ptr<const WaveClip> decodeWave(QIODevice &device);
