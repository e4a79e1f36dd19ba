// Form1's start-up load, the preference toggles and the looping music.
#include "board/main_window.h"

#include "platform/music_device.h"
#include "platform/settings_store.h"

#include <QStatusBar>

namespace {
const QString Application = QStringLiteral("Orvane.Works");
const QString Section = QStringLiteral("Tessary");
const QString TrueText = QStringLiteral("True");
const QString FalseText = QStringLiteral("False");
} // namespace

void Form1::Form_Load()
{
    // Only a stored "False" hides the bar; anything else counts as the default, shown.
    if (m_platform.settings.read(Application, Section, QStringLiteral("statusbar"), TrueText) == FalseText)
        BarOff_Click();
    LastPictureFolder = m_platform.programFolder;
    LastPictureDrive = m_platform.programFolder;
    const QString sound = m_platform.settings.read(Application, Section, QStringLiteral("Sound"), TrueText);
    // A value other than "False" (hand-edited or garbage) counts as the default True.
    const bool music = m_platform.settings.read(Application, Section, QStringLiteral("Music"), TrueText) != FalseText;
    if (sound != FalseText)
        setChecked(QStringLiteral("SoundOn"), true);
    else
        setChecked(QStringLiteral("SoundOff"), true);
    if (music)
        setChecked(QStringLiteral("MusicOn"), true);
    else
        setChecked(QStringLiteral("MusicOff"), true);

    if (ScoreFileExists())
        LoadScores();
    else
        CreateScoreFile();
}

void Form1::startMusic()
{
    m_platform.music.setFileName(m_platform.file(QStringLiteral("fallmorn.mid")));
    m_platform.music.setStatusUpdate([this] { MMControl1_StatusUpdate(); });
    m_platform.music.command(QStringLiteral("open"));
    if (isChecked(QStringLiteral("MusicOn")))
        m_platform.music.command(QStringLiteral("play"));
}

void Form1::MMControl1_StatusUpdate()
{
    const qint32 position = m_platform.music.position();
    const qint32 length = m_platform.music.length();
    // A length of 0 means the device does not know it yet (or has no piece): nothing to loop.
    if (length > 0 && position >= length) {
        m_platform.music.command(QStringLiteral("next"));
        // Switched off just as the piece ended: rewind, but do not start it against the player's choice.
        if (isChecked(QStringLiteral("MusicOn")))
            m_platform.music.command(QStringLiteral("play"));
    }
}

void Form1::MusicOn_Click()
{
    if (isChecked(QStringLiteral("MusicOn")))
        return;
    setChecked(QStringLiteral("MusicOn"), true);
    setChecked(QStringLiteral("MusicOff"), false);
    m_platform.music.command(QStringLiteral("play"));
    m_platform.settings.write(Application, Section, QStringLiteral("Music"), TrueText);
}

void Form1::MusicOff_Click()
{
    if (isChecked(QStringLiteral("MusicOff")))
        return;
    setChecked(QStringLiteral("MusicOff"), true);
    setChecked(QStringLiteral("MusicOn"), false);
    m_platform.music.command(QStringLiteral("stop"));
    m_platform.settings.write(Application, Section, QStringLiteral("Music"), FalseText);
}

void Form1::SoundOn_Click()
{
    if (isChecked(QStringLiteral("SoundOn")))
        return;
    setChecked(QStringLiteral("SoundOn"), true);
    setChecked(QStringLiteral("SoundOff"), false);
    m_platform.settings.write(Application, Section, QStringLiteral("Sound"), TrueText);
}

void Form1::SoundOff_Click()
{
    if (isChecked(QStringLiteral("SoundOff")))
        return;
    setChecked(QStringLiteral("SoundOff"), true);
    setChecked(QStringLiteral("SoundOn"), false);
    m_platform.settings.write(Application, Section, QStringLiteral("Sound"), FalseText);
}

void Form1::BarOn_Click()
{
    if (isChecked(QStringLiteral("BarOn")))
        return;
    setChecked(QStringLiteral("BarOn"), true);
    setChecked(QStringLiteral("BarOff"), false);
    m_platform.settings.write(Application, Section, QStringLiteral("StatusBar"), TrueText);
    m_statusBar1->show();
    if (m_outerTwips.isValid())
        setOuterSize(m_outerTwips.width(), m_outerTwips.height() + statusBarHeightTwips());
}

void Form1::BarOff_Click()
{
    if (isChecked(QStringLiteral("BarOff")))
        return;
    setChecked(QStringLiteral("BarOff"), true);
    setChecked(QStringLiteral("BarOn"), false);
    m_platform.settings.write(Application, Section, QStringLiteral("StatusBar"), FalseText);
    m_statusBar1->hide();
    if (m_outerTwips.isValid())
        setOuterSize(m_outerTwips.width(), m_outerTwips.height() - statusBarHeightTwips());
}
