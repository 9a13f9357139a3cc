#!/usr/bin/env python3
"""Tests of the data tools: the formula mirror against hand-checked worked
values, the number reading, the record cutting, and the shipped file.

    python3 -m unittest discover -s data/tools
"""

import contextlib
import io
import os
import unittest

from check_datafile import fields, main as check_main, unpack
from formulas import evaluate, f32, f32_exact, f32_text, leading_number, solve

HERE = os.path.dirname(os.path.abspath(__file__))

# (formula, values with 0 for the unknown, unknown position, expected
# unknown, {output position: expected}); four significant digits.
WORKED = [
    ("H.Williams", [0.1, 0.01, 100, 100, 0, 0, 0, 0], 5, 3.125,
     {6: 0.03125, 8: 1.273, 7: 37.85}),
    ("C.White", [0.1, 0, 0.0001, 0.000001, 100, 1, 0, 0, 0], 2, 0.007368, {9: 0.9380}),
    ("Manning", [0.5, 0, 0.013, 0.5, 100, 0.1, 0, 0, 0], 2, 0.05970, {}),
    ("Manning", [0.5, 0, 0.013, 1, 100, 0.1, 0, 0, 0], 2, 0.1194, {}),
    ("Orifice", [0.1, 0.5, 0.01, 0, 0.61, 0, 0, 0], 4, 3.328, {6: 1.273, 7: 5.092}),
    ("Bends", [0.1, 0.01, 0.9, 0, 0], 4, 0.07431, {5: 1.273}),
    ("Valves", [0.1, 0.01, 0.9, 0, 0], 4, 0.07431, {5: 1.273}),
    ("In/Out", [0.1, 0.01, 0.9, 0, 0], 4, 0.07431, {5: 1.273}),
    ("Expansion", [0.1, 0.2, 0.01, 0.5625, 0, 0, 0, 0], 5, 0.04644,
     {6: 1.273, 7: 0.3183, 8: 0.25}),
    ("Contraction", [0.2, 0.1, 0.01, 0.5, 0, 0, 0, 0], 5, 0.04128,
     {6: 0.3183, 7: 1.273, 8: 0.25}),
]


def close(a, b, digits=4):
    return abs(a - b) <= 0.5 * 10 ** (-digits + 1) * abs(b) * 1.0001


class FormulaTest(unittest.TestCase):
    def test_worked_values(self):
        for formula, values, unknown, expected, outputs in WORKED:
            with self.subTest(formula=formula, unknown=unknown):
                guess = expected * 1.7
                x = solve(formula, values, unknown, guess)
                self.assertTrue(close(x, expected), (x, expected))
                trial = list(values)
                trial[unknown - 1] = x
                _, _, written = evaluate(formula, trial)
                for pos, want in outputs.items():
                    self.assertTrue(close(written[pos], want), (pos, written[pos], want))

    def test_manning_area_at_half_and_full_depth(self):
        # Q/v gives back the wetted area the formula used.
        for depth, area in ((0.5, 0.09817), (1, 0.1963)):
            values = [0.5, 0.1, 0.013, depth, 100, 0.1, 0, 0, 0]
            _, _, written = evaluate("Manning", values)
            self.assertTrue(close(f32(0.1) / written[9], area), depth)

    def test_failures_raise(self):
        cases = [
            ("Manning", [0.5, 0.1, 0.013, 0, 100, 0.1, 0, 0, 0]),  # y/D = 0
            ("Manning", [0.5, 0.1, 0.013, 1.2, 100, 0.1, 0, 0, 0]),  # y/D > 1
            ("C.White", [0.1, 0.01, 0.0001, 1e-6, 100, 0, 0, 0, 0]),  # hf = 0
            ("H.Williams", [0.1, 0, 100, 100, 1, 0, 0, 0]),  # Q = 0 -> K divides by 0
        ]
        for formula, values in cases:
            with self.subTest(formula=formula, values=values):
                with self.assertRaises((ArithmeticError, ValueError)):
                    evaluate(formula, values)


class NumberTextTest(unittest.TestCase):
    def test_leading_number(self):
        cases = [(" 12.5 mm", 12.5), ("1.5E2", 150), ("1.5D2", 150), ("", 0),
                 ("abc", 0), ("-.5", -0.5), ("1 2", 12), ("1e", 1), ("1,234.5", 1),
                 ("\r\n7", 0), ("\t\n7", 7)]
        for text, want in cases:
            with self.subTest(text=text):
                self.assertEqual(leading_number(text), want)

    def test_shortest_text_round_trips(self):
        for x in (0.3, 1e-6, 1.8019782, 0.042271435, 15850.32, 3.4e38):
            value = f32(x)
            text = f32_text(value)
            self.assertEqual(f32_exact(leading_number(text)), value)
            self.assertLessEqual(len(text.replace("-", "").replace(".", "")), 12)


class CuttingTest(unittest.TestCase):
    def test_unpack(self):
        text = "x#a#\r\n#\r\nb\r\n#y#c#"
        cases = [(1, "a", 1), (2, "b", 2), (3, "c", 3), (4, "c", 3)]
        for number, item, count in cases:
            with self.subTest(number=number):
                self.assertEqual(unpack(text, number, "#"), (item, count))

    def test_markers_match_in_any_case(self):
        self.assertEqual(unpack("\\form/#1#\\FORM/", 1, "\\Form/")[0], "#1#")

    def test_fields(self):
        self.assertEqual(fields("&Pipe Dia. =,0.3,2,0"), ["&Pipe Dia. =", "0.3", "2", "0"])
        self.assertEqual(fields("one"), ["one"])


class ShippedFileTest(unittest.TestCase):
    def test_shipped_file_passes_all_checks(self):
        path = os.path.join(HERE, os.pardir, "Vantrel.rtf")
        report = io.StringIO()
        with contextlib.redirect_stdout(report):
            status = check_main(path)
        self.assertEqual(status, 0, report.getvalue())


if __name__ == "__main__":
    unittest.main()
