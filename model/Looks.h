#pragma once
// A node's mark is the look its box takes: a role an algorithm gives a
// node, not a colour. Each palette paints every look in colours and a cue
// of its own, and a screen reader says its name. A new look is a row here
// (its number and its name) and a row in each palette.
//
// The first three are the tree's own: plain, highlighted (selected, or a
// winner) and greyed (a loser).

#include <array>

enum NodeMark : int {
    kMarkPlain = 0,
    kMarkHighlighted = 1,
    kMarkGreyed = 2,
    // Done with: in its final place, or the answer found.
    kMarkSettled = 3,
    // Set aside for later: a loser a loser tree keeps, a candidate, a
    // node whose part is taken whole.
    kMarkHeld = 4,
    // Two groups told apart by turns (runs written one after another).
    kMarkFirstGroup = 5,
    kMarkSecondGroup = 6,
    kMarkCount
};

struct Look {
    NodeMark mark;
    // What a screen reader adds to the node's name; none for a plain box.
    const char *name;
};

// Every look, in the order of its number.
const std::array<Look, kMarkCount> &Looks();
// A mark outside the table is drawn and said as a plain box.
inline NodeMark LookOf(int mark) { return mark >= 0 && mark < kMarkCount ? NodeMark(mark) : kMarkPlain; }
