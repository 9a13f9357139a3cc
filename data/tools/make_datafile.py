#!/usr/bin/env python3
"""Writes data/Vantrel.rtf, the calculator's system data file.

Everything the calculator shows about its pages comes from that file: the
window layout, each page's tab caption and title, its variables (caption,
default value in base SI units, default unit, default unknown), the unit
rows (name, display format, factor = value in unit / value in base unit),
the accepted ranges and the tips.  Edit the tables below and run

    python3 data/tools/make_datafile.py          # writes data/Vantrel.rtf
    python3 data/tools/check_datafile.py         # reads it back and checks it

The unknown's default and the derived outputs are not written by hand:
they are computed with the single-precision mirror of the formulas in
formulas.py, so that the defaults always form a solved state.

Rules the data must keep (the loader cuts the file at marker texts):
no "#" in a caption, range or tip; no "@" or "," in a unit name or format;
no "," in a caption or in a page title; captions of at most 14 characters
with one "&" access key per caption, at the start of a word and unique on
its page (not E, which is the Exit button's); tips of at most 6 lines of
about 36 characters.
"""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from formulas import evaluate, f32_exact, f32_text, leading_number, solve  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, os.pardir, "Vantrel.rtf")

# Window layout record: tab strip height, tab strip width, window height,
# window width (twips).
LAYOUT = "400, 10050, 6600, 10050"

# ---------------------------------------------------------------------------
# Unit rows: (name, display format, factor).  Factor = value in the unit
# divided by the value in the base SI unit (first item of every row).
# A single blank as name means "no unit".

FT = 3.280840
INCH = 39.37008


def length_units(m, mm, cm, inch, ft):
    """A length row with the given display format per unit."""
    return [("m", m, "1"), ("mm", mm, "1000"), ("cm", cm, "100"),
            ("in", inch, "39.37008"), ("ft", ft, "3.280840")]


# A head as the pressure of a column of water that high: conventional water
# (1000 kg/m³) under standard gravity (9.80665 m/s²), as the user guide
# states.  The names say "H2O" so that nobody reads them as the pressure of
# the flowing fluid when it is another.
WATER_KPA = 9.80665
PSI_IN_KPA = 6.894757


def water_column_units(kpa, bar, psi):
    """kPa, bar and psi of a water column, with the given display formats."""
    return [("kPa H2O", kpa, "%.6g" % WATER_KPA),
            ("bar H2O", bar, "%.6g" % (WATER_KPA / 100)),
            ("psi H2O", psi, "%.7g" % (WATER_KPA / PSI_IN_KPA))]


DIAMETER = length_units("0.00000", "0.0#", "0.00#", "0.000", "0.0000")
HEAD = (length_units("0.0000", "0.0#", "0.00#", "0.000", "0.0000")
        + water_column_units("0.000", "0.00000", "0.0000"))
SMALL_HEAD = (length_units("0.00000", "0.00#", "0.000#", "0.0000", "0.00000")
              + water_column_units("0.0000", "0.000000", "0.00000"))
PIPE_LENGTH = [("m", "0.0#", "1"), ("km", "0.0000#", "0.001"),
               ("ft", "0.0#", "3.280840"), ("mi", "0.0000#", "0.0006213712")]
ROUGHNESS = [("m", "0.000E+00", "1"), ("mm", "0.0000", "1000"),
             ("\u00b5m", "0.0#", "1000000"), ("in", "0.000E+00", "39.37008"),
             ("ft", "0.000E+00", "3.280840")]
FLOW = [("m\u00b3/s", "0.000000", "1"), ("l/s", "0.000", "1000"),
        ("m\u00b3/h", "0.00", "3600"), ("l/min", "0.0", "60000"),
        ("US gpm", "0.00", "15850.32"), ("ft\u00b3/s", "0.00000", "35.31467")]
VISCOSITY = [("m\u00b2/s", "0.000E+00", "1"), ("mm\u00b2/s", "0.000#", "1000000"),
             ("cSt", "0.000#", "1000000"), ("ft\u00b2/s", "0.000E+00", "10.76391")]
