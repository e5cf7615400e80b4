#ifndef KORVANE_INTROSTATE_H
#define KORVANE_INTROSTATE_H

#include "gamestate.h"

#include <SDL.h>

// The intro screen: shows "intro.bmp", read anew each time the screen is entered.
class CIntroState : public CGameState {
  public:
    CIntroState() {}

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

extern CIntroState introState;

#endif
