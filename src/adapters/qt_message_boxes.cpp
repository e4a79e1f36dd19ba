// A plain "OK" message box, captioned with the program's title.
#include "adapters/qt_message_boxes.h"

#include "adapters/windows_off.h"

#include <QMessageBox>

// The box belongs to no window, so a window that closes and deletes itself while the box is up
// cannot take the box with it.
void QtMessageBoxes::show(const QString &text)
{
    const WindowsSwitchedOff off;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tessary"), text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool QtMessageBoxes::ask(const QString &text)
{
    const WindowsSwitchedOff off;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tessary"), text,
                    QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}
