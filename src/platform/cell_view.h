// The on-screen cell of the board: a picture inside a single-line, flat, raised or sunken border.
#pragma once

#include "platform/tile_view.h"

#include <QWidget>

class CellView : public QWidget, public TileView {
    Q_OBJECT
public:
    explicit CellView(QWidget *parent = nullptr);

    void setPicture(const Picture &picture) override;
    Picture picture() const override { return m_picture; }
    void setSpecialEffect(int effect) override;
    int specialEffect() const override { return m_effect; }
    void setBorderStyle(int style) override;
    int borderStyle() const override { return m_borderStyle; }
    void setPictureAlignment(int alignment) override;
    int pictureAlignment() const override { return m_alignment; }
    void setPictureSizeMode(int mode) override;
    int pictureSizeMode() const override { return m_sizeMode; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Picture m_picture;
    int m_effect = EffectFlat;
    int m_borderStyle = 1;
    int m_alignment = 2;
    int m_sizeMode = SizeModeClip;
    bool m_pressed = false;
};
