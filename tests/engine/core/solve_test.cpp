// The finite-difference solution against the mechanics it must reproduce.
// Tolerances: the five-point scheme is second-order accurate, so with N
// increments the deflections carry a relative error of order 1/N^2; the
// cases below use N = 40 to 100 and allow 1 % (10 to 60 times the estimate
// for the worst case) unless stated.
#include <gtest/gtest.h>

#include <cmath>

#include "core/iterate.h"
#include "core/solve.h"
#include "engine/core/engine_fixture.h"

namespace torvex::test {
namespace {

std::string Num(double v) {
    char b[64];
    std::snprintf(b, sizeof b, "%.17g", v);
    return b;
}

// Cantilever of length L = N h fixed at the tip (deflection and slope 0),
// loaded by Q at the top: w(0) = Q L^3 / (3 EI), M(x) = Q x.
TEST(BeamSolution, CantileverMatchesElementaryTheory) {
    const int N = 40;
    const double h = 6.0, EI = 2.0e9, Q = 1000.0, L = N * h;
    DataFile d;
    d.NINC = N;
    d.INCLEN = h;
    d.XDEFMAX = 1e6;
    d.restraints = {"3\t" + std::to_string(N) + "\t0\t0"};
    d.stiffness = {"0\t" + std::to_string(N) + "\t1\t" + Num(EI)};
    d.loads = {"1\t0\t0\t" + Num(Q) + "\t0\t0"};
    const auto run = SolveProblemText(d.text());
    const double exact = Q * L * L * L / (3.0 * EI);
    EXPECT_NEAR(run->problem.W[0], exact, 0.01 * exact);
    EXPECT_NEAR(run->problem.W[N], 0.0, 1e-9 * exact);
    // Moments grow as Q x (stations 1 … N-1 have the full rigidity).
    const PlotResults& r = run->results;
    for (int s : {5, 20, 39}) EXPECT_NEAR(r.PM[s], Q * s * h, 0.01 * Q * L) << s;
    // Shear is the applied load all along.
    for (int s : {2, 20, 38}) EXPECT_NEAR(r.PV[s], Q, 0.01 * Q) << s;
    // The fixed station prints its moment with the halved rigidity that the
    // range rule gives an end station: half of Q L, at the right curvature.
    EXPECT_NEAR(r.PM[N], 0.5 * Q * L, 0.02 * Q * L);
}

// Simply supported span with a central load: w = P L^3 / (48 EI).
TEST(BeamSolution, SimplySupportedCentralLoad) {
    const int N = 40;
    const double h = 3.0, EI = 5.0e7, P = 200.0, L = N * h;
    DataFile d;
    d.NINC = N;
    d.INCLEN = h;
    d.XDEFMAX = 1e6;
    d.restraints = {"1\t0\t0\t0", "1\t" + std::to_string(N) + "\t0\t0"};
    d.stiffness = {"0\t" + std::to_string(N) + "\t1\t" + Num(EI)};
    d.loads = {"1\t20\t20\t" + Num(P) + "\t0\t0"};
    const auto run = SolveProblemText(d.text());
    const double exact = P * L * L * L / (48.0 * EI);
    EXPECT_NEAR(run->problem.W[20], exact, 0.01 * exact);
    // Sagging under a positive load gives negative curvature: M = -P L / 4.
    EXPECT_NEAR(run->results.PM[20], -P * L / 4.0, 0.02 * P * L / 4.0);
}

// Beam-column: the same span under axial compression Pa; the central
// deflection is amplified to (P L^3 / 48 EI) * 3 (tan u - u) / u^3, u = (L/2) sqrt(Pa/EI).
TEST(BeamSolution, AxialCompressionAmplifiesTheDeflection) {
    const int N = 100;
    const double h = 1.2, EI = 5.0e7, P = 200.0, L = N * h;
    const double Pcr = M_PI * M_PI * EI / (L * L);
    const double Pa = 0.5 * Pcr;
    DataFile d;
    d.NINC = N;
    d.INCLEN = h;
    d.XDEFMAX = 1e6;
    d.restraints = {"1\t0\t0\t0", "1\t" + std::to_string(N) + "\t0\t0"};
    d.stiffness = {"0\t" + std::to_string(N) + "\t1\t" + Num(EI)};
    d.loads = {"1\t50\t50\t" + Num(P) + "\t0\t0", "1\t0\t" + std::to_string(N) + "\t0\t0\t" + Num(Pa)};
    const auto run = SolveProblemText(d.text());
    const double u = 0.5 * L * std::sqrt(Pa / EI);
    const double exact = P * L * L * L / (48.0 * EI) * 3.0 * (std::tan(u) - u) / (u * u * u);
    EXPECT_GT(exact, 1.9 * P * L * L * L / (48.0 * EI));  // the amplification is real
    EXPECT_NEAR(run->problem.W[50], exact, 0.01 * exact);
}

// A long beam on linear springs (user p-y curves along the wall), free
// head, lateral load H at the top: w0 = 2 H beta / k, slope -2 H beta^2 / k,
// beta = (k / 4 EI)^(1/4).
TEST(BeamSolution, LongBeamOnSpringsMatchesTheClosedForm) {
    const int N = 100;
    const double h = 6.0, EI = 1.0e9, k = 100.0, H = 500.0;
    const double beta = std::pow(k / (4.0 * EI), 0.25);
    ASSERT_GT(beta * N * h, 6.0);  // long enough to count as infinite
    DataFile d;
    d.NINC = N;
    d.INCLEN = h;
    d.XDEFMAX = 1e6;
    d.stiffness = {"0\t" + std::to_string(N) + "\t1\t" + Num(EI)};
    d.loads = {"1\t0\t0\t" + Num(H) + "\t0\t0"};
    d.KPYOP = 1;
    // Interpolated curves every second station give the same spring at the
    // stations between them.
    d.NPYSET = N / 2 + 1;
    for (int s = 0; s <= N; s += 2) {
        d.curves.push_back(std::to_string(s) + "\t2\t1\t1");
        d.curves.push_back("-100\t" + Num(100 * k));
        d.curves.push_back("100\t" + Num(-100 * k));
    }
    const auto run = SolveProblemText(d.text());
    const double w0 = 2.0 * H * beta / k;
    const double slope0 = -2.0 * H * beta * beta / k;
    EXPECT_NEAR(run->problem.W[0], w0, 0.01 * w0);
    EXPECT_NEAR(run->results.PW[0] - run->results.PW[1], -slope0 * h, 0.03 * std::fabs(slope0 * h));
}

// A couple T applied at station c of a cantilever fixed at its tip: no
// moment above c, M = T below it, no shear and no net reaction anywhere
// along the free length.  The difference moments jump over stations c-1 to
// c+1; the couple terms of the shear and the net reaction must cancel that
// jump exactly (to rounding), whatever the sign of T.
TEST(BeamSolution, AppliedCoupleGivesAMomentStepWithoutShear) {
    const int N = 40, c = 10;
    const double h = 6.0, EI = 2.0e9;
    for (const double T : {12000.0, -5000.0}) {
        DataFile d;
        d.NINC = N;
        d.INCLEN = h;
        d.XDEFMAX = 1e6;
        d.restraints = {"3\t" + std::to_string(N) + "\t0\t0"};
        d.stiffness = {"0\t" + std::to_string(N) + "\t1\t" + Num(EI)};
        d.loads = {"1\t" + std::to_string(c) + "\t" + std::to_string(c) + "\t0\t" + Num(T) + "\t0"};
        const auto run = SolveProblemText(d.text());
        const PlotResults& r = run->results;
        const double tol = 1e-6 * std::fabs(T);
        // Stations N-1 and N see the halved rigidity of the fixed end station.
        for (int s = 0; s <= N - 2; ++s) {
            EXPECT_NEAR(r.PV[s] * h, 0.0, tol) << "shear, T " << T << ", station " << s;
            EXPECT_NEAR(r.PR[s] * h, 0.0, tol) << "net reaction, T " << T << ", station " << s;
        }
        EXPECT_NEAR(r.PM[c - 1], 0.0, tol);
        EXPECT_NEAR(r.PM[c], 0.5 * T, tol);
        for (int s = c + 1; s <= N - 1; ++s) EXPECT_NEAR(r.PM[s], T, tol) << "moment, station " << s;
    }
}

TEST(BeamSolution, ZeroRigidityGivesZeroDeflection) {
    DataFile d;
    d.NINC = 10;
    d.stiffness = {"0\t10\t1\t0"};
    d.loads = {"1\t0\t10\t100\t0\t0"};
    const auto run = SolveProblemText(d.text());
    for (double w : Deflections(*run)) EXPECT_EQ(w, 0.0);
}

// The running index moves once per record: a deflection-only record
// followed by a slope-only record uses DEFL(1) and SLOPE(2).
TEST(BeamSolution, GivenValuesAreTakenInRecordOrder) {
    DataFile d;
    d.NINC = 20;
    d.INCLEN = 10;
    d.XDEFMAX = 1e6;
    d.restraints = {"1\t0\t0.5\t99", "2\t20\t99\t0.01"};
    d.stiffness = {"0\t20\t1\t1e8"};
    const auto run = SolveProblemText(d.text());
    EXPECT_NEAR(run->problem.W[0], 0.5, 1e-9);
    // Free of load, the wall turns rigidly: slope 0.01 everywhere.
    EXPECT_NEAR((run->problem.W[21] - run->problem.W[19]) / 20.0, 0.01, 1e-9);
    EXPECT_NEAR(run->problem.W[20] - run->problem.W[0], 0.01 * 200, 1e-6);
}

TEST(BeamSolution, PointsBeyondTheFictitiousStationsStayZero) {
    DataFile d;
    d.NINC = 10;
    d.restraints = {"3\t10\t0\t0"};
    d.stiffness = {"0\t10\t1\t1000000"};
    d.loads = {"1\t0\t0\t100\t0\t0"};
    auto run = ReadProblemText(d.text());
    SolveWork work;
    for (int J = 3; J <= 15; ++J) work.Q0.atJ(J) = run->problem.Q.atJ(J);
    for (int i = 0; i < 3; ++i) {
        Solve(run->problem, work);
        EXPECT_EQ(run->problem.W.atJ(16), 0.0);
        EXPECT_EQ(run->problem.W.atJ(17), 0.0);
    }
}

}  // namespace
}  // namespace torvex::test
