// Building, freeing and laying out the view's tree.
#include "ZarniView.h"

#include <algorithm>

// Removes a node created beyond the node count from its parent. The root is
// never pruned.
void CZarniView::PruneBeyondCount(TreeNode *node)
{
    if (node->m_pParentIfLeft) {
        node->m_pParentIfLeft->m_pLeft = nullptr;
        delete node;
    } else if (node->m_pParentIfRight) {
        node->m_pParentIfRight->m_pRight = nullptr;
        delete node;
    }
}

TreeNode *CZarniView::NewChild(TreeNode *parent, int side)
{
    auto *child = new TreeNode;
    if (side == 0) {
        parent->m_pLeft = child;
        child->m_pParentIfLeft = parent;
    } else {
        parent->m_pRight = child;
        child->m_pParentIfRight = parent;
    }
    return child;
}

// 2i or 2i + 1; an index past the int range is beyond any node count.
int CZarniView::ChildIndex(int index, int side)
{
    return int(std::min<int64_t>(2 * int64_t(index) + side, INT32_MAX));
}

// What both builders do for a node within the count: its place in the tree,
// a plain mark, and a depth raised to its level.
void CZarniView::PlaceNode(TreeNode *node, int index, int level)
{
    m_nodesByIndex[index] = node;
    node->m_nIndex = index;
    node->m_nLevel = level;
    node->m_nMark = 0;
    if (level > m_nDepth)
        m_nDepth = level;
}

// Creates the missing children and builds each with the same builder; the
// left subtree is complete before the right child exists.
void CZarniView::BuildChildren(TreeNode *node, int index, int level, Builder build)
{
    if (!node->m_pLeft)
        (this->*build)(NewChild(node, 0), ChildIndex(index, 0), level + 1);
    if (!node->m_pRight)
        (this->*build)(NewChild(node, 1), ChildIndex(index, 1), level + 1);
}

void CZarniView::BuildNumberedTree(TreeNode *node, int index, int level)
{
    if (index > m_nNodeCount) {
        PruneBeyondCount(node);
        return;
    }
    node->m_strLabel = std::to_string(index);
    PlaceNode(node, index, level);
    BuildChildren(node, index, level, &CZarniView::BuildNumberedTree);
}

void CZarniView::FreeTree(TreeNode *node)
{
    if (!node)
        return;
    FreeTree(node->m_pLeft);
    FreeTree(node->m_pRight);
    delete node;
}

int64_t CZarniView::LevelX(int level, int64_t k) const
{
    return ((2 * k + 1) * int64_t(m_nCanvasWidth)) >> level;
}

int64_t CZarniView::LevelY(int level) const
{
    return ((2 * int64_t(level) - 1) * m_nCanvasHeight) / (2 * int64_t(m_nDepth));
}

// Each level is a band of equal height; its 2^(L-1) slots divide the width
// and a node sits in the middle of its own slot. The products are formed in
// 64 bits so that positions stay exact at any depth.
void CZarniView::LayoutTree(TreeNode *node)
{
    const int level = node->m_nLevel;
    const int64_t k = int64_t(node->m_nIndex) - (int64_t(1) << (level - 1));
    node->m_ptPos = {int(LevelX(level, k)), int(LevelY(level))};
    if (node->m_pLeft)
        LayoutTree(node->m_pLeft);
    if (node->m_pRight)
        LayoutTree(node->m_pRight);
}

TreeNode *CZarniView::NodeAt(int64_t index) const
{
    return index >= 1 && index <= m_nNodeCount ? m_nodesByIndex[std::size_t(index)] : nullptr;
}
