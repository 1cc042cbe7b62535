"""Tests of the catalogue generator: python3 -m unittest discover -s tools/units"""

import unittest
from fractions import Fraction

from catalogue_file import (CATEGORY_ORDER, CatalogueEntry, build_catalogue, catalogue_text,
                            read_catalogue_text)
from decimal_text import display_text, factor_text
from golden_conversions import golden_text
from size_note import APPROXIMATE_DIGITS, Scale, read_note, size_from_factors
from unit_definitions import DefinitionError, parse_definitions
from unit_expression import Expression, ExpressionError


def catalogue_source(extra_units="", extra_category=None):
    """Definitions of every category with a base unit, plus lines for one of them."""
    lines = []
    for index, name in enumerate(CATEGORY_ORDER):
        lines.append(f"[{name}]")
        lines.append(f"*base{index} | Base {index} (b{index}) | 1 # test")
        if name == (extra_category or CATEGORY_ORDER[0]):
            lines.append(extra_units)
    return "\n".join(lines)


class FactorTextTest(unittest.TestCase):
    def test_cases(self):
        cases = [
            ("terminating fraction", Fraction(1, 8), False, "0.125"),
            ("integer", Fraction(1000), False, "1000"),
            ("small power of ten, no exponent", Fraction(1, 10**9), False, "0.000000001"),
            ("negative", Fraction(-3, 2), False, "-1.5"),
            ("long terminating kept whole", Fraction(1, 2**50), False,
             "0.00000000000000088817841970012523233890533447265625"),
            ("one third rounds up", Fraction(1, 3), False, "0." + "3" * 39 + "4"),
            ("five ninths rounds up", Fraction(5, 9), False, "0." + "5" * 39 + "6"),
            ("negative two thirds", Fraction(-2, 3), False, "-0." + "6" * 39 + "7"),
            ("large, digits left of the point", Fraction(10**30, 7), False,
             "142857142857142857142857142857.1428571429"),
            ("larger than 40 digits", Fraction(10**45, 7), False,
             "142857142857142857142857142857142857142900000"),
            ("carry into a new digit", 1 - Fraction(1, 3 * 10**41), False, "1"),
            ("approximate terminating is rounded",
             Fraction("3.14159265358979323846264338327950288419716939937510582097494"), True,
             "3.141592653589793238462643383279502884198"),
            ("approximate tie rounds away from zero",
             Fraction("-0.12345678901234567890123456789012345678905"), True,
             "-0.1234567890123456789012345678901234567891"),
            ("approximate short value unchanged", Fraction("0.25"), True, "0.25"),
            ("approximate just above a digit rounds up",
             Fraction("0.10000000000000000000000000000000000000001"), True, "0.1" + "0" * 38 + "1"),
        ]
        for name, value, approximate, expected in cases:
            with self.subTest(name):
                self.assertEqual(factor_text(value, approximate), expected)


class DisplayTextTest(unittest.TestCase):
    def test_rounds_half_away_from_zero(self):
        cases = [("2.345", 2, "2.35"), ("-2.345", 2, "-2.35"), ("2.344999", 2, "2.34"),
                 ("0.125", 2, "0.13"), ("99.96", 1, "100"), ("0.5", 0, "1"), ("-0.5", 0, "-1"),
                 ("-12.5", 0, "-13"), ("12.3", 0, "12"), ("-0.004", 2, "0"), ("12.3", 5, "12.3"),
                 ("0.000123456", 8, "0.00012346")]
        for value, digits, expected in cases:
            with self.subTest(value=value, digits=digits):
                self.assertEqual(display_text(Fraction(value), digits), expected)


