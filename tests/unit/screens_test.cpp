#include "screens_fixture.h"
#include "sdl_spy.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

struct KeyCase {
    const char* name;
    const char* events; // all queued before the first pass
    const char* shown;  // what each pass drew, one letter a pass
    bool running;       // after the last pass
    const char* opened; // the picture files read, in order
};

void PrintTo(const KeyCase& keys, std::ostream* out) { *out << keys.name; }

class KeySequence : public ScreensTest, public testing::WithParamInterface<KeyCase> {};

// Passes run as the main loop runs them, while the engine is running; each
// takes at most one event, served by the screen on top when it is taken.
TEST_P(KeySequence, IsServedOneEventPerPass) {
    const KeyCase& keys = GetParam();
    Queue(keys.events);
    std::string shown;
    while (game.Running() && shown.size() < std::string(keys.shown).size()) {
        Pass();
        shown += Shown();
    }
    EXPECT_EQ(shown, keys.shown);
    EXPECT_EQ(game.Running(), keys.running);
    std::string opened;
    for (const std::string& file : spy::pictures.opened) {
        opened += (opened.empty() ? "" : " ") + file;
    }
    EXPECT_EQ(opened, keys.opened);
}

const KeyCase keyCases[] = {
    {"NoEventStillDraws", "", "III", true, "intro.bmp"},
    {"SpaceShowsMenuInTheSamePass", "SPACE", "M", true, "intro.bmp menu.bmp"},
    {"EscapeOnIntroEndsAfterDrawingOnce", "ESCAPE", "I", false, "intro.bmp"},
    {"CloseOnIntroEnds", "QUIT", "I", false, "intro.bmp"},
    {"CloseOnMenuEnds", "SPACE QUIT", "MM", false, "intro.bmp menu.bmp"},
    {"SpaceThenEscapeComesBack", "SPACE ESCAPE", "MI", true, "intro.bmp menu.bmp intro.bmp"},
    {"TwoEscapesOnMenuGoBackThenEnd", "SPACE ESCAPE ESCAPE", "MII", false, "intro.bmp menu.bmp intro.bmp"},
    {"SecondSpaceIsServedByTheMenu", "SPACE SPACE", "MM", true, "intro.bmp menu.bmp"},
    {"EachVisitReadsItsFileAgain", "SPACE ESCAPE SPACE", "MIM", true,
     "intro.bmp menu.bmp intro.bmp menu.bmp"},
    {"ModifiersAreNotRead", "shift+SPACE", "M", true, "intro.bmp menu.bmp"},
    {"OtherKeysAreDropped", "a SPACE a", "IMM", true, "intro.bmp menu.bmp"},
    {"ReleaseTakesAPassOfItsOwn", "SPACE release SPACE ESCAPE", "MMI", true, "intro.bmp menu.bmp intro.bmp"},
    {"OtherEventsTakeAPassEach", "motion click focus expose SPACE", "IIIIM", true, "intro.bmp menu.bmp"},
};

INSTANTIATE_TEST_SUITE_P(Screens, KeySequence, testing::ValuesIn(keyCases),
                         [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST_F(ScreensTest, ChangedFileShowsOnTheNextVisit) {
    Pass();
    EXPECT_EQ(Shown(), 'I');
    WritePicture("intro.bmp", 480, 272, Colour{0, 255, 0});
    Queue("SPACE ESCAPE");
    Pass();
    Pass();
    EXPECT_TRUE(ShowsAt(0, 0, Colour{0, 255, 0}));
}

// A smaller picture leaves the rest of the window as it was; a larger one is
// cut off at the right and bottom edges.
TEST_F(ScreensTest, PicturesAreDrawnUnscaledFromTheTopLeft) {
    WritePicture("menu.bmp", 100, 50, menuColour);
    Pass();
    Queue("SPACE");
    Pass();
    EXPECT_TRUE(ShowsAt(0, 0, menuColour));
    EXPECT_TRUE(ShowsAt(99, 49, menuColour));
    EXPECT_TRUE(ShowsAt(100, 0, introColour));
    EXPECT_TRUE(ShowsAt(479, 271, introColour));

    WritePicture("intro.bmp", 700, 400, Colour{0, 255, 0});
    Queue("ESCAPE");
    Pass();
    EXPECT_TRUE(ShowsAt(0, 0, Colour{0, 255, 0}));
    EXPECT_TRUE(ShowsAt(479, 271, Colour{0, 255, 0}));
}

TEST_F(ScreensTest, MissingPictureIsReportedAndTheWindowClearedToBlack) {
    std::remove("menu.bmp");
    Pass();
    testing::internal::CaptureStderr();
    Queue("SPACE");
    Pass();
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(message.rfind("korvane: cannot load \"menu.bmp\": ", 0), 0u) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_EQ(Shown(), 'K');

    Queue("SPACE ESCAPE");
    Pass();
    EXPECT_EQ(Shown(), 'K');
    Pass();
    EXPECT_EQ(Shown(), 'I');
}

// The shipped pictures are in the display surface's own format, so drawing them
// is a plain copy, and they fill the window exactly.
TEST(ShippedPictures, MatchTheDisplayFormat) {
    CGameEngine game;
    game.Init("Format test", 480, 272, 16, false);
    ASSERT_NE(game.screen, nullptr) << SDL_GetError();
    const SDL_PixelFormat* display = game.screen->format;
    for (const char* file : {"intro.bmp", "menu.bmp"}) {
        const std::string path = std::string(KORVANE_DATA_DIR) + "/" + file;
        SDL_Surface* picture = SDL_LoadBMP_RW(__real_SDL_RWFromFile(path.c_str(), "rb"), 1);
        ASSERT_NE(picture, nullptr) << path << ": " << SDL_GetError();
        EXPECT_EQ(picture->w, 480) << file;
        EXPECT_EQ(picture->h, 272) << file;
        EXPECT_EQ(picture->format->BitsPerPixel, display->BitsPerPixel) << file;
        EXPECT_EQ(picture->format->Rmask, display->Rmask) << file;
        EXPECT_EQ(picture->format->Gmask, display->Gmask) << file;
        EXPECT_EQ(picture->format->Bmask, display->Bmask) << file;
        SDL_FreeSurface(picture);
    }
    game.Cleanup();
}

} // namespace
