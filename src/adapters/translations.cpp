// Reading the desktop's language and installing the translations for it.
#include "adapters/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace {
const QString GamePrefix = QStringLiteral("tessary_");

// "de_DE.UTF-8@euro" -> "de_DE", "en@quot" -> "en".
QString languageName(const QString &setting)
{
    return setting.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
}

bool isEnglish(const QString &name)
{
    return name == QLatin1String("en") || name.startsWith(QLatin1String("en_"));
}
} // namespace

QStringList Translations::desktopLanguages()
{
    QStringList names;
    // A colon list, as the desktop's own programs read it.
    const QStringList listed = qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'));
    for (const QString &entry : listed) {
        if (!entry.isEmpty())
            names << languageName(entry);
    }
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString setting = qEnvironmentVariable(variable);
        if (!setting.isEmpty()) {
            names << languageName(setting);
            break;
        }
    }
    return names;
}

Translations::Translations(const QString &programFolder, const QStringList &wanted)
{
    for (const QString &name : wanted) {
        if (isEnglish(name))
            return;
        auto game = std::make_unique<QTranslator>();
        // load() falls back from "de_DE" to "de" by itself.
        if (!game->load(GamePrefix + name, programFolder))
            continue;
        m_language = QFileInfo(game->filePath()).completeBaseName().mid(GamePrefix.size());
        auto qt = std::make_unique<QTranslator>();
        // Without Qt's translations installed, the standard buttons stay English.
        if (qt->load(QStringLiteral("qtbase_") + name,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            m_installed.push_back(std::move(qt));
        m_installed.push_back(std::move(game));
        for (const auto &translator : m_installed)
            QCoreApplication::installTranslator(translator.get());
        return;
    }
}

Translations::~Translations()
{
    for (const auto &translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
}