class ExpressionTest(unittest.TestCase):
    def test_values(self):
        names = {"ft": Fraction("0.3048"), "two": Fraction(2)}
        cases = [("2 + 3 * 4", 14), ("(2 + 3) * 4", 20), ("1 / 3 * 3", 1), ("2^3^2", 512),
                 ("10^-3", Fraction(1, 1000)), ("-2^2", -4), ("2 - -1", 3),
                 ("12 * ft", Fraction("3.6576")), ("ft^2", Fraction("0.09290304")),
                 ("1 / (two * two)", Fraction(1, 4)), ("0.5 - .25", Fraction(1, 4)),
                 ("7 - 2 - 1", 4), ("2^0", 1)]
        for text, expected in cases:
            with self.subTest(text):
                self.assertEqual(Expression(text).evaluate(names.__getitem__), expected)

    def test_errors(self):
        for text in ("1 +", "(1", "1 )", "3 $ 4", "", "2 3"):
            with self.subTest(text), self.assertRaises(ExpressionError):
                Expression(text)
        for text in ("2 ^ 0.5", "1 / 0", "0 ^ -1"):
            with self.subTest(text), self.assertRaises(ExpressionError):
                Expression(text).evaluate(lambda name: Fraction(0))


class DefinitionsTest(unittest.TestCase):
    def test_sizes_zeros_and_forward_references(self):
        definitions = parse_definitions(
            "approx pi = 3.14 # test\n[Temperature]\n*K | Kelvin (K) | 1 # test\n"
            "degF | Degree Fahrenheit (F) | degR | 459.67 * degR # test\n"
            "degR | Degree Rankine (R) | 5 / 9 # test\n[Angle]\n*rad | Radian (rad) | 1 # t\n"
            "deg | Degree (deg) | pi / 180 # test\nturn | Turn (tr) | 360 * deg # test\n")
        units = definitions.units
        self.assertEqual([c.name for c in definitions.categories], ["Temperature", "Angle"])
        self.assertEqual(units["degF"].size, Fraction(5, 9))
        self.assertEqual(units["degF"].zero, Fraction("459.67") * 5 / 9)
        self.assertTrue(units["K"].is_default)
        self.assertEqual([units[i].approximate for i in ("degF", "rad", "deg", "turn")],
                         [False, False, True, True])

    def test_faults(self):
        cases = [
            ("circular", "[L]\n*a | A (a) | b # s\nb | B (b) | a # s"),
            ("unknown name", "[L]\n*a | A (a) | nothing # s"),
            ("defined twice", "[L]\n*a | A (a) | 1 # s\na | B (b) | 2 # s"),
            ("no source", "[L]\n*a | A (a) | 1"),
            ("unit before category", "*a | A (a) | 1 # s"),
            ("bad identifier", "[L]\n*2a | A (a) | 1 # s"),
            ("too many fields", "[L]\n*a | A (a) | 1 | 2 | 3 # s"),
            ("bad expression", "[L]\n*a | A (a) | 1 + # s"),
            ("base outside a category", "base 2 # s\n[L]\n*a | A (a) | 1 # s"),
            ("base twice", "[L]\nbase 2 # s\nbase 3 # s\n*a | A (a) | 1 # s"),
            ("approximate base", "approx pi = 3.14 # s\n[L]\nbase pi # s\n*a | A (a) | 1 # s"),
            ("base not positive", "[L]\nbase 0 # s\n*a | A (a) | 1 # s"),
        ]
        for name, text in cases:
            with self.subTest(name), self.assertRaises(DefinitionError):
                parse_definitions(text)


