// The Picture Box window.
#include "ui/picture_box.h"

#include "ui/cell_view.h"
#include "ui/window_placement.h"

#include <QMenuBar>

QPoint pictureBoxPosition(QPoint mainTopLeft, int mainOuterWidth)
{
    return QPoint(mainTopLeft.x() + mainOuterWidth + 100, mainTopLeft.y());
}

Form2::Form2(QWidget *mainWindow)
    : QMainWindow(mainWindow, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    //: The window with the goal picture of a picture game
    setWindowTitle(tr("Picture Box"));
    setAttribute(Qt::WA_DeleteOnClose);

    //: The Picture Box's only menu; & marks the mnemonic letter
    QMenu *size = menuBar()->addMenu(tr("&Size"));
    size->setObjectName(QStringLiteral("Size"));
    const struct
    {
        const char *name;
        const char *caption;
        void (Form2::*handler)();
    } entries[] = {//: Size menu of the Picture Box: the picture's size
                   {"SmallSize", QT_TR_NOOP("Small"), &Form2::SmallSize_Click},
                   {"MediumSize", QT_TR_NOOP("Medium"), &Form2::MediumSize_Click},
                   {"LargeSize", QT_TR_NOOP("Large"), &Form2::LargeSize_Click}};
    for (const auto &entry : entries) {
        QAction *action = size->addAction(tr(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        connect(action, &QAction::triggered, this, entry.handler);
    }

    m_image1 = new CellView(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setBorderStyle(BorderStyle::None);
    m_image1->setSpecialEffect(SpecialEffect::Sunken);
    m_image1->setPictureSizeMode(PictureSizeMode::Stretch);
    setCentralWidget(m_image1);
    Form_Load(mainWindow);
}

void Form2::Form_Load(QWidget *mainWindow)
{
    if (mainWindow) {
        const QRect outer = mainWindow->frameGeometry();
        const QPoint twips =
            pictureBoxPosition(outer.topLeft() * TwipsPerPixel, outer.width() * TwipsPerPixel);
        move(twipsToPixels(twips.x()), twipsToPixels(twips.y()));
    }
    SmallSize_Click();
}

void Form2::setPicture(const QImage &picture)
{
    //: What a screen reader says for the picture in the Picture Box
    m_image1->setPicture(Picture{picture, tr("Goal picture")});
}

void Form2::SmallSize_Click()
{
    applySize(SmallPictureBox);
}
void Form2::MediumSize_Click()
{
    applySize(MediumPictureBox);
}
void Form2::LargeSize_Click()
{
    applySize(LargePictureBox);
}

// The image fills the client area under the menu bar; the frame allowance is the platform's.
void Form2::applySize(const PictureBoxSize &size)
{
    m_outerTwips = QSize(size.windowWidth, size.windowHeight);
    const int side = twipsToPixels(size.imageSide);
    m_image1->setFixedSize(side, side);
    setFixedSize(side, side + menuBar()->sizeHint().height());
}
