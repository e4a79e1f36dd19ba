// Installing: `cmake --install` into a prefix and the .deb into a scratch root, then the installed
// game is started offscreen and must find its media and keep its scores where the user can write.
#include <QtTest>

#include <unistd.h>

class TestInstall : public QObject
{
    Q_OBJECT
private slots:
    void installedGameRuns_data()
    {
        QTest::addColumn<bool>("deb");
        QTest::newRow("cmake --install into a prefix") << false;
        QTest::newRow("the .deb unpacked into a scratch root") << true;
    }

    void installedGameRuns()
    {
        QFETCH(bool, deb);
        QTemporaryDir work;
        QString top = work.path(), out;
        // Runs a command (program first) to its end and puts its output in out; its exit code, or
        // -1 when it did not exit normally.
        const auto run = [&out](const QStringList &command) {
            QProcess process;
            process.setProcessChannelMode(QProcess::MergedChannels);
            process.start(command[0], command.mid(1));
            const bool finished = process.waitForFinished(300000);
            out = QString::fromLocal8Bit(process.readAll());
            return finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode()
                                                                            : -1;
        };
        QVERIFY2(run(deb ? QStringList{"cpack", "--config", TESSARY_BUILD_DIR "/CPackConfig.cmake",
                                       "-B", top}
                         : QStringList{"cmake", "--install", TESSARY_BUILD_DIR, "--prefix", top})
                     == 0,
                 qPrintable(out));
        if (deb) {
            const QStringList debs = QDir(top).entryList({"*.deb"});
            QCOMPARE(debs.size(), 1);
            QCOMPARE(run({"dpkg-deb", "-f", work.filePath(debs[0]), "Depends"}), 0);
            for (const char *package :
                 {"libqt6widgets6", "libqt6multimedia6", "libfluidsynth3", "libsndfile1",
                  "libqt6gui6", "timgm6mb-soundfont", "fonts-dejavu-core", "qt6-wayland"})
                QVERIFY2(out.contains(package), qPrintable(out));
            QVERIFY2(!out.contains("-dev"), qPrintable(out));
            QCOMPARE(run({"dpkg-deb", "-x", work.filePath(debs[0]), work.filePath("root")}), 0);
            top = work.filePath("root/usr");
        }

        const QString command = top + "/bin/tessary", folder = top + "/lib/tessary",
                      share = top + "/share/", id = "works.orvane.Tessary";
        QCOMPARE(QFileInfo(command).canonicalFilePath(),
                 QFileInfo(folder + "/tessary").canonicalFilePath());
        QVERIFY(QFileInfo::exists(folder + "/tessary_zh_CN.qm"));
        for (const char *icon :
             {"scalable/apps/%1.svg", "48x48/apps/%1.png", "256x256/apps/%1.png"})
            QVERIFY2(QFileInfo::exists(share + "icons/hicolor/" + QString(icon).arg(id)), icon);
        // The last one, the game's own check, says where it found its media.
        for (const QStringList &check :
             {QStringList{"desktop-file-validate", share + "applications/" + id + ".desktop"},
              {"appstreamcli", "validate", "--no-net", share + "metainfo/" + id + ".metainfo.xml"},
              {command, "--check-media"}})
            QVERIFY2(run(check) == 0, qPrintable(out));
        QVERIFY2(out.contains(QDir(folder).canonicalPath()), qPrintable(out));

        // The game runs as a user who cannot write to the program's folder and must put its score
        // file in that user's data folder. Root may write anywhere, so the game then runs as
        // nobody.
        QTemporaryDir home;
        QFile::setPermissions(home.path(), QFileDevice::Permissions(0x7777));
        for (QString dir = folder; dir.startsWith(work.path()); dir = QFileInfo(dir).path())
            QFile::setPermissions(dir,
                                  QFileDevice::Permissions(
                                      dir == folder ? 0x5055 : 0x7055)); // only the scratch folders
        QStringList args{"env",
                         "-u",
                         "XDG_DATA_HOME",
                         "-u",
                         "XDG_CONFIG_HOME",
                         "HOME=" + home.path(),
                         "QT_QPA_PLATFORM=offscreen",
                         command};
        if (geteuid() == 0)
            args =
                QStringList{"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "--"}
                + args;
        QProcess game;
        game.start(args[0], args.mid(1));
        QTRY_COMPARE_WITH_TIMEOUT(
            QFileInfo(home.filePath(".local/share/Orvane.Works/Tessary/Hsl.hsf")).size(),
            qint64(280), 15000);
        QCOMPARE(game.state(), QProcess::Running);
        game.close(); // kills it and waits for its end
        QFile::setPermissions(folder, QFileDevice::Permissions(0x7055));
        QVERIFY(!QFileInfo::exists(folder + "/Hsl.hsf"));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
