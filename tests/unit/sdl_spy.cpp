#include "sdl_spy.h"

#include <cstdio>
#include <set>

namespace spy {

std::vector<std::string> calls;
Pictures pictures;

namespace {
std::set<SDL_Surface*> livePictures;
}

void Reset() {
    calls.clear();
    pictures = Pictures{};
    livePictures.clear();
}

} // namespace spy

using spy::pictures;

extern "C" {

int __real_SDL_Init(Uint32 flags);
SDL_Surface* __real_SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags);
void __real_SDL_Quit(void);
void __real_SDL_WM_SetCaption(const char* title, const char* icon);
SDL_Surface* __real_SDL_LoadBMP_RW(SDL_RWops* src, int freesrc);
int __real_SDL_UpperBlit(SDL_Surface* src, SDL_Rect* srcrect, SDL_Surface* dst, SDL_Rect* dstrect);
int __real_SDL_Flip(SDL_Surface* screen);

int __wrap_SDL_Init(Uint32 flags) {
    char text[32];
    std::snprintf(text, sizeof text, "SDL_Init(0x%x)", flags);
    spy::calls.push_back(text);
    return __real_SDL_Init(flags);
}

SDL_Surface* __wrap_SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags) {
    char text[64];
    std::snprintf(text, sizeof text, "SDL_SetVideoMode(%d,%d,%d,0x%x)", width, height, bpp, flags);
    spy::calls.push_back(text);
    return __real_SDL_SetVideoMode(width, height, bpp, flags);
}

void __wrap_SDL_Quit(void) {
    spy::calls.push_back("SDL_Quit");
    __real_SDL_Quit();
}

void __wrap_SDL_WM_SetCaption(const char* title, const char* icon) {
    spy::calls.push_back(std::string("SDL_WM_SetCaption(") + title + ")");
    __real_SDL_WM_SetCaption(title, icon);
}

SDL_RWops* __wrap_SDL_RWFromFile(const char* file, const char* mode) {
    pictures.opened.push_back(file);
    if (std::string(mode) != "rb") {
        pictures.faults.push_back(std::string("opened ") + file + " in mode " + mode);
    }
    return __real_SDL_RWFromFile(file, mode);
}

SDL_Surface* __wrap_SDL_LoadBMP_RW(SDL_RWops* src, int freesrc) {
    SDL_Surface* picture = __real_SDL_LoadBMP_RW(src, freesrc);
    if (picture) {
        spy::livePictures.insert(picture);
        ++pictures.loads;
        ++pictures.live;
        if (pictures.live > pictures.mostLive) {
            pictures.mostLive = pictures.live;
        }
    }
    return picture;
}

void __wrap_SDL_FreeSurface(SDL_Surface* surface) {
    if (!surface) {
        pictures.faults.push_back("SDL_FreeSurface(null)");
    } else if (spy::livePictures.erase(surface) == 0) {
        pictures.faults.push_back("SDL_FreeSurface of a surface that is not a live picture");
        return; // freeing it would be a double free
    } else {
        ++pictures.frees;
        --pictures.live;
    }
    __real_SDL_FreeSurface(surface);
}

int __wrap_SDL_UpperBlit(SDL_Surface* src, SDL_Rect* srcrect, SDL_Surface* dst, SDL_Rect* dstrect) {
    if (!src || !dst) {
        pictures.faults.push_back("SDL_BlitSurface with a null surface");
        return -1;
    }
    ++pictures.blits;
    return __real_SDL_UpperBlit(src, srcrect, dst, dstrect);
}

int __wrap_SDL_Flip(SDL_Surface* screen) {
    if (!screen) {
        pictures.faults.push_back("SDL_Flip(null)");
        return -1;
    }
    ++pictures.flips;
    return __real_SDL_Flip(screen);
}

} // extern "C"