VELOCITY = [("m/s", "0.000", "1"), ("ft/s", "0.000", "3.280840")]
GRADIENT = [("m/m", "0.00000##", "1"), ("m/km", "0.000", "1000"),
            ("%", "0.0000", "100"), ("ft/100 ft", "0.0000", "100")]
RATIO_PERCENT = [(" ", "0.000", "1"), ("%", "0.0", "100")]


def no_unit(fmt):
    return [(" ", fmt, "1")]


# ---------------------------------------------------------------------------
# Tips.  Markup: <b> bold, <i> italic, <sup>/<sub>, <c> the name colour,
# <r> the warning colour; a new line of the text is a line of the tip.

TIP_DIAMETER = """<c><b>Pipe diameter</b></c> <i>D</i>
The internal (bore) diameter, not
the nominal size of the pipe.
Water mains: 100 to 600 mm."""

TIP_FLOW = """<c><b>Flow rate</b></c> <i>Q</i>
Volume passing per unit time.
1 m<sup>3</sup>/s = 1000 l/s = 3600 m<sup>3</sup>/h
1 l/s = 15.85 US gpm"""

TIP_LENGTH = """<c><b>Pipe length</b></c> <i>L</i>
Length of the pipe between the two
points whose heads are compared."""

TIP_GRADIENT = """<c><b>Hydraulic gradient</b></c> <i>S</i> = <i>h</i><sub>f</sub>/<i>L</i>
Computed. Mains are often designed
for 1 to 5 m/km."""

TIP_K_PIPE = """<c><b>Equivalent loss coefficient</b></c>
<i>K</i> = 2<i>g h</i><sub>f</sub>/<i>v</i><sup>2</sup>: the pipe as a fitting.
Computed."""

TIP_VELOCITY = """<c><b>Mean velocity</b></c> <i>v</i> = <i>Q</i>/<i>A</i>
Computed. Usual in water mains:
0.5 to 2 m/s."""

TIP_FITTING_HEAD = """<c><b>Head loss</b></c> <i>h</i><sub>L</sub> = <i>K v</i><sup>2</sup>/2<i>g</i>
Loss across the fitting in metres
of the flowing fluid."""

TIP_FITTING_VELOCITY = """<c><b>Mean velocity</b></c> <i>v</i> = <i>Q</i>/<i>A</i>
Computed; the velocity head
<i>v</i><sup>2</sup>/2<i>g</i> is based on it."""

# ---------------------------------------------------------------------------
# Pages.  Each variable: (caption, default or None for the unknown or an
# output, unit row, default unit index, range expression, tip).  The page's
# unknown is named by `unknown` (1-based); outputs are the formula's derived
# positions and get their defaults from the formula.

