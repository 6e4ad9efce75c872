#pragma once
// The colours of a node box by its mark (0 plain, 1 selected or won, 2 lost,
// 3 sorted, 4 kept as a loser, 5 and 6 records of odd and even runs):
// the fill, the frame drawn first (also the background of the label's text
// cells) and the frame drawn over the label.

#include "framework/DrawSurface.h"
#include "model/TreeNode.h"

#include <QColor>

struct MarkColours {
    QColor fill;
    QColor firstFrame;
    QColor finalFrame;
};

inline MarkColours ColoursFor(int mark)
{
    if (mark == kMarkHighlighted)
        return {RGB(255, 50, 50), RGB(255, 0, 0), RGB(255, 0, 0)};
    if (mark == kMarkGreyed)
        return {RGB(100, 100, 100), RGB(100, 100, 100), RGB(100, 100, 100)};
    if (mark == kMarkSorted)
        return {RGB(180, 225, 180), RGB(180, 225, 180), RGB(30, 120, 30)};
    if (mark == kMarkKept)
        return {RGB(210, 210, 210), RGB(210, 210, 210), RGB(90, 90, 90)};
    if (mark == kMarkOddRun)
        return {RGB(255, 232, 160), RGB(255, 232, 160), RGB(170, 110, 0)};
    if (mark == kMarkEvenRun)
        return {RGB(185, 215, 255), RGB(185, 215, 255), RGB(20, 80, 180)};
    return {RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0)};
}

// The outline of a node pointed at, and the lighter one of its parent and
// children.
inline QColor HighlightColour() { return QColor(0, 60, 220); }
inline QColor RelativeColour() { return QColor(110, 160, 255); }
// The outline of the nodes a heap's step compares or swaps.
inline QColor PointedColour() { return QColor(255, 140, 0); }
