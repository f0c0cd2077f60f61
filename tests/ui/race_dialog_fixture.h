#pragma once

#include "core/app_state.h"
#include "real_input.h"
#include "simfiles/calendars.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/runner_fakes.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

// The state that the schedule editing dialogs work on: a new server whose simulators are both
// installed, a default race, an N3 calendar of three tracks and an NL calendar of two, named by the
// dictionaries of the program folder. And the hands that work the dialogs' controls.
class RaceDialogTest : public ::testing::Test {
protected:
    RaceDialogTest() {
        UseNewServerWithSimulatorsIn(program);
        Server->ExeFileN3 = "nascar3.exe";
        Server->ExeFileNL = "legends.exe";
        N3Installed = NLInstalled = true;
        ProgramVersion = "0.1.0";
        DefaultRace = std::make_unique<RACE>();
        SetNewDefaultRaceValues(*DefaultRace, false);
        program.Write("n3.cal", Line("ashford") + Line("bayview") + Line("cedarpk"));
        program.Write("nl.cal", Line("oakridge") + Line("millbrk"));
        program.Write("TrackDictionaryN3.ini",
                      "[TRACKS]\nashford=Ashford\nbayview=Bayview\ncedarpk=Cedar Park\n");
        program.Write("TrackDictionaryNL.ini", "[TRACKS]\noakridge=Oak Ridge\nmillbrk=Millbrook\n");
        CreateCalendarN3(program.File("n3.cal"));
        CreateCalendarNL(program.File("nl.cal"));
    }

    static std::string Line(const std::string& id) { return std::string(13, ' ') + id + "\n"; }

    // Opens the dialog as the modal run would, and lets what it does once it is up happen.
    static void Open(wxDialog& dialog) {
        dialog.Show();
        Settle();
    }
    static void Settle() {
        for (int k = 0; k < 5; ++k)
            wxTheApp->ProcessPendingEvents();
    }

    template <typename Control>
    static Control* Find(wxWindow& dialog, int id) {
        auto* control = dynamic_cast<Control*>(dialog.FindWindow(id));
        EXPECT_NE(control, nullptr) << "control " << id;
        return control;
    }
    static std::string Text(wxWindow& dialog, int id) {
        return Find<wxTextCtrl>(dialog, id)->GetValue().utf8_string();
    }
    static void SetText(wxWindow& dialog, int id, const std::string& text) {
        Find<wxTextCtrl>(dialog, id)->ChangeValue(wxString::FromUTF8(text));
    }
    static void Click(wxWindow& dialog, int id) {
        wxWindow* button = dialog.FindWindow(id);
        wxCommandEvent click(wxEVT_BUTTON, id);
        click.SetEventObject(button);
        button->GetEventHandler()->ProcessEvent(click);
    }
    // Presses OK as the operator does, with a click on the button through the toolkit: a button that
    // lost its binding would close the dialog without its checks.
    static void ClickOk(wxDialog& dialog) {
        RealInput input;
        input.Pump();
        input.Click(dialog.FindWindow(wxID_OK));
        input.PumpUntil([&] { return dialog.GetReturnCode() != 0; });
    }
    static void ClickRadio(wxWindow& dialog, int id) {
        auto* radio = Find<wxRadioButton>(dialog, id);
        radio->SetValue(true);
        wxCommandEvent click(wxEVT_RADIOBUTTON, id);
        click.SetEventObject(radio);
        radio->GetEventHandler()->ProcessEvent(click);
    }
    static void SelectLine(wxListBox* list, int line) {
        list->SetSelection(line);
        wxCommandEvent change(wxEVT_LISTBOX, list->GetId());
        change.SetEventObject(list);
        change.SetInt(line);
        list->GetEventHandler()->ProcessEvent(change);
    }

    ScopedProgramFolder program;
    MessageRecorder recorder;
};
