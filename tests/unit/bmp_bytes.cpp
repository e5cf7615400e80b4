#include "bmp_bytes.h"

namespace {

void Put(std::string& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += char((value >> (8 * i)) & 0xFF);
    }
}

std::string Pixels(const BmpLayout& layout, size_t room) {
    std::string pixels;
    const int64_t width = layout.width < 0 ? -int64_t(layout.width) : layout.width;
    const int64_t height = layout.height < 0 ? -int64_t(layout.height) : layout.height;
    if (layout.rle8) {
        for (int64_t y = 0; y < height; ++y) {
            for (int64_t x = 0; x < width; x += 255) {
                Put(pixels, width - x < 255 ? width - x : 255, 1);
                Put(pixels, 0x80, 1);
            }
            Put(pixels, 0, 2); // end of line
        }
        Put(pixels, 0x0100, 2); // end of picture
        return pixels;
    }
    const int64_t rowBytes = (width * layout.bitsPerPixel / 8 + 3) / 4 * 4;
    const int64_t size = rowBytes * height;
    return std::string(size_t(size) < room ? size_t(size) : room, char(0x80));
}

} // namespace

std::string BmpBytes(const BmpLayout& layout) {
    const bool masks = layout.bitsPerPixel == 16 || layout.bitsPerPixel == 32;
    const uint32_t infoSize = masks ? 108 : 40; // a V4 header carries the colour masks
    const uint32_t paletteSize = layout.bitsPerPixel == 8 ? 256 * 4 : 0;
    const uint32_t start = 14 + infoSize + paletteSize;
    const std::string pixels = Pixels(layout, layout.length > start ? layout.length - start : 0);

    std::string out = "BM";
    Put(out, start + pixels.size(), 4);
    Put(out, 0, 4);
    Put(out, layout.pixelOffset < 0 ? start : uint64_t(layout.pixelOffset), 4);

    Put(out, infoSize, 4);
    Put(out, uint32_t(layout.width), 4);
    Put(out, uint32_t(layout.height), 4);
    Put(out, 1, 2);
    Put(out, layout.bitsPerPixel, 2);
    Put(out, layout.rle8 ? 1 : masks ? 3 : 0, 4); // BI_RLE8, BI_BITFIELDS or BI_RGB
    Put(out, pixels.size(), 4);
    Put(out, 2835, 4);
    Put(out, 2835, 4);
    Put(out, paletteSize / 4, 4);
    Put(out, 0, 4);
    if (masks) {
        if (layout.bitsPerPixel == 16) {
            Put(out, 0xF800, 4), Put(out, 0x07E0, 4), Put(out, 0x001F, 4), Put(out, 0, 4);
        } else {
            Put(out, 0x00FF0000, 4), Put(out, 0x0000FF00, 4), Put(out, 0x000000FF, 4),
                Put(out, 0xFF000000, 4);
        }
        Put(out, 0x73524742, 4); // LCS_sRGB
        out.append(48, '\0');    // endpoints and gamma, unused with sRGB
    }
    for (uint32_t i = 0; i < paletteSize / 4; ++i) {
        Put(out, i | i << 8 | i << 16, 4);
    }
    out += pixels;
    return out.substr(0, layout.length);
}
