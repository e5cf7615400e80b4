#ifndef KORVANE_EXAMPLE_BLOCKTEXT_H
#define KORVANE_EXAMPLE_BLOCKTEXT_H

#include <SDL.h>

// Draws capital letters from a built-in 5x7 font, each dot a square of
// `scale` pixels, centred on the surface at height `y`. Knows only the
// letters this example needs (A D E M O P R S T U) and the space.
void DrawBlockText(SDL_Surface* surface, const char* text, int y, int scale, Uint32 colour);

#endif
