// A small tour of the Ostrel engine: coloured text, an animated sprite loaded from a sprite
// file, and a ball that bounces between two walls through collision events. Run it from a
// folder holding "ostrel-font.ttf" and the "data" folder; Q or Escape quits.
#include <ostrel/core/LogManager.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/resources/ResourceManager.h>
#include <ostrel/world/EventCollision.h>
#include <ostrel/world/EventOut.h>
#include <ostrel/world/Object.h>

#include <string>

namespace
{

// Bounces off whatever it runs into, and counts the bumps.
class Ball : public ostrel::Object
{
public:
    Ball()
    {
        setType("Ball");
        setSprite("ball");
        setPosition(ostrel::Vector(40, 14));
        setVelocity(ostrel::Vector(0.5f, 0));
    }

    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() == ostrel::COLLISION_EVENT || event->getType() == ostrel::OUT_EVENT)
        {
            ++m_bumps;
            setVelocity(ostrel::Vector(-getVelocity().getX(), 0));
            return 1;
        }
        return 0;
    }

    int draw() override
    {
        ostrel::DisplayManager::getInstance().drawString(ostrel::Vector(40, 20), "bumps: " + std::to_string(m_bumps),
                                                         ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
        return Object::draw();
    }

private:
    int m_bumps = 0;
};

// Writes the title and a line in every colour; quits on Q or Escape.
class Banner : public ostrel::Object
{
public:
    Banner() { setSolidness(ostrel::SPECTRAL); }

    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() != ostrel::KEYBOARD_EVENT)
        {
            return 0;
        }
        const auto* key = dynamic_cast<const ostrel::EventKeyboard*>(event);
        if (key->getKeyboardAction() == ostrel::KEY_PRESSED &&
            (key->getKey() == ostrel::Keyboard::Q || key->getKey() == ostrel::Keyboard::ESCAPE))
        {
            ostrel::GameManager::getInstance().setGameOver(true);
        }
        return 1;
    }

    int draw() override
    {
        const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
        display.drawString(ostrel::Vector(40, 1), "Ostrel engine demo", ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
        const char* names[] = {"red", "green", "yellow", "blue", "magenta", "cyan", "white"};
        for (int i = 0; i < 7; ++i)
        {
            display.drawString(ostrel::Vector(4.0f + 11.0f * static_cast<float>(i), 3), names[i],
                               ostrel::LEFT_JUSTIFIED, static_cast<ostrel::Color>(ostrel::RED + i));
        }
        display.drawString(ostrel::Vector(40, 22), "Press Q to quit", ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
        return 0;
    }
};

ostrel::Object* makeDecoration(const std::string& sprite, ostrel::Vector position)
{
    ostrel::Object* object = new ostrel::Object;
    object->setSprite(sprite);
    object->setPosition(position);
    return object;
}

} // namespace

int main()
{
    ostrel::LogManager::getInstance().setFlush(true);
    ostrel::GameManager& game = ostrel::GameManager::getInstance();
    if (game.startUp() != 0)
    {
        ostrel::LogManager::getInstance().writeLog("Error starting game manager!");
        game.shutDown();
        return 1;
    }
    ostrel::ResourceManager& resources = ostrel::ResourceManager::getInstance();
    resources.loadSprite("data/spark.txt", "spark");
    resources.loadSprite("data/ball.txt", "ball");
    resources.loadSprite("data/wall.txt", "wall");

    new Banner;
    makeDecoration("spark", ostrel::Vector(40, 8))->setSolidness(ostrel::SPECTRAL);
    makeDecoration("wall", ostrel::Vector(10, 14));
    makeDecoration("wall", ostrel::Vector(70, 14));
    new Ball;

    game.run();
    game.shutDown();
    return 0;
}
