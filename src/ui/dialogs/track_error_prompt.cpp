#include "ui/dialogs/track_error_prompt.h"

#include "ui/dialogs/dlg_track_error.h"

#include <wx/utils.h>

std::string TrackErrorPrompt::AskTrackName(int itemNumber, const std::string& trackId,
                                           const std::string& simulatorName) {
    CDlgTrackError dialog(itemNumber, trackId, simulatorName, wxGetActiveWindow());
    dialog.ShowModal();
    return dialog.TrackName();
}
