#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "earth_pressure/surcharge.h"
#include "ep_fixture.h"

namespace torvex {
namespace {

using test::Surcharge;

constexpr double kTruePi = 3.14159265358979323846;

// Hand values with the decimal constants; pi is 3.1416 in the module.
void ExpectClose(double expected, double actual, double relative = 1.0E-6) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * relative + 1.0E-12);
}

// Hand values of the rigid-wall point and line formulas, free height 120 in:
// point load 1000 lb, line load 50 lb/in.
struct ClosedFormCase {
    int KTYPE;
    double x, z, expected;
};

TEST(SurchargeFormulas, PointAndLineLoadsMatchHandValues) {
    const ClosedFormCase cases[] = {
        // m = 0.3: 0.28·Q·n²/(H²·(0.16+n²)³)
        {1, 36, 30, 0.11032794034599787},
        {1, 36, 60, 0.0705316392842691},
        {1, 36, 120, 0.01245723254108182},
        // m = 0.8: 1.77·Q·m²·n²/(H²·(m²+n²)³)
        {1, 96, 30, 0.014181813827848366},
        {1, 96, 60, 0.027897207773202308},
        {1, 96, 120, 0.0178344287904509},
        // m = 0.2: 0.203·q·n/(H·(0.16+n²)²)
        {2, 24, 30, 0.42713462104953076},
        {2, 24, 60, 0.25158635732698786},
        {2, 24, 120, 0.06285919540229887},
    };
    for (const ClosedFormCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.KTYPE << " x " << c.x << " z " << c.z);
        const double load = c.KTYPE == 1 ? 1000.0 : 50.0;
        ExpectClose(c.expected, SurchargeRecordPressure(Surcharge(c.KTYPE, load, c.x), c.z, 120.0));
    }
}

TEST(SurchargeFormulas, FarLineLoadIsTwiceTheElasticHalfSpaceStress) {
    // Far from the wall the line-load form is the Boussinesq lateral stress
    // (2q/pi)·x²z/(x²+z²)² doubled for a rigid wall.
    const double q = 50.0, x = 96.0, H = 120.0;
    for (double z : {12.0, 30.0, 60.0, 120.0, 200.0}) {
        const double elastic = 2.0 * q / kTruePi * x * x * z / std::pow(x * x + z * z, 2);
        ExpectClose(2.0 * elastic, LineLoadPressure(q, x, z, H, SurchargeConstants::Sampling), 1.0E-5);
        // The layer integration writes 4/pi as 1.273.
        ExpectClose(2.0 * elastic, LineLoadPressure(q, x, z, H, SurchargeConstants::LayerSlices), 3.0E-4);
    }
}

TEST(SurchargeFormulas, StripIsTheIntegralOfLineLoadsAcrossItsWidth) {
    // A strip of pressure q is a row of line loads q·dx; Simpson's rule over
    // the doubled Boussinesq line-load stress gives the closed form.
    const double q = 2.0, x = 48.0, b = 36.0;
    for (double z : {6.0, 24.0, 60.0, 150.0}) {
        const int n = 2000;
        const double x0 = x - b / 2, h = b / n;
        double sum = 0.0;
        for (int i = 0; i <= n; ++i) {
            const double xi = x0 + i * h;
            const double f = 2.0 * (2.0 * q / kTruePi) * xi * xi * z / std::pow(xi * xi + z * z, 2);
            sum += f * (i == 0 || i == n ? 1 : (i % 2 == 1 ? 4 : 2));
        }
        const double integral = sum * h / 3.0;
        ExpectClose(integral, StripLoadPressure(q, x, b, z, SurchargeConstants::Sampling), 1.0E-5);
        ExpectClose(integral, StripLoadPressure(q, x, b, z, SurchargeConstants::LayerSlices), 1.0E-4);
    }
}

TEST(SurchargeFormulas, WideStripAgainstTheWallPushesWithItsFullPressure) {
    // beta -> pi/2, 2·alpha -> pi/2: sigma -> (2q/pi)·(pi/2) = q.
    ExpectClose(3.0, StripLoadPressure(3.0, 5.0E6, 1.0E7, 40.0, SurchargeConstants::Sampling), 1.0E-5);
    EXPECT_EQ(0.0, StripLoadPressure(3.0, 30.0, 0.0, 40.0, SurchargeConstants::Sampling));
}

