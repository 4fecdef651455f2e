// A small game built against an installed Ostrel, outside the engine's tree. A cart loaded
// from a sprite file rolls into a post; once they have collided, a Q key press goes in
// through the engine's input filter, as a replayed run's keys do, and the game quits on it
// just as on a player's Q. It prints what happened and exits 0 only when all of it did.
// Its "data" folder lies beside its binary; run it from a folder holding "ostrel-font.ttf".
#include <ostrel/Version.h>
#include <ostrel/core/EventStep.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/graphics/Sprite.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/input/InputFilter.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/resources/ResourceManager.h>
#include <ostrel/system/ExecutableFolder.h>
#include <ostrel/world/EventCollision.h>
#include <ostrel/world/Object.h>

#include <iostream>
#include <string>

namespace
{

// Far more steps than the cart needs to reach the post: past it, the game gives up.
const int STEP_LIMIT = 300;

struct Happenings
{
    bool collided = false;
    bool quit_key = false;
};

Happenings happened;

// Rolls right until it runs into the post.
class Cart : public ostrel::Object
{
public:
    Cart()
    {
        setType("Cart");
        setSprite("cart");
        setPosition(ostrel::Vector(10, 12));
        setVelocity(ostrel::Vector(1, 0));
    }

    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() != ostrel::COLLISION_EVENT)
        {
            return 0;
        }
        const auto* collision = dynamic_cast<const ostrel::EventCollision*>(event);
        const ostrel::Object* other =
            collision->getObject1() == this ? collision->getObject2() : collision->getObject1();
        if (other->getType() == "Post" && !happened.collided)
        {
            happened.collided = true;
            std::cout << "collision: the cart ran into the post at x=" << collision->getPosition().getX() << " on step "
                      << ostrel::GameManager::getInstance().getStepCount() << '\n';
        }
        return 1;
    }
};

// A hard post without a sprite: a box three cells high.
class Post : public ostrel::Object
{
public:
    Post()
    {
        setType("Post");
        setPosition(ostrel::Vector(40, 12));
        setBox(ostrel::Box(ostrel::Vector(-0.5f, -1.5f), 1, 3));
    }

    int draw() override
    {
        for (int dy = -1; dy <= 1; ++dy)
        {
            ostrel::DisplayManager::getInstance().drawCh(getPosition() + ostrel::Vector(0, static_cast<float>(dy)), '#',
                                                         ostrel::RED);
        }
        return 0;
    }
};

// Quits on Q, as a player's key would have it; gives up after STEP_LIMIT steps.
class Quitter : public ostrel::Object
{
public:
    Quitter() { setSolidness(ostrel::SPECTRAL); }

    int eventHandler(const ostrel::Event* event) override
    {
        ostrel::GameManager& game = ostrel::GameManager::getInstance();
        if (event->getType() == ostrel::KEYBOARD_EVENT)
        {
            const auto* key = dynamic_cast<const ostrel::EventKeyboard*>(event);
            if (key->getKeyboardAction() == ostrel::KEY_PRESSED && key->getKey() == ostrel::Keyboard::Q)
            {
                happened.quit_key = true;
                std::cout << "key: Q pressed, quitting\n";
                game.setGameOver(true);
            }
            return 1;
        }
        if (event->getType() == ostrel::STEP_EVENT &&
            dynamic_cast<const ostrel::EventStep*>(event)->getStepCount() > STEP_LIMIT)
        {
            std::cout << "gave up after " << STEP_LIMIT << " steps\n";
            game.setGameOver(true);
            return 1;
        }
        return 0;
    }

    int draw() override
    {
        return ostrel::DisplayManager::getInstance().drawString(ostrel::Vector(40, 2), "Ostrel consumer",
                                                                ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
    }
};

// Lets every live input through and, on the frame after the collision, presses Q.
class QuitAfterCollision : public ostrel::InputFilter
{
public:
    void beginFrame() override
    {
        if (happened.collided && !m_pressed)
        {
            m_pressed = true;
            ostrel::InputRecord press;
            press.kind = ostrel::InputKind::KEY_PRESS;
            press.key = ostrel::Keyboard::Q;
            ostrel::InputManager::getInstance().deliver(press);
        }
    }

    bool admit(const ostrel::InputRecord&) override { return true; }

private:
    bool m_pressed = false;
};

} // namespace

int main()
{
    std::cout << "engine: Ostrel " << OSTREL_VERSION << '\n';
    ostrel::GameManager& game = ostrel::GameManager::getInstance();
    if (game.startUp() != 0)
    {
        std::cout << "the engine did not start (see ostrel.log)\n";
        game.shutDown();
        return 1;
    }
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    const bool started = display.isStarted() && display.getFrontEnd() != nullptr;
    std::cout << "display: "
              << (started ? "started on the " + display.getFrontEnd()->getName() + " front end" : "missing") << ", "
              << display.getHorizontal() << "x" << display.getVertical() << " cells\n";

    ostrel::ResourceManager& resources = ostrel::ResourceManager::getInstance();
    resources.setDataFolder(ostrel::executableFolder());
    const bool sprite = resources.loadSprite("data/cart.txt", "cart") == 0;
    if (sprite)
    {
        const ostrel::Sprite* cart = resources.getSprite("cart");
        std::cout << "sprite: loaded data/cart.txt as \"cart\", " << cart->getFrameCount() << " frames of "
                  << cart->getWidth() << "x" << cart->getHeight() << '\n';
    }
    else
    {
        std::cout << "sprite: data/cart.txt did not load (see ostrel.log)\n";
    }

    QuitAfterCollision filter;
    ostrel::InputManager::getInstance().setFilter(&filter);
    new Quitter;
    new Post;
    new Cart;
    game.setFrameTime(0);
    game.run();

    // The last frame shown must have drawn the cart, from its sprite, against the post.
    const std::string shown = display.shownText();
    const bool drawn = shown.find("-O-O-") != std::string::npos && shown.find('#') != std::string::npos;
    std::cout << "drawn: the last frame " << (drawn ? "shows" : "does not show") << " the cart and the post\n";
    ostrel::InputManager::getInstance().setFilter(nullptr);
    game.shutDown();

    const bool all = started && sprite && happened.collided && happened.quit_key && drawn;
    std::cout << (all ? "consumer: all happened" : "consumer: something did not happen") << '\n';
    return all ? 0 : 1;
}
