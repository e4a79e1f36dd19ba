// Name patterns of the file list.
#include "core/files/file_pattern.h"

FilePattern::FilePattern(const QString &pattern) : m_pattern(pattern)
{
    for (const QString &raw : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString part = raw.trimmed();
        if (part.isEmpty())
            continue;
        // "*.*" means every file, also one whose name has no dot.
        if (part == QLatin1String("*.*"))
            part = QStringLiteral("*");
        m_parts << QRegularExpression(QRegularExpression::wildcardToRegularExpression(part),
                                      QRegularExpression::CaseInsensitiveOption);
    }
}

bool FilePattern::matches(const QString &fileName) const
{
    for (const QRegularExpression &part : m_parts) {
        if (part.match(fileName).hasMatch())
            return true;
    }
    return false;
}
