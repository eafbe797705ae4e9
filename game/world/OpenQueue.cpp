#include "game/world/OpenQueue.h"

#include <algorithm>
#include <utility>

void OpenQueue::clear() {
    while (!buckets.empty()) {
        buckets.back().orders.clear();
        spare.push_back(std::move(buckets.back().orders));
        buckets.pop_back();
    }
}

void OpenQueue::release() {
    std::vector<Bucket>().swap(buckets);
    std::vector<std::vector<std::uint32_t>>().swap(spare);
}

void OpenQueue::push(const Entry& entry) {
    // The first bucket, from the back, whose f is not below the entry's.
    auto bucket = buckets.end();
    while (bucket != buckets.begin() && (bucket - 1)->f <= entry.f) {
        --bucket;
    }
    if (bucket == buckets.end() || bucket->f != entry.f) {
        std::vector<std::uint32_t> orders;
        if (!spare.empty()) {
            orders = std::move(spare.back());
            spare.pop_back();
        }
        bucket = buckets.insert(bucket, Bucket{entry.f, std::move(orders)});
    }
    std::vector<std::uint32_t>& orders = bucket->orders;
    if (orders.empty() || orders.back() < entry.order) {
        orders.push_back(entry.order);
    } else {
        orders.insert(std::lower_bound(orders.begin(), orders.end(), entry.order), entry.order);
    }
}

OpenQueue::Entry OpenQueue::pop() {
    Bucket& lowest = buckets.back();
    const Entry top{lowest.f, lowest.orders.back()};
    lowest.orders.pop_back();
    if (lowest.orders.empty()) {
        spare.push_back(std::move(lowest.orders));
        buckets.pop_back();
    }
    return top;
}
