#include "engine/ephemeris.h"

#include <cmath>
#include <complex>
#include <cstddef>
#include <iterator>

namespace Ephemeris {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Degree = Pi / 180;
constexpr double ArcSecond = Degree / 3600;
constexpr double J2000 = 2451545.0;
constexpr double AstronomicalUnit = 149597870.7; // km

double centuries(double jd)
{
    return (jd - J2000) / 36525;
}

double radians(double degrees)
{
    return std::fmod(degrees, 360) * Degree;
}

struct Nutation {
    double longitude; // radians
    double obliquity; // radians
};

// The four largest terms: good to half an arcsecond, which the bodies' places need no better.
Nutation nutation(double tt)
{
    const double t = centuries(tt);
    const double node = radians(125.04452 - 1934.136261 * t);
    const double sun = radians(280.4665 + 36000.7698 * t);
    const double moon = radians(218.3165 + 481267.8813 * t);
    return {(-17.20 * std::sin(node) - 1.32 * std::sin(2 * sun) - 0.23 * std::sin(2 * moon) +
             0.21 * std::sin(2 * node)) *
                ArcSecond,
            (9.20 * std::cos(node) + 0.57 * std::cos(2 * sun) + 0.10 * std::cos(2 * moon) -
             0.09 * std::cos(2 * node)) *
                ArcSecond};
}

double meanObliquity(double tt)
{
    const double t = centuries(tt);
    return (84381.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) * ArcSecond;
}

Vector equatorial(double longitude, double latitude, double distance, double obliquity)
{
    const double cb = std::cos(latitude), sb = std::sin(latitude);
    const double cl = std::cos(longitude), sl = std::sin(longitude);
    const double ce = std::cos(obliquity), se = std::sin(obliquity);
    return {distance * cb * cl, distance * (cb * sl * ce - sb * se),
            distance * (cb * sl * se + sb * ce)};
}

// Multipliers of D, M, M', F and the coefficients of longitude (1e-6 degree) and distance (1e-3
// km) of the periodic terms of the lunar theory.
struct LongitudeTerm {
    signed char d, m, mp, f;
    int sinL, cosR;
};

// clang-format off
const LongitudeTerm LongitudeTerms[] = {
    {0, 0, 1, 0, 6288774, -20905355}, {2, 0, -1, 0, 1274027, -3699111},
    {2, 0, 0, 0, 658314, -2955968},   {0, 0, 2, 0, 213618, -569925},
    {0, 1, 0, 0, -185116, 48888},     {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},     {2, -1, -1, 0, 57066, -152138},
    {2, 0, 1, 0, 53322, -170733},     {2, -1, 0, 0, 45758, -204586},
    {0, 1, -1, 0, -40923, -129620},   {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},     {2, 0, 0, -2, 15327, 10321},
    {0, 0, 1, 2, -12528, 0},          {0, 0, 1, -2, 10980, 79661},
    {4, 0, -1, 0, 10675, -34782},     {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},      {2, 1, -1, 0, -7888, 24208},
    {2, 1, 0, 0, -6766, 30824},       {1, 0, -1, 0, -5163, -8379},
    {1, 1, 0, 0, 4987, -16675},       {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},       {4, 0, 0, 0, 3861, -11650},
    {2, 0, -3, 0, 3665, 14403},       {0, 1, -2, 0, -2689, -7003},
    {2, 0, -1, 2, -2602, 0},          {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},        {2, -2, 0, 0, 2236, -9884},
    {0, 1, 2, 0, -2120, 5751},        {0, 2, 0, 0, -2069, 0},
    {2, -2, -1, 0, 2048, -4950},      {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},           {4, -1, -1, 0, 1215, -3958},
    {0, 0, 2, 2, -1110, 0},           {3, 0, -1, 0, -892, 3258},
    {2, 1, 1, 0, -810, 2616},         {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},       {2, 2, -1, 0, -700, 2354},
    {2, 1, -2, 0, 691, 0},            {2, -1, 0, -2, 596, 0},
    {4, 0, 1, 0, 549, -1423},         {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},        {1, 0, -2, 0, -487, -1739},
    {2, 1, 0, -2, -399, 0},           {0, 0, 2, -2, -381, -4421},
    {1, 1, 1, 0, 351, 0},             {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},            {2, -1, 2, 0, 327, 0},
    {0, 2, 1, 0, -323, 1165},         {1, 1, -1, 0, 299, 0},
    {2, 0, 3, 0, 294, 0},             {2, 0, -1, -2, 0, 8752},
};

// Multipliers of D, M, M', F and the coefficient of latitude (1e-6 degree).
struct LatitudeTerm {
    signed char d, m, mp, f;
    int sinB;
};

const LatitudeTerm LatitudeTerms[] = {
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602},  {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},  {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573},   {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},   {0, 0, 2, -1, 8822},   {2, -1, 0, -1, 8216},  {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},    {2, 1, 0, -1, -3359},  {2, -1, -1, 1, 2463},  {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065}, {0, 1, -1, -1, -1870}, {4, 0, -1, -1, 1828},  {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},   {0, 1, -1, 1, -1565},  {1, 0, 0, 1, -1491},   {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},  {0, 1, 0, -1, -1344},  {1, 0, 0, -1, -1335},  {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},   {4, 0, -1, 1, 833},    {0, 0, 1, -3, 777},    {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607},    {2, 0, 2, -1, 596},    {2, -1, 1, -1, 491},   {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439},    {2, 0, 2, 1, 422},     {2, 0, -3, -1, 421},   {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351},    {4, 0, 0, 1, 331},     {2, -1, 1, 1, 315},    {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283},    {2, 1, 1, -1, -229},   {1, 1, 0, -1, 223},    {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220},  {2, 1, -1, -1, -220},  {1, 0, 1, 1, -185},    {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177},    {4, 0, -2, -1, 176},   {4, -1, -1, -1, 166},  {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132},    {1, 0, -1, -1, -119},  {4, -1, 0, -1, 115},   {2, -2, 0, 1, 107},
};
// clang-format on

