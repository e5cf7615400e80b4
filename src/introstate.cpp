#include "introstate.h"

#include "menustate.h"
#include "screenparts.h"

CIntroState introState;

void CIntroState::Init() { bg = LoadPicture("intro.bmp"); }

void CIntroState::Cleanup() { FreePicture(bg); }

void CIntroState::Pause() {}

void CIntroState::Resume() {}

// SPACE goes to the menu, ESCAPE ends the run.
void CIntroState::HandleEvents(CGameEngine* game) {
    SDLKey key;
    if (!TakeKeyPress(game, key)) {
        return;
    }
    if (key == SDLK_SPACE) {
        game->ChangeState(&menuState);
    } else if (key == SDLK_ESCAPE) {
        game->Quit();
    }
}

void CIntroState::Update(CGameEngine*) {}

void CIntroState::Draw(CGameEngine* game) { DrawPicture(bg, game->screen); }
