#!/usr/bin/env python3
"""Writes the bundled sample units in DATA/ (Shift-JIS, CR LF) and their catalogue Index.ini.

The equation texts are written as the program lists them in the y=ax+b form; run
`tesmara-export --json` on a unit to see that every "text" equals its "standard".
"""
from fractions import Fraction
from pathlib import Path

COLORS = [0xFF0000, 0x0000FF, 0xFF00FF, 0x00FF00, 0x008000, 0x02869F, 0x000080, 0x808080,
          0x0080FF, 0xC08000, 0xC000C0, 0x198DCF, 0x0000C0, 0xFFFF00, 0x838860, 0x000000]
HEADER = ["<<spec5", "-99", "-99", "-99", "-99", "16", "16", "True", "5", "5", "True", "-----",
          "99", "99", "1", "True", ">>"]
LINE, SEGMENT, RAY, POINT = 0, 1, 2, 3
LE, LT, GE, GT = "≦", "＜", "≧", "＞"


def frac_text(f):
    if f.denominator == 1:
        return str(f.numerator)
    return f"{f.numerator}/{f.denominator}"


def slope_intercept(p1, p2):
    (x1, y1), (x2, y2) = p1, p2
    slope = Fraction(y2 - y1, x2 - x1)
    intercept = y1 - slope * x1
    if slope == 0:
        raise ValueError("horizontal lines are not used in the samples")
    sign = "-" if slope < 0 else ""
    a = abs(slope)
    if a.denominator == 1:
        x = sign + ("" if a.numerator == 1 else str(a.numerator)) + "x"
    else:
        x = f"{sign}{a.numerator}/{a.denominator}･x"
    if intercept == 0:
        b = ""
    else:
        b = ("-" if intercept < 0 else "+") + frac_text(abs(intercept))
    return f"y={x}{b}", slope, intercept


def x_domain(kind, end_kind, d1, d2):
    if kind == SEGMENT:
        ops = [(LE, LE), (LE, LT), (LT, LE), (LT, LT)][end_kind]
        lo, hi = sorted((d1[0], d2[0]))
        return f"{lo}{ops[0]}x{ops[1]}{hi}"
    if kind == RAY:
        right = d1[0] < d2[0]
        op = [(GE if right else LE), (GT if right else LT)][end_kind]
        return f"x{op}{d1[0]}"
    return None


def graph_lines(index, kind, p1, p2, end_kind=0):
    color = COLORS[index % 16]
    attr = kind + 16 * 1 + 256 * end_kind
    d1, d2 = (0, 0), (0, 0)
    if kind == POINT:
        text = f"({p1[0]:3d},{p1[1]:3d})"
        p2 = (5, 99)
    else:
        text, _, _ = slope_intercept(p1, p2)
        if kind in (SEGMENT, RAY):
            # Segments are drawn between their defining points and rays start at the first one,
            # so the questions can be answered by clicking the points the equation shows.
            d1, d2 = (p1, p2) if kind == RAY or p1[0] < p2[0] else (p2, p1)
            text += f" ({x_domain(kind, end_kind, d1, d2)})"
    pair = lambda p: f"{p[0]},{p[1]}"
    return [f"{color},{attr}", text, pair(p1), pair(p2), pair(d1), pair(d2)]


UNITS = [
    ("hirei.lin", "比例のグラフ y=ax", [
        (LINE, (0, 0), (1, 2)), (LINE, (0, 0), (1, -1)), (LINE, (0, 0), (1, 3)),
        (LINE, (0, 0), (2, 1)), (LINE, (0, 0), (3, -2)), (LINE, (0, 0), (1, 1)),
        (LINE, (0, 0), (1, -3)), (LINE, (0, 0), (4, 3)),
    ]),
    ("ichiji.lin", "一次関数のグラフ y=ax+b", [
        (LINE, (0, 1), (1, 3)), (LINE, (0, -2), (1, -1)), (LINE, (0, 3), (1, 1)),
        (LINE, (0, -1), (1, -4)), (LINE, (0, 4), (1, 3)), (LINE, (0, -3), (1, 0)),
        (LINE, (0, 2), (1, 4)),
    ]),
    ("bunsu.lin", "傾きが分数の一次関数", [
        (LINE, (0, 1), (2, 2)), (LINE, (0, 2), (3, 1)), (LINE, (0, -1), (3, 1)),
        (LINE, (0, 3), (2, 0)), (LINE, (0, -2), (4, 1)), (LINE, (0, -1), (2, -2)),
        (LINE, (1, 1), (3, 2)), (LINE, (0, 0), (3, 2)), (LINE, (-1, 0), (1, 5)),
    ]),
    ("ten.lin", "点をとる", [
        (POINT, (2, 3), None), (POINT, (-4, 1), None), (POINT, (0, -5), None),
        (POINT, (3, -2), None), (POINT, (-1, -4), None), (POINT, (5, 0), None),
        (POINT, (-3, 5), None), (POINT, (6, 6), None),
    ]),
    ("senbun.lin", "変域のあるグラフ（線分と半直線）", [
        (SEGMENT, (-2, -3), (3, 2), 0), (SEGMENT, (0, 1), (4, 3), 1),
        (SEGMENT, (-3, 4), (1, -4), 2), (SEGMENT, (-4, 0), (2, 3), 3),
        (RAY, (1, 1), (3, 5), 0), (RAY, (0, 2), (-2, 3), 1),
        (RAY, (-1, -3), (1, -2), 1), (RAY, (2, 0), (0, 4), 0),
    ]),
]


def main():
    root = Path(__file__).resolve().parent.parent / "DATA"
    root.mkdir(exist_ok=True)
    index = ["[index]"]
    for n, (name, title, graphs) in enumerate(UNITS, start=1):
        lines = [title] + HEADER
        for i, g in enumerate(graphs):
            kind, p1, p2 = g[0], g[1], g[2]
            end_kind = g[3] if len(g) > 3 else 0
            lines += graph_lines(i, kind, p1, p2, end_kind)
        (root / name).write_bytes(("\r\n".join(lines) + "\r\n").encode("cp932"))
        index.append(f"{n}={title},DATA\\{name}")
    (root / "Index.ini").write_bytes(("\r\n".join(index) + "\r\n").encode("cp932"))


if __name__ == "__main__":
    main()
