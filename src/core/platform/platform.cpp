// The platform bundle's helpers.
#include "core/platform/platform.h"

#include "core/files/program_folder.h"

#include <QFileInfo>

QString Platform::file(const QString &name) const
{
    return programFile(programFolder, name);
}

QString Platform::helpFile() const
{
    const QString translated = file(QStringLiteral("tessaryhelp_%1.html").arg(language));
    if (!language.isEmpty() && QFileInfo(translated).isFile())
        return translated;
    return file(QStringLiteral("tessaryhelp.html"));
}
