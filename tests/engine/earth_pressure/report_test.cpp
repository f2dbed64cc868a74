#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "earth_pressure/earth_pressure_report.h"
#include "ep_fixture.h"
#include "support/test_support.h"

namespace torvex {
namespace {

using test::EpProblem;
using test::Layer;
using test::Surcharge;

// Sand over clay, water at 60 in, excavation at 150 in, one strip surcharge.
// Reviewed line by line against the section layouts.
constexpr const char* kSandOverClayReport = R"(

      **************************************************
      *                WALL INFORMATION                *
      **************************************************
      FREE HEIGHT OF WALL                    =  0.150E+03 IN
      WIDTH FOR EARTH PRESSURE, WA           =  0.120E+02 IN
      WIDTH FOR SOIL RESISTANCE, WP          =  0.120E+02 IN
      DEPTH TO THE WATER TABLE AT BACKFILL   =  0.600E+02 IN
      DEPTH TO THE WATER TABLE AT EXCAVATION =  0.200E+03 IN
      UNIT WEIGHT OF WATER                   =  0.360E-01 LBS/IN**3
      SLOPE OF THE BACKFILL (deg.)           =  0.000E+00
      MODIFICATION FOR ACTIVE EARTH PRESSURE =  0.100E+01


      **************************************************
      *             SURCHARGE INFORMATION              *
      **************************************************
      UNIFORM SURFACE PRESSURE     = 0.000E+00 LBS/IN**2
      SURCHARGE LOADING NO.        =          1
      STRIP LOAD                   =  0.150E+01 LBS/IN**2
      WIDTH OF THE STRIP LOAD      =  0.400E+02 IN
      HORIZONTAL DISTANCE BETWEEN  =  0.600E+02 IN
      WALL AND MIDDLE OF STRIP WIDTH


      **************************************************
      *                SOIL INFORMATION                *
      **************************************************
              TOTAL                 TOTAL UNIT              
      LAYER THICKNESS COHESION  PHI   WEIGHT   DRAINED  ZTOP
               IN       PSI     DEG    PCI     T OR F    IN 
         1     60.0        0.0  30.0    0.070     T      0.00
         2     60.0        0.0  30.0    0.070     T     60.00
         3     30.0        3.0   0.0    0.065     F    120.00
         4    210.0        3.0   0.0    0.065     F    150.00


      **************************************************
      *          EFFECTIVE OVERBURDEN STRESS           *
      **************************************************

          DEPTH                     STRESS       
                 IN                       LBS/IN**2

             0.000E+00                  0.000E+00
             0.600E+02                  0.420E+01
             0.120E+03                  0.624E+01
             0.150E+03                  0.711E+01


      **************************************************
      * ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT  *
      **************************************************

  LAYER         ACTIVE EARTH     PASSIVE EARTH   
   NO.          COEFFICIENT      COEFFICIENT     
           1          0.333E+00         0.300E+01
           2          0.333E+00         0.300E+01
           3          0.100E+01         0.100E+01
           4          0.100E+01         0.100E+01


      **************************************************
      *      ACTIVE EARTH PRESSURE OF EACH LAYER       *
      **************************************************

 LAYER    PA1     Z1       PA2     Z2         PA3     Z3        PA4
        NO  LBS/IN**2   IN   LBS/IN**2   IN     LBS/IN**2   IN     LBS/IN**2

       1      20.27  30.00      42.00  40.00      -0.00   0.00       0.00
       2      94.46  90.00      20.40 100.00      -0.00   0.00       0.00
       3     189.48 135.00      29.25 140.00    -180.00   0.00       0.00


      **************************************************
      *      ACTIVE WATER PRESSURE OF EACH LAYER       *
      **************************************************

 LAYER    PW1     Z1       PW2     Z2                
  NO             

       2       0.00  90.00      64.80 100.00
)";

class EarthPressureReport : public testing::Test {
protected:
    test::TempDir dir;
    test::ScopedCurrentDir cd{dir.path()};
    io::TextOut report, notes;
    EarthPressurePersistent persistent;