PAGES = [
    dict(
        caption="H.Williams",
        title="Hazen-Williams :- Friction head loss of water in a full pipe",
        split=6, focus=1, unknown=5, outputs=(6, 7, 8), guess=1.0,
        heading="Page 1: Hazen-Williams (water, turbulent flow)",
        variables=[
            ("&Pipe Dia. =", "0.3", DIAMETER, 2, "F,>0~10", TIP_DIAMETER),
            ("&Flow Rate =", "0.05", FLOW, 2, "F,>0~100", TIP_FLOW),
            ("&C Factor =", "130", no_unit("0.0"), 1, "F,20~200",
             """<c><b>Hazen-Williams coefficient</b></c> <i>C</i>
PVC, PE: 140\u2013150; copper: 130\u2013140
New steel: 120; ductile iron: 130
Concrete: 100\u2013140
Old cast iron: 80\u2013100"""),
            ("Pipe &Length =", "1000", PIPE_LENGTH, 1, "F,>0~100000", TIP_LENGTH),
            ("&Head Loss =", None, HEAD, 1, "F,>0~10000",
             """<c><b>Head loss</b></c> <i>h</i><sub>f</sub>
Friction loss over the length <i>L</i>.
<r>Hazen-Williams is for water</r>
<r>(5\u201325 \u00b0C) in turbulent flow.</r>"""),
            ("&Gradient =", None, GRADIENT, 2, "F,*", TIP_GRADIENT),
            ("&K Factor =", None, no_unit("0.00"), 1, "F,*", TIP_K_PIPE),
            ("&Velocity =", None, VELOCITY, 1, "F,*", TIP_VELOCITY),
        ],
    ),
    dict(
        caption="C.White",
        title="Colebrook-White :- Friction head loss in a full pipe for any fluid",
        split=7, focus=1, unknown=6, outputs=(7, 8, 9), guess=1.0,
        heading="Page 2: Colebrook-White (any fluid, turbulent flow)",
        variables=[
            ("&Pipe Dia. =", "0.3", DIAMETER, 2, "F,>0~10", TIP_DIAMETER),
            ("&Flow Rate =", "0.05", FLOW, 2, "F,>0~100", TIP_FLOW),
            ("&Roughness =", "0.0001", ROUGHNESS, 2, "F,0~0.05",
             """<c><b>Roughness height</b></c> <i>k</i>
PVC, copper: 0.0015 mm
Steel: 0.045 mm; galvanised: 0.15
Cast iron: 0.26; concrete: 0.3\u20133
Old tuberculated mains: up to 5"""),
            ("&Viscosity =", "1E-06", VISCOSITY, 2, "F,>0~0.01",
             """<c><b>Kinematic viscosity</b></c> <i>\u03bd</i>
Water: 1.31 mm<sup>2</sup>/s at 10 \u00b0C, 1.00
at 20 \u00b0C, 0.80 at 30 \u00b0C.
1 mm<sup>2</sup>/s = 1 cSt = 10<sup>-6</sup> m<sup>2</sup>/s"""),
            ("Pipe &Length =", "1000", PIPE_LENGTH, 1, "F,>0~100000", TIP_LENGTH),
            ("&Head Loss =", None, HEAD, 1, "F,>0~10000",
             """<c><b>Head loss</b></c> <i>h</i><sub>f</sub>
Friction loss over the length <i>L</i>.
<r>Valid in turbulent flow</r>
<r>(Re above about 4000).</r>"""),
            ("&Gradient =", None, GRADIENT, 2, "F,*", TIP_GRADIENT),
            ("&K Factor =", None, no_unit("0.00"), 1, "F,*", TIP_K_PIPE),
            ("Veloc&ity =", None, VELOCITY, 1, "F,*", TIP_VELOCITY),
        ],
    ),
    dict(
        caption="Manning",
        title="Manning :- Gravity flow in a partly full circular pipe",
        split=7, focus=1, unknown=2, outputs=(7, 8, 9), guess=0.05,
        heading="Page 3: Manning (gravity flow, partly full pipe)",
        variables=[
            ("&Pipe Dia. =", "0.3", DIAMETER, 2, "F,>0~10", TIP_DIAMETER),
            ("&Flow Rate =", None, FLOW, 2, "F,>0~100",
             """<c><b>Flow rate</b></c> <i>Q</i>
Discharge of the pipe flowing
partly full with a free surface.
1 m<sup>3</sup>/s = 1000 l/s"""),
            ("&Manning n =", "0.013", no_unit("0.0000"), 1, "F,0.005~0.2",
             """<c><b>Manning coefficient</b></c> <i>n</i>
PVC, PE: 0.009\u20130.011
Concrete: 0.012\u20130.015
Corrugated metal: 0.024
Vitrified clay: 0.013"""),
            ("&Depth y/D =", "0.8", RATIO_PERCENT, 1, "F,>0~1",
             """<c><b>Depth ratio</b></c> <i>y</i>/<i>D</i>
Depth of flow over the diameter:
1 = full, 0.5 = half full. The
flow is largest near 0.94."""),
            ("Pipe &Length =", "1000", PIPE_LENGTH, 1, "F,>0~100000", TIP_LENGTH),
            ("&Head Loss =", "2", HEAD, 1, "F,>0~10000",
             """<c><b>Fall</b></c> <i>h</i><sub>f</sub>
Drop of the pipe invert and of the
water surface over the length <i>L</i>."""),
            ("&Gradient =", None, GRADIENT, 2, "F,*",
             """<c><b>Slope</b></c> <i>S</i> = <i>h</i><sub>f</sub>/<i>L</i>
Computed. Sewers: at least the
self-cleansing slope."""),
            ("&K Factor =", None, no_unit("0.00"), 1, "F,*", TIP_K_PIPE),
            ("&Velocity =", None, VELOCITY, 1, "F,*",
             """<c><b>Mean velocity</b></c> <i>v</i> = <i>Q</i>/<i>A</i>
Computed. Sewers need about 0.6 m/s
or more to stay clean."""),
        ],
    ),
    dict(
        caption="Orifice",
        title="Orifice Plate :- Flow through a sharp-edged orifice plate",
        split=6, focus=1, unknown=3, outputs=(6, 7, 8), guess=0.03,
        heading="Page 4: Orifice plate in a pipe",
        variables=[
            ("&Pipe Dia. =", "0.2", DIAMETER, 2, "F,>0~10", TIP_DIAMETER),
            ("&Beta d/D =", "0.6", no_unit("0.0000"), 1, "F,>0~<1",
             """<c><b>Diameter ratio</b></c> <i>\u03b2</i> = <i>d</i>/<i>D</i>
Orifice bore over pipe diameter.
Standard plates: 0.1 to 0.75."""),
            ("&Flow Rate =", None, FLOW, 2, "F,>0~100",
             """<c><b>Flow rate</b></c> <i>Q</i>
Flow through the pipe and plate.
1 m<sup>3</sup>/s = 1000 l/s"""),
            ("&Diff. Head =", "1", HEAD, 1, "F,>0~10000",
             """<c><b>Differential head</b></c> <i>h</i>
Head difference between the
pressure tappings, in metres of
the flowing fluid.
1 m of water = 9.81 kPa"""),
            ("Coeff. &Cd =", "0.61", no_unit("0.000"), 1, "F,>0~1",
             """<c><b>Discharge coefficient</b></c> <i>C</i><sub>d</sub>
Sharp-edged plate: 0.60\u20130.62,
a little higher at low Re."""),
            ("Pipe &Vel. =", None, VELOCITY, 1, "F,*",
             """<c><b>Pipe velocity</b></c> <i>v</i> = <i>Q</i>/<i>A</i>
Computed."""),
            ("&Orif. Vel. =", None, VELOCITY, 1, "F,*",
             """<c><b>Orifice velocity</b></c> <i>v</i><sub>0</sub>
Mean velocity in the bore.
Computed."""),
            ("&K Factor =", None, no_unit("0.00"), 1, "F,*",
             """<c><b>Loss coefficient</b></c> <i>K</i> = 2<i>gh</i>/<i>v</i><sup>2</sup>
Based on the pipe velocity <i>v</i>.
Computed."""),
        ],
    ),
    dict(
        caption="Bends",
        title="Bends :- Head loss in pipe bends and elbows",
        split=5, focus=1, unknown=4, outputs=(5,), guess=0.05,
        heading="Page 5: Bends and elbows",
        variables=[
            ("&Pipe Dia. =", "0.15", DIAMETER, 2, "F,>0~10", TIP_DIAMETER),
            ("&Flow Rate =", "0.03", FLOW, 2, "F,>0~100", TIP_FLOW),
            ("&K Factor =", "0.3", no_unit("0.000"), 1, "F,0~1000",
             """<c><b>Loss coefficient</b></c> <i>K</i>
90\u00b0 elbow, flanged: 0.3
90\u00b0 elbow, threaded: 1.5
90\u00b0 long radius: 0.2
45\u00b0 elbow: 0.2\u20130.4
180\u00b0 return: 0.2\u20131.5"""),
            ("&Head Loss =", None, SMALL_HEAD, 1, "F,0~10000", TIP_FITTING_HEAD),
            ("&Velocity =", None, VELOCITY, 1, "F,*", TIP_FITTING_VELOCITY),
        ],
    ),
    dict(
        caption="Valves",
        title="Valves :- Head loss in valves",
        split=5, focus=1, unknown=4, outputs=(5,), guess=0.05,
        heading="Page 6: Valves",
        variables=[
            ("&Pipe Dia. =", "0.15", DIAMETER, 2, "F,>0~10", TIP_DIAMETER),
            ("&Flow Rate =", "0.03", FLOW, 2, "F,>0~100", TIP_FLOW),
            ("&K Factor =", "0.2", no_unit("0.000"), 1, "F,0~1000",
             """<c><b>Loss coefficient</b></c> <i>K</i> (open)
Gate valve: 0.15\u20130.2
Ball valve: 0.05; butterfly: 0.3
Globe valve: 10; angle valve: 5
Swing check valve: 2"""),
            ("&Head Loss =", None, SMALL_HEAD, 1, "F,0~10000", TIP_FITTING_HEAD),
            ("&Velocity =", None, VELOCITY, 1, "F,*", TIP_FITTING_VELOCITY),
        ],
    ),
    dict(
        caption="In/Out",
        title="Inlets and Outlets :- Entry and exit losses of a pipe",
        split=5, focus=1, unknown=4, outputs=(5,), guess=0.05,
        heading="Page 7: Pipe inlets and outlets",
        variables=[
            ("&Pipe Dia. =", "0.15", DIAMETER, 2, "F,>0~10", TIP_DIAMETER),
            ("&Flow Rate =", "0.03", FLOW, 2, "F,>0~100", TIP_FLOW),
            ("&K Factor =", "0.5", no_unit("0.000"), 1, "F,0~1000",
             """<c><b>Loss coefficient</b></c> <i>K</i>
Inlet, sharp-edged: 0.5
Inlet, re-entrant: 0.8\u20131.0
Inlet, well rounded: 0.04
Outlet into a tank: 1.0"""),
            ("&Head Loss =", None, SMALL_HEAD, 1, "F,0~10000", TIP_FITTING_HEAD),
            ("&Velocity =", None, VELOCITY, 1, "F,*", TIP_FITTING_VELOCITY),
        ],
    ),
    dict(
        caption="Expansion",
        title="Sudden Expansion :- Head loss at a sudden enlargement",
        split=6, focus=1, unknown=5, outputs=(6, 7, 8), guess=0.05,
        heading="Page 8: Sudden expansion",
        variables=[
            ("&Upstream D1 =", "0.1", DIAMETER, 2, "F,>0~10",
             """<c><b>Upstream diameter</b></c> <i>D</i><sub>1</sub>
Bore of the smaller pipe,
before the enlargement."""),
            ("&Downstr. D2 =", "0.2", DIAMETER, 2, "F,>0~10",
             """<c><b>Downstream diameter</b></c> <i>D</i><sub>2</sub>
Bore of the larger pipe,
after the enlargement."""),
            ("&Flow Rate =", "0.02", FLOW, 2, "F,>0~100", TIP_FLOW),
            ("&K Factor =", "0.5625", no_unit("0.0000"), 1, "F,0~1000",
             """<c><b>Loss coefficient</b></c> <i>K</i>, on <i>v</i><sub>1</sub>
Sudden (Borda-Carnot):
<i>K</i> = (1 \u2013 <i>A</i><sub>1</sub>/<i>A</i><sub>2</sub>)<sup>2</sup>
Conical, 10\u00b0 included: 0.2<i>K</i>
Outlet into a tank: <i>K</i> = 1"""),
            ("&Head Loss =", None, SMALL_HEAD, 1, "F,0~10000",
             """<c><b>Head loss</b></c> <i>h</i><sub>L</sub> = <i>K v</i><sub>1</sub><sup>2</sup>/2<i>g</i>
Loss across the enlargement in
metres of the flowing fluid."""),
            ("Velocity &1 =", None, VELOCITY, 1, "F,*",
             """<c><b>Upstream velocity</b></c> <i>v</i><sub>1</sub>
Computed."""),
            ("Velocity &2 =", None, VELOCITY, 1, "F,*",
             """<c><b>Downstream velocity</b></c> <i>v</i><sub>2</sub>
Computed."""),
            ("&Area Ratio =", None, no_unit("0.0000"), 1, "F,*",
             """<c><b>Area ratio</b></c> <i>A</i><sub>1</sub>/<i>A</i><sub>2</sub>
Computed; below 1 for a real
enlargement."""),
        ],
    ),
    dict(
        caption="Contraction",
        title="Sudden Contraction :- Head loss at a sudden reduction",
        split=6, focus=1, unknown=5, outputs=(6, 7, 8), guess=0.05,
        heading="Page 9: Sudden contraction",
        variables=[
            ("&Upstream D1 =", "0.2", DIAMETER, 2, "F,>0~10",
             """<c><b>Upstream diameter</b></c> <i>D</i><sub>1</sub>
Bore of the larger pipe,
before the reduction."""),
            ("&Downstr. D2 =", "0.1", DIAMETER, 2, "F,>0~10",
             """<c><b>Downstream diameter</b></c> <i>D</i><sub>2</sub>
Bore of the smaller pipe,
after the reduction."""),
            ("&Flow Rate =", "0.02", FLOW, 2, "F,>0~100", TIP_FLOW),
            ("&K Factor =", "0.375", no_unit("0.0000"), 1, "F,0~1000",
             """<c><b>Loss coefficient</b></c> <i>K</i>, on <i>v</i><sub>2</sub>
Rounded or conical: 0.05\u20130.1
Sudden, square-edged:
<i>K</i> \u2248 0.5 (1 \u2013 <i>A</i><sub>2</sub>/<i>A</i><sub>1</sub>)"""),
            ("&Head Loss =", None, SMALL_HEAD, 1, "F,0~10000",
             """<c><b>Head loss</b></c> <i>h</i><sub>L</sub> = <i>K v</i><sub>2</sub><sup>2</sup>/2<i>g</i>
Loss across the reduction in
metres of the flowing fluid."""),
            ("Velocity &1 =", None, VELOCITY, 1, "F,*",
             """<c><b>Upstream velocity</b></c> <i>v</i><sub>1</sub>
Computed."""),
            ("Velocity &2 =", None, VELOCITY, 1, "F,*",
             """<c><b>Downstream velocity</b></c> <i>v</i><sub>2</sub>
Computed."""),
            ("&Area Ratio =", None, no_unit("0.0000"), 1, "F,*",
             """<c><b>Area ratio</b></c> <i>A</i><sub>2</sub>/<i>A</i><sub>1</sub>
Computed; below 1 for a real
reduction."""),
        ],
    ),
]

