#include "py_curves/curve_frame.h"

#include <gtest/gtest.h>

#include "io/edit_format.h"

namespace torvex::py {
namespace {

// The point lines are formatted field by field for speed; they must read
// exactly as their edit lists.
TEST(PyFrame, PointLinesReadAsTheirEditLists) {
    const double values[] = {0.0, 1.0E-15, 0.0333333, -35.335, 714.75, 22087.296, -1.5e6, 3.1e9};
    for (double y : values) {
        for (double p : values) {
            SCOPED_TRACE(std::to_string(y) + " " + std::to_string(p));
            EXPECT_EQ(PointLine(y, p, {'F', 20, 3}), io::Edit("(21X, F20.3, F20.3)", {y, p}));
            EXPECT_EQ(PointLine(y, p, {'F', 20, 5}), io::Edit("(1X, 20X, F20.5, F20.5)", {y, p}));
            EXPECT_EQ(PointLine(y, p, {'E', 20, 3}), io::Edit("(21X, E20.3, E20.3)", {y, p}));
            EXPECT_EQ(PointLine(y, p, {'D', 20, 3}), io::Edit("(1X, 20X, D20.3, D20.3)", {y, p}));
            EXPECT_EQ(SoilDataLine(17, p, y, kSoilDataPoint1X),
                      io::Edit("(I5, 1X, E10.3, 1X, E10.3)", {17, p, y}));
            EXPECT_EQ(SoilDataLine(3, p, y, kSoilDataPoint2X),
                      io::Edit("(I5, 2X, E10.3, 2X, E10.3)", {3, p, y}));
            EXPECT_EQ(SoilDataLine(9, p, y, SoilDataLayout{1, 0}),
                      io::Edit("(I5, 1X, E10.3, E10.3)", {9, p, y}));
        }
    }
}

TEST(PyFrame, CurveRecordsWriteEachSidesOwnDeflections) {
    CurvePoints front, back;
    for (int k = 0; k < kCurvePoints; ++k) {
        front.y[k] = 0.01 * k;
        back.y[k] = k % 2 == 0 ? front.y[k] : 0.02 * k;  // shared and own deflections
        front.p[k] = -3.0 + k;
        back.p[k] = 3.0 + 2 * k;
    }
    const CurvePointLines lines = FormatPointLines(front, back, {'F', 20, 3});
    io::TextOut soildata;
    soildata.openMemory();
    WriteSoilDataRecord(soildata, 120.1, front, back, kSoilDataPoint1X);
    std::string expected = " 120.1 34\n";
    for (int k = 0; k < kCurvePoints; ++k) {
        EXPECT_EQ(lines.front[k], PointLine(front.y[k], front.p[k], {'F', 20, 3}));
        EXPECT_EQ(lines.back[k], PointLine(back.y[k], back.p[k], {'F', 20, 3}));
        expected += SoilDataLine(k + 1, front.p[k], front.y[k], kSoilDataPoint1X) + "\n";
    }
    for (int k = 0; k < kCurvePoints; ++k) {
        expected += SoilDataLine(k + 1, back.p[k], back.y[k], kSoilDataPoint1X) + "\n";
    }
    EXPECT_EQ(soildata.text(), expected);
}

TEST(PyFrame, OffsetAndMultipliersOnEachSide) {
    CurvePoints model;
    for (int k = 0; k < kCurvePoints; ++k) {
        model.y[k] = 0.1 * k;
        model.p[k] = 10.0 * k;
    }
    const CurvePoints front = FinalPoints(model, 0.8, 2.0, 5.0, kExcavationSide);
    const CurvePoints back = FinalPoints(model, 0.8, 2.0, 5.0, kBackfillSide);
    for (int k = 0; k < kCurvePoints; ++k) {
        EXPECT_DOUBLE_EQ(front.p[k], 0.8 * 10.0 * k - 5.0);
        EXPECT_DOUBLE_EQ(back.p[k], 0.8 * 10.0 * k + 5.0);
        EXPECT_DOUBLE_EQ(front.y[k], 2.0 * 0.1 * k);
        EXPECT_DOUBLE_EQ(back.y[k], front.y[k]);
    }
}

TEST(PyFrame, DepthsOnEachSide) {
    const SideDepths front = DepthsOnSide(kExcavationSide, 30, 120);
    const SideDepths back = DepthsOnSide(kBackfillSide, 30, 120);
    EXPECT_EQ(front.D, 30);
    EXPECT_EQ(front.X0, 30);
    EXPECT_EQ(back.D, 150);
    EXPECT_EQ(back.X0, 150);
    EXPECT_EQ(front.Dm, 150);
    EXPECT_EQ(back.Dm, 150);
    PySublayer lower;
    lower.TOP = 20;
    EXPECT_EQ(ResistanceDepth(front, 0, lower, 7), 30);    // first sublayer: X0
    EXPECT_EQ(ResistanceDepth(front, 1, lower, 7), 17);    // 30 - 20 + 7
    EXPECT_EQ(ResistanceDepth(back, 1, lower, 7), 137);
}

}  // namespace
}  // namespace torvex::py
