#pragma once

#include "ui/support/wx_message_sink.h"

#include <wx/app.h>

// The windowed program: the start-up shared with the console runner, then the main dialog for as long
// as the operator keeps it open, then shut-down. Messages are message boxes.
class CQuorvaApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

private:
    WxMessageSink m_messages;
};
