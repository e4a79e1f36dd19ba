// A picture shown by a cell view: the image and the words a screen reader says for it.
#pragma once

#include <QImage>
#include <QString>

struct Picture
{
    QImage image; // implicitly shared: copying a picture between views does not copy pixels
    QString name; // "7" for piece 7, "Empty" for the empty-cell picture, "" for none

    bool isNull() const { return image.isNull(); }
};
