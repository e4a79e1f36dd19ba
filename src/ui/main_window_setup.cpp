// Form1's Game menu: the set-up dialogs, which hand the session the game they set up.
#include "ui/main_window.h"

#include "ui/number_setup.h"
#include "ui/picture_setup.h"

#include <algorithm>

void Form1::showPictureName(const QString &name)
{
    setPanelText(StatusPanel::PictureName, shownNameText(name));
}

// A dialog already open is brought forward; a closed one is made afresh.
template<typename Dialog>
void Form1::openSetupDialog()
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
        auto *made = new Dialog(m_session, this);
        connect(made, &QDialog::finished, this, &Form1::showGameInPlay);
        if constexpr (std::is_same_v<Dialog, SetUpFrm>) {
            connect(made, &SetUpFrm::pictureShown, this, &Form1::showPictureName);
            // The dialog named its first picture before anyone listened.
            if (!made->shownName().isEmpty())
                showPictureName(made->shownName());
        }
        made->show();
        dialog = made;
    }
    m_openSetups.append(dialog);
    showGameInPlay();
}

// The Game menu marks the set-up dialog in use, the latest one when both are open, and otherwise
// the game in play; the picture name is the previewed one only while Picture Setup is open.
void Form1::showGameInPlay()
{
    m_openSetups.removeIf(
        [](const QPointer<QDialog> &dialog) { return !dialog || !dialog->isVisible(); });
    const bool numbers = m_openSetups.isEmpty()
                             ? !m_session.setup().picturesGame()
                             : qobject_cast<Setupfrm2 *>(m_openSetups.last()) != nullptr;
    setChecked(QStringLiteral("Numbers"), numbers);
    setChecked(QStringLiteral("Pictures"), !numbers);
    const bool previewing = std::any_of(
        m_openSetups.cbegin(), m_openSetups.cend(),
        [](const QPointer<QDialog> &dialog) { return qobject_cast<SetUpFrm *>(dialog); });
    if (!previewing)
        showPictureName(m_session.setup().shownName);
}

void Form1::Numbers_Click()
{
    openSetupDialog<Setupfrm2>();
}

void Form1::Pictures_Click()
{
    openSetupDialog<SetUpFrm>();
}
