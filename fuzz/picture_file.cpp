// Fuzz target: a player's picture file, header check and decode at the preview's size.
#include "entry_points.h"

#include "core/files/picture_file.h"

namespace fuzz {

int pictureFile(const uint8_t *data, size_t size)
{
    const QSize shown(253, 253);
    const PictureFile picture = loadPictureFile(scratchFile(QStringLiteral("picture"), view(data, size)), shown);
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
