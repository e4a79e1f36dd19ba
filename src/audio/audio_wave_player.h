// Sound effects through the shared audio output.
#pragma once

#include "audio/audio_clip.h"
#include "core/platform/wave_player.h"

#include <QHash>
#include <functional>
#include <memory>

class AudioOutput;

class MixerWavePlayer : public WavePlayer
{
public:
    // What `holdInput` returns is kept while a clip plays to its end: the windows switched off, so
    // that nothing pressed by an assistive tool acts behind the waiting call.
    using InputHold = std::function<std::shared_ptr<void>()>;
    explicit MixerWavePlayer(AudioOutput &output, InputHold holdInput = {})
        : m_output(output)
        , m_holdInput(std::move(holdInput))
    {
    }

    // Without a device, or for a file that cannot be decoded, returns at once and plays nothing.
    // Sync waits until the clip has been heard, repainting meanwhile but dropping mouse and key
    // input, at most for the clip's length plus a margin.
    void play(const QString &path, Mode mode) override;

private:
    std::shared_ptr<const WaveClip> clip(const QString &path);
    void playToEnd(const std::shared_ptr<const WaveClip> &wave);

    AudioOutput &m_output;
    InputHold m_holdInput;
    QHash<QString, std::shared_ptr<const WaveClip>> m_clips; // decoded once per file
};
