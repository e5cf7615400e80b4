#include "input.h"

#include "gameengine.h"

SDLKey TakeKey(CGameEngine* game) {
    SDL_Event event;
    if (!SDL_PollEvent(&event)) {
        return SDLK_UNKNOWN;
    }
    if (event.type == SDL_QUIT || (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)) {
        game->Quit();
        return SDLK_UNKNOWN;
    }
    return event.type == SDL_KEYDOWN ? event.key.keysym.sym : SDLK_UNKNOWN;
}
