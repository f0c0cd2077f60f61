#include "ui/support/form_controls.h"

#include "platform/messages.h"
#include "ui/support/typing_limit.h"

#include <wx/checkbox.h>
#include <wx/ctrlsub.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace {

template <typename Control>
Control* ControlOf(wxWindow* dialog, int id) {
    return static_cast<Control*>(dialog->FindWindow(id));
}

// A choice is a list (drop-down or not) or a group of radio buttons.
wxControlWithItems* ListOf(wxWindow* dialog, int id) {
    return dynamic_cast<wxControlWithItems*>(dialog->FindWindow(id));
}

void ShowChoice(wxWindow* dialog, const FormField& field, int id, int position) {
    if (wxControlWithItems* list = ListOf(dialog, id)) {
        bool listed = position >= 0 && position < static_cast<int>(list->GetCount());
        list->SetSelection(listed ? position : wxNOT_FOUND);
        return;
    }
    if (position >= 0 && position < field.high)
        ControlOf<wxRadioButton>(dialog, id + position)->SetValue(true);
}

int ChosenPosition(wxWindow* dialog, const FormField& field, int id) {
    if (wxControlWithItems* list = ListOf(dialog, id))
        return list->GetSelection();
    for (int k = 0; k < field.high; ++k)
        if (ControlOf<wxRadioButton>(dialog, id + k)->GetValue())
            return k;
    return wxNOT_FOUND;
}

void EnableField(wxWindow* dialog, const FormField& field, int id, bool enabled) {
    bool radios = field.kind == FieldKind::Choice && ListOf(dialog, id) == nullptr;
    for (int k = 0; k < (radios ? field.high : 1); ++k)
        dialog->FindWindow(id + k)->Enable(enabled);
}

} // namespace

void ShowForm(wxWindow* dialog, const Form& form, std::span<const FieldControlId> controls) {
    for (const FieldControlId& control : controls) {
        const FormField& field = form.Field(control.key);
        const FieldValue& value = form.Value(control.key);
        switch (field.kind) {
        case FieldKind::Check:
            ControlOf<wxCheckBox>(dialog, control.id)->SetValue(value.number != 0);
            break;
        case FieldKind::Integer:
        case FieldKind::Text:
            ControlOf<wxTextCtrl>(dialog, control.id)->ChangeValue(wxString::FromUTF8(value.text));
            if (field.readOnly)
                ControlOf<wxTextCtrl>(dialog, control.id)->SetEditable(false);
            break;
        case FieldKind::Choice:
            ShowChoice(dialog, field, control.id, value.number);
            break;
        }
        EnableField(dialog, field, control.id, form.Enabled(control.key));
    }
}

void EnterForm(wxWindow* dialog, Form& form, std::span<const FieldControlId> controls) {
    for (const FieldControlId& control : controls) {
        const FormField& field = form.Field(control.key);
        FieldValue value;
        switch (field.kind) {
        case FieldKind::Check:
            value.number = ControlOf<wxCheckBox>(dialog, control.id)->GetValue() ? 1 : 0;
            break;
        case FieldKind::Integer:
        case FieldKind::Text:
            value.text = ControlOf<wxTextCtrl>(dialog, control.id)->GetValue().utf8_string();
            break;
        case FieldKind::Choice:
            value.number = ChosenPosition(dialog, field, control.id);
            break;
        }
        form.Enter(control.key, value);
    }
}

void ShowFormProblem(wxWindow* dialog, const FormProblem& problem, std::span<const FieldControlId> controls) {
    if (problem.beep)
        MessageBeep();
    ShowMessage(problem.message.text, problem.message.icon, problem.message.buttons);
    auto control = std::find_if(controls.begin(), controls.end(),
                                [&problem](const FieldControlId& c) { return problem.key == c.key; });
    if (control == controls.end())
        return;
    wxWindow* field = dialog->FindWindow(control->id);
    field->SetFocus();
    if (auto* edit = dynamic_cast<wxTextCtrl*>(field))
        edit->SelectAll();
}

void LimitFormTyping(wxWindow* dialog, const Form& form, std::span<const FieldControlId> controls) {
    for (const FieldControlId& control : controls) {
        const FormField& field = form.Field(control.key);
        if (field.kind != FieldKind::Check && field.kind != FieldKind::Choice && field.limit > 0)
            LimitTyping(ControlOf<wxTextCtrl>(dialog, control.id), field.limit);
    }
}

void ChangeForm(wxWindow* dialog, Form& form, std::span<const FieldControlId> controls,
                const std::function<void()>& change) {
    EnterForm(dialog, form, controls);
    change();
    ShowForm(dialog, form, controls);
}
