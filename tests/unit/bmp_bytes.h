#ifndef KORVANE_TESTS_BMP_BYTES_H
#define KORVANE_TESTS_BMP_BYTES_H

// Builds BMP files byte by byte, so that tests can make well-formed pictures
// of any depth and also every way of getting one wrong.

#include <cstddef>
#include <cstdint>
#include <string>

struct BmpLayout {
    int32_t width = 8;
    int32_t height = 8;
    uint16_t bitsPerPixel = 24; // 8 (with a grey palette), 16 (RGB565), 24 or 32 (with alpha)
    bool rle8 = false;          // run-length encoded; needs 8 bits per pixel
    int64_t pixelOffset = -1;   // where the header says the pixels start; -1: where they do
    size_t length = SIZE_MAX;   // where the file ends, if before its last pixel
};

// A complete file: headers, palette or masks, and pixels of one colour index or
// grey level.
std::string BmpBytes(const BmpLayout& layout);

#endif
