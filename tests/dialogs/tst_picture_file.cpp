// Loading pictures the player points at, and the file list's name patterns.
#include "bad_pictures.h"
#include "dialogs/file_pattern.h"
#include "dialogs/picture_file.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class TestPictureFile : public QObject {
    Q_OBJECT
private slots:
    void goodFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("sourceSize");
        QTest::newRow("square JPEG") << encodedPicture({300, 300}, Qt::red, "JPEG") << QSize(300, 300);
        QTest::newRow("wide BMP") << encodedPicture({400, 300}, Qt::red, "BMP") << QSize(400, 300);
        QTest::newRow("GIF") << gifClaiming(506, 506) << QSize(506, 506);  // Leaf.gif as it is
        QTest::newRow("6000 x 4000 JPEG") << encodedPicture({6000, 4000}, Qt::red, "JPEG") << QSize(6000, 4000);
    }
    void goodFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, sourceSize);
        QTemporaryDir dir;
        // The content decides, not the name: every one is named as a BMP.
        const QString path = dir.filePath(QStringLiteral("picture.bmp"));
        QVERIFY(writeFile(path, bytes));
        const PictureFile picture = loadPictureFile(path, QSize(253, 253));
        QVERIFY2(picture.ok(), qPrintable(picture.error));
        QCOMPARE(picture.sourceSize, sourceSize);
        QCOMPARE(picture.image.size(), QSize(253, 253));
        const QColor centre = picture.image.pixelColor(126, 126);
        if (sourceSize.width() != 506)
            QVERIFY2(centre.red() > 240 && centre.green() < 16 && centre.blue() < 16, qPrintable(centre.name()));
    }

    void badFiles_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : BadFileNames)
            QTest::newRow(qPrintable(name)) << name;
        QTest::newRow("pipe.jpg") << QStringLiteral("pipe.jpg");
        QTest::newRow("missing.jpg") << QStringLiteral("missing.jpg");
    }
    void badFiles()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        makeBadFile(dir.path(), name);
        // A pipe with no writer would block a reader for ever.
        if (name == QLatin1String("pipe.jpg"))
            QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(name)).constData(), 0644), 0);
        const WithoutReadOverride asPlayer;
        if (name == QLatin1String("locked.jpg") && QFile(dir.filePath(name)).open(QIODevice::ReadOnly))
            QSKIP("this process can read a file without read permission");
        const PictureFile picture = loadPictureFile(dir.filePath(name), QSize(253, 253));
        QVERIFY(!picture.ok());
        QVERIFY(picture.image.isNull());
        QVERIFY(!picture.error.isEmpty());
    }

    void pattern_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");
        const QString pictures = QStringLiteral("*.bmp;*.jpg;*.gif");
        QTest::newRow("lower case") << pictures << "cow.jpg" << true;
        QTest::newRow("camera upper case") << pictures << "IMG_0001.JPG" << true;
        QTest::newRow("mixed case gif") << pictures << "Leaf.Gif" << true;
        QTest::newRow("bmp") << pictures << "scan.bmp" << true;
        QTest::newRow("png") << pictures << "shot.png" << false;
        QTest::newRow("jpeg spelling") << pictures << "photo.jpeg" << false;
        QTest::newRow("extension in the middle") << pictures << "cow.jpg.txt" << false;
        QTest::newRow("no extension") << pictures << "jpg" << false;
        QTest::newRow("bare dot jpg") << pictures << ".jpg" << true;
        QTest::newRow("spaces around parts") << " *.bmp ; *.jpg " << "a.JPG" << true;
        QTest::newRow("empty parts") << ";;*.gif;" << "a.gif" << true;
        QTest::newRow("every file, no dot") << "*.*" << "README" << true;
        QTest::newRow("question mark") << "?.gif" << "ab.gif" << false;
        QTest::newRow("brackets in the name") << pictures << "[1].jpg" << true;
    }
    void pattern()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, matches);
        QCOMPARE(FilePattern(pattern).matches(name), matches);
    }
};

QTEST_GUILESS_MAIN(TestPictureFile)
#include "tst_picture_file.moc"
