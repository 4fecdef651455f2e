// Frame-time figures of the engine under a real (or virtual) X display:
//  - one world update of 250, 500 and 1000 moving solid objects, with the plain collision
//    search and with the broad phase, and the world's other passes (a step event to every
//    object, the drawing pass),
//  - the game loop's step period with an otherwise empty world,
//  - a frame drawn by the batched renderer against the per-cell one, for a full 80 x 24
//    screen and for the game's busiest screens (a farm day with 28 plots, both pickups and
//    both pests out; the shop). A frame's time runs from its first drawCh to the return of
//    swapBuffers (or the per-cell drawing's display and clear).
// Run it from build/bench, where the build links the font and the game's data.
#include "CellReference.h"
#include "PlainWorld.h"
#include "Timing.h"
#include "assets/ResourceManifest.h"
#include "farm/Plot.h"
#include "farm/PlotModifier.h"
#include "pests/Pest.h"
#include "run/MoneyManager.h"
#include "run/PlayedRun.h"
#include "run/StartObjects.h"
#include "shop/UpgradeManager.h"

#include <ostrel/core/EventStep.h>
#include <ostrel/frontend/WindowFrontEnd.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/input/EventMouse.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/system/Random.h>
#include <ostrel/world/Object.h>
#include <ostrel/world/WorldManager.h>

#include <chrono>
#include <cstdio>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;
using Calls = std::vector<ostrel::DrawCall>;
const int FRAMES = 300;

// A world of `count` moving solid objects, the same on every call: half hard, half soft,
// spread over the screen, each still or moving a quarter cell per step on either axis.
void populate(int count)
{
    ostrel::Random random(1);
    for (int i = 0; i < count; ++i)
    {
        // Drawn one by one, in this order: the order of a call's arguments is unspecified.
        const int col = random.nextInt(80);
        const int row = random.nextInt(24);
        const int step_x = random.nextInt(3) - 1;
        const int step_y = random.nextInt(3) - 1;
        ostrel::Object* object = new ostrel::Object;
        object->setSolidness(i % 2 ? ostrel::HARD : ostrel::SOFT);
        object->setPosition(ostrel::Vector(static_cast<float>(col), static_cast<float>(row)));
        object->setVelocity(ostrel::Vector(static_cast<float>(step_x) * 0.25f, static_cast<float>(step_y) * 0.25f));
    }
}

template <typename Update>
Timings timeUpdates(int count, Update update)
{
    populate(count);
    Timings timings;
    for (int frame = 0; frame < FRAMES; ++frame)
    {
        const Clock::time_point start = Clock::now();
        update();
        timings.add(millisecondsBetween(start, Clock::now()));
    }
    ostrel::WorldManager::getInstance().shutDown();
    ostrel::WorldManager::getInstance().startUp();
    return timings;
}

// The world update with the plain collision search and with the broad phase, on the same
// worlds, so that how each grows with the number of objects reads off one table.
void benchWorldUpdate()
{
    double plain_median = 0.0;
    double broad_median = 0.0;
    for (const int count : {250, 500, 1000})
    {
        reference::PlainWorld plain;
        const Timings plain_timings = timeUpdates(count, [&plain] { plain.update(); });
        const Timings broad_timings = timeUpdates(count, [] { ostrel::WorldManager::getInstance().update(); });
        std::printf("world update %4d objects  plain median %6.2f worst %6.2f ms  broad median %6.2f worst %6.2f ms\n",
                    count, plain_timings.median(), plain_timings.worst(), broad_timings.median(),
                    broad_timings.worst());
        plain_median = plain_timings.median();
        broad_median = broad_timings.median();
    }
    std::printf("world plain=%.2f broad=%.2f\n", plain_median, broad_median);
}

