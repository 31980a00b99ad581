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
#include "core/SkyFrames.h"
#include "core/Time.h"

namespace vagaris {

// What one computation gives: every field of TCircumstances and the two angles of the orbit
// records that change with the instant.
struct ObjectCircumstances {
    TCircumstances circumstances;
    double earthLongitude = 0;  // the Earth's heliocentric ecliptic longitude [rad]
    double anomaly = 0;         // the object's anomaly one minute after the instant [rad]
};

// One instant's values that every object placed at it shares (the Sun, the frame of the
// axes, the observer's zenith), made once by a model for placing many objects at that
// instant: the night's list places every object of a catalog at the same minutes.
class InstantFrame {
public:
    virtual ~InstantFrame() = default;
    Instant ut = 0;
    // The observer's zenith, a unit vector in the model's axes (J2000): its dot product with a
    // unit direction is the sine of that direction's geometric altitude.
    Vec3 zenith;
    // From the Earth's centre to the observer [AU], in the same axes (zero for a model whose
    // places are geocentric).
    Vec3 siteOffset;
};

// An object placed from the Earth's centre at a frame's instant.
struct GeocentricVector {
    Vec3 toObject;     // from the Earth's centre [AU], in the model's axes
    double r = 0;      // from the Sun [AU]
    double delta = 0;  // from the Earth's centre [AU], as the model measures it
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
    // Placing many objects at the same instants (the night's list). FrameAt throws what At
    // throws for the instant (the precise model's years). Throw EConvertError for elements the
    // model cannot move.
    virtual std::unique_ptr<InstantFrame> FrameAt(Instant ut) const = 0;
    // Whether the Sun is more than `depression` [rad] below the observer's horizon.
    virtual bool SunBelow(const InstantFrame& frame, double depression) const = 0;
    // From the Earth's centre; `onConic`: on the Kepler conic of the elements whatever the
    // observer's forces (a cheap first bound before an integration).
    virtual GeocentricVector Geocentric(const TElementValues& values, const InstantFrame& frame,
                                        bool onConic = false) const = 0;
    // From the observer [AU], in the model's axes.
    virtual Vec3 FromObserver(const TElementValues& values, const InstantFrame& frame) const = 0;
    // Where the object of `circumstances` (At's, at `ut`) stands in the observer's sky.
    virtual AltAz LocalSky(const TElementValues& values, const TCircumstances& circumstances,
                           Instant ut) const = 0;

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
