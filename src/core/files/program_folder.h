// The program's folder: the folder that holds the executable and its media.
#pragma once

#include <QString>

// The folder that holds the running executable.
QString executableFolder();
// Joins a file name onto a folder with the platform's separator.
QString programFile(const QString &folder, const QString &name);
