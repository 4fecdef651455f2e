#pragma once

namespace ostrel
{

class Object;

// Capacity of every object list, hence of the world.
const int MAX_OBJECTS = 1000;

// A fixed-capacity list of object pointers in insertion order. A value type: copying it
// copies the pointers, never the objects, and it owns none of them.
class ObjectList
{
public:
    ObjectList();
    // Copies only the entries in use: most lists hold far fewer than MAX_OBJECTS.
    ObjectList(const ObjectList& other);
    ObjectList& operator=(const ObjectList& other);

    // Appends; -1 when full. Duplicates are allowed.
    int insert(Object* object);
    // Removes the first entry equal to the pointer, keeping the others in order; -1 if absent.
    int remove(Object* object);
    int getCount() const;
    bool isEmpty() const;
    bool isFull() const;
    void clear();

    // Throws std::out_of_range("Invalid index!") outside 0 to count - 1.
    Object* operator[](int index) const;

private:
    int m_count;
    Object* m_objects[MAX_OBJECTS];
};

} // namespace ostrel
