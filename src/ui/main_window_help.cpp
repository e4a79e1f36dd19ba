// Form1's Help menu: the help window and the two About windows.
#include "ui/main_window.h"

#include "core/platform/help_viewer.h"
#include "ui/about.h"
#include "ui/about_music.h"

#include <QFileInfo>

void Form1::HelpMe_Click()
{
    // The help in the player's language where there is one, the English help otherwise.
    const Platform &platform = m_session.platform();
    QString helpFile = platform.file(QStringLiteral("tessaryhelp.html"));
    const QString translated =
        platform.file(QStringLiteral("tessaryhelp_%1.html").arg(platform.language));
    if (!platform.language.isEmpty() && QFileInfo(translated).isFile())
        helpFile = translated;
    platform.help.showContentsAndIndex(helpFile);
}

void Form1::AboutMe_Click()
{
    frmAbout about(this);
    about.exec();
}

void Form1::AboutMusic_Click()
{
    AboutMusicFrm music(this);
    music.exec();
}
