#include "py_curves/soil_profile.h"

#include <gtest/gtest.h>

#include "core/analysis_stop.h"

namespace torvex::py {
namespace {

// A layer with the same six values at its top and bottom unless given.
SoilLayerRecord Layer(int KSOIL, double ZBOT, double gamma, double c = 0, double phi = 0,
                      double e50 = 0, double kpy = 0, double six = 0) {
    SoilLayerRecord layer;
    layer.KSOIL = KSOIL;
    layer.ZBOT = ZBOT;
    const double row[6] = {gamma, c, phi, e50, kpy, six};
    for (int i = 0; i < 6; ++i) layer.top[i] = layer.bottom[i] = row[i];
    return layer;
}

// English units, 12-in increments; wall 40 increments long unless changed.
struct ProfileCase {
    std::vector<SoilLayerRecord> layers;
    double HFREE = 120, DWB = 10000;
    int UNITS = 1, NINC = 40;
    double INCLEN = 12;

    SoilProfile build() const {
        ProfileInput in;
        in.UNITS = UNITS;
        in.NINC = NINC;
        in.INCLEN = INCLEN;
        in.HFREE = HFREE;
        in.DWB = DWB;
        in.layers = &layers;
        return BuildSoilProfile(in);
    }
};

TEST(PyProfile, LayerEndingAtExcavationLevelIsSkipped) {
    ProfileCase p;
    p.layers = {Layer(4, 120, 0.07), Layer(1, 360, 0.06, 5)};
    const SoilProfile profile = p.build();
    ASSERT_EQ(profile.sublayers.size(), 1u);
    EXPECT_EQ(profile.sublayers[0].KSOIL, 1);
    EXPECT_EQ(profile.sublayers[0].inputLayer, 2);
    EXPECT_DOUBLE_EQ(profile.sublayers[0].TOP, 0.0);
    EXPECT_DOUBLE_EQ(profile.sublayers[0].BOT, 240.0);
}

TEST(PyProfile, FirstLayerBelowExcavationContributesOnlyItsPartBelow) {
    ProfileCase p;
    p.layers = {Layer(4, 200, 0.07), Layer(1, 300, 0.06, 5)};
    const SoilProfile profile = p.build();
    ASSERT_EQ(profile.sublayers.size(), 2u);
    EXPECT_DOUBLE_EQ(profile.sublayers[0].BOT, 80.0);
    EXPECT_DOUBLE_EQ(profile.sublayers[1].TOP, 80.0);
    EXPECT_DOUBLE_EQ(profile.sublayers[1].BOT, 180.0);
}

struct UnitWeightCase {
    const char* name;
    double DWB;
    std::vector<UnitWeightPoint> expected;  // X below the excavation, G
    int pointsOfLayers;
};

// Two layers below an excavation at 120 in: 0.07 lb/in^3 to 300 in and
// 0.06 lb/in^3 to 480 in; water weighs 0.036 lb/in^3.
TEST(PyProfile, UnitWeightLineFollowsEveryWaterTableRule) {
    const UnitWeightCase cases[] = {
        {"dry", 10000, {{0, 0.07}, {180, 0.07}, {180, 0.06}, {360, 0.06}}, 4},
        {"inside the first layer: split, full weight above, the second layer's line submerged up to it",
         240,
         {{0, 0.07}, {120, 0.07}, {120, 0.06 - 0.036}, {360, 0.06 - 0.036}},
         4},
        {"inside the last layer: the line closes submerged to the bottom",
         400,
         {{0, 0.07}, {180, 0.07}, {180, 0.06}, {280, 0.06}, {280, 0.06 - 0.036}, {360, 0.06 - 0.036}},
         4},
        {"exactly at the excavation level submerges the first top point",
         120,
         {{0, 0.07 - 0.036}, {180, 0.07 - 0.036}, {180, 0.06 - 0.036}, {360, 0.06 - 0.036}},
         4},
        {"exactly at the layer boundary submerges the lower layer from its top",
         300,
         {{0, 0.07}, {180, 0.07}, {180, 0.06 - 0.036}, {360, 0.06 - 0.036}},
         4},
    };
    for (const UnitWeightCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileCase p;
        p.DWB = c.DWB;
        p.layers = {Layer(4, 300, 0.07, 0, 30), Layer(1, 480, 0.06, 5)};
        const SoilProfile profile = p.build();
        EXPECT_EQ(profile.unitWeightPointsOfLayers, c.pointsOfLayers);
        ASSERT_EQ(profile.unitWeight.size(), c.expected.size());
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_DOUBLE_EQ(profile.unitWeight[i].X, c.expected[i].X) << "point " << i;
            EXPECT_NEAR(profile.unitWeight[i].G, c.expected[i].G, 1e-15) << "point " << i;
        }
    }
}

TEST(PyProfile, StrengthLineHoldsBothRowsAndPhiInRadians) {
    ProfileCase p;
    SoilLayerRecord sand = Layer(4, 300, 0.07, 0, 30, 0, 90, 0.4);
    sand.bottom[2] = 36;
    p.layers = {sand};
    const SoilProfile profile = p.build();
    ASSERT_EQ(profile.strength.size(), 2u);
    EXPECT_DOUBLE_EQ(profile.strength[0].PHI, 30 * 3.1416f / 180);
    EXPECT_DOUBLE_EQ(profile.strength[1].PHI, 36 * 3.1416f / 180);
    EXPECT_DOUBLE_EQ(profile.strength[0].KAUSR, 0.4);
    EXPECT_DOUBLE_EQ(profile.sublayers[0].KPY, 90);
}

TEST(PyProfile, ProfileIsCutTwoIncrementsBelowTheTip) {
    // Wall 480 in, excavation 120 in: the cut lies 384 in below the excavation.
    ProfileCase p;
    SoilLayerRecord clay = Layer(1, 600, 0.06, 10, 0, 0.01);
    clay.bottom[1] = 20;
    clay.bottom[3] = 0.02;
    p.layers = {Layer(4, 300, 0.07, 0, 30), clay, Layer(1, 900, 0.06, 30, 0, 0.005)};
    const SoilProfile profile = p.build();
    ASSERT_EQ(profile.sublayers.size(), 2u);
    EXPECT_DOUBLE_EQ(profile.sublayers[1].BOT, 384.0);
    ASSERT_EQ(profile.strength.size(), 4u);
    EXPECT_DOUBLE_EQ(profile.strength[3].X, 384.0);
    // Interpolated at (384 - 180) / (480 - 180) of the way from top to bottom.
    EXPECT_NEAR(profile.strength[3].C, 10 + 0.68 * 10, 1e-12);
    EXPECT_NEAR(profile.strength[3].E50, 0.01 + 0.68 * 0.01, 1e-15);
    // The unit-weight line keeps the layer below the cut.
    EXPECT_EQ(profile.unitWeight.size(), 6u);
    EXPECT_EQ(profile.curveDepth.size(), 10u);
    EXPECT_DOUBLE_EQ(profile.curveDepth.back(), 384.0 - 0.1);
}

TEST(PyProfile, LayerStartingExactlyAtTheCutIsDropped) {
    // Layer boundary at 504 in below the top of the wall = the cut depth.
    ProfileCase p;
    p.layers = {Layer(4, 504, 0.07, 0, 30), Layer(1, 700, 0.06, 10, 0, 0.01)};
    const SoilProfile profile = p.build();
    ASSERT_EQ(profile.sublayers.size(), 1u);
    EXPECT_DOUBLE_EQ(profile.sublayers[0].BOT, 384.0);
    EXPECT_EQ(profile.strength.size(), 2u);
    EXPECT_EQ(profile.curveDepth.size(), 5u);
}

TEST(PyProfile, WallEndingAboveTheExcavationGetsNoSublayers) {
    ProfileCase p;
    p.NINC = 5;  // 60-in wall, excavation at 120 in
    p.layers = {Layer(1, 400, 0.06, 10, 0, 0.01)};
    const SoilProfile profile = p.build();
    EXPECT_TRUE(profile.sublayers.empty());
    EXPECT_TRUE(profile.curveDepth.empty());
}

TEST(PyProfile, CurveDepthsSitInsideTheSublayerByUnits) {
    struct Case {
        int UNITS;
        double inset;
    } cases[] = {{1, 0.1}, {2, 0.01}, {3, 0.1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.UNITS);
        ProfileCase p;
        p.UNITS = c.UNITS;
        p.HFREE = 2;
        p.INCLEN = 0.5;
        p.NINC = 20;
        p.layers = {Layer(1, 6, 18, 20, 0, 0.01)};
        const SoilProfile profile = p.build();
        ASSERT_EQ(profile.curveDepth.size(), 5u);
        const double expected[5] = {c.inset, 1.0, 2.0, 3.0, 4.0 - c.inset};
        for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(profile.curveDepth[i], expected[i]);
        EXPECT_EQ(profile.sublayers[0].firstCurve, 0);
        EXPECT_EQ(profile.sublayers[0].lastCurve, 4);
    }
}

TEST(PyProfile, LayerWithoutThicknessBelowTheExcavationStops) {
    ProfileCase p;
    p.layers = {Layer(4, 300, 0.07, 0, 30), Layer(1, 300, 0.06, 10, 0, 0.01),
                Layer(1, 400, 0.06, 10, 0, 0.01)};
    try {
        p.build();
        FAIL() << "expected the analysis to stop";
    } catch (const AnalysisStop& stop) {
        EXPECT_NE(stop.reportLines().back().find("SOIL LAYER  2"), std::string::npos)
            << stop.reportLines().back();
    }
}

// A sublayer thinner than two curve insets (0.2 in here) cannot hold its
// first and last curves: they would fall into the layers around it and be
// computed with their soil.  Such a layer ends the analysis; one just thick
// enough keeps all five curves inside it.
TEST(PyProfile, LayerTooThinForItsCurvesStops) {
    struct Case {
        const char* name;
        std::vector<SoilLayerRecord> layers;
        const char* stop;  // expected start of the message, null: no stop
    } cases[] = {
        {"thin layer between two others",
         {Layer(4, 300, 0.07, 0, 30), Layer(1, 300.05, 0.06, 10, 0, 0.01),
          Layer(1, 400, 0.06, 10, 0, 0.01)},
         "     ERROR -- SOIL LAYER  2: ONLY      0.050 THICK"},
        {"thin first layer below the excavation",
         {Layer(4, 120.1, 0.07, 0, 30), Layer(1, 400, 0.06, 10, 0, 0.01)},
         "     ERROR -- SOIL LAYER  1: ONLY      0.100 THICK"},
        {"layer 0.3 in thick", 
         {Layer(4, 300, 0.07, 0, 30), Layer(1, 300.3, 0.06, 10, 0, 0.01),
          Layer(1, 400, 0.06, 10, 0, 0.01)},
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileCase p;
        p.layers = c.layers;
        if (c.stop == nullptr) {
            const SoilProfile profile = p.build();
            ASSERT_EQ(profile.sublayers.size(), 3u);
            const PySublayer& thin = profile.sublayers[1];
            EXPECT_EQ(thin.firstCurve, 5);
            EXPECT_EQ(thin.lastCurve, 9);
            for (int j = thin.firstCurve; j <= thin.lastCurve; ++j) {
                EXPECT_GT(profile.curveDepth[j], thin.TOP);
                EXPECT_LT(profile.curveDepth[j], thin.BOT);
            }
            continue;
        }
        try {
            p.build();
            ADD_FAILURE() << "expected the analysis to stop";
        } catch (const AnalysisStop& stop) {
            EXPECT_EQ(stop.reportLines().back().rfind(c.stop, 0), 0u) << stop.reportLines().back();
        }
    }
}

TEST(PyProfile, CurvesGoToTheSublayerThatHoldsThem) {
    SoilProfile profile;
    for (double bot : {10.0, 12.0, 30.0}) {
        PySublayer s;
        s.BOT = bot;
        profile.sublayers.push_back(s);
    }
    profile.curveDepth = {1, 5, 9, 20, 25};
    AssignCurvesToSublayers(profile);
    EXPECT_EQ(profile.sublayers[0].firstCurve, 0);
    EXPECT_EQ(profile.sublayers[0].lastCurve, 2);
    EXPECT_FALSE(profile.sublayers[1].hasCurves());
    EXPECT_EQ(profile.sublayers[2].firstCurve, 3);
    EXPECT_EQ(profile.sublayers[2].lastCurve, 4);
}

}  // namespace
}  // namespace torvex::py
