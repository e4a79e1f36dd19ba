// The player's language: the game's translation and Qt's own, chosen from the desktop's settings.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <vector>

// Installs, for its lifetime, the game's translation (tessary_<language>.qm in the program's
// folder) and Qt's own (qtbase_<language>.qm) for the first of the wanted languages that is English
// or has a translation. English, or no translation at all, installs nothing: the texts are then
// the game's own, byte for byte. A name that is no language finds no file and is passed over.
class Translations
{
public:
    explicit Translations(const QString &programFolder,
                          const QStringList &wanted = desktopLanguages());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The language of the translation installed, as its file names it ("de", "pt_BR"); empty
    // for English.
    QString language() const { return m_language; }

    // The desktop's languages, most wanted first: the entries of LANGUAGE, then the first of
    // LC_ALL, LC_MESSAGES and LANG that is set, as "de_DE". "C" has no translation, so it ends in
    // English.
    static QStringList desktopLanguages();

private:
    std::vector<std::unique_ptr<QTranslator>> m_installed;
    QString m_language;
};
