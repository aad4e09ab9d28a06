// Node pool: nodes of one type carved from blocks of many, returned to a free
// list and given back to the heap only with the whole pool. Lists share one
// pool per node type per process through ky_block_allocator.
#pragma once

#include "KyStd/Core/CritSec.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Core/ProcessSingleton.h"
#include "KyStd/Core/RefCount.h"
#include "KyStd/Core/StaticDataManager.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <typeinfo>

namespace Kyvant {

template <class Node, class Alloc = std::allocator<char>>
class BlockManager {
    // Every block starts with this header, padded to the node alignment.
    struct BlockHeader {
        unsigned nodes;
        BlockHeader* next;
    };
    struct FreeNode {
        FreeNode* next;
    };
    static constexpr std::size_t kHeader =
        (sizeof(BlockHeader) + alignof(Node) - 1) / alignof(Node) * alignof(Node);
    using ByteAlloc = typename std::allocator_traits<Alloc>::template rebind_alloc<char>;
    using LockSingleton = ProcessSingleton<Win32::CritSec, BlockManager>;

public:
    explicit BlockManager(unsigned blockSize = 100, bool preallocate = false)
        : lock_(LockSingleton::Handle())
    {
        if (sizeof(Node) < sizeof(void*))
            ky_ns_BlockManager::ThrowTSize();
        init(blockSize, preallocate);
    }
    ~BlockManager()
    {
        Win32::CritSecLock lock(*lock_);
        while (blocks_) {
            BlockHeader* next = blocks_->next;
            bytes_.deallocate(reinterpret_cast<char*>(blocks_), BlockBytes(blocks_->nodes));
            blocks_ = next;
        }
        cursor_ = limit_ = nullptr;
        free_ = nullptr;
        blockCount_ = 0;
    }
    BlockManager(const BlockManager&) = delete;
    BlockManager& operator=(const BlockManager&) = delete;

    void init(unsigned blockSize, bool preallocate)
    {
        Win32::CritSecLock lock(*lock_);
        if (blockSize == 0)
            ky_ns_BlockManager::ThrowBlockSize();
        if (blocks_)
            ky_ns_BlockManager::ThrowBlockList();
        blockSize_ = blockSize;
        cursor_ = limit_ = nullptr;
        free_ = nullptr;
        blockCount_ = 0;
        if (preallocate)
            deallocate(allocate());
    }

    Node* allocate()
    {
        Win32::CritSecLock lock(*lock_);
        if (cursor_ != limit_) {
            char* p = cursor_;
            cursor_ += sizeof(Node);
            return reinterpret_cast<Node*>(p);
        }
        if (free_) {
            FreeNode* p = free_;
            free_ = p->next;
            return reinterpret_cast<Node*>(p);
        }
        unsigned nodes = blockSize_;
        char* block;
        try {
            block = NewBlock(nodes);
        } catch (const std::bad_alloc&) {
            if (nodes < 2)
                throw;
            nodes = 1;
            block = NewBlock(nodes);
        }
        auto* header = reinterpret_cast<BlockHeader*>(block);
        header->nodes = nodes;
        header->next = blocks_;
        blocks_ = header;
        ++blockCount_;
        cursor_ = block + kHeader + sizeof(Node);
        limit_ = block + kHeader + nodes * sizeof(Node);
        return reinterpret_cast<Node*>(block + kHeader);
    }

    void deallocate(Node* node)
    {
        if (!node)
            return;
        Win32::CritSecLock lock(*lock_);
        auto* p = reinterpret_cast<FreeNode*>(node);
        p->next = free_;
        free_ = p;
    }

    unsigned BlockSize() const { return blockSize_; }
    unsigned BlockCount() const { return blockCount_; }

private:
    static std::size_t BlockBytes(unsigned nodes) { return kHeader + nodes * sizeof(Node); }

    // A block size whose byte count does not fit counts as failed allocation.
    char* NewBlock(unsigned nodes)
    {
        if (nodes > (SIZE_MAX - kHeader) / sizeof(Node))
            throw std::bad_alloc();
        return bytes_.allocate(BlockBytes(nodes));
    }

    ky_singleton_handle<Win32::CritSec, BlockManager> lock_;
    ByteAlloc bytes_;
    unsigned blockSize_ = 0;
    BlockHeader* blocks_ = nullptr;
    char* cursor_ = nullptr;
    char* limit_ = nullptr;
    FreeNode* free_ = nullptr;
    unsigned blockCount_ = 0;
};

template <class Node, class Alloc = std::allocator<char>>
using RefCountedBlockManager = RefCountedObject<BlockManager<Node, Alloc>>;

// Allocator of single nodes from the process's pool for Node, registered in
// the static data manager under this allocator type's name. The first one
// made in the process creates the pool with its block size; the last one
// destroyed erases the registration and frees the pool.
template <class Node>
class ky_block_allocator {
    using Pool = BlockManager<Node>;
    using Handle = ky_singleton_handle<Pool, ky_block_allocator>;

public:
    using value_type = Node;

    explicit ky_block_allocator(unsigned blockSize = 100) : pool_(Attach(blockSize)) {}
    ky_block_allocator(const ky_block_allocator&) = default;
    // Every allocator of one type uses the same pool: there is nothing to assign.
    ky_block_allocator& operator=(const ky_block_allocator&) = delete;

    Node* allocate(std::size_t n)
    {
        if (n != 1)
            ThrowBadAlloc();
        return pool_->allocate();
    }
    void deallocate(Node* p, std::size_t) { pool_->deallocate(p); }

    Pool& pool() const { return *pool_; }

    bool operator==(const ky_block_allocator&) const { return true; }
    bool operator!=(const ky_block_allocator&) const { return false; }

private:
    // The handle is made while the manager's lock is held, so a concurrent
    // last release cannot free the pool between lookup and attachment.
    static Handle Attach(unsigned blockSize)
    {
        if (blockSize == 0)
            ky_ns_BlockManager::ThrowBlockSize();
        StaticDataManager::Lock lock;
        auto* pool = static_cast<RefCountedBlockManager<Node>*>(
            StaticDataManager::find(typeid(ky_block_allocator)));
        if (!pool) {
            pool = new RefCountedBlockManager<Node>(blockSize);
            try {
                StaticDataManager::insert(typeid(ky_block_allocator), pool);
            } catch (...) {
                delete pool;
                throw;
            }
        }
        return Handle(pool);
    }

    Handle pool_;
};

} // namespace Kyvant
