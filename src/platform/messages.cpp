#include "platform/messages.h"

#include "platform/local_time.h"

#include <cstdio>
#include <ctime>
#include <sstream>

namespace {

class ConsoleMessageSink : public MessageSink {
public:
    // Every line with its local time stamp, as in the console runner's log.
    MessageAnswer Show(const Message& message) override {
        std::string stamp = "[" + FormatLocalTime(std::time(nullptr), "%Y-%m-%d %H:%M:%S") + "] ";
        std::istringstream lines("Quorva: " + message.text);
        std::string text;
        for (std::string line; std::getline(lines, line);)
            text += stamp + line + "\n";
        std::fputs(text.c_str(), stderr);
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

MessageSink& CurrentMessageSink() {
    return *currentSink;
}

MessageAnswer ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons) {
    return currentSink->Show(Message{text, icon, buttons});
}

void MessageBeep() {
    currentSink->Beep();
}
