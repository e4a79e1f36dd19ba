// The per-user settings file: where it lives, keys without regard to case, values as written.
#include "adapters/ini_settings_store.h"
#include "file_size_limit.h"

static const QString App("Orvane.Works"), Section("Tessary");

class TestIniSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void readsWhatTheFileHolds_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no file, nor even its folder
        QTest::addColumn<QString>("sound");   // what reading Sound with the default "True" gives
        QTest::newRow("no file") << QByteArray() << "True";
        QTest::newRow("key in another case") << QByteArray("[Tessary]\nSOUND=False\n") << "False";
        QTest::newRow("lower case false") << QByteArray("[Tessary]\nSound=false\n") << "false";
        QTest::newRow("empty value") << QByteArray("[Tessary]\nSound=\n") << "";
        QTest::newRow("with a comma")
            << QByteArray("[Tessary]\nSound=False, really\n") << "False, really";
        QTest::newRow("another section") << QByteArray("[Other]\nSound=False\n") << "True";
        QTest::newRow("no section") << QByteArray("Sound=False\n") << "True";
        QTest::newRow("not an ini file") << QByteArray("\x89PNG\r\n\x1a\n") << "True";
    }
    void readsWhatTheFileHolds()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, sound);
        QTemporaryDir dir;
        const QString folder = dir.filePath("config");
        const IniSettingsStore store(folder);
        if (!file.isNull() && QDir().mkpath(folder))
            writeFile(store.filePath(App), file);
        QCOMPARE(store.read(App, Section, "sound", "True"), sound);
        QCOMPARE(fileBytes(store.filePath(App)), file); // reading writes nothing
        QCOMPARE(QFileInfo::exists(folder), !file.isNull());
    }

    void livesInTheUsersConfigFolder()
    {
        QCOMPARE(IniSettingsStore().filePath(App),
                 QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                     + "/Orvane.Works.conf");
    }

    // With no room at all, and with room for the old file and QSettings' lock but not the new file.
    void aFullDiskKeepsTheLastGoodFile()
    {
        for (const rlim_t room : {0, 351}) {
            QTemporaryDir dir;
            IniSettingsStore store(dir.path());
            const QByteArray other = "[Other]\nnote=" + QByteArray(300, 'x') + "\n\n";
            const QByteArray before = other + "[Tessary]\nMusic=True\nStatusBar=True\n";
            writeFile(store.filePath(App), before);
            QVERIFY(!withFileSizeLimit(
                room, [&] { return store.write(App, Section, "Sound", "False"); }));
            QCOMPARE(fileBytes(store.filePath(App)), before);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                     QStringList{"Orvane.Works.conf"});
            // with room again, the value goes in and nothing else changes; another spelling of the
            // key then rewrites it in place, never doubled
            for (const char *key : {"Sound", "SOUND"}) {
                QVERIFY(store.write(App, Section, key, "False"));
                QCOMPARE(fileBytes(store.filePath(App)),
                         other + "[Tessary]\nMusic=True\nSound=False\nStatusBar=True\n");
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestIniSettingsStore)
#include "tst_ini_settings_store.moc"
