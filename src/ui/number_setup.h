// Setupfrm2, the Number Setup dialog: the size of a numbers board.
#pragma once

#include <QDialog>

class GameSession;
class QRadioButton;

class Setupfrm2 : public QDialog
{
    Q_OBJECT
public:
    // Non-modal and deleted when it closes, so every opening starts at "4x4".
    Setupfrm2(GameSession &session, QWidget *parent);

    void Command1_Click(); // "OK"
    void Command2_Click(); // "Cancel"

private:
    GameSession &m_session;
    QRadioButton *m_options[5] = {};
};
