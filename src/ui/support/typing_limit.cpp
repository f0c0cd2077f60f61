#include "ui/support/typing_limit.h"

#include <wx/textctrl.h>

void LimitTyping(wxTextCtrl* field, int limit) {
    field->Bind(wxEVT_CHAR, [field, limit](wxKeyEvent& key) {
        wxChar typed = key.GetUnicodeKey();
        bool adds = typed != WXK_NONE && typed >= ' ' && typed != WXK_DELETE && !key.HasAnyModifiers();
        long from = 0, to = 0;
        field->GetSelection(&from, &to);
        if (adds &&
            field->GetValue().length() - static_cast<size_t>(to - from) >= static_cast<size_t>(limit)) {
            wxBell();
            return;
        }
        key.Skip();
    });
}
