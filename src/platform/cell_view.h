// The on-screen cell of the board: a picture inside a single-line, flat, raised or sunken border.
#pragma once

#include "platform/tile_view.h"

#include <QWidget>

class QPainter;

class CellView : public QWidget, public TileView {
    Q_OBJECT
public:
    explicit CellView(QWidget *parent = nullptr);

    void setPicture(const Picture &picture) override;
    Picture picture() const override { return m_picture; }
    void setSpecialEffect(SpecialEffect effect) override;
    SpecialEffect specialEffect() const override { return m_effect; }
    void setBorderStyle(BorderStyle style) override;
    BorderStyle borderStyle() const override { return m_borderStyle; }
    void setPictureAlignment(PictureAlignment alignment) override;
    PictureAlignment pictureAlignment() const override { return m_alignment; }
    void setPictureSizeMode(PictureSizeMode mode) override;
    PictureSizeMode pictureSizeMode() const override { return m_sizeMode; }
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
