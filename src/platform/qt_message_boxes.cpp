// A plain "OK" message box, captioned with the program's title, over the window that asked.
#include "platform/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

// The box belongs to no window, so a window that closes and deletes itself while the box is up
// cannot take the box with it. Every other window is switched off while it runs: modality stops
// the mouse and keyboard, but not a screen reader or test tool pressing a button, and a window
// deleted from inside this loop would pull the ground from under whoever asked for the message.
void QtMessageBoxes::show(const QString &text)
{
    QList<QPointer<QWidget>> switchedOff;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isEnabled()) {
            switchedOff << window;
            window->setEnabled(false);
        }
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tessary"), text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    for (const QPointer<QWidget> &window : switchedOff) {
        if (window)
            window->setEnabled(true);
    }
}
