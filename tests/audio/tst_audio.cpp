// The audio adapters without making a sound: decoding, mixing, FluidSynth with the shipped tune,
// and the whole chain on a machine without a sound server.
#include "audio/audio_clip.h"
#include "audio/audio_fluid_sequencer.h"
#include "audio/audio_mixer.h"
#include "audio/audio_music_device.h"
#include "audio/audio_output.h"
#include "audio/audio_wave_player.h"
#include "file_size_limit.h"

#include <QtTest>
#include <sndfile.h>

static QString media(const QString &name)
{
    return QDir(qEnvironmentVariable("TESSARY_MEDIA_DIR")).filePath(name);
}

// Music that is either playing (a constant level) or silent.
struct LevelMusic : MixerSource
{
    bool playing = false;
    bool render(qint16 *out, int frames) override
    {
        std::fill(out, out + 2 * frames, qint16(playing ? 1000 : 0));
        return playing;
    }
};

// A 16-bit wave file holding `samples`, `channels` to a frame.
static QString writeWave(const QString &path, int rate, int channels, std::vector<short> samples)
{
    SF_INFO info{0, rate, channels, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    sf_writef_short(file, samples.data(), sf_count_t(samples.size()) / channels);
    sf_close(file);
    return path;
}

class TestAudio : public QObject
{
    Q_OBJECT
private slots:
    // never a real sound server
    void initTestCase() { qputenv("PULSE_SERVER", "unix:/nonexistent/tessary-test"); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // Into the output's format: a mono file on both sides alike, a third channel dropped, other
    // rates converted.
    void decodesToStereoAt44100()
    {
        const auto gling = decodeWaveFile(media("gling.wav"));
        QVERIFY(gling);
        QCOMPARE(gling->frames(), qint64(44100));
        const auto loudest = std::max_element(gling->samples.begin(), gling->samples.end());
        QCOMPARE_GT(*loudest, 10000);
        QCOMPARE(gling->samples[size_t((loudest - gling->samples.begin()) ^ 1)], *loudest);
        QTemporaryDir dir;
        std::vector<short> ramp; // three channels at half the rate
        for (short i = 0; i < 100; ++i)
            ramp.insert(ramp.end(), {short(i * 100), short(-i * 100), 9999});
        const auto clip = decodeWaveFile(writeWave(dir.filePath("ramp.wav"), 22050, 3, ramp));
        QVERIFY(clip);
        QCOMPARE(clip->frames(), qint64(200));
        // Frame 101 lies halfway between the file's frames 50 and 51.
        QCOMPARE(clip->samples[2 * 101], qint16(5050));
        QCOMPARE(clip->samples[2 * 101 + 1], qint16(-5050));
    }

    // Each of these plays nothing, and nothing crashes.
    void refusesWhatItCannotPlay()
    {
        QTemporaryDir dir;
        QVERIFY(!decodeWaveFile(dir.filePath("missing.wav")));
        QVERIFY(!decodeWaveFile(dir.path())); // a folder
        const QByteArray headerOnly("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
        for (const QByteArray &text : {QByteArray(), QByteArray("not a sound\n"), headerOnly}) {
            writeFile(dir.filePath("bad.wav"), text);
            QVERIFY2(!decodeWaveFile(dir.filePath("bad.wav")), text.toHex().constData());
        }
        // longer than the minute an effect may last, at the lowest rate taken
        QVERIFY(!decodeWaveFile(
            writeWave(dir.filePath("long.wav"), 1000, 1, std::vector<short>(60001))));
    }

    void mixer()
    {
        AudioMixer mixer;
        auto music = std::make_shared<LevelMusic>();
        mixer.setMusic(music);
        QList<quint64> playedOut;
        mixer.setClipPlayedOut([&](quint64 serial) { playedOut << serial; });
        const auto read = [&mixer](int frames) {
            QList<qint16> out(frames * 2);
            const qint64 bytes = frames * AudioMixer::BytesPerFrame;
            out.resize(mixer.read(reinterpret_cast<char *>(out.data()), bytes) / 2);
            return out;
        };
        // Whether the mix has counted as sounding since last asked: unchanged for a while, the
        // stream closes.
        auto sounded = [&mixer, mark = mixer.soundMark()]() mutable {
            return std::exchange(mark, mixer.soundMark()) != mixer.soundMark();
        };
        QCOMPARE(read(3), QList<qint16>(6, 0)); // silence fills the buffer
        QVERIFY(!sounded());
        music->playing = true;
        QCOMPARE(read(1), (QList<qint16>{1000, 1000}));
        QVERIFY(sounded());
        music->playing = false;
        mixer.playClip(
            std::make_shared<const WaveClip>(WaveClip{{100, -100, 200, -200, 300, -300}}), 1);
        QVERIFY(sounded()); // a clip counts from the moment it is asked for
        QCOMPARE(read(2), (QList<qint16>{100, -100, 200, -200}));
        // cuts the first off over a short ramp that starts at its full level
        mixer.playClip(std::make_shared<const WaveClip>(WaveClip{{32767, 32767}}), 2);
        QCOMPARE(playedOut, QList<quint64>{1});
        QCOMPARE(read(2), (QList<qint16>{32767, 32767 - 300, 0, 0})); // saturated, not wrapped
        QCOMPARE(playedOut, (QList<quint64>{1, 2}));
        QVERIFY(sounded());
        read(4);
        QVERIFY(!sounded()); // both clips are over

        mixer.playClip(std::make_shared<const WaveClip>(WaveClip{std::vector<qint16>(2000, 20000)}),
                       3);
        qint64 played = 0;
        mixer.setPlayedFrames([&] { return played; });
        mixer.fadeOut(100);
        const QList<qint16> faded = read(200);
        QCOMPARE_GT(faded[0], 19000);
        QCOMPARE_GT(faded[2 * 90], 0);
        QCOMPARE_LT(faded[2 * 90], 2500);
        QCOMPARE(faded[2 * 100], 0);
        QVERIFY(!mixer.fadedOut()); // read, but not yet heard
        played = 200;
        QVERIFY(mixer.fadedOut());
    }

    void sequencer_data()
    {
        QTest::addColumn<QString>("soundFont");
        QTest::addColumn<QString>("midi");
        QTest::addColumn<bool>("plays");
        const QString font = QString::fromLatin1(FluidMusicDevice::DefaultSoundFont),
                      tune = media("fallmorn.mid");
        QTest::newRow("shipped tune") << font << tune << true;
        QTest::newRow("missing tune") << font << media("nothing.mid") << false;
        QTest::newRow("wave file as tune") << font << media("pop.wav") << false;
        QTest::newRow("missing SoundFont") << media("none.sf2") << tune << false;
        QTest::newRow("tune as SoundFont") << tune << tune << false;
        // tunes of one track at 96 ticks a beat: these events, then middle C for 2.5 s
        static QTemporaryDir dir;
        const auto ownTune = [](const char *name, const QByteArray &events) {
            const QByteArray track = QByteArray::fromHex(events + "8360803c0000ff2f00");
            const QByteArray head = QByteArray::fromHex("4d546864000000060000000100604d54726b0000");
            writeFile(dir.filePath(name),
                      head + char(track.size() >> 8) + char(track.size()) + track);
            return dir.filePath(name);
        };
        QTest::newRow("notes before any program change")
            << font << ownTune("a.mid", "00903c64") << true;
        QTest::newRow("a bank the SoundFont lacks")
            << font << ownTune("b.mid", "00b0000500c01800903c64") << true;
        QTest::newRow("a drum kit it lacks, cymbal at 1 s")
            << font << ownTune("c.mid", "00c97f8140993164") << true;
    }
    void sequencer()
    {
        QFETCH(QString, soundFont);
        QFETCH(QString, midi);
        QFETCH(bool, plays);
        FluidSequencer sequencer;
        sequencer.open(midi); // before the synthesizer, as the device does
        QVERIFY(sequencer.load(soundFont) || !plays);
        std::vector<qint16> buffer(2048);
        QVERIFY(!sequencer.render(buffer.data(), 1024)); // open and stopped: nothing to hear
        sequencer.play();
        for (int i = 0; i < 50; ++i)
            QCOMPARE(sequencer.render(buffer.data(), 1024), plays);
        if (!plays)
            return;
        const qint32 position = sequencer.position();
        QCOMPARE_LT(position, sequencer.length()); // the length is known once it plays
        QVERIFY(std::any_of(buffer.begin(), buffer.end(),
                            [](qint16 s) { return std::abs(s) > 100; })); // not dither
        sequencer.stop();
        sequencer.render(buffer.data(), 1024);
        sequencer.play();
        sequencer.render(buffer.data(), 1024);
        QCOMPARE_GE(sequencer.position(), position); // a pause keeps the place
        sequencer.rewind();
        sequencer.render(buffer.data(), 1024);
        QCOMPARE_LT(sequencer.position(), position);
    }

    void noDeviceIsSilentAndQuick()
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
        QAtomicInt done;
        output->post([&] { done.storeRelease(1); });
        QTRY_VERIFY(done.loadAcquire());
        QCOMPARE(output->state(), AudioOutput::State::Untried);
        QVERIFY(!music->reporting());
        // returns once there is known to be no device
        waves.play(media(QStringLiteral("pop.wav")), WavePlayer::Mode::Sync);
        QCOMPARE(output->state(), AudioOutput::State::Unavailable);
        music->command(QStringLiteral("play"));
        QTRY_VERIFY(updates > 0); // the 1000 ms report runs while the music plays, device or not
        music->command(QStringLiteral("stop"));
        const int beforeStop = updates;
        QTRY_VERIFY(!music->reporting());
        QCOMPARE(updates, beforeStop + 1); // one more, for a piece that ended just before the stop
        music->command(QStringLiteral("close"));
    }
};

QTEST_GUILESS_MAIN(TestAudio)
#include "tst_audio.moc"
