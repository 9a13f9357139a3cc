#!/usr/bin/env python3
"""Writes the user guide in its two forms, data/QuorHelp.htm and data/QuorHelp.rtf.

Both are rendered from the one text below, so they always say the same.
The tables of variables, default values, units and ranges are taken from
make_datafile.py, the source of the shipped data file, so the guide and
the calculator cannot drift apart: edit the data there and rerun

    python3 data/tools/make_datafile.py && python3 data/tools/make_help.py

Inline markup of the text: <b> <i> <sup> <sub> and <code>.
"""

import html
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from formulas import f32_exact, leading_number  # noqa: E402
from make_datafile import PAGES, escape, solved_defaults  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.normpath(os.path.join(HERE, os.pardir))

# ---------------------------------------------------------------------------
# Building blocks of the guide.


def H1(text):
    return ("h1", text)


def H2(text, anchor):
    return ("h2", text, anchor)


def H3(text, anchor=None):
    return ("h3", text, anchor)


def P(text):
    return ("p", text)


def EQ(text):
    return ("eq", text)


def UL(*items):
    return ("ul", list(items))


def TABLE(head, rows, widths):
    """A table; widths are the column widths in twips for the RTF form."""
    return ("table", head, rows, widths)


def NOTE(text):
    return ("note", text)


# ---------------------------------------------------------------------------
# Facts taken from the data file's tables.


def number(x):
    """x to five significant digits; powers of ten only for tiny values."""
    text = "%.5g" % x
    if "e" in text:
        mant, exp = text.split("e")
        if int(exp) > 0:
            return "%d" % round(float(text))
        return "%s\u00d710<sup>%d</sup>" % (mant, int(exp))
    return text


def unit_name(name):
    return "(no unit)" if name.strip() == "" else name


def base_unit(units):
    return unit_name(units[0][0])


def range_text(expr, units):
    """The accepted range in words, in the base unit."""
    kind, *items = expr.split(",")
    words = []
    for item in items:
        if item.strip() == "*":
            return "any value (computed)"
        if "~" in item:
            low, high = item.split("~", 1)
            lo = number(float(leading_number(low.lstrip(">"))))
            hi = number(float(leading_number(high.lstrip("<"))))
            left = "above " + lo if low.startswith(">") else "from " + lo
            right = "below " + hi if high.startswith("<") else "up to " + hi
            words.append(left + " " + right)
        else:
            words.append(number(float(leading_number(item))))
    unit = base_unit(units)
    suffix = "" if unit == "(no unit)" else " " + unit
    return " or ".join(words) + suffix


def variable_rows(page):
    rows = []
    defaults = solved_defaults(page)
    for j, (caption, given, units, unit, expr, _) in enumerate(page["variables"], start=1):
        name, _, factor = units[unit - 1]
        value = float(f32_exact(leading_number(defaults[j - 1]))) * float(factor)
        shown = number(value) + ("" if name.strip() == "" else " " + name)
        if j == page["unknown"]:
            shown += " (computed)"
        elif given is None:
            shown += " (result)"
        caption_text = caption.replace("&", "").rstrip(" =")
        units_text = ", ".join(unit_name(u[0]) for u in units)
        rows.append([str(j), caption_text, units_text, range_text(expr, units), shown])
    return rows


VAR_HEAD = ["Row", "Caption", "Units (first = SI base)", "Accepted range (SI)", "Default"]
VAR_WIDTHS = [500, 1500, 2700, 2300, 2000]


def page_table(caption):
    page = next(p for p in PAGES if p["caption"] == caption)
    return TABLE(VAR_HEAD, variable_rows(page), VAR_WIDTHS)


def page_title(caption):
    return next(p for p in PAGES if p["caption"] == caption)["title"]


# ---------------------------------------------------------------------------
# The guide.

