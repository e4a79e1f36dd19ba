// The per-user settings file: where it lives, keys without regard to case, values as written.
#include "platform/ini_settings_store.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString App = QStringLiteral("Orvane.Works");
const QString Section = QStringLiteral("Tessary");

void writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class tst_IniSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }
    void livesInTheUserConfigurationFolder();
    void readingAnEmptyStoreWritesNothing();
    void keysIgnoreCase();
    void handEditedValues_data();
    void handEditedValues();
    void aFullDiskKeepsTheLastGoodFile_data();
    void aFullDiskKeepsTheLastGoodFile();
};

void tst_IniSettingsStore::livesInTheUserConfigurationFolder()
{
    const IniSettingsStore store;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QCOMPARE(store.filePath(App), folder + QStringLiteral("/Orvane.Works.conf"));
}

void tst_IniSettingsStore::readingAnEmptyStoreWritesNothing()
{
    QTemporaryDir dir;
    const IniSettingsStore store(dir.filePath(QStringLiteral("not yet made")));
    QCOMPARE(store.read(App, Section, QStringLiteral("Music"), QStringLiteral("True")), QStringLiteral("True"));
    QVERIFY(!QFile::exists(store.filePath(App)));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("not yet made"))));
}

void tst_IniSettingsStore::keysIgnoreCase()
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    store.write(App, Section, QStringLiteral("StatusBar"), QStringLiteral("False"));
    QCOMPARE(readFile(store.filePath(App)), QByteArray("[Tessary]\nStatusBar=False\n"));
    QCOMPARE(store.read(App, Section, QStringLiteral("statusbar"), QStringLiteral("True")), QStringLiteral("False"));

    // A hand-written spelling is found and rewritten in place, never doubled.
    QTemporaryDir handMade;
    IniSettingsStore edited(handMade.path());
    writeFile(edited.filePath(App), "[Tessary]\nSTATUSBAR=False\n");
    QCOMPARE(edited.read(App, Section, QStringLiteral("statusbar"), QStringLiteral("True")), QStringLiteral("False"));
    edited.write(App, Section, QStringLiteral("StatusBar"), QStringLiteral("True"));
    QCOMPARE(readFile(edited.filePath(App)), QByteArray("[Tessary]\nSTATUSBAR=True\n"));
    // Another program's section is another place.
    QCOMPARE(store.read(App, QStringLiteral("Other"), QStringLiteral("StatusBar"), QStringLiteral("x")), QStringLiteral("x"));
}

void tst_IniSettingsStore::handEditedValues_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lower case false") << QByteArray("[Tessary]\nSound=false\n") << "false";
    QTest::newRow("empty value") << QByteArray("[Tessary]\nSound=\n") << "";
    QTest::newRow("with a comma") << QByteArray("[Tessary]\nSound=False, really\n") << "False, really";
    QTest::newRow("no section") << QByteArray("Sound=False\n") << "True";
    QTest::newRow("not an ini file") << QByteArray("\x89PNG\r\n\x1a\n") << "True";
}

void tst_IniSettingsStore::handEditedValues()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const IniSettingsStore store(dir.path());
    writeFile(store.filePath(App), file);
    QCOMPARE(store.read(App, Section, QStringLiteral("Sound"), QStringLiteral("True")), expected);
}

void tst_IniSettingsStore::aFullDiskKeepsTheLastGoodFile_data()
{
    QTest::addColumn<int>("room");  // bytes a file may grow to; the file grows by 12
    QTest::newRow("no room at all") << 0;
    QTest::newRow("room for the old file and QSettings' lock, not the new file") << 351;
}

void tst_IniSettingsStore::aFullDiskKeepsTheLastGoodFile()
{
    QFETCH(int, room);
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    const QByteArray other = "[Other]\nnote=" + QByteArray(300, 'x') + "\n\n";
    const QByteArray before = other + "[Tessary]\nMusic=True\nStatusBar=True\n";
    writeFile(store.filePath(App), before);
    {
        const FileSizeLimit disk(static_cast<rlim_t>(room));
        QVERIFY(!store.write(App, Section, QStringLiteral("Sound"), QStringLiteral("False")));
    }
    QCOMPARE(readFile(store.filePath(App)), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Orvane.Works.conf"});
    // with room again, the value goes in and nothing else changes
    QVERIFY(store.write(App, Section, QStringLiteral("Sound"), QStringLiteral("False")));
    QCOMPARE(readFile(store.filePath(App)), other + "[Tessary]\nMusic=True\nSound=False\nStatusBar=True\n");
}

QTEST_GUILESS_MAIN(tst_IniSettingsStore)
#include "tst_ini_settings_store.moc"
