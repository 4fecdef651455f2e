#include "ostrel/world/ObjectList.h"

#include <algorithm>
#include <stdexcept>

namespace ostrel
{

ObjectList::ObjectList() : m_count(0) {}

ObjectList::ObjectList(const ObjectList& other) : m_count(other.m_count)
{
    std::copy(other.m_objects, other.m_objects + m_count, m_objects);
}

ObjectList& ObjectList::operator=(const ObjectList& other)
{
    if (this != &other)
    {
        m_count = other.m_count;
        std::copy(other.m_objects, other.m_objects + m_count, m_objects);
    }
    return *this;
}

int ObjectList::insert(Object* object)
{
    if (isFull())
    {
        return -1;
    }
    m_objects[m_count] = object;
    ++m_count;
    return 0;
}

int ObjectList::remove(Object* object)
{
    for (int i = 0; i < m_count; ++i)
    {
        if (m_objects[i] == object)
        {
            for (int j = i; j < m_count - 1; ++j)
            {
                m_objects[j] = m_objects[j + 1];
            }
            --m_count;
            return 0;
        }
    }
    return -1;
}

int ObjectList::getCount() const
{
    return m_count;
}

bool ObjectList::isEmpty() const
{
    return m_count == 0;
}

bool ObjectList::isFull() const
{
    return m_count == MAX_OBJECTS;
}

void ObjectList::clear()
{
    m_count = 0;
}

Object* ObjectList::operator[](int index) const
{
    if (index < 0 || index >= m_count)
    {
        throw std::out_of_range("Invalid index!");
    }
    return m_objects[index];
}

} // namespace ostrel
