#include "screenparts.h"

#include "gameengine.h"

#include <cstdio>

SDL_Surface* LoadPicture(const char* file) {
    SDL_Surface* picture = SDL_LoadBMP(file);
    if (!picture) {
        std::fprintf(stderr, "korvane: cannot load \"%s\": %s\n", file, SDL_GetError());
    }
    return picture;
}

void FreePicture(SDL_Surface*& picture) {
    if (picture) {
        SDL_FreeSurface(picture);
        picture = nullptr;
    }
}

void DrawPicture(SDL_Surface* picture, SDL_Surface* screen) {
    if (!screen) {
        return;
    }
    if (picture) {
        SDL_BlitSurface(picture, nullptr, screen, nullptr);
    } else {
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
    }
    SDL_Flip(screen);
}

bool TakeKeyPress(CGameEngine* game, SDLKey& key) {
    SDL_Event event;
    if (!SDL_PollEvent(&event)) {
        return false;
    }
    if (event.type == SDL_QUIT) {
        game->Quit();
    } else if (event.type == SDL_KEYDOWN) {
        key = event.key.keysym.sym;
        return true;
    }
    return false;
}
