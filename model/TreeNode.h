#pragma once

#include "framework/Geometry.h"

// What a node's mark holds: plain, highlighted (selected, or a winner),
// greyed (a loser), sorted (past a heapsort's heap), kept (a loser a loser
// tree keeps), and a record of an odd or an even run (replacement
// selection).
enum NodeMark : int {
    kMarkPlain = 0,
    kMarkHighlighted = 1,
    kMarkGreyed = 2,
    kMarkSorted = 3,
    kMarkKept = 4,
    kMarkOddRun = 5,
    kMarkEvenRun = 6
};

// One node of a view's tree: where it stands and how it is linked. The view
// keeps the nodes 1..N of its tree in one array by heap index; the links
// point into that array. The parent links are back references: exactly one
// is set on every node but the root. What a node shows, its value (drawn as
// its label) and its mark, the view's model keeps.
struct TreeNode {
    CPoint m_ptPos;
    int m_nIndex = 0;
    int m_nLevel = 0;
    TreeNode *m_pLeft = nullptr;
    TreeNode *m_pRight = nullptr;
    TreeNode *m_pParentIfLeft = nullptr;
    TreeNode *m_pParentIfRight = nullptr;
};
