// The contents and keyword index of a help page, read from its HTML.
#pragma once

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
    QList<HelpTopic>
        index; // every <a href="#..."> inside <ul class="index">, sorted by keyword ignoring case
};

// Never fails: text without headings or an index list gives empty lists.
HelpTopics readHelpTopics(const QString &html);
