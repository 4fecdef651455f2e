#pragma once

#include "ostrel/core/Event.h"

namespace ostrel
{

const std::string PICTURE_EVENT = "ostrel::picture";

// Sent when the front end can no longer show the game's picture (a terminal too small for
// the grid), and when it can again. A game holds what it shows meanwhile: a day pauses.
class EventPicture : public Event
{
public:
    explicit EventPicture(bool shown = true);

    bool isShown() const { return m_shown; }

private:
    bool m_shown;
};

} // namespace ostrel
