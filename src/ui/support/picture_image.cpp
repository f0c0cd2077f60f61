#include "ui/support/picture_image.h"

#include "resources/pictures.h"

std::optional<wxImage> PictureImage(int id) {
    std::optional<Picture> picture = LoadPicture(id);
    if (!picture)
        return std::nullopt;
    wxImage image(picture->width, picture->height, false);
    unsigned char* rgb = image.GetData();
    for (std::uint8_t index : picture->pixels) {
        std::uint32_t colour = picture->colours[index];
        *rgb++ = static_cast<unsigned char>(colour >> 16);
        *rgb++ = static_cast<unsigned char>(colour >> 8);
        *rgb++ = static_cast<unsigned char>(colour);
    }
    return image;
}
