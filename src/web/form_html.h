#pragma once

#include "forms/form.h"
#include "web/request_text.h"

#include <initializer_list>
#include <string>
#include <vector>

// A form's fields as HTML controls named by their keys, in groups as the dialog places them.

struct FieldGroup {
    const char* legend;
    std::vector<const char*> keys;
};

// Each group a fieldset of its fields: the label, the control showing the field's value (a password
// never: its control is empty), disabled where the form says so. The refused field carries the
// problem's message beside it and takes the focus.
std::string FormFieldsHtml(const Form& form, const std::vector<FieldGroup>& groups,
                           const FormProblem* problem);

// Hands a posted form to the form, field by field: a check box is 1 when sent, a choice its position
// (none: another number), a text or integer as sent. A password left empty keeps the stored one.
void EnterPostedFields(Form& form, const FormPairs& posted);
