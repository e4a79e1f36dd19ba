// Playing the music with FluidSynth as a plain synthesizer rendered by the mixer.
#include "audio/audio_fluid_sequencer.h"

#include "audio/audio_fluid_font.h"
#include "audio/audio_fluid_library.h"

#include <QFile>
#include <algorithm>
#include <cstring>
#include <malloc.h>
#include <optional>

namespace {
// The tune peaks around -11 dBFS at this gain, leaving room for the effects on top.
constexpr double SynthGain = 0.6;
// Enough for the tune's chords and most tails of released notes; fewer voices keep the CPU use
// low, and only the quietest tails are cut short.
constexpr int Polyphony = 28;
constexpr qint64 ReverbTailFrames = 2 * FluidSequencer::SampleRate;

void dropMessage(int, const char *, void *)
{
}

// A variable-length number of at most four bytes, as FluidSynth reads one, ending before `end`;
// `at` moves past it.
std::optional<quint32> variableLength(const uchar *bytes, qsizetype &at, qsizetype end)
{
    quint32 value = 0;
    for (int i = 0; i < 4 && at < end; ++i) {
        const uchar byte = bytes[at++];
        value = value << 7 | (byte & 0x7f);
        if (!(byte & 0x80))
            return value;
    }
    return std::nullopt;
}

// Whether the events from `at` end within `end`; FluidSynth skips what follows the end of track.
// Readers differ on the running status after a system exclusive or meta event, so a file that
// relies on it is refused rather than read one way here and another there.
bool eventsFit(const uchar *bytes, qsizetype at, qsizetype end)
{
    int running = 0;
    while (at < end) {
        if (!variableLength(bytes, at, end) || at >= end) // the time before the event
            return false;
        int status = bytes[at];
        if (status & 0x80)
            ++at;
        else if (running == 0)
            return false;
        else
            status = running;
        running = status < 0xf0 ? status : 0;
        if (status == 0xf0 || status == 0xff) {
            const int type = status == 0xff && at < end ? bytes[at++] : 0;
            const auto length = variableLength(bytes, at, end);
            if (!length || *length > quint64(end - at))
                return false;
            at += *length;
            if (type == 0x2f)
                return true;
        } else if (status > 0xf0) {
            return false; // an escape, or a message that has no place in a file
        } else {
            const int data = (status & 0xe0) == 0xc0 ? 1 : 2; // program and channel pressure: one
            if (end - at < data)
                return false;
            at += data;
        }
    }
    return true;
}

// Whether every event of the file lies within its track, read the way FluidSynth reads it.
// FluidSynth takes a system exclusive or meta event's length on trust and allocates that much
// before it reads: a file of 55 bytes asked for 256 MB.
bool eventsFitTheirTracks(const QByteArray &tune)
{
    const auto *bytes = reinterpret_cast<const uchar *>(tune.constData());
    const qsizetype size = tune.size();
    const auto bigEndian = [bytes](qsizetype at, int count) {
        quint32 value = 0;
        for (int i = 0; i < count; ++i)
            value = value << 8 | bytes[at + i];
        return value;
    };
    if (size < 14 || !tune.startsWith("MThd") || bigEndian(4, 4) != 6)
        return false;
    // Chunks other than tracks are skipped and not counted.
    for (qsizetype tracks = bigEndian(10, 2), at = 14; tracks > 0; at += 8 + bigEndian(at + 4, 4)) {
        if (size - at < 8 || bigEndian(at + 4, 4) > quint64(size - at - 8))
            return false;
        if (std::memcmp(bytes + at, "MTrk", 4) == 0) {
            if (!eventsFit(bytes, at + 8, at + 8 + bigEndian(at + 4, 4)))
                return false;
            --tracks;
        }
    }
    return true;
}
} // namespace

FluidSequencer::FluidSequencer(FontPresets presets) : m_presets(presets)
{
}

FluidSequencer::~FluidSequencer()
{
    if (m_player)
        m_fluid->delete_fluid_player(m_player);
    if (m_synth)
        m_fluid->delete_fluid_synth(m_synth);
    if (m_settings)
        m_fluid->delete_fluid_settings(m_settings);
}

bool FluidSequencer::load(const QString &soundFont)
{
    if (m_loadTried)
        return isLoaded();
    m_loadTried = true;
    m_fluid = fluidLibrary();
    if (!m_fluid)
        return false;
    // The game reports nothing about its music, so FluidSynth's messages go nowhere.
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        m_fluid->fluid_set_log_function(level, dropMessage, nullptr);
    // Other files would go to FluidSynth's DLS loader, which complains on the terminal.
    const QByteArray fontName = QFile::encodeName(soundFont);
    if (!m_fluid->fluid_is_soundfont(fontName.constData()))
        return false;
    m_settings = m_fluid->new_fluid_settings();
    if (!m_settings)
        return false;
    configure();
    m_synth = m_fluid->new_fluid_synth(m_settings);
    if (!m_synth)
        return false;
    addPresetFilter(*m_fluid, m_settings, m_synth);
    m_soundFont = soundFont;
    if (!loadFont()) {
        m_fluid->delete_fluid_synth(m_synth);
        m_synth = nullptr;
        return false;
    }
    m_fluid->fluid_synth_set_interp_method(m_synth, -1, FLUID_INTERP_LINEAR);
    startPlayer();
    return true;
}

