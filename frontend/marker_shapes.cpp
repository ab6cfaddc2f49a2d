#include "frontend/marker_shapes.h"

#include <utility>

namespace marker_shapes {
namespace {

// The cosine and sine of a turn of a circle over `count`, for the counts the
// shapes use: with std::cos and std::sin the page's engine would carry the
// maths library's for these few points alone.
std::pair<double, double> stepOf(int count)
{
    switch (count) {
    case 5:
        return {0.30901699437494745, 0.95105651629515353};
    case 10:
        return {0.80901699437494745, 0.58778525229247314};
    default: // 16
        return {0.92387953251128674, 0.38268343236508978};
    }
}

// `corners` points evenly round a circle of `radius`, the first straight up;
// with `inner`, every other point on a circle of that radius (a star).
std::vector<double> regular(int corners, double x, double y, double radius, double inner = 0)
{
    std::vector<double> points;
    const int count = inner > 0 ? 2 * corners : corners;
    const auto [c, s] = stepOf(count);
    double dx = 0;
    double dy = -1;
    for (int i = 0; i < count; ++i) {
        const double r = inner > 0 && i % 2 == 1 ? inner : radius;
        points.push_back(x + r * dx);
        points.push_back(y + r * dy);
        const double turned = dx * c - dy * s;
        dy = dx * s + dy * c;
        dx = turned;
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
