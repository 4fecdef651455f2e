#include "farm/PlotModifier.h"

#include "assets/Sounds.h"
#include "events/EventModifierChange.h"
#include "events/EventNewDay.h"
#include "run/FieldRandom.h"
#include "shop/UpgradeManager.h"

#include <ostrel/core/EventStep.h>
#include <ostrel/input/EventMouse.h>
#include <ostrel/system/Random.h>
#include <ostrel/world/WorldManager.h>
#include <ostrel/world/utility.h>

namespace
{

// Steps until the pickup shows up again, before any upgrade shortens it.
int drawDelay(PlotModifierType type)
{
    return type == WATERING_CAN ? fieldRandom().nextInt(50) + 150 : fieldRandom().nextInt(75) + 200;
}

} // namespace

PlotModifier::PlotModifier(PlotModifierType type)
    : m_modifier_type(type), m_hovered(false), m_available(false), m_respawn_delay(0), m_modifier_held(false)
{
    setType("PlotModifier");
    setSprite(type == WATERING_CAN ? "watering_can" : "fertilizer");
    m_respawn_delay = drawDelay(type);
    setRandomPos();
}

void PlotModifier::setRandomPos()
{
    setPosition(randomFieldCell());
}

int PlotModifier::eventHandler(const ostrel::Event* event)
{
    // A new day arrives while the shop is open: whatever was held is gone.
    if (event->getType() == NEW_DAY_EVENT)
    {
        m_modifier_held = false;
        return 1;
    }
    if (!getActive())
    {
        return FarmObject::eventHandler(event);
    }
    if (event->getType() == ostrel::MSE_EVENT && m_available)
    {
        const auto* mouse = dynamic_cast<const ostrel::EventMouse*>(event);
        m_hovered = ostrel::boxCoversCell(ostrel::getDrawnBox(this), mouse->getMousePosition());
        if (mouse->getMouseAction() == ostrel::CLICKED && m_hovered && !m_modifier_held && takesClicks())
        {
            pickUp();
        }
        return 1;
    }
    if (event->getType() == ostrel::STEP_EVENT)
    {
        if (m_modifier_type == FERTILIZER && !UpgradeManager::getInstance().hasUpgrade("Fertilizer"))
        {
            return 1;
        }
        if (m_respawn_delay > 0 && --m_respawn_delay == 0)
        {
            m_available = true;
            setRandomPos();
        }
        return 1;
    }
    if (event->getType() == MODIFIER_CHANGE_EVENT)
    {
        m_modifier_held = dynamic_cast<const EventModifierChange*>(event)->getModifierType() != NONE;
        return 1;
    }
    return FarmObject::eventHandler(event);
}

void PlotModifier::pickUp()
{
    // Every plot, every pickup (this one too) and the reticle learn what is held now.
    EventModifierChange change;
    change.setModifierType(m_modifier_type);
    ostrel::WorldManager::getInstance().onEvent(&change);

    m_available = false;
    const UpgradeManager& upgrades = UpgradeManager::getInstance();
    if (m_modifier_type == WATERING_CAN)
    {
        playSound("watering_pickup");
        m_respawn_delay = drawDelay(WATERING_CAN) / (upgrades.getPurchaseCount("When It Rains") + 1);
    }
    else
    {
        playSound("fertilizer_pickup");
        m_respawn_delay = drawDelay(FERTILIZER) / (upgrades.getPurchaseCount("Fast Supplier") + 1);
    }
}

int PlotModifier::draw()
{
    if (getActive() && m_available)
    {
        Object::draw();
    }
    return 0;
}
