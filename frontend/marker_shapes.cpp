#include "frontend/marker_shapes.h"

#include <cmath>
#include <numbers>

namespace marker_shapes {
namespace {

// `corners` points evenly round a circle of `radius`, the first straight up;
// with `inner`, every other point on a circle of that radius (a star).
std::vector<double> regular(int corners, double x, double y, double radius, double inner = 0)
{
    std::vector<double> points;
    const int count = inner > 0 ? 2 * corners : corners;
    for (int i = 0; i < count; ++i) {
        const double angle = -std::numbers::pi / 2 + 2 * std::numbers::pi * i / count;
        const double r = inner > 0 && i % 2 == 1 ? inner : radius;
        points.push_back(x + r * std::cos(angle));
        points.push_back(y + r * std::sin(angle));
    }
    return points;
}

} // namespace

std::vector<double> outline(chart_looks::MarkerShape shape, double x, double y, double size)
{
    const double r = size / 2;
    using chart_looks::MarkerShape;
    switch (shape) {
    case MarkerShape::Triangle:
        return {x, y - r, x + r, y + r * 0.8, x - r, y + r * 0.8};
    case MarkerShape::Star:
        return regular(5, x, y, r, r * 0.45);
    case MarkerShape::Square:
        return {x - r * 0.8, y - r * 0.8, x + r * 0.8, y - r * 0.8,
                x + r * 0.8, y + r * 0.8, x - r * 0.8, y + r * 0.8};
    case MarkerShape::Diamond:
        return {x, y - r, x + r, y, x, y + r, x - r, y};
    case MarkerShape::Circle:
        return regular(16, x, y, r * 0.8);
    case MarkerShape::Pentagon:
        return regular(5, x, y, r);
    }
    return regular(16, x, y, r * 0.8);
}

} // namespace marker_shapes
