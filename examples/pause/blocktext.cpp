#include "blocktext.h"

#include <cstring>

namespace {

struct Glyph {
    char letter;
    Uint8 rows[7]; // five dots a row, the leftmost in bit 4
};

const Glyph glyphs[] = {
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}}, {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
    {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}}, {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
};

const Glyph* Find(char letter) {
    for (const Glyph& glyph : glyphs) {
        if (glyph.letter == letter) {
            return &glyph;
        }
    }
    return nullptr; // drawn as a space
}

} // namespace

void DrawBlockText(SDL_Surface* surface, const char* text, int y, int scale, Uint32 colour) {
    const int advance = 6 * scale;
    int x = (surface->w - int(std::strlen(text)) * advance + scale) / 2;
    for (const char* letter = text; *letter; ++letter, x += advance) {
        const Glyph* glyph = Find(*letter);
        for (int row = 0; glyph && row < 7; ++row) {
            for (int column = 0; column < 5; ++column) {
                if (glyph->rows[row] & (0x10 >> column)) {
                    SDL_Rect dot{Sint16(x + column * scale), Sint16(y + row * scale), Uint16(scale),
                                 Uint16(scale)};
                    SDL_FillRect(surface, &dot, colour);
                }
            }
        }
    }
}
