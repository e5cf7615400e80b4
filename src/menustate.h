#ifndef KORVANE_MENUSTATE_H
#define KORVANE_MENUSTATE_H

#include "gamestate.h"

#include <SDL.h>

// The menu screen: shows "menu.bmp", read anew each time the screen is entered.
class CMenuState : public CGameState {
  public:
    CMenuState() {}

    void Init() override;
    void Cleanup() override;

    void Pause() override;
    void Resume() override;

    void HandleEvents(CGameEngine* game) override;
    void Update(CGameEngine* game) override;
    void Draw(CGameEngine* game) override;

  private:
    SDL_Surface* bg = nullptr;
};

extern CMenuState menuState;

#endif
