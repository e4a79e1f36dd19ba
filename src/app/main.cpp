// Tessary: the program's entry point, wiring the real platform into the game.
#include "app/splash.h"
#include "app/startup.h"
#include "board/main_window.h"
#include "platform/audio_music_device.h"
#include "platform/audio_output.h"
#include "platform/audio_wave_player.h"
#include "platform/help_window.h"
#include "platform/ini_settings_store.h"
#include "platform/program_folder.h"
#include "platform/qt_message_boxes.h"
#include "platform/qt_program_control.h"
#include "platform/silent_devices.h"
#include "platform/system_random.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessary"));
    QApplication::setOrganizationName(QStringLiteral("Orvane.Works"));

    SystemRandom random;
    IniSettingsStore settings;
    AudioOutput audio;
    MixerWavePlayer waves(audio);
    FluidMusicDevice music(audio);
    QtMessageBoxes messages;
    QtHelpViewer help;
    QtProgramControl program;
    Platform platform{executableFolder(), random, settings, waves, music, messages, help, program};

    std::unique_ptr<Form1> mainWindow;
    auto *splash = new frmSplash([&] { mainWindow = StartProgram(platform); });
    splash->show();
    const int code = QApplication::exec();
    mainWindow.reset();
    return code;
}
