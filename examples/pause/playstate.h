#ifndef KORVANE_EXAMPLE_PLAYSTATE_H
#define KORVANE_EXAMPLE_PLAYSTATE_H

#include "gamestate.h"

// The game: a box bouncing around the window. P pauses, ESCAPE quits.
class CPlayState : public CGameState {
  public:
    void Init() override;
    void Cleanup() override {}

    // While the pause screen covers the game it gets no Update, so the time
    // spent paused must not count when it resumes.
    void Pause() override {}
    void Resume() override { lastTicks = SDL_GetTicks(); }

    void HandleEvents(CGameEngine* game) override;
    void Update(CGameEngine* game) override;
    void Draw(CGameEngine* game) override;

  private:
    float x = 0, y = 0, dx = 150, dy = 110; // pixels, pixels a second
    Uint32 lastTicks = 0;
};

extern CPlayState playState;

#endif
