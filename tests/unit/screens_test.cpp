#include "gameengine.h"
#include "introstate.h"
#include "sdl_spy.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Colour {
    Uint8 r, g, b;
};
const Colour introColour{255, 0, 0};
const Colour menuColour{0, 0, 255};
const Colour black{0, 0, 0};

// Writes a BMP of one colour, stored as RGB565 like the shipped pictures.
void WritePicture(const char* file, int width, int height, Colour colour) {
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 16, 0xF800, 0x07E0, 0x001F, 0);
    ASSERT_NE(picture, nullptr) << SDL_GetError();
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, colour.r, colour.g, colour.b));
    ASSERT_EQ(SDL_SaveBMP_RW(picture, __real_SDL_RWFromFile(file, "wb"), 1), 0) << SDL_GetError();
    __real_SDL_FreeSurface(picture);
}

// The real screens on the real engine, run from a folder of their own that
// holds a red "intro.bmp" and a blue "menu.bmp".
class ScreensTest : public testing::Test {
  protected:
    void SetUp() override {
        char folderTemplate[] = "/tmp/korvane-screens-XXXXXX";
        ASSERT_NE(mkdtemp(folderTemplate), nullptr);
        folder = folderTemplate;
        ASSERT_NE(getcwd(startFolder, sizeof startFolder), nullptr);
        ASSERT_EQ(chdir(folder.c_str()), 0);
        WritePicture("intro.bmp", 480, 272, introColour);
        WritePicture("menu.bmp", 480, 272, menuColour);

        spy::Reset();
        game.Init("Screens test", 480, 272, 16, false);
        ASSERT_NE(game.screen, nullptr) << SDL_GetError();
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            // whatever SDL queued while opening the window is not under test
        }
        game.ChangeState(&introState);
    }

    // Every visit's picture is freed exactly once, and two are never loaded at
    // once, whatever the case did.
    void TearDown() override {
        game.Cleanup();
        EXPECT_EQ(spy::pictures.live, 0);
        EXPECT_EQ(spy::pictures.frees, spy::pictures.loads);
        EXPECT_LE(spy::pictures.mostLive, 1);
        EXPECT_EQ(spy::pictures.faults, std::vector<std::string>{});
        std::remove("intro.bmp");
        std::remove("menu.bmp");
        EXPECT_EQ(chdir(startFolder), 0);
        rmdir(folder.c_str());
    }

    // One pass of the main loop.
    void Pass() {
        game.HandleEvents();
        game.Update();
        game.Draw();
    }

    bool ShowsAt(int x, int y, Colour colour) {
        SDL_Surface* screen = game.screen;
        SDL_LockSurface(screen);
        const Uint8* row = static_cast<const Uint8*>(screen->pixels) + y * screen->pitch;
        const Uint32 pixel = reinterpret_cast<const Uint16*>(row)[x];
        SDL_UnlockSurface(screen);
        return pixel == SDL_MapRGB(screen->format, colour.r, colour.g, colour.b);
    }

    // 'I' for the intro picture, 'M' for the menu's, 'K' for a black window.
    char Shown() {
        for (auto [letter, colour] : {std::pair{'I', introColour}, {'M', menuColour}, {'K', black}}) {
            if (ShowsAt(0, 0, colour) && ShowsAt(479, 271, colour)) {
                return letter;
            }
        }
        return '?';
    }

    CGameEngine game;
    std::string folder;
    char startFolder[4096];
};

// Queues events named like "SPACE", "shift+SPACE", "release SPACE", "ESCAPE",
// "a", "QUIT", "motion", "click", "focus", "expose".
void Queue(const std::string& events) {
    std::istringstream words(events);
    for (std::string word; words >> word;) {
        SDL_Event event{};
        auto key = [&](Uint8 type, SDLKey sym, SDLMod mod) {
            event.type = type;
            event.key.type = type;
            event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
            event.key.keysym.sym = sym;
            event.key.keysym.mod = mod;
        };
        if (word == "SPACE") {
            key(SDL_KEYDOWN, SDLK_SPACE, KMOD_NONE);
        } else if (word == "shift+SPACE") {
            key(SDL_KEYDOWN, SDLK_SPACE, KMOD_LSHIFT);
        } else if (word == "release") {
            key(SDL_KEYUP, SDLK_SPACE, KMOD_NONE); // "release SPACE"
            words >> word;
        } else if (word == "ESCAPE") {
            key(SDL_KEYDOWN, SDLK_ESCAPE, KMOD_NONE);
        } else if (word == "a") {
            key(SDL_KEYDOWN, SDLK_a, KMOD_NONE);
        } else if (word == "QUIT") {
            event.type = SDL_QUIT;
        } else if (word == "motion") {
            event.type = SDL_MOUSEMOTION;
        } else if (word == "click") {
            event.type = SDL_MOUSEBUTTONDOWN;
            event.button.button = SDL_BUTTON_LEFT;
        } else if (word == "focus") {
            event.type = SDL_ACTIVEEVENT;
            event.active.gain = 1;
        } else if (word == "expose") {
            event.type = SDL_VIDEOEXPOSE;
        } else {
            FAIL() << "unknown event " << word;
        }
        ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
    }
}

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
