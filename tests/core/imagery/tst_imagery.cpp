// Number pictures, the wood grain and cutting a picture into pieces.
#include "core/imagery/number_pictures.h"
#include "core/imagery/picture_clip.h"

#include <QtTest>

class TestImagery : public QObject
{
    Q_OBJECT
private slots:
    void cutPieces_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>(
            "offsets"); // of the pieces' rows and columns in a 253-pixel picture
        QTest::newRow("4x4, 126.5 to even") << 4 << QList<int>{0, 63, 126, 190};
        QTest::newRow("5x5, pieces may share a line") << 5 << QList<int>{0, 51, 101, 152, 202};
        QTest::newRow("7x7, pieces may skip a line")
            << 7 << QList<int>{0, 36, 72, 108, 145, 181, 217};
    }

    // Each pixel of the source holds its own logical position, so a piece shows where it was cut
    // from; a high-density picture is cut at its own density, not blown up or shrunk.
    void cutPieces()
    {
        QFETCH(int, n);
        QFETCH(QList<int>, offsets);
        const int side = offsets[1]; // every piece is as wide as the first
        for (const int dpr : {1, 2}) {
            QImage source(253 * dpr, 253 * dpr, QImage::Format_RGB32);
            for (int y = 0; y < source.height(); ++y)
                for (int x = 0; x < source.width(); ++x)
                    source.setPixel(x, y, qRgb(x / dpr, y / dpr, 7));
            source.setDevicePixelRatio(dpr);
            const std::vector<Picture> pieces = cutPicture(source, n);
            QCOMPARE(int(pieces.size()), n * n);
            for (int k = 0; k < n * n; ++k)
                QCOMPARE(std::tuple(pieces[k].name, pieces[k].image.deviceIndependentSize(),
                                    pieces[k].image.pixel(0, 0)),
                         std::tuple(QString::number(k + 1), QSizeF(side, side),
                                    qRgb(offsets[k % n], offsets[k / n], 7)));
        }
        QVERIFY(cutPicture(QImage(), n).empty());
    }

    // 49 different black numerals on light blue, and a light-brown empty-cell picture striped down.
    void pictureStore()
    {
        const PicFrm store;
        QSet<QByteArray> numerals; // where the black ink is
        for (int k = 0; k < NumberPictureCount; ++k) {
            const QImage &p = store.NumPic(k).image;
            const QColor corner = p.pixelColor(1, 1);
            QVERIFY(corner.blue() > corner.red() && corner.lightness() > 150);
            QByteArray ink;
            for (int i = 0; i < NumberPictureSide * NumberPictureSide; ++i)
                ink += char(qGray(p.pixel(i % NumberPictureSide, i / NumberPictureSide)) < 60);
            QVERIFY2(ink.count('\1') > 30, qPrintable(store.NumPic(k).name));
            numerals.insert(ink);
        }
        QCOMPARE(numerals.size(), NumberPictureCount);

        const QImage wood = store.Image3().image;
        QCOMPARE(wood.size(), QSize(NumberPictureSide, NumberPictureSide));
        const QColor mid = wood.pixelColor(28, 28);
        QVERIFY(mid.red() > mid.green() && mid.green() > mid.blue());
        int acrossChange = 0, alongChange = 0;
        for (int i = 1; i < NumberPictureSide; ++i) {
            acrossChange += qAbs(qGray(wood.pixel(i, 20)) - qGray(wood.pixel(i - 1, 20)));
            alongChange += qAbs(qGray(wood.pixel(20, i)) - qGray(wood.pixel(20, i - 1)));
        }
        QVERIFY(acrossChange > alongChange);
    }
};

QTEST_MAIN(TestImagery)
#include "tst_imagery.moc"
