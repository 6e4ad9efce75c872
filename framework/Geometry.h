#pragma once
// Plain integer geometry in the manner of the original platform: a rectangle
// is left/top/right/bottom with right and bottom exclusive.

struct CPoint {
    int x = 0;
    int y = 0;
};

struct CSize {
    int cx = 0;
    int cy = 0;
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Intersects(const CRect &o) const
    {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    CRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

inline bool operator==(const CPoint &a, const CPoint &b) { return a.x == b.x && a.y == b.y; }
inline bool operator==(const CSize &a, const CSize &b) { return a.cx == b.cx && a.cy == b.cy; }
