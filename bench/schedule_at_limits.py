#!/usr/bin/env python3
"""Writes a listing at the limits that make a load schedule big: 2200 designed beams on ten
levels, 1000 slab panels each with a floor load of its own case, and 9,999 load cases, each with a
member load. Peak memory of the schedule, by hand:

    python3 bench/schedule_at_limits.py /tmp/limits.anl
    /usr/bin/time -v build/bin/frameplan schedule /tmp/limits.anl -o /tmp/limits.xlsx
    /usr/bin/time -v build/bin/frameplan schedule /tmp/limits.anl -o /tmp/limits.csv
"""
import sys

BAYS = 10  # along X and along Z, 5 m each
LEVELS = 11  # the supports and ten floors, 3 m apart
CASES = 9999
FLOOR_LOADS = 1000


def main(path):
    lines = []
    echo = 0

    def line(text):
        nonlocal echo
        echo += 1
        lines.append(f"{echo:5d}. {text}")

    def joint(level, ix, iz):
        return level * 200 + ix * (BAYS + 1) + iz + 1

    line("STAAD SPACE")
    line("UNIT METER KN")
    line("JOINT COORDINATES")
    for level in range(LEVELS):
        for ix in range(BAYS + 1):
            line("; ".join(f"{joint(level, ix, iz)} {5 * ix} {3 * level} {5 * iz}"
                           for iz in range(BAYS + 1)))
    line("MEMBER INCIDENCES")
    beams = []
    number = 0
    for level in range(1, LEVELS):
        for ix in range(BAYS + 1):
            for iz in range(BAYS + 1):
                if ix < BAYS:
                    number += 1
                    beams.append(number)
                    line(f"{number} {joint(level, ix, iz)} {joint(level, ix + 1, iz)}")
                if iz < BAYS:
                    number += 1
                    beams.append(number)
                    line(f"{number} {joint(level, ix, iz)} {joint(level, ix, iz + 1)}")
                number += 1
                line(f"{number} {joint(level - 1, ix, iz)} {joint(level, ix, iz)}")
    line("SUPPORTS")
    panels = [(level, ix, iz) for level in range(1, LEVELS) for ix in range(BAYS)
              for iz in range(BAYS)]
    for case in range(1, CASES + 1):
        line(f"LOAD {case} LOADTYPE DEAD TITLE CASE {case} OF THE SCHEDULE AT ITS LIMITS")
        if case <= FLOOR_LOADS:
            level, ix, iz = panels[case - 1]
            y = 3 * level
            line("FLOOR LOAD")
            line(f"YRANGE {y - 0.1:g} {y + 0.1:g} FLOAD -{case % 20 + 1} "
                 f"XRANGE {5 * ix} {5 * ix + 5}  ZRANGE {5 * iz} {5 * iz + 5}  GY")
        line("MEMBER LOAD")
        line(f"{beams[case % len(beams)]} UNI GY -{case % 20 + 1}")
    line("FINISH")
    for member in beams:
        lines.append(f"   B E A M  N O. {member}   D E S I G N   R E S U L T S")
        lines.append("   LENGTH:  5000.0 mm")
    with open(path, "w", encoding="ascii") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "limits.anl")
