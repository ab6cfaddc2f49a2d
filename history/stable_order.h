// Sorting with ties kept in their order, without a std::stable_sort per
// element type: every caller ranks its elements by a number and shares one
// sort of (rank, position) pairs. The page carries the sort once.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace stable_order {

// The positions of `ranks` in ascending order of rank, equal ranks in the
// order they stand.
std::vector<std::uint32_t> ascending(const std::vector<std::uint64_t>& ranks);

// `items` rearranged so that their ranks ascend, equal ranks in the order
// they stood; rankOf(item) gives an item's rank.
template <class Item, class Rank> void sortBy(std::vector<Item>& items, Rank rankOf)
{
    std::vector<std::uint64_t> ranks;
    ranks.reserve(items.size());
    for (const Item& item : items)
        ranks.push_back(rankOf(item));
    std::vector<Item> sorted;
    sorted.reserve(items.size());
    for (const std::uint32_t position : ascending(ranks))
        sorted.push_back(std::move(items[position]));
    items = std::move(sorted);
}

// A signed number as a rank: the order of the numbers kept.
constexpr std::uint64_t rankOfSigned(std::int64_t value)
{
    return static_cast<std::uint64_t>(value) ^ (std::uint64_t{1} << 63);
}

} // namespace stable_order
