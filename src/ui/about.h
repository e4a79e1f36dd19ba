// frmAbout: the About window with the program's title, version, credits and notices.
#pragma once

#include <QDialog>

class QLabel;

class frmAbout : public QDialog
{
    Q_OBJECT
public:
    // Application-modal; made afresh for every opening.
    explicit frmAbout(QWidget *parent = nullptr);

private:
    void Form_Load();
    void layOut(QWidget *image, QWidget *credit, QWidget *notices, QWidget *ok);
    void cmdOK_Click();

    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblVersion = nullptr;
};

// Sizes a window to its contents and puts it in the middle of its screen.
void fitAndCentre(QWidget &window);
