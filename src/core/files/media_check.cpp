// The media the game expects beside its executable.
#include "core/files/media_check.h"

#include "core/files/program_folder.h"

#include <QFileInfo>

QStringList requiredMediaFiles()
{
    return {QStringLiteral("change.wav"),      QStringLiteral("pop.wav"),
            QStringLiteral("gling.wav"),       QStringLiteral("fallmorn.mid"),
            QStringLiteral("Leaf.gif"),        QStringLiteral("rose.jpg"),
            QStringLiteral("flower.jpg"),      QStringLiteral("door.jpg"),
            QStringLiteral("mountain.jpg"),    QStringLiteral("cow.jpg"),
            QStringLiteral("tessaryhelp.html")};
}

QStringList missingMediaFiles(const QString &programFolder)
{
    QStringList missing;
    for (const QString &name : requiredMediaFiles()) {
        if (!QFileInfo(programFile(programFolder, name)).isFile())
            missing << name;
    }
    return missing;
}
