#pragma once

// Temporary: the panel's view of the selection engine until the core's
// selection library is in place.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/tem_base.h"

namespace vantiq::standin {

struct SearchCriteria {
    std::string nameFilter;
    std::int32_t electricalMode = 0;
    std::int32_t tolerancePercent = 1;
    double requiredQ = 0.0;
    double requiredDT = 0.0;
    double supplyVoltage = 0.0;
    double supplyCurrent = 0.0;
    double requiredResistance = 0.0;
    double maxWidth = 0.0;
    double maxLength = 0.0;
    double maxHeight = 0.0;
};

std::vector<std::uint32_t> RunSearch(TemBase& base, const SearchCriteria& criteria);
std::vector<std::uint32_t> ShowAllModules(const TemBase& base);
std::string CriteriaText(const SearchCriteria& criteria);
double ReadNumber(std::string_view text);
std::string FormatInput(double value);
std::vector<std::string> SortRows(const TemBase& base, std::vector<std::string> names, int key,
                                  int order);
std::string ThirdColumnHeader(int key);
std::string ThirdColumnText(const TemRecord& record, int key);

}  // namespace vantiq::standin
