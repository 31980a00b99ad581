#pragma once
// The results of the Selección page by name. One table says, for each quantity, which label
// shows it on the page, the caption beside it and its key in the command-line tool's JSON, so
// the page, the text output and the JSON read the same rows and nothing compares widget names.
//
// The two motion labels show different quantities in the polar and the cartesian display:
// each display has its own two rows, sharing the labels (and their caption labels).
#include <array>
#include <cstddef>

namespace vagaris {

enum class SelectionQuantity {
    RightAscension,
    Declination,
    Delta,
    SunDistance,
    Elongation,
    PhaseAngle,
    Magnitude,
    Speed,
    MaxAltitude,
    Motion,         // polar display: apparent motion
    PositionAngle,  // polar display: position angle of the motion
    MotionRA,       // cartesian display
    MotionDec,      // cartesian display
    MaxExposure,
    Period,
};
inline constexpr std::size_t kSelectionQuantityCount =
    static_cast<std::size_t>(SelectionQuantity::Period) + 1;

struct SelectionQuantityInfo {
    SelectionQuantity quantity;
    const char* objectName;   // the value label on the Selección page
    const char* captionName;  // the caption label beside it; "" when there is none
    const char* caption;      // what the caption label shows for this quantity (UTF-8)
    const char* jsonKey;      // key in `vagaris-cli circumstances --json`
};

// One row per quantity, in the order of the enum (so a quantity finds its row by index).
inline constexpr std::array<SelectionQuantityInfo, kSelectionQuantityCount> kSelectionQuantities{{
    {SelectionQuantity::RightAscension, "Label12", "LabelAr", "Ar:", "right_ascension"},
    {SelectionQuantity::Declination, "Label13", "LabelDec", "Dec:", "declination"},
    {SelectionQuantity::Delta, "Label34", "LabelDistancia", "Distancia:", "delta"},
    {SelectionQuantity::SunDistance, "Label35", "LabelRadioVector",
     "Radio vector:", "sun_distance"},
    {SelectionQuantity::Elongation, "Label14", "LabelElongacion", "Elongación:", "elongation"},
    {SelectionQuantity::PhaseAngle, "Label15", "LabelFase", "Ang. de fase:", "phase_angle"},
    {SelectionQuantity::Magnitude, "Label38", "LabelMagnitud", "Magnitud:", "magnitude"},
    {SelectionQuantity::Speed, "Label39", "LabelVelocidad", "Velocidad", "speed"},
    {SelectionQuantity::MaxAltitude, "Label69", "LabelAltura",
     "Altura máxima (Sol -18°):", "max_altitude"},
    {SelectionQuantity::Motion, "Label70", "Label66", "Velocidad aparente:", "motion"},
    {SelectionQuantity::PositionAngle, "Label71", "Label67", "A.P:", "position_angle"},
    {SelectionQuantity::MotionRA, "Label70", "Label66", "Vel. aparente AR:", "motion_ra"},
    {SelectionQuantity::MotionDec, "Label71", "Label67", "Vel. aparente Dec:", "motion_dec"},
    {SelectionQuantity::MaxExposure, "Label72", "LabelExposicion",
     "Exposición máxima:", "max_exposure"},
    // Label16 sits under the element boxes and carries its own "P:": no caption label.
    {SelectionQuantity::Period, "Label16", "", "", "period"},
}};

constexpr bool RowsFollowTheEnum() {
    for (std::size_t k = 0; k < kSelectionQuantities.size(); ++k)
        if (static_cast<std::size_t>(kSelectionQuantities[k].quantity) != k) return false;
    return true;
}
static_assert(RowsFollowTheEnum(), "one row per quantity, in the order of the enum");

constexpr const SelectionQuantityInfo& InfoOf(SelectionQuantity quantity) {
    return kSelectionQuantities[static_cast<std::size_t>(quantity)];
}

}  // namespace vagaris
