#pragma once
// What the tree shows at the step shown, read from the model alone: each
// box's value and mark (in the middle of steps that paint boxes one by one,
// as each box was last painted), its label, what its corners say, node 0,
// and the nodes the step points at. The window, every export and every
// printout draw this picture; the tests read it without a widget.

#include "Message.h"
#include "TreeModel.h"

#include <cstdint>
#include <string>
#include <vector>

struct NodeLook {
    int value = 0;
    int mark = 0;
    bool operator==(const NodeLook &o) const { return value == o.value && mark == o.mark; }
    bool operator!=(const NodeLook &o) const { return !(*this == o); }
};

class StepPicture {
public:
    explicit StepPicture(const TreeModel &model);

    const TreeModel &Model() const { return m_model; }

    // Between a run's first and last step, at a step that paints its boxes
    // one by one: the picture is the tree as it stood before those steps,
    // with every box painted since as it was painted.
    bool Painting() const { return m_bPainting; }
    // What the node's box shows.
    NodeLook Look(int64_t index) const;
    // While painting: the tree beneath the paintings, the last painting
    // step (counted from the first painting step, 1) that painted the
    // node's box up to the step shown (0 for none), and what it painted.
    NodeLook LookBeneath(int64_t index) const { return LookAfterPainting(index, 0); }
    int64_t LastPainting(int64_t index) const;
    NodeLook LookAfterPainting(int64_t index, int64_t painting) const;

    // What a box's corner says where its label does not (an algorithm's
    // word on the node, else its index when the label is not the index),
    // and the tag a node keeps beside its value (a pending add).
    static Message Corner(const TreeModel &model, int64_t index, int value);
    static Message Tag(const TreeModel &model, int64_t index);
    // Node 0 shows above the root.
    bool NodeZero() const { return m_model.NodeZeroShown(); }
    // What the step shown compares or swaps, outlined over its boxes: the
    // step's node, its partner, and both nodes of every swap.
    std::vector<int64_t> Pointed() const;

private:
    const TreeModel &m_model;
    BoxSegment m_segment;    // the painting steps the step shown is one of
    int64_t m_nShown = 0;    // the step shown, counted from the segment's start
    bool m_bPainting = false;
};
