#pragma once

#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/input/Keyboard.h>
#include <ostrel/world/ObjectList.h>
#include <ostrel/world/Vector.h>

#include <initializer_list>
#include <string>
#include <vector>

class DayKeeper;
class Plot;

// Runs the game frame by frame without the clock: each frame sends a step event, the input
// events queued since the last frame (delivered as the input manager delivers them), then
// updates, draws and shows the world; while the game is paused it only draws and shows. The engine is started in a
// fresh folder holding the game's data, with the run seeded to a fixed value.
class GameHarness : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // One frame, or n of them.
    void frame();
    void frames(int n);
    // Steps and world updates only, without drawing: for long stretches of play.
    void steps(int n);

    // Input, delivered at once to every object.
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
