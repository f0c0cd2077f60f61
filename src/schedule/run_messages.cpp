#include "schedule/run_messages.h"

#include "platform/local_time.h"

namespace {

// Enough for the messages of a start and a few races.
constexpr size_t keptMessages = 20;

std::string Stamped(std::time_t when, const std::string& text) {
    return FormatLocalTime(when, "%H:%M") + ": " + text;
}

// The text with each run of line ends made one blank.
std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c != '\r' && c != '\n')
            line += c;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    }
    return line;
}

} // namespace

RunMessages::RunMessages(std::function<std::time_t()> now, std::function<void()> shown)
    : m_now(std::move(now)), m_shown(std::move(shown)) {}

RunMessages::~RunMessages() {
    if (m_before != nullptr)
        SetMessageSink(m_before);
}

void RunMessages::Begin() {
    if (m_before != nullptr)
        return;
    m_before = &CurrentMessageSink();
    SetMessageSink(this);
}

void RunMessages::Step() {
    m_step.clear();
}

void RunMessages::End() {
    if (m_before == nullptr)
        return;
    MessageSink* before = m_before;
    m_before = nullptr;
    SetMessageSink(before);
    std::vector<Message> step = std::move(m_step);
    m_step.clear();
    for (const Message& message : step)
        before->Show(message);
}

MessageAnswer RunMessages::Show(const Message& message) {
    m_step.push_back(message);
    m_kept.push_back({m_now(), message.text});
    if (m_kept.size() > keptMessages)
        m_kept.pop_front();
    m_shown();
    // As the console answers: nobody is there to choose.
    switch (message.buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Yes;
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        break;
    }
    return MessageAnswer::Ok;
}

void RunMessages::Beep() {
    if (m_before != nullptr)
        m_before->Beep();
}

std::string RunMessages::NewestLine() const {
    return m_kept.empty() ? "" : Stamped(m_kept.back().when, OneLine(m_kept.back().text));
}

std::string RunMessages::List() const {
    std::string list;
    for (const Kept& kept : m_kept)
        list += (list.empty() ? "" : "\n\n") + Stamped(kept.when, kept.text);
    return list;
}
