#pragma once

#include <string>

// Message boxes and beeps. Logic below the windows says what to tell the operator through here; the
// windowed program installs a sink that shows message boxes, tests install one that records.

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows the message and returns once the operator has answered it.
    virtual MessageAnswer Show(const Message& message) = 0;
    // The default beep that comes before the program's own validation messages.
    virtual void Beep() = 0;
};

// Installs the sink that every message goes to; nullptr restores the console sink, which writes
// messages to standard error, each line with its local time stamp, and answers them with their first
// button.
void SetMessageSink(MessageSink* sink);

// The sink that messages go to now.
MessageSink& CurrentMessageSink();

MessageAnswer ShowMessage(const std::string& text, MessageIcon icon = MessageIcon::None,
                          MessageButtons buttons = MessageButtons::Ok);
void MessageBeep();
