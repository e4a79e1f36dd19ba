// Modal messages to the player, captioned with the program's title: a text with "OK", or a
// question.
#pragma once

#include <QString>

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Returns when the player has closed the message.
    virtual void show(const QString &text) = 0;
    // A question with "Yes" and "No"; true for "Yes".
    virtual bool ask(const QString &text) = 0;
};
