#!/usr/bin/python3
"""Prints, for each zodiac sign, the earliest and the latest day (Moscow civil time) on which the
Sun entered it in 1900-2099: the table tests/data/tst_texts.cpp checks the zodiac texts against.

Needs python3-ephem. The Sun's apparent geocentric longitude of date, found by bisection.
"""
import datetime
import math
from zoneinfo import ZoneInfo

import ephem

MOSCOW = ZoneInfo('Europe/Moscow')
# In the order of the program's zodiac list, with the sign's longitude on the ecliptic.
SIGNS = [('kozerog', 270), ('vodolei', 300), ('rubu', 330), ('oven', 0), ('telesc', 30),
         ('blizhescu', 60), ('rak', 90), ('lev', 120), ('deva', 150), ('vesu', 180),
         ('skorpion', 210), ('strelesc', 240)]


def longitude(date):
    sun = ephem.Sun(date)
    apparent = ephem.Equatorial(sun.ra, sun.dec, epoch=date)
    return float(ephem.Ecliptic(apparent, epoch=date).lon)


def ingress(year, degrees):
    """The moment in the calendar year at which the Sun reaches the longitude."""
    target = math.radians(degrees)
    # About a degree a day from the March equinox; Aquarius and Pisces begin before it.
    days = degrees * 365.25 / 360 - (365.25 if degrees >= 300 else 0)
    start = ephem.Date(datetime.datetime(year, 3, 20)) + days
    low, high = start - 6, start + 6

    def ahead(date):
        return (longitude(date) - target + math.pi) % (2 * math.pi) - math.pi > 0

    assert not ahead(low) and ahead(high)
    while high - low > 1e-6:
        middle = (low + high) / 2
        if ahead(middle):
            high = middle
        else:
            low = middle
    return ephem.Date(high).datetime().replace(tzinfo=datetime.timezone.utc).astimezone(MOSCOW)


for key, degrees in SIGNS:
    days = [ingress(year, degrees) for year in range(1900, 2100)]
    first = min(days, key=lambda d: (d.month, d.day))
    last = max(days, key=lambda d: (d.month, d.day))
    print(f'{key}: {first.day}-{last.day}.{first.month:02}')