GUIDE = [
    H1("Vantrel User Guide"),
    P("<b>Vantrel</b> is a calculator for flow in pipes and pipe fittings. Each tab of "
      "its window is one hydraulic formula: three pipe-friction formulas "
      "(Hazen-Williams, Colebrook-White, Manning), the orifice plate, and the "
      "loss coefficients of bends, valves, inlets and outlets, sudden expansions "
      "and sudden contractions. On every page you may compute <i>any</i> variable "
      "from the others: tick the one you want, type the others, and Vantrel "
      "solves the formula for it numerically."),
    H2("Contents", "contents"),
    ("toc",),

    H2("1. Starting Vantrel", "start"),
    P("Start Vantrel from your desktop's menu (it is among the Science and "
      "Engineering programs) or type <code>vantrel</code> in a terminal, in any "
      "folder. Vantrel reads its data file <code>Vantrel.rtf</code> from the current "
      "folder when there is one there, so that a copy you have changed is used "
      "(section 12); otherwise it reads the one installed with it, in "
      "<code>/usr/share/vantrel</code> (or <code>share/vantrel</code> beside the "
      "folder of the program, when it is installed elsewhere). This guide, "
      "<code>QuorHelp.htm</code> and <code>QuorHelp.rtf</code>, is looked for in the "
      "folder the data file came from. While the data file is read a small window "
      "with a progress bar is shown; then the main window opens on the first page, "
      "and the status bar reads <code>Ready</code>."),
    P("If no data file is found, Vantrel shows the message "
      "<code>System Data File not found !</code> with the path it looked for, and "
      "ends when you close the message. <code>vantrel --version</code> prints the "
      "program's version without opening a window."),
    P("The window opens where you left it the last time (centred on the screen "
      "the first time). Values are <i>not</i> kept between runs: every start "
      "begins with the default values of the data file."),

    H2("2. The window", "window"),
    P("<b>Tabs.</b> The tab strip at the top holds one tab per formula page. Rest "
      "the pointer on a tab to see what the page computes; the window title shows "
      "the full name of the page's formula. Click a tab to change pages. When the "
      "tab strip has the keyboard focus, the <b>Up</b> and <b>Down</b> arrow keys "
      "step through the pages in a circle, and <b>Left</b> or <b>Right</b> puts the "
      "focus back into the page's values."),
    TABLE(["Tab", "Page"],
          [[p["caption"], page_title(p["caption"]).replace(" :- ", ": ")]
           for p in PAGES], [1600, 7400]),
    P("<b>Rows.</b> A page is a column of rows, one per variable of its formula. "
      "Each row has a check box with the variable's caption, a value box and a "
      "unit field. The upper frame holds the variables of the formula; the lower "
      "frame holds the results that are always derived from them (gradient, "
      "velocities, loss coefficient, area ratio)."),
    P("<b>Buttons.</b> <b>Exit</b>, <b>Reset</b>, <b>Compute</b> and <b>Help</b> stand "
      "to the right of the rows. The status bar at the bottom reads "
      "<code>Ready</code>, or <code>Try No.</code> with a count while a value is "
      "being solved for. Beside it, the <b>checks</b> give the Reynolds number and "
      "flow regime of the page and what is worth knowing about its values "
      "(section 10)."),
    P("Every page keeps its values, its unknown and its units while you work on "
      "other pages, for as long as Vantrel runs."),

    H2("3. Choosing the unknown", "unknown"),
    P("One variable of the page is the <b>unknown</b>: the one Vantrel computes. "
      "Its check box is ticked, its caption ends with a question mark (for example "
      "<code>Head Loss =?</code>), and its value box cannot be typed into."),
    UL("To compute another variable, click its check box (or press Alt with the "
       "underlined letter of its caption). The tick and the \u201c?\u201d move to "
       "that row, and the previous unknown becomes a value you can type.",
       "Clicking the ticked box of the unknown changes nothing: there is always "
       "exactly one unknown.",
       "Changing the unknown computes nothing by itself. The page is solved the "
       "next time you enter a value.",
       "Any variable of the upper frame can be the unknown: Vantrel never "
       "rearranges a formula, it solves it numerically. The results of the lower "
       "frame are always computed from the others and cannot be solved for."),

    H2("4. Entering values", "entering"),
    UL("Click a value box, or move to it with <b>Tab</b> (<b>Shift+Tab</b> goes "
       "back). Its whole text is selected, so typing replaces it. The unknown's box "
       "is skipped.",
       "Type the value in the unit shown beside the box. Use a point as the "
       "decimal separator and no thousands separators; an exponent may follow "
       "(<code>1.5E-3</code>). Anything after the number is ignored, so "
       "<code>300 mm</code> reads as 300. When what follows is not the row's own "
       "unit, the checks say how the entry was read: <code>read \"8 in\" as 8 "
       "mm</code>, <code>read \"1,5\" as 1</code>.",
       "The value is taken, checked and computed when you press <b>Enter</b> (the "
       "box keeps the focus), when you leave the box with <b>Tab</b> or a click, or "
       "when you press <b>Compute</b> (the focus then returns to the box you "
       "were editing).",
       "The <b>Down</b> and <b>Up</b> arrow keys move to the next and the previous "
       "field, like <b>Tab</b> and <b>Shift+Tab</b>.",
       "After each accepted entry the unknown and the derived results are "
       "recomputed and every value is shown again in its unit."),
    P("<b>How the solution is found.</b> Vantrel moves the changed value from its old "
      "to its new value in small steps and, at each step, finds the unknown by "
      "Newton iteration, starting from the previous solution. Results are "
      "accurate to about five significant digits. If no solution is found after "
      "500 attempts, Vantrel asks:"),
    NOTE("The equation is ill-conditioned, real solution may not be possible. "
         "No answer found after 500 iterations. Try another 500 iterations?"),
    P("Answer <b>Yes</b> to keep trying, or <b>No</b> to cancel the entry: the page "
      "returns to the values it had before. This happens when the values have no "
      "physical solution (for example a head loss too small for any flow in the "
      "given pipe), or when the unknown starts at zero."),

    P("<b>Values from tables.</b> A row that a table serves says so in its tip: pipe "
      "diameters (steel, stainless, PVC, PE, copper and ductile-iron sizes), roughness, "
      "Hazen-Williams <i>C</i>, Manning's <i>n</i>, the <i>K</i> of bends, valves, "
      "inlets and outlets, and the viscosity of water at any temperature from 0 to "
      "100 °C. Press <b>Ctrl+T</b> in its value box, or choose <b>Choose from "
      "table…</b> in the box's context menu (right click, or the menu key): the table "
      "opens as a list beside the row, each line an entry, its value in the row's unit "
      "and its source. Type the beginnings of words in any order to narrow it "
      "(<code>6 40</code>, <code>pe 110 sdr11</code>, <code>globe</code>); on the "
      "Viscosity row, type a temperature (<code>10</code>) for water at it. <b>Up</b>, "
      "<b>Down</b>, <b>Page Up</b>, <b>Page Down</b>, <b>Home</b> and <b>End</b> move "
      "through the lines; <b>Enter</b> or a click takes the line's value exactly as if "
      "you had typed it into the box, with the same range check and messages; "
      "<b>Escape</b> closes the list and changes nothing. The row then remembers the "
      "table row its value came from until the value changes (another entry, "
      "<b>Reset</b>): its tip names it, and the calculation record cites it in the "
      "Source column and lists the sources used. The tables are CSV files in the "
      "<code>tables</code> folder beside the data file; your own go in "
      "<code>~/.local/share/vantrel/tables/</code>."),

    H2("5. Units", "units"),
    UL("Click the unit field to the right of a value box. A list of the units "
       "available for that variable opens over the field; dimensionless "
       "variables show <code>no unit</code>.",
       "Choose a unit: the value is shown converted into it, and you type "
       "values for that row in the new unit from then on. The value itself does "
       "not change, only the way it is shown.",
       "From the keyboard, press <b>Alt+Down</b> or <b>F4</b> in the value box: the "
       "list opens with the row's unit highlighted. <b>Up</b> and <b>Down</b> move "
       "the highlight, <b>Enter</b> or <b>Space</b> chooses; a screen reader reads "
       "the list as the units of the row.",
       "To close the list without a change, press <b>Escape</b>, <b>Tab</b> or "
       "<b>Shift+Tab</b>, click elsewhere (that click only closes the list) or move "
       "the pointer away from the rows. However the list closes, the keyboard focus "
       "goes back to the row's value box.",
       "Each page remembers the units you chose while Vantrel runs; "
       "<b>Reset</b> returns them to the defaults."),
    P("All values are held in SI base units (metre, second): lengths in m, flow "
      "in m<sup>3</sup>/s, velocity in m/s, kinematic viscosity in m<sup>2</sup>/s. "
      "Every unit is a plain scale of the base unit; section 11 lists the factors."),

    H2("6. Accepted ranges", "ranges"),
    P("Every variable accepts only physically meaningful values: diameters, "
      "lengths and flows above zero, a depth ratio <i>y</i>/<i>D</i> above 0 and up "
      "to 1, a diameter ratio <i>\u03b2</i> between 0 and 1, loss coefficients not "
      "below zero, and sensible upper limits. An entry outside its range is "
      "refused with a message such as"),
    NOTE("Pipe Dia. out of Range!<br>Accepted range is: greater than 0 to 10000mm"),
    P("The range is shown in the unit the row is using (rounded to two "
      "significant digits). After you close the message the box shows its "
      "previous value again, and nothing is recomputed. The ranges of every "
      "variable are listed with the formulas in section 9."),

    H2("7. Tips", "tips"),
    P("Rest the pointer on a value box for about one second and a tip appears "
      "below it: what the variable is and typical values (Hazen-Williams <i>C</i> of "
      "common pipe materials, roughness heights, Manning's <i>n</i>, loss "
      "coefficients of common fittings, and so on). Moving the pointer over "
      "another value box or pressing a key hides the tip. The tip of the row you "
      "are editing comes back only after the pointer has rested for about ten "
      "seconds, so that it does not get in the way while you type."),

    H2("8. Reset, Help and Exit", "buttons"),
    UL("<b>Reset</b> puts the page on show back to the defaults of the data file: "
       "values, units and the unknown. Other pages keep their values.",
       "<b>Help</b> opens this guide: <code>QuorHelp.htm</code> in your web browser, "
       "or <code>QuorHelp.rtf</code> in your word processor when the browser cannot "
       "be started. If neither opens, a message names the file so that you can "
       "open it yourself.",
       "<b>Exit</b> (Alt+E) or the window's close box ends Vantrel and remembers "
       "the window's position for the next start."),
    P("Copying a page, its calculation record and printing are in section 13; "
      "computing pages from a script, one case or a whole table of them, in "
      "section 14; the plot beside the page (F6) in section 15."),

    H2("9. The formulas", "formulas"),
    P("Symbols: <i>D</i> pipe diameter, <i>A</i> = \u03c0<i>D</i><sup>2</sup>/4 its "
      "area, <i>Q</i> flow rate, <i>v</i> = <i>Q</i>/<i>A</i> mean velocity, "
      "<i>L</i> pipe length, <i>h</i><sub>f</sub> or <i>h</i><sub>L</sub> head loss "
      "(metres of the flowing fluid), <i>S</i> = <i>h</i><sub>f</sub>/<i>L</i> "
      "hydraulic gradient, <i>g</i> gravity. Vantrel uses <i>g</i> = 9.815 "
      "m/s<sup>2</sup> (2<i>g</i> = 19.63) and \u03c0 = 3.142 in areas."),
    P("The pipe pages also show the <b>equivalent loss coefficient</b> "
      "<i>K</i> = 2<i>g h</i><sub>f</sub>/<i>v</i><sup>2</sup>, which compares the "
      "loss in the pipe with that of fittings."),
    NOTE("In the tables below, ranges are given in SI base units; the default "
         "is shown in the row's default unit."),

    H3("9.1 Hazen-Williams (tab H.Williams)", "hw"),
    EQ("<i>h</i><sub>f</sub>/<i>L</i> = 10.7 [ <i>Q</i> / (<i>C</i> <i>D</i><sup>2.63</sup>) ]<sup>1.85</sup>"),
    P("The Hazen-Williams formula gives the friction loss of <b>water</b> in a full "
      "pipe. It is empirical: valid for water at ordinary temperatures (about "
      "5 to 25 \u00b0C) in turbulent flow, pipe diameters from about 50 mm up, and "
      "velocities below about 3 m/s. Do not use it for other fluids, for hot or "
      "very cold water, or for laminar flow; use Colebrook-White instead. "
      "Typical <i>C</i>: PVC and PE 140\u2013150, copper 130\u2013140, new steel 120, "
      "cement-lined ductile iron 130, concrete 100\u2013140, old cast iron 80\u2013100."),
    page_table("H.Williams"),

    H3("9.2 Colebrook-White (tab C.White)", "cw"),
    EQ("<i>Q</i> = \u22122 <i>A</i> \u221a(2<i>g D S</i>) log<sub>10</sub>[ <i>k</i>/(3.7 <i>D</i>) + 2.51 <i>\u03bd</i> / (<i>D</i> \u221a(2<i>g D S</i>)) ],  <i>S</i> = <i>h</i><sub>f</sub>/<i>L</i>"),
    P("The Colebrook-White formula combines the smooth-pipe and rough-pipe laws "
      "of turbulent flow and holds for <b>any Newtonian fluid</b> in a full pipe in "
      "turbulent flow (Reynolds number <i>vD</i>/<i>\u03bd</i> above about 4000), "
      "through the whole transition zone. It is not valid for laminar flow. "
      "Typical roughness <i>k</i>: drawn copper and PVC 0.0015 mm, commercial "
      "steel 0.045 mm, galvanised iron 0.15 mm, cast iron 0.26 mm, concrete 0.3 to "
      "3 mm. Kinematic viscosity of water: 1.31 mm<sup>2</sup>/s at 10 \u00b0C, "
      "1.00 at 20 \u00b0C, 0.80 at 30 \u00b0C."),
    page_table("C.White"),

    H3("9.3 Manning (tab Manning)", "manning"),
    EQ("<i>Q</i> = (1/<i>n</i>) <i>A</i> <i>R</i><sup>2/3</sup> <i>S</i><sup>1/2</sup>,  <i>R</i> = <i>A</i>/<i>P</i>,  <i>S</i> = <i>h</i><sub>f</sub>/<i>L</i>"),
    EQ("<i>\u03b8</i> = arccos(1 \u2212 2<i>y</i>/<i>D</i>),  <i>A</i> = <i>r</i><sup>2</sup>(<i>\u03b8</i> \u2212 sin <i>\u03b8</i> cos <i>\u03b8</i>),  <i>P</i> = 2<i>r\u03b8</i>,  <i>r</i> = <i>D</i>/2"),
    P("Manning's formula gives uniform gravity flow in a <b>partly full circular "
      "pipe</b> (sewers, drains, culverts): <i>y</i> is the depth of flow, "
      "<i>A</i> the wetted area, <i>P</i> the wetted perimeter and <i>R</i> the "
      "hydraulic radius; <i>h</i><sub>f</sub> over <i>L</i> is the slope of the pipe "
      "(and of the water surface). <i>y</i>/<i>D</i> = 1 is a full pipe. It is "
      "valid for water in fully rough turbulent flow with a steady, uniform "
      "depth. The flow is largest at <i>y</i>/<i>D</i> \u2248 0.94. Typical <i>n</i>: "
      "PVC and PE 0.009\u20130.011, concrete 0.012\u20130.015, vitrified clay 0.013, "
      "corrugated metal 0.024."),
    page_table("Manning"),

    H3("9.4 Orifice plate (tab Orifice)", "orifice"),
    EQ("<i>h</i> = (1/<i>C</i><sub>d</sub><sup>2</sup>) (1 \u2212 <i>\u03b2</i><sup>4</sup>) (1/<i>\u03b2</i>)<sup>4</sup> <i>v</i><sup>2</sup>/2<i>g</i>,  i.e.  <i>Q</i> = <i>C</i><sub>d</sub> <i>A</i><sub>0</sub> \u221a[2<i>g h</i> / (1 \u2212 <i>\u03b2</i><sup>4</sup>)]"),
    P("A sharp-edged orifice plate of bore <i>d</i> = <i>\u03b2D</i> in a full pipe; "
      "<i>h</i> is the differential head between the pressure tappings in metres "
      "of the flowing fluid (1 m of water = 9.81 kPa), <i>A</i><sub>0</sub> the bore "
      "area, <i>v</i><sub>0</sub> = <i>Q</i>/<i>A</i><sub>0</sub> the velocity in the "
      "bore. Valid for an incompressible fluid in turbulent flow with a "
      "concentric square-edged plate; standard plates have <i>\u03b2</i> from 0.1 to "
      "0.75 and <i>C</i><sub>d</sub> of about 0.60\u20130.62. The <i>K</i> shown is "
      "2<i>g h</i>/<i>v</i><sup>2</sup> on the pipe velocity; the permanent pressure "
      "loss of a plate is smaller than the differential head."),
    page_table("Orifice"),

    H3("9.5 Bends, valves, inlets and outlets (tabs Bends, Valves, In/Out)", "fittings"),
    EQ("<i>h</i><sub>L</sub> = <i>K</i> <i>v</i><sup>2</sup>/2<i>g</i>,  <i>v</i> = <i>Q</i>/<i>A</i>"),
    P("The loss of a single fitting is its loss coefficient <i>K</i> times the "
      "velocity head of the pipe. The three pages use the same formula and differ "
      "in their defaults and tips. Valid for turbulent flow; <i>K</i> values "
      "depend on the make and size of the fitting, so use the maker's figure "
      "when you have it. Typical values:"),
    TABLE(["Fitting", "K"],
          [["90\u00b0 elbow, flanged / threaded", "0.3 / 1.5"],
           ["90\u00b0 long-radius bend", "0.2"],
           ["45\u00b0 elbow", "0.2\u20130.4"],
           ["180\u00b0 return bend", "0.2\u20131.5"],
           ["Gate valve, open", "0.15\u20130.2"],
           ["Ball valve, open", "0.05"],
           ["Butterfly valve, open", "0.3"],
           ["Globe valve, open", "10"],
           ["Angle valve, open", "5"],
           ["Swing check valve", "2"],
           ["Inlet, sharp-edged / re-entrant / well rounded", "0.5 / 0.8\u20131.0 / 0.04"],
           ["Outlet into a tank", "1.0"]], [6000, 3000]),
    P("<b>Bends:</b>"),
    page_table("Bends"),
    P("<b>Valves:</b>"),
    page_table("Valves"),
    P("<b>In/Out:</b>"),
    page_table("In/Out"),

    H3("9.6 Sudden expansion (tab Expansion)", "expansion"),
    EQ("<i>h</i><sub>L</sub> = <i>K</i> <i>v</i><sub>1</sub><sup>2</sup>/2<i>g</i>,  sudden: <i>K</i> = (1 \u2212 <i>A</i><sub>1</sub>/<i>A</i><sub>2</sub>)<sup>2</sup>"),
    P("Flow from a pipe of diameter <i>D</i><sub>1</sub> into a larger one of "
      "diameter <i>D</i><sub>2</sub>; <i>K</i> is based on the upstream velocity "
      "<i>v</i><sub>1</sub>. For a sudden enlargement the Borda-Carnot value "
      "(1 \u2212 <i>A</i><sub>1</sub>/<i>A</i><sub>2</sub>)<sup>2</sup> holds well in "
      "turbulent flow; a conical diffuser of 10\u00b0 included angle has about a "
      "fifth of it, and a pipe outlet into a tank <i>K</i> = 1. The area ratio "
      "shown is <i>A</i><sub>1</sub>/<i>A</i><sub>2</sub>."),
    page_table("Expansion"),

    H3("9.7 Sudden contraction (tab Contraction)", "contraction"),
    EQ("<i>h</i><sub>L</sub> = <i>K</i> <i>v</i><sub>2</sub><sup>2</sup>/2<i>g</i>,  sudden: <i>K</i> \u2248 0.5 (1 \u2212 <i>A</i><sub>2</sub>/<i>A</i><sub>1</sub>)"),
    P("Flow from a pipe of diameter <i>D</i><sub>1</sub> into a smaller one of "
      "diameter <i>D</i><sub>2</sub>; <i>K</i> is based on the downstream velocity "
      "<i>v</i><sub>2</sub>. The estimate 0.5 (1 \u2212 <i>A</i><sub>2</sub>/"
      "<i>A</i><sub>1</sub>) holds for a square-edged reduction in turbulent flow; "
      "a rounded or conical reduction has <i>K</i> of about 0.05 to 0.1. The area "
      "ratio shown is <i>A</i><sub>2</sub>/<i>A</i><sub>1</sub>."),
    page_table("Contraction"),

    H2("10. The engineer's checks", "checks"),
    P("The second field of the status bar describes the page after every entry, "
      "change of unknown or unit, change of page and Reset. It shows the "
      "Reynolds number and the flow regime, for example <code>Re 2.1e5 turbulent "
      "(water at 20 \u00b0C)</code>, then the most important warning or note, "
      "and how many more there are. A warning is shown in red and begins with the "
      "word <code>Warning</code>. Rest the pointer on the field to see the whole "
      "list; a screen reader finds it as <code>Checks</code>, with the whole list "
      "as its description. The checks only describe: they never change a value "
      "and never stop you. The command line <code>vantrel-solve</code> prints the "
      "same checks after its table (<code>warning: ...</code>, "
      "<code>note: ...</code>) and gives them in its JSON output as "
      "<code>reynolds</code>, <code>regime</code> and <code>checks</code>."),
    P("<b>Reynolds number.</b> <i>Re</i> = <i>v D</i>/<i>\u03bd</i> with the "
      "page's velocity and diameter. On Colebrook-White <i>\u03bd</i> is the "
      "page's viscosity; every other page is a water page and uses water at "
      "20 \u00b0C, <i>\u03bd</i> = 1.004 mm<sup>2</sup>/s. On Manning <i>D</i> is "
      "the hydraulic diameter 4<i>A</i>/<i>P</i> of the flowing section; at a "
      "sudden expansion or contraction it is the smaller pipe, whose velocity the "
      "<i>K</i> refers to. The regime is laminar below 2000, transitional from "
      "2000 to 4000 and turbulent from 4000: the split used by network solvers "
      "such as EPANET (Rossman, <i>EPANET 2 Users Manual</i>, US EPA 2000)."),
    TABLE(["Page", "Said when", "Level", "Source of the limit"],
          [["Colebrook-White", "Re below 2000: the formula does not apply; the laminar "
            "head loss <i>h</i> = (64/<i>Re</i>) (<i>L</i>/<i>D</i>) <i>v</i><sup>2</sup>/2<i>g</i> "
            "is given for comparison", "warning",
            "Colebrook (1939) is a law of turbulent flow; Hagen-Poiseuille for laminar"],
           ["Colebrook-White", "Re from 2000 to 4000: the result is uncertain", "warning",
            "Moody (1944): the critical zone, where no friction factor is reliable"],
           ["Colebrook-White", "relative roughness <i>k</i>/<i>D</i> above 0.05", "warning",
            "Moody's chart, from which the formula is read, ends at 0.05"],
           ["Hazen-Williams", "pipe below 50 mm or above 1.8 m; velocity above 3 m/s; "
            "Re below 4000", "warning",
            "the range of the data Williams and Hazen fitted (<i>Hydraulic Tables</i>, "
            "1905): water, pipes of about 2 in to 6 ft, up to about 10 ft/s, turbulent"],
           ["Manning", "<i>y</i>/<i>D</i> from 0.82 to 1: the same flow runs at two depths; "
            "the flow is greatest at <i>y</i>/<i>D</i> 0.938, 1.076 times the full-pipe "
            "flow", "note",
            "the formula itself, with the area and perimeter of a circular section "
            "(Chow, <i>Open-Channel Hydraulics</i>, 1959)"],
           ["Manning", "Re below 4000", "warning",
            "Manning's <i>n</i> holds for rough turbulent flow (Chow, 1959)"],
           ["Orifice", "pipe outside 50 to 1000 mm; bore <i>d</i> = <i>\u03b2D</i> below "
            "12.5 mm; <i>\u03b2</i> outside 0.1 to 0.75; pipe Re below 5000", "warning",
            "ISO 5167-2:2003, the conditions of use of orifice plates"],
           ["Expansion", "<i>D</i><sub>2</sub> not larger than <i>D</i><sub>1</sub>: not an "
            "expansion", "warning", "\u2014"],
           ["Expansion", "otherwise the Borda-Carnot <i>K</i> = (1 \u2212 "
            "<i>A</i><sub>1</sub>/<i>A</i><sub>2</sub>)<sup>2</sup> of the diameters, beside "
            "the <i>K</i> in use", "note", "Borda-Carnot: momentum balance of a sudden "
            "enlargement"],
           ["Contraction", "<i>D</i><sub>2</sub> not smaller than <i>D</i><sub>1</sub>: not a "
            "contraction", "warning", "\u2014"],
           ["Contraction", "otherwise the sharp-edged <i>K</i> = 0.5 (1 \u2212 "
            "(<i>D</i><sub>2</sub>/<i>D</i><sub>1</sub>)<sup>2</sup>) on the outlet velocity, "
            "beside the <i>K</i> in use", "note",
            "the usual estimate for a square-edged reduction (Idelchik, "
            "<i>Handbook of Hydraulic Resistance</i>)"],
           ["any", "a result of the lower frame is ticked as the unknown: it is computed "
            "from the other rows and cannot be solved for", "warning", "\u2014"],
           ["any", "the value solved for, or a result, lies outside the range its row "
            "accepts when typed; the value and the range are given in the row's unit",
            "warning", "the accepted range of the data file"],
           ["any", "a value typed into a result row was replaced by the formula", "note",
            "\u2014"],
           ["any", "only the leading number of an entry was read", "note", "\u2014"]],
          [1500, 3900, 900, 2700]),
    P("The notes about an entry stay until the next entry, a change of page or "
      "Reset. A value on a limit, as it was entered, is within it: values are held "
      "to about seven figures, and a limit is compared with them to one part in a "
      "million."),

    H2("11. Units and factors", "factors"),
    P("A value in a unit is the factor times the value in the SI base unit."),
    P("Heads can also be shown as the pressure of a column of <b>water</b> of that "
      "height, taken as conventional water of density 1000 kg/m<sup>3</sup> under "
      "standard gravity <i>g</i> = 9.80665 m/s<sup>2</sup> (1 m = 9.80665 kPa; "
      "1 psi = 6.894757 kPa). Their names say H2O, water: when the flowing "
      "fluid is another, its head is not its pressure in these units."),
    TABLE(["Quantity", "Unit", "Factor"],
          [["Length, diameter, head", "m / mm / cm", "1 / 1000 / 100"],
           ["", "in / ft", "39.37008 / 3.280840"],
           ["Pipe length", "km / mi", "0.001 / 0.0006213712"],
           ["Roughness", "\u00b5m", "1000000"],
           ["Flow rate", "m<sup>3</sup>/s / l/s / m<sup>3</sup>/h / l/min",
            "1 / 1000 / 3600 / 60000"],
           ["", "US gpm / ft<sup>3</sup>/s", "15850.32 / 35.31467"],
           ["Kinematic viscosity", "m<sup>2</sup>/s / mm<sup>2</sup>/s (= cSt)",
            "1 / 1000000"],
           ["", "ft<sup>2</sup>/s", "10.76391"],
           ["Velocity", "m/s / ft/s", "1 / 3.280840"],
           ["Head as water column", "kPa H2O / bar H2O / psi H2O",
            "9.80665 / 0.0980665 / 1.422334"],
           ["Gradient", "m/m / m/km / % / ft/100 ft", "1 / 1000 / 100 / 100"],
           ["Depth ratio", "(no unit) / %", "1 / 100"]], [2800, 3600, 2600]),

    H2("12. The data file", "datafile"),
    P("Everything Vantrel shows about its pages (captions, default values, units, "
      "display formats, ranges and tips) comes from <code>Vantrel.rtf</code>, a rich "
      "text document that any word processor opens. It is divided into sections by "
      "marker texts, and the records inside are separated by commas. If you edit "
      "it, keep the markers and the order of the records, write no comma inside a "
      "caption or a unit name and no number sign inside a record or a tip, and "
      "save it again as rich text. The file <code>tools/make_datafile.py</code> "
      "beside it writes the file from its tables and "
      "<code>tools/check_datafile.py</code> checks it."),

    H2("13. Copying a page, the calculation record and printing", "record"),
    P("The page's context menu (right-click the window's background or a frame, or "
      "press the menu key on a check box or a button) and these keys work on the page "
      "on show. An entry still being typed is taken first, as <b>Enter</b> would "
      "take it."),
    UL("<b>Ctrl+Shift+C</b>, <b>Copy page</b>: puts the page on the clipboard as "
       "text and as an HTML table. It starts with the page's tab caption and title, "
       "then one row a line (caption, value and unit, with tabs between them; the "
       "unknown's line ends in <code>solved for</code>) and ends with the checks. It "
       "pastes as cells into a spreadsheet and as a table into a word processor. "
       "<b>Ctrl+C</b> in a value box still copies the text selected in it.",
       "<b>Ctrl+S</b>, <b>Save calculation record…</b>: writes the page's "
       "calculation record, an A4 PDF, or HTML when the file name ends in "
       "<code>.html</code>; it is one sheet where it fits and two where the working "
       "needs a second. The first time it suggests your documents folder, and "
       "after that the folder the last record went to, also in later runs.",
       "<b>Ctrl+P</b>, <b>Print…</b>: prints the record."),
    P("The record is what an engineering office files with a design figure: the "
      "program and its version, the date and time, the data file's path and its "
      "SHA-256, the page's caption and title, the formula in words and symbols, "
      "every variable with its value as shown, its unit, its value in SI base "
      "units and where it comes from, the checks, the plot and the working "
      "(section 15), and lines for Project, "
      "Calculated by, Checked by and Date. Where a value comes from reads "
      "<code>default</code> (still the data file's default), <code>entered</code> "
      "(typed, or changed by a solve, since the page was last reset), "
      "<code>computed by the formula</code> (a result of the lower frame) or "
      "<code>solved for</code> (the unknown). A file that cannot be written is "
      "named in a message with the reason; the page stays as it was."),

    H2("14. Calculating from the command line", "command-line"),
    P("<code>vantrel-solve</code> computes a page from the same data file without a "
      "window, as the window would: from the page's defaults each entry is taken in "
      "turn and the unknown solved for; then every variable and the checks are "
      "printed. For example, the pipe diameter that carries 60 l/s at the default "
      "head loss, shown in inches:"),
    NOTE("vantrel-solve H.Williams \"flow=60 l/s\" --for \"pipe dia\" --unit dia=in"),
    UL("A page is named by its tab caption or number, a variable by its caption in "
       "any letter case, or by a beginning of it or of one of its words that fits "
       "no other variable (<code>length</code> finds Pipe Length). A name that fits "
       "several variables is refused with the list of those it fits: nothing is "
       "guessed.",
       "<code>--format</code> chooses text, <code>csv</code>, <code>json</code> or "
       "<code>html</code> (the calculation record); <code>--record FILE</code> writes "
       "the record as PDF or HTML, and <code>--record -</code> prints it.",
       "<code>--batch FILE.csv</code> solves one case a line of a CSV file (for "
       "example one written by a spreadsheet). Its first line names the variables, "
       "with a unit in brackets where it is not the default one "
       "(<code>Flow Rate [l/s]</code>); each case starts from the defaults. The "
       "output has a line for each case, in the same order, with its status, its "
       "message, the Reynolds number, the regime and the checks. A case that cannot "
       "be read or solved spoils only its own line.",
       "<code>--list</code> names the pages, and <code>--list PAGE</code> the "
       "variables of one with their defaults, ranges and units."),
    P("The exit status is 0 when everything was solved, 2 for a command that "
      "cannot be carried out (a name that fits nothing or several things, a missing "
      "data file, output or a record that cannot be written), 3 for an entry "
      "outside its range, 4 when no solution was found and 5 when some case of a "
      "batch was not solved. <code>man vantrel-solve</code> describes every option."),

    H2("15. The plot beside the page", "plot"),
    P("Press <b>F6</b>, or choose <b>Plot</b> in the page's context menu (right-click "
      "the window's background), to open a window beside the main window with the "
      "unknown plotted against one of the values you enter. Every point is solved as "
      "your own entry would be, with every other value held. The horizontal axis is "
      "the value you entered last, or the one you pick in the plot's <b>Horizontal "
      "axis</b> list; it runs from about a fifth to five times the present value, "
      "within the row's accepted range. The page's own point is marked with its two "
      "values; where the checks warn (laminar flow, a velocity beyond the formula's "
      "range) that part of the axis is shaded and the legend says why."),
    UL("On Colebrook-White the plot's <b>View</b> list also offers the <b>Moody "
       "chart</b>: the friction factor against the Reynolds number for relative "
       "roughnesses from smooth to 0.05, the laminar line 64/<i>Re</i>, the "
       "transition zone from 2000 to 4000, and the page's own pipe and point.",
       "On Manning it offers the <b>part-full curves</b>: flow and velocity as "
       "fractions of the full pipe's against the depth <i>y</i>/<i>D</i>, with the "
       "page's depth marked and the zone above 0.82, where one flow runs at two "
       "depths, shaded.",
       "The plot is drawn again after every entry, change of the unknown or of a unit, "
       "change of page and Reset.",
       "Opening the plot leaves the keyboard where it was. <b>F6</b> moves the keyboard "
       "to the plot and back to the page; <b>Escape</b> or the window's close box "
       "closes the plot and gives the keyboard back to the page.",
       "<b>Copy points</b>, or Ctrl+C on the picture, puts the plot's points on the "
       "clipboard as a table of two columns, to paste into a spreadsheet.",
       "A screen reader names the plot and reads a sentence that describes it, for "
       "example <code>Head Loss against Flow Rate, 10.000 to 250.000 l/s; at 50.000 "
       "l/s, 1.8020 m</code>."),
    P("The calculation record (Ctrl+S, Ctrl+P) holds the same plot, and a section "
      "<b>Working</b>: the formula with every value you entered put in, in SI units, "
      "each step of the solver with its trial values and the remainder of the "
      "equation there, and that remainder at the answer."),
]

