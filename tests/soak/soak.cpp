// Runs the real screens on the real engine for many passes, changing screen
// at a steady rate, and reports how resident memory moved after a warm-up.
// usage: korvane_soak [--no-memory-limit] PASSES CHANGES PICTURE_FOLDER
// Fails when memory grew by 1 MiB or more (unless told not to, as under
// valgrind, whose own bookkeeping grows), or when a change did not show.

#include "gameengine.h"
#include "introstate.h"
#include "sdl_helpers.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

long ResidentKiB() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void Press(SDLKey key) {
    SDL_Event event = KeyEvent(SDL_KEYDOWN, key);
    SDL_PushEvent(&event);
}

} // namespace

int main(int argc, char* argv[]) {
    const bool memoryLimit = !(argc > 1 && std::strcmp(argv[1], "--no-memory-limit") == 0);
    argc -= !memoryLimit, argv += !memoryLimit;
    if (argc != 4 || std::atol(argv[1]) <= 0 || std::atol(argv[2]) <= 0 || chdir(argv[3]) != 0) {
        std::fprintf(stderr, "usage: korvane_soak [--no-memory-limit] PASSES CHANGES PICTURE_FOLDER\n");
        return 2;
    }
    const long passes = std::atol(argv[1]);
    const long changes = std::atol(argv[2]);
    const long passesPerChange = passes / changes > 0 ? passes / changes : 1;
    const long warmUp = passes / 10;

    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    CGameEngine game;
    game.Init("Soak", 480, 272, 16, false);
    if (!game.screen) {
        std::fprintf(stderr, "korvane_soak: cannot open a window: %s\n", SDL_GetError());
        game.Cleanup();
        return 1;
    }
    game.ChangeState(&introState);

    long served = 0, seen = 0, warmKiB = 0;
    Uint32 shown = 0;
    for (long pass = 0; pass < passes && game.Running(); ++pass) {
        if ((pass + 1) % passesPerChange == 0 && served < changes) {
            Press(served % 2 == 0 ? SDLK_SPACE : SDLK_ESCAPE); // to the menu and back
            ++served;
        }
        game.HandleEvents();
        game.Update();
        game.Draw();
        const Uint32 pixel = PixelAt(game.screen, 0, 0);
        seen += pass > 0 && pixel != shown;
        shown = pixel;
        if (pass + 1 == warmUp) {
            warmKiB = ResidentKiB();
        }
    }
    const long endKiB = ResidentKiB();
    game.Cleanup();

    std::printf("passes %ld, screen changes %ld, resident after warm-up %ld KiB, at the end %ld KiB, "
                "growth %ld KiB\n",
                passes, seen, warmKiB, endKiB, endKiB - warmKiB);
    if (seen != changes) {
        std::fprintf(stderr, "korvane_soak: %ld screen changes showed, %ld were asked for\n", seen, changes);
        return 1;
    }
    if (memoryLimit && endKiB - warmKiB >= 1024) {
        std::fprintf(stderr, "korvane_soak: resident memory grew by 1 MiB or more\n");
        return 1;
    }
    return 0;
}
