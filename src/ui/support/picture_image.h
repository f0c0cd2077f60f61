#pragma once

#include <optional>
#include <wx/image.h>

// One of the program's own pictures (resources/pictures.h) as an image; none for an unknown id.
std::optional<wxImage> PictureImage(int id);