    void SetUp() override {
        report.openMemory();
        notes.openMemory();
    }
};

TEST_F(EarthPressureReport, SectionsOfSandOverClay) {
    EpProblem p;
    p.soil.HFREE = 150;
    p.soil.WA = 12;
    p.soil.WP = 12;
    p.soil.DWB = 60;
    p.soil.DWE = 200;
    p.soil.surcharges = {Surcharge(3, 1.5, 60, 40)};
    p.soil.layers = {Layer(4, 120, 0.07, 0, 30), Layer(1, 360, 0.065, 3, 0)};
    EarthPressure(p.context(), persistent, report, notes);
    EXPECT_EQ(kSandOverClayReport, report.text());
    EXPECT_EQ("", notes.text());
    EXPECT_EQ("", p.console.str());
}

TEST_F(EarthPressureReport, SlopeWarningGoesToRunNotesAndReportBeforeTheLayerRow) {
    EpProblem p;
    p.soil.HFREE = 120;
    p.soil.BETA = 35;
    p.soil.layers = {Layer(4, 360, 0.07, 0, 30)};
    EarthPressure(p.context(), persistent, report, notes);
    const std::string warning =
        "\n\n**** WARNING ******\n"
        "THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.\n";
    EXPECT_EQ(warning, notes.text());  // layer 1 only: layer 2 starts at the excavation level
    EXPECT_NE(std::string::npos,
              report.text().find("COEFFICIENT     \n" + warning +
                                 "           1          0.333E+00         0.300E+01\n"
                                 "           2          0.333E+00         0.300E+01\n"));
}

TEST_F(EarthPressureReport, NegativeNetForceIsReportedAndTheModuleGoesOn) {
    EpProblem p;
    p.soil.HFREE = 120;
    p.soil.layers = {Layer(1, 120, 0.07, 5, 0), Layer(4, 360, 0.07, 0, 30)};
    EarthPressure(p.context(), persistent, report, notes);
    const std::string message = "\n\n     Net active pressure is negative.\n\n";
    EXPECT_EQ(message, p.console.str());
    const std::string& text = report.text();
    EXPECT_EQ(message, text.substr(text.size() - message.size()));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / kEarthPressureFile));
}

TEST(EarthPressureReportUnits, SoilColumnHeadersFollowTheUnits) {
    struct Case {
        int UNITS;
        const char* unitLine;  // empty: neither header nor unit line
    };
    const Case cases[] = {
        {1, "               IN       PSI     DEG    PCI     T OR F    IN "},
        {2, "               M        kPa     DEG   kN/M^3   T OR F    M  "},
        {3, ""},
    };
    for (const Case& c : cases) {
        EpProblem p;
        p.UNITS = c.UNITS;
        p.soil.HFREE = 2;
        p.soil.layers = {Layer(4, 6, 18, 0, 30)};
        UnitLabels labels;
        SetUnitLabels(labels, c.UNITS == 1 ? 1 : c.UNITS == 2 ? -1 : 0);
        const EarthPressureInputs in = p.inputs();
        io::TextOut out;
        out.openMemory();
        WriteWallSurchargeSoil(out, in, p.layers(), labels);
        const std::string& text = out.text();
        const std::string rows = "         1      2.0        0.0  30.0   18.000     T      0.00\n"
                                 "         2      4.0        0.0  30.0   18.000     T      2.00\n";
        SCOPED_TRACE(c.UNITS);
        if (*c.unitLine != '\0') {
            EXPECT_NE(std::string::npos,
                      text.find("      LAYER THICKNESS COHESION  PHI   WEIGHT   DRAINED  ZTOP\n" +
                                std::string(c.unitLine) + "\n" + rows));
        } else {
            EXPECT_EQ(std::string::npos, text.find("LAYER THICKNESS"));
            EXPECT_NE(std::string::npos, text.find("      **************************************************\n" + rows));
        }
    }
}

}  // namespace
}  // namespace torvex
