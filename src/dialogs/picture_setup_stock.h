// The stock pictures of the Picture Setup dialog and where their options sit, in twips.
#pragma once

#include <QtGlobal>

struct StockPicture {
    const char *option;   // widget name
    const char *caption;  // also the status-bar text
    const char *file;     // in the program's folder
    qint32 skillLevel;    // score category
    int top;
    int width;
};

// In the order the options are tested: Leaf, Rose, Flower, Door, Mountain, Cow.
inline constexpr StockPicture StockPictures[6] = {
    {"Option6", "Leaf", "Leaf.gif", 1, 360, 975},
    {"Option7", "Rose", "rose.jpg", 2, 600, 1095},
    {"Option8", "Flower", "flower.jpg", 3, 840, 1095},
    {"Option9", "Door", "door.jpg", 4, 1080, 1215},
    {"Option10", "Mountain", "mountain.jpg", 5, 1320, 1215},
    {"Option12", "Cow", "cow.jpg", 6, 1560, 1215},
};

// A board set up on a picture of the player's own belongs to no score list.
inline constexpr qint32 SkillCustom = 0;

inline const QString NotSquareMessage = QStringLiteral(
    "The picture your atttempting to use is not scquare (e.g, 300x300 pixels). Resize the image and retry)");
