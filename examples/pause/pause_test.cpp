#include "pausestate.h"
#include "playstate.h"
#include "sdl_helpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// The game as the engine sees it: the real play state, with its lifecycle
// calls written down.
class ObservedPlay : public CPlayState {
  public:
    void Init() override {
        calls += "Init ";
        CPlayState::Init();
    }
    void Cleanup() override {
        calls += "Cleanup ";
        CPlayState::Cleanup();
    }
    void Pause() override {
        calls += "Pause ";
        CPlayState::Pause();
    }
    void Resume() override {
        calls += "Resume ";
        CPlayState::Resume();
    }
    void Update(CGameEngine* game) override {
        ++updates;
        CPlayState::Update(game);
    }

    std::string calls;
    int updates = 0;
};

void PressP() {
    SDL_Event event = KeyEvent(SDL_KEYDOWN, SDLK_p);
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

Uint8 Brightness(SDL_Surface* screen, int x, int y) {
    Uint8 r, g, b;
    SDL_GetRGB(PixelAt(screen, x, y), screen->format, &r, &g, &b);
    return Uint8((r + g + b) / 3);
}

TEST(PauseExample, PausesTheCoveredGameAndResumesIt) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ObservedPlay play;
    CGameEngine game;
    game.Init("Pause test", 480, 272, 16, false);
    ASSERT_NE(game.screen, nullptr) << SDL_GetError();
    auto pass = [&game] {
        game.HandleEvents();
        game.Update();
        game.Draw();
    };
    game.ChangeState(&play);
    pass();
    const Uint8 gameBrightness = Brightness(game.screen, 470, 5); // the background's corner

    PressP();
    pass();
    pass();
    EXPECT_EQ(play.calls, "Init Pause ");
    EXPECT_EQ(play.updates, 1) << "a covered game gets no Update";
    const Uint8 pausedBrightness = Brightness(game.screen, 470, 5);
    EXPECT_LT(pausedBrightness, gameBrightness) << "the game's frame should show, dimmed";
    EXPECT_GT(pausedBrightness, 0) << "the game's frame should show through";
    EXPECT_EQ(Brightness(game.screen, 1, 1), pausedBrightness);

    PressP();
    pass();
    EXPECT_EQ(play.calls, "Init Pause Resume ");
    EXPECT_EQ(play.updates, 2);
    EXPECT_EQ(Brightness(game.screen, 470, 5), gameBrightness);

    game.Cleanup();
    EXPECT_EQ(play.calls, "Init Pause Resume Cleanup ");
}

} // namespace
