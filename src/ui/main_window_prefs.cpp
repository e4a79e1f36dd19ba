// Form1's start-up load and the preference check marks, which show the session's preferences.
#include "ui/main_window.h"

#include <QStatusBar>

void Form1::Form_Load()
{
    m_session.Form_Load();
}

// Only the one entry is checked; its partner keeps its unchecked start until the first change.
void Form1::showPreference(Preference preference, bool on)
{
    static const QHash<Preference, std::pair<QString, QString>> Entries = {
        {Preference::Music, {QStringLiteral("MusicOn"), QStringLiteral("MusicOff")}},
        {Preference::Sound, {QStringLiteral("SoundOn"), QStringLiteral("SoundOff")}},
        {Preference::StatusBar, {QStringLiteral("BarOn"), QStringLiteral("BarOff")}}};
    const auto &[onEntry, offEntry] = Entries.value(preference);
    setChecked(onEntry, on);
    setChecked(offEntry, !on);
    if (preference != Preference::StatusBar)
        return;
    // The window grows or shrinks by the bar's own height, so the board keeps its size.
    m_statusBar1->setVisible(on);
    if (m_outerTwips.isValid())
        setOuterSize(m_outerTwips.width(),
                     m_outerTwips.height() + (on ? 1 : -1) * statusBarHeightTwips());
}
