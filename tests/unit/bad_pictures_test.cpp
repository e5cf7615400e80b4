#include "bmp_bytes.h"
#include "screens_fixture.h"
#include "sdl_spy.h"

#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <random>

namespace {

void WriteFile(const char* file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

std::string RandomBytes(size_t count) {
    std::mt19937 random(7);
    std::string bytes;
    for (size_t i = 0; i < count; ++i) {
        bytes += char(random());
    }
    return bytes;
}

// A small good picture, changed in one way.
std::string Bmp(void (*change)(BmpLayout&)) {
    BmpLayout layout;
    change(layout);
    return BmpBytes(layout);
}

struct BadPicture {
    const char* name;
    std::function<void(const char* file)> make;
    bool loads; // whether it is read as a picture
};

void PrintTo(const BadPicture& picture, std::ostream* out) { *out << picture.name; }

auto Writes(std::string bytes) {
    return [bytes](const char* file) { WriteFile(file, bytes); };
}

const BadPicture badPictures[] = {
    {"Missing", [](const char* file) { std::remove(file); }, false},
    {"Directory", [](const char* file) { std::remove(file), mkdir(file, 0755); }, false},
    {"Empty", Writes(""), false},
    {"RandomBytesAfterMagic", Writes("BM" + RandomBytes(4000)), false},
    {"WrongMagic", Writes("XY" + BmpBytes({}).substr(2)), false},
    {"HeaderCutShort", Writes(Bmp([](BmpLayout& bmp) { bmp.length = 30; })), false},
    {"PixelsCutShort", Writes(Bmp([](BmpLayout& bmp) { bmp.length = 100; })), false},
    {"AbsurdSize", Writes(Bmp([](BmpLayout& bmp) { bmp.width = bmp.height = 200000, bmp.length = 4096; })),
     false},
    {"AbsurdSizeRunLengthEncoded", Writes(Bmp([](BmpLayout& bmp) {
         bmp.width = bmp.height = 100000, bmp.bitsPerPixel = 8, bmp.rle8 = true, bmp.length = 4096;
     })),
     false},
    {"NegativeWidth", Writes(Bmp([](BmpLayout& bmp) { bmp.width = -8; })), false},
    {"PixelOffsetPastTheEnd", Writes(Bmp([](BmpLayout& bmp) { bmp.pixelOffset = 1 << 30; })), false},
    {"Palette8Bit", Writes(Bmp([](BmpLayout& bmp) { bmp.bitsPerPixel = 8; })), true},
    {"RunLengthEncoded",
     Writes(Bmp([](BmpLayout& bmp) { bmp.width = 300, bmp.bitsPerPixel = 8, bmp.rle8 = true; })), true},
    {"Alpha32Bit", Writes(Bmp([](BmpLayout& bmp) { bmp.bitsPerPixel = 32; })), true},
    {"TopDown", Writes(Bmp([](BmpLayout& bmp) { bmp.height = -8; })), true},
    {"OnePixel", Writes(Bmp([](BmpLayout& bmp) { bmp.width = bmp.height = 1; })), true},
    {"FarLargerThanTheWindow", Writes(Bmp([](BmpLayout& bmp) { bmp.width = 4000, bmp.height = 3000; })),
     true},
};

class BadPictures : public ScreensTest, public testing::WithParamInterface<BadPicture> {};

// Each bad file stands in for the menu's picture through two visits: the run
// goes on, the keys still work, and every failed read names the file.
TEST_P(BadPictures, AreSurvived) {
    GetParam().make("menu.bmp");
    testing::internal::CaptureStderr();
    Queue("SPACE ESCAPE SPACE ESCAPE ESCAPE");
    int passes = 0;
    std::string shown;
    while (game.Running() && passes < 10) {
        Pass();
        shown += Shown();
        ++passes;
    }
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(game.Running());
    EXPECT_EQ(passes, 5);
    EXPECT_EQ(shown[1], 'I') << shown; // back on the intro after each visit
    EXPECT_EQ(shown[3], 'I') << shown;
    const std::string failed = "korvane: cannot load \"menu.bmp\": ";
    const size_t first = messages.find(failed);
    if (GetParam().loads) {
        EXPECT_EQ(first, std::string::npos) << messages;
        EXPECT_EQ(spy::pictures.loads, 5) << "every visit read its picture";
    } else {
        ASSERT_NE(first, std::string::npos) << messages;
        EXPECT_NE(messages.find(failed, first + 1), std::string::npos) << "each visit reports: " << messages;
        EXPECT_EQ(shown.substr(0, 3), "KIK") << "a screen without its picture shows black";
        EXPECT_EQ(spy::pictures.loads, 3);
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, BadPictures, testing::ValuesIn(badPictures),
                         [](const testing::TestParamInfo<BadPicture>& info) { return info.param.name; });

} // namespace
