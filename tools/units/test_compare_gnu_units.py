"""Tests of the comparison with GNU units, against a stand-in for the units program."""

import unittest
from fractions import Fraction
from unittest import mock

import compare_gnu_units
from catalogue_file import CATEGORY_ORDER, build_catalogue, catalogue_text, read_catalogue_text
from compare_gnu_units import Mapping, compare
from test_generate_units import catalogue_source
from unit_definitions import DefinitionError, parse_definitions

# What the stand-in answers; any other query is an unknown unit.
GNU_ANSWERS = {
    "(1*(m))/(m)": Fraction(1),
    "(1*(K))/(K)": Fraction(1),
    "(1*(yd))/(m)": Fraction("0.9144"),
    "(1*(oldyd))/(m)": Fraction("0.9"),
    "(1*(nmi))/(m)": Fraction(1852),
    "(0*(K))/(K)": Fraction(0),
    "(100*(K))/(K)": Fraction(100),
    "(tempC(0))/(K)": Fraction("273.15"),
    "(tempC(100))/(K)": Fraction("373.15"),
}


def fake_units(queries):
    return [GNU_ANSWERS.get(query, "Unknown unit") for query in queries]


class CompareTest(unittest.TestCase):
    def problems(self, units, names, category="Length"):
        source = catalogue_source(units, category).replace(
            "*base0 | Base 0 (b0) | 1", "*m | Meter (m) | 1").replace(
            "*base11 | Base 11 (b11) | 1", "*K | Kelvin (K) | 1")
        definitions = parse_definitions(source)
        catalogue = build_catalogue(definitions)
        shipped = read_catalogue_text(catalogue_text(catalogue))
        mapping = Mapping(names + "\n" + "\n".join(
            f"base{i} = -" for i in range(1, len(CATEGORY_ORDER)) if i != 11))
        with mock.patch.object(compare_gnu_units, "ask_gnu_units", fake_units):
            return compare(definitions, catalogue, shipped, mapping)[0]

    def test_verdicts(self):
        cases = [
            ("agrees under its own name", "yd | Yard (yd) | 0.9144 # s", "", 0),
            ("agrees under a mapped name", "NM | Nautical Mile (NM) | 1852 # s",
             "NM = nmi", 0),
            ("differs and is not listed", "yd | Yard (yd) | 0.9144 # s", "yd = oldyd", 1),
            ("differs on purpose", "yd | Yard (yd) | 0.9144 # s", "yd ~ oldyd # older yard", 0),
            ("listed as a difference but agrees", "yd | Yard (yd) | 0.9144 # s",
             "yd ~ yd # stale", 1),
            ("unknown to GNU units and not marked", "zz | Zed (zz) | 2 # s", "", 1),
            ("marked unknown", "zz | Zed (zz) | 2 # s", "zz = -", 0),
            ("mapping of a unit the catalogue lacks", "", "gone = -", 1),
        ]
        for name, units, names, expected in cases:
            with self.subTest(name):
                self.assertEqual(len(self.problems(units, names)), expected)

    def test_temperature_scales_compare_at_two_points(self):
        self.assertEqual(self.problems("degC | Celsius (°C) | 1 | 273.15 # s", "degC = tempC()",
                                       "Temperature"), [])
        self.assertEqual(len(self.problems("degC | Celsius (°C) | 1 | 273 # s",
                                           "degC = tempC()", "Temperature")), 2)

    def test_mapping_faults(self):
        for text in ("yd", "yd = a\nyd = b", "yd ~ oldyd"):
            with self.subTest(text), self.assertRaises(DefinitionError):
                Mapping(text)


if __name__ == "__main__":
    unittest.main()
