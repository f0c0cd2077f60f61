#include "ui/support/typing_limit.h"

#include "platform/windows_1252.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/textctrl.h>

namespace {

// How many more characters the field takes: what is selected is replaced by what comes.
size_t Room(wxTextCtrl* field, int limit) {
    size_t kept = StoredLength(field->GetValue().utf8_string()) -
                  StoredLength(field->GetStringSelection().utf8_string());
    return kept >= static_cast<size_t>(limit) ? 0 : static_cast<size_t>(limit) - kept;
}

wxString ClipboardText() {
    wxTextDataObject text;
    if (!wxTheClipboard->Open())
        return "";
    bool got = wxTheClipboard->GetData(text);
    wxTheClipboard->Close();
    return got ? text.GetText() : "";
}

} // namespace

void LimitTyping(wxTextCtrl* field, int limit) {
    field->Bind(wxEVT_CHAR, [field, limit](wxKeyEvent& key) {
        wxChar typed = key.GetUnicodeKey();
        // Shift only chooses the character; Ctrl and Alt make the key a command that adds none.
        bool adds = typed != WXK_NONE && typed >= ' ' && typed != WXK_DELETE && !key.HasModifiers();
        if (adds && Room(field, limit) == 0) {
            wxBell();
            return;
        }
        key.Skip();
    });
    // A pasted text is cut where typing would have stopped.
    field->Bind(wxEVT_TEXT_PASTE, [field, limit](wxClipboardTextEvent& paste) {
        std::string pasted = ClipboardText().utf8_string();
        size_t room = Room(field, limit);
        if (StoredLength(pasted) <= room) {
            paste.Skip();
            return;
        }
        wxBell();
        field->WriteText(wxString::FromUTF8(StoredPrefix(pasted, room)));
    });
}
