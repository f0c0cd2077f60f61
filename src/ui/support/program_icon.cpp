#include "ui/support/program_icon.h"

#include "resources/pictures.h"
#include "ui/support/picture_image.h"

#include <wx/bitmap.h>

wxIcon ProgramIcon() {
    std::optional<wxImage> image = PictureImage(IDI_QUORVA);
    if (!image)
        return wxIcon();
    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap(*image));
    return icon;
}
