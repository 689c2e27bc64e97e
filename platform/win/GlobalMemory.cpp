#include "platform/win/GlobalMemory.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_set>

struct GlobalBlock {
    BYTE* data = nullptr; // std::malloc'ed; null for zero bytes
    SIZE_T size = 0;
    UINT flags = 0;
    UINT locks = 0;
};

namespace {

constexpr SIZE_T kMaxBlockSize = 0x7FFFFFFF;

// Every live block: a handle is only dereferenced after it was found here, so
// a null, freed or foreign handle is answered without touching memory.
struct Registry {
    std::mutex mutex;
    std::unordered_set<GlobalBlock*> blocks;
};

Registry& Blocks() {
    static Registry* registry = new Registry; // outlives every static destructor
    return *registry;
}

bool IsLive(Registry& r, HGLOBAL block) {
    return block != nullptr && r.blocks.count(block) != 0;
}

} // namespace

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
    if (bytes > kMaxBlockSize)
        return nullptr;
    BYTE* data = nullptr;
    if (bytes > 0) {
        data = static_cast<BYTE*>(std::calloc(bytes, 1));
        if (!data)
            return nullptr;
    }
    auto* block = new GlobalBlock;
    block->data = data;
    block->size = bytes;
    block->flags = flags & (GMEM_MOVEABLE | GMEM_DISCARDABLE | GMEM_SHARE);
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.blocks.insert(block);
    return block;
}

HGLOBAL GlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags) {
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (!IsLive(r, block))
        return nullptr;
    if (flags & GMEM_MODIFY) {
        block->flags = (block->flags & ~(GMEM_MOVEABLE | GMEM_DISCARDABLE)) |
                       (flags & (GMEM_MOVEABLE | GMEM_DISCARDABLE));
        return block;
    }
    if (bytes > kMaxBlockSize)
        return nullptr;
    if (bytes == block->size)
        return block;
    if (bytes == 0) {
        std::free(block->data);
        block->data = nullptr;
        block->size = 0;
        return block;
    }
    auto* data = static_cast<BYTE*>(std::realloc(block->data, bytes));
    if (!data)
        return nullptr;
    if (bytes > block->size)
        std::memset(data + block->size, 0, bytes - block->size);
    block->data = data;
    block->size = bytes;
    return block;
}

HGLOBAL GlobalFree(HGLOBAL block) {
    Registry& r = Blocks();
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        if (!IsLive(r, block))
            return block;
        r.blocks.erase(block);
    }
    std::free(block->data);
    delete block;
    return nullptr;
}

void* GlobalLock(HGLOBAL block) {
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (!IsLive(r, block) || block->size == 0)
        return nullptr;
    ++block->locks;
    return block->data;
}

BOOL GlobalUnlock(HGLOBAL block) {
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (!IsLive(r, block) || block->locks == 0)
        return FALSE;
    --block->locks;
    return block->locks > 0 ? TRUE : FALSE;
}

SIZE_T GlobalSize(HGLOBAL block) {
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    return IsLive(r, block) ? block->size : 0;
}

UINT GlobalFlags(HGLOBAL block) {
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (!IsLive(r, block))
        return GMEM_INVALID_HANDLE;
    UINT result = block->locks > 0xFF ? 0xFF : block->locks;
    result |= block->flags & GMEM_DISCARDABLE;
    if (block->size == 0 && (block->flags & GMEM_MOVEABLE))
        result |= GMEM_DISCARDED;
    return result;
}

HGLOBAL GlobalHandle(const void* data) {
    if (!data)
        return nullptr;
    Registry& r = Blocks();
    std::lock_guard<std::mutex> lock(r.mutex);
    for (GlobalBlock* block : r.blocks) {
        if (block->data == data)
            return block;
    }
    return nullptr;
}
