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

} // namespace

std::optional<Picture> LoadPicture(int id) {
    switch (id) {
    case IDB_BACKGROUND:
        return Background();
    case IDI_QUORVA:
        return Icon();
    default:
        return std::nullopt;
    }
}