# ---------------------------------------------------------------------------
# Defaults: the unknown is solved and the outputs evaluated in single
# precision, then written as the shortest text that reads back as the same
# float.


def solved_defaults(page):
    """Default value texts of the page, unknown and outputs computed."""
    values = [f32_exact(leading_number(v[1])) if v[1] is not None else 0.0
              for v in page["variables"]]
    unknown = page["unknown"]
    values[unknown - 1] = solve(page["caption"], values, unknown, page["guess"])
    _, _, outputs = evaluate(page["caption"], values)
    for pos, value in outputs.items():
        values[pos - 1] = value
    texts = []
    for j, var in enumerate(page["variables"], start=1):
        if j == unknown or j in outputs:
            texts.append(f32_text(values[j - 1]))
        else:
            texts.append(var[1])
    return texts


# ---------------------------------------------------------------------------
# RTF writing.  The document is written as a word processor would: font and
# colour tables, one \pard paragraph per line, every run self-contained,
# non-ASCII characters as \uN?.

FONTS = ["\\f0\\fswiss\\fcharset0 Arial", "\\f1\\fmodern\\fcharset0 Courier New"]
# 1 black, 2 name blue, 3 warning red, 4 note grey
COLOURS = [(0, 0, 0), (0, 0, 160), (176, 0, 0), (96, 96, 96)]
TAG_WORDS = {"b": "\\b", "i": "\\i", "sup": "\\super", "sub": "\\sub",
             "c": "\\cf2", "r": "\\cf3"}
