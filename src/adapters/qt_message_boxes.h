// Modal message boxes shown with Qt.
#pragma once

#include "core/platform/message_boxes.h"

class QtMessageBoxes : public MessageBoxes
{
public:
    void show(const QString &text) override;
    bool ask(const QString &text) override;
};
