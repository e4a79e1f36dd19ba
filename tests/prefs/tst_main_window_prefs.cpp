// Form1's preferences: the six toggles through the settings file from run to run, the status bar's
// height, the music device's commands and loop.
#include "app.h"
#include "platform/ini_settings_store.h"
#include "support/file_size_limit.h"


namespace {
// Notes how many settings had been written when each command arrived.
struct OrderedMusic : FakeMusic {
    explicit OrderedMusic(const MemorySettings &settings) : settings(settings) {}
    void command(const QString &c) override { FakeMusic::command(c), writesBefore << settings.writes.size(); }
    const MemorySettings &settings;
    QList<qsizetype> writesBefore;
};

// A started window on `settings`, or on the fakes' store.
struct Session {
    Fakes fakes;
    OrderedMusic music{fakes.settings};
    std::unique_ptr<Form1> w;
    explicit Session(SettingsStore *settings = nullptr)
    {
        w = std::make_unique<Form1>(Platform{fakes.folder.path(), fakes.random, settings ? *settings : fakes.settings,
                                             fakes.waves, music, fakes.messages, fakes.help, fakes.program});
        w->Form_Load();
        w->FourbyFour_Click();
        w->startMusic();
    }
    // The checked entries, then the music's commands: "MusicOn SoundOn BarOn: open play".
    QString state() const
    {
        QStringList marks{"MusicOn", "MusicOff", "SoundOn", "SoundOff", "BarOn", "BarOff"};
        marks.removeIf([this](const QString &entry) { return !w->isChecked(entry); });
        return marks.join(' ') + ": " + music.commands.join(' ');
    }
};
} // namespace

class TestMainWindowPrefs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void choicesLastThroughTheFile_data()
    {
        QTest::addColumn<QByteArray>("file");  // the settings file at the first start; empty: none
        QTest::addColumn<QStringList>("entries");  // then chosen, each twice: the second time does nothing
        QTest::addColumn<QString>("checked");  // then, and at the next start
        QTest::addColumn<QByteArray>("after");  // the file then, and after the next start; empty: as it was
        const QStringList on{"MusicOn", "SoundOn", "BarOn"}, off{"MusicOff", "SoundOff", "BarOff"};
        const QByteArray allFalse("[Tessary]\nMusic=False\nSound=False\nStatusBar=False\n"), none;
        QTest::newRow("first run; on again writes nothing") << none << on << "MusicOn SoundOn BarOn" << none;
        QTest::newRow("sound and bar off") << none << QStringList{"SoundOff", "BarOff"} << "MusicOn SoundOff BarOff"
                                           << QByteArray("[Tessary]\nSound=False\nStatusBar=False\n");
        QTest::newRow("all False; off again") << allFalse << off << "MusicOff SoundOff BarOff" << none;
        QTest::newRow("all False; all on") << allFalse << on << "MusicOn SoundOn BarOn" << QByteArray(allFalse).replace("False", "True");
        for (const char *value : {"false", "0", "\" False \""})
            QTest::addRow("stored as %s", value) << QByteArray(allFalse).replace("False", value) << QStringList{}
                                                 << "MusicOn SoundOn BarOn" << none;
    }
    void choicesLastThroughTheFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, entries);
        QFETCH(QString, checked);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        IniSettingsStore settings(dir.path());
        const QString path = settings.filePath(QStringLiteral("Orvane.Works"));
        if (!file.isEmpty())
            writeFile(path, file);
        const QString state = checked + (checked.contains("MusicOn") ? ": open play" : ": open");
        Session first(&settings);
        first.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(first.w.get()));
        // the window grows or shrinks by the bar's height; the board keeps its size
        const int bar = first.w->statusBar1()->sizeHint().height();
        const QSize withBar = first.w->size() + QSize(0, first.w->statusBar1()->isHidden() ? bar : 0);
        const QSize board = first.w->boardArea()->size();
        for (const QString &entry : entries)
            first.w->menuEntry(entry)->trigger(), first.w->menuEntry(entry)->trigger();
        QVERIFY(bar > 0);
        QCOMPARE(std::pair(first.state(), first.w->size()), std::pair(state, withBar - QSize(0, checked.contains("BarOff") ? bar : 0)));
        QTRY_COMPARE(first.w->boardArea()->size(), board);
        Session next(&settings);  // the next start, on the same file
        QCOMPARE(QStringList({next.state(), next.music.fileName, next.w->lastPictureFolder()}),
                 QStringList({state, next.fakes.folder.filePath("fallmorn.mid"), next.fakes.folder.path()}));
        QCOMPARE(fileBytes(path), after.isEmpty() ? file : after);  // the bar's "False" is written again, nothing else
        QCOMPARE(std::pair(next.w->size(), next.w->statusBar1()->isHidden()), std::pair(first.w->size(), checked.contains("BarOff")));
    }

    void musicCommandsAndLoop()
    {
        Session s;
        for (const char *entry : {"MusicOff", "MusicOn", "SoundOff"})  // the music hears nothing of the last
            s.w->menuEntry(entry)->trigger();
        // Only a known length, reached or passed (the last notes fading), rewinds and plays again.
        for (const auto &[position, length] : {std::pair{69119, 69120}, {0, 0}, {10, -1}, {69120, 69120}, {72938, 69120}})
            s.music.pos = position, s.music.len = length, s.music.statusUpdate();
        s.w->menuEntry("MusicOff")->trigger();
        s.music.statusUpdate();  // switched off just as the piece ended: rewound, but silent
        s.w->close();
        QCOMPARE(s.music.commands, (QStringList{"open", "play", "stop", "play", "next", "play", "next", "play", "stop", "next", "close"}));
        QCOMPARE(s.music.writesBefore, (QList<qsizetype>{0, 0, 0, 1, 3, 3, 3, 3, 3, 4, 4}));  // the command, then the write
    }
};

QTEST_MAIN(TestMainWindowPrefs)
#include "tst_main_window_prefs.moc"
