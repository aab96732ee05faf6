#include "core/fit/ratings_csv.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "core/base/safe_text.h"
#include "core/report/csv.h"
#include "core/report/numbers.h"

namespace vantiq {
namespace {

constexpr std::size_t kRequired = std::size(kRatingsColumns);

// Where each optional column sits; columns not written are absent.
using OptionalColumns = std::map<std::string, std::size_t>;

Result<OptionalColumns> ReadHeader(const CsvRow& header) {
    if (header.size() < kRequired ||
        !std::equal(std::begin(kRatingsColumns), std::end(kRatingsColumns), header.begin())) {
        return Error{
            "the header must start with the columns name,couples,rated_thot_c,imax,umax,"
            "dtmax,qmax,width,length,height"};
    }
    OptionalColumns columns;
    for (std::size_t i = kRequired; i < header.size(); ++i) {
        const auto known = std::find(std::begin(kOptionalRatingsColumns),
                                     std::end(kOptionalRatingsColumns), header[i]);
        if (known == std::end(kOptionalRatingsColumns) || columns.count(header[i])) {
            return Error{"column " + std::to_string(i + 1) + " '" + EscapeControls(header[i]) +
                         "' is not one of pellet_length, pellet_side, ac_resistance, picture or "
                         "is named twice"};
        }
        columns[header[i]] = i;
    }
    return columns;
}

// The number in `text`; an empty cell is 0 where the column may be left empty.
Status ReadNumber(const std::string& text, const char* column, bool mayBeEmpty, double& value) {
    if (text.empty() && mayBeEmpty) {
        value = 0;
        return {};
    }
    const auto number = ParseStrictNumber(text);
    if (!number) {
        return Error{std::string(column) + " is not a number: '" + EscapeControls(text) + "'"};
    }
    value = *number;
    return {};
}

Status ReadCouples(const std::string& text, std::uint32_t& couples) {
    const auto number = ParseStrictNumber(text);
    if (!number || *number < 1 || *number > 1e6 || *number != static_cast<std::uint32_t>(*number)) {
        return Error{"couples must be a whole number from 1 to 1000000, found '" +
                     EscapeControls(text) + "'"};
    }
    couples = static_cast<std::uint32_t>(*number);
    return {};
}

Status ReadRow(const CsvRow& fields, std::size_t width, const OptionalColumns& columns,
               RatingsRow& row) {
    if (fields.size() != width) {
        return Error{"expected " + std::to_string(width) + " fields, found " +
                     std::to_string(fields.size())};
    }
    row.name = fields[0];
    Ratings& r = row.ratings;
    if (const Status couples = ReadCouples(fields[1], r.couples); !couples.ok())
        return couples;
    double* required[] = {&r.ratedThotC, &r.imax,  &r.umax,   &r.dtMax,
                          &r.qmax,       &r.width, &r.length, &r.height};
    for (std::size_t i = 0; i < std::size(required); ++i) {
        const Status read =
            ReadNumber(fields[i + 2], kRatingsColumns[i + 2], required[i] == &r.qmax, *required[i]);
        if (!read.ok())
            return read;
    }
    const std::pair<const char*, double*> optional[] = {
        {"pellet_length", &r.pelletLength},
        {"pellet_side", &r.pelletSide},
        {"ac_resistance", &r.acResistance},
    };
    for (const auto& [column, value] : optional) {
        if (const auto at = columns.find(column); at != columns.end()) {
            if (const Status read = ReadNumber(fields[at->second], column, true, *value);
                !read.ok())
                return read;
        }
    }
    if (const auto at = columns.find("picture"); at != columns.end())
        row.pictureFile = fields[at->second];
    return {};
}

}  // namespace

bool IsRatingsSource(std::string_view text) {
    const std::string_view start = "name,couples,";
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    return text.substr(0, start.size()) == start;
}

Result<std::vector<RatingsRow>> ParseRatingsCsv(std::string_view text) {
    const Result<std::vector<CsvRow>> table = ParseCsv(text);
    if (!table.ok())
        return table.error();
    if (table->empty())
        return Error{"the ratings source is empty"};
    const auto columns = ReadHeader(table->front());
    if (!columns.ok())
        return columns.error();
    std::vector<RatingsRow> rows;
    for (std::size_t i = 1; i < table->size(); ++i) {
        RatingsRow row;
        const Status read = ReadRow((*table)[i], table->front().size(), *columns, row);
        if (!read.ok())
            return Error{"row " + std::to_string(i) + ": " + read.error().message};
        rows.push_back(std::move(row));
    }
    if (rows.empty())
        return Error{"the ratings source holds no module"};
    return rows;
}

}  // namespace vantiq
