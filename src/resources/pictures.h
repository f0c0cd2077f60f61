#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The program's own pictures, drawn by the program itself: bitmap 140 is the main dialog's 800 x 600
// background (an oval under a light sky), icon 128 the program's 32 x 32 icon (a chequered flag), bitmap
// 130 the folder browser's fifteen 17 x 16 item pictures side by side (white is transparent).
enum PictureId { IDB_BACKGROUND = 140, IDI_QUORVA = 128, IDB_FOLDER_ITEMS = 130 };

// A picture of up to 256 colours: one colour index a pixel, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> colours; // 0x00RRGGBB
    std::vector<std::uint8_t> pixels;   // width x height indexes into colours
};

// The picture of that id; none for an id the program has no picture for.
std::optional<Picture> LoadPicture(int id);
