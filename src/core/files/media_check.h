// Which of the files the game reads from its folder are missing.
#pragma once

#include <QStringList>

QStringList requiredMediaFiles();
QStringList missingMediaFiles(const QString &programFolder);