class CatalogueTest(unittest.TestCase):
    def test_lines(self):
        source = catalogue_source(
            "base 1 / 9 # s\n"
            "degF | Degree Fahrenheit (°F) | 5 / 9 | 459.67 * 5 / 9 # s\n"
            "degC | Degree Celsius (°C) | 1 | 273.15 # s\n"
            "degDe | Degree Delisle (°De) | -2 / 3 | 373.15 # s\nkK | Kilokelvin (kK) | 1000 # s",
            "Temperature")
        catalogue = build_catalogue(parse_definitions(source))
        self.assertEqual(len(catalogue), len(CATEGORY_ORDER))
        lines = [entry.line() for _, entry in catalogue[CATEGORY_ORDER.index("Temperature")][1]]
        self.assertEqual(lines, [
            "*Base 11 (b11)=0." + "1" * 39 + "2|9",
            "Degree Fahrenheit (°F)=+-2298.35|0.2|5",
            "Degree Celsius (°C)=+-2458.35|0." + "1" * 39 + "2|9",
            "Degree Delisle (°De)=+-3358.35|-0.1" + "6" * 38 + "7|-6",
            "Kilokelvin (kK)=0.000" + "1" * 39 + "2|9000",
        ])

    def test_rejected_catalogues(self):
        cases = [
            ("name too long", catalogue_source("x | " + "N" * 27 + " (xyz) | 2 # s")),
            ("equals sign in name", catalogue_source("x | A=B (ab) | 2 # s")),
            ("no symbol", catalogue_source("x | Plain | 2 # s")),
            ("two symbols", catalogue_source("x | Two (a) (b) | 2 # s")),
            ("blank inside the parentheses", catalogue_source("x | Two ( t) | 2 # s")),
            ("control character", catalogue_source("x | Tab\tName (t) | 2 # s")),
            ("name twice", catalogue_source("x | Base 0 (z) | 2 # s")),
            ("full name twice in another case", catalogue_source("x | BASE 1 (z) | 2 # s")),
            ("symbol of another category", catalogue_source("x | Other (b5) | 2 # s")),
            ("second preselected unit", catalogue_source("*x | Other (o) | 1 # s")),
            ("size zero", catalogue_source("x | Nothing (n) | 0 # s")),
            ("category missing", catalogue_source().replace("[Area]\n", "")),
            ("rounded factor to the base beside a zero point",
             catalogue_source("t | Third (t) | 1 / 3 # s\nz | Zero (z) | 1 | 1 # s")),
            ("zero point not exact in the base",
             catalogue_source("base 3 # s\nz | Zero (z) | 3 | 1 # s")),
        ]
        for name, source in cases:
            with self.subTest(name), self.assertRaises(DefinitionError):
                build_catalogue(parse_definitions(source))

    def test_reads_lines_as_the_program_does(self):
        text = ("ignored=1\n[Length]\n \t\n*A=1\n**X=1\n *Y=1\nno equals\nX=+273.15\n"
                "X=2|0.5|+10\nX=+-3|4|0.25\nX=1|2|3\nX=5|6|78\nX=1|+5\nX=+5|1|2|3\n"
                "X=1|2|+5|6\nX==1\n"
                "[Tail] \r\n[Open\rZ=1\0after=2\n")
        self.assertEqual(read_catalogue_text(text), [
            ("Length", [
                CatalogueEntry("A", True, "1"),
                CatalogueEntry("*X", True, "1"),
                CatalogueEntry(" *Y", False, "1"),
                CatalogueEntry(""),
                CatalogueEntry("X", offset="273.15", offset_first=True),
                CatalogueEntry("X", False, "2", "0.5", "10"),
                CatalogueEntry("X", False, "4", "0.25", "-3", True),
                CatalogueEntry("X", False, "1", "2"),
                CatalogueEntry("X", False, "5", "6"),
                CatalogueEntry("X", False, "1", "+5"),
                CatalogueEntry("X", False, "1", "2|3", "5", True),
                CatalogueEntry("X", False, "1", "2", "5|6"),
                CatalogueEntry("X", False, "=1"),
            ]),
            ("Tail]", []),
            ("Ope", [CatalogueEntry("Z", False, "1")]),
        ])

    def test_written_text_reads_back(self):
        catalogue = build_catalogue(parse_definitions(
            catalogue_source("x | Two (2) | 2 # s\nk | Kelvin (K) | 1 | 273.15 # s",
                             "Temperature")))
        text = catalogue_text(catalogue)
        self.assertTrue(text.endswith("\n") and "\r" not in text)
        self.assertEqual(read_catalogue_text(text),
                         [(name, [entry for _, entry in entries]) for name, entries in catalogue])


