#pragma once

#include "ostrel/core/Event.h"
#include "ostrel/input/Mouse.h"
#include "ostrel/math/Vector.h"

namespace ostrel
{

const std::string MSE_EVENT = "ostrel::mouse";

enum EventMouseAction
{
    UNDEFINED_MOUSE_ACTION = -1,
    CLICKED,
    MOVED,
};

// A mouse button went down or the pointer moved; the position is in (fractional) cells.
class EventMouse : public Event
{
public:
    EventMouse();

    void setMouseAction(EventMouseAction action) { m_mouse_action = action; }
    EventMouseAction getMouseAction() const { return m_mouse_action; }
    void setMouseButton(Mouse::Button button) { m_mouse_button = button; }
    Mouse::Button getMouseButton() const { return m_mouse_button; }
    void setMousePosition(Vector position) { m_mouse_position = position; }
    Vector getMousePosition() const { return m_mouse_position; }

private:
    EventMouseAction m_mouse_action = UNDEFINED_MOUSE_ACTION;
    Mouse::Button m_mouse_button = Mouse::UNDEFINED_MOUSE_BUTTON;
    Vector m_mouse_position;
};

} // namespace ostrel