// The other passes over the whole world in a step: a step event sent to every object, and the
// drawing pass by altitude (objects without a sprite, so only the pass itself is timed).
void benchWorldPasses()
{
    for (const int count : {40, 1000})
    {
        populate(count);
        Timings broadcast;
        Timings draw;
        for (int frame = 0; frame < FRAMES; ++frame)
        {
            const ostrel::EventStep step(frame);
            const Clock::time_point start = Clock::now();
            ostrel::WorldManager::getInstance().onEvent(&step);
            const Clock::time_point sent = Clock::now();
            ostrel::WorldManager::getInstance().draw();
            broadcast.add(millisecondsBetween(start, sent));
            draw.add(millisecondsBetween(sent, Clock::now()));
        }
        std::printf("world passes %4d objects  step event median %6.3f worst %6.3f ms  draw pass median %6.3f worst "
                    "%6.3f ms\n",
                    count, broadcast.median(), broadcast.worst(), draw.median(), draw.worst());
        ostrel::WorldManager::getInstance().shutDown();
        ostrel::WorldManager::getInstance().startUp();
    }
}

// Notes when each step arrives and ends the game after the last.
class StepClock : public ostrel::Object
{
public:
    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() != ostrel::STEP_EVENT)
        {
            return 0;
        }
        const Clock::time_point now = Clock::now();
        if (m_steps > 0)
        {
            timings.add(millisecondsBetween(m_previous, now));
        }
        m_previous = now;
        if (++m_steps > FRAMES)
        {
            ostrel::GameManager::getInstance().setGameOver(true);
            ostrel::WorldManager::getInstance().markForDelete(this);
        }
        return 1;
    }

    Timings timings;

private:
    int m_steps = 0;
    Clock::time_point m_previous;
};

void benchLoop()
{
    StepClock* clock = new StepClock;
    clock->setSolidness(ostrel::SPECTRAL);
    ostrel::GameManager::getInstance().run();
    clock->timings.print("game loop step period", "steps");
    ostrel::WorldManager::getInstance().update();
}

Calls fullScreen()
{
    Calls calls;
    for (int row = 0; row < 24; ++row)
    {
        for (int col = 0; col < 80; ++col)
        {
            const char ch = static_cast<char>(33 + (row * 80 + col) % 94);
            calls.push_back(ostrel::DrawCall{ostrel::Vector(static_cast<float>(col), static_cast<float>(row)), ch,
                                             static_cast<ostrel::Color>((col + row) % 8)});
        }
    }
    return calls;
}

void steps(int n)
{
    static int step_count = 0;
    for (int i = 0; i < n; ++i)
    {
        const ostrel::EventStep step(step_count++);
        ostrel::WorldManager::getInstance().onEvent(&step);
        ostrel::WorldManager::getInstance().update();
    }
}

void deliver(const ostrel::Event& event)
{
    ostrel::InputManager::getInstance().onEvent(&event);
}

// The calls of the frame the world draws now.
Calls drawnFrame()
{
    ostrel::WorldManager::getInstance().draw();
    ostrel::DisplayManager::getInstance().swapBuffers();
    return ostrel::DisplayManager::getInstance().shownCalls();
}

template <typename T>
bool allOf(const char* type, bool (T::*test)() const)
{
    const ostrel::ObjectList list = ostrel::WorldManager::getInstance().objectsOfType(type);
    for (int i = 0; i < list.getCount(); ++i)
    {
        if (!(dynamic_cast<const T*>(list[i])->*test)())
        {
            return false;
        }
    }
    return !list.isEmpty();
}

