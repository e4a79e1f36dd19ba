// A plain "OK" message box over the active window, captioned with the program's title.
#include "platform/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageBoxes::show(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tessary"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
