#pragma once

#include <cstdint>
#include <vector>

// The open list of PathSearch as a priority queue. Its top is the entry with the
// lowest f and, among equal f, the highest append order: the node a front-to-back
// scan of a plain list with "<=" would choose, since that scan keeps the last of
// the lowest values.
//
// Entries are kept in buckets of equal f, each holding its append orders sorted
// from low to high, so the top is the last order of the lowest bucket. A search
// over a uniform-cost grid with a distance estimate only ever holds a couple of
// f values at once, and appends arrive in rising order, so pushing and popping
// touch just the ends of one bucket; only a re-parented node, pushed again under
// its old order, is inserted in the middle. Storage is kept between searches.
class OpenQueue {
public:
    // One waiting node. order is when the node was first appended in this search;
    // a re-parented node is pushed again with its new f and the same order.
    struct Entry {
        float f;
        std::uint32_t order;
    };

    // Drops every entry; the storage stays for the next search.
    void clear();
    // Drops every entry and frees the storage (a new grid may be much smaller).
    void release();
    // Whether no entry is waiting (stale ones included).
    bool empty() const { return buckets.empty(); }
    // Adds an entry; f must not be NaN.
    void push(const Entry& entry);
    // Removes and returns the top entry; the queue must not be empty.
    Entry pop();

private:
    // The waiting orders of one f value, low to high; never empty while in use.
    struct Bucket {
        float f;
        std::vector<std::uint32_t> orders;
    };

    // Buckets sorted by f from high to low, so the lowest is at the back.
    std::vector<Bucket> buckets;
    // Order lists of emptied buckets, kept to be reused without allocating.
    std::vector<std::vector<std::uint32_t>> spare;
};
