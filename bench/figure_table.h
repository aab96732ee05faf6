#pragma once

#include <string>

namespace vantiq::bench {

// Prints benchmark figures as rows of a table on standard output: what was
// measured, the baseline's and the fast path's time, their ratio and the
// ratio aimed at, marked when it falls short.
class FigureTable {
public:
    // Prints a heading line for the rows that follow, whose targets count
    // only when `targets` is set.
    void Section(const std::string& title, bool targets);

    // One row; `target` 0 prints no target.
    void Row(const std::string& figure, double baselineSeconds, double fastSeconds, double target);

    // One row whose target is a time: `seconds` must stay under
    // `limitSeconds`. `baselineSeconds` 0 prints no baseline.
    void Limit(const std::string& figure, double baselineSeconds, double seconds,
               double limitSeconds);

    // One row whose target is a share of the baseline: `seconds` may cost at
    // most `most` times `baselineSeconds`; the ratio printed is the share.
    void Share(const std::string& figure, double baselineSeconds, double seconds, double most);

    // One row for work spread over the cores: it must take less than
    // `limitSeconds` and no longer than `sequentialSeconds`, the same work
    // on the calling thread alone.
    void Parallel(const std::string& figure, double sequentialSeconds, double seconds,
                  double limitSeconds);

    // Prints a note under the rows.
    void Note(const std::string& text);

    // True when every row with a target met it.
    bool AllMet() const { return allMet_; }

private:
    bool allMet_ = true;
    bool targets_ = true;
};

}  // namespace vantiq::bench
