"""Golden conversions: typed values converted through the catalogue as the window does it."""

import re
from fractions import Fraction

from decimal_text import display_text
from unit_definitions import DefinitionError

DISPLAY_DIGITS = 20

_LINE = re.compile(r"(\S+)\s+(\S+)\s+->\s+(\S+)(?:\s+=\s+(\S+))?\Z")
_TYPED = re.compile(r"-?(\d+\.?\d*|\.\d+)\Z")

HEADER = (
    "# Golden conversions through data/Units.dat, generated with it from"
    " tools/units/conversions.txt.\n"
    "# Columns: category, source unit, typed value, target unit, the result rounded half away"
    " from zero\n"
    f"# to {DISPLAY_DIGITS} fraction digits (trailing zeros dropped, no thousands separators).\n"
)


def base_value(source, typed: Fraction) -> Fraction:
    """The typed value in the category's base. Offsets are written last, so
    b = (u - Offset) x FactorToBase."""
    offset = Fraction(source.offset) if source.offset else 0
    return (typed - offset) * Fraction(source.factor_to_base)


def value_in_unit(unit, base: Fraction) -> Fraction:
    """u = b x FactorFromBase + Offset."""
    offset = Fraction(unit.offset) if unit.offset else 0
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
                f"conversions line {number}: expected 'VALUE FROM -> TO [= RESULT]'")
        typed, source_id, target_id, expected = match.groups()
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
        result = display_text(value_in_unit(entries[target_row], base), DISPLAY_DIGITS)
        if expected is not None and result != expected:
            raise DefinitionError(f"conversions line {number}: gives {result}, expected {expected}")
        source, target = entries[source_row].name, entries[target_row].name
        rows.append("\t".join((name, source, typed, target, result)))
    return HEADER + "".join(row + "\n" for row in rows)
