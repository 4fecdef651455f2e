#pragma once

#include <initializer_list>

// Marks every object of the given types for deletion, in the world's order.
void removeObjectsOfTypes(std::initializer_list<const char*> types);
