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

  private:
    struct Block;
    int GrowFreeList();

    Node* lpHead = nullptr; // oldest position, null when empty
    Node* lpTail = nullptr; // newest position
    Node* lpWork = nullptr; // the node being linked in or released
    Node* lpFree = nullptr; // nodes ready for reuse
    Block* lpBlocks = nullptr;
};
