// Building, freeing and laying out the view's tree: the nodes' places and
// links, kept in one array by heap index. The values are the model's.
#include "ZarniView.h"

#include <QtGlobal>
#include <algorithm>

namespace {

// Room to grow kept when the array must be enlarged, so that adding nodes one
// by one does not move the whole tree each time.
std::size_t WithHeadroom(std::size_t count)
{
    return count + count / 16 + 16;
}

} // namespace

// The array holds the nodes 1..m_nNodeCount, every field still to be written
// by the build. Its storage is kept across rebuilds while it is not far too
// large, so a change of the count touches only what changed size.
TreeNode *CZarniView::NewRoot()
{
    const auto count = std::size_t(m_nNodeCount);
    if (m_nodes.capacity() < count || m_nodes.capacity() > 2 * WithHeadroom(count)) {
        NodeArray fresh;
        fresh.reserve(WithHeadroom(count));
        m_nodes.swap(fresh);
    }
    m_nodes.resize(count);
    return &m_nodes[0];
}

// Index, level and the links of node i within the count, and the depth
// raised to its level.
void CZarniView::PlaceNode(TreeNode *node, int64_t index, int level)
{
    node->m_nIndex = int(index);
    node->m_nLevel = level;
    LinkNode(node, index);
    if (level > m_nDepth)
        m_nDepth = level;
}

void CZarniView::LinkNode(TreeNode *node, int64_t index)
{
    auto at = [this](int64_t i) { return i <= m_nNodeCount ? &m_nodes[std::size_t(i - 1)] : nullptr; };
    TreeNode *parent = index > 1 ? at(index / 2) : nullptr;
    node->m_pLeft = at(2 * index);
    node->m_pRight = at(2 * index + 1);
    node->m_pParentIfLeft = index % 2 == 0 ? parent : nullptr;
    node->m_pParentIfRight = index % 2 == 1 ? parent : nullptr;
}

// A run grows the tree by empty nodes or drops its last ones, every other
// node keeping its place. Only the nodes at the edge are linked again, and
// only a change of depth moves the others (every level's band changes).
void CZarniView::ResizeTree(int64_t count)
{
    const int64_t old = m_nNodeCount;
    if (count == old || count < 1 || count > INT32_MAX)
        return;
    if (std::size_t(count) > m_nodes.capacity()) {
        NodeArray moved;
        moved.reserve(WithHeadroom(std::size_t(count)));
        moved.assign(m_nodes.begin(), m_nodes.end());
        m_nodes.swap(moved);
        for (int64_t i = 1; i <= old; ++i)
            LinkNode(&m_nodes[std::size_t(i - 1)], i);
    }
    m_nodes.resize(std::size_t(count));
    m_nNodeCount = int(count);
    m_pRoot = &m_nodes[0];
    for (int64_t i = std::min(old, count) / 2; i <= std::max(old, count) / 2; ++i)
        if (i >= 1 && i <= count)
            LinkNode(&m_nodes[std::size_t(i - 1)], i);
    const int depth = TreeGeometry::LevelOf(count);
    const bool depthChanged = depth != m_nDepth;
    m_nDepth = depth;
    const TreeGeometry geometry = Geometry();
    for (int64_t i = old + 1; i <= count; ++i) {
        PlaceNode(&m_nodes[std::size_t(i - 1)], i, TreeGeometry::LevelOf(i));
        m_nodes[std::size_t(i - 1)].m_ptPos = geometry.Position(i);
    }
    if (depthChanged)
        LayoutTree(m_pRoot);
    Invalidate();
}

// The subtree of a node holds one contiguous run of indices on each level
// below it, so it is built level by level along the array; each node's
// value is its index.
void CZarniView::BuildNumberedTree(TreeNode *node, int index, int level)
{
    Q_ASSERT(node == NodeAt(index));
    Q_UNUSED(node);
    for (int64_t first = index, last = index; first <= m_nNodeCount; first *= 2, last = 2 * last + 1, ++level) {
        for (int64_t i = first; i <= std::min<int64_t>(last, m_nNodeCount); ++i) {
            m_model.SetValue(i, int(i));
            PlaceNode(&m_nodes[std::size_t(i - 1)], i, level);
        }
    }
}

// The array goes with the tree; only the root or nothing can be freed.
void CZarniView::FreeTree(TreeNode *node)
{
    if (!node)
        return;
    Q_ASSERT(node == m_pRoot);
    m_nodes.clear();
}

void CZarniView::LayoutTree(TreeNode *node)
{
    const TreeGeometry geometry = Geometry();
    if (node == m_pRoot) {
        // Level by level, each level's y computed once.
        for (int level = 1; TreeGeometry::LevelFirst(level) <= m_nNodeCount; ++level) {
            const int64_t first = TreeGeometry::LevelFirst(level);
            const int64_t last = std::min<int64_t>(2 * first - 1, m_nNodeCount);
            const int y = int(geometry.Y(level));
            for (int64_t i = first; i <= last; ++i)
                m_nodes[std::size_t(i - 1)].m_ptPos = {int(geometry.X(level, i - first)), y};
        }
        m_bNodeZeroLaidOut = m_model.NodeZeroShown();
        return;
    }
    node->m_ptPos = geometry.Position(node->m_nIndex);
    if (node->m_pLeft)
        LayoutTree(node->m_pLeft);
    if (node->m_pRight)
        LayoutTree(node->m_pRight);
}

TreeNode *CZarniView::NodeAt(int64_t index)
{
    return index >= 1 && index <= int64_t(m_nodes.size()) ? &m_nodes[std::size_t(index - 1)] : nullptr;
}

const TreeNode *CZarniView::NodeAt(int64_t index) const
{
    return const_cast<CZarniView *>(this)->NodeAt(index);
}

TreeGeometry CZarniView::Geometry() const
{
    return {m_nCanvasWidth, m_nCanvasHeight, m_nDepth, m_nXDivisor, m_nYDivisor, m_nNodeCount,
            m_model.NodeZeroShown() ? 1 : 0};
}
