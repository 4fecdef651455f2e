#include "ostrel/input/EventPicture.h"

namespace ostrel
{

EventPicture::EventPicture(bool shown) : m_shown(shown)
{
    setType(PICTURE_EVENT);
}

} // namespace ostrel
