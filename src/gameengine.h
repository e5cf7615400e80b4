#ifndef KORVANE_GAMEENGINE_H
#define KORVANE_GAMEENGINE_H

#include <SDL.h>

#include <vector>

class CGameState;

// Starts SDL, opens one display surface and keeps a stack of game states, the
// last one pushed being the top. Each pass of the main loop is handed to the
// top state:
//
//     CGameEngine game;
//     game.Init("My game", 640, 480, 16, false);
//     game.ChangeState(&playState);
//     while (game.Running()) {
//         game.HandleEvents();
//         game.Update();
//         game.Draw();
//     }
//     game.Cleanup();
//
// The engine never owns a state, and its destruction calls nothing on the
// states still on the stack: call Cleanup first. Everything runs on the thread
// that called Init.
class CGameEngine {
  public:
    // Starts every SDL subsystem and sets the video mode; the title becomes the
    // window caption. Marks the engine running even when no window could be
    // opened: then `screen` is null and SDL_GetError() says why. A fallback to
    // an invisible video driver that nobody asked for (no display is reachable
    // and SDL_VIDEODRIVER is unset) counts as no window.
    void Init(const char* title, int width, int height, int bpp, bool fullscreen);

    // Cleans up every state still on the stack, top first, each while it is
    // still the top (a paused state gets no Resume first); switches a
    // full-screen display back to a 640x480 window; shuts SDL down.
    void Cleanup();

    // Cleans up and removes the top state (if any), then puts `state` on top
    // and calls its Init. The depth is unchanged, or goes from 0 to 1.
    void ChangeState(CGameState* state);

    // Pauses the top state (if any), which stays beneath, then puts `state` on
    // top and calls its Init. One state may stand on the stack several times.
    void PushState(CGameState* state);

    // Cleans up and removes the top state, then resumes the one beneath (if
    // any); it gets Resume, not Init. Does nothing on an empty stack.
    void PopState();

    // Each hands the pass to the state on top at the moment of the call, so a
    // change made in HandleEvents already holds for Update and Draw. The stack
    // must not be empty.
    void HandleEvents();
    void Update();
    void Draw();

    bool Running() { return m_running; }

    // Ends the main loop at its next test of Running; touches nothing else.
    void Quit() { m_running = false; }

    // The display surface the states draw to; it belongs to SDL and must not be
    // used after Cleanup.
    SDL_Surface* screen = nullptr;

  private:
    CGameState* Top();
    void RemoveTop();

    std::vector<CGameState*> states;

    bool m_running = false;
    bool m_fullscreen = false;
};

#endif
