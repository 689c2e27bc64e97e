#!/usr/bin/env python3
"""Draws the program icon (a sheet with a red revision cloud) as zumeo.xpm."""
import math

SIZE = 32
COLOURS = {".": "None", "k": "#1E2440", "w": "#FFFFF6", "b": "#5A7ABE", "r": "#C81E1E"}


def draw():
    grid = [["." for _ in range(SIZE)] for _ in range(SIZE)]
    for y in range(3, 29):
        for x in range(5, 27):
            edge = y in (3, 28) or x in (5, 26)
            grid[y][x] = "k" if edge else "w"
    for y in (9, 13, 17):
        for x in range(8, 24):
            grid[y][x] = "b"
    cx, cy, rx, ry = 18.0, 21.0, 7.0, 4.5
    for step in range(720):
        a = step * math.pi / 360
        wobble = 1.0 + 0.12 * abs(math.sin(a * 4))
        x = int(round(cx + rx * wobble * math.cos(a)))
        y = int(round(cy + ry * wobble * math.sin(a)))
        if 0 <= x < SIZE and 0 <= y < SIZE:
            grid[y][x] = "r"
    return grid


def main():
    grid = draw()
    lines = ["/* XPM */", "static const char *zumeo_xpm[] = {",
             f'"{SIZE} {SIZE} {len(COLOURS)} 1",']
    lines += [f'"{key} c {value}",' for key, value in COLOURS.items()]
    lines += [f'"{"".join(row)}",' for row in grid]
    lines[-1] = lines[-1].rstrip(",")
    lines.append("};")
    with open("zumeo.xpm", "w", encoding="ascii") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
