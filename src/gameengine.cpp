#include "gameengine.h"

#include "gamestate.h"

#include <cassert>
#include <cstring>

namespace {

// With no display reachable, SDL falls back to a video driver that shows
// nothing. A window nobody can see or close would leave the main loop spinning
// for ever, so such a mode counts as no window unless the user chose that
// driver on purpose (as tests do).
bool OnUnchosenInvisibleDriver() {
    const char* chosen = SDL_getenv("SDL_VIDEODRIVER");
    if (chosen && *chosen) {
        return false;
    }
    char name[32];
    if (!SDL_VideoDriverName(name, sizeof name)) {
        return false;
    }
    return std::strcmp(name, "offscreen") == 0 || std::strcmp(name, "dummy") == 0;
}

} // namespace

void CGameEngine::Init(const char* title, int width, int height, int bpp, bool fullscreen) {
    Uint32 flags = 0;
    SDL_Init(SDL_INIT_EVERYTHING);
    if (fullscreen) {
        flags = SDL_FULLSCREEN;
    }
    screen = SDL_SetVideoMode(width, height, bpp, flags);
    if (screen && OnUnchosenInvisibleDriver()) {
        screen = nullptr;
        SDL_SetError("no display is reachable (set DISPLAY, or choose a driver with SDL_VIDEODRIVER)");
    }
    if (screen) {
        SDL_WM_SetCaption(title, title);
    }
    m_fullscreen = fullscreen;
    m_running = true;
}

void CGameEngine::Cleanup() {
    while (!states.empty()) {
        RemoveTop();
    }
    if (m_fullscreen) {
        screen = SDL_SetVideoMode(640, 480, 0, 0);
    }
    SDL_Quit();
}

void CGameEngine::ChangeState(CGameState* state) {
    assert(state && "ChangeState needs a state");
    if (!states.empty()) {
        RemoveTop();
    }
    states.push_back(state);
    states.back()->Init();
}

void CGameEngine::PushState(CGameState* state) {
    assert(state && "PushState needs a state");
    if (!states.empty()) {
        states.back()->Pause();
    }
    states.push_back(state);
    states.back()->Init();
}

void CGameEngine::PopState() {
    if (states.empty()) {
        return;
    }
    RemoveTop();
    if (!states.empty()) {
        states.back()->Resume();
    }
}

void CGameEngine::HandleEvents() { Top()->HandleEvents(this); }

void CGameEngine::Update() { Top()->Update(this); }

void CGameEngine::Draw() { Top()->Draw(this); }

CGameState* CGameEngine::Top() {
    assert(!states.empty() && "a pass needs a state on the stack");
    return states.back();
}

// The state is cleaned up while it is still the top, so its Cleanup sees the
// stack as it was when it ran.
void CGameEngine::RemoveTop() {
    states.back()->Cleanup();
    states.pop_back();
}
