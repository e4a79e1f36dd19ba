// Fuzz target: opening and starting the music file through the FluidSynth sequencer.
#include "entry_points.h"

#include "audio/audio_fluid_font.h"
#include "audio/audio_fluid_sequencer.h"
#include "audio/audio_music_device.h"

#include <QFile>
#include <array>

namespace fuzz {

int tuneFile(const uint8_t *data, size_t size)
{
    const QString font = QString::fromLatin1(FluidMusicDevice::DefaultSoundFont);
    // The whole SoundFont, read once: the game reads it again whenever a tune selects other
    // presets, which would be every input here. The presets a tune selects are still read from
    // every input, as the game reads them.
    static FluidSequencer sequencer(FluidSequencer::FontPresets::All);
    static const bool loaded = sequencer.load(font);
    if (!loaded)
        return 0; // no SoundFont installed: nothing to play the tune with
    const QByteArray tune = view(data, size);
    require(fluidFontName(font, tune).endsWith('|' + QFile::encodeName(font)),
            "the presets of a tune spoil the SoundFont's name");
    sequencer.open(tune);
    sequencer.play();
    // A few blocks are enough for the player to load the whole file and start its first notes.
    std::array<qint16, 2 * 256> block{};
    for (int i = 0; i < 4; ++i)
        sequencer.render(block.data(), 256);
    require(sequencer.position() >= 0 && sequencer.length() >= 0, "tune with a negative position or length");
    sequencer.rewind();
    sequencer.render(block.data(), 256);
    sequencer.stop();
    sequencer.close();
    require(sequencer.position() == 0 && sequencer.length() == 0, "closed tune still has a position");
    return 0;
}

} // namespace fuzz
