#include "pausestate.h"

#include "blocktext.h"
#include "input.h"

CPauseState pauseState;

void CPauseState::Cleanup() {
    SDL_FreeSurface(backdrop);
    backdrop = nullptr;
}

void CPauseState::HandleEvents(CGameEngine* game) {
    if (TakeKey(game) == SDLK_p) {
        game->PopState();
    }
}

void CPauseState::Draw(CGameEngine* game) {
    SDL_Surface* screen = game->screen;
    // Nothing has drawn since the game's last pass, so the screen still holds
    // its last frame: keep a dimmed copy of it.
    if (!backdrop) {
        backdrop = SDL_DisplayFormat(screen);
        SDL_Surface* shade = SDL_DisplayFormat(screen);
        if (!backdrop || !shade) {
            SDL_FreeSurface(shade);
            return;
        }
        SDL_FillRect(shade, nullptr, SDL_MapRGB(shade->format, 0, 0, 0));
        SDL_SetAlpha(shade, SDL_SRCALPHA, 160);
        SDL_BlitSurface(shade, nullptr, backdrop, nullptr);
        SDL_FreeSurface(shade);
    }
    SDL_BlitSurface(backdrop, nullptr, screen, nullptr);
    const Uint32 white = SDL_MapRGB(screen->format, 255, 255, 255);
    DrawBlockText(screen, "PAUSED", screen->h / 2 - 50, 8, white);
    DrawBlockText(screen, "P TO RESUME", screen->h / 2 + 30, 3, white);
    SDL_Flip(screen);
}
