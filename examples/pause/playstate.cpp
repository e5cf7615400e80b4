#include "playstate.h"

#include "input.h"
#include "pausestate.h"

CPlayState playState;

namespace {
const int boxSize = 40;
}

void CPlayState::Init() {
    x = y = 20;
    lastTicks = SDL_GetTicks();
}

void CPlayState::HandleEvents(CGameEngine* game) {
    if (TakeKey(game) == SDLK_p) {
        game->PushState(&pauseState);
    }
}

void CPlayState::Update(CGameEngine* game) {
    const Uint32 now = SDL_GetTicks();
    const float seconds = float(now - lastTicks) / 1000.0f;
    lastTicks = now;
    x += dx * seconds;
    y += dy * seconds;
    const float right = float(game->screen->w - boxSize), bottom = float(game->screen->h - boxSize);
    if (x < 0 || x > right) {
        dx = -dx, x = x < 0 ? 0 : right;
    }
    if (y < 0 || y > bottom) {
        dy = -dy, y = y < 0 ? 0 : bottom;
    }
}

void CPlayState::Draw(CGameEngine* game) {
    SDL_Surface* screen = game->screen;
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 20, 40, 90));
    SDL_Rect box{Sint16(x), Sint16(y), boxSize, boxSize};
    SDL_FillRect(screen, &box, SDL_MapRGB(screen->format, 255, 170, 40));
    SDL_Flip(screen);
}
