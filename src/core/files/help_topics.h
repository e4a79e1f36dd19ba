// The contents and keyword index of a help page, read from its HTML.
#pragma once

#include <QCollator>
#include <QList>
#include <QString>

struct HelpTopic
{
    QString title;  // plain text, as the lists show it
    QString anchor; // the target in the page, without '#'
    bool operator==(const HelpTopic &) const = default;
};

struct HelpTopics
{
    QList<HelpTopic> contents; // every <h2> with an id, in page order
    // every <a href="#..."> inside <ul class="index">, sorted by keyword ignoring case, in the
    // order of the page's language
    QList<HelpTopic> index;
};

// Never fails: text without headings or an index list gives empty lists.
HelpTopics readHelpTopics(const QString &html);

// The order of the page's index: its html element's lang, ignoring case.
QCollator helpIndexCollation(const QString &html);
