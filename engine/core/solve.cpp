#include "core/solve.h"

#include <cmath>

namespace torvex {

SolveCounts Solve(Problem& p, SolveWork& work) {
    const StationArray<double>& EI = p.EI;
    const StationArray<double>& P = p.P;
    const StationArray<double>& R = p.R;
    const StationArray<double>& T = p.T;
    StationArray<double>& W = p.W;
    StationArray<double>& RECA = work.RECA;
    StationArray<double>& RECB = work.RECB;
    StationArray<double>& RECC = work.RECC;
    const double INCLEN = p.INCLEN;
    const double INCLEN2 = p.INCLEN2;
    const double INCLENSQ = p.INCLENSQ;
    const double INCLENCU = p.INCLENCU;
    const int NINC = p.NINC;
    const int nGiven = static_cast<int>(p.DEFL.size());
    // Given values are consumed in station order by a running index.
    const auto given = [&](const std::vector<double>& list, int k) { return k >= 1 && k <= nGiven ? list[k - 1] : 0.0; };

    RECA.atJ(1) = RECA.atJ(2) = 0.0;
    RECB.atJ(1) = RECB.atJ(2) = 0.0;
    RECC.atJ(1) = RECC.atJ(2) = 0.0;

    int k = 1;
    double rden3 = 0.0, A3 = 0.0, B3 = 0.0, C3 = 0.0;  // saved row of the station before a given slope
    for (int J = 3; J <= NINC + 5; ++J) {
        const double a = EI.atJ(J - 1) - (INCLEN * P.atJ(J - 1) + R.atJ(J - 1)) * (INCLEN * 0.25);
        const double b = -2.0 * (EI.atJ(J - 1) + EI.atJ(J));
        const double c = (INCLEN * P.atJ(J + 1) + R.atJ(J + 1) + INCLEN * P.atJ(J - 1) + R.atJ(J - 1)) * (INCLEN * 0.25) +
                         4.0 * EI.atJ(J) + EI.atJ(J - 1) + EI.atJ(J + 1) + INCLENCU * work.S0.atJ(J);
        const double d = -2.0 * (EI.atJ(J) + EI.atJ(J + 1));
        const double e = EI.atJ(J + 1) - (INCLEN * P.atJ(J + 1) + R.atJ(J + 1)) * (INCLEN * 0.25);
        const double f = INCLENCU * work.Q0.atJ(J) - (T.atJ(J - 1) - T.atJ(J + 1)) * (INCLENSQ * 0.5);

        const double g = a * RECB.atJ(J - 2) + b;
        const double den = a * RECA.atJ(J - 2) + g * RECB.atJ(J - 1) + c;
        const double rden = den == 0.0 ? 0.0 : -1.0 / den;
        RECA.atJ(J) = e * rden;
        RECB.atJ(J) = (g * RECA.atJ(J - 1) + d) * rden;
        RECC.atJ(J) = (a * RECC.atJ(J - 2) + g * RECC.atJ(J - 1) - f) * rden;

        switch (p.KASE.atJ(J)) {
            case 2:  // given deflection
                RECA.atJ(J) = 0.0;
                RECB.atJ(J) = 0.0;
                RECC.atJ(J) = given(p.DEFL, k);
                k += 1;
                break;
            case 4:  // given deflection where the slope is given too
                RECA.atJ(J) = 0.0;
                RECB.atJ(J) = 0.0;
                RECC.atJ(J) = given(p.DEFL, k);
                break;
            case 3:  // station before a given slope: W(J) = W(J+2) - 2 INCLEN slope
                rden3 = rden;
                A3 = RECA.atJ(J);
                B3 = RECB.atJ(J);
                C3 = RECC.atJ(J);
                RECA.atJ(J) = 1.0;
                RECB.atJ(J) = 0.0;
                RECC.atJ(J) = -INCLEN2 * given(p.SLOPE, k);
                break;
            case 5: {  // station after a given slope: fold the saved row back in
                const double F = 1.0 / (1.0 - ((B3 * RECB.atJ(J - 1) + A3 - 1.0) * rden) / rden3);
                RECA.atJ(J) = F * RECA.atJ(J);
                RECB.atJ(J) = ((B3 * RECA.atJ(J - 1) * rden) / rden3 + RECB.atJ(J)) * F;
                RECC.atJ(J) =
                    (((B3 * RECC.atJ(J - 1) + (INCLEN2 * given(p.SLOPE, k) + C3)) * rden) / rden3 + RECC.atJ(J)) * F;
                k += 1;
                break;
            }
            default:
                break;
        }
    }

    SolveCounts counts;
    W.atJ(NINC + 5) = RECA.atJ(NINC + 5) * W.atJ(NINC + 7) + RECB.atJ(NINC + 5) * W.atJ(NINC + 6) + RECC.atJ(NINC + 5);
    for (int J = NINC + 4; J >= 4; --J) {
        const double old = W.atJ(J);
        W.atJ(J) = RECA.atJ(J) * W.atJ(J + 2) + RECB.atJ(J) * W.atJ(J + 1) + RECC.atJ(J);
        if (p.XDEFMAX - std::fabs(W.atJ(J)) < 0.0) counts.NEXC += 1;
        if (std::fabs(W.atJ(J) - old) - p.TOL > 0.0) counts.NNC += 1;
    }
    W.atJ(3) = RECA.atJ(3) * W.atJ(5) + RECB.atJ(3) * W.atJ(4) + RECC.atJ(3);
    return counts;
}

}  // namespace torvex
