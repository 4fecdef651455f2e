#include "ostrel/world/CollisionGrid.h"

#include "ostrel/world/Object.h"
#include "ostrel/world/ObjectList.h"
#include "ostrel/world/utility.h"

#include <algorithm>
#include <cmath>

namespace ostrel
{

namespace
{

// The cell holding `position` along one axis, clamped to the grid. Monotonic in `position`,
// so boxes that overlap always share a cell.
int cellIndex(float position, int origin, int cell_size, int count)
{
    const double index = std::floor((static_cast<double>(position) - origin) / cell_size);
    return static_cast<int>(std::clamp(index, 0.0, static_cast<double>(count - 1)));
}

// The cells one axis of a box covers; false when it can meet nothing. The exact test finds
// two extents overlapping when one's low edge lies within the other: an extent whose high edge
// is below its low edge, or NaN, can only be met at its low edge, and a NaN low edge never.
bool axisCells(float low, float extent, int origin, int cell_size, int count, int& first, int& last)
{
    if (std::isnan(low))
    {
        return false;
    }
    const float high = low + extent;
    first = cellIndex(low, origin, cell_size, count);
    last = cellIndex(high >= low ? high : low, origin, cell_size, count);
    return true;
}

void eraseId(std::vector<int>& ids, int id)
{
    const auto found = std::find(ids.begin(), ids.end(), id);
    if (found != ids.end())
    {
        *found = ids.back();
        ids.pop_back();
    }
}

} // namespace

bool CollisionGrid::Area::operator==(const Area& other) const
{
    if (isEmpty() || other.isEmpty())
    {
        return isEmpty() && other.isEmpty();
    }
    return col1 == other.col1 && row1 == other.row1 && col2 == other.col2 && row2 == other.row2;
}

CollisionGrid::CollisionGrid() : m_cells(static_cast<std::size_t>(COLS * ROWS)) {}

void CollisionGrid::clear()
{
    m_entries.clear();
    m_free_ids.clear();
    m_ids.clear();
    for (std::vector<int>& ids : m_cells)
    {
        ids.clear();
    }
    m_wide.clear();
    m_next_order = 0;
    m_duplicates = 0;
}

void CollisionGrid::insert(Object* object)
{
    const auto found = m_ids.find(object);
    if (found != m_ids.end())
    {
        ++m_entries[static_cast<std::size_t>(found->second)].copies;
        ++m_duplicates;
        return;
    }
    int id;
    if (m_free_ids.empty())
    {
        id = static_cast<int>(m_entries.size());
        m_entries.emplace_back();
    }
    else
    {
        id = m_free_ids.back();
        m_free_ids.pop_back();
    }
    Entry& entry = m_entries[static_cast<std::size_t>(id)];
    entry = Entry();
    entry.object = object;
    entry.order = m_next_order++;
    entry.copies = 1;
    m_ids.emplace(object, id);
    file(id, areaOf(object));
}

bool CollisionGrid::remove(const Object* object)
{
    const auto found = m_ids.find(object);
    if (found == m_ids.end())
    {
        return false;
    }
    const int id = found->second;
    Entry& entry = m_entries[static_cast<std::size_t>(id)];
    if (--entry.copies > 0)
    {
        --m_duplicates;
        return true;
    }
    unfile(id);
    entry.object = nullptr;
    m_ids.erase(found);
    m_free_ids.push_back(id);
    return false;
}

void CollisionGrid::update(const Object* object)
{
    const auto found = m_ids.find(object);
    if (found == m_ids.end())
    {
        return;
    }
    const int id = found->second;
    const Area area = areaOf(object);
    if (area == m_entries[static_cast<std::size_t>(id)].area)
    {
        return;
    }
    unfile(id);
    file(id, area);
}

void CollisionGrid::renumber(const ObjectList& world)
{
    // Backwards, so that an object listed twice ends with the order of its first entry.
    for (int i = world.getCount() - 1; i >= 0; --i)
    {
        const auto found = m_ids.find(world[i]);
        if (found != m_ids.end())
        {
            m_entries[static_cast<std::size_t>(found->second)].order = static_cast<std::uint64_t>(i);
        }
    }
    m_next_order = static_cast<std::uint64_t>(world.getCount());
}

const std::vector<Object*>& CollisionGrid::candidates(Box box) const
{
    m_candidates.clear();
    const Area area = areaOf(box);
    if (area.isEmpty())
    {
        return m_candidates;
    }
    if (++m_search == 0)
    {
        for (const Entry& entry : m_entries)
        {
            entry.seen = 0;
        }
        m_search = 1;
    }
    m_found.clear();
    gather(m_wide);
    for (int row = area.row1; row <= area.row2; ++row)
    {
        for (int col = area.col1; col <= area.col2; ++col)
        {
            gather(cell(col, row));
        }
    }
    std::sort(m_found.begin(), m_found.end(),
              [this](int a, int b)
              { return m_entries[static_cast<std::size_t>(a)].order < m_entries[static_cast<std::size_t>(b)].order; });
    for (const int id : m_found)
    {
        m_candidates.push_back(m_entries[static_cast<std::size_t>(id)].object);
    }
    return m_candidates;
}

CollisionGrid::Area CollisionGrid::areaOf(Box box)
{
    Area area;
    const Vector corner = box.getCorner();
    if (!axisCells(corner.getX(), box.getHorizontal(), ORIGIN_X, CELL_SIZE, COLS, area.col1, area.col2) ||
        !axisCells(corner.getY(), box.getVertical(), ORIGIN_Y, CELL_SIZE, ROWS, area.row1, area.row2))
    {
        return Area();
    }
    return area;
}

CollisionGrid::Area CollisionGrid::areaOf(const Object* object)
{
    return object->isSolid() ? areaOf(getWorldBox(object)) : Area();
}

void CollisionGrid::file(int id, Area area)
{
    Entry& entry = m_entries[static_cast<std::size_t>(id)];
    entry.area = area;
    entry.wide = area.cellCount() > WIDE_CELLS;
    if (entry.wide)
    {
        m_wide.push_back(id);
        return;
    }
    for (int row = area.row1; row <= area.row2; ++row)
    {
        for (int col = area.col1; col <= area.col2; ++col)
        {
            cell(col, row).push_back(id);
        }
    }
}

void CollisionGrid::unfile(int id)
{
    const Entry& entry = m_entries[static_cast<std::size_t>(id)];
    if (entry.wide)
    {
        eraseId(m_wide, id);
        return;
    }
    for (int row = entry.area.row1; row <= entry.area.row2; ++row)
    {
        for (int col = entry.area.col1; col <= entry.area.col2; ++col)
        {
            eraseId(cell(col, row), id);
        }
    }
}

void CollisionGrid::gather(const std::vector<int>& ids) const
{
    for (const int id : ids)
    {
        const Entry& entry = m_entries[static_cast<std::size_t>(id)];
        if (entry.seen != m_search)
        {
            entry.seen = m_search;
            m_found.push_back(id);
        }
    }
}

} // namespace ostrel
