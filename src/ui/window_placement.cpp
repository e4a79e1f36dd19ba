// Placing windows and controls.
#include "ui/window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

void placeInTwips(QWidget &widget, int left, int top, int width, int height)
{
    widget.setGeometry(twipsRect(left, top, width, height));
}

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

namespace {
// Waits for the window's first Show, centres it, and goes away.
class CentreOnFirstShow : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            centreOnScreen(*static_cast<QWidget *>(watched));
            deleteLater();
            watched->removeEventFilter(this);
        }
        return false;
    }
};
} // namespace

void centreOnFirstShow(QWidget &window)
{
    window.installEventFilter(new CentreOnFirstShow(&window));
}
