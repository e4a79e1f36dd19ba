// Form1's preferences: start-up from the store, the six toggles, the status bar's height,
// the music device's commands and loop.
#include "board/main_window.h"
#include "fakes.h"
#include "platform/ini_settings_store.h"

#include <QStatusBar>
#include <QtTest>

namespace {
const QStringList Entries{"MusicOn", "MusicOff", "SoundOn", "SoundOff", "BarOn", "BarOff"};
const QStringList AllOn{"MusicOn", "SoundOn", "BarOn"};

// Notes how many settings had been written when each command arrived.
class OrderedMusic : public FakeMusic {
public:
    explicit OrderedMusic(const MemorySettings &settings) : m_settings(settings) {}
    void command(const QString &c) override
    {
        FakeMusic::command(c);
        writesBefore << m_settings.writes.size();
    }
    QList<qsizetype> writesBefore;

private:
    const MemorySettings &m_settings;
};

// A started window; stored values as "Music|Sound|StatusBar", "-" leaves a key out.
struct Session {
    Fakes fakes;
    OrderedMusic music{fakes.settings};
    std::unique_ptr<Form1> w;

    explicit Session(const QString &stored = QStringLiteral("-|-|-"), SettingsStore *settings = nullptr)
    {
        const QStringList parts = stored.split(QLatin1Char('|'));
        const QStringList keys{"Music", "Sound", "StatusBar"};
        for (int i = 0; i < keys.size(); ++i)
            if (parts.value(i) != QLatin1String("-"))
                fakes.settings.set(keys[i], parts.value(i));
        w = std::make_unique<Form1>(Platform{fakes.folder.path(), fakes.random, settings ? *settings : fakes.settings,
                                             fakes.waves, music, fakes.messages, fakes.help, fakes.program});
        w->Form_Load();
        w->FourbyFour_Click();
        w->startMusic();
    }
    QStringList checked() const
    {
        QStringList marks;
        for (const QString &entry : Entries)
            if (w->isChecked(entry))
                marks << entry;
        return marks;
    }
};
} // namespace