# ---------------------------------------------------------------------------
# HTML form.

CSS = """body { font-family: Arial, Helvetica, sans-serif; font-size: 11pt;
  max-width: 46em; margin: 2em auto; padding: 0 1em; color: #222; line-height: 1.4; }
h1 { color: #0000a0; font-size: 20pt; border-bottom: 2px solid #0000a0; }
h2 { color: #0000a0; font-size: 15pt; margin-top: 1.6em; }
h3 { color: #0000a0; font-size: 12pt; margin-top: 1.4em; }
p.eq { text-align: center; font-family: "Times New Roman", serif; font-size: 12.5pt;
  margin: 0.8em 0; }
p.note { margin-left: 2em; font-family: "Courier New", monospace; font-size: 10pt;
  color: #444; }
code { font-family: "Courier New", monospace; }
table { border-collapse: collapse; margin: 0.6em 0; font-size: 10pt; }
th, td { border: 1px solid #999; padding: 0.2em 0.5em; text-align: left;
  vertical-align: top; }
th { background: #e8e8f4; }
ul.toc { list-style: none; padding-left: 1em; }"""


def sections():
    """(title, anchor) of the numbered sections, for the contents list."""
    return [(b[1], b[2]) for b in GUIDE if b[0] == "h2" and b[2] != "contents"]


