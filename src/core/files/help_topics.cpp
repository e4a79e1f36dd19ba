// Reading the contents and the keyword index out of a help page.
#include "core/files/help_topics.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>

namespace {
constexpr auto Options =
    QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption;

// Tags dropped and entities such as &amp; decoded. Printable ASCII without either is taken as it
// stands, blanks folded: the HTML reader would give the same, and a document built for every title
// made reading the page slow.
QString plainText(const QString &fragment)
{
    const bool plain = std::all_of(fragment.cbegin(), fragment.cend(), [](QChar c) {
        return (c >= u' ' && c <= u'~' && c != u'<' && c != u'&') || c == u'\t' || c == u'\n'
               || c == u'\r';
    });
    if (plain)
        return fragment.simplified();
    return QTextDocumentFragment::fromHtml(fragment).toPlainText().simplified();
}

// The id of a heading, from its own attributes or from an anchor inside it.
QString headingAnchor(const QString &attributes, const QString &inner)
{
    static const QRegularExpression id(QStringLiteral(R"(\bid\s*=\s*["']([^"']+)["'])"), Options);
    static const QRegularExpression named(
        QStringLiteral(R"(<a\b[^>]*\b(?:name|id)\s*=\s*["']([^"']+)["'])"), Options);
    if (const auto m = id.match(attributes); m.hasMatch())
        return m.captured(1);
    if (const auto m = named.match(inner); m.hasMatch())
        return m.captured(1);
    return {};
}

QList<HelpTopic> readContents(const QString &html)
{
    static const QRegularExpression heading(QStringLiteral(R"(<h2\b([^>]*)>(.*?)</h2\s*>)"),
                                            Options);
    QList<HelpTopic> contents;
    for (auto it = heading.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const QString anchor = headingAnchor(m.captured(1), m.captured(2));
        const QString title = plainText(m.captured(2));
        if (!anchor.isEmpty() && !title.isEmpty())
            contents.append({title, anchor});
    }
    return contents;
}

} // namespace

// A translated index reads in its own language's order: "Über" under U in German, not after Z.
QCollator helpIndexCollation(const QString &html)
{
    static const QRegularExpression lang(
        QStringLiteral(R"(<html\b[^>]*\blang\s*=\s*["']([^"']+)["'])"), Options);
    const auto m = lang.match(html);
    QCollator collator(m.hasMatch() ? QLocale(m.captured(1)) : QLocale::c());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

namespace {

QList<HelpTopic> readIndex(const QString &html)
{
    static const QRegularExpression list(
        QStringLiteral(R"(<ul\b[^>]*\bclass\s*=\s*["']index["'][^>]*>(.*?)</ul\s*>)"), Options);
    static const QRegularExpression link(
        QStringLiteral(R"(<a\b[^>]*\bhref\s*=\s*["']#([^"']+)["'][^>]*>(.*?)</a\s*>)"), Options);
    QList<HelpTopic> index;
    for (auto lists = list.globalMatch(html); lists.hasNext();) {
        const QString items = lists.next().captured(1);
        for (auto it = link.globalMatch(items); it.hasNext();) {
            const auto m = it.next();
            const QString keyword = plainText(m.captured(2));
            if (!keyword.isEmpty())
                index.append({keyword, m.captured(1)});
        }
    }
    const QCollator collator = helpIndexCollation(html);
    std::stable_sort(index.begin(), index.end(),
                     [&collator](const HelpTopic &a, const HelpTopic &b) {
                         return collator.compare(a.title, b.title) < 0;
                     });
    return index;
}
} // namespace

HelpTopics readHelpTopics(const QString &html)
{
    return {readContents(html), readIndex(html)};
}
