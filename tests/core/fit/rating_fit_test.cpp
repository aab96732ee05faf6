#include "core/fit/rating_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/model/celsius.h"
#include "module_generator.h"

namespace vantiq {
namespace {

// The typical classes: 127 couples 6 A and 4 A, 128 couples 15 A.
const std::vector<Ratings> kClasses = {
    {127, 25, 6.4, 15.4, 66, 57, 40, 40, 3.8},
    {127, 27, 3.9, 15.5, 70, 32, 40, 40, 3.9},
    {128, 25, 15.4, 15.8, 68, 151, 50, 50, 4.0},
};

// Derives the fitted record again, as the catalogue will, and returns how
// far it lies from the ratings.
RatingDeviations Rederived(const Ratings& r, const RatingFit& fit) {
    TemRecord again = fit.record;
    EXPECT_TRUE(DeriveRatedValues(again, r.ratedThotC + kCelsiusOffset));
    const RatedValues derived = again.rated;
    EXPECT_EQ(derived, fit.derived) << "the fit reports what the catalogue derives";
    return DeviationsOf(r, derived);
}

// What the balance minimises: the squared relative deviations of all four.
double SquaredMiss(const Ratings& r, const RatingDeviations& d) {
    const double dt = d.dtMax / r.dtMax;
    return std::pow(std::log1p(d.imax), 2) + std::pow(std::log1p(d.umax), 2) +
           std::pow(std::log1p(dt), 2) + std::pow(std::log1p(d.qmax), 2);
}

TEST(RatingFit, EachModeKeepsItsRatingsThroughTheDerivation) {
    for (const Ratings& r : kClasses) {
        const std::string label = std::to_string(r.imax) + " A class";
        const RatingFit keepU = FitRatings(r, FitMode::KeepImaxUmaxDtmax);
        const RatingFit keepQ = FitRatings(r, FitMode::KeepImaxDtmaxQmax);
        const RatingFit balanced = FitRatings(r, FitMode::BalanceAll);
        for (const RatingFit* fit : {&keepU, &keepQ, &balanced})
            ASSERT_EQ(fit->problem, "") << label;
        const RatingDeviations u = Rederived(r, keepU);
        EXPECT_LE(std::fabs(u.imax), 0.005) << label;
        EXPECT_LE(std::fabs(u.umax), 0.005) << label;
        EXPECT_LE(std::fabs(u.dtMax), 0.1) << label;
        const RatingDeviations q = Rederived(r, keepQ);
        EXPECT_LE(std::fabs(q.imax), 0.005) << label;
        EXPECT_LE(std::fabs(q.qmax), 0.005) << label;
        EXPECT_LE(std::fabs(q.dtMax), 0.1) << label;
        // Balancing spreads the datasheet's disagreement with the model over
        // all four ratings, at less than half the squared miss of either mode.
        const double miss = SquaredMiss(r, Rederived(r, balanced));
        EXPECT_LT(miss, SquaredMiss(r, u) / 2) << label;
        EXPECT_LT(miss, SquaredMiss(r, q) / 2) << label;
        EXPECT_TRUE(keepU.legsAssumed);
        EXPECT_NE(keepU.assumption.find("legs assumed"), std::string::npos);
    }
}

// The largest of the four deviations, dTmax relative to the rated dTmax.
double LargestDeviation(const Ratings& r, const RatingDeviations& d) {
    return std::max(
        {std::fabs(d.imax), std::fabs(d.umax), std::fabs(d.dtMax / r.dtMax), std::fabs(d.qmax)});
}

// Ratings of the model's own, datasheet style with the leg sizes.
Ratings RatingsOf(const TemRecord& m) {
    const FileFields& f = m.file;
    const ModuleRating& v = m.rated;
    Ratings r{f.pelletCount, 25, v.imax, v.umax, -v.dtMax, v.qmax, f.width, f.length, f.height};
    r.pelletLength = f.pelletLength;
    r.pelletSide = f.pelletSide;
    r.acResistance = v.acResistance;
    return r;
}

// The four deviations within what the derivation's steps allow: Imax, Umax
// and Qmax within 0.5 %, dTmax within 0.1 K.
void ExpectAllFourBack(const Ratings& r, const RatingFit& fit, const std::string& name) {
    ASSERT_EQ(fit.problem, "") << name;
    EXPECT_FALSE(fit.legsAssumed);
    const RatingDeviations d = Rederived(r, fit);
    EXPECT_LE(std::fabs(d.imax), 0.005) << name;
    EXPECT_LE(std::fabs(d.umax), 0.005) << name;
    EXPECT_LE(std::fabs(d.qmax), 0.005) << name;
    EXPECT_LE(std::fabs(d.dtMax), 0.1) << name;
    EXPECT_FALSE(std::fabs(d.acResistance) > 0.01) << name;  // NaN: not rated
    EXPECT_EQ(FitVerdict(r, fit.derived), "datasheet and model agree within 0.5 %");
}

// Ratings that the model derived from known constants and a nominal current
// (which sets the derivation's current steps) fit back, by default, to all
// four ratings and near those constants, whatever the module's size and
// nominal current: the fit finds the nominal current too.
TEST(RatingFit, ModulesRatedByTheModelFitBackToAllFourRatings) {
    for (TemRecord m : test::GeneratedModules(60, 24)) {
        const TemRecord original = m;
        ASSERT_TRUE(DeriveRatedValues(m, 25 + kCelsiusOffset));
        const Ratings r = RatingsOf(m);
        const RatingFit fit = FitRatings(r);
        ExpectAllFourBack(r, fit, std::string(m.Name()));
        EXPECT_NEAR(fit.record.file.seebeckCoefficient / original.file.seebeckCoefficient, 1,
                    0.025);
        EXPECT_NEAR(fit.record.file.electricalConductivity / original.file.electricalConductivity,
                    1, 0.01);
        EXPECT_NEAR(fit.record.file.thermalConductivity / original.file.thermalConductivity, 1,
                    0.05);
    }
    // 199 couples of 0.6 × 0.6 × 0.8 mm as the program rates them: Qmax came
    // back at 29.26 W while the nominal current was taken equal to Imax.
    Ratings r{199, 25, 2.086, 22.385, 64.05, 28.50, 20, 20, 2.4};
    r.pelletLength = 0.8e-3;
    r.pelletSide = 0.6e-3;
    ExpectAllFourBack(r, FitRatings(r), "199 couples");
}

// The 127-couple module (6.4 A, 15.4 V, 66 K, 57 W), which the model
// cannot meet at once: by default no rating parts from the datasheet by more
// than every other mode's worst, and the four part evenly, each the way the
// model leans, as the least largest deviation does.
TEST(RatingFit, DefaultMakesTheLargestDeviationAsSmallAsItCanBe) {
    const Ratings r = kClasses[0];
    const RatingFit fit = FitRatings(r);
    ASSERT_EQ(fit.problem, "");
    const RatingDeviations d = Rederived(r, fit);
    const double largest = LargestDeviation(r, d);
    for (FitMode other :
         {FitMode::KeepImaxUmaxDtmax, FitMode::KeepImaxDtmaxQmax, FitMode::BalanceAll}) {
        const RatingFit alternative = FitRatings(r, other);
        EXPECT_LT(largest, LargestDeviation(r, Rederived(r, alternative)));
    }
    EXPECT_LT(largest, 0.042);
    for (double each : {d.imax, d.umax, d.dtMax / r.dtMax, d.qmax})
        EXPECT_NEAR(std::fabs(each), largest, 0.002);
    EXPECT_EQ(FitVerdict(r, fit.derived).rfind("datasheet and model part by up to", 0), 0u);
}

TEST(RatingFit, ImplausibleRatingsAreNamed) {
    const Ratings good = kClasses[0];
    struct Case {
        Ratings ratings;
        FitMode mode;
        const char* message;
    };
    std::vector<Case> cases;
    auto with = [&](auto change, const char* message, FitMode mode = FitMode::KeepImaxUmaxDtmax) {
        Ratings r = good;
        change(r);
        cases.push_back({r, mode, message});
    };
    with([](Ratings& r) { r.couples = 0; }, "must be positive");
    with([](Ratings& r) { r.imax = -1; }, "must be positive");
    with([](Ratings& r) { r.width = NAN; }, "must be positive");
    with([](Ratings& r) { r.qmax = -5; }, "must be positive");
    with([](Ratings& r) { r.ratedThotC = 120; }, "outside -50...100");
    with([](Ratings& r) { r.couples = 254; }, "were pellets counted instead of couples?");
    with([](Ratings& r) { r.dtMax = 110; }, "is it a multistage module?");
    with([](Ratings& r) { r.pelletSide = 0.05e-3, r.pelletLength = 1e-3, r.acResistance = 1.9; },
         "too thin for the stated resistance");
    with([](Ratings& r) { r.pelletSide = 0.2e-3, r.pelletLength = 1e-3; },
         "too thin for the stated resistance");
    with([](Ratings& r) { r.qmax = 0; }, "needs the rated Qmax", FitMode::KeepImaxDtmaxQmax);
    for (const Case& c : cases) {
        const RatingFit fit = FitRatings(c.ratings, c.mode);
        EXPECT_NE(fit.problem.find(c.message), std::string::npos) << fit.problem;
    }
}

}  // namespace
}  // namespace vantiq
