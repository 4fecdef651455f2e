#pragma once

#include "ostrel/math/Box.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace ostrel
{

class Object;
class ObjectList;

// The world's broad phase: every solid object binned by the cells of a uniform grid that its
// box covers, so that a collision search looks only at the objects near the box it asks about.
// The binning is conservative: an object whose box the exact test could find intersecting is
// always among the candidates, whatever its position or box (fractional, inverted, huge,
// infinite or NaN). The exact test stays with the caller.
class CollisionGrid
{
public:
    CollisionGrid();

    // Forgets every object.
    void clear();
    // The object was appended to the world.
    void insert(Object* object);
    // The object's first entry left the world. True when another entry of it remains, which
    // leaves the world order of the grid unknown until `renumber`.
    bool remove(const Object* object);
    // Re-reads the object's position, box and solidness; an object not in the world is ignored.
    void update(const Object* object);
    // Takes the world order afresh from the world's list.
    void renumber(const ObjectList& world);

    // True while an object is in the world more than once: the grid holds it once, so a
    // search must scan the world to meet it as often as the world does.
    bool hasDuplicates() const { return m_duplicates > 0; }

    // Every solid object whose box may intersect `box`, each once, in world order. Valid until
    // the next call or change.
    const std::vector<Object*>& candidates(Box box) const;

private:
    // The cells a box covers, both ends included. An empty area covers nothing.
    struct Area
    {
        int col1 = 0;
        int row1 = 0;
        int col2 = -1;
        int row2 = -1;

        bool isEmpty() const { return col2 < col1; }
        int cellCount() const { return isEmpty() ? 0 : (col2 - col1 + 1) * (row2 - row1 + 1); }
        bool operator==(const Area& other) const;
    };

    struct Entry
    {
        Object* object = nullptr;
        std::uint64_t order = 0;
        int copies = 0;
        // Where the entry is filed: the cells of `area`, or the wide list when `wide`.
        Area area;
        bool wide = false;
        mutable std::uint32_t seen = 0;
    };

    static Area areaOf(Box box);
    // The area the object's box covers, empty when it takes no part in collisions.
    static Area areaOf(const Object* object);

    void file(int id, Area area);
    void unfile(int id);
    std::vector<int>& cell(int col, int row) { return m_cells[static_cast<std::size_t>(row * COLS + col)]; }
    const std::vector<int>& cell(int col, int row) const { return m_cells[static_cast<std::size_t>(row * COLS + col)]; }
    void gather(const std::vector<int>& ids) const;

    static constexpr int CELL_SIZE = 4;
    // The grid spans x from ORIGIN_X to ORIGIN_X + COLS * CELL_SIZE, y likewise; boxes beyond
    // are clamped to its border cells, which keeps the binning conservative.
    static constexpr int ORIGIN_X = -128;
    static constexpr int ORIGIN_Y = -128;
    static constexpr int COLS = 96;
    static constexpr int ROWS = 72;
    // Boxes covering more cells than this go to the wide list, which every search reads.
    static constexpr int WIDE_CELLS = 16;

    std::vector<Entry> m_entries;
    std::vector<int> m_free_ids;
    std::unordered_map<const Object*, int> m_ids;
    std::vector<std::vector<int>> m_cells;
    std::vector<int> m_wide;
    std::uint64_t m_next_order = 0;
    int m_duplicates = 0;

    mutable std::uint32_t m_search = 0;
    mutable std::vector<int> m_found;
    mutable std::vector<Object*> m_candidates;
};

} // namespace ostrel