// The Earth's heliocentric place on the ecliptic and equinox of date, from the planetary theory
// cut to the terms that matter at an arcsecond: amplitude (1e-8), phase, frequency (radians a
// millennium) of each.
struct Term {
    double amplitude, phase, frequency;
};

// clang-format off
const Term L0[] = {
    {175347046, 0, 0}, {3341656, 4.6692568, 6283.0758500}, {34894, 4.62610, 12566.15170},
    {3497, 2.7441, 5753.3849}, {3418, 2.8289, 3.5231}, {3136, 3.6277, 77713.7715},
    {2676, 4.4181, 7860.4194}, {2343, 6.1352, 3930.2097}, {1324, 0.7425, 11506.7698},
    {1273, 2.0371, 529.6910}, {1199, 1.1096, 1577.3435}, {990, 5.233, 5884.927},
    {902, 2.045, 26.298}, {857, 3.508, 398.149}, {780, 1.179, 5223.694}, {753, 2.533, 5507.553},
    {505, 4.583, 18849.228}, {492, 4.205, 775.523}, {357, 2.920, 0.067}, {317, 5.849, 11790.629},
    {284, 1.899, 796.298}, {271, 0.315, 10977.079}, {243, 0.345, 5486.778}, {206, 4.806, 2544.314},
    {205, 1.869, 5573.143}, {202, 2.458, 6069.777}, {156, 0.833, 213.299}, {132, 3.411, 2942.463},
    {126, 1.083, 20.775}, {115, 0.645, 0.980}, {103, 0.636, 4694.003}, {102, 0.976, 15720.839},
    {102, 4.267, 7.114}, {99, 6.21, 2146.17}, {98, 0.68, 155.42}, {86, 5.98, 161000.69},
    {85, 1.30, 6275.96}, {85, 3.67, 71430.70}, {80, 1.81, 17260.15}, {79, 3.04, 12036.46},
    {75, 1.76, 5088.63}, {74, 3.50, 3154.69}, {74, 4.68, 801.82}, {70, 0.83, 9437.76},
    {62, 3.98, 8827.39}, {61, 1.82, 7084.90}, {57, 2.78, 6286.60}, {56, 4.39, 14143.50},
    {56, 3.47, 6279.55}, {52, 0.19, 12139.55}, {52, 1.33, 1748.02}, {51, 0.28, 5856.48},
    {49, 0.49, 1194.45}, {41, 5.37, 8429.24}, {41, 2.40, 19651.05}, {39, 6.17, 10447.39},
    {37, 6.04, 10213.29}, {37, 2.57, 1059.38}, {36, 1.71, 2352.87}, {36, 1.78, 6812.77},
    {33, 0.59, 17789.85}, {30, 0.44, 83996.85}, {30, 2.74, 1349.87}, {25, 3.16, 4690.48},
};
const Term L1[] = {
    {628331966747, 0, 0}, {206059, 2.678235, 6283.075850}, {4303, 2.6351, 12566.1517},
    {425, 1.590, 3.523}, {119, 5.796, 26.298}, {109, 2.966, 1577.344}, {93, 2.59, 18849.23},
    {72, 1.14, 529.69}, {68, 1.87, 398.15}, {67, 4.41, 5507.55}, {59, 2.89, 5223.69},
    {56, 2.17, 155.42}, {45, 0.40, 796.30}, {36, 0.47, 775.52}, {29, 2.65, 7.11},
    {21, 5.34, 0.98}, {19, 1.85, 5486.78}, {19, 4.97, 213.30}, {17, 2.99, 6275.96},
    {16, 0.03, 2544.31}, {16, 1.43, 2146.17}, {15, 1.21, 10977.08}, {12, 2.83, 1748.02},
    {12, 3.26, 5088.63}, {12, 5.27, 1194.45}, {12, 2.08, 4694.00}, {11, 0.77, 553.57},
    {10, 1.30, 6286.60}, {10, 4.24, 1349.87}, {9, 2.70, 242.73}, {9, 5.64, 951.72},
    {8, 5.30, 2352.87}, {6, 2.65, 9437.76}, {6, 4.67, 4690.48},
};
const Term L2[] = {
    {52919, 0, 0}, {8720, 1.0721, 6283.0758}, {309, 0.867, 12566.152}, {27, 0.05, 3.52},
    {16, 5.19, 26.30}, {16, 3.68, 155.42}, {10, 0.76, 18849.23}, {9, 2.06, 77713.77},
    {7, 0.83, 775.52}, {5, 4.66, 1577.34}, {4, 1.03, 7.11}, {4, 3.44, 5573.14},
    {3, 5.14, 796.30}, {3, 6.05, 5507.55}, {3, 1.19, 242.73}, {3, 6.12, 529.69},
    {3, 0.31, 398.15}, {3, 2.28, 553.57}, {2, 4.38, 5223.69}, {2, 3.75, 0.98},
};
const Term L3[] = {
    {289, 5.844, 6283.076}, {35, 0, 0}, {17, 5.49, 12566.15}, {3, 5.20, 155.42},
    {1, 4.72, 3.52}, {1, 5.30, 18849.23}, {1, 5.97, 242.73},
};
const Term L4[] = {{114, 3.142, 0}, {8, 4.13, 6283.08}, {1, 3.84, 12566.15}};
const Term L5[] = {{1, 3.14, 0}};
const Term B0[] = {
    {280, 3.199, 84334.662}, {102, 5.422, 5507.553}, {80, 3.88, 5223.69}, {44, 3.70, 2352.87},
    {32, 4.00, 1577.34},
};
const Term B1[] = {{9, 3.90, 5507.55}, {6, 1.73, 5223.69}};
const Term R0[] = {
    {100013989, 0, 0}, {1670700, 3.0984635, 6283.0758500}, {13956, 3.05525, 12566.15170},
    {3084, 5.1985, 77713.7715}, {1628, 1.1739, 5753.3849}, {1576, 2.8469, 7860.4194},
    {925, 5.453, 11506.770}, {542, 4.564, 3930.210}, {472, 3.661, 5884.927},
    {346, 0.964, 5507.553}, {329, 5.900, 5223.694}, {307, 0.299, 5573.143},
    {243, 4.273, 11790.629}, {212, 5.847, 1577.344}, {186, 5.022, 10977.079},
    {175, 3.012, 18849.228}, {110, 5.055, 5486.778}, {98, 0.89, 6069.78}, {86, 5.69, 15720.84},
    {86, 1.27, 161000.69}, {65, 0.27, 17260.15}, {63, 0.92, 529.69}, {57, 2.01, 83996.85},
    {56, 5.24, 71430.70}, {49, 3.25, 2544.31}, {47, 2.58, 775.52}, {45, 5.54, 9437.76},
    {43, 6.01, 6275.96}, {39, 5.36, 4694.00}, {38, 2.39, 8827.39}, {37, 0.83, 19651.05},
    {37, 4.90, 12139.55}, {36, 1.67, 12036.46}, {35, 1.84, 2942.46}, {33, 0.24, 7084.90},
    {32, 0.18, 5088.63}, {32, 1.78, 398.15}, {28, 1.21, 6286.60}, {28, 1.90, 6279.55},
    {26, 4.59, 10447.39},
};
const Term R1[] = {
    {103019, 1.107490, 6283.075850}, {1721, 1.0644, 12566.1517}, {702, 3.142, 0},
    {32, 1.02, 18849.23}, {31, 2.84, 5507.55}, {25, 1.32, 5223.69}, {18, 1.42, 1577.34},
    {10, 5.91, 10977.08}, {9, 1.42, 6275.96}, {9, 0.27, 5486.78},
};
const Term R2[] = {
    {4359, 5.7846, 6283.0758}, {124, 5.579, 12566.152}, {12, 3.14, 0}, {9, 3.63, 77713.77},
    {6, 1.87, 5573.14}, {3, 5.47, 18849.23},
};
const Term R3[] = {{145, 4.273, 6283.076}, {7, 3.92, 12566.15}};
const Term R4[] = {{4, 2.56, 6283.08}};
// clang-format on

