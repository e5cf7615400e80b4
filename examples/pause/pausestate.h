#ifndef KORVANE_EXAMPLE_PAUSESTATE_H
#define KORVANE_EXAMPLE_PAUSESTATE_H

#include "gamestate.h"

// Pushed over the game: shows the game's last frame dimmed under "PAUSED".
// P pops it, and the game resumes where it was; ESCAPE quits.
class CPauseState : public CGameState {
  public:
    void Init() override {}
    void Cleanup() override;
    void Pause() override {}
    void Resume() override {}

    void HandleEvents(CGameEngine* game) override;
    void Update(CGameEngine*) override {}
    void Draw(CGameEngine* game) override;

  private:
    SDL_Surface* backdrop = nullptr; // the covered game's last frame, dimmed
};

extern CPauseState pauseState;

#endif
