#include "ShopDescription.h"

#include "EventDescription.h"

ShopDescription::ShopDescription()
{
    setType("ShopDescription");
}

int ShopDescription::eventHandler(const ostrel::Event* event)
{
    if (event->getType() == DESCRIPTION_EVENT)
    {
        setText(dynamic_cast<const EventDescription*>(event)->getDescription());
        return 1;
    }
    return 0;
}
