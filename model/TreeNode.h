#pragma once

#include "framework/Geometry.h"

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
