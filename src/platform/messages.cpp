#include "platform/messages.h"

#include <cstdio>

namespace {

class ConsoleMessageSink : public MessageSink {
public:
    MessageAnswer Show(const Message& message) override {
        std::fprintf(stderr, "Quorva: %s\n", message.text.c_str());
        switch (message.buttons) {
        case MessageButtons::Ok:
        case MessageButtons::OkCancel:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
        }
        return MessageAnswer::Ok;
    }
    void Beep() override {}
};

ConsoleMessageSink consoleSink;
MessageSink* currentSink = &consoleSink;

} // namespace

void SetMessageSink(MessageSink* sink) {
    currentSink = sink != nullptr ? sink : &consoleSink;
}

MessageAnswer ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons) {
    return currentSink->Show(Message{text, icon, buttons});
}

void MessageBeep() {
    currentSink->Beep();
}
