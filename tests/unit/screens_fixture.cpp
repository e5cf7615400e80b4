#include "screens_fixture.h"

#include "introstate.h"
#include "sdl_helpers.h"
#include "sdl_spy.h"

#include <unistd.h>

#include <cstdio>
#include <sstream>
#include <vector>

void WritePicture(const char* file, int width, int height, Colour colour) {
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 16, 0xF800, 0x07E0, 0x001F, 0);
    ASSERT_NE(picture, nullptr) << SDL_GetError();
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, colour.r, colour.g, colour.b));
    ASSERT_EQ(SDL_SaveBMP_RW(picture, __real_SDL_RWFromFile(file, "wb"), 1), 0) << SDL_GetError();
    __real_SDL_FreeSurface(picture);
}

void Queue(const std::string& events) {
    std::istringstream words(events);
    for (std::string word; words >> word;) {
        SDL_Event event{};
        auto key = [&](Uint8 type, SDLKey sym, SDLMod mod) { event = KeyEvent(type, sym, mod); };
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

void ScreensTest::SetUp() {
    char folderTemplate[] = "/tmp/korvane-screens-XXXXXX";
    ASSERT_NE(mkdtemp(folderTemplate), nullptr);
    folder = folderTemplate;
    ASSERT_NE(getcwd(startFolder, sizeof startFolder), nullptr);
    ASSERT_EQ(chdir(folder.c_str()), 0);
    WritePicture("intro.bmp", 480, 272, introColour);
    WritePicture("menu.bmp", 480, 272, menuColour);

    spy::Reset();
    Start();
}

void ScreensTest::Restart() {
    game.Cleanup();
    Start();
}

void ScreensTest::Start() {
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
void ScreensTest::TearDown() {
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
void ScreensTest::Pass() {
    game.HandleEvents();
    game.Update();
    game.Draw();
}

bool ScreensTest::ShowsAt(int x, int y, Colour colour) {
    return PixelAt(game.screen, x, y) == SDL_MapRGB(game.screen->format, colour.r, colour.g, colour.b);
}

// 'I' for the intro picture, 'M' for the menu's, 'K' for a black window.
char ScreensTest::Shown() {
    for (auto [letter, colour] : {std::pair{'I', introColour}, {'M', menuColour}, {'K', black}}) {
        if (ShowsAt(0, 0, colour) && ShowsAt(479, 271, colour)) {
            return letter;
        }
    }
    return '?';
}
