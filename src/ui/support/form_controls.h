#pragma once

#include "forms/form.h"

#include <functional>
#include <span>

class wxWindow;

// The exchange between a dialog's controls and its form: each field's control by the field's key.

struct FieldControlId {
    const char* key;
    int id; // a choice of radio buttons: the first button's id, the others following it; or a list
};

// The operator changed a control: the form takes what the controls hold, the change applies its rules
// and the controls show the form again.
void ChangeForm(wxWindow* dialog, Form& form, std::span<const FieldControlId> controls,
                const std::function<void()>& change);

// Shows the form's values in the controls and enables each as its field is.
void ShowForm(wxWindow* dialog, const Form& form, std::span<const FieldControlId> controls);

// Hands what the controls hold to the form.
void EnterForm(wxWindow* dialog, Form& form, std::span<const FieldControlId> controls);

// The problem's message after the beep it asks for, then the focus on its field with the whole text
// selected.
void ShowFormProblem(wxWindow* dialog, const FormProblem& problem, std::span<const FieldControlId> controls);

// Text fields stop typing at their limit, and so do integer fields given one.
void LimitFormTyping(wxWindow* dialog, const Form& form, std::span<const FieldControlId> controls);
