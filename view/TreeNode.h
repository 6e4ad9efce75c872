#pragma once

#include "framework/Geometry.h"

#include <cstddef>
#include <string>

// One node of a view's tree. The view owns the root; every other node is
// owned by its parent through m_pLeft or m_pRight. The parent links are back
// references: exactly one is set on every node but the root.
struct TreeNode {
    std::string m_strLabel; // UTF-8; short labels stay inside the node
    CPoint m_ptPos;
    int m_nMark = 0; // 0 plain, 1 highlighted, 2 greyed
    int m_nIndex = 0;
    int m_nLevel = 0;
    TreeNode *m_pLeft = nullptr;
    TreeNode *m_pRight = nullptr;
    TreeNode *m_pParentIfLeft = nullptr;
    TreeNode *m_pParentIfRight = nullptr;

    // Nodes come from a pool: a tree of a million nodes is built and freed
    // at every change of the node count.
    static void *operator new(std::size_t size);
    static void operator delete(void *node) noexcept;
};
