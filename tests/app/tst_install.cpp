// Installing: `cmake --install` into a prefix and the .deb into a scratch root, then the installed
// game is started offscreen and must find its media and keep its scores where the user can write.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

const QString BuildDir = QStringLiteral(TESSARY_BUILD_DIR);

// Runs a command; returns its exit code, or -1 when it could not start or finish.
int run(const QString &program, const QStringList &args, QString *output = nullptr, int timeoutMs = 120000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForFinished(timeoutMs))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void openUp(const QString &path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                    | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                    | QFileDevice::ExeOther);
}

} // namespace

class tst_Install : public QObject {
    Q_OBJECT
private slots:
    void installIntoPrefix();
    void debianPackage();

private:
    void checkLayout(const QString &root, const QString &prefix);
    void startInstalledGame(const QString &root, const QString &prefix);
};

void tst_Install::checkLayout(const QString &root, const QString &prefix)
{
    const QString top = root + prefix;
    const QFileInfo command(top + QStringLiteral("/bin/tessary"));
    QVERIFY(command.isSymLink());
    QCOMPARE(QFileInfo(command.symLinkTarget()).canonicalFilePath(),
             QFileInfo(top + QStringLiteral("/lib/tessary/tessary")).canonicalFilePath());
    for (const char *file : {"share/applications/works.orvane.Tessary.desktop",
                             "share/metainfo/works.orvane.Tessary.metainfo.xml",
                             "share/icons/hicolor/scalable/apps/works.orvane.Tessary.svg",
                             "share/icons/hicolor/48x48/apps/works.orvane.Tessary.png",
                             "share/icons/hicolor/256x256/apps/works.orvane.Tessary.png"})
        QVERIFY2(QFileInfo::exists(top + QLatin1Char('/') + QLatin1String(file)), file);

    QString output;
    QCOMPARE(run(QStringLiteral("desktop-file-validate"),
                 {top + QStringLiteral("/share/applications/works.orvane.Tessary.desktop")}, &output), 0);
    QCOMPARE(run(QStringLiteral("appstreamcli"),
                 {QStringLiteral("validate"), QStringLiteral("--no-net"),
                  top + QStringLiteral("/share/metainfo/works.orvane.Tessary.metainfo.xml")}, &output), 0);
    QVERIFY2(run(command.filePath(), {QStringLiteral("--check-media")}, &output) == 0, qPrintable(output));
    QVERIFY2(output.contains(QDir(top + QStringLiteral("/lib/tessary")).canonicalPath()), qPrintable(output));
}

// The game runs as a user who cannot write to the program's folder (nobody, or a read-only folder
// for a non-root tester) and must put its score file in that user's data folder.
void tst_Install::startInstalledGame(const QString &root, const QString &prefix)
{
    QTemporaryDir home;
    openUp(home.path());
    QFile::setPermissions(home.path(), QFileDevice::Permissions(0x7777));
    const QString programFolder = root + prefix + QStringLiteral("/lib/tessary");
    // Only the scratch folders are opened up, never anything above them.
    for (QString dir = programFolder; dir.startsWith(root); dir = QFileInfo(dir).path())
        openUp(dir);
    const bool asRoot = geteuid() == 0;
    if (!asRoot)
        QFile::setPermissions(programFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    game.setProcessEnvironment(env);
    const QString command = root + prefix + QStringLiteral("/bin/tessary");
    if (asRoot)
        game.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                               QStringLiteral("--clear-groups"), QStringLiteral("--"), command});
    else
        game.start(command, {});
    QVERIFY(game.waitForStarted());
    const QString scores = home.filePath(QStringLiteral(".local/share/Orvane.Works/Tessary/Hsl.hsf"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(scores).size() == 280, 15000);
    QCOMPARE(game.state(), QProcess::Running);
    game.kill();
    game.waitForFinished();
    QVERIFY(!QFileInfo::exists(programFolder + QStringLiteral("/Hsl.hsf")));
    if (!asRoot)
        openUp(programFolder);
}

void tst_Install::installIntoPrefix()
{
    QTemporaryDir prefix;
    QString output;
    QVERIFY2(run(QStringLiteral("cmake"), {QStringLiteral("--install"), BuildDir, QStringLiteral("--prefix"), prefix.path()},
                 &output) == 0,
             qPrintable(output));
    checkLayout(prefix.path(), QString());
    startInstalledGame(prefix.path(), QString());
}

void tst_Install::debianPackage()
{
    QTemporaryDir work;
    QString output;
    QVERIFY2(run(QStringLiteral("cpack"), {QStringLiteral("--config"), BuildDir + QStringLiteral("/CPackConfig.cmake"),
                                           QStringLiteral("-B"), work.path()},
                 &output, 300000) == 0,
             qPrintable(output));
    const QStringList debs = QDir(work.path()).entryList({QStringLiteral("*.deb")});
    QCOMPARE(debs.size(), 1);
    const QString deb = work.filePath(debs.first());

    QString depends;
    QCOMPARE(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")}, &depends), 0);
    for (const char *package : {"libqt6widgets6", "libqt6multimedia6", "libfluidsynth3", "libsndfile1",
                                "libqt6gui6", "timgm6mb-soundfont", "fonts-dejavu-core"})
        QVERIFY2(depends.contains(QLatin1String(package)), qPrintable(depends));
    QVERIFY2(!depends.contains(QLatin1String("-dev")), qPrintable(depends));

    const QString root = work.filePath(QStringLiteral("root"));
    openUp(work.path());
    QCOMPARE(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, root}), 0);
    checkLayout(root, QStringLiteral("/usr"));
    startInstalledGame(root, QStringLiteral("/usr"));
}

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_install.moc"
