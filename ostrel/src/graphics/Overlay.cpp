#include "ostrel/graphics/Overlay.h"

#include <algorithm>
#include <utility>

namespace ostrel
{

void Overlay::setText(const std::string& key, int col, int row, std::string text, Color color)
{
    const auto same_key = [&key](const OverlayText& line) { return line.key == key; };
    const auto found = std::find_if(m_texts.begin(), m_texts.end(), same_key);
    OverlayText line{key, col, row, std::move(text), color};
    if (found == m_texts.end())
    {
        m_texts.push_back(std::move(line));
    }
    else if (found->col != line.col || found->row != line.row || found->text != line.text || found->color != line.color)
    {
        *found = std::move(line);
    }
    else
    {
        return;
    }
    ++m_version;
}

void Overlay::clearText(const std::string& key)
{
    const auto same_key = [&key](const OverlayText& line) { return line.key == key; };
    const auto found = std::find_if(m_texts.begin(), m_texts.end(), same_key);
    if (found != m_texts.end())
    {
        m_texts.erase(found);
        ++m_version;
    }
}

void Overlay::clear()
{
    if (!m_texts.empty())
    {
        m_texts.clear();
        ++m_version;
    }
}

bool Overlay::cellAt(int col, int row, Cell& cell) const
{
    bool found = false;
    for (const OverlayText& line : m_texts)
    {
        const int offset = col - line.col;
        if (row == line.row && offset >= 0 && offset < static_cast<int>(line.text.size()))
        {
            cell = Cell{line.text[static_cast<std::size_t>(offset)], line.color};
            found = true;
        }
    }
    return found;
}

} // namespace ostrel
