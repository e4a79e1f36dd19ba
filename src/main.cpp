// Tessary: the program's entry point, wiring the real platform into the game.
#include "adapters/ini_settings_store.h"
#include "adapters/qt_message_boxes.h"
#include "adapters/qt_program_control.h"
#include "adapters/system_clock.h"
#include "adapters/system_random.h"
#include "adapters/termination_signal.h"
#include "adapters/translations.h"
#include "adapters/windows_off.h"
#include "audio/audio_music_device.h"
#include "audio/audio_output.h"
#include "audio/audio_wave_player.h"
#include "core/files/media_check.h"
#include "core/files/program_folder.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/splash.h"
#include "ui/startup.h"

#include <QApplication>
#include <cstdio>

namespace {
// `tessary --check-media`: says where the program's folder is and which media are missing there.
int checkMedia(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = executableFolder();
    const QStringList missing = missingMediaFiles(folder);
    std::printf("Program folder: %s\n", qPrintable(folder));
    for (const QString &name : missing)
        std::printf("missing: %s\n", qPrintable(name));
    return missing.isEmpty() ? 0 : 1;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--check-media") == 0)
        return checkMedia(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessary"));
    QApplication::setOrganizationName(QStringLiteral("Orvane.Works"));
    // Before the first window, so that every text is made in the player's language.
    const Translations translations(executableFolder());

    SystemRandom random;
    IniSettingsStore settings;
    AudioOutput audio;
    MixerWavePlayer waves(audio, [] { return std::make_shared<WindowsSwitchedOff>(); });
    FluidMusicDevice music(audio);
    QtMessageBoxes messages;
    QtHelpViewer help;
    QtProgramControl program;
    SystemClock clock;
    Platform platform{executableFolder(), random, settings, waves, music,
                      messages,           help,   program,  clock};
    platform.language = translations.language();

    std::unique_ptr<Form1> mainWindow;
    auto *splash = new frmSplash([&] { mainWindow = StartProgram(platform); });
    // Asked to end from outside: as by the Exit entry, so that a game in progress is kept.
    onTerminationSignal(&app, [&mainWindow] {
        if (mainWindow)
            mainWindow->close();
        else
            QCoreApplication::quit();
    });
    splash->show();
    const int code = QApplication::exec();
    mainWindow.reset();
    return code;
}
