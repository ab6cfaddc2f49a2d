// Questions about every cell of a strip at once, as a mask with bit i for
// cell i. The tick asks several of them, and a loop with a branch per cell
// spent more on the loop and on guessing the branches than on the question.
#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "core/controls.h"
#include "core/geometry.h"

namespace cells {

using Mask = std::uint32_t;
static_assert(geometry::CellCount <= 32, "a strip's cells fit one mask");

// The cells whose text colour satisfies `is`, all nineteen tested.
template <class Predicate> Mask where(const std::array<Label, geometry::CellCount>& strip, Predicate is)
{
    return [&]<std::size_t... Cell>(std::index_sequence<Cell...>)
    {
        return ((static_cast<Mask>(is(strip[Cell].ForeColor)) << Cell) | ...);
    }
    (std::make_index_sequence<geometry::CellCount>{});
}

// Cells from .. to - 1, for 0 <= from <= to <= CellCount.
constexpr Mask range(int from, int to) { return (Mask{1} << to) - (Mask{1} << from); }

} // namespace cells
