// A game on the engine with a see-through pause screen: P pushes the pause
// screen over the game, P again pops it, ESCAPE quits.
#include "gameengine.h"
#include "playstate.h"

#include <cstdio>

int main(int, char*[]) {
    CGameEngine game;
    game.Init("Korvane pause example", 480, 272, 16, false);
    if (!game.screen) {
        std::fprintf(stderr, "pause_example: cannot open a window: %s\n", SDL_GetError());
        game.Cleanup();
        return 1;
    }
    game.ChangeState(&playState);
    while (game.Running()) {
        game.HandleEvents();
        game.Update();
        game.Draw();
        SDL_Delay(5); // a game sets its own pace; the engine sets none
    }
    game.Cleanup();
    return 0;
}
