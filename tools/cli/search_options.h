#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cli/cli_options.h"
#include "core/selection/search_criteria.h"
#include "core/selection/sort_key.h"

namespace vantiq {

// What `search` was asked for: the wizard's requirements and the list's sort,
// with the window's starting values where an option is not given.
struct SearchRequest {
    SearchCriteria criteria;
    SortKey key = SortKey::Name;
    SortOrder order = SortOrder::Descending;
};

template <typename Value>
using Choices = std::vector<std::pair<const char*, Value>>;

// Reads option `name` as one of `choices` ("--sort takes a|b, not 'x'"
// otherwise); an option not given leaves `value` alone. Returns a usage
// error or empty.
template <typename Value>
std::string ReadMappedChoice(const ParsedArgs& args, const std::string& name,
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

// Reads --name as Windows-1251 bytes of at most 29; returns a usage error or
// empty.
std::string ReadNameOption(const ParsedArgs& args, std::string& nameFilter);

// Reads --width, --length and --height as strict numbers.
std::string ReadDimensionOptions(const ParsedArgs& args, SearchCriteria& criteria);

// Reads the options of `search` into `request`. Numbers are read strictly.
// Returns a usage error naming the offending option, or empty.
std::string ReadSearchRequest(const ParsedArgs& args, SearchRequest& request);

}  // namespace vantiq
