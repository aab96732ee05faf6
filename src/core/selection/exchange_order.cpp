#include "core/selection/exchange_order.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <span>

namespace vantiq {
namespace {

// Why the order can be had without the exchanges. Step i of the sort brings
// the first of the smallest remaining keys to position i; every key on the
// way that is smaller than all before it moves one such step on. Watch the
// keys equal to some v among the keys <= v ("lower" ones, < v): in every step
// that still takes a lower key, the first lower key leaves the view, and if
// the view starts with a run of v's, the first of that run moves to the run's
// end. The v's thus pass through a queue: a v joins it once every lower key
// that stood before it has been taken, each step taken while the queue is not
// empty sends its front to its back, and when no lower key is left the v's
// come out in queue order. The queue is kept as a circle with a start, and
// the circle's final order is found from its insertions, so each key costs
// a few logarithmic steps.

// Counts over positions 0..n-1, for prefix sums and for finding the k-th
// free position.
class Fenwick {
public:
    explicit Fenwick(std::size_t size) : tree_(size + 1, 0) {}

    void Add(std::size_t at, int delta) {
        for (++at; at < tree_.size(); at += at & (~at + 1)) {
            tree_[at] += delta;
        }
    }
    // The sum over positions 0..end-1.
    int Prefix(std::size_t end) const {
        int sum = 0;
        for (; end > 0; end -= end & (~end + 1)) {
            sum += tree_[end];
        }
        return sum;
    }
    // The position p where the sum over 0..p first exceeds `k`.
    std::size_t Find(int k) const {
        std::size_t at = 0;
        std::size_t step = 1;
        while (step * 2 < tree_.size()) {
            step *= 2;
        }
        for (; step > 0; step /= 2) {
            if (at + step < tree_.size() && tree_[at + step] <= k) {
                at += step;
                k -= tree_[at];
            }
        }
        return at;
    }

private:
    std::vector<int> tree_;
};

std::vector<std::size_t> QuadraticOrder(std::vector<double> keys) {
    std::vector<std::size_t> rows(keys.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            if (keys[j] < keys[i]) {
                std::swap(keys[i], keys[j]);
                std::swap(rows[i], rows[j]);
            }
        }
    }
    return rows;
}

// The rank of each key among the distinct keys, the smallest ranked 0.
std::vector<std::size_t> Ranks(const std::vector<double>& keys, std::size_t& distinct) {
    std::vector<double> values(keys);
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    distinct = values.size();
    std::vector<std::size_t> ranks;
    ranks.reserve(keys.size());
    for (double key : keys) {
        ranks.push_back(static_cast<std::size_t>(
            std::lower_bound(values.begin(), values.end(), key) - values.begin()));
    }
    return ranks;
}

// The final order of one group of equal keys (their indices in first-to-last
// order), given for each how many lower keys stood before it, and how many
// lower keys there are in all.
std::vector<std::size_t> GroupOrder(std::span<const std::size_t> group,
                                    const std::vector<std::size_t>& lowerBefore,
                                    std::size_t lowerTotal) {
    const std::size_t size = group.size();
    std::vector<std::size_t> insertedAt(size);
    std::size_t start = 0;
    std::size_t steps = 0;
    for (std::size_t k = 0; k < size; ++k) {
        const std::size_t joins = lowerBefore[group[k]];
        if (k > 0) {
            start = (start + (joins - steps)) % k;
        }
        steps = joins;
        insertedAt[k] = start;  // just before the queue's front: at its back
        ++start;
    }
    // Where each insertion ends: the last one takes its place among all the
    // others, so place from the last back, each at its index among the free.
    Fenwick free(size);
    for (std::size_t p = 0; p < size; ++p) {
        free.Add(p, 1);
    }
    std::vector<std::size_t> circle(size);
    for (std::size_t k = size; k-- > 0;) {
        const std::size_t slot = free.Find(static_cast<int>(insertedAt[k]));
        circle[slot] = group[k];
        free.Add(slot, -1);
    }
    if (size > 0) {
        start = (start + (lowerTotal - steps)) % size;
    }
    std::rotate(circle.begin(), circle.begin() + static_cast<std::ptrdiff_t>(start), circle.end());
    return circle;
}

// How many lower keys stand before each key, given the keys' ranks.
std::vector<std::size_t> LowerBefore(const std::vector<std::size_t>& ranks, std::size_t distinct) {
    std::vector<std::size_t> lowerBefore(ranks.size());
    Fenwick seen(distinct);
    for (std::size_t k = 0; k < ranks.size(); ++k) {
        lowerBefore[k] = static_cast<std::size_t>(seen.Prefix(ranks[k]));
        seen.Add(ranks[k], 1);
    }
    return lowerBefore;
}

// The groups of equal keys, each in first-to-last order, one after the other
// from the smallest key: group r is members[start[r]] to members[start[r+1]].
// Two flat vectors, as a million distinct keys must not cost a million small
// ones.
struct Groups {
    std::vector<std::size_t> start;
    std::vector<std::size_t> members;

    std::span<const std::size_t> Group(std::size_t rank) const {
        return {members.data() + start[rank], start[rank + 1] - start[rank]};
    }
};

Groups GroupByRank(const std::vector<std::size_t>& ranks, std::size_t distinct) {
    Groups groups{std::vector<std::size_t>(distinct + 1, 0),
                  std::vector<std::size_t>(ranks.size())};
    for (std::size_t rank : ranks) {
        ++groups.start[rank + 1];
    }
    std::partial_sum(groups.start.begin(), groups.start.end(), groups.start.begin());
    // Filling a group moves its start on to the next group's; shifting the
    // starts back by one restores them without a second vector.
    for (std::size_t k = 0; k < ranks.size(); ++k) {
        groups.members[groups.start[ranks[k]]++] = k;
    }
    std::shift_right(groups.start.begin(), groups.start.end(), 1);
    groups.start[0] = 0;
    return groups;
}

}  // namespace

std::vector<std::size_t> ExchangeOrder(const std::vector<double>& keys) {
    if (std::any_of(keys.begin(), keys.end(), [](double key) { return std::isnan(key); })) {
        return QuadraticOrder(keys);
    }
    std::size_t distinct = 0;
    std::vector<std::size_t> lowerBefore;
    Groups groups;
    {
        // The ranks go before the order is built: on a million keys every
        // vector held at once is felt in the window's peak memory.
        const std::vector<std::size_t> ranks = Ranks(keys, distinct);
        lowerBefore = LowerBefore(ranks, distinct);
        groups = GroupByRank(ranks, distinct);
    }
    std::vector<std::size_t> order;
    order.reserve(keys.size());
    for (std::size_t rank = 0; rank < distinct; ++rank) {
        const std::vector<std::size_t> placed =
            GroupOrder(groups.Group(rank), lowerBefore, order.size());
        order.insert(order.end(), placed.begin(), placed.end());
    }
    return order;
}

}  // namespace vantiq
