"""Single-precision mirror of the calculator's flow formulas.

The data file's default values must be a solved state of each page: the
unknown's default makes the residual vanish and every derived output holds
what the formula itself writes.  The program evaluates in double precision,
holds some intermediate quantities and every stored value as a 32-bit float,
and returns the residual as a float, so the defaults are computed here the
same way, operation by operation.
"""

import math
import re
import struct
from fractions import Fraction

G = 9.815
TWO_G = 19.63
AREA_PI = 3.142
HW_FACTOR = 10.7
LOG10_E = 0.434294481


def f32(x):
    """Round a double to the nearest 32-bit float (ties to even)."""
    return struct.unpack("<f", struct.pack("<f", x))[0]


def f32_step(x, n):
    """The float n steps away from the float x (x must be positive)."""
    bits = struct.unpack("<I", struct.pack("<f", x))[0]
    return struct.unpack("<f", struct.pack("<I", bits + n))[0]


NUMBER = re.compile(r"[+-]?(?:\d+(?:\.\d*)?|\.\d+)(?:[eEdD][+-]?\d+)?")


def leading_number(text):
    """Exact value of the number a field's text starts with (0 if none):
    blanks, tabs and line feeds are skipped wherever they stand."""
    text = re.sub(r"[ \t\n]", "", text)
    m = NUMBER.match(text)
    if not m:
        return Fraction(0)
    return Fraction(re.sub(r"[dD]", "e", m.group(0)))


def f32_exact(value):
    """Nearest float to an exact rational value, ties to even, in one step."""
    near = f32(float(value))
    if near == 0 or math.isinf(near):
        return near
    best = None
    for k in (-1, 0, 1):
        cand = f32_step(abs(near), k) * (1 if near > 0 else -1)
        err = abs(Fraction(cand) - value)
        even = struct.unpack("<I", struct.pack("<f", cand))[0] % 2 == 0
        if best is None or err < best[0] or (err == best[0] and even):
            best = (err, cand)
    return best[1]


def f32_text(x):
    """Shortest decimal text that reads back as exactly the float x."""
    for digits in range(1, 10):
        text = "%.*g" % (digits, x)
        if f32_exact(Fraction(text)) == x:
            return text
    raise ValueError("no round-trip text for %r" % x)


def circle_area(d):
    return f32((d * d / 4) * AREA_PI)


def loss_coefficient(head, velocity):
    return f32((head / (velocity * velocity)) * 2 * G)


def residual(formula, v):
    """Residual of the formula for the 1-based value vector v (v[0] unused).

    Returns (residual as double before the final rounding, residual as float,
    {position: output value}).  Raises ArithmeticError/ValueError where the
    program would set its error flag.
    """
    out = {}
    if formula == "H.Williams":
        d, q, c, length, hf = v[1:6]
        r = hf / length - HW_FACTOR * ((q / c) / d**2.63) ** 1.85
        out[6] = f32(hf / length)
        out[8] = f32(q / ((AREA_PI * d * d) / 4))
        out[7] = loss_coefficient(hf, out[8])
    elif formula == "C.White":
        d, q, k, nu, length, hf = v[1:7]
        w = f32(math.sqrt(TWO_G * d * hf / length))
        r = q + ((AREA_PI * d * d) / 2) * w * LOG10_E * math.log(
            (k / 3.7) / d + ((2.51 * nu) / d) / w
        )
        out[7] = f32(hf / length)
        out[9] = f32(q / ((AREA_PI * d * d) / 4))
        out[8] = loss_coefficient(hf, out[9])
    elif formula == "Manning":
        d, q, n, depth, length, hf = v[1:7]
        if depth == 1:
            theta = f32(3.1416)
        else:
            x = f32(1 - 2 * depth)
            theta = f32(math.atan(-x / math.sqrt(1 - x * x)) + 2 * math.atan(1))
        r0 = f32(d / 2)
        area = f32(r0 * r0 * theta - r0 * math.sin(theta) * r0 * math.cos(theta))
        perimeter = f32((r0 + r0) * theta)
        radius = f32(area / perimeter)
        r = q - (1 / n) * radius ** (2.0 / 3.0) * (hf / length) ** 0.5 * area
        out[7] = f32(hf / length)
        out[9] = f32(q / area)
        out[8] = loss_coefficient(hf, out[9])
    elif formula == "Orifice":
        d, beta, q, h, cd = v[1:6]
        area = circle_area(d)
        area0 = f32(((d * beta) ** 2 / 4) * AREA_PI)
        r = h - ((1 / cd**2) * (1 - beta**4) * (1 / beta) ** 4 * (q / area) ** 2) / 2 / G
        out[6] = f32(q / area)
        out[7] = f32(q / area0)
        out[8] = loss_coefficient(h, out[6])
    elif formula in ("Bends", "Valves", "In/Out"):
        d, q, k, hl = v[1:5]
        vel = f32(q / circle_area(d))
        r = hl - (k * vel * vel) / 2 / G
        out[5] = vel
    elif formula in ("Expansion", "Contraction"):
        d1, d2, q, k, hl = v[1:6]
        a1, a2 = circle_area(d1), circle_area(d2)
        out[6] = f32(q / a1)
        out[7] = f32(q / a2)
        if formula == "Expansion":
            out[8] = f32(a1 / a2)
            r = hl - (k * out[6] * out[6]) / 2 / G
        else:
            out[8] = f32(a2 / a1)
            r = hl - (k * out[7] * out[7]) / 2 / G
    else:
        raise KeyError("no formula for %r" % formula)
    return r, f32(r), out


def evaluate(formula, values):
    """Residual and outputs for a 0-based list of values (already floats)."""
    v = [0.0] + [f32(x) for x in values]
    return residual(formula, v)


def solve(formula, values, unknown, guess):
    """Float value of position `unknown` (1-based) that makes the residual
    smallest, the other values held as given.  Bisection on the double
    residual brackets the root; the floats around it are then compared."""

    def res(x):
        v = list(values)
        v[unknown - 1] = x
        return evaluate(formula, v)[0]

    lo = hi = guess
    r_lo = r_hi = res(guess)
    for _ in range(200):  # widen a bracket geometrically around the guess
        if r_lo * r_hi <= 0:
            break
        lo, hi = lo / 1.5, hi * 1.5
        r_lo, r_hi = res(lo), res(hi)
    else:
        raise ValueError("no sign change for %s position %d" % (formula, unknown))
    for _ in range(200):
        mid = 0.5 * (lo + hi)
        r_mid = res(mid)
        if r_lo * r_mid <= 0:
            hi, r_hi = mid, r_mid
        else:
            lo, r_lo = mid, r_mid
    centre = f32(0.5 * (lo + hi))
    best = min(
        (f32_step(centre, k) for k in range(-64, 65)), key=lambda x: abs(res(x))
    )
    return best
