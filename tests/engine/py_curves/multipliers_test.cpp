#include "py_curves/multipliers.h"

#include <cmath>

#include <gtest/gtest.h>

namespace torvex::py {
namespace {

const std::vector<PyModRecord> kNoRows;

TEST(PyMultiplier, GroupReductionBetweenTheWidthRatioLimits) {
    struct Case {
        double r, factor;
    } cases[] = {
        {1.0, 1.0},
        {1.1, 1.0},  // exactly 1.1 lies below the single-precision limit
        {1.1000001, 0.5292 * std::pow(1.1000001, 0.5659)},
        {2.0, 0.78338},
        {3.0, 0.985},
        {3.1, 1.0},  // above the single-precision 3.1
        {4.0, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.r);
        EXPECT_NEAR(PMultiplier(200, c.r, 120, kNoRows), c.factor, 1e-3);
    }
    EXPECT_NEAR(PMultiplier(200, 1.1000001, 120, kNoRows), 0.559, 1e-3);
    // Above the excavation level there is no reduction.
    EXPECT_DOUBLE_EQ(PMultiplier(100, 2.0, 120, kNoRows), 1.0);
    EXPECT_DOUBLE_EQ(YMultiplier(200, kNoRows), 1.0);
}

TEST(PyMultiplier, ModificationTableWithAStep) {
    const std::vector<PyModRecord> rows = {{0, 1.0, 1.0}, {10, 0.5, 2.0}, {10, 0.8, 3.0},
                                           {20, 0.8, 3.0}};
    struct Case {
        double depth, p, y;
    } cases[] = {
        {-1, 1.0, 1.0}, {0, 1.0, 1.0}, {5, 0.75, 1.5}, {10, 0.8, 3.0},
        {15, 0.8, 3.0}, {20, 0.8, 3.0}, {20.5, 1.0, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depth);
        // The group reduction does not apply once rows are given.
        EXPECT_DOUBLE_EQ(PMultiplier(c.depth, 2.0, 0, rows), c.p);
        EXPECT_DOUBLE_EQ(YMultiplier(c.depth, rows), c.y);
    }
}

TEST(PyMultiplier, StepAtTheLastTableDepthTakesTheFirstRow) {
    const std::vector<PyModRecord> rows = {{0, 1.0, 1.0}, {10, 0.5, 1.0}, {10, 0.8, 1.0}};
    EXPECT_DOUBLE_EQ(PMultiplier(10, 1.0, 0, rows), 0.5);
    EXPECT_DOUBLE_EQ(PMultiplier(10.01, 1.0, 0, rows), 1.0);
}

TEST(PyMultiplier, SingleRowTableAlwaysGivesOne) {
    const std::vector<PyModRecord> rows = {{5, 0.3, 0.4}};
    for (double d : {0.0, 5.0, 50.0}) {
        EXPECT_DOUBLE_EQ(PMultiplier(d, 2.0, 0, rows), 1.0);
        EXPECT_DOUBLE_EQ(YMultiplier(d, rows), 1.0);
    }
}

}  // namespace
}  // namespace torvex::py
