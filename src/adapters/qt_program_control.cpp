// Ending the program at once, whatever windows are still open.
#include "adapters/qt_program_control.h"

#include <QApplication>
#include <QWidget>

void QtProgramControl::end()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        w->hide();
    QCoreApplication::quit();
}
