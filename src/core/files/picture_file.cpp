// Safe loading of picture files.
#include "core/files/picture_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {
PictureFile refused(const QString &why)
{
    return PictureFile{QImage(), QSize(), why};
}

bool sizeIsSane(QSize size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= MaxPictureSide
           && size.height() <= MaxPictureSide
           && qint64(size.width()) * size.height() <= MaxPicturePixels;
}

// Readers that cannot decode at a reduced size need the whole picture in memory first.
bool fitsInMemory(QImageReader &reader, QSize size)
{
    if (reader.supportsOption(QImageIOHandler::ScaledSize))
        return true;
    const qint64 limitBytes = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    return limitBytes <= 0 || qint64(size.width()) * size.height() * 4 <= limitBytes;
}
} // namespace

PictureFile loadPictureFile(const QString &path, QSize shownSize)
{
    const QFileInfo info(path);
    if (!info.exists())
        return refused(QCoreApplication::translate("PictureFile", "The file no longer exists."));
    // Only regular files: a directory is no picture, and opening a pipe would wait for ever.
    if (!info.isFile())
        return refused(QCoreApplication::translate("PictureFile", "It is not a picture file."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QCoreApplication::translate("PictureFile", "The file cannot be read: %1.")
                           .arg(file.errorString()));
    return loadPicture(file, shownSize);
}

PictureFile loadPicture(QIODevice &device, QSize shownSize)
{
    if (device.size() == 0)
        return refused(QCoreApplication::translate("PictureFile", "The file is empty."));

    QImageReader reader(&device);
    const QByteArray format = reader.format();
    if (format != "bmp" && format != "jpeg" && format != "gif")
        return refused(
            QCoreApplication::translate("PictureFile", "It is not a BMP, JPEG or GIF picture."));
    const QSize size = reader.size();
    if (!size.isValid())
        return refused(QCoreApplication::translate("PictureFile", "The picture is damaged."));
    if (!sizeIsSane(size) || !fitsInMemory(reader, size))
        return refused(
            QCoreApplication::translate("PictureFile", "The picture is too large (%1 x %2 pixels).")
                .arg(size.width())
                .arg(size.height()));

    reader.setScaledSize(shownSize);
    QImage image = reader.read();
    if (image.isNull())
        return refused(QCoreApplication::translate("PictureFile", "The picture is damaged (%1).")
                           .arg(reader.errorString()));
    if (image.size() != shownSize)
        image = image.scaled(shownSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return PictureFile{image, size, QString()};
}
