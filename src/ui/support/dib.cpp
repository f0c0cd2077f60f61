#include "ui/support/dib.h"

#include "resources/pictures.h"

#include <wx/dc.h>
#include <wx/image.h>

namespace {

constexpr size_t headerSize = 40;

void PutWord(std::vector<std::uint8_t>& bytes, size_t offset, std::uint32_t value, int size) {
    for (int k = 0; k < size; ++k)
        bytes[offset + static_cast<size_t>(k)] = static_cast<std::uint8_t>(value >> (8 * k));
}

size_t RowBytes(int width, int bitCount) {
    return static_cast<size_t>((bitCount * width + 31) / 32 * 4);
}

} // namespace

bool CDib::LoadResource(int id) {
    std::optional<Picture> picture = LoadPicture(id);
    if (!picture)
        return false;
    const int bitCount = 8;
    size_t row = RowBytes(picture->width, bitCount);
    m_info.assign(headerSize + 4 * picture->colours.size(), 0);
    PutWord(m_info, 0, headerSize, 4);
    PutWord(m_info, 4, static_cast<std::uint32_t>(picture->width), 4);
    PutWord(m_info, 8, static_cast<std::uint32_t>(picture->height), 4);
    PutWord(m_info, 12, 1, 2);
    PutWord(m_info, 14, bitCount, 2);
    PutWord(m_info, 20, static_cast<std::uint32_t>(row * static_cast<size_t>(picture->height)), 4);
    // The colour table holds the picture's own colours, which may be fewer than 256.
    PutWord(m_info, 32, static_cast<std::uint32_t>(picture->colours.size()), 4);
    for (size_t k = 0; k < picture->colours.size(); ++k) {
        std::uint32_t rgb = picture->colours[k];
        m_info[headerSize + 4 * k] = static_cast<std::uint8_t>(rgb);
        m_info[headerSize + 4 * k + 1] = static_cast<std::uint8_t>(rgb >> 8);
        m_info[headerSize + 4 * k + 2] = static_cast<std::uint8_t>(rgb >> 16);
    }
    m_bits.assign(row * static_cast<size_t>(picture->height), 0);
    for (int y = 0; y < picture->height; ++y) {
        const std::uint8_t* source = &picture->pixels[static_cast<size_t>(y * picture->width)];
        std::copy(source, source + picture->width,
                  &m_bits[row * static_cast<size_t>(picture->height - 1 - y)]);
    }
    m_fromFile = false;
    CreatePalette();
    return true;
}

bool CDib::CreatePalette() {
    m_palette.reset();
    if (m_info.empty() || BitCount() > 8)
        return false;
    std::vector<std::uint32_t> entries;
    const std::uint8_t* table = ColourTable();
    for (int k = 0; k < NumColours(); ++k)
        entries.push_back(static_cast<std::uint32_t>(table[4 * k + 2]) << 16 | table[4 * k + 1] << 8 |
                          table[4 * k]);
    m_palette = entries;
    return true;
}

std::uint32_t CDib::HeaderWord(size_t offset) const {
    if (m_info.size() < headerSize)
        return 0;
    return static_cast<std::uint32_t>(m_info[offset] | m_info[offset + 1] << 8 | m_info[offset + 2] << 16 |
                                      m_info[offset + 3] << 24);
}

int CDib::Width() const {
    return static_cast<int>(HeaderWord(4));
}

int CDib::Height() const {
    return static_cast<int>(HeaderWord(8));
}

int CDib::BitCount() const {
    return m_info.size() < headerSize ? 0 : m_info[14] | m_info[15] << 8;
}

int CDib::NumColours() const {
    std::uint32_t used = HeaderWord(32);
    return used != 0 ? static_cast<int>(used) : BitCount() <= 8 ? 1 << BitCount() : 0;
}

const std::uint8_t* CDib::ColourTable() const {
    return m_info.size() > headerSize ? &m_info[headerSize] : nullptr;
}

wxImage CDib::ToImage() const {
    int width = Width(), height = Height();
    wxImage image(width, height, false);
    unsigned char* rgb = image.GetData();
    size_t row = RowBytes(width, BitCount());
    const std::uint8_t* table = ColourTable();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* source = &m_bits[row * static_cast<size_t>(height - 1 - y)];
        for (int x = 0; x < width; ++x, rgb += 3) {
            const std::uint8_t* colour = table + 4 * source[x];
            rgb[0] = colour[2];
            rgb[1] = colour[1];
            rgb[2] = colour[0];
        }
    }
    return image;
}

void CDib::Paint(wxDC& dc, int x, int y, int sourceX, int sourceY, int width, int height) const {
    if (m_bits.empty())
        return;
    dc.DrawBitmap(wxBitmap(ToImage().GetSubImage(wxRect(sourceX, sourceY, width, height))), x, y);
}

void CDib::Stretch(wxDC& dc, int x, int y, int width, int height) const {
    if (m_bits.empty() || width <= 0 || height <= 0)
        return;
    dc.DrawBitmap(wxBitmap(ToImage().Scale(width, height, wxIMAGE_QUALITY_NEAREST)), x, y);
}

void CDib::Draw(wxDC& dc, int x, int y) const {
    Stretch(dc, x, y, Width(), Height());
}
