#include "FrontEndChoice.h"
#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/graphics/Animation.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/graphics/Frame.h>
#include <ostrel/graphics/Sprite.h>

using namespace ostrel;

namespace
{
// Indices shown by `draws` draws of a fresh animation over the sprite.
std::vector<int> playback(Sprite& sprite, int draws)
{
    Animation animation;
    animation.setSprite(&sprite);
    std::vector<int> shown;
    for (int i = 0; i < draws; ++i)
    {
        shown.push_back(animation.getIndex());
        animation.draw(Vector(10, 10)); // no window: draws nothing but still advances
    }
    return shown;
}
} // namespace

TEST(Sprite, HoldsNoMoreFramesThanItsCapacity)
{
    Sprite sprite(2);
    EXPECT_EQ(sprite.addFrame(Frame(1, 1, "a")), 0);
    EXPECT_EQ(sprite.addFrame(Frame(1, 1, "b")), 0);
    EXPECT_EQ(sprite.addFrame(Frame(1, 1, "c")), -1);
    EXPECT_EQ(sprite.getFrameCount(), 2);
    EXPECT_EQ(sprite.getFrame(1).getString(), "b");

    EXPECT_EQ(sprite.getFrame(-1).getWidth(), 0);
    EXPECT_EQ(sprite.getFrame(2).getHeight(), 0);
    EXPECT_EQ(sprite.getFrame(2).getString(), "");
    EXPECT_EQ(sprite.draw(2, Vector()), -1);
    EXPECT_EQ(sprite.draw(-1, Vector()), -1);

    Sprite none(-3);
    EXPECT_EQ(none.addFrame(Frame(1, 1, "a")), -1) << "a negative capacity holds nothing";
}

TEST(Animation, EachFrameShowsForTheSlowdown)
{
    Sprite sprite(3);
    for (const char* s : {"a", "b", "c"})
    {
        sprite.addFrame(Frame(1, 1, s));
    }
    sprite.setSlowdown(2);
    EXPECT_EQ(playback(sprite, 7), (std::vector<int>{0, 0, 1, 1, 2, 2, 0}));

    sprite.setSlowdown(0);
    EXPECT_EQ(playback(sprite, 4), (std::vector<int>{0, 1, 2, 0})) << "0 behaves like 1";
}

TEST(Animation, SingleFrameAndFrozenAnimationsStay)
{
    Sprite single(1);
    single.addFrame(Frame(1, 1, "a"));
    single.setSlowdown(3);
    EXPECT_EQ(playback(single, 5), (std::vector<int>(5, 0)));

    Sprite sprite(3);
    for (const char* s : {"a", "b", "c"})
    {
        sprite.addFrame(Frame(1, 1, s));
    }
    Animation animation;
    animation.setSprite(&sprite);
    animation.setIndex(1);
    animation.setSlowdownCount(-1);
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(animation.draw(Vector()), 0);
    }
    EXPECT_EQ(animation.getIndex(), 1);
    EXPECT_EQ(animation.getSlowdownCount(), -1);

    animation.setSprite(&sprite);
    EXPECT_EQ(animation.getIndex(), 0) << "a new sprite restarts playback";
    EXPECT_EQ(animation.getSlowdownCount(), 0);
}

TEST(Animation, BoxIsTheSpriteCentredOnTheOrigin)
{
    Animation animation;
    EXPECT_EQ(animation.draw(Vector()), -1);
    EXPECT_EQ(animation.getBox().getCorner(), Vector(-0.5f, -0.5f));
    EXPECT_EQ(animation.getBox().getHorizontal(), 1.0f);

    Sprite sprite(1);
    sprite.setWidth(5);
    sprite.setHeight(3);
    animation.setSprite(&sprite);
    const Box box = animation.getBox();
    EXPECT_EQ(box.getCorner(), Vector(-2.5f, -1.5f));
    EXPECT_EQ(box.getHorizontal(), 5.0f);
    EXPECT_EQ(box.getVertical(), 3.0f);
}

TEST(Frame, EmptyOrInconsistentFramesDrawNothing)
{
    EXPECT_EQ(Frame().draw(Vector(), WHITE), -1);
    EXPECT_EQ(Frame(3, 2, "abc").draw(Vector(), WHITE), -1) << "too short for 3 x 2";
    EXPECT_EQ(Frame(1, 1, "a").draw(Vector(), WHITE), -1) << "no window";
}

// An animation's own colour overrides its sprite's, so one sprite serves in many colours.
TEST(Animation, ItsColourOverridesTheSpritesAndClearsBackToIt)
{
    testing_support::TestDir dir;
    testing_support::useHeadless();
    DisplayManager& display = DisplayManager::getInstance();
    ASSERT_EQ(display.startUp(), 0);
    Sprite sprite(1);
    sprite.addFrame(Frame(1, 1, "#"));
    sprite.setInk(Ink(RED, Rgb{1, 2, 3}));
    Animation animation;
    animation.setSprite(&sprite);
    const auto shown = [&]
    {
        animation.draw(Vector(4, 2));
        display.swapBuffers();
        return static_cast<Ink>(display.shownCell(4, 2));
    };
    EXPECT_TRUE(shown() == Ink(RED, Rgb{1, 2, 3}));
    animation.setColor(Rgb{200, 100, 0});
    EXPECT_TRUE(shown() == Ink(Rgb{200, 100, 0}));
    animation.clearColor();
    EXPECT_TRUE(shown() == sprite.getInk());
    display.shutDown();
}
