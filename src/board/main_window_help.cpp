// Form1's Help menu: the help window and the two About windows.
#include "board/main_window.h"

#include "app/about.h"
#include "app/about_music.h"
#include "platform/help_viewer.h"

void Form1::HelpMe_Click()
{
    m_platform.help.showContentsAndIndex(m_platform.file(QStringLiteral("tessaryhelp.html")));
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
