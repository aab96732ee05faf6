#include "cli/search_options.h"

#include <utility>
#include <vector>

#include "core/base/cp1251.h"

namespace vantiq {
namespace {

// Every number of a search is a requirement that 0 leaves out; none may be
// negative, as none may in the advisor's request.
struct SearchNumber {
    const char* option;
    const char* what;
    double SearchCriteria::*field;
};
constexpr SearchNumber kSearchNumbers[] = {
    {"q", "The heat load Q", &SearchCriteria::requiredQ},
    {"dt", "The temperature difference dT", &SearchCriteria::requiredDT},
    {"supply-voltage", "The supply voltage", &SearchCriteria::supplyVoltage},
    {"supply-current", "The supply current", &SearchCriteria::supplyCurrent},
    {"resistance", "The resistance", &SearchCriteria::requiredResistance},
    {"width", "The largest width", &SearchCriteria::maxWidth},
    {"length", "The largest length", &SearchCriteria::maxLength},
    {"height", "The largest height", &SearchCriteria::maxHeight},
};

std::string ReadNumbers(const ParsedArgs& args, SearchCriteria& c) {
    for (const SearchNumber& number : kSearchNumbers) {
        double& value = c.*number.field;
        if (auto error = ReadNumberOption(args, number.option, value); !error.empty()) {
            return error;
        }
        if (value < 0.0) {
            return std::string("--") + number.option + ": " + number.what +
                   " must not be negative (0 for no requirement).";
        }
    }
    return {};
}

std::string ReadChoices(const ParsedArgs& args, SearchRequest& r) {
    const Choices<std::int32_t> tolerances = {{"1", 1}, {"5", 5}, {"10", 10}, {"20", 20}};
    const Choices<ElectricalMode> modes = {{"supply", ElectricalMode::Supply},
                                           {"resistance", ElectricalMode::Resistance}};
    const Choices<SortKey> keys = {{"name", SortKey::Name},
                                   {"qmax", SortKey::Qmax},
                                   {"pellets", SortKey::Pellets},
                                   {"imax", SortKey::Imax},
                                   {"umax", SortKey::Umax}};
    const Choices<SortOrder> orders = {{"desc", SortOrder::Descending},
                                       {"asc", SortOrder::Ascending}};
    for (const auto& error :
         {ReadMappedChoice(args, "tolerance", tolerances, r.criteria.tolerancePercent),
          ReadMappedChoice(args, "mode", modes, r.criteria.electricalMode),
          ReadMappedChoice(args, "sort", keys, r.key),
          ReadMappedChoice(args, "order", orders, r.order)}) {
        if (!error.empty()) {
            return error;
        }
    }
    return {};
}

}  // namespace

std::string ReadNameOption(const ParsedArgs& args, std::string& nameFilter) {
    const auto found = args.options.find("name");
    if (found == args.options.end()) {
        return {};
    }
    const auto bytes = Utf8ToCp1251(found->second);
    if (!bytes || bytes->find('\0') != std::string::npos) {
        return "--name takes text of the Windows-1251 code page";
    }
    if (bytes->size() > SearchCriteria::kMaxNameFilterBytes) {
        return "--name takes at most 29 characters";
    }
    nameFilter = *bytes;
    return {};
}

std::string ReadDimensionOptions(const ParsedArgs& args, SearchCriteria& c) {
    for (const auto& [name, value] : {std::pair<const char*, double*>{"width", &c.maxWidth},
                                      {"length", &c.maxLength},
                                      {"height", &c.maxHeight}}) {
        if (auto error = ReadNumberOption(args, name, *value); !error.empty()) {
            return error;
        }
    }
    return {};
}

std::string ReadSearchRequest(const ParsedArgs& args, SearchRequest& request) {
    for (const auto& error : {ReadNumbers(args, request.criteria), ReadChoices(args, request),
                              ReadNameOption(args, request.criteria.nameFilter)}) {
        if (!error.empty()) {
            return error;
        }
    }
    return {};
}

}  // namespace vantiq
