#ifndef KORVANE_GAMESTATE_H
#define KORVANE_GAMESTATE_H

#include "gameengine.h"

// One screen of a game. The engine holds states by pointer and never owns,
// creates or deletes them: a state must outlive its time on the stack, which is
// why games keep their states as long-lived (usually global) objects.
//
// The engine makes these calls, each on the state at the top of its stack:
//   Init          when the state has just become the top (ChangeState, PushState)
//   Cleanup       when the state, as the top, is about to be removed
//                 (ChangeState, PopState, or the engine's Cleanup)
//   Pause         when another state is about to be pushed above it
//   Resume        when the state above it has just been popped
//   HandleEvents, Update, Draw
//                 once per pass each, while it is the top
//
// Every placing on the stack gets exactly one Init and, provided the engine's
// Cleanup runs, exactly one Cleanup. Pause and Resume need not pair: a paused
// state removed by the engine's Cleanup gets Cleanup without a Resume.
//
// A state may call ChangeState, PushState, PopState or Quit on the engine from
// inside any of its own calls. After ChangeState or PopState has removed it, it
// must return at once without touching what its Cleanup released.
class CGameState {
  public:
    CGameState() {}

    virtual void Init() = 0;
    virtual void Cleanup() = 0;

    virtual void Pause() = 0;
    virtual void Resume() = 0;

    virtual void HandleEvents(CGameEngine* game) = 0;
    virtual void Update(CGameEngine* game) = 0;
    virtual void Draw(CGameEngine* game) = 0;

    // Shorthand for game->ChangeState(state), for states that prefer to ask
    // through their own interface.
    void ChangeState(CGameEngine* game, CGameState* state) { game->ChangeState(state); }
};

#endif
