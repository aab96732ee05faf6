#include "core/selection/criteria_text.h"

#include "core/base/cp1251.h"
#include "core/selection/number_input.h"

namespace vantiq {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kDegree = "\xB0";
constexpr const char* kPlusMinus = "\xB1";

void AddLine(std::string& text, const std::string& line) {
    text += '"';
    text += line;
    text += '"';
    text += kLineEnd;
}

void AddElectricalLines(std::string& text, const SearchCriteria& c) {
    if (IsSet(c.supplyVoltage) && IsSet(c.supplyCurrent)) {
        AddLine(text, "Unominal >= " + FormatFixed(c.supplyVoltage, 2) + " [V]");
        AddLine(text, "Imax >= " + FormatFixed(c.supplyCurrent, 2) + " [A]");
    }
    if (IsSet(c.requiredResistance)) {
        AddLine(text, "R = " + FormatFixed(c.requiredResistance, 3) + " [Ohms]" + kPlusMinus + " " +
                          std::to_string(c.tolerancePercent) + "%");
    }
}

void AddDimensionLines(std::string& text, const SearchCriteria& c) {
    if (IsSet(c.maxWidth)) {
        AddLine(text, "Width <= " + FormatFixed(c.maxWidth, 1) + " [mm]");
    }
    if (IsSet(c.maxLength)) {
        AddLine(text, "Length <= " + FormatFixed(c.maxLength, 1) + " [mm]");
    }
    if (IsSet(c.maxHeight)) {
        AddLine(text, "Height <= " + FormatFixed(c.maxHeight, 1) + " [mm]");
    }
}

}  // namespace

std::string CriteriaText(const SearchCriteria& c) {
    std::string text = std::string("Your search creteria is:") + kLineEnd;
    if (IsSet(c.requiredQ)) {
        AddLine(text, "Q >= " + FormatFixed(c.requiredQ, 2) + " [W]");
    }
    if (IsSet(c.requiredDT)) {
        AddLine(text, "dT >= " + FormatFixed(c.requiredDT, 2) + " [" + kDegree + "C]");
    }
    AddElectricalLines(text, c);
    AddDimensionLines(text, c);
    if (!c.nameFilter.empty()) {
        AddLine(text, "TEM name search string = " + c.nameFilter);
    }
    return text;
}

std::string CriteriaTextUtf8(const SearchCriteria& criteria) {
    return Cp1251ToUtf8(CriteriaText(criteria));
}

}  // namespace vantiq
