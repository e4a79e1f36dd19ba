// The preview box of the Picture Setup dialog.
#include "ui/picture_setup_preview.h"

#include <QPainter>
#include <cmath>

PreviewBox::PreviewBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderPixels);
    const QSize device = devicePictureSize();
    m_image = QImage(device, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(qreal(device.width()) / Side);
    m_image.fill(palette().color(QPalette::Button));
    m_screen = m_image;
}

QSize PreviewBox::devicePictureSize() const
{
    const int side = static_cast<int>(std::lround(Side * devicePixelRatioF()));
    return QSize(side, side);
}

template<typename Draw>
void PreviewBox::draw(Draw &&paint)
{
    QImage &target = m_autoRedraw ? m_image : m_screen;
    {
        QPainter painter(&target);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        paint(painter);
    }
    if (m_autoRedraw)
        m_screen = m_image;
    update();
}

void PreviewBox::paintPicture(const QImage &picture)
{
    draw([&picture](QPainter &p) { p.drawImage(QRect(0, 0, Side, Side), picture); });
}

void PreviewBox::drawLine(QPoint from, QPoint to)
{
    draw([from, to](QPainter &p) {
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(from, to);
    });
}

void PreviewBox::Refresh()
{
    m_screen = m_image;
    update();
}

void PreviewBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_screen);
}
