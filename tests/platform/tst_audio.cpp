// The audio adapters without making a sound: decoding, mixing, FluidSynth with the shipped tune,
// and the whole chain on a machine without a sound server.
#include "platform/audio_clip.h"
#include "platform/audio_fluid_sequencer.h"
#include "platform/audio_mixer.h"
#include "platform/audio_music_device.h"
#include "platform/audio_output.h"
#include "platform/audio_wave_player.h"

#include <QFile>
#include <atomic>
#include <QTemporaryDir>
#include <QtTest>
#include <sndfile.h>

namespace {
QString media(const QString &name)
{
    return QDir(qEnvironmentVariable("TESSARY_MEDIA_DIR")).filePath(name);
}

std::shared_ptr<const WaveClip> clipOf(std::initializer_list<qint16> samples)
{
    auto clip = std::make_shared<WaveClip>();
    clip->samples = samples;
    return clip;
}

// Music that is either playing (a constant level) or silent.
struct FakeMusic : MixerSource {
    bool playing = false;
    bool render(qint16 *out, int frames) override
    {
        std::fill(out, out + 2 * frames, qint16(playing ? 1000 : 0));
        return playing;
    }
};

std::vector<qint16> readFrames(AudioMixer &mixer, int frames)
{
    std::vector<qint16> out(static_cast<size_t>(frames) * 2);
    const qint64 got = mixer.read(reinterpret_cast<char *>(out.data()), frames * AudioMixer::BytesPerFrame);
    out.resize(static_cast<size_t>(got / 2));
    return out;
}
} // namespace

class tst_Audio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }
    void decodesShippedWaves_data();
    void decodesShippedWaves();
    void convertsOtherRates();
    void rejectsBadFiles_data();
    void rejectsBadFiles();
    void mixer();
    void shippedTuneOpensInFluidSynth();
    void sequencerRefusesBadFiles_data();
    void sequencerRefusesBadFiles();
    void noDeviceIsSilentAndQuick();
};

void tst_Audio::initTestCase()
{
    // Whatever this machine has, the tests never reach a sound server.
    qputenv("PULSE_SERVER", "unix:/nonexistent/tessary-test");
}

void tst_Audio::decodesShippedWaves_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<qint64>("frames");
    QTest::newRow("change") << "change.wav" << qint64(6615);
    QTest::newRow("pop") << "pop.wav" << qint64(13230);
    QTest::newRow("gling") << "gling.wav" << qint64(44100);
}

void tst_Audio::decodesShippedWaves()
{
    QFETCH(QString, file);
    QFETCH(qint64, frames);
    const auto clip = decodeWaveFile(media(file));
    QVERIFY(clip);
    QCOMPARE(clip->frames(), frames);
    // Mono files play on both sides alike.
    const auto loudest = std::max_element(clip->samples.begin(), clip->samples.end());
    QVERIFY(*loudest > 10000);
    const auto at = loudest - clip->samples.begin();
    QCOMPARE(clip->samples[size_t(at ^ 1)], *loudest);
}

void tst_Audio::convertsOtherRates()
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("ramp.wav")));
    SF_INFO info{0, 22050, 3, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};  // three channels at half the rate
    SNDFILE *file = sf_open(path.constData(), SFM_WRITE, &info);
    QVERIFY(file);
    std::vector<short> frames;
    for (short i = 0; i < 100; ++i)
        frames.insert(frames.end(), {short(i * 100), short(-i * 100), 9999});
    sf_writef_short(file, frames.data(), 100);
    sf_close(file);
    const auto clip = decodeWaveFile(QFile::decodeName(path));
    QVERIFY(clip);
    QCOMPARE(clip->frames(), 200);
    QCOMPARE(clip->samples[2 * 101], qint16(5050));  // halfway between the file's frames 50 and 51
    QCOMPARE(clip->samples[2 * 101 + 1], qint16(-5050));
}

void tst_Audio::rejectsBadFiles_data()
{
    QTest::addColumn<QByteArray>("content");  // empty: no file at all
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("empty file") << QByteArray("");
    QTest::newRow("text named .wav") << QByteArray("not a sound at all\n");
    QTest::newRow("header only") << QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
}

void tst_Audio::rejectsBadFiles()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.wav"));
    if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QVERIFY(!decodeWaveFile(path));
    QVERIFY(!decodeWaveFile(dir.path()));  // a folder
}

