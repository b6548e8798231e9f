// The first-in-first-out queue of page positions that drives both fills.
#pragma once
#include <cstddef>
#include <cstdint>

// Where the queue gets its blocks of nodes; tests point it at an allocator that runs out.
extern void* (*lpfnQueueAlloc)(size_t cb);

// A queue of (x, y) positions in a singly linked list, one node per queued position.
// Nodes come from blocks and go back to a free list when they leave, so the queue costs no
// heap call per position and its memory follows the widest front the fill has had.
class PointQueue {
  public:
    struct Node {
        Node* lpNext;
        int32_t x;
        int32_t y;
    };

    // Creates the queue holding the seed (empty if not even one node could be had).
    PointQueue(int32_t x, int32_t y);
    ~PointQueue();
    PointQueue(const PointQueue&) = delete;
    PointQueue& operator=(const PointQueue&) = delete;

    int IsEmpty() const { return lpHead == nullptr; }

    // The oldest position; only called on a non-empty queue.
    const Node& Front() const { return *lpHead; }

    // Queues (x, y) behind the newest position; false when no node could be allocated.
    int Push(int32_t x, int32_t y) {
        if (lpFree == nullptr && !GrowFreeList())
            return 0;
        lpWork = lpFree;
        lpFree = lpWork->lpNext;
        lpWork->lpNext = nullptr;
        lpWork->x = x;
        lpWork->y = y;
        if (lpHead == nullptr)
            lpHead = lpWork;
        else
            lpTail->lpNext = lpWork;
        lpTail = lpWork;
        return 1;
    }

    // Drops the oldest position, if any.
    void Pop() {
        if (lpHead == nullptr)
            return;
        lpWork = lpHead;
        lpHead = lpWork->lpNext;
        lpWork->lpNext = lpFree;
        lpFree = lpWork;
        if (lpHead == nullptr) {
            lpTail = nullptr;
            lpWork = nullptr;
        }
    }

    // Takes up to nMax positions from the oldest on: fnStep(x, y, push) may queue positions
    // with push(x, y), which is false when no node could be had, then the position is
    // dropped. Returns how many were taken. The links stay in locals meanwhile, since every
    // page byte the step writes could otherwise alias them and force them back to memory.
    template <class Step> long Drain(long nMax, Step fnStep);

  private:
    struct Block;
    int GrowFreeList();

    Node* lpHead = nullptr; // oldest position, null when empty
    Node* lpTail = nullptr; // newest position
    Node* lpWork = nullptr; // the node being linked in or released
    Node* lpFree = nullptr; // nodes ready for reuse
    Block* lpBlocks = nullptr;
};

template <class Step> long PointQueue::Drain(long nMax, Step fnStep) {
    Node* lpOldest = lpHead;
    Node* lpNewest = lpTail;
    Node* lpSpare = lpFree;
    // Only called while a position is being taken, so the queue is never empty here.
    auto push = [&](int32_t x, int32_t y) -> int {
        if (lpSpare == nullptr) {
            lpFree = nullptr;
            if (!GrowFreeList())
                return 0;
            lpSpare = lpFree;
        }
        Node* lpNode = lpSpare;
        lpSpare = lpNode->lpNext;
        lpNode->lpNext = nullptr;
        lpNode->x = x;
        lpNode->y = y;
        lpNewest->lpNext = lpNode;
        lpNewest = lpNode;
        return 1;
    };
    long nTaken = 0;
    while (lpOldest != nullptr && nTaken < nMax) {
        fnStep(lpOldest->x, lpOldest->y, push);
        Node* lpNode = lpOldest;
        lpOldest = lpNode->lpNext;
        lpNode->lpNext = lpSpare;
        lpSpare = lpNode;
        nTaken++;
    }
    lpHead = lpOldest;
    lpTail = lpOldest != nullptr ? lpNewest : nullptr;
    lpWork = nullptr;
    lpFree = lpSpare;
    return nTaken;
}
