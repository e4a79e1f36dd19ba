// The platform bundle's helpers.
#include "core/platform/platform.h"

#include "core/files/program_folder.h"

QString Platform::file(const QString &name) const
{
    return programFile(programFolder, name);
}
