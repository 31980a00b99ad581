#include "core/ElementRecord.h"

#include <cmath>

#include "core/Errors.h"
#include "core/TextForms.h"
#include "core/Time.h"

namespace vagaris {

namespace {

std::string Chars(const std::string& s, std::size_t from1, std::size_t count) {
    if (from1 - 1 >= s.size()) return {};
    return s.substr(from1 - 1, count);
}

}  // namespace

double ElementDateToInstant(const std::string& text) {
    const std::string year = Chars(text, 1, 4), month = Chars(text, 6, 2), day = Chars(text, 9, 2);
    const std::string asDate = day + "/" + month + "/" + year;
    if (!AllDigits(year) || !AllDigits(month) || !AllDigits(day)) ThrowInvalidDate(asDate);
    const int y = std::stoi(year), m = std::stoi(month), d = std::stoi(day);
    if (!IsValidDate(y, m, d)) ThrowInvalidDate(asDate);
    const double date = EncodeDate(y, m, d);
    const std::string fraction = text.size() > 10 ? text.substr(10) : std::string();
    const double dayFraction = ParseFloat(fraction);
    // A larger fraction would move the epoch by up to 1e308 days, far outside any calendar.
    if (!(dayFraction >= 0 && dayFraction < 1)) ThrowInvalidElements();
    return date + dayFraction;
}

TElementValues ReadElements(const TOrbitalElements& el, TOrbitRecord& record) {
    TElementValues v;
    v.e = ParseFloat(el.e);
    record.e = v.e;
    if (!el.a.empty()) {
        v.a = ParseFloat(el.a);
        v.q = (1 - v.e) * v.a;
        v.IsMinorPlanet = true;
    } else {
        v.q = ParseFloat(el.q);
        // Near-parabolic comets are computed as parabolas.
        if (std::fabs(v.e - 1) < 1e-5) v.e = 1.00001;
        v.a = v.q / (1 - v.e);
        v.IsMinorPlanet = false;
    }
    record.a = v.a;
    record.e = v.e;
    record.q = v.q;
    v.w = ParseFloat(el.w);
    record.w = v.w;
    v.O = ParseFloat(el.O);
    record.O = v.O;
    v.i = ParseFloat(el.i);
    record.i = v.i;
    v.EpochTime = ElementDateToInstant(el.Fecha);
    v.HasM = !el.M.empty();
    if (v.HasM) v.M0 = ParseFloat(el.M);
    v.H = ParseFloat(el.H);
    v.G = ParseFloat(el.G);
    // Checked once every text has converted, so a malformed text keeps its own message. The
    // free-field comet layout is where a shifted field shows up as an element out of range;
    // the minor-planet columns are fixed, and their orbits are checked when propagated.
    const bool inRange = v.IsMinorPlanet || (v.q > 0 && v.e >= 0 && v.i >= 0 && v.i <= 180 &&
                                             v.w >= 0 && v.w <= 360 && v.O >= 0 && v.O <= 360);
    if (el.ExtraNumbers || !inRange) ThrowInvalidElements();
    return v;
}

TElementValues ReadElements(const TOrbitalElements& el) {
    TOrbitRecord scratch;
    return ReadElements(el, scratch);
}

}  // namespace vagaris
