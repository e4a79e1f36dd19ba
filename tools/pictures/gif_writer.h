// Minimal GIF89a writer: median-cut palette, light ordered dither, LZW packing.
#pragma once

#include <QImage>
#include <QString>

// Qt has no GIF writer, so the leaf picture goes through this one.
// Returns false if the file cannot be written.
bool writeGif(const QImage &image, const QString &path);
