#pragma once

#include "platform/messages.h"

#include <ctime>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// While a schedule runs in the windowed program, what the system tells the operator goes into the
// running dialog instead of a message box, which would hold the schedule until someone clicks it. Each
// message is kept with its time. A step of the run (a tick, a command) that ends the run has its
// messages shown as message boxes once the run is over, since the window then closes.
class RunMessages : public MessageSink {
public:
    // now gives the time a message is kept with; shown is called after each message kept.
    RunMessages(std::function<std::time_t()> now, std::function<void()> shown);
    ~RunMessages() override;
    RunMessages(const RunMessages&) = delete;
    RunMessages& operator=(const RunMessages&) = delete;

    // Takes the messages from now on, in place of the sink before; nothing changes when it already does.
    void Begin();
    // A step of the run begins.
    void Step();
    // The run has ended: the sink before takes the messages again, first those of the last step.
    void End();

    MessageAnswer Show(const Message& message) override;
    void Beep() override;

    // The newest message with its time, on one line.
    std::string NewestLine() const;
    // Every kept message with its time, oldest first.
    std::string List() const;

private:
    struct Kept {
        std::time_t when;
        std::string text;
    };

    std::function<std::time_t()> m_now;
    std::function<void()> m_shown;
    MessageSink* m_before = nullptr;
    std::deque<Kept> m_kept;
    std::vector<Message> m_step;
};
