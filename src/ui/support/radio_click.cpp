#include "ui/support/radio_click.h"

#include <memory>
#include <wx/radiobut.h>

void OnRadioClick(wxRadioButton* radio, std::function<void()> action) {
    auto checkedAtPress = std::make_shared<bool>(false);
    radio->Bind(wxEVT_RADIOBUTTON, [action](wxCommandEvent&) { action(); });
    radio->Bind(wxEVT_LEFT_DOWN, [radio, checkedAtPress](wxMouseEvent& press) {
        *checkedAtPress = radio->GetValue();
        press.Skip();
    });
    radio->Bind(wxEVT_LEFT_UP, [radio, checkedAtPress, action](wxMouseEvent& release) {
        release.Skip();
        // A button released elsewhere was not clicked; the action waits until the toolkit has had the
        // release, as it would after a change.
        if (*checkedAtPress && wxRect(radio->GetClientSize()).Contains(release.GetPosition()))
            radio->CallAfter(action);
        *checkedAtPress = false;
    });
}
