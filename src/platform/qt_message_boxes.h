// Modal message boxes shown with Qt.
#pragma once

#include "platform/message_boxes.h"

class QtMessageBoxes : public MessageBoxes {
public:
    void show(const QString &text) override;
};
