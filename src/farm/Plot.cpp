#include "farm/Plot.h"

#include "assets/Sounds.h"
#include "events/EventModifierChange.h"
#include "farm/FloatingText.h"
#include "run/FieldRandom.h"
#include "run/MoneyManager.h"
#include "shop/UpgradeManager.h"

#include <ostrel/core/EventStep.h>
#include <ostrel/graphics/Sprite.h>
#include <ostrel/input/EventMouse.h>
#include <ostrel/resources/ResourceManager.h>
#include <ostrel/system/Random.h>
#include <ostrel/world/WorldManager.h>
#include <ostrel/world/utility.h>

namespace
{

const int WATERING_STEPS = 60;
// Ripe corn harvests itself (with "Instant Scythe") once it has gathered more than this.
const int INSTANT_HARVEST_GROWTH = 45;

int newGrowthThreshold()
{
    return fieldRandom().nextInt(100) + 200;
}

void announceModifier(PlotModifierType type)
{
    EventModifierChange change;
    change.setModifierType(type);
    ostrel::WorldManager::getInstance().onEvent(&change);
}

} // namespace

int Plot::plot_count = 0;

int getCornLevel()
{
    const UpgradeManager& upgrades = UpgradeManager::getInstance();
    if (upgrades.hasUpgrade("Red Corn"))
    {
        return 4;
    }
    if (upgrades.hasUpgrade("White Corn"))
    {
        return 3;
    }
    if (upgrades.hasUpgrade("Purple Corn"))
    {
        return 2;
    }
    if (upgrades.hasUpgrade("Blue Corn"))
    {
        return 1;
    }
    return 0;
}

Plot::Plot()
    : m_hovered(false), m_stage(0), m_growth(0), m_growth_threshold(newGrowthThreshold()), m_corn_sprite(nullptr),
      m_watered_steps(0), m_fertilized(false), m_modifier(NONE), m_skip_growth(false), m_modifier_changed(false)
{
    setType("Plot");
    setSprite("plot_empty");
    setAltitude(0);
    const int n = plot_count;
    setPosition(ostrel::Vector(static_cast<float>((n % 10) * 8 + 4), static_cast<float>((n / 10 + 1) * 6)));
    ++plot_count;
}

Plot::~Plot()
{
    --plot_count;
}

void Plot::reset()
{
    m_stage = 0;
    m_growth = 0;
    m_growth_threshold = newGrowthThreshold();
    m_corn_sprite = nullptr;
    m_watered_steps = 0;
    m_fertilized = false;
    m_modifier = NONE;
    pickCornSprite();
    setSprite("plot_empty");
    if (UpgradeManager::getInstance().hasUpgrade("Seed Drill"))
    {
        plant();
    }
}

void Plot::plant()
{
    playSound("crop_plant");
    m_stage = 1;
    pickCornSprite();
}

void Plot::harvest()
{
    playSound("crop_harvest");
    m_stage = 0;
    const int value = CORN_VALUES[getCornLevel()];
    MoneyManager::getInstance().addMoney(value);
    pickCornSprite();

    FloatingText* text = new FloatingText;
    text->setText("+$" + std::to_string(value));
    text->setPosition(getPosition());

    m_fertilized = false;
    setSprite(m_watered_steps > 0 ? "plot_watered" : "plot_empty");
    if (UpgradeManager::getInstance().hasUpgrade("Seed Drill"))
    {
        plant();
    }
}

void Plot::pickCornSprite()
{
    static const char* const RIPE[5] = {"corn_yellow", "corn_blue", "corn_purple", "corn_white", "corn_red"};
    const char* label = nullptr;
    switch (m_stage)
    {
        case 1:
            label = "corn_seeds";
            break;
        case 2:
            label = "corn_sprouts";
            break;
        case 3:
            label = "corn_growing";
            break;
        case 4:
        {
            const int level = getCornLevel();
            label = level >= 0 && level <= 4 ? RIPE[level] : RIPE[0];
            break;
        }
        default:
            break;
    }
    m_corn_sprite = label ? ostrel::ResourceManager::getInstance().getSprite(label) : nullptr;
}

