// Takes a README picture of one dialog on a demo installation and a display of its own
// (scripts/screenshots.sh gives it both): the main dialog, the running dialog counting down, the
// schedule editor, the event dialog on the schedule's first event, the default race dialog or the
// timing dialog.
//
//   quorva-screenshots <demo program folder> main|running|schedule|event|default-race|timing <picture file>
//
// One dialog a run: on a display without a window manager only the first window a program shows is
// drawn, so each picture is taken by a run of its own, of a dialog without an owner.

#include "app/startup.h"
#include "core/app_state.h"
#include "platform/program_file.h"
#include "ui/dialogs/dlg_default_race.h"
#include "ui/dialogs/dlg_main.h"
#include "ui/dialogs/dlg_sched_config.h"
#include "ui/dialogs/dlg_sched_running.h"
#include "ui/dialogs/dlg_schedule.h"
#include "ui/dialogs/dlg_timing.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include <algorithm>
#include <filesystem>
#include <iostream>

namespace {

// Lets the windows draw themselves and the timer tick for a while.
void Settle(long milliseconds) {
    wxStopWatch watch;
    while (watch.Time() < milliseconds) {
        wxYield();
        wxMilliSleep(20);
    }
}

// The dialog's inside as it is on the screen (no window manager draws a frame around it here).
bool SaveWindowPicture(wxWindow& window, const std::filesystem::path& file) {
    wxPoint origin = window.ClientToScreen(wxPoint(0, 0));
    wxSize size = window.GetClientSize();
    wxBitmap picture(size);
    wxScreenDC screen;
    wxMemoryDC memory(picture);
    bool copied = memory.Blit(0, 0, size.x, size.y, &screen, origin.x, origin.y);
    memory.SelectObject(wxNullBitmap);
    if (!copied || !picture.SaveFile(file.string(), wxBITMAP_TYPE_PNG)) {
        std::cerr << "quorva-screenshots: could not write " << file << "\n";
        return false;
    }
    std::cout << "Wrote " << file.string() << "\n";
    return true;
}

} // namespace

class ScreenshotApp : public wxApp {
public:
    bool OnInit() override {
        const wxString dialogs[] = {"main", "running", "schedule", "event", "default-race", "timing"};
        if (argc != 4 || std::find(std::begin(dialogs), std::end(dialogs), argv[2]) == std::end(dialogs)) {
            std::cerr << "usage: quorva-screenshots <demo program folder> "
                         "main|running|schedule|event|default-race|timing <picture file>\n";
            return false;
        }
        m_programFolder = argv[1].utf8_string();
        m_dialog = argv[2].utf8_string();
        m_picture = argv[3].utf8_string();
        wxInitAllImageHandlers();
        CallAfter(&ScreenshotApp::TakeOne);
        return true;
    }
    int OnRun() override {
        wxApp::OnRun();
        return m_status;
    }

private:
    // The window is shown and, once it has settled, taken.
    bool TakePicture(wxWindow& window, long settleMilliseconds) {
        window.Show();
        Settle(settleMilliseconds);
        return SaveWindowPicture(window, m_picture);
    }

    void TakeOne() {
        // The demo's windowed program, so that the caption and copyright are its own.
        OverrideProgramFilePath((m_programFolder / "quorva").string());
        if (!StartUp()) {
            m_status = 1;
            ExitMainLoop();
            return;
        }
        // A pause before each race, so the running dialog is caught counting down; the settings file
        // keeps the demo's own.
        Server->RaceDelay = 5;
        if (m_dialog == "main") {
            CDlgMain main(nullptr, [](wxWindow*) { return 0; });
            m_status = TakePicture(main, 500) ? 0 : 1;
        } else if (m_dialog == "running") {
            CDlgSchedRunning running(nullptr);
            m_status = TakePicture(running, 2500) ? 0 : 1;
        } else if (m_dialog == "schedule") {
            CDlgSchedule schedule(nullptr);
            m_status = TakePicture(schedule, 500) ? 0 : 1;
        } else if (m_dialog == "event") {
            CDlgSchedConfig event(nullptr);
            event.SetRace(EventList.empty() ? DefaultRace.get() : EventList.front().get(), EventList.empty());
            m_status = TakePicture(event, 500) ? 0 : 1;
        } else if (m_dialog == "timing") {
            CDlgTiming timing(nullptr);
            m_status = TakePicture(timing, 500) ? 0 : 1;
        } else {
            CDlgDefaultRace defaultRace(nullptr);
            m_status = TakePicture(defaultRace, 500) ? 0 : 1;
        }
        ShutDown();
        ExitMainLoop();
    }

    std::filesystem::path m_programFolder;
    std::string m_dialog;
    std::filesystem::path m_picture;
    int m_status = 0;
};

wxIMPLEMENT_APP(ScreenshotApp);
