// Fuzz target: opening and starting the music file through the FluidSynth sequencer.
#include "entry_points.h"

#include "audio/audio_fluid_sequencer.h"
#include "audio/audio_music_device.h"

#include <QFileInfo>
#include <array>

namespace fuzz {

int tuneFile(const uint8_t *data, size_t size)
{
    static FluidSequencer sequencer;
    static const bool loaded = sequencer.load(QString::fromLatin1(FluidMusicDevice::DefaultSoundFont));
    if (!loaded)
        return 0;  // no SoundFont installed: nothing to play the tune with
    sequencer.open(scratchFile(QStringLiteral("tune.mid"), view(data, size)));
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
