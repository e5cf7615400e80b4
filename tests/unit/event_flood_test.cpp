// Fills SDL's event queue to the brim with a random mix, then runs the main
// loop: each event is served by one pass, in order, by the screen on top when
// it is taken; once the run ends, the rest wait untouched in the queue.

#include "screens_fixture.h"
#include "sdl_helpers.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// The screens as their keys are documented: 'I' or 'M' on top, or the run ended.
struct ScreensModel {
    char top = 'I';
    bool running = true;

    void Serve(const SDL_Event& event) {
        if (event.type == SDL_QUIT) {
            running = false;
        } else if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_SPACE && top == 'I') {
            top = 'M';
        } else if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) {
            top == 'I' ? void(running = false) : void(top = 'I');
        }
    }
};

// Mostly keys that switch screens; now and then one that ends the run.
SDL_Event RandomEvent(std::mt19937& random, char top) {
    switch (random() % 8) {
    case 0:
        return KeyEvent(SDL_KEYUP, random() % 2 ? SDLK_SPACE : SDLK_ESCAPE);
    case 1:
        return KeyEvent(SDL_KEYDOWN, SDLK_a);
    case 2: {
        SDL_Event motion{};
        motion.type = SDL_MOUSEMOTION;
        motion.motion.x = Uint16(random() % 480);
        return motion;
    }
    case 3:
        if (random() % 40 == 0) {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            return quit;
        }
        return KeyEvent(SDL_KEYDOWN, SDLK_SPACE);
    default:
        return KeyEvent(SDL_KEYDOWN, top == 'M' || random() % 40 == 0 ? SDLK_ESCAPE : SDLK_SPACE);
    }
}

bool Same(const SDL_Event& a, const SDL_Event& b) {
    const bool key = a.type == SDL_KEYDOWN || a.type == SDL_KEYUP;
    return a.type == b.type && (!key || a.key.keysym.sym == b.key.keysym.sym);
}

using EventFlood = ScreensTest;

TEST_F(EventFlood, IsServedOnePerPassInOrder) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        if (seed > 1) {
            Restart();
        }

        std::vector<SDL_Event> queued;
        ScreensModel model;
        std::string expected; // what each pass should draw, while the run lasts
        for (;;) {
            SDL_Event event = RandomEvent(random, model.top);
            if (SDL_PushEvent(&event) != 0) {
                break;
            }
            queued.push_back(event);
            if (model.running) {
                model.Serve(event);
                expected += model.top;
            }
        }
        ASSERT_GE(queued.size(), 100u) << "SDL's queue should take a flood";

        std::string shown;
        while (game.Running() && shown.size() < queued.size()) {
            Pass();
            shown += Shown();
        }
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(game.Running(), model.running);

        size_t waiting = shown.size();
        for (SDL_Event event; SDL_PollEvent(&event); ++waiting) {
            ASSERT_LT(waiting, queued.size());
            EXPECT_TRUE(Same(event, queued[waiting])) << "event " << waiting << " changed while it waited";
        }
        EXPECT_EQ(waiting, queued.size());
    }
}

} // namespace
