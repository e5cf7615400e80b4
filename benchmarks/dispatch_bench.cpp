// What the engine itself costs: one pass handed to a state that does nothing,
// and the stack operations, with heap allocations counted per iteration.

#include "allocation_counter.h"
#include "gamestate.h"

#include <benchmark/benchmark.h>

namespace {

class IdleState : public CGameState {
  public:
    void Init() override {}
    void Cleanup() override {}
    void Pause() override {}
    void Resume() override {}
    void HandleEvents(CGameEngine*) override {}
    void Update(CGameEngine*) override {}
    void Draw(CGameEngine*) override {}
};

IdleState idle, other;

// SDL is not started: the operations measured here never touch it.
template <typename Body> void Run(benchmark::State& state, Body body) {
    CGameEngine game;
    game.ChangeState(&idle);
    const unsigned long before = AllocationsSoFar();
    for (auto _ : state) {
        body(game);
    }
    state.counters["allocs/iter"] =
        benchmark::Counter(double(AllocationsSoFar() - before), benchmark::Counter::kAvgIterations);
}

void Pass(benchmark::State& state) {
    Run(state, [](CGameEngine& game) {
        game.HandleEvents();
        game.Update();
        game.Draw();
    });
}

void ChangeState(benchmark::State& state) {
    Run(state, [](CGameEngine& game) { game.ChangeState(&other); });
}

void PushAndPop(benchmark::State& state) {
    Run(state, [](CGameEngine& game) {
        game.PushState(&other);
        game.PopState();
    });
}

} // namespace

BENCHMARK(Pass);
BENCHMARK(ChangeState);
BENCHMARK(PushAndPop);
BENCHMARK_MAIN();