template <std::size_t N> double series(const Term (&terms)[N], double tau)
{
    double sum = 0;
    for (const Term &term : terms)
        sum += term.amplitude * std::cos(term.phase + term.frequency * tau);
    return sum;
}

} // namespace

double deltaT(double ut)
{
    // Observed values at five-year steps from 1900, then a forecast: a straight line to the
    // long-term parabola of Espenak and Meeus, which it follows from 2050.
    // clang-format off
    static const double Observed[] = {
        -2.79, 3.86, 10.46, 17.20, 21.16, 23.62, 24.02, 23.93, 24.33, 26.77, 29.15, 31.07, 33.15,
        35.73, 40.18, 45.48, 50.54, 54.34, 56.86, 60.78, 63.83, 64.69, 66.07, 67.64, 69.36, 69.20,
    };
    // clang-format on
    const double year = 2000 + (ut - 2451544.5) / 365.2425;
    const double step = (year - 1900) / 5;
    const int last = int(std::size(Observed)) - 1;
    if (step <= 0)
        return Observed[0];
    if (step < last) {
        const int i = int(step);
        return Observed[i] + (step - i) * (Observed[i + 1] - Observed[i]);
    }
    const auto parabola = [](double y) {
        const double u = (y - 1820) / 100;
        return -20 + 32 * u * u - 0.5628 * (2150 - y);
    };
    if (year >= 2050)
        return parabola(year);
    const double from = 1900 + 5.0 * last;
    return Observed[last] + (year - from) / (2050 - from) * (parabola(2050) - Observed[last]);
}

