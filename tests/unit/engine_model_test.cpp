// Random sequences of engine operations, run on the real engine and on a small
// reference model of its stack; the two call logs must be the same, call for
// call, SDL calls included. A failure prints its seed and the shortest
// sequence it could find. KORVANE_SEED=N replays one run.

#include "gameengine.h"
#include "recording_state.h"
#include "sdl_spy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

enum class Op { Change, Push, Pop, Quit, Pass };
const char* const opNames[] = {"change", "push", "pop", "quit", "pass"};
const char* const passCalls[] = {"HandleEvents", "Update", "Draw"};
const int stateCount = 3;

struct Action {
    Op op;
    int state = 0; // for Change and Push
};

// One step of a sequence. A pass may carry an action that the state on top
// takes on the engine from inside one of its per-pass calls.
struct Step {
    Action action;
    int hookCall = -1; // index into passCalls, or -1
    Action hook{Op::Quit};
};

struct Sequence {
    bool fullscreen = false;
    std::vector<Step> steps;
};

std::string Name(int state) { return std::string(1, char('A' + state)); }

std::string Describe(const Action& action) {
    std::string text = opNames[int(action.op)];
    if (action.op == Op::Change || action.op == Op::Push) {
        text += " " + Name(action.state);
    }
    return text;
}

std::string Describe(const Sequence& sequence) {
    std::string text = sequence.fullscreen ? "full-screen:" : "windowed:";
    for (const Step& step : sequence.steps) {
        text += "\n  " + Describe(step.action);
        if (step.hookCall >= 0) {
            text += std::string(" (") + passCalls[step.hookCall] + " does " + Describe(step.hook) + ")";
        }
    }
    return text;
}

// What the engine promises, written as plainly as possible.
class Model {
  public:
    explicit Model(bool fullscreen) : fullscreen(fullscreen) {
        log = {"SDL_Init(0xffff)",
               fullscreen ? "SDL_SetVideoMode(320,200,16,0x80000000)" : "SDL_SetVideoMode(320,200,16,0x0)",
               "SDL_WM_SetCaption(Model)"};
    }

    // False when the step breaks a caller's limit (a pass with no state to go
    // to); the model is then left as it was before the step is undefined.
    bool Apply(const Step& step) {
        if (step.action.op != Op::Pass) {
            Do(step.action);
            return true;
        }
        for (int call = 0; call < 3; ++call) {
            if (stack.empty()) {
                return false;
            }
            const std::string top = Name(stack.back()) + "." + passCalls[call];
            log.push_back(top);
            if (call == step.hookCall) {
                Do(step.hook);
                log.push_back(top + " returns");
            }
        }
        return true;
    }

    Log Cleanup() {
        while (!stack.empty()) {
            RemoveTop();
        }
        if (fullscreen) {
            log.push_back("SDL_SetVideoMode(640,480,0,0x0)");
        }
        log.push_back("SDL_Quit");
        return log;
    }

    bool Empty() const { return stack.empty(); }

    bool running = true;

  private:
    void Do(const Action& action) {
        switch (action.op) {
        case Op::Change:
            if (!stack.empty()) {
                RemoveTop();
            }
            Place(action.state);
            break;
        case Op::Push:
            if (!stack.empty()) {
                log.push_back(Name(stack.back()) + ".Pause");
            }
            Place(action.state);
            break;
        case Op::Pop:
            if (!stack.empty()) {
                RemoveTop();
                if (!stack.empty()) {
                    log.push_back(Name(stack.back()) + ".Resume");
                }
            }
            break;
        case Op::Quit:
            running = false;
            break;
        case Op::Pass:
            break;
        }
    }

    void Place(int state) {
        stack.push_back(state);
        log.push_back(Name(state) + ".Init");
    }

    void RemoveTop() {
        log.push_back(Name(stack.back()) + ".Cleanup");
        stack.pop_back();
    }

    bool fullscreen;
    std::vector<int> stack;
    Log log;
};

struct Expected {
    bool valid = true;
    Log log;
    bool running = true;
};

Expected Predict(const Sequence& sequence) {
    Model model(sequence.fullscreen);
    for (const Step& step : sequence.steps) {
        if (!model.Apply(step)) {
            return {false, {}, false};
        }
    }
    const bool running = model.running;
    return {true, model.Cleanup(), running};
}

struct Outcome {
    Log log;
    bool running;
};

void Apply(CGameEngine& game, const Action& action, RecordingState* states) {
    switch (action.op) {
    case Op::Change:
        game.ChangeState(&states[action.state]);
        break;
    case Op::Push:
        game.PushState(&states[action.state]);
        break;
    case Op::Pop:
        game.PopState();
        break;
    case Op::Quit:
        game.Quit();
        break;
    case Op::Pass:
        break;
    }
}

