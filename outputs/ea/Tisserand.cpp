#include "outputs/ea/Tisserand.h"

#include <cmath>

#include "core/Angles.h"
#include "core/Errors.h"
#include "core/TextForms.h"

namespace vagaris {

float NudgeNearParabolic(float e) {
    if (std::fabs(static_cast<double>(e) - 1.0) < 1e-5) return 1.00001f;
    return e;
}

std::optional<float> TisserandJupiter(float a, float e, float iDeg) {
    // Evaluated in double from the single-precision inputs, then held in single precision.
    const double ad = a, ed = e, aJ = kJupiterSemiMajorAxisAU;
    if (ad == 0) return std::nullopt;
    const double radicand = (1.0 - ed * ed) * ad / aJ;
    if (radicand < 0) return std::nullopt;
    const double tj = aJ / ad + 2.0 * std::cos(Rad(iDeg)) * std::sqrt(radicand);
    if (!std::isfinite(tj)) return std::nullopt;
    return static_cast<float>(tj);
}

std::optional<EaPoint> EaPointFromElements(const TOrbitalElements& el) {
    if (el.a.empty() && el.q.empty()) return std::nullopt;
    // A comet line whose fields a stray digit has shifted gives no point at all.
    if (el.ExtraNumbers) ThrowInvalidElements();
    EaPoint p;
    p.e = NudgeNearParabolic(static_cast<float>(ParseFloat(el.e)));
    if (!el.a.empty()) {
        p.a = static_cast<float>(ParseFloat(el.a));
    } else {
        const float q = static_cast<float>(ParseFloat(el.q));
        // Negative for hyperbolic and nudged parabolic orbits.
        p.a = static_cast<float>(static_cast<double>(q) / (1.0 - static_cast<double>(p.e)));
    }
    p.iDeg = static_cast<float>(ParseFloat(el.i));
    p.tj = TisserandJupiter(p.a, p.e, p.iDeg);
    return p;
}

EaPoint EaPointFromTyped(const std::string& eText, const std::string& aText,
                         const std::string& iText) {
    EaPoint p;
    p.e = NudgeNearParabolic(static_cast<float>(ParseFloat(eText)));
    p.a = static_cast<float>(ParseFloat(aText));
    p.iDeg = static_cast<float>(ParseFloat(iText));
    p.tj = TisserandJupiter(p.a, p.e, p.iDeg);
    return p;
}

std::string EaLabel(const std::string& name, const EaPoint& point) {
    return name + "     a: " + FormatNumber("0.00", point.a) +
           "     e: " + FormatNumber("0.00", point.e) +
           "     Tj: " + (point.tj ? FormatNumber("0.00", *point.tj) : std::string("---"));
}

}  // namespace vagaris
