// The number picture store: 49 numbered tiles and the wood-grain picture of the empty cell.
#pragma once

#include "core/platform/picture.h"

#include <array>

// Side of a number picture and of the wood-grain picture, in logical pixels.
inline constexpr int NumberPictureSide = 56;
inline constexpr int NumberPictureCount = 49;

// Black serif numeral centred on a light-blue marbled square; drawn at the given pixel density.
QImage drawNumberPicture(int number, qreal devicePixelRatio = 1.0);
// Vertical light-brown stripes of wood.
QImage drawWoodGrain(qreal devicePixelRatio = 1.0);

class PicFrm
{
public:
    explicit PicFrm(qreal devicePixelRatio = 1.0);

    // 0 <= k < 49: the picture of the number k + 1, named "k + 1". Drawn the first time it is
    // asked for: a 4 x 4 board needs 15 of the 49.
    const Picture &NumPic(int k) const;
    // The empty-cell picture, named "Empty".
    const Picture &Image3() const { return m_image3; }

private:
    qreal m_devicePixelRatio;
    mutable std::array<Picture, NumberPictureCount> m_numPic;
    Picture m_image3;
};
