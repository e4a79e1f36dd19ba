// Loading a picture file chosen by the player, which may be anything: the size comes from the
// header, absurd sizes are refused, and the pixels are decoded straight at the size shown.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QIODevice;

inline constexpr int MaxPictureSide = 20000;
inline constexpr qint64 MaxPicturePixels = 200'000'000;

struct PictureFile
{
    QImage image;     // decoded at the asked size, or null when the file was refused
    QSize sourceSize; // width and height as the file itself gives them
    QString error;    // why it was refused, in words for the player

    bool ok() const { return !image.isNull(); }
};

// Loads a BMP, JPEG or GIF file (recognised by its content, not its name) stretched to `shownSize`.
PictureFile loadPictureFile(const QString &path, QSize shownSize);
// The same from an open device holding the file's bytes.
PictureFile loadPicture(QIODevice &device, QSize shownSize);
