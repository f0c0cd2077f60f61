#include "ui/support/record_fields.h"

#include "forms/field_checks.h"
#include "forms/stored_text.h"
#include "forms/windows_text_check.h"
#include "platform/messages.h"
#include "platform/windows_1252.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

namespace {

template <typename Control>
Control* ControlOf(wxWindow* dialog, int id) {
    return static_cast<Control*>(dialog->FindWindow(id));
}

std::optional<Message> CheckText(const FieldControl& control, const std::string& text) {
    std::optional<Message> problem;
    if (control.limit > 0)
        problem = CheckTextLength(text, control.limit);
    const char* simulatorName =
        control.quotedName != nullptr ? control.quotedName : control.unquotedSimulatorName;
    if (!problem && simulatorName != nullptr)
        problem = CheckWindowsText(text, simulatorName);
    if (!problem && control.quotedName != nullptr)
        problem = CheckQuotedText(text, control.quotedName, control.refuseCommas);
    return problem;
}

} // namespace

void ShowFieldValue(wxWindow* dialog, const FieldControl& control, const FieldValue& value) {
    switch (control.kind) {
    case FieldKind::Check:
        ControlOf<wxCheckBox>(dialog, control.id)->SetValue(value.number != 0);
        break;
    case FieldKind::Integer:
        ControlOf<wxTextCtrl>(dialog, control.id)->ChangeValue(std::to_string(value.number));
        break;
    case FieldKind::Text:
        ControlOf<wxTextCtrl>(dialog, control.id)
            ->ChangeValue(wxString::FromUTF8(Utf8FromStored(value.text)));
        break;
    case FieldKind::Radio:
        if (value.number >= 0 && value.number < control.high)
            ControlOf<wxRadioButton>(dialog, control.id + value.number)->SetValue(true);
        break;
    }
}

bool ReadFieldValue(wxWindow* dialog, const FieldControl& control, FieldValue& value) {
    std::optional<Message> problem;
    switch (control.kind) {
    case FieldKind::Check:
        value.number = ControlOf<wxCheckBox>(dialog, control.id)->GetValue() ? 1 : 0;
        break;
    case FieldKind::Integer:
        problem = CheckIntegerField(ControlOf<wxTextCtrl>(dialog, control.id)->GetValue().utf8_string(),
                                    control.low, control.high, value.number);
        break;
    case FieldKind::Text: {
        std::string typed = ControlOf<wxTextCtrl>(dialog, control.id)->GetValue().utf8_string();
        problem = CheckText(control, typed);
        value.text = EditedText(value.text, typed);
        break;
    }
    case FieldKind::Radio:
        for (int k = 0; k < control.high; ++k)
            if (ControlOf<wxRadioButton>(dialog, control.id + k)->GetValue())
                value.number = k;
        break;
    }
    if (!problem)
        return true;
    ShowMessage(problem->text, problem->icon);
    wxWindow* field = dialog->FindWindow(control.id);
    field->SetFocus();
    if (auto* edit = dynamic_cast<wxTextCtrl*>(field))
        edit->SelectAll();
    return false;
}
