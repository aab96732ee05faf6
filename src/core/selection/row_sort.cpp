#include "core/selection/row_sort.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numeric>
#include <string_view>

#include "core/selection/name_index.h"

namespace vantiq {
namespace {

// The rank of each name among the distinct names in byte order: comparing
// ranks gives the same answers as comparing the names, at the cost of one
// number comparison.
std::vector<double> NameRanks(const std::vector<std::string>& names) {
    std::vector<std::string_view> distinct(names.begin(), names.end());
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    std::vector<double> ranks;
    ranks.reserve(names.size());
    for (const auto& name : names) {
        const auto at = std::lower_bound(distinct.begin(), distinct.end(), std::string_view(name));
        ranks.push_back(static_cast<double>(at - distinct.begin()));
    }
    return ranks;
}

std::vector<double> ModuleKeys(const TemBase& base, const std::vector<std::string>& names,
                               SortKey key) {
    const NameIndex index(base);
    std::vector<double> keys;
    keys.reserve(names.size());
    for (const auto& name : names) {
        const std::int32_t module = index.Find(name);
        keys.push_back(module < 0
                           ? -std::numeric_limits<double>::infinity()
                           : NumericKey(base.records[static_cast<std::size_t>(module)], key));
    }
    return keys;
}

std::vector<double> RowKeys(const TemBase& base, const std::vector<std::string>& names,
                            SortKey key) {
    if (key == SortKey::Qmax || key == SortKey::Pellets || key == SortKey::Imax ||
        key == SortKey::Umax) {
        return ModuleKeys(base, names, key);
    }
    return NameRanks(names);
}

// The exchange sort itself, on the precomputed keys, carrying each row's
// original position along.
template <typename OutOfOrder>
std::vector<std::size_t> ExchangeSort(std::vector<double> keys, OutOfOrder outOfOrder) {
    std::vector<std::size_t> rows(keys.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            if (outOfOrder(keys[i], keys[j])) {
                std::swap(keys[i], keys[j]);
                std::swap(rows[i], rows[j]);
            }
        }
    }
    return rows;
}

// Whether no two keys are equal and none is NaN: then the exchange sort's
// order is simply the keys' order, which a plain sort reaches without
// comparing every pair of rows.
bool DistinctKeys(std::vector<double> keys) {
    if (std::any_of(keys.begin(), keys.end(), [](double k) { return std::isnan(k); })) {
        return false;
    }
    std::sort(keys.begin(), keys.end());
    return std::adjacent_find(keys.begin(), keys.end()) == keys.end();
}

template <typename Before>
std::vector<std::size_t> PlainSort(const std::vector<double>& keys, Before before) {
    std::vector<std::size_t> rows(keys.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    std::sort(rows.begin(), rows.end(),
              [&](std::size_t a, std::size_t b) { return before(keys[a], keys[b]); });
    return rows;
}

std::vector<std::size_t> SortedPositions(std::vector<double> keys, SortOrder order) {
    const bool exchanging = order == SortOrder::Ascending || order == SortOrder::Descending;
    if (exchanging && DistinctKeys(keys)) {
        return order == SortOrder::Ascending ? PlainSort(keys, std::less<>())
                                             : PlainSort(keys, std::greater<>());
    }
    switch (order) {
        case SortOrder::Ascending:
            return ExchangeSort(std::move(keys), [](double a, double b) { return a > b; });
        case SortOrder::Descending:
            return ExchangeSort(std::move(keys), [](double a, double b) { return a < b; });
        default: {
            // Any other direction exchanges nothing.
            std::vector<std::size_t> rows(keys.size());
            std::iota(rows.begin(), rows.end(), std::size_t{0});
            return rows;
        }
    }
}

}  // namespace

std::vector<std::string> SortRows(const TemBase& base, std::vector<std::string> names, SortKey key,
                                  SortOrder order) {
    const auto positions = SortedPositions(RowKeys(base, names, key), order);
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (std::size_t position : positions) {
        sorted.push_back(std::move(names[position]));
    }
    return sorted;
}

}  // namespace vantiq
