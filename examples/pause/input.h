#ifndef KORVANE_EXAMPLE_INPUT_H
#define KORVANE_EXAMPLE_INPUT_H

#include <SDL.h>

class CGameEngine;

// Takes at most one pending event. ESCAPE or closing the window quits the
// game; any other key press is handed back, and SDLK_UNKNOWN stands for
// "nothing to act on".
SDLKey TakeKey(CGameEngine* game);

#endif
