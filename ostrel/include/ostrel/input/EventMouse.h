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
    // Given only with InputManager::setExtendedInput(true).
    RELEASED,
    WHEEL,
};

// A mouse button went down or came up, the pointer moved or the wheel turned; the position is
// in (fractional) cells.
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
    // How far the wheel turned, for WHEEL: positive away from the player.
    void setWheelDelta(float delta) { m_wheel_delta = delta; }
    float getWheelDelta() const { return m_wheel_delta; }

private:
    EventMouseAction m_mouse_action = UNDEFINED_MOUSE_ACTION;
    Mouse::Button m_mouse_button = Mouse::UNDEFINED_MOUSE_BUTTON;
    Vector m_mouse_position;
    float m_wheel_delta = 0;
};

} // namespace ostrel
