#pragma once

#include <cstdint>
#include <optional>
#include <vector>

class wxDC;
class wxImage;

// A device-independent picture: a 40-byte information header and its colour table (blue, green, red,
// reserved a colour), and the pixel rows bottom-up, each padded to a multiple of four bytes. Drawn
// straight from the rows every time.
class CDib {
public:
    virtual ~CDib() = default;

    // Copies pixels 1:1: the source rectangle of the picture to the destination's top left.
    virtual void Paint(wxDC& dc, int x, int y, int sourceX, int sourceY, int width, int height) const;
    // The whole picture scaled into the rectangle; rows and columns that fall out are dropped.
    virtual void Stretch(wxDC& dc, int x, int y, int width, int height) const;
    virtual void Draw(wxDC& dc, int x, int y) const;

    // Takes one of the program's own pictures (resources/pictures.h); false when there is none.
    bool LoadResource(int id);
    // The palette exists for pictures of 8 bits a pixel or fewer.
    bool CreatePalette();

    int Width() const;
    int Height() const;
    int BitCount() const;
    int NumColours() const;
    const std::uint8_t* ColourTable() const;
    const std::vector<std::uint8_t>& Bits() const { return m_bits; }
    const std::optional<std::vector<std::uint32_t>>& Palette() const { return m_palette; }

private:
    std::uint32_t HeaderWord(size_t offset) const;
    // The picture as wx image rows, top row first.
    wxImage ToImage() const;

    std::vector<std::uint8_t> m_info;
    std::vector<std::uint8_t> m_bits;
    std::optional<std::vector<std::uint32_t>> m_palette;
    bool m_fromFile = false;
};
