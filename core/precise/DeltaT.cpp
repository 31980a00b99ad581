#include "core/precise/DeltaT.h"

namespace vagaris {

namespace {

// Horner form of c0 + c1·u + c2·u² + …
template <int N>
double Poly(double u, const double (&c)[N]) {
    double sum = 0;
    for (int k = N - 1; k >= 0; --k) sum = sum * u + c[k];
    return sum;
}

}  // namespace

double DecimalYear(Instant ut) { return 2000.0 + (ut - kInstantJ2000Day) / 365.2425; }

double DeltaTSeconds(double y) {
    // Each branch is one of the published expressions, in the published order.
    if (y < -500) {
        const double u = (y - 1820) / 100;
        return -20 + 32 * u * u;
    }
    if (y < 500) {
        static const double c[] = {10583.6,    -1014.41,    33.78311,    -5.952053,
                                   -0.1798452, 0.022174192, 0.0090316521};
        return Poly(y / 100, c);
    }
    if (y < 1600) {
        static const double c[] = {1574.2,     -556.01,      71.23472,    0.319781,
                                   -0.8503463, -0.005050998, 0.0083572073};
        return Poly((y - 1000) / 100, c);
    }
    if (y < 1700) {
        static const double c[] = {120, -0.9808, -0.01532, 1.0 / 7129};
        return Poly(y - 1600, c);
    }
    if (y < 1800) {
        static const double c[] = {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000};
        return Poly(y - 1700, c);
    }
    if (y < 1860) {
        static const double c[] = {13.72,       -0.332447,    0.0068612,     0.0041116,
                                   -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875};
        return Poly(y - 1800, c);
    }
    if (y < 1900) {
        static const double c[] = {7.62,       0.5737,        -0.251754,
                                   0.01680668, -0.0004473624, 1.0 / 233174};
        return Poly(y - 1860, c);
    }
    if (y < 1920) {
        static const double c[] = {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197};
        return Poly(y - 1900, c);
    }
    if (y < 1941) {
        static const double c[] = {21.20, 0.84493, -0.076100, 0.0020936};
        return Poly(y - 1920, c);
    }
    if (y < 1961) {
        static const double c[] = {29.07, 0.407, -1.0 / 233, 1.0 / 2547};
        return Poly(y - 1950, c);
    }
    if (y < 1986) {
        static const double c[] = {45.45, 1.067, -1.0 / 260, -1.0 / 718};
        return Poly(y - 1975, c);
    }
    if (y < 2005) {
        static const double c[] = {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599};
        return Poly(y - 2000, c);
    }
    if (y < 2050) {
        static const double c[] = {62.92, 0.32217, 0.005589};
        return Poly(y - 2000, c);
    }
    const double u = (y - 1820) / 100;
    if (y < 2150) return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

}  // namespace vagaris
