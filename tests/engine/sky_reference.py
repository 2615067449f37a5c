#!/usr/bin/python3
"""Writes sky_reference.txt: the sky of chosen days computed with PyEphem (python3-ephem) and
Python's own reading of the time-zone database, as the report lines Orlenta prints.

Run once by hand (not in CI): /usr/bin/python3 sky_reference.py > sky_reference.txt
Rises and sets: upper limb, 34' of refraction as a lowered horizon, topocentric Moon.
Lunar days: the 1st begins at the new moon, each next one at a moonrise.
The Moon's sign: apparent geocentric longitude of date. Local time: the zone's offset, or the
place's own mean time where the zone still keeps its first (local mean time) offset.
"""

import datetime
import math
import random
import sys
import zoneinfo

import ephem

UTC = datetime.timezone.utc
SIGNS = ["Овен", "Телец", "Близнецы", "Рак", "Лев", "Дева", "Весы", "Скорпион", "Стрелец",
         "Козерог", "Водолей", "Рыбы"]
MONTHS = ["января", "февраля", "марта", "апреля", "мая", "июня", "июля", "августа",
          "сентября", "октября", "ноября", "декабря"]

# name, latitude, longitude, zone
CITIES = [
    ("Москва", 55.7558, 37.6173, "Europe/Moscow"),
    ("Санкт-Петербург", 59.9386, 30.3141, "Europe/Moscow"),
    ("Новосибирск", 55.0084, 82.9357, "Asia/Novosibirsk"),
    ("Владивосток", 43.1155, 131.8855, "Asia/Vladivostok"),
    ("Самара", 53.1959, 50.1002, "Europe/Samara"),
    ("Калининград", 54.7104, 20.4522, "Europe/Kaliningrad"),
    ("Якутск", 62.0355, 129.6755, "Asia/Yakutsk"),
    ("Мурманск", 68.9585, 33.0827, "Europe/Moscow"),
    ("Норильск", 69.3558, 88.1893, "Asia/Krasnoyarsk"),
    ("Нью-Йорк", 40.7128, -74.0060, "America/New_York"),
    ("Сидней", -33.8688, 151.2093, "Australia/Sydney"),
    ("Буэнос-Айрес", -34.6037, -58.3816, "America/Argentina/Buenos_Aires"),
    ("Дели", 28.6139, 77.2090, "Asia/Kolkata"),
    ("Рейкьявик", 64.1466, -21.9426, "Atlantic/Reykjavik"),
]


def city(name):
    return next(c for c in CITIES if c[0] == name)


class Clock:
    """Local civil time of a place."""

    def __init__(self, c):
        self.zone = zoneinfo.ZoneInfo(c[3])
        self.first = datetime.datetime(1800, 1, 1, tzinfo=UTC).astimezone(self.zone).utcoffset()
        self.mean = datetime.timedelta(seconds=round(c[2] / 15 * 3600))

    def offset(self, utc):
        off = utc.astimezone(self.zone).utcoffset()
        return self.mean if off == self.first else off

    def to_utc(self, wall):
        utc = wall.replace(tzinfo=UTC)
        for _ in range(3):
            utc = wall.replace(tzinfo=UTC) - self.offset(utc)
        return utc


def to_ephem(utc):
    return ephem.Date(utc.replace(tzinfo=None))


def to_utc(d):
    return ephem.Date(d).datetime().replace(tzinfo=UTC)


def observer(c):
    o = ephem.Observer()
    o.lat, o.lon = str(c[1]), str(c[2])
    o.elevation = 0
    o.pressure = 0
    o.horizon = "-0:34"
    return o


def events(c, body, start, end):
    """Rises and sets of the body in [start, end), ephem dates, in order."""
    out = []
    for kind, method in (("восход", "next_rising"), ("заход", "next_setting")):
        t = start
        while t < end:
            o = observer(c)
            o.date = t
            try:
                e = getattr(o, method)(body)
            except (ephem.AlwaysUpError, ephem.NeverUpError):
                t = ephem.Date(t + ephem.hour)
                continue
            if e >= end:
                break
            out.append((e, kind))
            t = ephem.Date(e + ephem.minute)
    return sorted(set(out))


def moon_longitude(t):
    m = ephem.Moon(t)
    eq = ephem.Equatorial(m.g_ra, m.g_dec, epoch=t)
    return math.degrees(ephem.Ecliptic(eq, epoch=t).lon)


