// Sound effects through the shared audio output.
#pragma once

#include "platform/audio_clip.h"
#include "platform/wave_player.h"

#include <QHash>
#include <memory>

class AudioOutput;

class MixerWavePlayer : public WavePlayer {
public:
    explicit MixerWavePlayer(AudioOutput &output) : m_output(output) {}

    // Without a device, or for a file that cannot be decoded, returns at once and plays nothing.
    // Sync waits until the clip has been heard, repainting meanwhile but dropping mouse and key
    // input, at most for the clip's length plus a margin.
    void play(const QString &path, Mode mode) override;

private:
    std::shared_ptr<const WaveClip> clip(const QString &path);
    void playToEnd(const std::shared_ptr<const WaveClip> &wave);

    AudioOutput &m_output;
    QHash<QString, std::shared_ptr<const WaveClip>> m_clips;  // decoded once per file
};
