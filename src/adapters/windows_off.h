// Windows, menu entries and lists switched off: nothing acts on them, whoever presses.
#pragma once

#include <QAbstractItemView>
#include <QAction>
#include <QList>
#include <QPointer>
#include <QWidget>

// Modality stops the mouse and the keyboard, but not a screen reader or test tool pressing a button
// or a menu entry. A window that acted, or was deleted, from inside the loop would pull the ground
// from under the code waiting for the loop to end, so nothing acts until this is gone.
class WindowsSwitchedOff
{
public:
    WindowsSwitchedOff();
    ~WindowsSwitchedOff();
    WindowsSwitchedOff(const WindowsSwitchedOff &) = delete;
    WindowsSwitchedOff &operator=(const WindowsSwitchedOff &) = delete;

private:
    QList<QPointer<QWidget>> m_windows;
    QList<QPointer<QAction>> m_actions;
};

// A list that is switched off takes no selection. The mouse never reaches it, but an assistive tool
// selects entries all the same, and the list would act on them.
void selectOnlyWhenEnabled(QAbstractItemView *list);
