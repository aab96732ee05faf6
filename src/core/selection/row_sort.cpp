#include "core/selection/row_sort.h"

#include <algorithm>
#include <functional>
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

// Puts the row at positions[i] at i, for every i, by following each cycle of
// the permutation: the rows are moved within `names`, never held twice.
void MoveToPositions(std::vector<std::string>& names, std::vector<std::size_t> positions) {
    for (std::size_t start = 0; start < names.size(); ++start) {
        if (positions[start] == start) {
            continue;  // in place, or its cycle is done
        }
        std::string first = std::move(names[start]);
        std::size_t at = start;
        while (positions[at] != start) {
            const std::size_t from = positions[at];
            names[at] = std::move(names[from]);
            positions[at] = at;
            at = from;
        }
        names[at] = std::move(first);
        positions[at] = at;
    }
}

// Whether the exchanges would leave `names` as they are: they swap a later
// row only when it comes strictly before the earlier one, so rows already in
// the order asked (ties included) never move. A reload keeps the list in its
// order by name; this spares sorting a million names once more for it.
bool AlreadyByName(const std::vector<std::string>& names, SortOrder order) {
    switch (order) {
        case SortOrder::Ascending:
            return std::is_sorted(names.begin(), names.end());
        case SortOrder::Descending:
            return std::is_sorted(names.begin(), names.end(), std::greater<>());
        default:
            return true;
    }
}

}  // namespace

std::vector<std::string> SortRows(const TemBase& base, std::vector<std::string> names, SortKey key,
                                  SortOrder order) {
    if (key == SortKey::Name && AlreadyByName(names, order)) {
        return names;
    }
    MoveToPositions(names, SortedPositions(RowKeys(base, names, key), order));
    return names;
}

}  // namespace vantiq
