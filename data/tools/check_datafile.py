#!/usr/bin/env python3
"""Reads a system data file the way the calculator's loaders do and checks it.

    python3 data/tools/check_datafile.py [path/to/Vantrel.rtf]

The file is cut by its markers in its plain text (a cut piece loses one
trailing paragraph break when it is loaded again, and one leading break
after its opening marker), records are split at commas and numbers read
by the leading-number rule.  Then every page is checked: structure,
captions and access keys, unit rows, ranges (each input default must be
accepted by its own range), tips and their box sizes, the layout of the
rows inside the window, and finally the formula: the defaults must be a
solved state, with the outputs equal to what the formula writes and the
unknown the float that makes the residual smallest.

Exit status 0 when all is well, 1 with a list of problems otherwise.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from formulas import evaluate, f32, f32_exact, f32_step, leading_number  # noqa: E402
from rtfread import plain_text  # noqa: E402

CRLF = "\r\n"
FORMULAS = ["H.Williams", "C.White", "Manning", "Orifice", "Bends", "Valves",
            "In/Out", "Expansion", "Contraction"]
OUTPUTS = {"H.Williams": (6, 7, 8), "C.White": (7, 8, 9), "Manning": (7, 8, 9),
           "Orifice": (6, 7, 8), "Bends": (5,), "Valves": (5,), "In/Out": (5,),
           "Expansion": (6, 7, 8), "Contraction": (6, 7, 8)}
VAR_COUNT = {"H.Williams": 8, "C.White": 9, "Manning": 9, "Orifice": 8,
             "Bends": 5, "Valves": 5, "In/Out": 5, "Expansion": 8, "Contraction": 8}


def reload(text):
    """Plain text of a cut range once it is loaded as a document."""
    return text[:-2] if text.endswith(CRLF) else text


def unpack(text, number, tag):
    """sDataUnpack on plain text: (item, count found)."""
    low, tag_low = text.lower(), tag.lower()
    start, count, item = 0, 0, None
    while count < number:
        p = low.find(tag_low, start)
        if p < 0:
            break
        q = low.find(tag_low, p + len(tag))
        if q < 0:
            raise ValueError("closing %s missing" % tag)
        item = text[p + len(tag):q]
        start, count = q + 1, count + 1
    if item is None:
        return None, 0
    item = reload(item)
    if item.startswith(CRLF):
        item = reload(item[2:])
    return item, count


def items(text, tag, limit=50):
    _, n = unpack(text, limit, tag)
    return [unpack(text, k, tag)[0] for k in range(1, n + 1)]


def fields(record):
    return [reload(f) for f in record.split(",")]


def as_integer(text):
    value = leading_number(text)
    whole = round(value)  # Python rounds exact halves to even
    if not -32768 <= whole <= 32767:
        raise OverflowError(text)
    return whole


def check_range(expr, value):
    """CheckRange for the numeric types, enough for the shipped ranges."""
    parts = expr.upper().split(",")
    kind, rest = parts[0], parts[1:] or [""]
    if kind not in ("F", "I"):
        return True
    for item in rest:
        if item.strip() == "*":
            return True
        if "~" in item:
            low, high = item.split("~", 1)
            low_open, high_open = low.startswith(">"), high.startswith("<")
            lo = f32_exact(leading_number(low.lstrip(">")))
            hi = f32_exact(leading_number(high.lstrip("<")))
            if lo > hi:
                lo, hi = hi, lo
            if (lo < value if low_open else lo <= value) and (
                value < hi if high_open else value <= hi
            ):
                return True
        elif f32_exact(leading_number(item)) == value:
            return True
    return False


def tip_box(tip):
    """Width and height (twips) the tip box takes, as the tip pane sizes it."""
    if tip.startswith(CRLF):
        tip = tip[2:]
    lines = tip.split(CRLF)
    if len(lines) == 1:
        return len(tip) * 130, 270
    longest = max([len(lines[0])] + [len(x) + 1 for x in lines[1:-1]])
    return longest * 130, len(lines) * 270


def page_geometry(count, split, caption_len):
    """Right edge of the buttons and bottom of the lower frame (twips)."""
    caption_width = caption_len * 105
    if split and 1 < split <= count:
        frame0 = (split - 2) * 430 + 730
        top1 = 200 + frame0 + 50
        bottom = top1 + 430 * (count - split + 1) + 200
    else:
        bottom = 200 + (count - 1) * 430 + 530
    return caption_width + 2790 + 975, bottom


def main(path):
    with open(path, "rb") as f:
        text = plain_text(f.read())
    problems, report = [], []
    report.append("plain text: %d characters (limit 32767)" % len(text))
    if len(text) > 32767:
        problems.append("plain text longer than 32767 characters")

    form, _ = unpack(text, 1, "\\Form/")
    layout = [as_integer(x) for x in fields(unpack(form, 1, "#")[0])]
    report.append("layout record: %s" % layout)
    if len(layout) < 4:
        problems.append("layout record with fewer than 4 fields")

    systems = items(text, "\\SYSTEM/", 20)
    units = items(text, "\\UNIT/", 20)
    ranges = items(text, "\\Range/", 20)
    tips = items(text, "\\Tips/", 20)
    if [len(systems), len(units), len(ranges), len(tips)] != [9] * 4:
        problems.append("section counts %s, 9 each expected"
                        % [len(systems), len(units), len(ranges), len(tips)])

    max_caption = max(
        len(fields(r)[0]) + 1 for s in systems for r in items(s, "#")[:-1]
    )
    report.append("MaxCaptionLen: %d" % max_caption)

    for i, section in enumerate(systems):
        records = items(section, "#")
        page = fields(records[-1])
        caption = page[2] if len(page) > 2 else "?"
        where = "page %d (%s)" % (i + 1, caption)
        if len(page) < 4:
            problems.append(where + ": page record with fewer than 4 fields")
            continue
        if caption != FORMULAS[i]:
            problems.append(where + ": tab caption should be %s" % FORMULAS[i])
        split, title = as_integer(page[0]), page[1]
        focus = int(float(page[3].strip(" \t\r\n")))
        if ":-" not in title:
            problems.append(where + ": title without ':-'")
        variables = [fields(r) for r in records[:-1]]
        n = len(variables)
        if n != VAR_COUNT.get(caption, n) or n > 9:
            problems.append(where + ": %d variables" % n)
        if any(len(v) < 4 for v in variables):
            problems.append(where + ": variable record with fewer than 4 fields")
            continue
        values = [f32_exact(leading_number(v[1])) for v in variables]
        unit_index = [as_integer(v[2]) for v in variables]
        checks = [as_integer(v[3]) for v in variables]
        if checks.count(1) != 1:
            problems.append(where + ": %d default unknowns" % checks.count(1))
        unknown = checks.index(1) + 1 if 1 in checks else 0
        if focus == unknown or not 1 <= focus <= n:
            problems.append(where + ": focus row %d" % focus)
        keys = set()
        inside_word = []
        for j, v in enumerate(variables, 1):
            cap = v[0]
            at = cap.find("&")
            key = cap[at + 1:at + 2].upper()
            if at > 0 and cap[at - 1] != " ":
                inside_word.append(j)
            if (cap.count("&") != 1 or key in keys or key == "E"
                    or not cap.endswith(" =")):
                problems.append(where + ": caption %r (access key)" % cap)
            keys.add(key)

        rows = items(units[i], "\\ROW/")
        if len(rows) < n:
            problems.append(where + ": %d unit rows" % len(rows))
        row_text = []
        for j, row in enumerate(rows[:n]):
            unit_items = [fields(u) for u in items(row, "@")]
            if any(len(u) < 3 for u in unit_items):
                problems.append(where + ": unit item with fewer than 3 fields")
                continue
            factors = [f32_exact(leading_number(u[2])) for u in unit_items]
            usable = factors.index(0) if 0 in factors else len(factors)
            if usable != len(factors):
                problems.append(where + ": row %d has a unit with factor 0" % (j + 1))
            if not 1 <= unit_index[j] <= usable:
                problems.append(where + ": row %d default unit %d" % (j + 1, unit_index[j]))
            row_text.append(unit_items)

        exprs = items(ranges[i], "#")
        if len(exprs) < n:
            problems.append(where + ": %d range records" % len(exprs))
        # The range message shows the caption with a blank for its "&", which
        # would split a word; a row that accepts any value never gets one.
        for j in inside_word:
            if j > len(exprs) or exprs[j - 1] != "F,*":
                problems.append(where + ": row %d has its access key inside a word" % j)
        outputs = OUTPUTS.get(caption, ())
        for j in range(1, n + 1):
            if j != unknown and j not in outputs and not check_range(exprs[j - 1], values[j - 1]):
                problems.append(where + ": default of row %d outside %s" % (j, exprs[j - 1]))

        page_tips = items(tips[i], "#")
        if len(page_tips) < n:
            problems.append(where + ": %d tips" % len(page_tips))
        widest = max(tip_box(t)[0] for t in page_tips[:n])
        tallest = max(tip_box(t)[1] for t in page_tips[:n])

        right, bottom = page_geometry(n, split, max_caption)
        report.append("")
        report.append("%s  title %r  split %d  focus %d  unknown %d" % (where, title, split, focus, unknown))
        report.append("  rows end at %d twips, buttons end at %d; widest tip %d, tallest tip %d"
                      % (bottom, right, widest, tallest))

        if caption not in OUTPUTS:
            continue
        r_double, r_single, written = evaluate(caption, values)
        for pos, value in written.items():
            if value != values[pos - 1]:
                problems.append(where + ": output %d is %r, the formula writes %r"
                                % (pos, values[pos - 1], value))
        if unknown:
            x = values[unknown - 1]
            neighbours = []
            for k in (-1, 1):
                trial = list(values)
                trial[unknown - 1] = f32_step(x, k)
                neighbours.append(abs(evaluate(caption, trial)[0]))
            if min(neighbours) < abs(r_double):
                problems.append(where + ": a neighbouring float of the unknown is closer")
        for j, v in enumerate(variables, start=1):
            mark = " <- unknown" if j == unknown else (" (output)" if j in outputs else "")
            unit = row_text[j - 1][unit_index[j - 1] - 1] if j - 1 < len(row_text) else ["", "", "1"]
            shown = f32(float(f32_exact(leading_number(unit[2]))) * values[j - 1])
            report.append("  %-15s %-14s = %-13s shown %s %s  range %s%s"
                          % (v[0], v[1], repr(values[j - 1]), "%.6g" % shown,
                             unit[0].strip() or "-", exprs[j - 1], mark))
        scale = abs(values[unknown - 1]) if unknown else 1.0
        report.append("  residual %.3e (single %.3e); relative to the unknown %.2e"
                      % (r_double, r_single, abs(r_single) / scale if scale else 0))

    print("\n".join(report))
    if problems:
        print("\nPROBLEMS:\n" + "\n".join(problems))
        return 1
    print("\nall checks passed")
    return 0


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, os.pardir, "Vantrel.rtf")))
