#pragma once

#include "ostrel/core/Manager.h"
#include "ostrel/input/InputRecord.h"
#include "ostrel/input/Keyboard.h"
#include "ostrel/input/Mouse.h"
#include "ostrel/math/Vector.h"

#include <bitset>
#include <deque>

namespace ostrel
{

class InputFilter;
class InputSource;

// Turns the front end's pending input into keyboard and mouse events for every object.
class InputManager : public Manager
{
public:
    static InputManager& getInstance();
    ~InputManager() override;

    // Needs a started display (whose front end is the input's source); turns key repeat off.
    // -1 without a display.
    int startUp() override;
    void shutDown() override;

    // Reads every pending input of the front end and delivers each as it is read. Key
    // presses and releases, mouse moves, mouse-button presses, focus changes and the
    // window's close request (as an EventClose) are delivered, and with extended input the
    // rest of the mouse and the text typed; a resize is passed to the
    // filter alone. A handler may switch the display to full screen: the new window's input
    // is read from then on. With a filter, the filter's frame begins first and each input
    // goes to the game only when the filter admits it.
    void getInput() const;

    // Sends one input to every object, as if just read from the front end.
    void deliver(const InputRecord& input) const;
    // Queues an input from the program itself (a test, a tool, a headless game): the next
    // getInput() reads it before the front end's, and it passes the filter like theirs.
    void queueInput(const InputRecord& input);

    // Whether the game also gets mouse-button releases, the wheel and typed text (EventText).
    // Off by default; set before startUp(), and before a recording starts.
    void setExtendedInput(bool extended) { m_extended = extended; }
    bool isExtendedInput() const { return m_extended; }
    // Whether the key is held down, by the presses and releases delivered so far; a lost
    // focus lets every key go.
    bool isKeyDown(Keyboard::Key key) const;

    // The filter every input passes (not owned; nullptr for none).
    void setFilter(InputFilter* filter) { m_filter = filter; }
    InputFilter* getFilter() const { return m_filter; }

    // Where live input comes from (not owned); the display sets its front end here while it
    // runs, and nullptr when it stops.
    void setSource(InputSource* source) { m_source = source; }

private:
    InputManager();

    // Whether the input is of a kind the game asked for.
    bool isWanted(const InputRecord& input) const;
    // Passes a live input through the filter, then delivers it when admitted.
    void receive(const InputRecord& input) const;

    InputFilter* m_filter = nullptr;
    InputSource* m_source = nullptr;
    mutable std::deque<InputRecord> m_queue;
    bool m_extended = false;
    mutable std::bitset<Keyboard::NUM0 + 1> m_keys_down;
};

} // namespace ostrel
