// Fuzz target: the help page's contents and keyword index.
#include "entry_points.h"

#include "core/files/help_topics.h"

namespace fuzz {

int helpTopics(const uint8_t *data, size_t size)
{
    const QString html = QString::fromUtf8(view(data, size));
    const HelpTopics topics = readHelpTopics(html);
    const QCollator order = helpIndexCollation(html);
    for (const QList<HelpTopic> *list : {&topics.contents, &topics.index}) {
        for (const HelpTopic &topic : *list)
            require(!topic.title.isEmpty() && !topic.anchor.isEmpty(), "help topic without a title or target");
    }
    for (qsizetype i = 1; i < topics.index.size(); ++i)
        require(order.compare(topics.index[i - 1].title, topics.index[i].title) <= 0,
                "help index out of order");
    return 0;
}

} // namespace fuzz