Vector moon(double tt)
{
    const double t = centuries(tt);
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double lp =
        radians(218.3164477 + 481267.88123421 * t - 0.0015786 * t2 + t3 / 538841 - t4 / 65194000);
    const double d =
        radians(297.8501921 + 445267.1114034 * t - 0.0018819 * t2 + t3 / 545868 - t4 / 113065000);
    const double m = radians(357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000);
    const double mp =
        radians(134.9633964 + 477198.8675055 * t + 0.0087414 * t2 + t3 / 69699 - t4 / 14712000);
    const double f =
        radians(93.2720950 + 483202.0175233 * t - 0.0036539 * t2 - t3 / 3526000 + t4 / 863310000);
    const double a1 = radians(119.75 + 131.849 * t);
    const double a2 = radians(53.09 + 479264.290 * t);
    const double a3 = radians(313.45 + 481266.484 * t);
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const double eFactor[] = {1, e, e * e};

    // Each term's argument is a sum of small multiples of four angles: build their sines and
    // cosines from the angles' own by the addition rule, not one library call per term.
    using Rotation = std::complex<double>;
    Rotation dn[9], mn[5], mpn[9], fn[9];
    const auto multiples = [](Rotation *table, double angle, int most) {
        table[most] = 1;
        const Rotation step = std::polar(1.0, angle);
        for (int k = 1; k <= most; ++k) {
            table[most + k] = table[most + k - 1] * step;
            table[most - k] = std::conj(table[most + k]);
        }
    };
    multiples(dn, d, 4);
    multiples(mn, m, 2);
    multiples(mpn, mp, 4);
    multiples(fn, f, 4);
    const auto argument = [&](int kd, int km, int kmp, int kf) {
        return dn[4 + kd] * mn[2 + km] * mpn[4 + kmp] * fn[4 + kf];
    };

    double sumL = 0, sumR = 0, sumB = 0;
    for (const LongitudeTerm &term : LongitudeTerms) {
        const Rotation arg = argument(term.d, term.m, term.mp, term.f);
        const double scale = eFactor[std::abs(term.m)];
        sumL += scale * term.sinL * arg.imag();
        sumR += scale * term.cosR * arg.real();
    }
    for (const LatitudeTerm &term : LatitudeTerms)
        sumB += eFactor[std::abs(term.m)] * term.sinB *
                argument(term.d, term.m, term.mp, term.f).imag();
    sumL += 3958 * std::sin(a1) + 1962 * std::sin(lp - f) + 318 * std::sin(a2);
    sumB += -2235 * std::sin(lp) + 382 * std::sin(a3) + 175 * std::sin(a1 - f) +
            175 * std::sin(a1 + f) + 127 * std::sin(lp - mp) - 115 * std::sin(lp + mp);

    const Nutation n = nutation(tt);
    return equatorial(lp + sumL * 1e-6 * Degree + n.longitude, sumB * 1e-6 * Degree,
                      385000.56 + sumR / 1000, meanObliquity(tt) + n.obliquity);
}

