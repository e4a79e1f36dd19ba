// Form2, the Picture Box: the whole goal picture beside the main window, in three sizes.
#pragma once

#include <QMainWindow>
#include <QPoint>

class CellView;

// Outer sizes in twips: the image side plus 135 wide and plus 690 high.
struct PictureBoxSize
{
    int windowWidth;
    int windowHeight;
    int imageSide;
};
inline constexpr PictureBoxSize SmallPictureBox{2430, 2985, 2295};
inline constexpr PictureBoxSize MediumPictureBox{3430, 3985, 3295};
inline constexpr PictureBoxSize LargePictureBox{4430, 4985, 4295};

// Top-left of the Picture Box: 100 twips right of the main window, top edges level.
QPoint pictureBoxPosition(QPoint mainTopLeft, int mainOuterWidth);

class Form2 : public QMainWindow
{
    Q_OBJECT
public:
    // Loading places the window beside `mainWindow` at the small size.
    explicit Form2(QWidget *mainWindow);

    void setPicture(const QImage &picture);
    CellView *Image1() const { return m_image1; }
    // The outer size in twips as the Size menu last set it.
    QSize outerSizeTwips() const { return m_outerTwips; }

    void SmallSize_Click();
    void MediumSize_Click();
    void LargeSize_Click();

private:
    void Form_Load(QWidget *mainWindow);
    void applySize(const PictureBoxSize &size);

    CellView *m_image1 = nullptr;
    QSize m_outerTwips;
};
