// Form1's Game menu: opening the Number Setup and Picture Setup dialogs.
#include "board/main_window.h"

#include "dialogs/number_setup.h"
#include "dialogs/picture_setup.h"

namespace {
// A dialog already open is brought forward; a closed one is made afresh.
template <typename Dialog> void openDialog(Form1 &mainWindow)
{
    for (Dialog *open : mainWindow.findChildren<Dialog *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (open->isVisible()) {
            open->raise();
            open->activateWindow();
            return;
        }
    }
    (new Dialog(mainWindow))->show();
}
} // namespace

void Form1::Numbers_Click()
{
    if (!isChecked(QStringLiteral("Numbers"))) {
        setChecked(QStringLiteral("Numbers"), true);
        setChecked(QStringLiteral("Pictures"), false);
    }
    openDialog<Setupfrm2>(*this);
}

void Form1::Pictures_Click()
{
    if (!isChecked(QStringLiteral("Pictures"))) {
        setChecked(QStringLiteral("Pictures"), true);
        setChecked(QStringLiteral("Numbers"), false);
    }
    openDialog<SetUpFrm>(*this);
}
