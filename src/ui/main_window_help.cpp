// Form1's Help menu: the help window and the two About windows.
#include "ui/main_window.h"

#include "core/platform/help_viewer.h"
#include "ui/about.h"
#include "ui/about_music.h"

void Form1::HelpMe_Click()
{
    m_session.platform().help.showContentsAndIndex(m_session.platform().helpFile());
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
