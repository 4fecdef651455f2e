#pragma once

#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/input/InputRecord.h>
#include <ostrel/input/Keyboard.h>
#include <ostrel/math/Vector.h>
#include <ostrel/world/ObjectList.h>

#include <initializer_list>
#include <string>
#include <vector>

class DayKeeper;
class Plot;

// Runs the game frame by frame through the engine's own one-frame call, without the clock:
// each frame sends a step event, the pending input, then updates, draws and shows the world;
// while the game is paused it only reads input, draws and shows. The engine is started on the
// headless front end (fixtures that read pixels choose the window) in a fresh folder holding
// the game's data, with the run seeded to a fixed value.
class GameHarness : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The front end the engine starts on.
    virtual const char* frontEnd() const { return "headless"; }

    // One frame, or n of them.
    void frame();
    void frames(int n);
    // Frames until n have run or the game pauses: for long stretches of play.
    void steps(int n);

    // Input, queued as a front end's: the next frame passes it through the input filter and
    // delivers it to every object, as the loop does.
    void send(const ostrel::InputRecord& input);
    void press(ostrel::Keyboard::Key key);
    void release(ostrel::Keyboard::Key key);
    void click(ostrel::Vector cell);
    void move(ostrel::Vector cell);
    // The window gaining or losing the keyboard focus.
    void focus(bool focused);

    // Gives the window a new size and waits for the display to take it; false if it never did.
    bool resizeWindow(unsigned width, unsigned height);

    ostrel::ObjectList objects(const std::string& type) const;
    int count(const std::string& type) const;
    std::vector<Plot*> plots() const;
    DayKeeper* dayKeeper() const;

    // Buys the upgrades in order, paying for them with money added first.
    void buy(std::initializer_list<const char*> names);

    // How many times the sound has been played since it was loaded.
    int plays(const std::string& sound) const;
    bool musicPlaying(const std::string& label) const;

    // The last frame shown, and one of its rows.
    std::string screen() const;
    std::string row(int r) const;

    testing_support::TestDir m_dir{testing_support::TestDir::GAME_DATA};
    int m_step = 0;
};
