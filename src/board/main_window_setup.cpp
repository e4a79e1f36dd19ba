// Form1's Game menu: the set-up dialogs and the one call that changes the game in play.
#include "board/main_window.h"

#include "dialogs/number_setup.h"
#include "dialogs/picture_setup.h"

#include <algorithm>

void Form1::startGame(const GameSetup &setup)
{
    m_game.Setup = setup;
    setUpBoard(setup.size);
    setPanelText(StatusPanel::PictureName, setup.shownName);
    // An open Picture Box must not go on showing the picture of the game before.
    if (m_form2) {
        if (setup.picturesGame())
            m_form2->setPicture(setup.goalPicture);
        else
            m_form2->close();
    }
    showGameInPlay();
}

void Form1::showPictureName(const QString &name)
{
    setPanelText(StatusPanel::PictureName, name);
}

// A dialog already open is brought forward; a closed one is made afresh.
template <typename Dialog> void Form1::openSetupDialog()
{
    QDialog *dialog = nullptr;
    for (const QPointer<QDialog> &open : std::as_const(m_openSetups)) {
        if (qobject_cast<Dialog *>(open.data()) && open->isVisible())
            dialog = open;
    }
    if (dialog) {
        m_openSetups.removeAll(dialog);
        dialog->raise();
        dialog->activateWindow();
    } else {
        dialog = new Dialog(*this);
        connect(dialog, &QDialog::finished, this, &Form1::showGameInPlay);
        dialog->show();
    }
    m_openSetups.append(dialog);
    showGameInPlay();
}

// The Game menu marks the set-up dialog in use, the latest one when both are open, and otherwise
// the game in play; the picture name is the previewed one only while Picture Setup is open.
void Form1::showGameInPlay()
{
    m_openSetups.removeIf([](const QPointer<QDialog> &dialog) { return !dialog || !dialog->isVisible(); });
    const bool numbers = m_openSetups.isEmpty() ? numbersGame() : qobject_cast<Setupfrm2 *>(m_openSetups.last()) != nullptr;
    setChecked(QStringLiteral("Numbers"), numbers);
    setChecked(QStringLiteral("Pictures"), !numbers);
    const bool previewing = std::any_of(m_openSetups.cbegin(), m_openSetups.cend(),
                                        [](const QPointer<QDialog> &dialog) { return qobject_cast<SetUpFrm *>(dialog); });
    if (!previewing)
        setPanelText(StatusPanel::PictureName, m_game.Setup.shownName);
}

void Form1::Numbers_Click()
{
    openSetupDialog<Setupfrm2>();
}

void Form1::Pictures_Click()
{
    openSetupDialog<SetUpFrm>();
}
