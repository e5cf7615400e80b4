#include "gameengine.h"
#include "recording_state.h"
#include "sdl_spy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

class EngineTest : public testing::Test {
  protected:
    void SetUp() override {
        game.Init("Engine test", 320, 200, 16, false);
        ASSERT_NE(game.screen, nullptr) << SDL_GetError();
        spy::Reset();
    }

    // Runs a script of engine operations such as "push A", "change B", "pop",
    // "pass" (HandleEvents, Update, Draw) and "quit".
    void Run(const std::vector<std::string>& script) {
        for (const std::string& step : script) {
            std::istringstream words(step);
            std::string verb, name;
            words >> verb >> name;
            if (verb == "change") {
                game.ChangeState(State(name));
            } else if (verb == "push") {
                game.PushState(State(name));
            } else if (verb == "pop") {
                game.PopState();
            } else if (verb == "pass") {
                game.HandleEvents();
                game.Update();
                game.Draw();
            } else if (verb == "quit") {
                game.Quit();
            } else {
                FAIL() << "unknown step " << step;
            }
        }
    }

    CGameState* State(const std::string& name) {
        RecordingState* named[] = {&a, &b, &c, &d};
        const size_t index = name.size() == 1 ? size_t(name[0] - 'A') : 4;
        if (index < 4) {
            return named[index];
        }
        ADD_FAILURE() << "unknown state " << name;
        return &a;
    }

    CGameEngine game;
    RecordingState a{"A"}, b{"B"}, c{"C"}, d{"D"};
};

struct LifecycleCase {
    const char* name;
    std::vector<std::string> before; // brings the stack to where the case starts
    std::vector<std::string> steps;
    Log expected; // the calls of the steps, then those of the engine's Cleanup
};

void PrintTo(const LifecycleCase& lifecycle, std::ostream* out) { *out << lifecycle.name; }

class Lifecycle : public EngineTest, public testing::WithParamInterface<LifecycleCase> {};

// The engine's Cleanup at the end shows what was left on the stack, top first.
TEST_P(Lifecycle, MakesExactlyTheseCalls) {
    const LifecycleCase& lifecycle = GetParam();
    Run(lifecycle.before);
    spy::Reset();
    Run(lifecycle.steps);
    game.Cleanup();
    EXPECT_EQ(spy::calls, lifecycle.expected);
}

const LifecycleCase lifecycleCases[] = {
    {"ChangeOnEmpty",
     {},
     {"change A", "pass"},
     {"A.Init", "A.HandleEvents", "A.Update", "A.Draw", "A.Cleanup", "SDL_Quit"}},
    {"ChangeTouchesOnlyTheTop",
     {"push A", "push B", "push C"},
     {"change D"},
     {"C.Cleanup", "D.Init", "D.Cleanup", "B.Cleanup", "A.Cleanup", "SDL_Quit"}},
    {"ChangeToTheTopItself", {"change A"}, {"change A"}, {"A.Cleanup", "A.Init", "A.Cleanup", "SDL_Quit"}},
    {"PushOnEmpty", {}, {"push A"}, {"A.Init", "A.Cleanup", "SDL_Quit"}},
    {"PushPausesAndCoversTheTop",
     {"change A"},
     {"push B", "pass"},
     {"A.Pause", "B.Init", "B.HandleEvents", "B.Update", "B.Draw", "B.Cleanup", "A.Cleanup", "SDL_Quit"}},
    {"PushTheTopItself",
     {"change A"},
     {"push A"},
     {"A.Pause", "A.Init", "A.Cleanup", "A.Cleanup", "SDL_Quit"}},
    {"PopResumesTheOneBeneath",
     {"push A", "push B"},
     {"pop", "pass"},
     {"B.Cleanup", "A.Resume", "A.HandleEvents", "A.Update", "A.Draw", "A.Cleanup", "SDL_Quit"}},
    {"PopTheLast", {"push A"}, {"pop"}, {"A.Cleanup", "SDL_Quit"}},
    {"PopOnEmpty", {}, {"pop", "pop"}, {"SDL_Quit"}},
    {"CleanupGoesTopDownWithoutResume",
     {"push A", "push B", "push C"},
     {},
     {"C.Cleanup", "B.Cleanup", "A.Cleanup", "SDL_Quit"}},
    {"CleanupOnEmpty", {}, {}, {"SDL_Quit"}},
    {"QuitTouchesNothing",
     {"push A", "push B"},
     {"quit", "quit", "pass"},
     {"B.HandleEvents", "B.Update", "B.Draw", "B.Cleanup", "A.Cleanup", "SDL_Quit"}},
};

INSTANTIATE_TEST_SUITE_P(Engine, Lifecycle, testing::ValuesIn(lifecycleCases),
                         [](const testing::TestParamInfo<LifecycleCase>& info) { return info.param.name; });

TEST_F(EngineTest, RunningFromInitUntilQuit) {
    EXPECT_TRUE(game.Running());
    game.Quit();
    EXPECT_FALSE(game.Running());
    game.Quit();
    EXPECT_FALSE(game.Running());
    game.Cleanup();
}

