// Form1's start-up load, the preference toggles and the looping music.
#include "board/main_window.h"

#include "platform/music_device.h"
#include "prefs/preferences.h"

#include <QStatusBar>

void Form1::Form_Load()
{
    if (!preferenceOn(m_platform.settings, Preference::StatusBar))
        BarOff_Click();
    m_lastPictureFolder = m_platform.programFolder;
    const bool sound = preferenceOn(m_platform.settings, Preference::Sound);
    const bool music = preferenceOn(m_platform.settings, Preference::Music);
    // Only the one entry is checked; its partner keeps its unchecked start.
    setChecked(sound ? QStringLiteral("SoundOn") : QStringLiteral("SoundOff"), true);
    setChecked(music ? QStringLiteral("MusicOn") : QStringLiteral("MusicOff"), true);

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

void Form1::MusicOn_Click() { setPreference(Preference::Music, true); }
void Form1::MusicOff_Click() { setPreference(Preference::Music, false); }
void Form1::SoundOn_Click() { setPreference(Preference::Sound, true); }
void Form1::SoundOff_Click() { setPreference(Preference::Sound, false); }
void Form1::BarOn_Click() { setPreference(Preference::StatusBar, true); }
void Form1::BarOff_Click() { setPreference(Preference::StatusBar, false); }

// An entry already checked does nothing at all. Otherwise: the check marks, then the setting,
// then what it changes; the music's device command goes before the setting.
void Form1::setPreference(Preference preference, bool on)
{
    static const QHash<Preference, std::pair<QString, QString>> Entries = {
        {Preference::Music, {QStringLiteral("MusicOn"), QStringLiteral("MusicOff")}},
        {Preference::Sound, {QStringLiteral("SoundOn"), QStringLiteral("SoundOff")}},
        {Preference::StatusBar, {QStringLiteral("BarOn"), QStringLiteral("BarOff")}}};
    const auto &[onEntry, offEntry] = Entries.value(preference);
    if (isChecked(on ? onEntry : offEntry))
        return;
    setChecked(onEntry, on);
    setChecked(offEntry, !on);
    if (preference == Preference::Music)
        m_platform.music.command(on ? QStringLiteral("play") : QStringLiteral("stop"));
    storePreference(m_platform.settings, preference, on);
    if (preference != Preference::StatusBar)
        return;
    // The window grows or shrinks by the bar's own height, so the board keeps its size.
    m_statusBar1->setVisible(on);
    if (m_outerTwips.isValid())
        setOuterSize(m_outerTwips.width(), m_outerTwips.height() + (on ? 1 : -1) * statusBarHeightTwips());
}
