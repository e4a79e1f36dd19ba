// The platform bundle's helpers.
#include "platform/platform.h"

#include "platform/program_folder.h"

QString Platform::file(const QString &name) const
{
    return programFile(programFolder, name);
}
