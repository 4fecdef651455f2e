// A typing drill: type the line shown. Each character typed lands on green when it is right
// and on red when it is wrong; Backspace takes the last one back, Enter checks the line and
// shows the next. Escape or the window's close button quits.
//
// "--type TEXT" types TEXT before the first frame, as if at the keyboard, with '<' for
// Backspace and '/' for Enter: a run without anyone at the keyboard, for its test.
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/graphics/Ink.h>
#include <ostrel/input/EventClose.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/input/EventText.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/loop/StepLimit.h>
#include <ostrel/world/Object.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace
{

const char* const LINES[] = {"the quick brown fox", "jumps over the lazy dog", "pack my box with five jugs"};
const int LINE_COUNT = 3;
const float LEFT = 20;

// [guide:drill]
// The line to type, what was typed under it, and the score. Typed text arrives as EventText.
class Drill : public ostrel::Object
{
public:
    Drill()
    {
        setType("Drill");
        setSolidness(ostrel::SPECTRAL);
    }

    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() == ostrel::TEXT_EVENT)
        {
            type(*static_cast<const ostrel::EventText*>(event));
            return 1;
        }
        if (event->getType() == ostrel::KEYBOARD_EVENT)
        {
            const auto* key = static_cast<const ostrel::EventKeyboard*>(event);
            if (key->getKeyboardAction() == ostrel::KEY_PRESSED && key->getKey() == ostrel::Keyboard::ESCAPE)
            {
                ostrel::GameManager::getInstance().setGameOver();
            }
            return 1;
        }
        if (event->getType() == ostrel::CLOSE_EVENT)
        {
            ostrel::GameManager::getInstance().setGameOver();
            return 1;
        }
        return 0;
    }

    int draw() override
    {
        const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
        const ostrel::Rgb slate{40, 44, 52};
        const std::string target = LINES[m_line % LINE_COUNT];
        display.drawString(ostrel::Vector(40, 4), "Type the line, then Enter", ostrel::CENTER_JUSTIFIED, ostrel::CYAN);
        display.drawString(ostrel::Vector(LEFT, 8), target, ostrel::LEFT_JUSTIFIED, ostrel::Ink(ostrel::WHITE, slate));
        for (std::size_t i = 0; i < m_typed.size(); ++i)
        {
            const bool right = i < target.size() && m_typed[i] == target[i];
            const ostrel::Rgb back = right ? ostrel::Rgb{30, 110, 50} : ostrel::Rgb{150, 30, 30};
            display.drawCh(ostrel::Vector(LEFT + static_cast<float>(i), 10), m_typed[i],
                           ostrel::Ink(ostrel::WHITE, back));
        }
        // The cursor: a cell of its own colour after the last character.
        display.drawCh(ostrel::Vector(LEFT + static_cast<float>(m_typed.size()), 10), ' ',
                       ostrel::Ink(ostrel::BLACK, ostrel::Rgb{230, 200, 60}));
        const std::string score = "Lines " + std::to_string(m_line) + "   characters right " + std::to_string(m_right);
        display.drawString(ostrel::Vector(40, 14), score, ostrel::CENTER_JUSTIFIED, ostrel::Rgb{255, 170, 60});
        return 0;
    }

    std::string summary() const
    {
        return "typed " + std::to_string(m_line) + " lines, " + std::to_string(m_right) + " characters right";
    }

private:
    void type(const ostrel::EventText& text)
    {
        if (text.isBackspace())
        {
            if (!m_typed.empty())
            {
                m_typed.pop_back();
            }
        }
        else if (text.isEnter())
        {
            const std::string target = LINES[m_line % LINE_COUNT];
            for (std::size_t i = 0; i < m_typed.size() && i < target.size(); ++i)
            {
                m_right += m_typed[i] == target[i];
            }
            m_typed.clear();
            ++m_line;
        }
        else if (text.getText().size() == 1 && m_typed.size() < 40)
        {
            m_typed += text.getText(); // one cell per character: the grid draws ASCII
        }
    }

    std::string m_typed;
    int m_line = 0;
    int m_right = 0;
};
// [guide:end]

// Queues each character of `script` as typed text: '<' is Backspace, '/' Enter.
void typeScript(const std::string& script)
{
    for (const char ch : script)
    {
        ostrel::InputRecord input;
        input.kind = ostrel::InputKind::TEXT;
        input.character = ch == '<' ? ostrel::TEXT_BACKSPACE : ch == '/' ? ostrel::TEXT_ENTER : char32_t(ch);
        ostrel::InputManager::getInstance().queueInput(input);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // "--type TEXT" is this example's own; the rest go to stepsFromArguments().
    std::string script;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--type") == 0 && i + 1 < argc)
        {
            script = argv[++i];
        }
        else
        {
            rest.push_back(argv[i]);
        }
    }
    const int steps = ostrel::stepsFromArguments(static_cast<int>(rest.size()), rest.data());
    if (steps < 0)
    {
        return 2;
    }
    // [guide:main]
    // Text, mouse releases and the wheel are asked for before start-up.
    ostrel::InputManager::getInstance().setExtendedInput(true);
    ostrel::GameManager& game = ostrel::GameManager::getInstance();
    if (game.startUp() != 0)
    {
        game.shutDown();
        return 1;
    }
    // [guide:end]
    typeScript(script);
    const Drill* drill = new Drill;
    if (steps > 0)
    {
        new ostrel::StepLimit(steps);
    }
    game.run();
    std::printf("%s\n", drill->summary().c_str());
    game.shutDown();
    return 0;
}
