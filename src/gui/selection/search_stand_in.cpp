#include "selection/search_stand_in.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vantiq::standin {
namespace {

bool Passes(const TemRecord& r, const SearchCriteria& c) {
    if (!r.derivable)
        return false;
    if (c.requiredQ != 0 && r.qmax < c.requiredQ)
        return false;
    if (c.requiredDT != 0 && c.requiredQ == 0 && std::fabs(r.dtMax) < c.requiredDT)
        return false;
    if (c.supplyVoltage != 0 && c.supplyCurrent != 0 && r.umax < c.supplyVoltage)
        return false;
    if (c.maxWidth != 0 && r.width > c.maxWidth)
        return false;
    if (c.maxLength != 0 && r.length > c.maxLength)
        return false;
    if (c.maxHeight != 0 && r.height > c.maxHeight)
        return false;
    return c.nameFilter.empty() || r.Name().find(c.nameFilter) != std::string_view::npos;
}

double Key(const TemBase& base, const std::string& name, int key) {
    const TemRecord& r = base.records[base.FindByName(name)];
    switch (key) {
        case 1:
            return r.qmax;
        case 2:
            return r.pelletCount;
        case 3:
            return r.imax;
        default:
            return r.umax;
    }
}

bool OutOfOrder(const TemBase& base, const std::string& a, const std::string& b, int key,
                int order) {
    if (key == 0) {
        return order == 1 ? a > b : (order == 0 && a < b);
    }
    const double ka = Key(base, a, key), kb = Key(base, b, key);
    return order == 1 ? ka > kb : (order == 0 && ka < kb);
}

std::string Line(const char* format, double value) {
    char buffer[100];
    std::snprintf(buffer, sizeof buffer, format, value);
    return std::string("\"") + buffer + "\"\r\n";
}

}  // namespace

std::vector<std::uint32_t> RunSearch(TemBase& base, const SearchCriteria& criteria) {
    std::vector<std::uint32_t> found;
    for (std::uint32_t i = 0; i < base.records.size(); ++i) {
        if (Passes(base.records[i], criteria))
            found.push_back(i);
    }
    return found;
}

std::vector<std::uint32_t> ShowAllModules(const TemBase& base) {
    std::vector<std::uint32_t> all;
    for (std::uint32_t i = 0; i < base.records.size(); ++i) {
        if (base.records[i].derivable)
            all.push_back(i);
    }
    return all;
}

std::string CriteriaText(const SearchCriteria& c) {
    std::string text = "Your search creteria is:\r\n";
    if (c.requiredQ != 0)
        text += Line("Q >= %3.2f [W]", c.requiredQ);
    if (c.requiredDT != 0)
        text += Line(
            "dT >= %3.2f [\xB0"
            "C]",
            c.requiredDT);
    if (c.supplyVoltage != 0 && c.supplyCurrent != 0) {
        text += Line("Unominal >= %3.2f [V]", c.supplyVoltage);
        text += Line("Imax >= %3.2f [A]", c.supplyCurrent);
    }
    if (c.maxWidth != 0)
        text += Line("Width <= %3.1f [mm]", c.maxWidth);
    if (c.maxLength != 0)
        text += Line("Length <= %3.1f [mm]", c.maxLength);
    if (c.maxHeight != 0)
        text += Line("Height <= %3.1f [mm]", c.maxHeight);
    if (!c.nameFilter.empty())
        text += "\"TEM name search string = " + c.nameFilter + "\"\r\n";
    return text;
}

double ReadNumber(std::string_view text) {
    return std::atof(std::string(text).c_str());
}

std::string FormatInput(double value) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%3.1f", value);
    return buffer;
}

std::vector<std::string> SortRows(const TemBase& base, std::vector<std::string> names, int key,
                                  int order) {
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        for (std::size_t j = i; j < names.size(); ++j) {
            if (OutOfOrder(base, names[i], names[j], key, order))
                std::swap(names[i], names[j]);
        }
    }
    return names;
}

std::string ThirdColumnHeader(int key) {
    static const char* const headers[] = {"", "Qmax, W", "Pellets number, pcs", "Imax, A",
                                          "Umax, V"};
    return headers[key];
}

std::string ThirdColumnText(const TemRecord& r, int key) {
    if (key == 2)
        return std::to_string(r.pelletCount);
    return FormatInput(key == 1 ? r.qmax : key == 3 ? r.imax : r.umax);
}

}  // namespace vantiq::standin
