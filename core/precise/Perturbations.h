#pragma once
// The perturbed model: an object's heliocentric motion integrated from the elements' epoch
// under the Sun, the planets, the Earth and the Moon, the indirect terms of the heliocentric
// frame and the Sun's first post-Newtonian term, with GNU GSL's Runge–Kutta–Prince–Dormand
// (8, 9) pair (gsl_odeiv2 rk8pd) under adaptive steps.
//
// Frame and time as PlanetTable.h says: heliocentric, ICRS (J2000 equatorial) axes, TT. The
// start is the two-body state of the elements at their epoch (TElementValues::EpochTime: the
// epoch of osculation of a minor planet; the perihelion time of a comet, whose lines carry no
// epoch of osculation), so that at the epoch the place is the two-body place exactly.
//
// Left out: the asteroids' pull (Ceres, Pallas, Vesta… move a main-belt object by up to some
// 10" in a decade), the planets' oblateness (below 0.01" but for close passes within a few
// planetary radii), the comets' non-gravitational forces (the MPC's one-line formats do not
// carry them; arcminutes for some comets after one revolution).
#include <memory>
#include <vector>

#include "core/ElementRecord.h"
#include "core/Kepler.h"
#include "core/Time.h"

namespace vagaris::perturbed {

// A heliocentric state: TT instant [days], position [AU] and velocity [AU/day], ICRS axes.
struct State {
    double t = 0;
    double r[3]{};
    double v[3]{};
};

struct Options {
    // The step control's tolerance on each component of the state (positions in AU,
    // velocities in AU per 1/k days), relative and absolute alike, chosen from measurement:
    // halving it moves no place of the tests by more than 0.0002".
    double tolerance = 1e-12;
    // The planets straight from their theories instead of the shared tables (tests only:
    // some hundred times slower).
    bool directTheories = false;
    bool operator==(const Options&) const = default;
};

// The two-body state at el.EpochTime: the position of the precise model's two-body
// propagation (PreciseHeliocentric with the two-body forces) and the velocity of the same
// conic, v = sqrt(μ/p)·(−sin ν, e + cos ν) in the perifocal frame, μ = k², p = q(1 + e).
// Throws EConvertError("Elementos orbitales no válidos") as the propagation does.
State EpochState(const TElementValues& el);

// The acceleration [AU/day²] of an object at `r`, `v` at the TT instant t (the model's
// forces).
void Acceleration(Instant t, const double r[3], const double v[3], double a[3],
                  const Options& options = {});

// The states along one integration, each accepted step kept as a checkpoint, extended on
// demand forward and backward from the start. Between checkpoints: quintic Hermite on
// position, velocity and acceleration (within 1e-9 of the integration itself, shown in the
// tests). Steps are capped at a tenth of a radian of circular motion at the object's
// distance so that the interpolation keeps that accuracy.
class Trajectory {
public:
    explicit Trajectory(const State& start, const Options& options = {});
    ~Trajectory();
    Trajectory(const Trajectory&) = delete;
    Trajectory& operator=(const Trajectory&) = delete;

    // The state at the TT instant tt. Throws EConvertError(kPreciseRangeMessage) when the
    // integration would have to go beyond the precise model's years, and "Elementos
    // orbitales no válidos" for a non-finite value, a fall into the Sun or a step that
    // cannot be completed.
    State At(Instant tt);
    // The state at tt from a fresh integration that ends exactly at tt (no interpolation).
    static State Propagate(const State& start, Instant tt, const Options& options = {});
    int StepCount() const;

    struct Checkpoint {
        double t;
        double r[3], v[3], a[3];
    };
    struct Branch;

private:
    Options options_;
    State start_;
    std::unique_ptr<Branch> forward_, backward_;
};

// The state at tt of the object of `el`, from the integration this thread keeps for it (the
// last few objects, keyed by every element value and the options): an ephemeris, a night or
// an animation integrates each object once along its instants.
State PerturbedState(const TElementValues& el, Instant tt, const Options& options = {});
// The same as the precise model's position: x, y, z and r from the state, v and anomaly the
// osculating true and eccentric anomalies (the true one for e ≥ 1).
OrbitPosition PerturbedHeliocentric(const TElementValues& el, Instant tt,
                                    const Options& options = {});

// The osculating conic of a state (μ = k²): a, e, q and the angles of the ecliptic J2000
// [deg] as the element values hold them, IsMinorPlanet as given, and the conic's place on it
// in the form of the catalog lines, which PreciseHeliocentric (two-body) propagates back to
// the state: a minor planet with e < 1 the mean anomaly M0 at EpochTime = the state's instant
// (HasM); a comet, or any e ≥ 1, the perihelion time as EpochTime (HasM false).
TElementValues OsculatingElements(const State& state, bool asMinorPlanet);

}  // namespace vagaris::perturbed
