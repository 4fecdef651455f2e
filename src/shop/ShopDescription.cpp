#include "shop/ShopDescription.h"

#include "events/EventDescription.h"

#include <ostrel/graphics/DisplayManager.h>

ShopDescription::ShopDescription()
{
    setType("ShopDescription");
}

int ShopDescription::eventHandler(const ostrel::Event* event)
{
    if (event->getType() == DESCRIPTION_EVENT)
    {
        const auto* description = dynamic_cast<const EventDescription*>(event);
        // A card the pointer left must not blank what the card it entered has just shown.
        if (description->getDescription().empty() && description->getSource() != m_source)
        {
            return 1;
        }
        setText(description->getDescription());
        m_warning = description->getWarning();
        m_source = description->getSource();
        return 1;
    }
    return 0;
}

int ShopDescription::draw()
{
    const ostrel::Vector position = getPosition();
    ostrel::DisplayManager::getInstance().drawString(ostrel::Vector(position.getX(), position.getY() + 1), m_warning,
                                                     ostrel::CENTER_JUSTIFIED, ostrel::RED);
    return DisplayText::draw();
}
