#include "screenparts.h"

#include "gameengine.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Larger pictures are refused before SDL's loader sees them.
const long maxPictureSide = 16384;

Uint32 Little(const Uint8* bytes, int count) {
    Uint32 value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[i];
    }
    return value;
}

// SDL's loader allocates the whole picture from the sizes in the header before
// it reads a pixel, so a damaged header can make it ask for gigabytes and then
// fill them. The header is checked first; only the header is read twice.
// Returns false, with SDL's error set, for a picture that must not be loaded.
bool HeaderIsSane(SDL_RWops* file) {
    Uint8 header[34];
    const int start = SDL_RWtell(file);
    const size_t got = SDL_RWread(file, header, 1, sizeof header);
    const long fileSize = SDL_RWseek(file, 0, RW_SEEK_END);
    SDL_RWseek(file, start, RW_SEEK_SET);
    if (got < sizeof header || header[0] != 'B' || header[1] != 'M') {
        return true; // not a picture at all: SDL's loader says what is wrong
    }
    const Uint32 pixelOffset = Little(header + 10, 4);
    const bool coreHeader = Little(header + 14, 4) == 12;
    const long width = coreHeader ? long(Little(header + 18, 2)) : long(Sint32(Little(header + 18, 4)));
    const long height = coreHeader ? long(Little(header + 20, 2)) : long(Sint32(Little(header + 22, 4)));
    const long bitsPerPixel = Little(header + (coreHeader ? 24 : 28), 2);
    const Uint32 compression = coreHeader ? 0 : Little(header + 30, 4);

    const long across = std::labs(width), down = std::labs(height); // negative: stored top-down
    if (std::max(across, down) > maxPictureSide) {
        SDL_SetError("the picture is too large (%ld x %ld; at most %ld a side)", width, height,
                     maxPictureSide);
        return false;
    }
    const bool uncompressed = compression == 0 || compression == 3; // BI_RGB, BI_BITFIELDS
    const long pixelBytes = (across * bitsPerPixel + 31) / 32 * 4 * down;
    if (uncompressed && long(pixelOffset) + pixelBytes > fileSize) {
        SDL_SetError("the file is cut short (its header promises %ld x %ld pixels)", width, height);
        return false;
    }
    return true;
}

} // namespace

SDL_Surface* LoadPicture(const char* file) {
    SDL_Surface* picture = nullptr;
    if (SDL_RWops* stream = SDL_RWFromFile(file, "rb")) {
        if (HeaderIsSane(stream)) {
            picture = SDL_LoadBMP_RW(stream, 1); // closes the stream
        } else {
            SDL_RWclose(stream);
        }
    }
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
