#!/usr/bin/env python3
"""Random cases for vantrel-solve, run through two builds and compared byte for byte.

    solve-corpus.py make DIR [--program BIN] [--cases N] [--seed S]
    solve-corpus.py run DIR NAME --program BIN [--jobs J]
    solve-corpus.py compare DIR NAME1 NAME2

`make` writes batch files (CSV, one per page, unknown, column order and units) and a list of
single runs into DIR, with about N cases over every page: entries drawn across their accepted
ranges and units, some out of range, some not numbers, some cells left empty, some lines too
long or with a quote left open, unknowns the solver cannot find. `run` runs every batch (as CSV
and as JSON) and every single run (as text, CSV and JSON) through BIN, keeping standard output,
standard error and the exit status under DIR/NAME. `compare` says where two such runs differ.
The program's pages, ranges and units are read from BIN itself (--list), so the corpus follows
the data file. Only the standard library is used."""

import argparse
import json
import math
import os
import random
import re
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

# Unit factors (value in the unit = factor x base value), roughly: they only steer the draws
# into each unit's share of the range; the program converts with the data file's own.
FACTORS = {
    "m": 1, "mm": 1e3, "cm": 1e2, "in": 39.37, "ft": 3.281, "km": 1e-3, "mi": 6.214e-4,
    "m³/s": 1, "l/s": 1e3, "m³/h": 3600, "l/min": 6e4, "US gpm": 15850, "ft³/s": 35.31,
    "µm": 1e6, "m²/s": 1, "mm²/s": 1e6, "cSt": 1e6, "ft²/s": 10.76, "%": 100,
    "m/m": 1, "m/km": 1e3, "ft/100 ft": 100, "m/s": 1, "ft/s": 3.281,
    "kPa H2O": 9.807, "bar H2O": 0.09807, "psi H2O": 1.422,
}
NUMBER = re.compile(r"-?\d+(?:\.\d+)?(?:[eE][-+]?\d+)?")


def program_output(program, args, cwd):
    return subprocess.run([program] + args, cwd=cwd, capture_output=True, check=True,
                          text=True).stdout


def read_pages(program, cwd):
    """Each page's variables: name, default unit, units, range in the default unit, entry."""
    pages = []
    for line in program_output(program, ["--list"], cwd).splitlines():
        caption = re.split(r"\s{2,}", line.strip())[1]
        rows = []
        listing = program_output(program, ["--list", caption], cwd).splitlines()
        for row in listing[2:]:
            if row.startswith("?"):
                break
            cells = re.split(r"\s{2,}", row.strip())
            name, default, range_text, kind = cells[:4]
            units = cells[4].split(", ") if len(cells) > 4 else [""]
            numbers = [float(n) for n in NUMBER.findall(range_text)]
            rows.append({
                "name": name.rstrip("?"), "unknown": name.endswith("?"),
                "entry": kind == "entry", "units": units,
                "default_unit": default.split(" ", 1)[1] if " " in default else "",
                "default": float(NUMBER.findall(default)[0]),
                "low": numbers[0] if numbers else None,
                "high": numbers[1] if len(numbers) > 1 else None,
            })
        pages.append({"caption": caption, "rows": rows})
    return pages


def draw_in_range(rng, row):
    """A value in the row's default unit within its range, spread over orders of magnitude
    where the range is wide."""
    low, high, default = row["low"], row["high"], row["default"]
    if low is None or high is None:
        return default * math.exp(rng.uniform(-2, 2))
    if low > 0 and high / low < 50 or high <= 0:
        return rng.uniform(low, high)
    span_low = max(low, default / 40) if low >= 0 else low
    span_low = max(span_low, high * 1e-6, 1e-12)
    span_high = min(high, default * 40) if default > 0 else high
    if span_high <= span_low:
        return rng.uniform(max(low, 0), high)
    return math.exp(rng.uniform(math.log(span_low), math.log(span_high)))


def written_number(rng, value):
    style = rng.random()
    if style < 0.5:
        return "%.*g" % (rng.randint(2, 7), value)
    if style < 0.8:
        return "%.*f" % (rng.randint(0, 4), value)
    if style < 0.95:
        return "%.*e" % (rng.randint(1, 5), value)
    return repr(value)


