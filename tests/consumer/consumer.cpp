// A game that knows the engine only as installed: three passes, then it quits.
#include <korvane/gamestate.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string calls;

class CountingState : public CGameState {
  public:
    void Init() override { calls += "Init "; }
    void Cleanup() override { calls += "Cleanup "; }
    void Pause() override { calls += "Pause "; }
    void Resume() override { calls += "Resume "; }
    void HandleEvents(CGameEngine*) override { calls += "HandleEvents "; }
    void Update(CGameEngine* game) override {
        if (++passes == 3) {
            game->Quit();
        }
    }
    void Draw(CGameEngine* game) override { SDL_Flip(game->screen); }

  private:
    int passes = 0;
};

CountingState counting;

} // namespace

int main(int, char*[]) {
    CGameEngine game;
    game.Init("Consumer", 64, 48, 16, false);
    if (!game.screen) {
        std::fprintf(stderr, "consumer: cannot open a window: %s\n", SDL_GetError());
        return 1;
    }
    game.ChangeState(&counting);
    while (game.Running()) {
        game.HandleEvents();
        game.Update();
        game.Draw();
    }
    game.Cleanup();
    const char* expected = "Init HandleEvents HandleEvents HandleEvents Cleanup ";
    if (calls != expected) {
        std::fprintf(stderr, "consumer: calls were \"%s\", expected \"%s\"\n", calls.c_str(), expected);
        return 1;
    }
    std::puts("consumer: ok");
    return 0;
}