// With only the presets the open tune selects (the whole font should that fail): the same sound
// in a fraction of the memory. A tune that needs other presets loads the font again.
bool FluidSequencer::loadFont()
{
    const QByteArray name = m_presets == FontPresets::All ? fluidFontName(m_soundFont, {}, true)
                                                          : fluidFontName(m_soundFont, m_tune);
    if (name == m_fontName)
        return true;
    if (m_fontId != FLUID_FAILED)
        m_fluid->fluid_synth_sfunload(m_synth, m_fontId, 1);
    m_fontName = name;
    m_fontId = m_fluid->fluid_synth_sfload(m_synth, name.constData(), 1);
    if (m_fontId == FLUID_FAILED)
        m_fontId = m_fluid->fluid_synth_sfload(m_synth,
                                               fluidFontName(m_soundFont, {}, true).constData(), 1);
    // Reading the SoundFont leaves freed scratch memory that would otherwise stay resident.
    malloc_trim(0);
    return m_fontId != FLUID_FAILED;
}

void FluidSequencer::configure()
{
    // The mixer drives the clock by rendering: the player must count samples, not system time.
    m_fluid->fluid_settings_setstr(m_settings, "player.timing-source", "sample");
    m_fluid->fluid_settings_setnum(m_settings, "synth.sample-rate", SampleRate);
    m_fluid->fluid_settings_setnum(m_settings, "synth.gain", SynthGain);
    m_fluid->fluid_settings_setint(m_settings, "synth.polyphony", Polyphony);
    m_fluid->fluid_settings_setint(m_settings, "synth.chorus.active", 0);
    m_fluid->fluid_settings_setint(m_settings, "synth.lock-memory", 0);
    m_fluid->fluid_settings_setint(m_settings, "synth.threadsafe-api", 0);
    // Only the samples of the instruments the tune selects are read: a few of the SoundFont's 6 MB.
    // With every preset, every sample is read at once rather than on each program change.
    m_fluid->fluid_settings_setint(m_settings, "synth.dynamic-sample-loading",
                                   m_presets == FontPresets::OfTune ? 1 : 0);
}

void FluidSequencer::open(const QString &midiFile)
{
    QFile file(midiFile);
    open(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

void FluidSequencer::open(const QByteArray &tune)
{
    close();
    m_tune = tune;
    if (m_synth)
        loadFont();
    startPlayer();
}

void FluidSequencer::startPlayer()
{
    // The player takes any bytes without complaint, so they are checked here: a MIDI file whose
    // every event lies within its track.
    if (!m_synth || m_player || !eventsFitTheirTracks(m_tune))
        return;
    m_player = m_fluid->new_fluid_player(m_synth);
    if (m_player
        && m_fluid->fluid_player_add_mem(m_player, m_tune.constData(), size_t(m_tune.size()))
               != FLUID_OK) {
        m_fluid->delete_fluid_player(m_player);
        m_player = nullptr;
    }
}

void FluidSequencer::play()
{
    if (m_player)
        m_fluid->fluid_player_play(m_player);
}

void FluidSequencer::stop()
{
    if (!m_player)
        return;
    m_fluid->fluid_player_stop(m_player);
    releaseNotes();
}

void FluidSequencer::rewind()
{
    if (m_player)
        m_fluid->fluid_player_seek(m_player, 0);
}

void FluidSequencer::close()
{
    m_tune.clear();
    if (m_player) {
        m_fluid->fluid_player_stop(m_player);
        m_fluid->delete_fluid_player(m_player);
        m_player = nullptr;
        releaseNotes();
    }
    m_position = 0;
    m_length = 0;
}

// Notes go into their release, so a pause fades instead of clicking.
void FluidSequencer::releaseNotes()
{
    m_fluid->fluid_synth_all_notes_off(m_synth, -1);
}

bool FluidSequencer::render(qint16 *out, int frames)
{
    if (!m_synth)
        return false;
    const bool playing =
        m_player && m_fluid->fluid_player_get_status(m_player) == FLUID_PLAYER_PLAYING;
    if (playing || m_fluid->fluid_synth_get_active_voice_count(m_synth) > 0)
        m_tailLeft = ReverbTailFrames;
    else if (m_tailLeft <= 0)
        return false; // nothing to hear: save the work while the music is off
    m_tailLeft -= frames;
    m_fluid->fluid_synth_write_s16(m_synth, frames, out, 0, 2, out, 1, 2);
    if (m_player) {
        // A file with broken timing (a zero tempo or division) gives INT_MIN here: no position at
        // all.
        m_position = std::max(0, m_fluid->fluid_player_get_current_tick(m_player));
        // Walks every event of the file, so it is asked only until the player knows it.
        if (m_length.load() <= 0) {
            m_length = std::max(0, m_fluid->fluid_player_get_total_ticks(m_player));
            // The piece's first notes have read their samples, leaving the file's scratch behind.
            if (m_length.load() > 0)
                malloc_trim(0);
        }
    }
    return true;
}
