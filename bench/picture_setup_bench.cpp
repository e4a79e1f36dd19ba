// Picture Setup figures: a 6000 x 4000 JPEG into the preview, and a folder of 20,000 files listed.
#include "ui/main_window.h"
#include "ui/picture_setup.h"
#include "ui/picture_setup_browser.h"
#include "ui/picture_setup_preview.h"
#include "support/fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <cstdio>

namespace {
// Something like a photograph for the encoder: smooth gradients with grain, so it does not shrink to nothing.
void writePhoto(const QString &path)
{
    QImage photo(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator grain(7);
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int g = int(grain.bounded(24));
            line[x] = qRgb((x * 255 / 6000 + g) & 255, (y * 255 / 4000 + g) & 255, ((x + y) / 40 + g) & 255);
        }
    }
    photo.save(path, "JPEG", 90);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Fakes fakes;
    const QDir folder(fakes.folder.path());
    folder.mkdir("photos");
    folder.mkdir("many");
    writePhoto(folder.filePath("photos/big.jpg"));
    const char *extensions[] = {".JPG", ".gif", ".txt", ".bmp"};
    for (int i = 0; i < 20000; ++i)
        QFile(folder.filePath(QStringLiteral("many/file%1%2").arg(i, 5, 10, QLatin1Char('0')).arg(extensions[i % 4])))
            .open(QIODevice::WriteOnly);

    Form1 w(fakes.platform());
    w.Form_Load();
    w.FourbyFour_Click();
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 1;
    w.session().rememberPictureFolder(folder.filePath("photos"));
    w.menuEntry("Pictures")->trigger();
    auto *dialog = w.findChild<SetUpFrm *>();
    if (!dialog || !QTest::qWaitForWindowExposed(dialog))
        return 1;
    auto *files = dialog->findChild<FileList *>("File1");
    auto *preview = dialog->findChild<PreviewBox *>("Picture1");
    QTest::mouseClick(dialog->findChild<QWidget *>("Option11"), Qt::LeftButton, {}, QPoint(8, 8));
    if (!QTest::qWaitFor([files] { return !files->isListing(); }))
        return 1;

    std::vector<double> shows;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
        preview->repaint();
        shows.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("6000 x 4000 JPEG (%lld bytes) shown in the preview: median %.1f ms, worst %.1f ms (goal < 300 ms), source %dx%d\n",
                QFileInfo(folder.filePath("photos/big.jpg")).size(), median(shows),
                *std::max_element(shows.begin(), shows.end()), dialog->PreviewSourceWidth, dialog->PreviewSourceHeight);

    // The window's heartbeat: the longest wait between two turns of the event loop while listing.
    QElapsedTimer beat;
    double longestStall = 0;
    QTimer heartbeat;
    heartbeat.setInterval(0);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        longestStall = std::max(longestStall, beat.nsecsElapsed() / 1e6);
        beat.restart();
    });
    QElapsedTimer clock;
    clock.start();
    beat.start();
    heartbeat.start();
    dialog->findChild<FolderList *>("Dir1")->setPath(folder.filePath("many"));
    const double blocked = clock.nsecsElapsed() / 1e6;
    longestStall = std::max(longestStall, blocked);
    if (!QTest::qWaitFor([files] { return !files->isListing(); }, 20000))
        return 1;
    const double listed = clock.nsecsElapsed() / 1e6;
    heartbeat.stop();
    std::printf("Folder of 20,000 files (%d pictures listed): %.1f ms until listed (goal < 1000 ms), "
                "longest the window waited for a turn: %.1f ms\n",
                files->count(), listed, longestStall);
    return 0;
}
