#ifndef KORVANE_TESTS_SDL_SPY_H
#define KORVANE_TESTS_SDL_SPY_H

// Sees which SDL calls the code under test makes. The test binary is linked
// with -Wl,--wrap for each function below, so every call from our own objects
// lands in __wrap_X, which records it and forwards to the real SDL (__real_X).

#include <SDL.h>

#include <string>
#include <vector>

extern "C" {
// Test code reaches the real functions directly, so its own files and
// surfaces stay out of what the spy counts.
void __real_SDL_FreeSurface(SDL_Surface* surface);
SDL_RWops* __real_SDL_RWFromFile(const char* file, const char* mode);
}

namespace spy {

// The engine's SDL calls, in order, as "SDL_SetVideoMode(480,272,16,0x0)".
// Test states append their own calls here too, so one log shows the whole order.
extern std::vector<std::string> calls;

// What the screens did with pictures.
struct Pictures {
    std::vector<std::string> opened; // file names given to SDL_RWFromFile
    int loads = 0;                   // pictures SDL_LoadBMP_RW returned
    int frees = 0;                   // pictures handed back to SDL_FreeSurface
    int live = 0;                    // loaded and not yet freed
    int mostLive = 0;                // the most that were ever live at once
    int blits = 0;
    int flips = 0;
    std::vector<std::string> faults; // null or unknown surfaces handed to SDL
};
extern Pictures pictures;

void Reset();

} // namespace spy

#endif
