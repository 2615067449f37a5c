#pragma once

// Where the Sun and the Moon stand, seen from the Earth's centre: apparent places on the true
// equator and equinox of date, and the Earth's rotation. Times are Julian days.
namespace Ephemeris {

struct Vector {
    double x = 0;
    double y = 0;
    double z = 0;
};

// TT - UT in seconds for a Julian day in UT.
double deltaT(double ut);

// The Moon, in kilometres, at an instant in TT: the truncated lunar theory, good to about 10″.
Vector moon(double tt);

// The Sun, in kilometres, at an instant in TT, with the annual aberration: the truncated
// planetary theory, good to about an arcsecond.
Vector sun(double tt);

// The true obliquity of the ecliptic, radians, at an instant in TT.
double obliquity(double tt);

// Greenwich mean sidereal time, radians, at an instant in UT; the apparent one adds the equation
// of the equinoxes (radians, at an instant in TT), which changes by a hundredth of a second of
// time in a day.
double meanSiderealTime(double ut);
double equationOfEquinoxes(double tt);

// Ecliptic longitude of date, degrees 0..360, of an equatorial vector.
double longitude(const Vector &v, double obliquity);

} // namespace Ephemeris