def html_inline(text):
    parts = re.split(r"(</?(?:b|i|sup|sub|code)>|<br>)", text)
    return "".join(p if re.fullmatch(r"</?(?:b|i|sup|sub|code)>|<br>", p)
                   else html.escape(p, quote=False) for p in parts)


def render_html():
    out = ["<!DOCTYPE html>", '<html lang="en">', "<head>", '<meta charset="utf-8">',
           "<title>Vantrel User Guide</title>", "<style>", CSS, "</style>", "</head>",
           "<body>"]
    for block in GUIDE:
        kind = block[0]
        if kind == "h1":
            out.append("<h1>%s</h1>" % html_inline(block[1]))
        elif kind in ("h2", "h3"):
            anchor = ' id="%s"' % block[2] if block[2] else ""
            out.append("<%s%s>%s</%s>" % (kind, anchor, html_inline(block[1]), kind))
        elif kind == "p":
            out.append("<p>%s</p>" % html_inline(block[1]))
        elif kind == "eq":
            out.append('<p class="eq">%s</p>' % html_inline(block[1]))
        elif kind == "note":
            out.append('<p class="note">%s</p>' % html_inline(block[1]))
        elif kind == "toc":
            out.append('<ul class="toc">')
            out.extend('<li><a href="#%s">%s</a></li>' % (anchor, html_inline(title))
                       for title, anchor in sections())
            out.append("</ul>")
        elif kind == "ul":
            out.append("<ul>")
            out.extend("<li>%s</li>" % html_inline(i) for i in block[1])
            out.append("</ul>")
        elif kind == "table":
            _, head, rows, _ = block
            out.append("<table>")
            out.append("<tr>%s</tr>" % "".join("<th>%s</th>" % html_inline(h) for h in head))
            for row in rows:
                out.append("<tr>%s</tr>" % "".join("<td>%s</td>" % html_inline(c) for c in row))
            out.append("</table>")
    out += ["</body>", "</html>", ""]
    return "\n".join(out)


