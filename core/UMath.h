#pragma once
// The astronomical core in one include: time, angles, text forms, Sun, Kepler.
#include "core/Angles.h"
#include "core/Errors.h"
#include "core/Kepler.h"
#include "core/Sun.h"
#include "core/TextForms.h"
#include "core/Time.h"
