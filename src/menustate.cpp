#include "menustate.h"

#include "introstate.h"
#include "screenparts.h"

CMenuState menuState;

void CMenuState::Init() { bg = LoadPicture("menu.bmp"); }

void CMenuState::Cleanup() { FreePicture(bg); }

void CMenuState::Pause() {}

void CMenuState::Resume() {}

// ESCAPE goes back to the intro.
void CMenuState::HandleEvents(CGameEngine* game) {
    SDLKey key;
    if (TakeKeyPress(game, key) && key == SDLK_ESCAPE) {
        game->ChangeState(&introState);
    }
}

void CMenuState::Update(CGameEngine*) {}

void CMenuState::Draw(CGameEngine* game) { DrawPicture(bg, game->screen); }
