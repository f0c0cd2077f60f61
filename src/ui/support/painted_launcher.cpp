#include "ui/support/painted_launcher.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/utils.h>

namespace {
constexpr unsigned long pollMilliseconds = 50;
} // namespace

SimulatorLauncher::End PaintedLauncher::WaitForSimulator(const RaceLimit& limit) {
    RaceWatch watch(m_process, limit);
    for (;;) {
        if (std::optional<ProcessEnd> end = PollProgram(m_process)) {
            watch.Finish(*end);
            return Ended(*end);
        }
        watch.Check();
        HandleWindowEventsDuringRace();
        wxMilliSleep(pollMilliseconds);
    }
}

void HandleWindowEventsDuringRace() {
    if (wxEventLoopBase* loop = wxEventLoopBase::GetActive())
        loop->YieldFor(wxEVT_CATEGORY_UI | wxEVT_CATEGORY_USER_INPUT);
}
