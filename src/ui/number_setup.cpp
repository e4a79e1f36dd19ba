// The Number Setup dialog.
#include "ui/number_setup.h"

#include "core/session/game_session.h"
#include "ui/window_placement.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

Setupfrm2::Setupfrm2(GameSession &session, QWidget *parent)
    : QDialog(parent, DialogFlags)
    , m_session(session)
{
    setObjectName(QStringLiteral("Setupfrm2"));
    //: The dialog that sets up a numbers game; it has a fixed size and little room
    setWindowTitle(tr("Number Setup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(twipsToPixels(2445), twipsToPixels(3180));
    centreOnFirstShow(*this);

    //: A group of options 3x3 .. 7x7; little room
    auto *frame = new QGroupBox(tr("Board Size"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    placeInTwips(*frame, 600, 120, 1215, 2295);
    for (int i = 0; i < 5; ++i) {
        //: An option of board size: 3x3 .. 7x7
        m_options[i] = new QRadioButton(tr("%1x%1").arg(i + SmallestBoard), frame);
        m_options[i]->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        placeInTwips(*m_options[i], 240, 360 + 360 * i, 735, 375);
    }
    m_options[1]->setChecked(true);

    //: Button; little room
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    placeInTwips(*ok, 120, 2640, 975, 375);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &Setupfrm2::Command1_Click);
    //: Button; little room
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    placeInTwips(*cancel, 1320, 2640, 975, 375);
    connect(cancel, &QPushButton::clicked, this, &Setupfrm2::Command2_Click);

    // A translation longer than the buttons were drawn for (German "Abbrechen") widens them and
    // the window alike, the size options staying in the middle; the English texts fit as drawn.
    constexpr int Padding = 8; // on each side of a button's text
    const auto textWidth = [](const QPushButton *b) {
        return b->fontMetrics().horizontalAdvance(b->text()) + 2 * Padding;
    };
    if (const int lack = std::max(textWidth(ok), textWidth(cancel)) - ok->width(); lack > 0) {
        ok->resize(ok->width() + lack, ok->height());
        cancel->setGeometry(cancel->x() + lack, cancel->y(), cancel->width() + lack,
                            cancel->height());
        frame->move(frame->x() + lack, frame->y());
        setFixedSize(width() + 2 * lack, height());
    }
}

void Setupfrm2::Command1_Click()
{
    int size = SmallestBoard;
    while (size < LargestBoard && !m_options[size - SmallestBoard]->isChecked())
        ++size;
    m_session.startGame(GameSetup::numbers(size));
    accept();
}

void Setupfrm2::Command2_Click()
{
    reject();
}
