#include "gameengine.h"
#include "introstate.h"

#include <SDL.h>

#include <cstdio>

// The command line is accepted and ignored.
int main(int, char*[]) {
    CGameEngine game;

    game.Init("Korvane v1.0", 480, 272, 16, false);
    if (!game.screen) {
        std::fprintf(stderr, "korvane: cannot open a window: %s\n", SDL_GetError());
        game.Cleanup();
        return 1;
    }

    game.ChangeState(&introState);

    while (game.Running()) {
        game.HandleEvents();
        game.Update();
        game.Draw();
    }

    game.Cleanup();
    return 0;
}
