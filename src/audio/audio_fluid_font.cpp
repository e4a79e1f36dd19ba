// Finding the presets a MIDI file selects, and serving FluidSynth a SoundFont whose preset lists
// hold only those; the instruments and samples are read from the file as they are.
#include "audio/audio_fluid_font.h"

#include "audio/audio_fluid_library.h"

#include <QFile>
#include <QHash>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <set>

namespace {
constexpr int DrumChannel = 9;
constexpr int DrumBank = 128;
constexpr qint64 Never = std::numeric_limits<qint64>::max();

quint32 number(const QByteArray &data, qsizetype at, int bytes, bool bigEndian = false)
{
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i) {
        const qsizetype index = at + (bigEndian ? i : bytes - 1 - i);
        value = value << 8 | (index >= 0 && index < data.size() ? quint8(data[index]) : 0u);
    }
    return value;
}

QByteArray littleEndian(quint32 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out += char(value >> (8 * i));
    return out;
}

// A MIDI variable-length number; `at` moves past it.
quint32 variableLength(const QByteArray &data, qsizetype &at)
{
    quint32 value = 0;
    while (at < data.size()) {
        const auto byte = quint8(data[at++]);
        value = value << 7 | (byte & 0x7f);
        if (!(byte & 0x80))
            break;
    }
    return value;
}

// Each preset (bank * 128 + program) a program change selects, with FluidSynth's stand-in for a
// missing one, and the preset a channel starts on when it plays before its first program change.
std::set<int> presetsOfTune(const QByteArray &midi)
{
    std::set<int> presets;
    int bank[16] = {};
    bank[DrumChannel] = DrumBank; // bank selects are ignored on the drum channel
    qint64 firstNote[16], firstProgram[16];
    std::fill_n(firstNote, 16, Never);
    std::fill_n(firstProgram, 16, Never);
    for (qsizetype at = 8 + number(midi, 4, 4, true), end = at; at + 8 <= midi.size(); at = end) {
        end = std::min<qsizetype>(midi.size(), at + 8 + number(midi, at + 4, 4, true));
        quint8 status = 0;
        qint64 tick = 0;
        for (at = midi.mid(at, 4) == "MTrk" ? at + 8 : end; at < end;) {
            tick += variableLength(midi, at);
            const auto lead = quint8(number(midi, at, 1));
            if (lead >= 0xf0) { // a meta or system exclusive event: skipped
                at += lead == 0xff ? 2 : 1;
                at +=
                    variableLength(midi, at); // read first, so this skips the data after the length
                continue;
            }
            status = lead & 0x80 ? lead : status;
            at += lead & 0x80 ? 1 : 0;
            const int channel = status & 0x0f, kind = status & 0xf0;
            const int data1 = int(number(midi, at, 1)), data2 = int(number(midi, at + 1, 1));
            if (kind == 0xb0 && data1 == 0 && channel != DrumChannel)
                bank[channel] = data2;
            if (kind == 0xc0) {
                presets.insert(
                    {bank[channel] << 7 | data1, channel == DrumChannel ? DrumBank << 7 : data1});
                firstProgram[channel] = std::min(firstProgram[channel], tick);
            }
            if (kind == 0x90 && data2 > 0)
                firstNote[channel] = std::min(firstNote[channel], tick);
            at += kind == 0xc0 || kind == 0xd0 ? 1 : 2;
        }
    }
    for (int channel = 0; channel < 16; ++channel)
        if (firstNote[channel] < firstProgram[channel])
            presets.insert(channel == DrumChannel ? DrumBank << 7 : 0);
    return presets;
}

// The pdta LIST of a SoundFont with only the presets in keep; FluidSynth then reads only the
// instruments those use.
QByteArray keepPresets(const QByteArray &list, const std::set<int> &keep)
{
    QList<QByteArray> ids;
    QHash<QByteArray, QByteArray> chunks;
    for (qsizetype at = 12; at + 8 <= list.size(); at += 8 + number(list, at + 4, 4)) {
        ids << list.mid(at, 4);
        chunks[ids.last()] = list.mid(at + 8, number(list, at + 4, 4));
    }
    const QByteArray phdr = chunks["phdr"], pbag = chunks["pbag"], pmod = chunks["pmod"],
                     pgen = chunks["pgen"];
    QByteArray headers, bags, mods, gens;
    for (qsizetype p = 0; p + 38 <= phdr.size(); p += 38) {
        const bool last = p + 38 >= phdr.size(); // the closing record, kept
        if (!last && !keep.count(int(number(phdr, p + 22, 2) << 7 | number(phdr, p + 20, 2))))
            continue;
        headers +=
            phdr.mid(p, 24) + littleEndian(quint32(bags.size() / 4), 2) + phdr.mid(p + 26, 12);
        for (quint32 b = number(phdr, p + 24, 2);
             !last && b < number(phdr, p + 62, 2) && 4 * b + 8 <= pbag.size(); ++b) {
            bags += littleEndian(quint32(gens.size() / 4), 2)
                    + littleEndian(quint32(mods.size() / 10), 2);
            gens += pgen.mid(4 * number(pbag, 4 * b, 2),
                             4 * (number(pbag, 4 * b + 4, 2) - number(pbag, 4 * b, 2)));
            mods += pmod.mid(10 * number(pbag, 4 * b + 2, 2),
                             10 * (number(pbag, 4 * b + 6, 2) - number(pbag, 4 * b + 2, 2)));
        }
    }
    chunks["pbag"] = bags + littleEndian(quint32(gens.size() / 4), 2)
                     + littleEndian(quint32(mods.size() / 10), 2);
    chunks["phdr"] = headers;
    chunks["pmod"] = mods + pmod.right(10);
    chunks["pgen"] = gens + pgen.right(4);
    QByteArray body = "pdta";
    for (const QByteArray &id : ids)
        body += id + littleEndian(quint32(chunks[id].size()), 4) + chunks[id];
    return "LIST" + littleEndian(quint32(body.size()), 4) + body;
}

