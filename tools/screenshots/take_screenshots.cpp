// Takes a README picture of one dialog on a demo installation and a display of its own
// (scripts/screenshots.sh gives it both): the main dialog, the running dialog counting down, or one of
// the settings dialogs (the event dialog on the schedule's first event).
//
//   quorva-screenshots <demo program folder> <dialog> <picture file>
//
// One dialog a run: on a display without a window manager only the first window a program shows is
// drawn, so each picture is taken by a run of its own, of a dialog without an owner.

#include "core/app_state.h"
#include "platform/program_file.h"
#include "startup/startup.h"
#include "ui/dialogs/dlg_default_race.h"
#include "ui/dialogs/dlg_file_locations.h"
#include "ui/dialogs/dlg_main.h"
#include "ui/dialogs/dlg_sched_config.h"
#include "ui/dialogs/dlg_sched_running.h"
#include "ui/dialogs/dlg_schedule.h"
#include "ui/dialogs/dlg_server_settings.h"
#include "ui/dialogs/dlg_timing.h"
#include "ui/support/dlg_folder_browse.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>

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

// The dialogs the tool takes, each made on the started-up demo, and how long each settles first.
struct Shot {
    const char* name;
    long settleMilliseconds;
    std::function<std::unique_ptr<wxDialog>()> make;
};

const Shot shots[] = {
    {"main", 500, [] { return std::make_unique<CDlgMain>(nullptr, [](wxWindow*) { return 0; }); }},
    {"running", 2500, [] { return std::make_unique<CDlgSchedRunning>(nullptr); }},
    {"server-settings", 500, [] { return std::make_unique<CDlgServerSettings>(nullptr); }},
    {"timing", 500, [] { return std::make_unique<CDlgTiming>(nullptr); }},
    {"file-locations", 500, [] { return std::make_unique<CDlgFileLocations>(nullptr); }},
    {"folder-browser", 500,
     [] {
         auto browser = std::make_unique<CDlgFolderBrowse>(nullptr);
         browser->SetTitle("Browse For Path");
         browser->SetFolderLabel("");
         browser->SetPath(Server->PathNL);
         return browser;
     }},
    {"default-race", 500, [] { return std::make_unique<CDlgDefaultRace>(nullptr); }},
    {"schedule", 500, [] { return std::make_unique<CDlgSchedule>(nullptr); }},
    {"event", 500,
     [] {
         auto event = std::make_unique<CDlgSchedConfig>(nullptr);
         event->SetRace(EventList.empty() ? DefaultRace.get() : EventList.front().get(), EventList.empty());
         return event;
     }},
};

} // namespace

class ScreenshotApp : public wxApp {
public:
    bool OnInit() override {
        auto shot = std::find_if(std::begin(shots), std::end(shots),
                                 [this](const Shot& known) { return argc == 4 && argv[2] == known.name; });
        if (shot == std::end(shots)) {
            std::cerr << "usage: quorva-screenshots <demo program folder> <dialog> <picture file>\n"
                         "dialogs:";
            for (const Shot& known : shots)
                std::cerr << " " << known.name;
            std::cerr << "\n";
            return false;
        }
        m_shot = &*shot;
        m_programFolder = argv[1].utf8_string();
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
        std::unique_ptr<wxDialog> dialog = m_shot->make();
        m_status = TakePicture(*dialog, m_shot->settleMilliseconds) ? 0 : 1;
        dialog.reset();
        ShutDown();
        ExitMainLoop();
    }

    std::filesystem::path m_programFolder;
    const Shot* m_shot = nullptr;
    std::filesystem::path m_picture;
    int m_status = 0;
};

wxIMPLEMENT_APP(ScreenshotApp);
