#pragma once
// Where the boxes of a heap-index tree stand on the canvas. Everything here is
// a pure function of the canvas size, the depth, the box divisors and the
// heap index: the layout, the paint, the hit tests and the tournament all ask
// these functions and derive nothing of their own.
//
// Levels are bands of equal height; level L holds the indices 2^(L-1) to
// 2^L - 1, place k of a level is index 2^(L-1) + k, and a node sits in the
// middle of its slot. Products are formed in 64 bits before the one division,
// so positions stay exact at any depth.

#include "framework/Geometry.h"

#include <cstdint>

// A run of places [first, end) on one level.
struct LevelRun {
    int64_t first = 0;
    int64_t end = 0;
    bool IsEmpty() const { return end <= first; }
};

struct TreeGeometry {
    int width = 800;
    int height = 600;
    int depth = 1;
    int xDivisor = 32;
    int yDivisor = 24;
    int64_t count = 1; // nodes 1..count exist
    // Bands above the root's: a loser tree draws node 0, its overall winner,
    // in a band of its own.
    int topBands = 0;

    // Half the box size, and half the height of the label's text cell (the
    // doubled divisor can pass the range of int).
    int HalfWidth() const { return width / xDivisor; }
    int HalfHeight() const { return height / yDivisor; }
    int TextHalfHeight() const { return int(height / (2 * int64_t(yDivisor))); }

    static int LevelOf(int64_t index);
    static int64_t LevelFirst(int level) { return int64_t(1) << (level - 1); }
    static int64_t PlaceInLevel(int64_t index) { return index - LevelFirst(LevelOf(index)); }
    // How many nodes of the level exist.
    int64_t LevelCount(int level) const;
    // Width of the level's slots, truncated.
    int64_t SlotWidth(int level) const { return (int64_t(width) << 1) >> level; }

    int64_t X(int level, int64_t place) const { return ((2 * place + 1) * int64_t(width)) >> level; }
    int64_t Y(int level) const
    {
        return ((2 * int64_t(level + topBands) - 1) * height) / (2 * int64_t(depth + topBands));
    }
    // Index 0 stands above the root, in the band over the root's.
    CPoint Position(int64_t index) const;
    CRect Box(CPoint centre) const;
    CRect TextRect(CPoint centre) const;

    // The first place of the level whose x is at least xMin (LevelCount when
    // none is).
    int64_t FirstAtOrRightOf(int level, int64_t xMin) const;
    // The places whose x lies in [left, right).
    LevelRun PlacesWithin(int level, int64_t left, int64_t right) const;
    // The places whose box, or with edges also the edges down to the
    // children, can touch pixels of [left, right) x [top, bottom); empty when
    // the level's band misses it.
    LevelRun PlacesReaching(int level, int64_t left, int64_t top, int64_t right, int64_t bottom,
                            bool edges) const;
    // The nodes a selection from (x1, y1) to (x2, y2) marks, in canvas
    // coordinates with x1 <= x2 and y1 <= y2: a band marks the boxes strictly
    // inside it; a click (equal corners) marks the boxes that hold the point
    // strictly inside.
    LevelRun Selected(int level, int64_t x1, int64_t y1, int64_t x2, int64_t y2) const;
};