def cell_for(rng, row, unit):
    """One cell: mostly a value in range, sometimes not, sometimes not a number."""
    factor = FACTORS.get(unit, 1) / FACTORS.get(row["default_unit"], 1)
    p = rng.random()
    if p < 0.03:
        return ""
    if p < 0.035:
        return rng.choice(["abc", "1,5", "\"2\"", "1e", "--1", "3 m", "0x10", ".", "1.2.3"])
    if p < 0.07:
        high = row["high"] if row["high"] is not None else row["default"]
        value = rng.choice([-row["default"], 0.0, high * rng.uniform(1.01, 20), 1e39, -1e-3])
        return written_number(rng, value * factor)
    return written_number(rng, draw_in_range(rng, row) * factor)


def header_name(rng, row, unit):
    name = row["name"] if rng.random() < 0.7 else row["name"].lower().replace(" ", "")
    if unit != row["default_unit"] or (unit and rng.random() < 0.3):
        name += " [%s]" % unit
    return name


def batch_for(rng, page, cases):
    rows = page["rows"]
    entries = [i for i, r in enumerate(rows) if r["entry"]]
    results = [i for i, r in enumerate(rows) if not r["entry"]]
    unknown = next(i for i, r in enumerate(rows) if r["unknown"])
    args = []
    p = rng.random()
    if p < 0.3:
        unknown = rng.choice([i for i in entries])
        args += ["--for", rows[unknown]["name"]]
    elif p < 0.33 and results:
        unknown = rng.choice(results)  # the formula computes it: no solve can find it
        args += ["--for", rows[unknown]["name"]]
    columns = [i for i in entries if i != unknown]
    rng.shuffle(columns)
    columns = columns[:rng.randint(1, len(columns))]
    if results and rng.random() < 0.05:
        columns.append(rng.choice([i for i in results if i != unknown] or results))
    units = []
    for i in columns:
        choices = rows[i]["units"]
        units.append(rows[i]["default_unit"] if rng.random() < 0.6 else rng.choice(choices))
    if rng.random() < 0.3:
        shown = rng.randrange(len(rows))
        args += ["--unit", "%s=%s" % (rows[shown]["name"], rng.choice(rows[shown]["units"]))]
        if rows[shown]["units"] == [""]:
            args = args[:-2]
    lines = [",".join(header_name(rng, rows[i], u) for i, u in zip(columns, units))]
    for _ in range(cases):
        cells = [cell_for(rng, rows[i], u) for i, u in zip(columns, units)]
        q = rng.random()
        if q < 0.005:
            cells.append("1")  # more cells than columns
        elif q < 0.008:
            cells[-1] = "\"" + cells[-1]  # a quote left open
        elif q < 0.03:
            cells = cells[:rng.randint(0, len(cells))]
        lines.append(",".join(cells))
    return args, "\n".join(lines) + "\n"


def single_run(rng, page):
    rows = page["rows"]
    unknown = next(i for i, r in enumerate(rows) if r["unknown"])
    args = [page["caption"]]
    if rng.random() < 0.3:
        unknown = rng.choice([i for i, r in enumerate(rows) if r["entry"]])
        args += ["--for", rows[unknown]["name"]]
    candidates = [i for i, r in enumerate(rows) if r["entry"] and i != unknown]
    for _ in range(rng.randint(1, 4)):
        i = rng.choice(candidates)
        unit = rng.choice(rows[i]["units"]) if rng.random() < 0.4 else rows[i]["default_unit"]
        value = cell_for(rng, rows[i], unit) or "0"
        args.append("%s=%s %s" % (rows[i]["name"], value, unit) if unit else
                    "%s=%s" % (rows[i]["name"], value))
    return args


def make(options):
    rng = random.Random(options.seed)
    cwd = os.path.abspath(options.data)
    pages = read_pages(os.path.abspath(options.program), cwd)
    os.makedirs(options.dir, exist_ok=True)
    manifest = {"batches": [], "singles": []}
    per_page = options.cases // len(pages)
    for page in pages:
        left = per_page
        n = 0
        while left > 0:
            size = min(left, rng.choice([1, 50, 400, 1500, 3000]))
            args, text = batch_for(rng, page, size)
            name = "%s-%02d.csv" % (re.sub(r"\W", "", page["caption"]), n)
            with open(os.path.join(options.dir, name), "w", encoding="utf-8") as f:
                f.write(text)
            manifest["batches"].append({"file": name, "args": [page["caption"]] + args})
            left -= size
            n += 1
    for _ in range(options.singles):
        manifest["singles"].append(single_run(rng, rng.choice(pages)))
    manifest["data"] = cwd
    with open(os.path.join(options.dir, "manifest.json"), "w", encoding="utf-8") as f:
        json.dump(manifest, f, indent=1, ensure_ascii=False)
    lines = sum(open(os.path.join(options.dir, b["file"]), encoding="utf-8").read().count("\n") - 1
                for b in manifest["batches"])
    print("%d batch files, %d cases, %d single runs in %s" %
          (len(manifest["batches"]), lines, len(manifest["singles"]), options.dir))


