// Locating the program's folder and the files in it.
#include "core/files/program_folder.h"

#include <QCoreApplication>
#include <QDir>

QString executableFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString programFile(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}
