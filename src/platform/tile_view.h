// What the game rules may do to a cell view on the board.
#pragma once

#include "platform/picture.h"

// Border effect of a cell view.
enum SpecialEffectValue { EffectFlat = 0, EffectRaised = 1, EffectSunken = 2 };
// How a picture fills the view.
enum PictureSizeModeValue { SizeModeClip = 0, SizeModeStretch = 1 };

class TileView {
public:
    virtual ~TileView() = default;
    virtual void setPicture(const Picture &picture) = 0;
    virtual Picture picture() const = 0;
    virtual void setSpecialEffect(int effect) = 0;     // 0 flat, 1 raised, 2 sunken
    virtual int specialEffect() const = 0;
    virtual void setBorderStyle(int style) = 0;        // 1 single line
    virtual int borderStyle() const = 0;
    virtual void setPictureAlignment(int alignment) = 0; // 2 centred
    virtual int pictureAlignment() const = 0;
    virtual void setPictureSizeMode(int mode) = 0;     // 0 clip, 1 stretch
    virtual int pictureSizeMode() const = 0;
};
