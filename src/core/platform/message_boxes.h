// Modal messages to the player: text, an "OK" button, the program's title as caption.
#pragma once

#include <QString>

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Returns when the player has closed the message.
    virtual void show(const QString &text) = 0;
};
