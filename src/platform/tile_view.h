// What the game rules may do to a cell view on the board.
#pragma once

#include "platform/picture.h"

enum class SpecialEffect { Flat, Raised, Sunken };  // a tile is raised, the empty cell sunken
enum class BorderStyle { None, SingleLine };
enum class PictureAlignment { TopLeft, Centred };
enum class PictureSizeMode { Clip, Stretch };         // shown at its own size, or scaled to the view

class TileView {
public:
    virtual ~TileView() = default;
    virtual void setPicture(const Picture &picture) = 0;
    virtual Picture picture() const = 0;
    virtual void setSpecialEffect(SpecialEffect effect) = 0;
    virtual SpecialEffect specialEffect() const = 0;
    virtual void setBorderStyle(BorderStyle style) = 0;
    virtual BorderStyle borderStyle() const = 0;
    virtual void setPictureAlignment(PictureAlignment alignment) = 0;
    virtual PictureAlignment pictureAlignment() const = 0;
    virtual void setPictureSizeMode(PictureSizeMode mode) = 0;
    virtual PictureSizeMode pictureSizeMode() const = 0;
};
