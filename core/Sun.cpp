#include "core/Sun.h"

#include <cmath>

#include "core/Angles.h"

namespace vagaris {

SunPlace SunPosition(Instant t) {
    const double T = JulianCenturies1900(t);
    const double T2 = T * T, T3 = T2 * T;
    // Mean longitude [deg]; at least one turn is always taken off (the normalisation at the
    // end absorbs a negative result).
    double L0 = 279.69668 + 36000.76892 * T + 0.0003025 * T2;
    do {
        L0 -= 360.0;
    } while (L0 >= 360.0);
    const double M = 358.47583 + 35999.04975 * T - 0.000150 * T2 - 0.0000033 * T3;  // [deg]
    const double e = 0.01675104 - 0.0000418 * T - 0.000000126 * T2;
    const double Ce = (1.919460 - 0.004789 * T - 0.000014 * T2) * SinDeg(M) +
                      (0.020094 - 0.000100 * T) * SinDeg(2 * M) + 0.000293 * SinDeg(3 * M);
    double R = 1.0000002 * (1 - e * e) / (1 + e * CosDeg(M + Ce));

    // Perturbations by Venus (A, B), Jupiter (K), the Moon (D) and a long-period term (E, H).
    const double A = 153.23 + 22518.7541 * T;
    const double B = 216.57 + 45037.5082 * T;
    const double K = 312.69 + 32964.3577 * T;
    const double D = 350.74 + 445267.1142 * T - 0.00144 * T2;
    const double E = 231.19 + 20.20 * T;
    const double H = 353.40 + 65928.7155 * T;
    const double dLambda = 0.00134 * CosDeg(A) + 0.00154 * CosDeg(B) + 0.00200 * CosDeg(K) +
                           0.00179 * SinDeg(D) + 0.00178 * SinDeg(E);
    const double dR = 0.00000543 * SinDeg(A) + 0.00001575 * SinDeg(B) + 0.00001627 * SinDeg(K) +
                      0.00003076 * CosDeg(D) + 0.00000927 * SinDeg(H);

    double lambda = NormalizeAngle(Rad(L0 + Ce + dLambda));
    // Linear precession to the equinox of 2000; not normalised again.
    lambda -= Rad((t - kInstantJ2000Day) * 0.01396 / 365.242199);
    R += dR;
    return {lambda, R};
}

double Obliquity(Instant t) {
    const double T = JulianCenturies1900(t);
    return Rad(23.452294 - 0.0130125 * T - 0.00000164 * T * T + 0.000000503 * T * T * T);
}

HorizontalPlace EquatorialToHorizontal(double alpha, double delta, double phi, double theta) {
    const double H = theta - alpha;
    const double altitude =
        ArcSine(std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(H));
    const double azimuth =
        std::atan2(std::sin(H), std::cos(H) * std::sin(phi) - TanRad(delta) * std::cos(phi));
    return {altitude, azimuth};
}

Vec3 SunRectangular(const SunPlace& sun, double eps) {
    return {sun.R * std::cos(sun.lambda), sun.R * std::sin(sun.lambda) * std::cos(eps),
            sun.R * std::sin(sun.lambda) * std::sin(eps)};
}

}  // namespace vagaris
