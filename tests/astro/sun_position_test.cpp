// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/sun_position.h"

#include <cmath>

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "astro/vsop87d.h"
#include "astro/vsop87d_earth.h"

namespace {

using vsop87d_earth::VsopSeries;

int CountTerms(const TVSOP& body, TVSOP::Term (TVSOP::*provider)(int, int) const, int power) {
    int i = 0;
    while ((body.*provider)(i, power).a != 0) ++i;
    return i;
}

TEST(Vsop87dEarth, TablesAreTheCompletePublishedSeries) {
    TVSOPEarth earth;
    const int longitude[] = {559, 341, 142, 22, 11, 5, 0};
    const int latitude[] = {184, 99, 49, 11, 5, 0};
    const int radius[] = {526, 292, 139, 27, 10, 3, 0};
    for (int p = 0; p < 7; ++p)
        EXPECT_EQ(CountTerms(earth, &TVSOP::LongitudeTerm, p), longitude[p]) << "L" << p;
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(CountTerms(earth, &TVSOP::LatitudeTerm, p), latitude[p]) << "B" << p;
    for (int p = 0; p < 7; ++p)
        EXPECT_EQ(CountTerms(earth, &TVSOP::RadiusTerm, p), radius[p]) << "R" << p;

    // First terms as published (amplitudes times 10^8).
    EXPECT_EQ(earth.LongitudeTerm(0, 0).a, 175347045.673L);
    EXPECT_EQ(earth.LongitudeTerm(0, 0).phi, 0.0L);
    EXPECT_EQ(earth.LongitudeTerm(0, 0).omega, 0.0L);
    EXPECT_EQ(earth.LongitudeTerm(0, 1).a, 628331966747.491L);
    EXPECT_EQ(earth.LatitudeTerm(0, 0).a, 279.62L);
    EXPECT_EQ(earth.LatitudeTerm(0, 0).phi, 3.19870156017L);
    EXPECT_EQ(earth.LatitudeTerm(0, 0).omega, 84334.66158130829L);
    EXPECT_EQ(earth.RadiusTerm(0, 0).a, 100013988.799L);
    // Second term of L0, whose source value is written with fewer digits than it carries.
    EXPECT_EQ(earth.LongitudeTerm(1, 0).a, 3341656.456L);
    EXPECT_EQ(earth.LongitudeTerm(1, 0).phi, 4.66925680417L);
    EXPECT_EQ(earth.LongitudeTerm(1, 0).omega, 6283.0758499914L);
    // Past the tables: the zero sentinel.
    EXPECT_EQ(earth.LongitudeTerm(-1, 0).a, 0.0L);
    EXPECT_EQ(earth.RadiusTerm(0, 6).a, 0.0L);
    EXPECT_EQ(earth.LatitudeTerm(0, -1).a, 0.0L);
}

TEST(Vsop87dEarth, HeliocentricEarthOfThePublishedExample) {
    // Meeus, Astronomical Algorithms, example 25.b, 1992-10-13 0h TD. The abridged series of the
    // book give L = −43.63484796 rad, B = −0.00000312 rad, R = 0.99760775 AU; the complete theory
    // differs from them by a few tenths of an arcsecond and gives R = 0.99760853 AU.
    TVSOPEarth earth;
    earth.SetMoment(EncodeMoment(1992, 10, 13));
    const double l = static_cast<double>(earth.Longitude());
    const double b = static_cast<double>(earth.Latitude());
    const double r = static_cast<double>(earth.Radius());
    constexpr double kRadiansPerArcsecond = 4.84813681109536e-6;
    EXPECT_NEAR(l, -43.63484796, 0.5 * kRadiansPerArcsecond) << l;
    EXPECT_NEAR(b, -0.00000312, 0.5 * kRadiansPerArcsecond) << b;
    EXPECT_NEAR(r, 0.99760853, 1e-8) << r;
}

TEST(SunPosition, ApparentPlaceOfThePublishedExample) {
    // Meeus, example 25.b, 1992-10-13 0h: from the complete VSOP87, apparent longitude
    // 199°54′21.56″, latitude +0.72″, distance 0.99760853 AU. This reckoning removes the FK5
    // offset of 0.09033″ once more on the geocentric longitude.
    constexpr double kArcsecondTolerance = 0.05;
    const SunPlace sun = SunPosition(EncodeMoment(1992, 10, 13));
    const double expected = 199 + 54 / 60.0 + (21.56 - 0.09033) / 3600.0;
    EXPECT_NEAR(sun.longitude, expected, kArcsecondTolerance / 3600)
        << (sun.longitude - expected) * 3600 << "″ off";
    EXPECT_NEAR(sun.latitude * 3600, 0.72, kArcsecondTolerance) << sun.latitude * 3600;
    EXPECT_NEAR(sun.distance, 0.99760853 * 149597869, 2);
    EXPECT_DOUBLE_EQ(SunApparentLongitude(EncodeMoment(1992, 10, 13)), sun.longitude);
}

TEST(SunPosition, LongitudeStaysInRangeAndAdvancesAboutADegreeADay) {
    const Moment start = EncodeMoment(2023, 12, 1);
    double previous = SunApparentLongitude(start);
    for (int day = 1; day <= 400; ++day) {
        const double lambda = SunApparentLongitude(start + day);
        ASSERT_GE(lambda, 0);
        ASSERT_LT(lambda, 360);
        double step = lambda - previous;
        if (step < 0) step += 360;
        EXPECT_GT(step, 0.95) << day;
        EXPECT_LT(step, 1.02) << day;
        previous = lambda;
    }
}

TEST(Nutation, LongitudeTermsOfThePublishedExample) {
    // Meeus, example 22.a, 1987-04-10 0h TD: Δψ = −3.788″ (complete IAU 1980 series); the 31
    // largest terms reach it within a few thousandths of an arcsecond.
    const double deltaPsi = NutationInLongitude(EncodeMoment(1987, 4, 10)) * 3600;
    EXPECT_NEAR(deltaPsi, -3.788, 0.01) << deltaPsi;
}

}  // namespace
