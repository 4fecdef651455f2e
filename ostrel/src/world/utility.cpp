#include "ostrel/world/utility.h"

#include "ostrel/graphics/DisplayManager.h"
#include "ostrel/graphics/Sprite.h"
#include "ostrel/world/Object.h"

#include <cmath>

namespace ostrel
{

bool boxIntersectsBox(Box a, Box b)
{
    const float ax1 = a.getCorner().getX();
    const float ax2 = ax1 + a.getHorizontal();
    const float ay1 = a.getCorner().getY();
    const float ay2 = ay1 + a.getVertical();
    const float bx1 = b.getCorner().getX();
    const float bx2 = bx1 + b.getHorizontal();
    const float by1 = b.getCorner().getY();
    const float by2 = by1 + b.getVertical();

    const bool x_overlap = (bx1 <= ax1 && ax1 <= bx2) || (ax1 <= bx1 && bx1 <= ax2);
    const bool y_overlap = (by1 <= ay1 && ay1 <= by2) || (ay1 <= by1 && by1 <= ay2);
    return x_overlap && y_overlap;
}

bool boxContainsPosition(Box box, Vector position)
{
    const Vector corner = box.getCorner();
    return corner.getX() <= position.getX() && position.getX() <= corner.getX() + box.getHorizontal() &&
           corner.getY() <= position.getY() && position.getY() <= corner.getY() + box.getVertical();
}

Vector cellOf(Vector position)
{
    return Vector(std::floor(position.getX()), std::floor(position.getY()));
}

bool boxCoversCell(Box box, Vector position)
{
    const Vector cell = cellOf(position);
    const Vector first = cellOf(box.getCorner());
    return first.getX() <= cell.getX() && cell.getX() < first.getX() + box.getHorizontal() &&
           first.getY() <= cell.getY() && cell.getY() < first.getY() + box.getVertical();
}

Box getDrawnBox(const Object* object)
{
    const Sprite* sprite = object->getAnimation().getSprite();
    if (!sprite)
    {
        return Box(object->getPosition(), 0.0f, 0.0f);
    }
    const int width = sprite->getWidth();
    const int height = sprite->getHeight();
    const Vector offset(static_cast<float>(-(width / 2)), static_cast<float>(-(height / 2)));
    return Box(object->getPosition() + offset, static_cast<float>(width), static_cast<float>(height));
}

Box getWorldBox(const Object* object)
{
    return getWorldBox(object, object->getPosition());
}

Box getWorldBox(const Object* object, Vector where)
{
    Box box = object->getBox();
    box.setCorner(box.getCorner() + where);
    return box;
}

bool positionOutOfBounds(Vector position)
{
    const DisplayManager& display = DisplayManager::getInstance();
    return position.getX() < 0.0f || position.getY() < 0.0f ||
           position.getX() > static_cast<float>(display.getHorizontal()) ||
           position.getY() > static_cast<float>(display.getVertical());
}

bool positionsIntersect(Vector p1, Vector p2)
{
    return std::fabs(p1.getX() - p2.getX()) <= 1.0f && std::fabs(p1.getY() - p2.getY()) <= 1.0f;
}

void discardCR(std::string& line)
{
    if (!line.empty() && line.back() == '\r')
    {
        line.pop_back();
    }
}

} // namespace ostrel
