// Fuzz target: a player's picture file, header check and decode at the preview's size.
#include "entry_points.h"

#include "dialogs/picture_file.h"

#include <QThreadPool>

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
    // Qt converts large pictures on pool threads. Joined here, they are gone before the fuzzer's
    // leak check, whose thread walk in clang 14 can crash on a thread that is winding down.
    QThreadPool::globalInstance()->waitForDone();
    return 0;
}

} // namespace fuzz