void Plot::crowDamage()
{
    if (fieldRandom().nextInt(40) == 0 && m_stage > 0)
    {
        --m_stage;
        pickCornSprite();
    }
}

void Plot::flyDamage()
{
    m_skip_growth = true;
}

int Plot::eventHandler(const ostrel::Event* event)
{
    if (!getActive())
    {
        return FarmObject::eventHandler(event);
    }
    if (event->getType() == ostrel::MSE_EVENT)
    {
        const auto* mouse = dynamic_cast<const ostrel::EventMouse*>(event);
        m_hovered = ostrel::boxCoversCell(ostrel::getDrawnBox(this), mouse->getMousePosition());
        if (mouse->getMouseAction() == ostrel::CLICKED && m_hovered && takesClicks())
        {
            handleClick();
        }
        return 1;
    }
    if (event->getType() == ostrel::STEP_EVENT)
    {
        grow();
        return 1;
    }
    if (event->getType() == MODIFIER_CHANGE_EVENT)
    {
        m_modifier = dynamic_cast<const EventModifierChange*>(event)->getModifierType();
        m_modifier_changed = true;
        return 1;
    }
    return FarmObject::eventHandler(event);
}

// A click spends the held modifier on the plot, or sows or harvests it. A modifier picked
// up by this same click (m_modifier_changed) is not spent until the next step.
void Plot::handleClick()
{
    switch (m_modifier)
    {
        case WATERING_CAN:
            if (m_watered_steps > 0 || m_modifier_changed)
            {
                return;
            }
            m_watered_steps = WATERING_STEPS;
            setSprite(m_fertilized ? "plot_watered_fertile" : "plot_watered");
            playSound("watering_drop");
            announceModifier(NONE);
            break;
        case FERTILIZER:
            if (m_fertilized || m_modifier_changed)
            {
                return;
            }
            m_fertilized = true;
            setSprite(m_watered_steps > 0 ? "plot_watered_fertile" : "plot_fertile");
            playSound("fertilizer_drop");
            announceModifier(NONE);
            break;
        case NONE:
        default:
            if (m_stage == 0)
            {
                plant();
            }
            if (m_stage == 4)
            {
                harvest();
            }
            break;
    }
}

void Plot::grow()
{
    const UpgradeManager& upgrades = UpgradeManager::getInstance();
    if (m_skip_growth)
    {
        m_skip_growth = false;
    }
    else if (m_stage != 0)
    {
        m_growth += m_watered_steps > 0 ? 3 * (upgrades.getPurchaseCount("Fresher Water") + 1) : 1;
        if (m_fertilized)
        {
            m_growth += 2 * (upgrades.getPurchaseCount("Stuffed Bags") + 1);
        }
    }

    if (m_growth > m_growth_threshold)
    {
        m_growth = 0;
        ++m_stage;
        if (m_stage == 5)
        {
            // Ripe corn keeps gathering points, but stays ripe.
            m_stage = 4;
        }
        else if (m_stage == 4)
        {
            playSound("crop_done");
            pickCornSprite();
        }
        else
        {
            pickCornSprite();
        }
        m_growth_threshold = newGrowthThreshold();
    }

    if (m_stage == 4 && upgrades.hasUpgrade("Instant Scythe") && m_growth > INSTANT_HARVEST_GROWTH)
    {
        harvest();
    }

    if (m_watered_steps > 0 && --m_watered_steps == 0)
    {
        setSprite(m_fertilized ? "plot_fertile" : "plot_empty");
    }
    m_modifier_changed = false;
}

int Plot::draw()
{
    if (!getActive())
    {
        return 0;
    }
    const ostrel::Sprite* plot_sprite = getAnimation().getSprite();
    if (plot_sprite && m_corn_sprite && m_stage == 4 && plot_sprite->getColor() == m_corn_sprite->getColor())
    {
        // Ripe corn stands out by its colour: a plot of the same colour is drawn in white around
        // it (no plot is white, and white corn never meets this case).
        plot_sprite->getFrame(0).draw(getPosition(), ostrel::WHITE);
    }
    else
    {
        Object::draw();
    }
    if (m_corn_sprite)
    {
        m_corn_sprite->draw(0, getPosition());
    }
    return 0;
}