def run_one(program, cwd, args, out_path):
    done = subprocess.run([program] + args, cwd=cwd, capture_output=True)
    with open(out_path, "wb") as f:
        f.write(done.stdout)
    with open(out_path + ".err", "wb") as f:
        f.write(done.stderr + b"\nexit %d\n" % done.returncode)


def run(options):
    with open(os.path.join(options.dir, "manifest.json"), encoding="utf-8") as f:
        manifest = json.load(f)
    program = os.path.abspath(options.program)
    target = os.path.join(options.dir, options.name)
    os.makedirs(target, exist_ok=True)
    jobs = []
    for b in manifest["batches"]:
        batch = os.path.abspath(os.path.join(options.dir, b["file"]))
        for fmt in ("csv", "json"):
            args = b["args"] + ["--batch", batch, "--format", fmt, "--jobs", str(options.jobs)]
            jobs.append((args, os.path.join(target, "%s.%s" % (b["file"], fmt))))
    for n, args in enumerate(manifest["singles"]):
        for fmt in ("text", "csv", "json"):
            jobs.append((args + ["--format", fmt], os.path.join(target, "single-%04d.%s" % (n, fmt))))
    # Batches use their own threads; single runs are short, two at a time.
    with ThreadPoolExecutor(max_workers=2 if options.jobs == 1 else 1) as pool:
        list(pool.map(lambda j: run_one(program, manifest["data"], *j), jobs))
    print("%d runs of %s into %s" % (len(jobs), program, target))


def compare(options):
    first = os.path.join(options.dir, options.first)
    second = os.path.join(options.dir, options.second)
    names = sorted(set(os.listdir(first)) | set(os.listdir(second)))
    differing = 0
    lines = 0
    for name in names:
        a_path, b_path = os.path.join(first, name), os.path.join(second, name)
        if not (os.path.exists(a_path) and os.path.exists(b_path)):
            print("only in one run: %s" % name)
            differing += 1
            continue
        a, b = open(a_path, "rb").read(), open(b_path, "rb").read()
        lines += a.count(b"\n")
        if a == b:
            continue
        differing += 1
        a_lines, b_lines = a.split(b"\n"), b.split(b"\n")
        shown = 0
        for n, (x, y) in enumerate(zip(a_lines, b_lines)):
            if x != y and shown < 3:
                print("%s:%d\n  %s\n  %s" % (name, n + 1, x.decode(errors="replace"),
                                            y.decode(errors="replace")))
                shown += 1
        if len(a_lines) != len(b_lines):
            print("%s: %d lines against %d" % (name, len(a_lines), len(b_lines)))
    print("%d files, %d lines compared; %d files differ" % (len(names), lines, differing))
    return 1 if differing else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    sub = parser.add_subparsers(dest="command", required=True)
    m = sub.add_parser("make")
    m.add_argument("dir")
    m.add_argument("--program", required=True)
    m.add_argument("--data", default=os.path.join(os.path.dirname(__file__), "..", "..", "data"))
    m.add_argument("--cases", type=int, default=110000)
    m.add_argument("--singles", type=int, default=400)
    m.add_argument("--seed", type=int, default=22)
    r = sub.add_parser("run")
    r.add_argument("dir")
    r.add_argument("name")
    r.add_argument("--program", required=True)
    r.add_argument("--jobs", type=int, default=2)
    c = sub.add_parser("compare")
    c.add_argument("dir")
    c.add_argument("first")
    c.add_argument("second")
    options = parser.parse_args()
    return {"make": make, "run": run, "compare": compare}[options.command](options) or 0


if __name__ == "__main__":
    sys.exit(main())
