// The Picture Setup dialog's choices: size and picture options, the grid, "Setup board", "Cancel".
#include "dialogs/picture_setup.h"

#include "board/main_window.h"
#include "dialogs/picture_setup_preview.h"
#include "dialogs/picture_setup_stock.h"
#include "platform/message_boxes.h"

#include <QRadioButton>

namespace {
// The preview box's outer size in twips, which the grid lines use as their far end in pixels;
// whatever runs past the drawing area is cut off.
constexpr int PreviewOuterTwips = 3855;
} // namespace

void SetUpFrm::Option1_Click() { GridCells = 3; }
void SetUpFrm::Option2_Click() { GridCells = 4; }
void SetUpFrm::Option3_Click() { GridCells = 5; }
void SetUpFrm::Option4_Click() { GridCells = 6; }
void SetUpFrm::Option5_Click() { GridCells = 7; }

void SetUpFrm::Option6_Click() { stockOption_Click(); }
void SetUpFrm::Option7_Click() { stockOption_Click(); }
void SetUpFrm::Option8_Click() { stockOption_Click(); }
void SetUpFrm::Option9_Click() { stockOption_Click(); }
void SetUpFrm::Option10_Click() { stockOption_Click(); }
void SetUpFrm::Option12_Click() { stockOption_Click(); }

void SetUpFrm::stockOption_Click()
{
    if (!ShowStockPicture()) {
        // The preview still shows the earlier choice; the options must say so, or "Setup board"
        // would file that picture under the wrong name.
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
    for (int i = 0; i < 6; ++i) {
        if (!m_stockOptions[i]->isChecked())
            continue;
        const StockPicture &stock = StockPictures[i];
        const QString file = QString::fromLatin1(stock.file);
        if (!showPictureFile(m_main.platform().file(file), file))
            return false;
        m_main.setPanelText(2, QString::fromLatin1(stock.caption));
        return true;
    }
    return true;
}

void SetUpFrm::CopyPreviewToClip()
{
    m_main.picClipFrm().PicClip1 = m_picture1->Image();
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

void SetUpFrm::Command1_Click()
{
    CopyPreviewToClip();
    const float ratio = float(PreviewSourceWidth) / float(PreviewSourceHeight);
    if (ratio != 1.0f) {
        m_main.platform().messages.show(NotSquareMessage);
        return;
    }
    void (Form1::*const sizes[5])() = {&Form1::ThreebyThree_Click, &Form1::FourbyFour_Click,
                                       &Form1::FiveByFive_Click, &Form1::SixbySix_Click,
                                       &Form1::SevenBySeven_Click};
    for (int i = 0; i < 5; ++i) {
        if (m_sizeOptions[i]->isChecked()) {
            (m_main.*sizes[i])();
            break;
        }
    }
    qint32 skill = SkillCustom;
    for (int i = 0; i < 6; ++i) {
        if (m_stockOptions[i]->isChecked()) {
            skill = StockPictures[i].skillLevel;
            break;
        }
    }
    m_main.game().SkillLevel = skill;
    close();
}

void SetUpFrm::Command2_Click()
{
    close();
}
