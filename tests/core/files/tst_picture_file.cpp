// Loading pictures the player points at, and the file list's name patterns.
#include "bad_pictures.h"
#include "core/files/file_pattern.h"
#include "core/files/picture_file.h"

class TestPictureFile : public QObject
{
    Q_OBJECT
private slots:
    // A large JPEG is read at the shown size. Bad files of every kind are tried through Picture
    // Setup, which shows what this loads.
    void load()
    {
        QTemporaryDir dir;
        // The content decides, not the name.
        const QString path = dir.filePath(QStringLiteral("picture.bmp"));
        writeFile(path, encodedPicture({6000, 4000}, Qt::red, "JPEG"));
        const PictureFile picture = loadPictureFile(path, QSize(253, 253));
        QCOMPARE(std::tuple(picture.sourceSize, picture.image.size(), picture.error),
                 std::tuple(QSize(6000, 4000), QSize(253, 253), QString()));
        const QColor centre = picture.image.pixelColor(126, 126);
        QVERIFY2(centre.red() > 240 && centre.green() < 16 && centre.blue() < 16,
                 qPrintable(centre.name()));
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
        QTest::newRow("empty parts, spaces around the last") << ";; *.bmp ; *.jpg ;"
                                                             << "a.JPG" << true;
        QTest::newRow("every file, no dot") << "*.*"
                                            << "README" << true;
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
