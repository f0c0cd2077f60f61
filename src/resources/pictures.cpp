#include "resources/pictures.h"

#include <algorithm>
#include <cmath>

namespace {

// Colour ranges of the palette: a light sky and light asphalt (the dialogs' black labels stand on
// them), and the red of the racing stripes, lines and flag.
constexpr int skyFirst = 0, skyCount = 128;
constexpr int asphaltFirst = 128, asphaltCount = 64;
constexpr int stripeFirst = 192, stripeCount = 32;
constexpr int white = 224, black = 225, yellow = 226;

std::uint32_t Blend(std::uint32_t from, std::uint32_t to, double share) {
    auto channel = [&](int shift) {
        double a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        return static_cast<std::uint32_t>(std::lround(a + (b - a) * share)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

std::vector<std::uint32_t> Palette() {
    std::vector<std::uint32_t> colours(256, 0);
    for (int k = 0; k < skyCount; ++k)
        colours[skyFirst + k] = Blend(0x7FB2E5, 0xE8F1FA, k / double(skyCount - 1));
    for (int k = 0; k < asphaltCount; ++k)
        colours[asphaltFirst + k] = Blend(0x9A9FA6, 0xC4C8CD, k / double(asphaltCount - 1));
    for (int k = 0; k < stripeCount; ++k)
        colours[stripeFirst + k] = Blend(0xB71C1C, 0xFF8A50, k / double(stripeCount - 1));
    colours[white] = 0xF4F4F4;
    colours[black] = 0x15171A;
    colours[yellow] = 0xFFD54F;
    return colours;
}

int Index(int first, int count, double share) {
    return first + std::clamp(static_cast<int>(share * count), 0, count - 1);
}

Picture Background() {
    Picture picture{800, 600, Palette(), std::vector<std::uint8_t>(800 * 600)};
    const double cx = 400, cy = 330;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            int colour = Index(skyFirst, skyCount, y / 600.0);
            // The oval: a ring of asphalt between two ellipses, lit from the top, with white edge lines.
            double outer = std::hypot((x - cx) / 360.0, (y - cy) / 215.0);
            double inner = std::hypot((x - cx) / 270.0, (y - cy) / 140.0);
            if (outer <= 1.0 && inner >= 1.0) {
                colour = Index(asphaltFirst, asphaltCount, 0.25 + 0.6 * (1.0 - y / 600.0));
                if (outer > 0.99 || inner < 1.012)
                    colour = white;
            }
            // Three racing stripes sweeping across the sky.
            for (int stripe = 0; stripe < 3; ++stripe) {
                double middle = 70 + stripe * 22 + 0.00035 * (x - 520) * (x - 520);
                if (std::abs(y - middle) < 6 - stripe * 1.5)
                    colour = Index(stripeFirst, stripeCount, x / 800.0);
            }
            // The start line across the front straight, clear of the labels in the middle, and a
            // chequered band along the foot.
            if (x >= 596 && x < 604 && y > cy && outer <= 1.0 && inner >= 1.0)
                colour = ((y / 4) % 2 == 0) ? white : black;
            if (y >= 570)
                colour = ((x / 15 + (y - 570) / 15) % 2 == 0) ? white : black;
            if (y == 569)
                colour = yellow;
            picture.pixels[static_cast<size_t>(y) * 800 + static_cast<size_t>(x)] =
                static_cast<std::uint8_t>(colour);
        }
    }
    return picture;
}

Picture Icon() {
    Picture picture{32, 32, Palette(), std::vector<std::uint8_t>(32 * 32)};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            picture.pixels[static_cast<size_t>(y * 32 + x)] =
                static_cast<std::uint8_t>(((x / 8 + y / 8) % 2 == 0) ? white : black);
    return picture;
}

// The folder browser's item pictures: fifteen pictures of 17 x 16 side by side, on white, which the
// tree takes as transparent.
enum ItemColour : std::uint8_t {
    clear,
    outline,
    folder,
    folderShade,
    metal,
    metalShade,
    metalLight,
    lamp,
    sea,
    seaLight,
    chip,
    disc,
};

class ItemCanvas {
public:
    ItemCanvas() : m_picture{255, 16, ItemPalette(), std::vector<std::uint8_t>(255 * 16, clear)} {}

    void Fill(int item, int left, int top, int right, int bottom, std::uint8_t colour) {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                Set(item, x, y, colour);
    }
    // A filled rectangle with an outline.
    void Box(int item, int left, int top, int right, int bottom, std::uint8_t colour) {
        Fill(item, left, top, right, bottom, outline);
        Fill(item, left + 1, top + 1, right - 1, bottom - 1, colour);
    }
    void Disc(int item, double cx, double cy, double radius, std::uint8_t colour) {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 17; ++x)
                if (std::hypot(x - cx, y - cy) <= radius)
                    Set(item, x, y, colour);
    }
    Picture Take() { return std::move(m_picture); }

private:
    static std::vector<std::uint32_t> ItemPalette() {
        std::vector<std::uint32_t> colours = {0xFFFFFF, 0x202020, 0xF2C14E, 0xB8860B, 0xA8A8A8, 0x686868,
                                              0xDADADA, 0x3CB043, 0x3A78C3, 0x9CC3F0, 0x2E7D32, 0xC8C8D8};
        colours.resize(16, 0x202020);
        return colours;
    }
    void Set(int item, int x, int y, std::uint8_t colour) {
        if (x >= 0 && x < 17 && y >= 0 && y < 16)
            m_picture.pixels[static_cast<size_t>(y) * 255 + static_cast<size_t>(item * 17 + x)] = colour;
    }

    Picture m_picture;
};

void DrawFolder(ItemCanvas& canvas, int item, bool open) {
    canvas.Box(item, 1, 2, 7, 5, folder);
    canvas.Box(item, 1, 4, 15, 13, folder);
    if (open)
        canvas.Box(item, 4, 7, 16, 13, folderShade);
}

void DrawDrive(ItemCanvas& canvas, int item, int top, int bottom) {
    canvas.Box(item, 1, top, 15, bottom, metal);
    canvas.Fill(item, 2, top + 1, 14, top + 1, metalLight);
    canvas.Fill(item, 12, bottom - 2, 13, bottom - 2, lamp);
}

Picture ItemPictures() {
    ItemCanvas canvas;
    DrawFolder(canvas, 0, true);
    DrawFolder(canvas, 1, false);
    DrawDrive(canvas, 2, 5, 11); // removable: a slot across the front
    canvas.Fill(2, 3, 8, 10, 8, outline);
    DrawDrive(canvas, 3, 5, 11); // fixed
    DrawDrive(canvas, 4, 3, 9);  // remote: a fixed drive on a cable
    canvas.Fill(4, 8, 10, 8, 13, sea);
    canvas.Fill(4, 2, 13, 14, 13, sea);
    canvas.Disc(5, 8, 8, 6.5, outline); // CD-ROM
    canvas.Disc(5, 8, 8, 5.5, disc);
    canvas.Disc(5, 8, 8, 1.5, clear);
    canvas.Box(6, 1, 4, 15, 11, chip); // RAM disk: a board with chips
    for (int x = 3; x <= 11; x += 4)
        canvas.Fill(6, x, 6, x + 2, 9, outline);
    for (int item = 7; item < 15; ++item) { // the network: a globe, its domains, servers and the rest
        canvas.Disc(item, 8, 8, 7, outline);
        canvas.Disc(item, 8, 8, 6, item == 7 ? sea : seaLight);
    }
    canvas.Fill(7, 2, 8, 14, 8, seaLight);
    canvas.Fill(7, 8, 2, 8, 14, seaLight);
    canvas.Box(9, 5, 2, 11, 14, metal); // a server: a tower before its globe
    canvas.Fill(9, 6, 4, 10, 4, metalShade);
    canvas.Fill(9, 6, 6, 10, 6, metalShade);
    DrawFolder(canvas, 10, false); // a share: a folder on the network
    canvas.Fill(10, 8, 14, 8, 15, sea);
    return canvas.Take();
}

} // namespace

std::optional<Picture> LoadPicture(int id) {
    switch (id) {
    case IDB_BACKGROUND:
        return Background();
    case IDI_QUORVA:
        return Icon();
    case IDB_FOLDER_ITEMS:
        return ItemPictures();
    default:
        return std::nullopt;
    }
}
