// Number pictures, the wood grain and cutting a picture into pieces.
#include "imagery/number_pictures.h"
#include "imagery/picture_clip.h"

#include <QtTest>

class tst_Imagery : public QObject {
    Q_OBJECT
private slots:
    void clipOffsets_data();
    void clipOffsets();
    void cutPiecesComeFromTheirSquares();
    void highDensityPicturesAreCutAtTheirOwnDensity();
    void numberPictures();
    void woodGrain();
};

void tst_Imagery::clipOffsets_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("offsets");
    QTest::addColumn<int>("side");
    QTest::newRow("3x3") << 3 << QList<int>{0, 84, 169} << 84;
    QTest::newRow("4x4, 126.5 to even") << 4 << QList<int>{0, 63, 126, 190} << 63;
    QTest::newRow("5x5, pieces may share a line") << 5 << QList<int>{0, 51, 101, 152, 202} << 51;
    QTest::newRow("7x7, pieces may skip a line") << 7 << QList<int>{0, 36, 72, 108, 145, 181, 217} << 36;
}

void tst_Imagery::clipOffsets()
{
    QFETCH(int, n);
    QFETCH(QList<int>, offsets);
    QFETCH(int, side);
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b)
            QCOMPARE(clipRect(253, n, a, b), QRect(offsets[b], offsets[a], side, side));
}

void tst_Imagery::cutPiecesComeFromTheirSquares()
{
    QImage source(253, 253, QImage::Format_RGB32);
    for (int y = 0; y < 253; ++y)
        for (int x = 0; x < 253; ++x)
            source.setPixel(x, y, qRgb(x, y, 7));
    const std::vector<Picture> pieces = cutPicture(source, 4);
    QCOMPARE(pieces.size(), size_t(16));
    // Piece 7 is row 1, column 2: its corner is (126, 63).
    QCOMPARE(pieces[6].name, QStringLiteral("7"));
    QCOMPARE(pieces[6].image.size(), QSize(63, 63));
    QCOMPARE(pieces[6].image.pixel(0, 0), qRgb(126, 63, 7));
    QCOMPARE(pieces[15].image.pixel(62, 62), qRgb(252, 252, 7));
    QVERIFY(cutPicture(QImage(), 4).empty());
}

void tst_Imagery::highDensityPicturesAreCutAtTheirOwnDensity()
{
    QImage source(506, 506, QImage::Format_RGB32);
    source.fill(Qt::red);
    source.setDevicePixelRatio(2.0);
    const std::vector<Picture> pieces = cutPicture(source, 4);
    QCOMPARE(pieces[0].image.size(), QSize(126, 126));
    QCOMPARE(pieces[0].image.devicePixelRatio(), 2.0);
    QCOMPARE(pieces[0].image.deviceIndependentSize(), QSizeF(63, 63));
}

void tst_Imagery::numberPictures()
{
    const PicFrm store;
    QSet<qint64> distinct;
    for (int k = 0; k < NumberPictureCount; ++k) {
        const Picture &p = store.NumPic(k);
        QCOMPARE(p.name, QString::number(k + 1));
        QCOMPARE(p.image.size(), QSize(56, 56));
        distinct.insert(p.image.cacheKey());
        // The numeral is black on light blue: the centre has dark pixels, the corner is bluish.
        const QColor corner = p.image.pixelColor(1, 1);
        QVERIFY(corner.blue() > corner.red() && corner.lightness() > 150);
        int dark = 0;
        for (int x = 10; x < 46; ++x)
            dark += qGray(p.image.pixel(x, 28)) < 60;
        QVERIFY2(dark > 2, qPrintable(p.name));
    }
    QCOMPARE(distinct.size(), NumberPictureCount);
    QCOMPARE(drawNumberPicture(7), drawNumberPicture(7));  // the same pixels every run

    const QImage sharp = drawNumberPicture(49, 2.0);
    QCOMPARE(sharp.size(), QSize(112, 112));
    QCOMPARE(sharp.deviceIndependentSize(), QSizeF(56, 56));
}

void tst_Imagery::woodGrain()
{
    const PicFrm store;
    const QImage wood = store.Image3().image;
    QCOMPARE(store.Image3().name, QStringLiteral("Empty"));
    QCOMPARE(wood.size(), QSize(56, 56));
    // Light brown, and striped across: columns differ more than rows do.
    const QColor mid = wood.pixelColor(28, 28);
    QVERIFY(mid.red() > mid.green() && mid.green() > mid.blue());
    int acrossChange = 0, alongChange = 0;
    for (int i = 1; i < 56; ++i) {
        acrossChange += qAbs(qGray(wood.pixel(i, 20)) - qGray(wood.pixel(i - 1, 20)));
        alongChange += qAbs(qGray(wood.pixel(20, i)) - qGray(wood.pixel(20, i - 1)));
    }
    QVERIFY(acrossChange > alongChange);
}

QTEST_MAIN(tst_Imagery)
#include "tst_imagery.moc"
