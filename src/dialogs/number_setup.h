// Setupfrm2, the Number Setup dialog: the size of a numbers board.
#pragma once

#include <QDialog>

class Form1;
class QRadioButton;

class Setupfrm2 : public QDialog {
    Q_OBJECT
public:
    // Non-modal and deleted when it closes, so every opening starts at "4x4".
    explicit Setupfrm2(Form1 &mainWindow);

    void Command1_Click();  // "OK"
    void Command2_Click();  // "Cancel"

private:
    Form1 &m_main;
    QRadioButton *m_options[5] = {};
};
