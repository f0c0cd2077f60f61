#include "ui/support/program_icon.h"

#include "resources/pictures.h"

#include <wx/bitmap.h>
#include <wx/image.h>

wxIcon ProgramIcon() {
    std::optional<Picture> picture = LoadPicture(IDI_QUORVA);
    if (!picture)
        return wxIcon();
    wxImage image(picture->width, picture->height, false);
    unsigned char* rgb = image.GetData();
    for (std::uint8_t index : picture->pixels) {
        std::uint32_t colour = picture->colours[index];
        *rgb++ = static_cast<unsigned char>(colour >> 16);
        *rgb++ = static_cast<unsigned char>(colour >> 8);
        *rgb++ = static_cast<unsigned char>(colour);
    }
    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap(image));
    return icon;
}
