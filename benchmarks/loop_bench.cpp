// The program's main loop against a bare hand-written SDL loop doing the same
// work per pass (one poll, one blit of the same picture, one flip), in one
// run, interleaved round by round; and, as the limit, the bare loop with the
// picture converted to the display's format. Prints passes per second
// (median of the rounds), heap allocations per pass, and the ratios (median
// of each round's ratio, so that drift on a shared machine cancels out). The
// order of the three loops turns from round to round.
//
// usage: korvane_loop_bench [--rounds N] [--passes N] PICTURE_FOLDER
// The video driver is SDL's choice: SDL_VIDEODRIVER=dummy, or a DISPLAY.

#include "allocation_counter.h"
#include "gameengine.h"
#include "introstate.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {

struct Figures {
    std::vector<double> passesPerSecond;
    double allocationsPerPass = 0;
};

// Times `passes` passes of `pass`, counting the heap allocations they make.
void Measure(Figures& figures, long passes, const std::function<bool()>& pass) {
    const unsigned long allocationsBefore = AllocationsSoFar();
    const auto start = std::chrono::steady_clock::now();
    long done = 0;
    while (done < passes && pass()) {
        ++done;
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    figures.passesPerSecond.push_back(done / seconds.count());
    figures.allocationsPerPass = double(AllocationsSoFar() - allocationsBefore) / double(done);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double MedianRatio(const Figures& over, const Figures& under) {
    std::vector<double> ratios;
    for (size_t round = 0; round < over.passesPerSecond.size(); ++round) {
        ratios.push_back(over.passesPerSecond[round] / under.passesPerSecond[round]);
    }
    return Median(ratios);
}

// One pass of a hand-written loop: what a user would write without the engine.
bool BarePass(SDL_Surface* picture, SDL_Surface* screen) {
    SDL_Event event;
    SDL_PollEvent(&event);
    SDL_BlitSurface(picture, nullptr, screen, nullptr);
    SDL_Flip(screen);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    long rounds = 7, passes = 2000;
    const char* folder = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
            rounds = std::atol(argv[++i]);
        } else if (std::strcmp(argv[i], "--passes") == 0 && i + 1 < argc) {
            passes = std::atol(argv[++i]);
        } else {
            folder = argv[i];
        }
    }
    if (!folder || rounds < 1 || passes < 1 || chdir(folder) != 0) {
        std::fprintf(stderr, "usage: korvane_loop_bench [--rounds N] [--passes N] PICTURE_FOLDER\n");
        return 2;
    }

    CGameEngine game;
    game.Init("Korvane v1.0", 480, 272, 16, false);
    if (!game.screen) {
        std::fprintf(stderr, "korvane_loop_bench: cannot open a window: %s\n", SDL_GetError());
        game.Cleanup();
        return 1;
    }
    SDL_Surface* screen = game.screen;
    char driver[32] = "?";
    SDL_VideoDriverName(driver, sizeof driver);
    for (SDL_Event event; SDL_PollEvent(&event);) {
        // what opening the window queued
    }

    game.ChangeState(&introState);
    SDL_Surface* picture = SDL_LoadBMP("intro.bmp");
    SDL_Surface* converted = picture ? SDL_DisplayFormat(picture) : nullptr;
    if (!converted) {
        std::fprintf(stderr, "korvane_loop_bench: cannot read intro.bmp: %s\n", SDL_GetError());
        return 1;
    }

    Figures program, bare, limit;
    const std::function<bool()> programPass = [&] {
        if (!game.Running()) {
            return false;
        }
        game.HandleEvents();
        game.Update();
        game.Draw();
        return true;
    };
    const std::function<bool()> barePass = [&] { return BarePass(picture, screen); };
    const std::function<bool()> limitPass = [&] { return BarePass(converted, screen); };
    struct Loop {
        Figures* figures;
        const std::function<bool()>* pass;
    };
    const Loop loops[] = {{&program, &programPass}, {&bare, &barePass}, {&limit, &limitPass}};
    for (long round = 0; round <= rounds; ++round) {
        for (int i = 0; i < 3; ++i) {
            const Loop& loop = loops[(round + i) % 3];
            Figures warmUp;
            Measure(round > 0 ? *loop.figures : warmUp, passes, *loop.pass); // round 0 only warms up
        }
    }

    SDL_FreeSurface(converted);
    SDL_FreeSurface(picture);
    game.Cleanup();

    const double programRate = Median(program.passesPerSecond);
    const double bareRate = Median(bare.passesPerSecond);
    const double limitRate = Median(limit.passesPerSecond);
    std::printf("video driver %s, %ld rounds of %ld passes, median\n", driver, rounds, passes);
    std::printf("%-34s %12s %12s\n", "loop", "passes/s", "allocs/pass");
    std::printf("%-34s %12.0f %12.2f\n", "program (engine and screens)", programRate,
                program.allocationsPerPass);
    std::printf("%-34s %12.0f %12.2f\n", "bare SDL loop", bareRate, bare.allocationsPerPass);
    std::printf("%-34s %12.0f %12.2f\n", "bare loop, converted picture", limitRate, limit.allocationsPerPass);
    std::printf("program / bare loop: %.3f\n", MedianRatio(program, bare));
    std::printf("program / converted limit: %.3f\n", MedianRatio(program, limit));
    return 0;
}
