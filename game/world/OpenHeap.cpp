#include "game/world/OpenHeap.h"

#include <algorithm>

namespace {
// "a waits behind b": a higher f, or the same f and appended earlier. With this
// order std::push_heap and std::pop_heap keep the entry to expand on top.
bool waitsBehind(const OpenHeap::Entry& a, const OpenHeap::Entry& b) {
    if (a.f != b.f) {
        return a.f > b.f;
    }
    return a.order < b.order;
}
}  // namespace

void OpenHeap::push(const Entry& entry) {
    entries.push_back(entry);
    std::push_heap(entries.begin(), entries.end(), waitsBehind);
}

OpenHeap::Entry OpenHeap::pop() {
    std::pop_heap(entries.begin(), entries.end(), waitsBehind);
    const Entry top = entries.back();
    entries.pop_back();
    return top;
}