def sign_changes(start, end):
    first = int(moon_longitude(start) // 30)
    last = int(moon_longitude(end) // 30)
    changes = []
    if last != first:
        a, b = start, end
        while b - a > 0.1 * ephem.second:
            mid = (a + b) / 2
            if int(moon_longitude(mid) // 30) == first:
                a = mid
            else:
                b = mid
        changes.append((ephem.Date(b), last))
    return first, changes


def sky(c, date):
    clock = Clock(c)
    wall = datetime.datetime(date.year, date.month, date.day)
    start = to_ephem(clock.to_utc(wall))
    end = to_ephem(clock.to_utc(wall + datetime.timedelta(days=1)))

    def hhmm(t):
        u = to_utc(t)
        local = u + clock.offset(u)
        minutes = round((local.replace(tzinfo=None) - wall).total_seconds() / 60)
        minutes = min(max(minutes, 0), 24 * 60 - 1)
        return "%02d:%02d" % (minutes // 60, minutes % 60)

    def body_line(label, body):
        ev = events(c, body, start, end)
        parts = ["%s %s" % (kind, hhmm(t)) for t, kind in ev]
        if not ev:
            o = observer(c)
            o.date = start
            body.compute(o)
            radius = body.radius
            parts.append("не заходит" if body.alt > -math.radians(34 / 60) - radius
                         else "не восходит")
        return label + ", ".join(parts), [t for t, _ in ev]

    sun_line, sun_times = body_line("Солнце: ", ephem.Sun())
    moon_line, moon_times = body_line("Луна: ", ephem.Moon())

    last_new = ephem.previous_new_moon(start)
    rises = [t for t, kind in events(c, ephem.Moon(), last_new, start) if kind == "восход"]
    number = 1 + len(rises)
    line = "Лунные сутки: %d-е" % number
    starts = [(t, False) for t, kind in events(c, ephem.Moon(), start, end) if kind == "восход"]
    phases = []
    for name, finder in (("новолуние", ephem.next_new_moon),
                         ("первая четверть", ephem.next_first_quarter_moon),
                         ("полнолуние", ephem.next_full_moon),
                         ("последняя четверть", ephem.next_last_quarter_moon)):
        t = finder(start)
        if t < end:
            phases.append((t, name))
            if name == "новолуние":
                starts.append((t, True))
    for t, new in sorted(starts):
        number = 1 if new else number + 1
        line += ", с %s — %d-е" % (hhmm(t), number)

    first, changes = sign_changes(start, end)
    sign_line = "Луна в знаке: " + SIGNS[first]
    for t, s in changes:
        sign_line += ", с %s — %s" % (hhmm(t), SIGNS[s])

    noon = to_ephem(clock.to_utc(wall + datetime.timedelta(hours=12)))
    lit = ephem.Moon(noon).moon_phase
    phase_parts = ["%s в %s" % (name, hhmm(t)) for t, name in sorted(phases)]
    phase_parts.append("освещена на %d %%" % round(lit * 100))

    lines = ["Небо: %d %s %d г., %s" % (date.day, MONTHS[date.month - 1], date.year, c[0]),
             sun_line, moon_line, line, sign_line, "Фаза: " + "; ".join(phase_parts)]
    # Instants that fall within two minutes of either midnight cannot be checked to the minute.
    instants = sun_times + moon_times + [t for t, _ in changes] + [t for t, _ in phases]
    instants += [t for t, _ in starts]
    edge = any(min(t - start, end - t) < 2 * ephem.minute for t in instants)
    return lines, edge


def ingress_note(year, sign):
    """The Sun's ingress into the sign in the year, in Moscow's time."""
    def longitude(t):
        s = ephem.Sun(t)
        eq = ephem.Equatorial(s.g_ra, s.g_dec, epoch=t)
        return math.degrees(ephem.Ecliptic(eq, epoch=t).lon)

    target = sign * 30
    guess = ephem.Date("%d/3/20" % year) + (sign * 30.44) - (365.25 if sign >= 10 else 0)
    a, b = ephem.Date(guess - 20), ephem.Date(guess + 20)
    while b - a > 0.1 * ephem.second:
        mid = (a + b) / 2
        if (longitude(mid) - target) % 360 > 180:
            a = mid
        else:
            b = mid
    clock = Clock(city("Москва"))
    u = to_utc(b)
    local = (u + clock.offset(u)).replace(tzinfo=None) + datetime.timedelta(seconds=30)
    return "%d-%02d-%02d\t%s\t%02d:%02d" % (local.year, local.month, local.day, SIGNS[sign],
                                           local.hour, local.minute)


def main():
    random.seed(27)
    cases = [
        ("Санкт-Петербург", "1985-03-21", "новолуние днём, сутки с 29-х по 1-е"),
        ("Москва", "2026-12-08", "восход Луны минутами позже Солнца"),
        ("Москва", "1985-07-15", "летнее время 1985 года"),
        ("Москва", "2012-12-21", "UTC+4 в 2011-2014 годах"),
        ("Москва", "1905-06-15", "местное среднее время до 1916 года"),
        ("Новосибирск", "1910-01-10", "местное среднее время своего меридиана"),
        ("Санкт-Петербург", "1910-06-21", "до 1916 года своё среднее время, не московское"),
        ("Москва", "1900-01-01", "первый день"),
        ("Сидней", "2099-12-31", "последний день"),
    ]
    # Days near midnight sign changes and a new moon just after a moonrise, found by search.
    found_sign, found_rise = 0, 0
    t = ephem.Date("1960/1/1")
    while found_sign < 2 or found_rise < 2:
        t = ephem.next_new_moon(t)
        for c in CITIES[:6]:
            clock = Clock(c)
            o = observer(c)
            o.date = t
            try:
                rise = o.previous_rising(ephem.Moon())
            except (ephem.AlwaysUpError, ephem.NeverUpError):
                continue
            if found_rise < 2 and 0 < t - rise < 10 * ephem.minute:
                local = to_utc(t) + clock.offset(to_utc(t))
                if 1 <= local.hour <= 22:
                    cases.append((c[0], local.strftime("%Y-%m-%d"),
                                  "новолуние через %d мин после восхода Луны"
                                  % round((t - rise) / ephem.minute)))
                    found_rise += 1
        if found_sign < 2:
            for c in CITIES[:4]:
                clock = Clock(c)
                u = to_utc(t) + datetime.timedelta(days=random.randint(1, 25))
                day = (u + clock.offset(u)).date()
                wall = datetime.datetime(day.year, day.month, day.day)
                start = to_ephem(clock.to_utc(wall))
                first, changes = sign_changes(start, ephem.Date(start + 1))
                if changes and min(changes[0][0] - start, start + 1 - changes[0][0]) < \
                        15 * ephem.minute and \
                        min(changes[0][0] - start, start + 1 - changes[0][0]) > 3 * ephem.minute:
                    cases.append((c[0], day.isoformat(), "смена знака Луны у полуночи"))
                    found_sign += 1
                    break
    # The far north: days when the Moon neither rises nor sets, and polar day and night.
    cases += [
        ("Мурманск", "2026-06-21", "полярный день"),
        ("Норильск", "1999-12-22", "полярная ночь"),
    ]
    north = 0
    t = ephem.Date("1930/1/1")
    while north < 4:
        t = ephem.Date(t + random.uniform(5, 400))
        c = city(random.choice(["Мурманск", "Норильск", "Якутск"]))
        day = to_utc(t).date()
        lines, edge = sky(c, day)
        if ("Луна: не восходит" in lines[2] or "Луна: не заходит" in lines[2]) and not edge:
            cases.append((c[0], day.isoformat(), "Луна весь день под горизонтом или над ним"))
            north += 1
    # Random days and cities across the whole range.
    for _ in range(40):
        c = random.choice(CITIES)
        day = datetime.date(1900, 1, 1) + datetime.timedelta(days=random.randrange(73049))
        cases.append((c[0], day.isoformat(), "случайный день"))

    out = sys.stdout
    out.write("# Made by sky_reference.py with PyEphem %s; see the script.\n" % ephem.__version__)
    for name, iso, why in cases:
        c = city(name)
        lines, edge = sky(c, datetime.date.fromisoformat(iso))
        if edge:
            continue
        out.write("\n%s\t%.4f\t%.4f\t%s\t%s\t%s\n" % (c[0], c[1], c[2], c[3], iso, why))
        out.write("\n".join(lines) + "\n")
    out.write("\n# Ingress\n")
    for year, sign in ((2000, 11), (1900, 0), (1916, 3), (1985, 6), (2011, 8), (2099, 9),
                       (1950, 4), (2030, 1)):
        out.write(ingress_note(year, sign) + "\n")


if __name__ == "__main__":
    main()