Outcome RunOnTheEngine(const Sequence& sequence) {
    RecordingState states[stateCount] = {RecordingState("A"), RecordingState("B"), RecordingState("C")};
    spy::Reset();
    CGameEngine game;
    game.Init("Model", 320, 200, 16, sequence.fullscreen);
    for (const Step& step : sequence.steps) {
        if (step.action.op != Op::Pass) {
            Apply(game, step.action, states);
            continue;
        }
        // The hook is offered to every state; whichever is on top when the
        // call comes takes it, once.
        const Action hook = step.hook;
        for (RecordingState& state : states) {
            RecordingState::Hook* slot[] = {&state.onHandleEvents, &state.onUpdate, &state.onDraw};
            for (int call = 0; call < 3; ++call) {
                *slot[call] = nullptr;
                if (call == step.hookCall) {
                    *slot[call] = [&game, hook, &states](CGameEngine*) { Apply(game, hook, states); };
                }
            }
        }
        game.HandleEvents();
        game.Update();
        game.Draw();
    }
    const bool running = game.Running();
    game.Cleanup();
    return {spy::calls, running};
}

bool Fails(const Sequence& sequence) {
    const Expected expected = Predict(sequence);
    if (!expected.valid) {
        return false;
    }
    const Outcome outcome = RunOnTheEngine(sequence);
    return outcome.log != expected.log || outcome.running != expected.running;
}

Action RandomAction(std::mt19937& random, bool withPass) {
    static const Op ops[] = {Op::Change, Op::Change, Op::Push, Op::Push, Op::Push, Op::Pop,
                             Op::Pop,    Op::Quit,   Op::Pass, Op::Pass, Op::Pass, Op::Pass};
    const int choices = withPass ? 12 : 8;
    return {ops[random() % choices], int(random() % stateCount)};
}

// Steps are drawn one by one against the model, so that every sequence keeps
// within the callers' limits.
Sequence RandomSequence(std::mt19937& random) {
    Sequence sequence;
    sequence.fullscreen = random() % 4 == 0;
    Model model(sequence.fullscreen);
    const int length = 1 + random() % 30;
    while (int(sequence.steps.size()) < length) {
        Step step{RandomAction(random, !model.Empty())};
        if (step.action.op == Op::Pass && random() % 2) {
            step.hookCall = random() % 3;
            step.hook = RandomAction(random, false);
        }
        Model tried = model;
        if (tried.Apply(step)) {
            model = tried;
            sequence.steps.push_back(step);
        }
    }
    return sequence;
}

// Drops steps for as long as the sequence still fails.
Sequence Shrink(Sequence sequence) {
    for (bool dropped = true; dropped;) {
        dropped = false;
        for (size_t i = 0; i < sequence.steps.size(); ++i) {
            Sequence shorter = sequence;
            shorter.steps.erase(shorter.steps.begin() + i);
            if (Fails(shorter)) {
                sequence = shorter;
                dropped = true;
                break;
            }
        }
    }
    return sequence;
}

std::string Join(const Log& log) {
    std::string text;
    for (const std::string& call : log) {
        text += "\n  " + call;
    }
    return text;
}

// The sanitizers make every allocation slow, and the logs allocate a lot;
// fewer sequences still cover every kind of step there.
#if defined(__SANITIZE_ADDRESS__)
const int sequencesPerRun = 300;
#else
const int sequencesPerRun = 2000;
#endif

TEST(EngineModel, RandomSequencesMakeTheModelsCalls) {
    const char* replay = std::getenv("KORVANE_SEED");
    const unsigned seed = replay ? unsigned(std::strtoul(replay, nullptr, 10)) : unsigned(std::time(nullptr));
    const int sequences = sequencesPerRun;
    std::cout << "seed " << seed << " (KORVANE_SEED=" << seed << " replays it)\n";
    std::mt19937 random(seed);
    int placings = 0;
    for (int i = 0; i < sequences; ++i) {
        const Sequence sequence = RandomSequence(random);
        const Expected expected = Predict(sequence);
        ASSERT_TRUE(expected.valid) << Describe(sequence);
        const Outcome outcome = RunOnTheEngine(sequence);
        if (outcome.log != expected.log || outcome.running != expected.running) {
            const Sequence shortest = Shrink(sequence);
            FAIL() << "seed " << seed << ", sequence " << i << ", shortest failing sequence:\n"
                   << Describe(shortest) << "\nengine:" << Join(RunOnTheEngine(shortest).log)
                   << "\nmodel:" << Join(Predict(shortest).log);
        }
        // Independently of the model: every placing got one Init and one Cleanup.
        std::map<std::string, int> open;
        for (const std::string& call : outcome.log) {
            const size_t dot = call.find('.');
            if (dot != std::string::npos && call.compare(dot, std::string::npos, ".Init") == 0) {
                ++open[call.substr(0, dot)], ++placings;
            } else if (dot != std::string::npos && call.compare(dot, std::string::npos, ".Cleanup") == 0) {
                ASSERT_GT(open[call.substr(0, dot)]--, 0) << "Cleanup without Init\n" << Describe(sequence);
            }
        }
        for (const auto& [state, count] : open) {
            ASSERT_EQ(count, 0) << state << " was not cleaned up\n" << Describe(sequence);
        }
    }
    std::cout << sequences << " sequences, " << placings << " placings\n";
}

} // namespace
