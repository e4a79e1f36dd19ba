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

class TestAudio : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("PULSE_SERVER", "unix:/nonexistent/tessary-test");
    } // never a real server
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void decodes_data()
    {
        QTest::addColumn<QString>("file");       // a shipped file, or "bad.wav" holding `content`
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<qint64>("frames");      // 0: refused
        QTest::newRow("change") << "change.wav" << QByteArray() << qint64(6615);
        QTest::newRow("pop") << "pop.wav" << QByteArray() << qint64(13230);
        QTest::newRow("gling") << "gling.wav" << QByteArray() << qint64(44100);
        QTest::newRow("missing file") << "bad.wav" << QByteArray() << qint64(0);
        QTest::newRow("empty file") << "bad.wav" << QByteArray("") << qint64(0);
        QTest::newRow("text named .wav")
            << "bad.wav" << QByteArray("not a sound at all\n") << qint64(0);
        QTest::newRow("header only")
            << "bad.wav" << QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16) << qint64(0);
        QTest::newRow("a folder") << "." << QByteArray() << qint64(0);
    }
    void decodes()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(qint64, frames);
        QTemporaryDir dir;
        if (!content.isNull())
            writeFile(dir.filePath(file), content);
        const auto clip = decodeWaveFile(frames ? media(file) : dir.filePath(file));
        QCOMPARE(clip ? clip->frames() : 0, frames);
        if (!clip)
            return;
        // Mono files play on both sides alike.
        const auto loudest = std::max_element(clip->samples.begin(), clip->samples.end());
        QVERIFY(*loudest > 10000);
        QCOMPARE(clip->samples[size_t((loudest - clip->samples.begin()) ^ 1)], *loudest);
    }

    void convertsOtherRates()
    {
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("ramp.wav")));
        SF_INFO info{0, 22050, 3, SF_FORMAT_WAV | SF_FORMAT_PCM_16,
                     0, 0}; // three channels at half the rate
        SNDFILE *file = sf_open(path.constData(), SFM_WRITE, &info);
        QVERIFY(file);
        std::vector<short> frames;
        for (short i = 0; i < 100; ++i)
            frames.insert(frames.end(), {short(i * 100), short(-i * 100), 9999});
        sf_writef_short(file, frames.data(), 100);
        sf_close(file);
        const auto clip = decodeWaveFile(QFile::decodeName(path));
        QVERIFY(clip);
        // Frame 101 lies halfway between the file's frames 50 and 51.
        QCOMPARE(std::tuple(clip->frames(), clip->samples[2 * 101], clip->samples[2 * 101 + 1]),
                 std::tuple(200, 5050, -5050));
    }

    void mixer()
    {
        AudioMixer mixer;
        auto music = std::make_shared<LevelMusic>();
        mixer.setMusic(music);
        QList<quint64> playedOut;
        mixer.setClipPlayedOut([&](quint64 serial) { playedOut << serial; });
        // The next frames, and whether they counted as sound: silence fills the buffer and counts
        // as quiet, so the stream may close; music does not.
        const auto read = [&mixer](int frames) {
            const quint64 mark = mixer.soundMark();
            QList<qint16> out(frames * 2);
            out.resize(
                mixer.read(reinterpret_cast<char *>(out.data()), frames * AudioMixer::BytesPerFrame)
                / 2);
            return std::pair(out, mixer.soundMark() != mark);
        };
        QCOMPARE(read(3), std::pair(QList<qint16>(6, 0), false));
        music->playing = true;
        QCOMPARE(read(1), std::pair(QList<qint16>{1000, 1000}, true));
        music->playing = false;
        const quint64 mark = mixer.soundMark();
        mixer.playClip(
            std::make_shared<const WaveClip>(WaveClip{{100, -100, 200, -200, 300, -300}}), 1);
        QVERIFY(mixer.soundMark() != mark); // a clip counts from the moment it is asked for
        QCOMPARE(read(2).first, (QList<qint16>{100, -100, 200, -200}));
        mixer.playClip(std::make_shared<const WaveClip>(WaveClip{{32767, 32767}}),
                       2); // cuts the first off over a short ramp
        QCOMPARE(playedOut, QList<quint64>{1});
        QList<qint16> out = read(2).first;
        QCOMPARE(QList<qint16>({out[0], out[2]}),
                 (QList<qint16>{32767, 0})); // saturated, not wrapped round
        QCOMPARE(playedOut, (QList<quint64>{1, 2}));
        QVERIFY(!read(4).second); // both clips are over

        mixer.playClip(std::make_shared<const WaveClip>(WaveClip{std::vector<qint16>(2000, 20000)}),
                       3);
        qint64 played = 0;
        mixer.setPlayedFrames([&] { return played; });
        mixer.fadeOut(100);
        out = read(200).first;
        QVERIFY(out[0] > 19000 && out[2 * 90] > 0 && out[2 * 90] < 2500 && out[2 * 100] == 0);
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
        static QTemporaryDir
            dir; // tunes of one track at 96 ticks a beat: these events, then middle C for 2.5 s
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
        QCOMPARE(sequencer.length() > 0, plays);
        if (!plays)
            return;
        const qint32 position = sequencer.position();
        QVERIFY(position > 0 && position < sequencer.length());
        QVERIFY(std::any_of(buffer.begin(), buffer.end(),
                            [](qint16 s) { return std::abs(s) > 100; })); // not dither
        sequencer.stop();
        sequencer.render(buffer.data(), 1024);
        QCOMPARE(sequencer.position(), position); // a pause keeps the place
        sequencer.rewind();
        sequencer.play();
        sequencer.render(buffer.data(), 1024);
        QVERIFY(sequencer.position() < position);
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
        QCOMPARE(std::pair(output->state(), music->reporting()),
                 std::pair(AudioOutput::State::Untried, false));
        waves.play(media(QStringLiteral("pop.wav")),
                   WavePlayer::Mode::Sync); // returns once there is known to be no device
        QCOMPARE(output->state(), AudioOutput::State::Unavailable);
        waves.play(media(QStringLiteral("change.wav")), WavePlayer::Mode::Async);
        music->command(QStringLiteral("play"));
        QTRY_VERIFY(updates > 0); // the 1000 ms report runs while the music plays, device or not
        QCOMPARE(music->length(), 0);
        music->command(QStringLiteral("stop"));
        const int beforeStop = updates;
        QTRY_VERIFY(!music->reporting());
        QCOMPARE(updates, beforeStop + 1); // one more, for a piece that ended just before the stop
        music->command(QStringLiteral("close"));
    }
};

QTEST_GUILESS_MAIN(TestAudio)
#include "tst_audio.moc"
