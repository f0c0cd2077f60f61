#pragma once

#include "platform/messages.h"

#include <deque>
#include <string>
#include <vector>

// Takes the place of the message boxes while it lives: records every message and beep, and answers
// with the queued answers (OK or Yes when none is queued).
class MessageRecorder : public MessageSink {
public:
    MessageRecorder();
    ~MessageRecorder() override;

    MessageAnswer Show(const Message& message) override;
    void Beep() override { ++beeps; }

    std::vector<std::string> Texts() const;

    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;
    int beeps = 0;
};
