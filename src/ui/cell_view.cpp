// Painting and clicking of a board cell.
#include "ui/cell_view.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {
// A screen reader or test tool presses a cell as it presses a button; a switched-off board ignores
// it as it ignores the mouse.
class CellAccessible : public QAccessibleWidget
{
public:
    explicit CellAccessible(CellView *cell) : QAccessibleWidget(cell, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            emit static_cast<CellView *>(widget())->clicked();
    }
};

QAccessibleInterface *cellAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("CellView") && object && object->isWidgetType())
        return new CellAccessible(static_cast<CellView *>(object));
    return nullptr;
}
} // namespace

CellView::CellView(QWidget *parent) : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(cellAccessible), true);
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CellView::setPicture(const Picture &picture)
{
    // The board is redrawn whole after every click; only the cells that changed repaint.
    if (picture.image.cacheKey() == m_picture.image.cacheKey() && picture.name == m_picture.name)
        return;
    m_picture = picture;
    setAccessibleName(picture.isNull() ? QString() : picture.name);
    update();
}

void CellView::setSpecialEffect(SpecialEffect effect)
{
    if (effect == m_effect)
        return;
    m_effect = effect;
    update();
}

void CellView::setBorderStyle(BorderStyle style)
{
    m_borderStyle = style;
    update();
}

void CellView::setPictureAlignment(PictureAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void CellView::setPictureSizeMode(PictureSizeMode mode)
{
    if (mode == m_sizeMode)
        return;
    m_sizeMode = mode;
    update();
}

void CellView::setHinted(bool hinted)
{
    if (hinted == m_hinted)
        return;
    m_hinted = hinted;
    update();
}

void CellView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    if (!m_picture.isNull()) {
        if (m_sizeMode == PictureSizeMode::Stretch) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRectF(r), m_picture.image);
        } else {
            // Shown at its own size, centred; whatever does not fit is cut off.
            const QSizeF own = m_picture.image.deviceIndependentSize();
            const QPointF topLeft((r.width() - own.width()) / 2.0,
                                  (r.height() - own.height()) / 2.0);
            p.drawImage(QRectF(topLeft, own), m_picture.image);
        }
    }

    if (m_hinted)
        p.fillRect(r, QColor(255, 255, 255, 90));
    const QRect inner = m_borderStyle == BorderStyle::SingleLine ? r.adjusted(1, 1, -1, -1) : r;
    if (m_effect == SpecialEffect::Raised || m_effect == SpecialEffect::Sunken || m_hinted)
        drawBevel(p, inner, m_effect != SpecialEffect::Sunken || m_hinted, m_hinted ? 3 : 1);
    if (m_borderStyle == BorderStyle::SingleLine) {
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void CellView::drawBevel(QPainter &p, QRect inner, bool raised, int depth)
{
    const QColor light(255, 255, 255, 200), dark(0, 0, 0, 110);
    for (int i = 0; i < depth; ++i, inner.adjust(1, 1, -1, -1)) {
        p.setPen(raised ? light : dark);
        p.drawLine(inner.topLeft(), inner.topRight());
        p.drawLine(inner.topLeft(), inner.bottomLeft());
        p.setPen(raised ? dark : light);
        p.drawLine(inner.bottomLeft(), inner.bottomRight());
        p.drawLine(inner.topRight(), inner.bottomRight());
    }
}

void CellView::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

// A click counts when the button comes up over the same cell, as with any button.
void CellView::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint()))
        emit clicked();
}