TEST_F(EngineTest, ChangeFromInsideHandleEventsSendsTheRestOfThePassToTheNewTop) {
    a.onHandleEvents = [this](CGameEngine* engine) { engine->ChangeState(&b); };
    Run({"change A"});
    spy::Reset();
    Run({"pass"});
    game.Cleanup();
    const Log expected{"A.HandleEvents", "A.Cleanup", "B.Init",    "A.HandleEvents returns",
                       "B.Update",       "B.Draw",    "B.Cleanup", "SDL_Quit"};
    EXPECT_EQ(spy::calls, expected);
}

TEST_F(EngineTest, StateCanForwardChangeThroughItsOwnInterface) {
    a.onUpdate = [this](CGameEngine* engine) { a.ChangeState(engine, &b); };
    Run({"change A"});
    spy::Reset();
    Run({"pass"});
    game.Cleanup();
    const Log expected{"A.HandleEvents",   "A.Update", "A.Cleanup", "B.Init",
                       "A.Update returns", "B.Draw",   "B.Cleanup", "SDL_Quit"};
    EXPECT_EQ(spy::calls, expected);
}

TEST_F(EngineTest, DestructionCallsNothingOnTheStates) {
    game.Cleanup();
    {
        CGameEngine other;
        other.Init("Left behind", 320, 200, 16, false);
        other.PushState(&a);
        other.PushState(&b);
        spy::Reset();
    }
    EXPECT_EQ(spy::calls, Log{});
    SDL_Quit();
}

struct VideoModeCase {
    const char* name;
    bool fullscreen;
    Log expected;
};

void PrintTo(const VideoModeCase& mode, std::ostream* out) { *out << mode.name; }

class VideoMode : public testing::TestWithParam<VideoModeCase> {};

// Full-screen runs are switched back to a 640x480 window before SDL shuts down,
// whatever size they asked for; windowed runs make no second mode change.
TEST_P(VideoMode, InitAndCleanupMakeTheseSdlCalls) {
    spy::Reset();
    RecordingState a{"A"};
    CGameEngine game;
    game.Init("Mode test", 320, 200, 16, GetParam().fullscreen);
    SDL_Surface* opened = game.screen;
    ASSERT_NE(opened, nullptr) << SDL_GetError();
    game.PushState(&a);
    game.Cleanup();
    EXPECT_EQ(spy::calls, GetParam().expected);
    if (GetParam().fullscreen) {
        EXPECT_NE(game.screen, opened) << "screen should hold the windowed mode's surface";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Engine, VideoMode,
    testing::Values(VideoModeCase{"Windowed",
                                  false,
                                  {"SDL_Init(0xffff)", "SDL_SetVideoMode(320,200,16,0x0)",
                                   "SDL_WM_SetCaption(Mode test)", "A.Init", "A.Cleanup", "SDL_Quit"}},
                    VideoModeCase{"FullScreen",
                                  true,
                                  {"SDL_Init(0xffff)", "SDL_SetVideoMode(320,200,16,0x80000000)",
                                   "SDL_WM_SetCaption(Mode test)", "A.Init", "A.Cleanup",
                                   "SDL_SetVideoMode(640,480,0,0x0)", "SDL_Quit"}}),
    [](const testing::TestParamInfo<VideoModeCase>& info) { return info.param.name; });

// Restores an environment variable when the test ends.
class ScopedUnsetenv {
  public:
    explicit ScopedUnsetenv(const char* name) : name(name) {
        if (const char* value = std::getenv(name)) {
            saved = value;
            wasSet = true;
        }
        unsetenv(name);
    }
    ~ScopedUnsetenv() {
        if (wasSet) {
            setenv(name, saved.c_str(), 1);
        }
    }

  private:
    const char* name;
    std::string saved;
    bool wasSet = false;
};

// Without a display SDL would quietly open an invisible window, and a program
// would spin with nothing to show and no way to close it.
TEST(EngineStart, NoReachableDisplayMeansNoWindow) {
    ScopedUnsetenv driver("SDL_VIDEODRIVER"), x11("DISPLAY"), wayland("WAYLAND_DISPLAY");
    CGameEngine game;
    game.Init("No display", 320, 200, 16, false);
    EXPECT_EQ(game.screen, nullptr);
    EXPECT_NE(std::string(SDL_GetError()).find("no display"), std::string::npos) << SDL_GetError();
    EXPECT_TRUE(game.Running());
    game.Cleanup();
}

#ifndef NDEBUG
using EngineDeathTest = EngineTest;

TEST_F(EngineDeathTest, BreakingTheCallersLimitsIsCaught) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(game.HandleEvents(), "a pass needs a state");
    EXPECT_DEATH(game.Draw(), "a pass needs a state");
    EXPECT_DEATH(game.ChangeState(nullptr), "ChangeState needs a state");
    EXPECT_DEATH(game.PushState(nullptr), "PushState needs a state");
    game.Cleanup();
}
#endif

} // namespace
