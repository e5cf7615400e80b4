#ifndef KORVANE_SCREENPARTS_H
#define KORVANE_SCREENPARTS_H

#include <SDL.h>

class CGameEngine;

// What the intro and menu screens share: a picture read on entry, drawn on
// every pass, and one event taken per pass.

// Reads a BMP file. On failure writes one line naming the file and SDL's reason
// to standard error and returns null; the screen then carries on without it.
SDL_Surface* LoadPicture(const char* file);

// Frees a picture from LoadPicture (null is fine) and forgets it.
void FreePicture(SDL_Surface*& picture);

// Copies the picture onto the top-left of the screen, or clears the screen to
// black when there is no picture, then flips. Does nothing without a screen.
void DrawPicture(SDL_Surface* picture, SDL_Surface* screen);

// Takes at most one pending event. A quit request ends the run through
// game->Quit(); a key press is handed back in `key`, and only then is the
// result true. Every other event is dropped.
bool TakeKeyPress(CGameEngine* game, SDLKey& key);

#endif
