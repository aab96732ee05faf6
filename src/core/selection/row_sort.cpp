#include "core/selection/row_sort.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <string_view>

#include "core/selection/exchange_order.h"
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

std::vector<std::size_t> SortedPositions(std::vector<double> keys, SortOrder order) {
    switch (order) {
        case SortOrder::Ascending:
            return ExchangeOrder(keys);
        case SortOrder::Descending:
            // Descending exchanges are the ascending ones of the negated keys.
            for (double& key : keys) {
                key = -key;
            }
            return ExchangeOrder(keys);
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
