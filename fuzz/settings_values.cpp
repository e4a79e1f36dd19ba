// Fuzz target: the three preferences as read back from a damaged or hand-edited settings file.
#include "entry_points.h"

#include "adapters/ini_settings_store.h"

#include <QDir>
#include <QFileInfo>

namespace fuzz {
namespace {
const QString Application = QStringLiteral("Orvane.Works");
const QString Section = QStringLiteral("Tessary");
const QString Keys[] = {QStringLiteral("Music"), QStringLiteral("Sound"), QStringLiteral("statusbar")};
} // namespace

// The first byte picks a preference and the value the player switches it to; the rest is the file.
int settingsValues(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // A new folder each run: QSettings caches files by name and might not notice a same-sized rewrite.
    static int run = 0;
    const QString folder = QFileInfo(scratchFile(QStringLiteral("unused"), {})).path()
        + QStringLiteral("/settings-") + QString::number(++run);
    QDir().mkpath(folder);
    IniSettingsStore store(folder);
    {
        QFile file(store.filePath(Application));
        require(file.open(QIODevice::WriteOnly), "settings file cannot be written");
        file.write(view(data + 1, size - 1));
    }

    QString before[3];
    for (int k = 0; k < 3; ++k)
        before[k] = store.read(Application, Section, Keys[k], QStringLiteral("True"));

    // The player's choice survives the damaged file, and the other two stay on or off as they were
    // (only "False" is off). A damaged value may come back spelt another way once the file is
    // written afresh, which the player cannot tell.
    const int chosen = data[0] % 3;
    const QString value = data[0] & 0x80 ? QStringLiteral("False") : QStringLiteral("True");
    require(store.write(Application, Section, Keys[chosen], value), "a preference could not be saved");
    for (int k = 0; k < 3; ++k) {
        const QString after = store.read(Application, Section, Keys[k], QStringLiteral("True"));
        if (k == chosen)
            require(after == value, "the preference just saved reads otherwise");
        else
            require((after == QLatin1String("False")) == (before[k] == QLatin1String("False")),
                    "a preference changed by writing another");
    }
    QDir(folder).removeRecursively();
    return 0;
}

} // namespace fuzz