# ---------------------------------------------------------------------------
# RTF form: a plain word-processor document with a font and a colour table,
# \pard paragraphs, real tables and \uN? for everything beyond ASCII.

RTF_TAGS = {"b": "\\b", "i": "\\i", "sup": "\\super", "sub": "\\sub", "code": "\\f1"}


def rtf_inline(text):
    out = []
    for part in re.split(r"(</?(?:b|i|sup|sub|code)>|<br>)", text):
        if part == "<br>":
            out.append("\\line ")
        elif part.startswith("</"):
            out.append("}")
        elif re.fullmatch(r"<(?:b|i|sup|sub|code)>", part):
            out.append("{" + RTF_TAGS[part[1:-1]] + " ")
        else:
            out.append(escape(part))
    return "".join(out)


BODY = "\\f0\\fs20"


def rtf_par(text, para="\\sa120", fmt=BODY):
    return "\\pard%s\\plain%s %s\\par\n" % (para, fmt, text)


def rtf_table(head, rows, widths):
    edges, x = [], 0
    for w in widths:
        x += w
        edges.append(x)
    border = "\\brdrs\\brdrw10\\brdrcf4"

    def row(cells, shade):
        cell_defs = "".join(
            "\\clbrdrt%s\\clbrdrl%s\\clbrdrb%s\\clbrdrr%s%s\\cellx%d"
            % (border, border, border, border, "\\clcbpat5" if shade else "", e)
            for e in edges)
        body = "".join("\\pard\\intbl\\plain%s%s %s\\cell " % (BODY, "\\b" if shade else "",
                                                              rtf_inline(c)) for c in cells)
        return "\\trowd\\trgaph80\\trleft0%s\n%s\\row\n" % (cell_defs, body)

    return row(head, True) + "".join(row(r, False) for r in rows) + \
        "\\pard\\sa60\\plain\\f0\\fs8 \\par\n"


