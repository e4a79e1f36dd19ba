// The Picture Setup dialog's choices: size and picture options, the grid, "Setup board", "Cancel".
#include "ui/picture_setup.h"

#include "core/platform/message_boxes.h"
#include "core/session/game_session.h"
#include "ui/picture_setup_preview.h"
#include "ui/picture_setup_stock.h"

#include <QRadioButton>

namespace {
// The preview box's outer size in twips, which the grid lines use as their far end in pixels;
// whatever runs past the drawing area is cut off.
constexpr int PreviewOuterTwips = 3855;
} // namespace

void SetUpFrm::Option1_Click()
{
    GridCells = 3;
}
void SetUpFrm::Option2_Click()
{
    GridCells = 4;
}
void SetUpFrm::Option3_Click()
{
    GridCells = 5;
}
void SetUpFrm::Option4_Click()
{
    GridCells = 6;
}
void SetUpFrm::Option5_Click()
{
    GridCells = 7;
}

void SetUpFrm::Option6_Click()
{
    stockOption_Click();
}
void SetUpFrm::Option7_Click()
{
    stockOption_Click();
}
void SetUpFrm::Option8_Click()
{
    stockOption_Click();
}
void SetUpFrm::Option9_Click()
{
    stockOption_Click();
}
void SetUpFrm::Option10_Click()
{
    stockOption_Click();
}
void SetUpFrm::Option12_Click()
{
    stockOption_Click();
}

void SetUpFrm::stockOption_Click()
{
    if (!ShowStockPicture()) {
        // The preview still shows the earlier choice; the options must say so, or "Setup board"
        // would file that picture under the wrong name.
        const QSignalBlocker block(m_shownChoice);
        m_shownChoice->setChecked(true);
        return;
    }
    for (QRadioButton *option : m_stockOptions) {
        if (option->isChecked())
            m_shownChoice = option;
    }
    setListsEnabled(false);
}

void SetUpFrm::Option11_Click()
{
    m_shownChoice = m_option11;
    setListsEnabled(true);
}

// Paints the selected stock picture and names it in the status bar; false when it cannot be shown.
bool SetUpFrm::ShowStockPicture()
{
    for (int i = 0; i < StockPictureCount; ++i) {
        if (!m_stockOptions[i]->isChecked())
            continue;
        const QString file = QString::fromLatin1(StockPictures[i].file);
        if (!showPictureFile(m_session.platform().file(file), file))
            return false;
        m_previewStock = i;
        m_shownName = QString::fromLatin1(StockPictures[i].caption);
        emit pictureShown(m_shownName);
        return true;
    }
    return true;
}

void SetUpFrm::Command3_Click()
{
    m_picture1->Refresh();
    // The grid reaches the screen only, never the picture that "Setup board" hands on.
    m_picture1->setAutoRedraw(false);
    const int x = PreviewBox::Side / GridCells;
    const int y = PreviewBox::Side / GridCells;
    const int far = PreviewOuterTwips - 1;
    for (int i = 0; i <= GridCells + 1; ++i) {
        m_picture1->drawLine(QPoint(i * x, 0), QPoint(i * x, far));
        m_picture1->drawLine(QPoint(0, i * y), QPoint(far, i * y));
    }
}

void SetUpFrm::Command4_Click()
{
    m_picture1->Refresh();
}

// The game is what the preview shows: a picture refused here never reaches the board, and
// "Custom" with no file chosen yet sets up the stock picture still on show.
void SetUpFrm::Command1_Click()
{
    const float ratio = float(PreviewSourceWidth) / float(PreviewSourceHeight);
    if (ratio != 1.0f) {
        m_session.platform().messages.show(tr(NotSquareMessage));
        return;
    }
    int size = SmallestBoard;
    while (size < LargestBoard && !m_sizeOptions[size - SmallestBoard]->isChecked())
        ++size;
    const QImage goal = m_picture1->Image();
    m_session.startGame(m_previewStock >= 0 ? GameSetup::stockPicture(size, m_previewStock, goal)
                                            : GameSetup::customPicture(size, goal, m_previewFile));
    accept();
}

void SetUpFrm::Command2_Click()
{
    reject();
}