TIP_FORMAT = "\\f0\\fs20"
RECORD_FORMAT = "\\f1\\fs20"


def escape(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ch == "\t":
            out.append("\\tab ")
        elif 0x20 <= code < 0x7F:
            out.append(ch)
        elif code > 0x7F:
            out.append("\\u%d?" % (code if code < 32768 else code - 65536))
    return "".join(out)


def markup_to_rtf(text):
    """RTF of a text with the tip markup; returns (rtf, plain lines)."""
    rtf, plain = [], []
    for part in re.split(r"(</?(?:b|i|sup|sub|c|r)>|\n)", text):
        if part == "\n":
            rtf.append("\\line ")
            plain.append("\n")
        elif part.startswith("</") and part[2:-1] in TAG_WORDS:
            rtf.append("}")
        elif part.startswith("<") and part[1:-1] in TAG_WORDS:
            rtf.append("{" + TAG_WORDS[part[1:-1]] + " ")
        else:
            rtf.append(escape(part))
            plain.append(part)
    return "".join(rtf), "".join(plain).split("\n")


def paragraph(body, fmt=RECORD_FORMAT, para=""):
    return "\\pard%s\\plain%s %s\\par\n" % (para, fmt, body)


def heading(text):
    return paragraph(escape(text), "\\f0\\fs28\\b\\cf2", "\\keepn\\sb360\\sa120")


def note(text):
    return paragraph(escape(text), "\\f0\\fs18\\i\\cf4")


def marker(name):
    return paragraph(escape(name), "\\f1\\fs20\\b")


def label(caption):
    """The caption without its access-key mark and equals sign, as a
    maintainer's label in front of a unit row or range record."""
    return caption.replace("&", "").rstrip(" =")


def page_rtf(number, page, defaults):
    variables = page["variables"]
    parts = [heading(page["heading"])]

    parts.append(note("Variables: caption, default value in SI base units, "
                      "default unit number, 1 = default unknown. "
                      "Last record: first row of the second frame, "
                      "window title, tab caption, row with the focus."))
    parts.append(marker("\\SYSTEM/"))
    for (caption, _, _, unit, _, _), default, j in zip(variables, defaults,
                                                       range(1, len(variables) + 1)):
        check = 1 if j == page["unknown"] else 0
        parts.append(paragraph(escape("#%s,%s,%d,%d#" % (caption, default, unit, check))))
    parts.append(paragraph(escape("#%d,%s,%s,%d#" % (page["split"], page["title"],
                                                     page["caption"], page["focus"]))))
    parts.append(marker("\\SYSTEM/"))

    parts.append(note("Units, one row per variable: name, display format, "
                      "factor (value in the unit = factor x value in SI units). "
                      "The label in front of a row is only for the reader."))
    parts.append(marker("\\UNIT/"))
    for caption, _, units, _, _, _ in variables:
        items = " ".join("@%s,%s,%s@" % u for u in units)
        parts.append(paragraph(escape("%s\t\\ROW/%s\\ROW/" % (label(caption), items)),
                               para="\\tx1800"))
    parts.append(marker("\\UNIT/"))

    parts.append(note("Accepted ranges in SI units, one per variable."))
    parts.append(marker("\\Range/"))
    for var in variables:
        parts.append(paragraph(escape("%s\t#%s#" % (label(var[0]), var[4])), para="\\tx1800"))
    parts.append(marker("\\Range/"))

    parts.append(note("Tips, one per row."))
    parts.append(marker("\\Tips/"))
    for var in variables:
        body, _ = markup_to_rtf(var[5])
        parts.append(paragraph("#" + body + "#", TIP_FORMAT))
    parts.append(marker("\\Tips/"))
    return "".join(parts)


def document():
    header = ["{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\\uc1\n"]
    header.append("{\\fonttbl" + "".join("{%s;}" % f for f in FONTS) + "}\n")
    header.append("{\\colortbl;" + "".join("\\red%d\\green%d\\blue%d;" % c
                                           for c in COLOURS) + "}\n")
    header.append("{\\info{\\title Vantrel system data}"
                  "{\\subject Pages, units, ranges and tips of the calculator}}\n")
    header.append("\\paperw11906\\paperh16838\\margl1134\\margr1134"
                  "\\margt1134\\margb1134\\widowctrl\\viewkind4\n")
    body = [paragraph(escape("Vantrel system data"), "\\f0\\fs36\\b\\cf2", "\\qc\\sa120")]
    body.append(note("The calculator reads this document at start-up. Text "
                     "outside the marked sections is ignored. Keep every "
                     "record on one line and write no comma inside a caption, "
                     "title or unit, and no number sign inside a record or tip."))
    body.append(heading("Window layout"))
    body.append(note("Tab strip height, tab strip width, window height, "
                     "window width (twips)."))
    body.append(marker("\\Form/"))
    body.append(paragraph(escape("#%s#" % LAYOUT)))
    body.append(marker("\\Form/"))
    for number, page in enumerate(PAGES, start=1):
        body.append(page_rtf(number, page, solved_defaults(page)))
    return "".join(header) + "".join(body) + "}\n"


# ---------------------------------------------------------------------------
# Checks of the hand-written tables that the loader cannot make.

MAX_CAPTION = 14
MAX_TIP_LINE = 36
MAX_TIP_LINES = 6


def check_tables():
    problems = []
    for page in PAGES:
        keys = set()
        for caption, _, units, unit, rng, tip in page["variables"]:
            where = "%s %r" % (page["caption"], caption)
            if len(caption) > MAX_CAPTION or "," in caption or "#" in caption:
                problems.append(where + ": caption too long or with a marker")
            if caption.count("&") != 1 or not caption.endswith(" ="):
                problems.append(where + ": caption needs one & and a trailing ' ='")
            key = caption[caption.index("&") + 1].upper()
            if key in keys or key == "E":
                problems.append(where + ": access key %s not unique" % key)
            keys.add(key)
            # The range message shows the caption with a blank for the "&":
            # a key inside a word would split it ("V iscosity"). A row that
            # accepts any value never gets that message.
            at = caption.index("&")
            if at > 0 and caption[at - 1] != " " and rng != "F,*":
                problems.append(where + ": access key inside a word")
            if not 1 <= unit <= len(units):
                problems.append(where + ": default unit out of its row")
            for name, fmt, _ in units:
                if any(c in name + fmt for c in ",@") or "\\" in name:
                    problems.append(where + ": unit %r carries a marker" % name)
            if "#" in rng or " " in rng:
                problems.append(where + ": range %r" % rng)
            _, lines = markup_to_rtf(tip)
            if "  " in tip:
                problems.append(where + ": tip with a run of blanks")
            if "#" in tip or len(lines) > MAX_TIP_LINES:
                problems.append(where + ": tip has a # or too many lines")
            if max(len(x) for x in lines) > MAX_TIP_LINE:
                problems.append(where + ": tip line longer than %d" % MAX_TIP_LINE)
            # The tip box is as wide as its longest line but the last line,
            # which is never measured: it must not be the longest one.
            if len(lines) > 1:
                measured = max([len(lines[0])] + [len(x) + 1 for x in lines[1:-1]])
                if len(lines[-1]) > measured:
                    problems.append(where + ": tip's last line is its longest")
        for text in (page["title"], page["caption"]):
            if any(c in text for c in ",#"):
                problems.append(page["caption"] + ": page text with a marker")
    return problems


def main():
    problems = check_tables()
    if problems:
        sys.stderr.write("\n".join(problems) + "\n")
        return 1
    with open(OUTPUT, "w", encoding="ascii", newline="\r\n") as f:
        f.write(document())
    print("wrote", os.path.normpath(OUTPUT))
    return 0


if __name__ == "__main__":
    sys.exit(main())