// The file as FluidSynth sees it: the bytes before listAt from the disk, then the filtered lists.
struct FontFile
{
    QFile file;
    qint64 listAt = 0;
    QByteArray list;
    qint64 pos = 0;
    qint64 size() const { return listAt + list.size(); }
};

void *openFont(const char *name)
{
    const QByteArray given(name);
    const qsizetype separator = given.indexOf('|');
    auto font = std::make_unique<FontFile>();
    font->file.setFileName(QFile::decodeName(given.mid(separator + 1)));
    if (separator < 0 || !font->file.open(QIODevice::ReadOnly))
        return nullptr;
    font->listAt = font->file.size();
    std::set<int> keep;
    for (const QByteArray &key : given.left(separator).split(','))
        if (!key.isEmpty())
            keep.insert(key.toInt());
    // Only preset lists at the end of the file are filtered, as every common SoundFont has them.
    for (qint64 at = 12, size = 0; given[0] != '*' && at + 12 <= font->listAt;
         at += 8 + size + (size & 1)) {
        font->file.seek(at);
        const QByteArray head = font->file.read(12);
        size = number(head, 4, 4);
        if (head.startsWith("LIST") && head.endsWith("pdta") && at + 8 + size == font->listAt) {
            font->list = keepPresets(font->file.read(size - 4).prepend(head), keep);
            font->listAt = at;
        }
    }
    return font.release();
}

int readFont(void *buffer, fluid_long_long_t count, void *handle)
{
    auto *font = static_cast<FontFile *>(handle);
    auto *out = static_cast<char *>(buffer);
    if (count < 0 || font->pos < 0 || font->pos + count > font->size())
        return FLUID_FAILED;
    const qint64 fromFile = std::clamp<qint64>(font->listAt - font->pos, 0, count);
    if (fromFile > 0
        && ((font->file.pos() != font->pos && !font->file.seek(font->pos))
            || font->file.read(out, fromFile) != fromFile))
        return FLUID_FAILED;
    if (count > fromFile)
        std::memcpy(out + fromFile, font->list.constData() + (font->pos + fromFile - font->listAt),
                    size_t(count - fromFile));
    // The RIFF header holds the size of all that follows it.
    for (qint64 i = std::max<qint64>(font->pos, 4); i < std::min<qint64>(font->pos + fromFile, 8);
         ++i)
        out[i - font->pos] = char((font->size() - 8) >> (8 * (i - 4)));
    font->pos += count;
    return FLUID_OK;
}

int seekFont(void *handle, fluid_long_long_t offset, int origin)
{
    auto *font = static_cast<FontFile *>(handle);
    const qint64 base = origin == SEEK_CUR ? font->pos : origin == SEEK_END ? font->size() : 0;
    if (base + offset < 0 || base + offset > font->size())
        return FLUID_FAILED;
    font->pos = base + offset;
    return FLUID_OK;
}

fluid_long_long_t tellFont(void *handle)
{
    return static_cast<FontFile *>(handle)->pos;
}

int closeFont(void *handle)
{
    delete static_cast<FontFile *>(handle);
    return FLUID_OK;
}
} // namespace

void addPresetFilter(const FluidLibrary &fluid, _fluid_hashtable_t *settings, _fluid_synth_t *synth)
{
    // Tried before FluidSynth's own loaders, which cannot open such a name.
    if (fluid_sfloader_t *loader = fluid.new_fluid_defsfloader(settings)) {
        fluid.fluid_sfloader_set_callbacks(loader, openFont, readFont, seekFont, tellFont,
                                           closeFont);
        fluid.fluid_synth_add_sfloader(synth, loader);
    }
}

// FluidSynth hands the callbacks nothing but this name, and opens the file again for each preset's
// samples, so the name carries the presets to keep.
QByteArray fluidFontName(const QString &soundFont, const QByteArray &tune, bool wholeFont)
{
    QByteArray keys = wholeFont ? "*" : "";
    for (int preset : presetsOfTune(wholeFont ? QByteArray() : tune))
        keys += QByteArray::number(preset) + ',';
    return keys + '|' + QFile::encodeName(soundFont);
}
