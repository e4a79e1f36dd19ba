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
    // BMP and GIF files, and bad files of every other kind, are tried through Picture Setup, which
    // shows what this loads.
    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // "<pipe>": a named pipe with no writer
        QTest::addColumn<QSize>("sourceSize");  // none: refused
        QTest::newRow("6000 x 4000 JPEG") << encodedPicture({6000, 4000}, Qt::red, "JPEG") << QSize(6000, 4000);
        QTest::newRow("a pipe: it would block a reader for ever") << QByteArray("<pipe>") << QSize();
    }
    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, sourceSize);
        QTemporaryDir dir;
        // The content decides, not the name: every one is named as a BMP.
        const QString path = dir.filePath(QStringLiteral("picture.bmp"));
        QVERIFY(bytes == "<pipe>" ? mkfifo(QFile::encodeName(path).constData(), 0644) == 0 : writeFile(path, bytes));
        const PictureFile picture = loadPictureFile(path, QSize(253, 253));
        QCOMPARE(picture.sourceSize, sourceSize);
        QCOMPARE(picture.error.isEmpty(), sourceSize.isValid());
        QCOMPARE(picture.image.size(), sourceSize.isValid() ? QSize(253, 253) : QSize(0, 0));
        const QColor centre = picture.ok() ? picture.image.pixelColor(126, 126) : QColor(Qt::red);
        QVERIFY2(centre.red() > 240 && centre.green() < 16 && centre.blue() < 16, qPrintable(centre.name()));
    }

    void pattern_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");
        const QString pictures = QStringLiteral("*.bmp;*.jpg;*.gif");
        QTest::newRow("camera upper case") << pictures << "IMG_0001.JPG" << true;
        QTest::newRow("png") << pictures << "shot.png" << false;
        QTest::newRow("extension in the middle") << pictures << "cow.jpg.txt" << false;
        QTest::newRow("no extension") << pictures << "jpg" << false;
        QTest::newRow("empty parts, spaces around the last") << ";; *.bmp ; *.jpg ;" << "a.JPG" << true;
        QTest::newRow("every file, no dot") << "*.*" << "README" << true;
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
