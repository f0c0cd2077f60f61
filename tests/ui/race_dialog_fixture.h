#pragma once

#include "real_input.h"
#include "support/runner_fakes.h"
#include "support/sample_calendars.h"

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

// A program folder of its own, the message boxes recorded, and the hands that work a dialog's controls.
class DialogTest : public ::testing::Test {
protected:
    DialogTest() { ProgramVersion = "0.1.0"; }

    // Shows the dialog as the modal run would, and lets what it does once it is up happen.
    static void Open(wxDialog& dialog) {
        dialog.Show();
        Settle();
    }
    static void Settle() {
        for (int k = 0; k < 5; ++k)
            wxTheApp->ProcessPendingEvents();
    }

    template <typename Control = wxWindow>
    static Control* Find(wxWindow& dialog, int id) {
        auto* control = dynamic_cast<Control*>(dialog.FindWindow(id));
        EXPECT_NE(control, nullptr) << "control " << id;
        return control;
    }
    static std::string Text(wxWindow& d, int id) { return Find<wxTextCtrl>(d, id)->GetValue().utf8_string(); }
    static std::string Label(wxWindow& dialog, int id) { return Find(dialog, id)->GetLabel().utf8_string(); }
    static bool Enabled(wxWindow& dialog, int id) { return Find(dialog, id)->IsEnabled(); }
    // Each control's state in its order: E when enabled, - when not.
    static std::string EnabledStates(wxWindow& dialog, std::initializer_list<int> ids) {
        std::string states;
        for (int id : ids)
            states += Enabled(dialog, id) ? 'E' : '-';
        return states;
    }
    static bool Checked(wxWindow& dialog, int id) { return Find<wxCheckBox>(dialog, id)->GetValue(); }
    static void SetText(wxWindow& dialog, int id, const std::string& text) {
        Find<wxTextCtrl>(dialog, id)->ChangeValue(wxString::FromUTF8(text));
    }
    // The list's lines, between "|".
    static std::string Lines(wxListBox* list) { return wxJoin(list->GetStrings(), '|', 0).utf8_string(); }

    // The event a control sends when the operator works it, sent by the control itself.
    static void Send(wxWindow* control, wxEventType type, int value = 0) {
        wxCommandEvent event(type, control->GetId());
        event.SetEventObject(control);
        event.SetInt(value);
        control->GetEventHandler()->ProcessEvent(event);
    }
    static void Click(wxWindow& dialog, int id) { Send(Find(dialog, id), wxEVT_BUTTON); }
    static void ClickBox(wxWindow& dialog, int id) {
        auto* box = Find<wxCheckBox>(dialog, id);
        box->SetValue(!box->GetValue());
        Send(box, wxEVT_CHECKBOX);
    }
    static void ClickRadio(wxWindow& dialog, int id) {
        Find<wxRadioButton>(dialog, id)->SetValue(true);
        Send(dialog.FindWindow(id), wxEVT_RADIOBUTTON);
    }
    static void SelectLine(wxListBox* list, int line) {
        list->SetSelection(line);
        Send(list, wxEVT_LISTBOX, line);
    }
    // OK clicked through the toolkit, which must end the dialog: a button that lost its binding would close
    // it without its checks.
    static void ClickOk(wxDialog& dialog) {
        RealInput input;
        input.Pump();
        input.Click(dialog.FindWindow(wxID_OK));
        EXPECT_TRUE(input.PumpUntil([&] { return dialog.GetReturnCode() == wxID_OK; }));
    }
    static bool Focused(wxWindow& dialog, int id) { return wxWindow::FindFocus() == dialog.FindWindow(id); }

    // A field typed wrong, the start of the message OK answers it with, and the text that puts it right.
    struct Refusal {
        int field;
        std::string typed, says, fixed;
    };
    // With every row typed at once, OK refuses the rows one by one in their order, each with its message
    // and the focus on its field with its text selected, and leaves the dialog open and the settings file as
    // it was.
    void ExpectRefusedInOrder(wxDialog& dialog, const std::vector<Refusal>& rows) {
        const std::string stored = program.Exists("Quorvadata.ini") ? program.Read("Quorvadata.ini") : "none";
        for (const Refusal& row : rows)
            SetText(dialog, row.field, row.typed);
        for (const Refusal& row : rows) {
            SCOPED_TRACE(row.says + " for \"" + row.typed + "\"");
            size_t shown = recorder.messages.size();
            Click(dialog, wxID_OK);
            ASSERT_EQ(recorder.messages.size(), shown + 1);
            EXPECT_EQ(recorder.messages.back().text.rfind(row.says, 0), 0u) << recorder.messages.back().text;
            EXPECT_TRUE(Focused(dialog, row.field));
            EXPECT_EQ(Find<wxTextCtrl>(dialog, row.field)->GetStringSelection().utf8_string(), row.typed);
            EXPECT_NE(dialog.GetReturnCode(), wxID_OK);
            SetText(dialog, row.field, row.fixed);
        }
        EXPECT_EQ(program.Exists("Quorvadata.ini") ? program.Read("Quorvadata.ini") : "none", stored);
    }

    ScopedProgramFolder program;
    MessageRecorder recorder;
};

// A new server whose simulators are both installed, a default race, and the sample calendars.
class RaceDialogTest : public DialogTest {
protected:
    RaceDialogTest() {
        UseNewServerWithSimulatorsIn(program);
        Server->ExeFileN3 = "nascar3.exe";
        Server->ExeFileNL = "legends.exe";
        N3Installed = NLInstalled = true;
        DefaultRace = std::make_unique<RACE>();
        SetNewDefaultRaceValues(*DefaultRace, false);
        UseSampleCalendarsIn(program);
    }

    bool Stored(const std::string& line) {
        return program.Read("Quorvadata.ini").find(line) != std::string::npos;
    }
};
