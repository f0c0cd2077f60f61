#pragma once

#include "platform/messages.h"

// Shows the system's messages as wxWidgets message boxes, captioned with the program's name, and
// sounds the desktop's bell for a beep.
class WxMessageSink : public MessageSink {
public:
    MessageAnswer Show(const Message& message) override;
    void Beep() override;
};
