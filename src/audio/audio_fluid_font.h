// Reading a SoundFont with only the presets a tune selects: FluidSynth keeps about 2 kB for each
// instrument zone it reads, 4 MB for a whole General MIDI font, of which a tune plays a handful.
#pragma once

#include <QByteArray>
#include <QString>

struct FluidLibrary;
struct _fluid_hashtable_t;
struct _fluid_synth_t;

// Lets the synthesizer read SoundFonts through names made by fluidFontName().
void addPresetFilter(const FluidLibrary &fluid, _fluid_hashtable_t *settings,
                     _fluid_synth_t *synth);

// The name to load soundFont by with only the presets the tune (a MIDI file's bytes) can select;
// with no tune, a font without presets. wholeFont names the whole SoundFont.
QByteArray fluidFontName(const QString &soundFont, const QByteArray &tune, bool wholeFont = false);
