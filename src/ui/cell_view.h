// The on-screen cell of the board: a picture inside a single-line, flat, raised or sunken border.
#pragma once

#include "core/platform/picture.h"

#include <QWidget>

class QPainter;

enum class SpecialEffect { Flat, Raised, Sunken }; // a tile is raised, the empty cell sunken
enum class BorderStyle { None, SingleLine };
enum class PictureAlignment { TopLeft, Centred };
enum class PictureSizeMode { Clip, Stretch }; // shown at its own size, or scaled to the view

class CellView : public QWidget
{
    Q_OBJECT
public:
    explicit CellView(QWidget *parent = nullptr);

    void setPicture(const Picture &picture);
    Picture picture() const { return m_picture; }
    void setSpecialEffect(SpecialEffect effect);
    SpecialEffect specialEffect() const { return m_effect; }
    void setBorderStyle(BorderStyle style);
    BorderStyle borderStyle() const { return m_borderStyle; }
    void setPictureAlignment(PictureAlignment alignment);
    PictureAlignment pictureAlignment() const { return m_alignment; }
    void setPictureSizeMode(PictureSizeMode mode);
    PictureSizeMode pictureSizeMode() const { return m_sizeMode; }
    // A hinted tile stands out from the other raised tiles: brighter, with a deeper border.
    void setHinted(bool hinted);
    bool isHinted() const { return m_hinted; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    static void drawBevel(QPainter &p, QRect inner, bool raised, int depth);

    Picture m_picture;
    SpecialEffect m_effect = SpecialEffect::Flat;
    BorderStyle m_borderStyle = BorderStyle::SingleLine;
    PictureAlignment m_alignment = PictureAlignment::Centred;
    PictureSizeMode m_sizeMode = PictureSizeMode::Clip;
    bool m_pressed = false;
    bool m_hinted = false;
};
