// AboutMusicFrm: "The Music" window, crediting the tune and pointing to its composer's page.
#pragma once

#include <QDialog>
#include <QImage>

// The address shown in the window's text box.
inline const QString MusicPageAddress = QStringLiteral("https://orvane.works/music");

class AboutMusicFrm : public QDialog
{
    Q_OBJECT
public:
    // Application-modal; made afresh for every opening.
    explicit AboutMusicFrm(QWidget *parent = nullptr);

private:
    void Command1_Click();
};

// The window's picture: two beamed notes over a fallen autumn leaf.
QImage drawMusicPicture(int side, qreal devicePixelRatio = 1.0);
