#include "support/message_recorder.h"

MessageRecorder::MessageRecorder() {
    SetMessageSink(this);
}

MessageRecorder::~MessageRecorder() {
    SetMessageSink(nullptr);
}

MessageAnswer MessageRecorder::Show(const Message& message) {
    messages.push_back(message);
    if (!answers.empty()) {
        MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return message.buttons == MessageButtons::YesNo || message.buttons == MessageButtons::YesNoCancel
               ? MessageAnswer::Yes
               : MessageAnswer::Ok;
}

std::vector<std::string> MessageRecorder::Texts() const {
    std::vector<std::string> texts;
    for (const Message& message : messages)
        texts.push_back(message.text);
    return texts;
}
