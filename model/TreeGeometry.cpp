#include "TreeGeometry.h"

#include <algorithm>

int TreeGeometry::LevelOf(int64_t index)
{
    if (index <= 0)
        return 0;
    return 64 - __builtin_clzll(uint64_t(index));
}

int64_t TreeGeometry::LevelCount(int level) const
{
    const int64_t first = LevelFirst(level);
    return std::clamp<int64_t>(count - first + 1, 0, first);
}

CPoint TreeGeometry::Position(int64_t index) const
{
    if (index == 0)
        return {int(X(1, 0)), int(Y(0))};
    const int level = LevelOf(index);
    return {int(X(level, index - LevelFirst(level))), int(Y(level))};
}

CRect TreeGeometry::Box(CPoint c) const
{
    const int a = HalfWidth(), b = HalfHeight();
    return {c.x - a, c.y - b, c.x + a, c.y + b};
}

CRect TreeGeometry::TextRect(CPoint c) const
{
    const int a = HalfWidth(), t = TextHalfHeight();
    return {c.x - a, c.y - t, c.x + a, c.y + t};
}

// x grows with the place, so a binary search finds the boundary.
int64_t TreeGeometry::FirstAtOrRightOf(int level, int64_t xMin) const
{
    int64_t lo = 0, hi = LevelCount(level);
    while (lo < hi) {
        const int64_t mid = lo + (hi - lo) / 2;
        if (X(level, mid) >= xMin)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

LevelRun TreeGeometry::PlacesWithin(int level, int64_t left, int64_t right) const
{
    if (right <= left)
        return {};
    return {FirstAtOrRightOf(level, left), FirstAtOrRightOf(level, right)};
}

LevelRun TreeGeometry::PlacesReaching(int level, int64_t left, int64_t top, int64_t right, int64_t bottom,
                                      bool edges) const
{
    edges = edges && level < depth;
    const int64_t a = HalfWidth(), b = HalfHeight(), y = Y(level);
    const int64_t rowsBottom = std::max<int64_t>(y + b + 1, edges ? Y(level + 1) : y);
    if (y - b - 1 >= bottom || rowsBottom < top)
        return {};
    const int64_t reach = a + 2 + (edges ? SlotWidth(level) : 0);
    return {FirstAtOrRightOf(level, left - reach), FirstAtOrRightOf(level, right + reach)};
}

LevelRun TreeGeometry::Selected(int level, int64_t x1, int64_t y1, int64_t x2, int64_t y2) const
{
    const int64_t a = HalfWidth(), b = HalfHeight(), y = Y(level);
    if (x1 == x2 && y1 == y2) {
        if (!(y - b < y2 && y2 < y + b))
            return {};
        return PlacesWithin(level, x2 - a + 1, x2 + a); // x - a < x2 < x + a
    }
    if (!(y - b > y1 && y + b < y2))
        return {};
    return PlacesWithin(level, x1 + a + 1, x2 - a); // x - a > x1 and x + a < x2
}
