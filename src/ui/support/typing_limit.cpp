#include "ui/support/typing_limit.h"

#include "ui/support/field_checks.h"

#include <wx/textctrl.h>

void LimitTyping(wxTextCtrl* field, int limit) {
    field->Bind(wxEVT_CHAR, [field, limit](wxKeyEvent& key) {
        wxChar typed = key.GetUnicodeKey();
        // Shift only chooses the character; Ctrl and Alt make the key a command that adds none.
        bool adds = typed != WXK_NONE && typed >= ' ' && typed != WXK_DELETE && !key.HasModifiers();
        // The selection is replaced by what is typed.
        size_t kept = FieldLength(field->GetValue().utf8_string()) -
                      FieldLength(field->GetStringSelection().utf8_string());
        if (adds && kept >= static_cast<size_t>(limit)) {
            wxBell();
            return;
        }
        key.Skip();
    });
}
