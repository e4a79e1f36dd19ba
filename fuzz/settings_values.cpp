// Fuzz target: the three preferences as read back from a damaged or hand-edited settings file.
#include "entry_points.h"

#include "adapters/ini_settings_store.h"

#include <QDateTime>
#include <QFile>
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
    // One file on tmpfs for every input. QSettings keeps what it read of a file until its size or
    // time changes, so each input gets a time of its own: a same-sized input is read afresh.
    static const QString folder = QFileInfo(scratchFile(QStringLiteral("unused"), {})).path();
    static IniSettingsStore store(folder);
    static const QString path = store.filePath(Application);
    static QDateTime stamp = QDateTime::fromSecsSinceEpoch(1'000'000'000, Qt::UTC);
    stamp = stamp.addSecs(1);
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "settings file cannot be written");
        file.write(view(data + 1, size - 1));
        // Written out first: a write after the time is set would stamp the file with the clock.
        require(file.flush(), "settings file written short");
        require(file.setFileTime(stamp, QFileDevice::FileModificationTime), "settings file time not set");
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
    return 0;
}

} // namespace fuzz