void tst_Audio::mixer()
{
    AudioMixer mixer;
    auto music = std::make_shared<FakeMusic>();
    mixer.setMusic(music);
    QList<quint64> playedOut;
    mixer.setClipPlayedOut([&](quint64 serial) { playedOut << serial; });
    // Silence fills the buffer and counts as quiet, so the stream may close; music does not.
    quint64 mark = mixer.soundMark();
    QCOMPARE(readFrames(mixer, 3), (std::vector<qint16>(6, 0)));
    QCOMPARE(mixer.soundMark(), mark);
    music->playing = true;
    QCOMPARE(readFrames(mixer, 1), (std::vector<qint16>{1000, 1000}));
    QVERIFY(mixer.soundMark() != mark);
    music->playing = false;
    mark = mixer.soundMark();
    mixer.playClip(clipOf({100, -100, 200, -200, 300, -300}), 1);
    QVERIFY(mixer.soundMark() != mark);  // a clip counts from the moment it is asked for
    QCOMPARE(readFrames(mixer, 2), (std::vector<qint16>{100, -100, 200, -200}));
    mixer.playClip(clipOf({32767, 32767}), 2);  // cuts the first off over a short ramp
    QCOMPARE(playedOut, QList<quint64>{1});
    std::vector<qint16> out = readFrames(mixer, 2);
    QCOMPARE(out[0], qint16(32767));  // saturated, not wrapped round
    QCOMPARE(out[2], qint16(0));
    QCOMPARE(playedOut, (QList<quint64>{1, 2}));
    mark = mixer.soundMark();
    readFrames(mixer, 4);  // both clips are over
    QCOMPARE(mixer.soundMark(), mark);

    auto loud = std::make_shared<WaveClip>();
    loud->samples.assign(2000, 20000);
    mixer.playClip(loud, 3);
    qint64 played = 0;
    mixer.setPlayedFrames([&] { return played; });
    mixer.fadeOut(100);
    out = readFrames(mixer, 200);
    QVERIFY(out[0] > 19000 && out[2 * 90] > 0 && out[2 * 90] < 2500);
    QCOMPARE(out[2 * 100], qint16(0));
    QVERIFY(!mixer.fadedOut());  // read, but not yet heard
    played = 200;
    QVERIFY(mixer.fadedOut());
}

void tst_Audio::shippedTuneOpensInFluidSynth()
{
    FluidSequencer sequencer;
    sequencer.open(media(QStringLiteral("fallmorn.mid")));  // before the synthesizer, as the device does
    QVERIFY(sequencer.load(QString::fromLatin1(FluidMusicDevice::DefaultSoundFont)));
    std::vector<qint16> buffer(2048);
    QVERIFY(!sequencer.render(buffer.data(), 1024));  // open and stopped: nothing to hear
    sequencer.play();
    for (int i = 0; i < 50; ++i)
        QVERIFY(sequencer.render(buffer.data(), 1024));
    QVERIFY(sequencer.length() > 0);
    const qint32 position = sequencer.position();
    QVERIFY(position > 0 && position < sequencer.length());
    QVERIFY(std::any_of(buffer.begin(), buffer.end(), [](qint16 s) { return s != 0; }));

    sequencer.stop();
    for (int i = 0; i < 10; ++i)
        sequencer.render(buffer.data(), 1024);
    QCOMPARE(sequencer.position(), position);  // a pause keeps the place
    sequencer.rewind();
    sequencer.play();
    sequencer.render(buffer.data(), 1024);
    QVERIFY(sequencer.position() < position);
}

void tst_Audio::sequencerRefusesBadFiles_data()
{
    QTest::addColumn<QString>("soundFont");
    QTest::addColumn<QString>("midi");
    const QString font = QString::fromLatin1(FluidMusicDevice::DefaultSoundFont);
    QTest::newRow("missing tune") << font << media(QStringLiteral("nothing.mid"));
    QTest::newRow("wave file as tune") << font << media(QStringLiteral("pop.wav"));
    QTest::newRow("missing SoundFont") << media(QStringLiteral("none.sf2")) << media(QStringLiteral("fallmorn.mid"));
    QTest::newRow("tune as SoundFont") << media(QStringLiteral("fallmorn.mid")) << media(QStringLiteral("fallmorn.mid"));
}

void tst_Audio::sequencerRefusesBadFiles()
{
    QFETCH(QString, soundFont);
    QFETCH(QString, midi);
    FluidSequencer sequencer;
    sequencer.load(soundFont);
    sequencer.open(midi);
    sequencer.play();
    std::vector<qint16> buffer(2048);
    for (int i = 0; i < 10; ++i)
        QVERIFY(!sequencer.render(buffer.data(), 1024));
    QCOMPARE(sequencer.length(), 0);
}

void tst_Audio::noDeviceIsSilentAndQuick()
{
    auto output = std::make_unique<AudioOutput>();
    MixerWavePlayer waves(*output);
    auto music = std::make_unique<FluidMusicDevice>(*output);
    int updates = 0;
    music->setStatusUpdate([&] { ++updates; });
    music->setFileName(media(QStringLiteral("fallmorn.mid")));
    for (const char *command : {"open", "stop", "next"})
        music->command(QLatin1String(command));
    // Start-up with the music off: once the audio thread has done what was asked of it so far,
    // nothing has asked for the sound server, and no report is due.
    std::atomic<bool> done = false;
    output->post([&] { done = true; });
    QTRY_VERIFY(done);
    QCOMPARE(output->state(), AudioOutput::State::Untried);
    QVERIFY(!music->reporting());

    waves.play(media(QStringLiteral("pop.wav")), WavePlayer::Mode::Sync);  // returns once there is known to be no device
    QCOMPARE(output->state(), AudioOutput::State::Unavailable);
    waves.play(media(QStringLiteral("change.wav")), WavePlayer::Mode::Async);
    music->command(QStringLiteral("play"));
    QTRY_VERIFY(updates > 0);  // the 1000 ms report runs while the music plays, device or not
    QCOMPARE(music->length(), 0);
    music->command(QStringLiteral("stop"));
    const int beforeStop = updates;
    QTRY_VERIFY(!music->reporting());
    QCOMPARE(updates, beforeStop + 1);  // one more, for a piece that ended just before the stop
    music->command(QStringLiteral("close"));
    music.reset();
    output.reset();
}

QTEST_GUILESS_MAIN(tst_Audio)
#include "tst_audio.moc"
