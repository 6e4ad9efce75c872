#include "TreeNode.h"

#include <memory>
#include <new>
#include <vector>

namespace {

// Fixed-size blocks carved from large chunks, recycled through a free list.
// Everything runs on the user-interface thread.
class NodePool {
public:
    void *Allocate()
    {
        if (!m_free) {
            m_chunks.push_back(std::make_unique<Block[]>(kChunk));
            Block *chunk = m_chunks.back().get();
            for (std::size_t i = 0; i < kChunk; ++i)
                Push(&chunk[i]);
        }
        Block *block = m_free;
        m_free = block->next;
        return block;
    }
    void Release(void *p) { Push(static_cast<Block *>(p)); }

private:
    union Block {
        Block *next;
        alignas(TreeNode) unsigned char storage[sizeof(TreeNode)];
    };
    static constexpr std::size_t kChunk = 8192;
    void Push(Block *block)
    {
        block->next = m_free;
        m_free = block;
    }
    std::vector<std::unique_ptr<Block[]>> m_chunks;
    Block *m_free = nullptr;
};

NodePool &Pool()
{
    static NodePool pool;
    return pool;
}

} // namespace

void *TreeNode::operator new(std::size_t size)
{
    if (size != sizeof(TreeNode))
        return ::operator new(size);
    return Pool().Allocate();
}

void TreeNode::operator delete(void *node) noexcept
{
    if (node)
        Pool().Release(node);
}