Vector sun(double tt)
{
    const double tau = centuries(tt) / 10;
    const double l =
        (series(L0, tau) +
         tau *
             (series(L1, tau) +
              tau * (series(L2, tau) +
                     tau * (series(L3, tau) + tau * (series(L4, tau) + tau * series(L5, tau)))))) *
        1e-8;
    const double b = (series(B0, tau) + tau * series(B1, tau)) * 1e-8;
    const double r =
        (series(R0, tau) +
         tau * (series(R1, tau) +
                tau * (series(R2, tau) + tau * (series(R3, tau) + tau * series(R4, tau))))) *
        1e-8;
    // The Sun seen from the Earth, moved onto the reference frame of the star catalogues.
    const double t = centuries(tt);
    const double shifted = l + Pi - (1.397 * t + 0.00031 * t * t) * Degree;
    const double longitude = l + Pi - 0.09033 * ArcSecond;
    const double latitude = -b + 0.03916 * ArcSecond * (std::cos(shifted) - std::sin(shifted));
    const Nutation n = nutation(tt);
    return equatorial(longitude + n.longitude - 20.4898 * ArcSecond / r, latitude,
                      r * AstronomicalUnit, meanObliquity(tt) + n.obliquity);
}

double obliquity(double tt)
{
    return meanObliquity(tt) + nutation(tt).obliquity;
}

double meanSiderealTime(double ut)
{
    const double t = centuries(ut);
    return radians(280.46061837 + 360.98564736629 * (ut - J2000) + 0.000387933 * t * t -
                   t * t * t / 38710000);
}

double equationOfEquinoxes(double tt)
{
    const Nutation n = nutation(tt);
    return n.longitude * std::cos(meanObliquity(tt) + n.obliquity);
}

double longitude(const Vector &v, double obliquity)
{
    const double y = v.y * std::cos(obliquity) + v.z * std::sin(obliquity);
    const double l = std::atan2(y, v.x) / Degree;
    return l < 0 ? l + 360 : l;
}

} // namespace Ephemeris