class SizeNoteTest(unittest.TestCase):
    def test_notes_as_the_program_reads_them(self):
        pi50 = "~3." + "1" * 49
        cases = [("1200/3937", Scale(Fraction(1200, 3937))),
                 ("0.3048", Scale(Fraction("0.3048"))),
                 ("100 reciprocal", Scale(Fraction(100), reciprocal=True)),
                 ("693 absolute", Scale(Fraction(693), absolute=True)),
                 (pi50, Scale(Fraction(pi50[1:]), certain_digits=50)),
                 ("~3.14", None), ("~1/3", None), ("0", None), ("1/0", None), ("x", None),
                 ("2 reciprocal reciprocal", None), ("2 inverse", None), ("", None)]
        for note, expected in cases:
            with self.subTest(note):
                self.assertEqual(read_note(note), expected)

    def test_sizes_found_in_two_factors(self):
        cases = [("0.5", "2", Fraction(2)),
                 ("3.280833333333333333333333333333333333334", "0.3048006096012192024384048768",
                  None),
                 ("3", "0.3333333333333333333333333333333333333334", Fraction(1, 3)),
                 ("0.3333333333333333333333333333333333333334", "3", Fraction(3)),
                 ("3", "0.3333", Fraction(1, 3)), ("2", "0.4", None), ("x", "1", None)]
        for factor_from, factor_to, expected in cases:
            with self.subTest(factor_from=factor_from, factor_to=factor_to):
                self.assertEqual(size_from_factors(factor_from, factor_to), expected)


class CatalogueScaleTest(unittest.TestCase):
    SOURCE = ("approx pi = 3.14159265358979323846264338327950288419716939937510582097494 # s\n"
              "ftUS | Survey Foot (ft US) | 1200 / 3937 # s\n"
              "arc | Pi Meter (pim) | pi # s\n")

    def catalogue(self):
        source = catalogue_source(self.SOURCE).replace(
            "[Fuel Economy]\n*base36 | Base 36 (b36) | 1 # test",
            "[Fuel Economy]\n*base36 | Base 36 (b36) | 1 # test\n"
            "reciprocal [Fuel Consumption] = 100 # s")
        definitions = parse_definitions(source)
        return definitions, build_catalogue(definitions)

    def test_lines_carry_the_notes_their_sizes_need(self):
        _, catalogue = self.catalogue()
        lines = {entry.name: entry.line() for entries in (e for _, e in catalogue)
                 for _, entry in entries}
        self.assertTrue(lines["Survey Foot (ft US)"].endswith("|=1200/3937"))
        self.assertRegex(lines["Pi Meter (pim)"], r"\|=~3\.14159\d{46}\Z")
        self.assertEqual(lines["Base 0 (b0)"], "*Base 0 (b0)=1|1")
        fuel = [entry.line() for _, entry in catalogue[CATEGORY_ORDER.index("Fuel Economy")][1]]
        self.assertEqual(fuel, ["*Base 36 (b36)=1|1", "Base 37 (b37)=||=100 reciprocal"])

    def test_golden_conversions_through_exact_and_reciprocal_sizes(self):
        definitions, _ = self.catalogue()
        tsv = golden_text("3937 ftUS -> base0 = 1200\n2 base36 -> base37 = 50\n"
                          "1 arc -> base0 @2 = 3.14\n1 base0 -> arc @60\n", definitions)
        rows = [line.split("\t") for line in tsv.splitlines() if not line.startswith("#")]
        self.assertEqual([row[5] for row in rows[:3]], ["1200", "50", "3.14"])
        self.assertEqual(rows[3][6], str(APPROXIMATE_DIGITS - 3))
        for conversions in ("1 ftUS -> base0 = 0.3", "0 base36 -> base37", "1 ftUS -> base1",
                            "x base0 -> ftUS", "1 nothing -> base0", "1 ftUS base0"):
            with self.subTest(conversions), self.assertRaises(DefinitionError):
                golden_text(conversions, definitions)


if __name__ == "__main__":
    unittest.main()
