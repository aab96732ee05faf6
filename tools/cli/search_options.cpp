#include "cli/search_options.h"

#include <utility>
#include <vector>

#include "core/base/cp1251.h"

namespace vantiq {
namespace {

template <typename Value>
using Choices = std::vector<std::pair<const char*, Value>>;

// Reads option `name` as one of `choices`; an option not given leaves
// `value` alone.
template <typename Value>
std::string ReadChoiceOption(const ParsedArgs& args, const std::string& name,
                             const Choices<Value>& choices, Value& value) {
    const auto found = args.options.find(name);
    if (found == args.options.end()) {
        return {};
    }
    std::string names;
    for (const auto& [text, choice] : choices) {
        if (found->second == text) {
            value = choice;
            return {};
        }
        if (!names.empty()) {
            names += '|';
        }
        names += text;
    }
    return "--" + name + " takes " + names + ", not '" + found->second + "'";
}

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

std::string ReadNumbers(const ParsedArgs& args, SearchCriteria& c) {
    const std::pair<const char*, double*> numbers[] = {
        {"q", &c.requiredQ},
        {"dt", &c.requiredDT},
        {"supply-voltage", &c.supplyVoltage},
        {"supply-current", &c.supplyCurrent},
        {"resistance", &c.requiredResistance},
        {"width", &c.maxWidth},
        {"length", &c.maxLength},
        {"height", &c.maxHeight},
    };
    for (const auto& [name, value] : numbers) {
        if (auto error = ReadNumberOption(args, name, *value); !error.empty()) {
            return error;
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
         {ReadChoiceOption(args, "tolerance", tolerances, r.criteria.tolerancePercent),
          ReadChoiceOption(args, "mode", modes, r.criteria.electricalMode),
          ReadChoiceOption(args, "sort", keys, r.key),
          ReadChoiceOption(args, "order", orders, r.order)}) {
        if (!error.empty()) {
            return error;
        }
    }
    return {};
}

}  // namespace

std::string ReadSearchRequest(const ParsedArgs& args, SearchRequest& request) {
    const std::vector<std::string> known = {
        "q",     "dt",     "supply-voltage", "supply-current", "resistance", "tolerance", "mode",
        "width", "length", "height",         "name",           "sort",       "order"};
    for (const auto& error :
         {CheckKnownOptions(args, known), ReadNumbers(args, request.criteria),
          ReadChoices(args, request), ReadNameOption(args, request.criteria.nameFilter)}) {
        if (!error.empty()) {
            return error;
        }
    }
    return {};
}

}  // namespace vantiq