def render_rtf():
    out = ["{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\\uc1\n",
           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern\\fcharset0 Courier New;}"
           "{\\f2\\froman\\fcharset0 Times New Roman;}}\n",
           "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue160;\\red68\\green68\\blue68;"
           "\\red153\\green153\\blue153;\\red232\\green232\\blue244;}\n",
           "{\\info{\\title Vantrel User Guide}}\n",
           "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134"
           "\\widowctrl\\viewkind4\n"]
    for block in GUIDE:
        kind = block[0]
        if kind == "h1":
            out.append(rtf_par(rtf_inline(block[1]), "\\sa240\\brdrb\\brdrs\\brdrw20\\brdrcf2",
                               "\\f0\\fs40\\b\\cf2"))
        elif kind == "h2":
            out.append(rtf_par(rtf_inline(block[1]), "\\keepn\\sb360\\sa120", "\\f0\\fs30\\b\\cf2"))
        elif kind == "h3":
            out.append(rtf_par(rtf_inline(block[1]), "\\keepn\\sb240\\sa100", "\\f0\\fs24\\b\\cf2"))
        elif kind == "p":
            out.append(rtf_par(rtf_inline(block[1])))
        elif kind == "eq":
            out.append(rtf_par(rtf_inline(block[1]), "\\qc\\sb60\\sa160", "\\f2\\fs25"))
        elif kind == "note":
            out.append(rtf_par(rtf_inline(block[1]), "\\li567\\sa120", "\\f1\\fs19\\cf3"))
        elif kind == "toc":
            for title, _ in sections():
                out.append(rtf_par(rtf_inline(title), "\\li568\\sa40"))
        elif kind == "ul":
            for item in block[1]:
                out.append(rtf_par("\\u8226?\\tab " + rtf_inline(item),
                                   "\\fi-284\\li568\\tx568\\sa80"))
        elif kind == "table":
            out.append(rtf_table(*block[1:]))
    out.append("}\n")
    return "".join(out)


def main():
    with open(os.path.join(DATA, "QuorHelp.htm"), "w", encoding="utf-8", newline="\n") as f:
        f.write(render_html())
    with open(os.path.join(DATA, "QuorHelp.rtf"), "w", encoding="ascii", newline="\r\n") as f:
        f.write(render_rtf())
    print("wrote", os.path.join(DATA, "QuorHelp.htm"), "and QuorHelp.rtf")


if __name__ == "__main__":
    main()
