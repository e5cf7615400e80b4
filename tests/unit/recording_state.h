#ifndef KORVANE_TESTS_RECORDING_STATE_H
#define KORVANE_TESTS_RECORDING_STATE_H

#include "gamestate.h"
#include "sdl_spy.h"

#include <functional>
#include <string>

// A state that writes each call it receives, as "A.Init", into the spy's log,
// so the log shows lifecycle calls and the engine's SDL calls in one order.
// A hook can make the state act on the engine from inside a per-pass call.
class RecordingState : public CGameState {
  public:
    explicit RecordingState(std::string name) : name(std::move(name)) {}

    void Init() override { Record("Init"); }
    void Cleanup() override { Record("Cleanup"); }
    void Pause() override { Record("Pause"); }
    void Resume() override { Record("Resume"); }
    void HandleEvents(CGameEngine* game) override { Pass("HandleEvents", game, onHandleEvents); }
    void Update(CGameEngine* game) override { Pass("Update", game, onUpdate); }
    void Draw(CGameEngine* game) override { Pass("Draw", game, onDraw); }

    using Hook = std::function<void(CGameEngine*)>;
    Hook onHandleEvents, onUpdate, onDraw;

  private:
    void Record(const char* call) { spy::calls.push_back(name + "." + call); }

    void Pass(const char* call, CGameEngine* game, const Hook& hook) {
        Record(call);
        if (hook) {
            hook(game);
            Record((std::string(call) + " returns").c_str());
        }
    }

    std::string name;
};

#endif
