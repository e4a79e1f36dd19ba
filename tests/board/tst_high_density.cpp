// On a screen with scale factor 2 the pictures are drawn at the device's density, not blown up.
#include "app/splash.h"
#include "board/board_geometry.h"
#include "board/main_window.h"
#include "fakes.h"
#include "platform/cell_view.h"

#include <QLabel>
#include <QtTest>

namespace {
// Share of 2 x 2 device-pixel blocks that are not one flat colour: a picture scaled up from
// logical pixels has none.
double detail(const QImage &image, const QRect &area)
{
    int blocks = 0, detailed = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            ++blocks;
            const QRgb p = image.pixel(x, y);
            detailed += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
        }
    return blocks ? double(detailed) / blocks : 0;
}
} // namespace

class tst_HighDensity : public QObject {
    Q_OBJECT
private slots:
    void picturesAtDeviceDensity();
};

void tst_HighDensity::picturesAtDeviceDensity()
{
    Fakes fakes;
    Form1 w(fakes.platform());
    w.Form_Load();
    w.FourbyFour_Click();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.devicePixelRatioF(), 2.0);

    const Picture number = w.cellView(1, 2)->picture();
    QCOMPARE(number.image.size(), QSize(112, 112));
    QCOMPARE(number.image.deviceIndependentSize(), QSizeF(56, 56));
    QVERIFY(w.game().BackgroundPicture.image.size() == QSize(112, 112));

    // What reaches the screen: the numeral's edges have detail within single logical pixels.
    const QImage shown = w.cellView(1, 2)->grab().toImage();
    QCOMPARE(shown.size(), QSize(114, 98));
    QVERIFY2(detail(shown, QRect(30, 30, 54, 38)) > 0.25, "numeral blown up from small pixels");

    // Geometry stays the same in logical pixels.
    QCOMPARE(w.boardArea()->size(), QSize(twipsToPixels(3440), twipsToPixels(2950)));
    QCOMPARE(w.cellView(1, 2)->geometry(), QRect(112, 48, 57, 49));

    frmSplash splash(nullptr);
    splash.Timer1()->stop();
    const QPixmap logo = splash.findChild<QLabel *>(QStringLiteral("imgLogo"))->pixmap();
    QCOMPARE(logo.devicePixelRatio(), 2.0);
    QCOMPARE(logo.size(), QSize(192, 192));
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    tst_HighDensity test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_high_density.moc"
