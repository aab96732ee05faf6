#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/report/csv.h"
#include "core/selection/number_input.h"

namespace vantiq {

// What a request asked for beyond the points themselves; it decides which of
// a table's optional columns show.
struct ColumnNeeds {
    bool coldMass = false;  // the pull-down columns
    bool sink = false;      // the largest sink resistance
};

// One column of a table of answers (operating points, stacks): its header
// with the unit, the text of a row's cell, and what the rows sort by. A
// table is a list of these, so a new column is one more entry.
template <typename Row>
struct AnswerColumn {
    std::string header;
    std::string (*text)(const Row& row) = nullptr;
    // The number a click on the header sorts by; none: the rows sort by
    // their texts as bytes (names).
    double (*value)(const Row& row) = nullptr;
    // The order of a first click: best first, which is the largest value
    // for COP and margin and the smallest for the rest.
    bool largestFirst = false;
    // Shown only when the request gave a cold mass (the pull-down time).
    bool needsColdMass = false;
    // Shown only under a heat sink.
    bool needsSink = false;
};

// The columns of `table` that a request with `needs` shows.
template <typename Row>
std::vector<AnswerColumn<Row>> ShownColumns(const std::vector<AnswerColumn<Row>>& table,
                                            ColumnNeeds needs) {
    std::vector<AnswerColumn<Row>> shown;
    std::copy_if(table.begin(), table.end(), std::back_inserter(shown),
                 [needs](const AnswerColumn<Row>& c) {
                     return (needs.coldMass || !c.needsColdMass) && (needs.sink || !c.needsSink);
                 });
    return shown;
}

// A pull-down time's cell, "never" where no allowed current gets there.
inline std::string PullDownCellText(const std::optional<double>& seconds) {
    return seconds ? FormatFixed(*seconds, 1) : std::string("never");
}

// What a pull-down time sorts by: "never" after every time.
inline double PullDownCellOrder(const std::optional<double>& seconds) {
    return seconds.value_or(1e300);
}

// Sorts `rows` by `column`, in its natural direction or, `reversed`, the
// other way. The sort is stable, so rows with equal keys keep their order.
template <typename Row>
void SortAnswerRows(std::vector<Row>& rows, const AnswerColumn<Row>& column, bool reversed) {
    const bool descending = column.largestFirst != reversed;
    const auto before = [&column, descending](const Row& a, const Row& b) {
        if (column.value == nullptr) {
            const std::string x = column.text(a);
            const std::string y = column.text(b);
            return descending ? y < x : x < y;
        }
        const double x = column.value(a);
        const double y = column.value(b);
        return descending ? y < x : x < y;
    };
    std::stable_sort(rows.begin(), rows.end(), before);
}

// The texts a table shows: one row of cells per row, in the rows' order.
template <typename Row>
std::vector<CsvRow> AnswerCells(const std::vector<Row>& rows,
                                const std::vector<AnswerColumn<Row>>& columns) {
    std::vector<CsvRow> cells;
    cells.reserve(rows.size());
    for (const Row& row : rows) {
        CsvRow& line = cells.emplace_back();
        for (const AnswerColumn<Row>& column : columns) {
            line.push_back(column.text(row));
        }
    }
    return cells;
}

// The headers of `columns`.
template <typename Row>
CsvRow AnswerHeaders(const std::vector<AnswerColumn<Row>>& columns) {
    CsvRow headers;
    for (const AnswerColumn<Row>& column : columns) {
        headers.push_back(column.header);
    }
    return headers;
}

// The table as CSV (RFC 4180, CR LF line ends), exactly as it shows: the
// headers with their units, then the rows' cells.
template <typename Row>
std::string AnswerCsv(const std::vector<Row>& rows, const std::vector<AnswerColumn<Row>>& columns) {
    std::string text = FormatCsvRow(AnswerHeaders(columns));
    for (const CsvRow& line : AnswerCells(rows, columns)) {
        text += FormatCsvRow(line);
    }
    return text;
}

}  // namespace vantiq
