// The Number Setup dialog.
#include "dialogs/number_setup.h"

#include "board/board_geometry.h"
#include "board/main_window.h"
#include "platform/window_placement.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {
void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}
} // namespace

Setupfrm2::Setupfrm2(Form1 &mainWindow)
    : QDialog(&mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_main(mainWindow)
{
    setObjectName(QStringLiteral("Setupfrm2"));
    setWindowTitle(QStringLiteral("Number Setup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(twipsToPixels(2445), twipsToPixels(3180));

    auto *frame = new QGroupBox(QStringLiteral("Board Size"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    place(frame, 600, 120, 1215, 2295);
    for (int i = 0; i < 5; ++i) {
        m_options[i] = new QRadioButton(QStringLiteral("%1x%1").arg(i + 3), frame);
        m_options[i]->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        place(m_options[i], 240, 360 + 360 * i, 735, 375);
    }
    m_options[1]->setChecked(true);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    place(ok, 120, 2640, 975, 375);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &Setupfrm2::Command1_Click);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    place(cancel, 1320, 2640, 975, 375);
    connect(cancel, &QPushButton::clicked, this, &Setupfrm2::Command2_Click);
}

void Setupfrm2::Command1_Click()
{
    void (Form1::*const sizes[5])() = {&Form1::ThreebyThree_Click, &Form1::FourbyFour_Click,
                                       &Form1::FiveByFive_Click, &Form1::SixbySix_Click,
                                       &Form1::SevenBySeven_Click};
    for (int i = 0; i < 5; ++i) {
        if (m_options[i]->isChecked()) {
            (m_main.*sizes[i])();
            break;
        }
    }
    m_main.setPanelText(2, QStringLiteral("N/A"));
    close();
}

void Setupfrm2::Command2_Click()
{
    close();
}

void Setupfrm2::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (std::exchange(m_centred, true))
        return;
    centreOnScreen(*this);
}
