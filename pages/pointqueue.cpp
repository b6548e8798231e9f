// Block allocation behind PointQueue's free list.
#include "pages/pointqueue.h"

#include <cstdlib>

void* (*lpfnQueueAlloc)(size_t cb) = std::malloc;

namespace {
const int nBlockNodes = 1024; // 16 KB a block: a full-page front needs only a few
}

struct PointQueue::Block {
    Block* lpNext;
    Node aNodes[nBlockNodes];
};

PointQueue::PointQueue(int32_t x, int32_t y) {
    Push(x, y);
}

PointQueue::~PointQueue() {
    while (lpBlocks != nullptr) {
        Block* lpBlock = lpBlocks;
        lpBlocks = lpBlock->lpNext;
        std::free(lpBlock);
    }
}

// Adds one block of nodes to the free list; false when memory has run out.
int PointQueue::GrowFreeList() {
    Block* lpBlock = static_cast<Block*>(lpfnQueueAlloc(sizeof(Block)));
    if (lpBlock == nullptr)
        return 0;
    lpBlock->lpNext = lpBlocks;
    lpBlocks = lpBlock;
    for (int i = nBlockNodes - 1; i >= 0; i--) { // lowest address handed out first
        lpBlock->aNodes[i].lpNext = lpFree;
        lpFree = &lpBlock->aNodes[i];
    }
    return 1;
}
