#pragma once

#include <cstdint>
#include <vector>

// The open list of PathSearch as a binary min-heap. Its top is the entry with the
// lowest f and, among equal f, the highest append order: the node a front-to-back
// scan of a plain list with "<=" would choose, since that scan keeps the last of
// the lowest values. Storage is kept between searches.
class OpenHeap {
public:
    // One waiting node. order is when the node was first appended in this search;
    // a re-parented node is pushed again with its new f and the same order.
    struct Entry {
        float f;
        std::uint32_t order;
        std::uint32_t cell;
    };

    // Drops every entry; the storage stays for the next search.
    void clear() { entries.clear(); }
    // Drops every entry and frees the storage (a new grid may be much smaller).
    void release() { std::vector<Entry>().swap(entries); }
    // Whether no entry is waiting (stale ones included).
    bool empty() const { return entries.empty(); }
    // Adds an entry.
    void push(const Entry& entry);
    // Removes and returns the top entry; the heap must not be empty.
    Entry pop();

private:
    std::vector<Entry> entries;
};
