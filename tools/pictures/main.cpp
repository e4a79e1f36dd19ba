// Entry point of the tool that paints Tessary's six stock puzzle pictures.
#include "gif_writer.h"
#include "paintkit.h"
#include "scenes.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    // Painting needs a QGuiApplication for fonts and raster engines, never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();

    if (args.size() > 2 || (args.size() == 2 && args[1].startsWith('-'))) {
        std::fprintf(stderr, "usage: tessary-pictures [output-folder]\n"
                             "Writes Leaf.gif, rose.jpg, flower.jpg, door.jpg, mountain.jpg and cow.jpg.\n");
        return 2;
    }
    const QString outDir = QDir::cleanPath(args.size() == 2 ? args[1] : QStringLiteral(TESSARY_MEDIA_DIR));
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return 1;
    }

    struct Picture { const char *file; void (*paint)(QImage &); };
    const Picture pictures[] = {
        {"Leaf.gif", paintLeaf}, {"rose.jpg", paintRose}, {"flower.jpg", paintFlower},
        {"door.jpg", paintDoor}, {"mountain.jpg", paintMountain}, {"cow.jpg", paintCow},
    };

    int failures = 0;
    for (const Picture &pic : pictures) {
        QImage canvas(kCanvas, kCanvas, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::black);
        pic.paint(canvas);
        const QImage out = canvas.convertToFormat(QImage::Format_RGB32)
                               .scaled(kFinal, kFinal, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QString path = QDir(outDir).filePath(QString::fromLatin1(pic.file));
        bool ok = path.endsWith(".gif") ? writeGif(out, path) : out.save(path, "JPG", 90);
        // Read every file back: the GIF encoder is our own, so prove a decoder accepts it.
        const QImage back(path);
        ok = ok && !back.isNull() && back.size() == out.size();
        std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
        failures += ok ? 0 : 1;
    }
    return failures ? 1 : 0;
}
