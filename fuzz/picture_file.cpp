// Fuzz target: a player's picture file, header check and decode at the preview's size.
#include "entry_points.h"

#include "core/files/picture_file.h"

#include <QBuffer>
#include <QImageReader>

namespace fuzz {

int pictureFile(const uint8_t *data, size_t size)
{
    // A header may claim the largest picture the game accepts, which the decoders then fill: the
    // limit is the game's own check at a smaller scale, so such inputs stay quick.
    static const bool limited = [] {
        QImageReader::setAllocationLimit(16);
        return true;
    }();
    Q_UNUSED(limited);
    const QSize shown(253, 253);
    QByteArray bytes = view(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const PictureFile picture = loadPicture(buffer, shown);
    if (picture.ok()) {
        require(picture.image.size() == shown, "picture not decoded at the preview's size");
        require(picture.sourceSize.width() > 0 && picture.sourceSize.height() > 0
                    && picture.sourceSize.width() <= MaxPictureSide && picture.sourceSize.height() <= MaxPictureSide,
                "picture accepted with a size outside the limits");
    } else {
        require(!picture.error.isEmpty(), "picture refused without a reason for the player");
    }
    return 0;
}

} // namespace fuzz
