#include "history/stable_order.h"

#include <algorithm>

namespace stable_order {

std::vector<std::uint32_t> ascending(const std::vector<std::uint64_t>& ranks)
{
    std::vector<std::pair<std::uint64_t, std::uint32_t>> order;
    order.reserve(ranks.size());
    for (std::size_t i = 0; i < ranks.size(); ++i)
        order.emplace_back(ranks[i], static_cast<std::uint32_t>(i));
    std::sort(order.begin(), order.end());
    std::vector<std::uint32_t> positions;
    positions.reserve(order.size());
    for (const auto& [rank, position] : order)
        positions.push_back(position);
    return positions;
}

} // namespace stable_order
