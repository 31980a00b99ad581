#pragma once
// The place of an object at an instant for an observer under a model: one interface, with the
// program's standard model and the precise one behind it. Every face (the Selección page, the
// ephemeris table, the charts, the orbit view, the anti-tail search, the night's list and every
// subcommand of vagaris-cli) computes through it, from values to values: element values in,
// the circumstances out, never by writing into a Session.
#include <memory>
#include <string>

#include "core/Circumstances.h"
#include "core/ElementRecord.h"
#include "core/Observer.h"
#include "core/Time.h"

namespace vagaris {

// What one computation gives: every field of TCircumstances and the two angles of the orbit
// records that change with the instant.
struct ObjectCircumstances {
    TCircumstances circumstances;
    double earthLongitude = 0;  // the Earth's heliocentric ecliptic longitude [rad]
    double anomaly = 0;         // the object's anomaly one minute after the instant [rad]
};

class PositionModel {
public:
    explicit PositionModel(const Observer& observer) : observer_(observer) {}
    virtual ~PositionModel() = default;
    PositionModel(const PositionModel&) = delete;
    PositionModel& operator=(const PositionModel&) = delete;

    const Observer& observer() const { return observer_; }

    // The element values this model computes with, writing a, e, q, w, O, i into `record` as
    // they are read when one is given (ReadElements). Throws EConvertError.
    virtual TElementValues Values(const TOrbitalElements& texts,
                                  TOrbitRecord* record = nullptr) const = 0;
    // Everything at the UT instant `ut`, an instant the user asked for (the precise model
    // refuses one outside its years); the maximum altitude in darkness below `twilightLimit`.
    // Throws EConvertError (invalid elements, the precise model's years).
    virtual ObjectCircumstances At(const TElementValues& values, Instant ut,
                                   double twilightLimit = kTwilightAstronomical) const = 0;
    // The orbit the orbit view draws at `ut`: `record` as the last computation left it (the
    // catalog's elements), or in the precise model with the planets' pull the osculating orbit
    // of the object of `texts` one minute after `ut` (the instant whose anomaly At gives).
    // Throws EConvertError as At does.
    virtual TOrbitRecord DrawnOrbit(const TOrbitalElements& texts, const TOrbitRecord& record,
                                    Instant ut) const;
    // What the anti-tail search asks at each day: the Earth's heliocentric longitude [deg] on
    // the ecliptic of J2000, where the catalog's nodes lie, and a comet's phase angle and
    // magnitude on the conic of its catalog elements. Throw EConvertError as At does.
    virtual double EarthLongitudeDeg(Instant ut) const = 0;
    virtual CometLineEvaluation CometOnConic(const TElementValues& values, Instant ut) const = 0;
    // The line that names the model on the pages and in the tables; empty for the standard one.
    virtual std::string ModelLine() const { return {}; }

private:
    Observer observer_;
};

// The model the observer chooses.
std::unique_ptr<PositionModel> MakePositionModel(const Observer& observer);

// The name the pages show for an object: its first 40 characters, trimmed.
std::string ObjectNameOf(const TOrbitalElements& texts);

}  // namespace vagaris
