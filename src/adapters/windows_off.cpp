// Switching windows, menu entries and lists off while something else has the player's attention.
#include "adapters/windows_off.h"

#include <QApplication>
#include <QEvent>

WindowsSwitchedOff::WindowsSwitchedOff()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (QAction *action : window->findChildren<QAction *>()) {
            if (action->isEnabled()) {
                m_actions << action;
                action->setEnabled(false);
            }
        }
        if (window->isEnabled()) {
            m_windows << window;
            window->setEnabled(false);
        }
    }
}

WindowsSwitchedOff::~WindowsSwitchedOff()
{
    for (const QPointer<QWidget> &window : std::as_const(m_windows)) {
        if (window)
            window->setEnabled(true);
    }
    for (const QPointer<QAction> &action : std::as_const(m_actions)) {
        if (action)
            action->setEnabled(true);
    }
}

namespace {
class SelectionGate : public QObject
{
public:
    explicit SelectionGate(QAbstractItemView *list)
        : QObject(list)
        , m_list(list)
        , m_mode(list->selectionMode())
    {
        list->installEventFilter(this);
        apply();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::EnabledChange)
            apply();
        return false;
    }

private:
    void apply()
    {
        m_list->setSelectionMode(m_list->isEnabled() ? m_mode : QAbstractItemView::NoSelection);
    }

    QAbstractItemView *m_list;
    QAbstractItemView::SelectionMode m_mode;
};
} // namespace

void selectOnlyWhenEnabled(QAbstractItemView *list)
{
    new SelectionGate(list);
}