// A farm day at its busiest: 28 plots sown, both pickups and both pests out.
Calls busyFarm()
{
    createStartObjects();
    ostrel::EventKeyboard space;
    space.setKey(ostrel::Keyboard::SPACE);
    space.setKeyboardAction(ostrel::KEY_PRESSED);
    deliver(space);
    MoneyManager::getInstance().addMoney(300);
    UpgradeManager::getInstance().attemptPurchaseUpgrade("Fertilizer");
    for (int i = 0; i < 18; ++i)
    {
        new Plot;
    }
    const ostrel::ObjectList plots = ostrel::WorldManager::getInstance().objectsOfType("Plot");
    for (int i = 0; i < plots.getCount(); ++i)
    {
        ostrel::EventMouse click;
        click.setMouseAction(ostrel::CLICKED);
        click.setMousePosition(plots[i]->getPosition());
        deliver(click);
        steps(20);
    }
    for (int i = 0; i < 1200 && !(allOf<PlotModifier>("PlotModifier", &PlotModifier::isAvailable) &&
                                  allOf<Pest>("Crow", &Pest::isSpawned) && allOf<Pest>("Fly", &Pest::isSpawned));
         ++i)
    {
        steps(1);
    }
    return drawnFrame();
}

// The shop after a met quota, with a card's description showing.
Calls shop()
{
    MoneyManager::getInstance().addMoney(1000);
    for (int i = 0; i < 1800 && ostrel::WorldManager::getInstance().objectsOfType("ShopDisplay").isEmpty(); ++i)
    {
        steps(1);
    }
    steps(60);
    ostrel::EventMouse hover;
    hover.setMouseAction(ostrel::MOVED);
    hover.setMousePosition(ostrel::Vector(35, 10));
    deliver(hover);
    return drawnFrame();
}

Timings timeBatched(const Calls& calls)
{
    ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    Timings timings;
    for (int frame = 0; frame < FRAMES; ++frame)
    {
        const Clock::time_point start = Clock::now();
        for (const ostrel::DrawCall& call : calls)
        {
            display.drawCh(call.position, call.ch, call.color);
        }
        // Painted even when it repeats the last frame: this times the painting.
        dynamic_cast<ostrel::WindowFrontEnd&>(*display.getFrontEnd()).invalidate();
        display.swapBuffers();
        timings.add(millisecondsBetween(start, Clock::now()));
    }
    return timings;
}

Timings timePerCell(const Calls& calls)
{
    ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    sf::RenderWindow& window = *display.getWindow();
    const auto& front_end = dynamic_cast<const ostrel::WindowFrontEnd&>(*display.getFrontEnd());
    Timings timings;
    for (int frame = 0; frame < FRAMES; ++frame)
    {
        const Clock::time_point start = Clock::now();
        reference::drawFrameReference(window, *front_end.getFont(), front_end.getCharacterSize(), calls);
        window.display();
        window.clear(ostrel::WINDOW_BACKGROUND_COLOR_DEFAULT);
        timings.add(millisecondsBetween(start, Clock::now()));
    }
    return timings;
}

// Times both renderers on the frame; returns batched median / per-cell median.
double compare(const char* name, const Calls& calls)
{
    const Timings per_cell = timePerCell(calls);
    const Timings batched = timeBatched(calls);
    std::printf("%-22s %5zu calls  per-cell median %6.2f worst %6.2f ms  batched median %6.2f worst %6.2f ms\n", name,
                calls.size(), per_cell.median(), per_cell.worst(), batched.median(), batched.worst());
    return batched.median() / per_cell.median();
}

} // namespace

int main()
{
    ostrel::GameManager& game = ostrel::GameManager::getInstance();
    if (game.startUp() != 0)
    {
        std::fprintf(stderr, "frame_bench: the engine did not start (is there a display, and the font?)\n");
        game.shutDown();
        return 1;
    }
    seedRun(1);
    benchWorldUpdate();
    benchWorldPasses();
    benchLoop();

    loadResources();
    const Calls full = fullScreen();
    const Calls farm = busyFarm();
    const Calls shop_frame = shop();
    const double full_ratio = compare("full screen", full);
    const double farm_ratio = compare("farm, 28 plots", farm);
    const double shop_ratio = compare("shop", shop_frame);
    std::printf("ratio full=%.2f farm=%.2f shop=%.2f\n", full_ratio, farm_ratio, shop_ratio);
    return 0;
}
