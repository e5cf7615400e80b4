#ifndef KORVANE_TESTS_SDL_HELPERS_H
#define KORVANE_TESTS_SDL_HELPERS_H

// What every test program needs from SDL: a key event as SDL queues one, and
// a pixel read back from a 16-bit surface such as the display.

#include <SDL.h>

inline SDL_Event KeyEvent(Uint8 type, SDLKey sym, SDLMod mod = KMOD_NONE) {
    SDL_Event event{};
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = mod;
    return event;
}

inline Uint16 PixelAt(SDL_Surface* surface, int x, int y) {
    SDL_LockSurface(surface);
    const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    const Uint16 pixel = reinterpret_cast<const Uint16*>(row)[x];
    SDL_UnlockSurface(surface);
    return pixel;
}

#endif
