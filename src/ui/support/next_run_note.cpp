#include "ui/support/next_run_note.h"

#include "schedule/schedule_lock.h"

#include <wx/stattext.h>

void AddNextRunNote(wxWindow& dialog, int x, int y, int width, int height) {
    wxSize size = dialog.ConvertDialogToPixels(wxSize(width, height));
    auto* note = new wxStaticText(&dialog, IDC_NEXT_RUN_NOTE, wxString::FromUTF8(NextRunNote()),
                                  dialog.ConvertDialogToPixels(wxPoint(x, y)), size);
    note->Wrap(size.GetWidth());
}
