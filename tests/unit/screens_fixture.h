#ifndef KORVANE_TESTS_SCREENS_FIXTURE_H
#define KORVANE_TESTS_SCREENS_FIXTURE_H

#include "gameengine.h"

#include <gtest/gtest.h>

#include <string>

struct Colour {
    Uint8 r, g, b;
};
const Colour introColour{255, 0, 0};
const Colour menuColour{0, 0, 255};
const Colour black{0, 0, 0};

// Writes a BMP of one colour, stored as RGB565 like the shipped pictures.
void WritePicture(const char* file, int width, int height, Colour colour);

// Queues events named like "SPACE", "shift+SPACE", "release SPACE", "ESCAPE",
// "a", "QUIT", "motion", "click", "focus", "expose".
void Queue(const std::string& events);

// The real screens on the real engine, run from a folder of their own that
// holds a red "intro.bmp" and a blue "menu.bmp", with the intro on top.
// Whatever a test does, every picture loaded is freed exactly once and two
// are never loaded at once.
class ScreensTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Ends the run and starts a new one, with the intro on top.
    void Restart();

    // One pass of the main loop.
    void Pass();

    bool ShowsAt(int x, int y, Colour colour);

    // 'I' for the intro picture, 'M' for the menu's, 'K' for a black window.
    char Shown();

    CGameEngine game;

  private:
    void Start();

    std::string folder;
    char startFolder[4096];
};

#endif