TEST(SurchargeFormulas, NearFieldFormsHoldUpToFourTenthsOfTheFreeHeight) {
    const double H = 100.0, z = 50.0, n = 0.5;
    // m = 0.4 (x = 40): near-field forms.
    ExpectClose(0.28 * 1000 * n * n / (H * H * std::pow(0.16 + n * n, 3)),
                SurchargeRecordPressure(Surcharge(1, 1000, 40.0), z, H));
    ExpectClose(0.203 * 10 * n / (H * std::pow(0.16 + n * n, 2)), SurchargeRecordPressure(Surcharge(2, 10, 40.0), z, H));
    // m = 0.41 (x = 41): far-field forms.
    const double m = 0.41;
    ExpectClose(1.77 * 1000 * m * m * n * n / (H * H * std::pow(m * m + n * n, 3)),
                SurchargeRecordPressure(Surcharge(1, 1000, 41.0), z, H));
    ExpectClose(4 * 10 * m * m * n / (kTruePi * H * std::pow(m * m + n * n, 2)),
                SurchargeRecordPressure(Surcharge(2, 10, 41.0), z, H), 1.0E-5);
}

TEST(SurchargeFormulas, UnknownKindIsAPointLoad) {
    EXPECT_EQ(SurchargeRecordPressure(Surcharge(1, 500, 30.0), 45.0, 90.0),
              SurchargeRecordPressure(Surcharge(7, 500, 30.0, 12.0), 45.0, 90.0));
}

// Wall of 40 increments of 5 in: sampling depths every 1 in.
class SurchargeSampling : public testing::Test {
protected:
    static constexpr int NINC = 40;
    static constexpr double INCLEN = 5.0, HFREE = 100.0;
    std::vector<SurchargeRecord> point{Surcharge(1, 1000, 30.0)};

    double At(double d, const std::vector<SurchargeRecord>& records) const {
        return SURPRES(d, records, HFREE, NINC, INCLEN);
    }
    double Formula(double z) const { return SurchargeRecordPressure(point[0], z, HFREE); }
};

TEST_F(SurchargeSampling, TakesThePressureAtTheSamplingDepthJustAbove) {
    EXPECT_EQ(Formula(59.0), At(60.0, point));  // 60 itself is not strictly above
    EXPECT_EQ(Formula(60.0), At(60.5, point));
    EXPECT_EQ(At(60.2, point), At(60.9, point));
    EXPECT_NE(At(60.9, point), At(61.1, point));
    EXPECT_EQ(Formula(200.0), At(350.0, point));  // below the tip: the last sampling depth
}

TEST_F(SurchargeSampling, NothingAtOrAboveTheFirstSamplingDepth) {
    const std::vector<SurchargeRecord> all = {Surcharge(1, 1000, 30.0), Surcharge(2, 50, 80.0),
                                              Surcharge(3, 2.0, 50.0, 20.0)};
    for (double d : {-5.0, 0.0, 0.5, 1.0}) EXPECT_EQ(0.0, At(d, all)) << d;
    EXPECT_GT(At(1.01, all), 0.0);
    EXPECT_EQ(0.0, At(50.0, {}));
}

TEST_F(SurchargeSampling, RecordsAddUp) {
    const std::vector<SurchargeRecord> one = {Surcharge(2, 100, 60.0)};
    const std::vector<SurchargeRecord> two = {Surcharge(2, 100, 60.0), Surcharge(2, 100, 60.0)};
    EXPECT_EQ(2.0 * At(73.4, one), At(73.4, two));
    EXPECT_EQ(0.0, At(73.4, {Surcharge(3, 100, 60.0, 0.0)}));
}

TEST(SurchargeSampler, GivesTheSampledValuesBitForBit) {
    // Twenty mixed records on an SI wall whose sampling step is not a round
    // binary number; depths on, just beside and between the sampling depths.
    std::vector<SurchargeRecord> records;
    for (int k = 0; k < 20; ++k)
        records.push_back(Surcharge(k % 4, 10.0 + 7.0 * k, 0.15 * k + 0.05, k % 3 == 0 ? 0.0 : 0.4 * k));
    const int NINC = 37;
    const double INCLEN = 0.3, HFREE = 4.35;
    const SurchargeSampler sampler(records, HFREE, NINC, INCLEN);
    const double dz = NINC * INCLEN / 200;
    std::vector<double> depths;
    for (int i = 0; i <= 1200; ++i) depths.push_back(i * 0.01);
    for (int i = 0; i <= 201; ++i) {
        const double z = i * dz;
        depths.insert(depths.end(), {z, std::nextafter(z, 0.0), std::nextafter(z, 100.0)});
    }
    for (double d : depths) ASSERT_EQ(SURPRES(d, records, HFREE, NINC, INCLEN), sampler.SURPRES(d)) << d;
    EXPECT_EQ(0.0, SurchargeSampler().SURPRES(5.0));
}

}  // namespace
}  // namespace torvex
