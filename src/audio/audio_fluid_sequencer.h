// FluidSynth playing one MIDI file into the mix. Used on the audio thread only, except the
// position and length, which any thread may read.
#pragma once

#include "audio/audio_mixer.h"

#include <QString>
#include <atomic>

struct FluidLibrary;
struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

class FluidSequencer : public MixerSource
{
public:
    static constexpr int SampleRate = 44100;
    // The game reads only the presets its tune selects; a caller that plays many tunes in turn can
    // read the whole SoundFont once instead.
    enum class FontPresets { OfTune, All };

    explicit FluidSequencer(FontPresets presets = FontPresets::OfTune);
    ~FluidSequencer() override;
    FluidSequencer(const FluidSequencer &) = delete;
    FluidSequencer &operator=(const FluidSequencer &) = delete;

    // Loads FluidSynth and creates the synthesizer with a General MIDI SoundFont; false when that
    // cannot be done. Only the first call does the work: later ones report how it went.
    bool load(const QString &soundFont);
    bool isLoaded() const { return m_synth != nullptr; }

    // A file that is missing or not MIDI leaves the sequencer closed: every command then does
    // nothing. Opened before load(), the tune starts once the synthesizer is there.
    void open(const QString &midiFile);
    void open(const QByteArray &tune); // the file's bytes
    void play();
    void stop();   // keeps the position
    void rewind(); // back to the start, playing or not
    void close();

    // MIDI ticks; 0 while closed, and the length stays 0 until the piece has started playing.
    qint32 position() const { return m_position.load(); }
    qint32 length() const { return m_length.load(); }

    bool render(qint16 *out, int frames) override;

private:
    void configure();
    bool loadFont();
    void startPlayer();
    void releaseNotes();

    const FluidLibrary *m_fluid = nullptr;
    FontPresets m_presets;
    bool m_loadTried = false;
    QByteArray m_tune;
    QString m_soundFont;
    QByteArray m_fontName; // as loaded
    int m_fontId = -1;     // FLUID_FAILED: none
    _fluid_hashtable_t *m_settings = nullptr;
    _fluid_synth_t *m_synth = nullptr;
    _fluid_player_t *m_player = nullptr;
    qint64 m_tailLeft = 0; // frames still rendered after the last voice, for the reverb to die away
    std::atomic<qint32> m_position{0};
    std::atomic<qint32> m_length{0};
};
