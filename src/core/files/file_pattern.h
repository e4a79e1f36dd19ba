// File-list name patterns such as "*.bmp;*.jpg;*.gif": wildcards, ';' between parts, any case.
#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>

class FilePattern
{
public:
    explicit FilePattern(const QString &pattern = QStringLiteral("*.*"));

    QString pattern() const { return m_pattern; }
    // True when the name matches any part; "*.JPG" and "*.jpg" are the same part.
    bool matches(const QString &fileName) const;

private:
    QString m_pattern;
    QList<QRegularExpression> m_parts;
};
