// The Picture Setup preview: a sunken box whose 253 x 253 drawing area keeps a persistent image.
#pragma once

#include "core/board/game_setup.h"

#include <QFrame>
#include <QImage>

class PreviewBox : public QFrame
{
    Q_OBJECT
public:
    static constexpr int Side = GoalPictureSide; // the drawing area, logical pixels
    static constexpr int BorderPixels = 2;

    explicit PreviewBox(QWidget *parent = nullptr);

    // While on, drawing goes into the persistent image as well as onto the screen; while off, onto
    // the screen only, and the next Refresh wipes it.
    void setAutoRedraw(bool on) { m_autoRedraw = on; }
    // Paints `picture` stretched over the whole drawing area.
    void paintPicture(const QImage &picture);
    // A black line one pixel wide, in drawing-area pixels; what falls outside the area is cut off.
    void drawLine(QPoint from, QPoint to);
    // The screen shows the persistent image again.
    void Refresh();
    // The persistent image, Side x Side logical pixels at the screen's density.
    QImage Image() const { return m_image; }
    // What the drawing area shows on screen now.
    QImage screenImage() const { return m_screen; }
    // Device pixels a picture must have to fill the drawing area sharply.
    QSize devicePictureSize() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    template<typename Draw>
    void draw(Draw &&paint);

    QImage m_image;
    QImage m_screen;
    bool m_autoRedraw = true;
};