class TestMainWindowPrefs : public QObject {
    Q_OBJECT
private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }

    void startUpReadsTheStore_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<QStringList>("commands");
        const QStringList none, openPlay{"open", "play"};
        QTest::newRow("first run, empty store") << "-|-|-" << AllOn << none << openPlay;
        QTest::newRow("all False") << "False|False|False" << QStringList{"MusicOff", "SoundOff", "BarOff"}
                                   << QStringList{"StatusBar=False"} << QStringList{"open"};
        QTest::newRow("lower case false") << "false|false|false" << AllOn << none << openPlay;
        QTest::newRow("numbers") << "0|0|0" << AllOn << none << openPlay;
        QTest::newRow("spaces round False") << " False | False | False " << AllOn << none << openPlay;
    }

    void startUpReadsTheStore()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, checked);
        QFETCH(QStringList, writes);
        QFETCH(QStringList, commands);
        Session s(stored);
        QCOMPARE(s.checked(), checked);
        QCOMPARE(s.fakes.settings.writes, writes);
        QCOMPARE(s.w->statusBar1()->isHidden(), checked.contains(QStringLiteral("BarOff")));
        QCOMPARE(s.w->lastPictureFolder(), s.fakes.folder.path());
        QCOMPARE(s.music.fileName, s.fakes.folder.filePath(QStringLiteral("fallmorn.mid")));
        QCOMPARE(s.music.commands, commands);
    }

    void choicesLastThroughTheFile_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("music off") << "MusicOff" << QByteArray("[Tessary]\nMusic=False\n");
        QTest::newRow("sound off") << "SoundOff" << QByteArray("[Tessary]\nSound=False\n");
        QTest::newRow("bar off") << "BarOff" << QByteArray("[Tessary]\nStatusBar=False\n");
    }

    void choicesLastThroughTheFile()
    {
        QFETCH(QString, entry);
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        IniSettingsStore settings(dir.path());
        QFile stored(settings.filePath(QStringLiteral("Orvane.Works")));
        {
            Session first(QStringLiteral("-|-|-"), &settings);
            QVERIFY(!stored.exists());  // the first run writes nothing
            first.w->menuEntry(entry)->trigger();
        }
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), file);
        stored.close();
        Session next(QStringLiteral("-|-|-"), &settings);
        QVERIFY(next.w->isChecked(entry));
        QCOMPARE(next.checked().size(), 3);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), file);  // the bar's "False" is written again, nothing else
    }

    void checkedEntryDoesNothing_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("entry");
        for (const QString &on : AllOn)
            QTest::newRow(qPrintable(on)) << "-|-|-" << on;
        for (const char *off : {"MusicOff", "SoundOff", "BarOff"})
            QTest::newRow(off) << "False|False|False" << QString::fromLatin1(off);
    }

    void checkedEntryDoesNothing()
    {
        QFETCH(QString, stored);
        QFETCH(QString, entry);
        Session s(stored);
        const QStringList marks = s.checked(), writes = s.fakes.settings.writes, commands = s.music.commands;
        const QSize size = s.w->size();
        s.w->menuEntry(entry)->trigger();
        QCOMPARE(s.checked(), marks);
        QCOMPARE(s.fakes.settings.writes, writes);
        QCOMPARE(s.music.commands, commands);  // Music "On" while on does not restart the piece
        QCOMPARE(s.w->size(), size);
    }

    void statusBarKeepsTheBoardSize()
    {
        Session s, hidden(QStringLiteral("-|-|False"));  // the second started without the bar
        s.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.w.get()));
        const QSize window = s.w->size(), board = s.w->boardArea()->size();
        const QSize smaller(window.width(), window.height() - s.w->statusBar1()->sizeHint().height());
        QVERIFY(smaller.height() < window.height());
        QCOMPARE(hidden.w->size(), smaller);
        s.w->menuEntry(QStringLiteral("BarOff"))->trigger();
        QCOMPARE(s.w->size(), smaller);
        QTRY_COMPARE(s.w->boardArea()->size(), board);
        for (Session *session : {&s, &hidden}) {
            session->w->menuEntry(QStringLiteral("BarOn"))->trigger();
            QVERIFY(!session->w->statusBar1()->isHidden());
            QCOMPARE(session->w->size(), window);
        }
        QCOMPARE(s.fakes.settings.writes, (QStringList{"StatusBar=False", "StatusBar=True"}));
    }

    void musicOffOnAndShutDown()
    {
        Session s(QStringLiteral("False|-|-"));
        s.w->menuEntry(QStringLiteral("MusicOn"))->trigger();
        s.w->menuEntry(QStringLiteral("MusicOff"))->trigger();
        s.w->menuEntry(QStringLiteral("SoundOff"))->trigger();  // the music hears nothing of it
        QCOMPARE(s.music.commands, (QStringList{"open", "play", "stop"}));
        QCOMPARE(s.music.writesBefore, (QList<qsizetype>{0, 0, 1}));  // the command, then the write
        QCOMPARE(s.fakes.settings.writes, (QStringList{"Music=True", "Music=False", "Sound=False"}));
        s.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.w.get()));
        s.w->close();
        QCOMPARE(s.music.commands.last(), QStringLiteral("close"));
        QCOMPARE(s.fakes.program.ended, 1);
    }

    void loopsAtTheEnd_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("length");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<bool>("musicOff");
        QTest::newRow("one tick before the end") << 69119 << 69120 << QStringList{} << false;
        QTest::newRow("at the end") << 69120 << 69120 << QStringList{"next", "play"} << false;
        QTest::newRow("past the end, notes fading") << 72938 << 69120 << QStringList{"next", "play"} << false;
        QTest::newRow("length not known yet") << 0 << 0 << QStringList{} << false;
        QTest::newRow("negative length") << 10 << -1 << QStringList{} << false;
        // Music switched off just as the piece ended: rewound, but it stays silent.
        QTest::newRow("at the end, music off") << 69120 << 69120 << QStringList{"stop", "next"} << true;
    }

    void loopsAtTheEnd()
    {
        QFETCH(int, position);
        QFETCH(int, length);
        QFETCH(QStringList, commands);
        QFETCH(bool, musicOff);
        Session s;
        s.music.commands.clear();
        if (musicOff)
            s.w->menuEntry(QStringLiteral("MusicOff"))->trigger();
        s.music.pos = position;
        s.music.len = length;
        s.music.statusUpdate();
        QCOMPARE(s.music.commands, commands);
    }
};


QTEST_MAIN(TestMainWindowPrefs)
#include "tst_main_window_prefs.moc"
