// Where the Picture Setup dialog puts its picture options, in twips, and its one message.
#pragma once

#include <QtGlobal>

struct StockOption
{
    const char *name;
    int top;
    int width;
};

// Leaf, Rose, Flower, Door, Mountain, Cow: the order of the stock pictures.
inline constexpr StockOption StockOptions[6] = {
    {"Option6", 360, 975},   {"Option7", 600, 1095},   {"Option8", 840, 1095},
    {"Option9", 1080, 1215}, {"Option10", 1320, 1215}, {"Option12", 1560, 1215},
};

// The wording is the game's own, spelling and all: players and the help text quote it.
//: A message: the picture chosen is not square. The English keeps the game's own spelling.
inline constexpr char NotSquareMessage[] =
    QT_TRANSLATE_NOOP("SetUpFrm", "The picture your atttempting to use is not scquare (e.g, "
                                  "300x300 pixels). Resize the image and retry)");
