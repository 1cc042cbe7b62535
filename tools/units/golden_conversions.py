"""Golden conversions: typed values converted through the catalogue as the window does it."""

import re
from fractions import Fraction

from decimal_text import display_text
from unit_definitions import DefinitionError

DISPLAY_DIGITS = 20

_LINE = re.compile(r"(\S+)\s+(\S+)\s+->\s+(\S+)(?:\s+@(\d+))?(?:\s+=\s+(\S+))?\Z")
_TYPED = re.compile(r"-?(\d+\.?\d*|\.\d+)\Z")

HEADER = (
    "# Golden conversions through data/Units.dat, generated with it from"
    " tools/units/conversions.txt.\n"
    "# Columns: category, source unit, typed value, target unit, fraction digits, the result"
    " rounded\n"
    "# half away from zero to those digits (trailing zeros dropped, no thousands separators).\n"
)


def _optional(text: str) -> Fraction:
    return Fraction(text) if text else Fraction(0)


def base_value(source, typed: Fraction) -> Fraction:
    """The typed value in the category's base, as the program computes it."""
    to_base = Fraction(source.factor_to_base) if source.factor_to_base else Fraction(1)
    offset = _optional(source.offset)
    if source.offset_first:
        return typed * to_base - offset
    return (typed - offset) * to_base


def value_in_unit(unit, base: Fraction) -> Fraction:
    """The base value in the unit, as the program computes it."""
    offset = _optional(unit.offset)
    if unit.offset_first:
        return (base + offset) * Fraction(unit.factor_from_base)
    return base * Fraction(unit.factor_from_base) + offset


def golden_text(text: str, catalogue, shipped) -> str:
    """The TSV of the conversions in text.

    catalogue: the built catalogue, to find units by ident; shipped: the same catalogue read
    back from the written Units.dat, whose texts the conversions use."""
    where = {}
    for index, (_, entries) in enumerate(catalogue):
        for row, (ident, _) in enumerate(entries):
            where[ident] = (index, row)
    rows = []
    for number, raw in enumerate(text.splitlines(), start=1):
        body = raw.partition("#")[0].strip()
        if not body:
            continue
        match = _LINE.match(body)
        if not match:
            raise DefinitionError(
                f"conversions line {number}: expected 'VALUE FROM -> TO [@DIGITS] [= RESULT]'")
        typed, source_id, target_id, digits, expected = match.groups()
        digits = DISPLAY_DIGITS if digits is None else int(digits)
        if not _TYPED.match(typed):
            raise DefinitionError(f"conversions line {number}: {typed!r} is not a typed number")
        for ident in (source_id, target_id):
            if ident not in where:
                raise DefinitionError(f"conversions line {number}: unknown unit {ident!r}")
        (category, source_row), (target_category, target_row) = where[source_id], where[target_id]
        if category != target_category:
            raise DefinitionError(f"conversions line {number}: units of different categories")
        name, entries = shipped[category]
        base = base_value(entries[source_row], Fraction(typed))
        result = display_text(value_in_unit(entries[target_row], base), digits)
        if expected is not None and result != expected:
            raise DefinitionError(f"conversions line {number}: gives {result}, expected {expected}")
        source, target = entries[source_row].name, entries[target_row].name
        rows.append("\t".join((name, source, typed, target, str(digits), result)))
    return HEADER + "".join(row + "\n" for row in rows)
