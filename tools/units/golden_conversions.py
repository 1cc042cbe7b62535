"""Golden conversions: typed values converted exactly from the units' sizes, as the window shows
them."""

import re
from fractions import Fraction

from decimal_text import display_text
from shipped_sizes import row_scale
from unit_definitions import DefinitionError

DISPLAY_DIGITS = 20
# Significant digits of a result that the rounding of approximate sizes leaves uncertain.
DIGITS_LOST_TO_ROUNDING = 3

_LINE = re.compile(r"(\S+)\s+(\S+)\s+->\s+(\S+)(?:\s+@(\d+))?(?:\s+=\s+(\S+))?\Z")
_TYPED = re.compile(r"-?(\d+\.?\d*|\.\d+)\Z")

HEADER = (
    "# Golden conversions through data/Units.dat, generated with it from"
    " tools/units/conversions.txt.\n"
    "# Columns: category, source unit, typed value, target unit, fraction digits, the exact"
    " result rounded\n"
    "# half away from zero to those digits (trailing zeros dropped, no thousands separators)."
    " Where a size\n"
    "# is approximate, a seventh column gives the significant digits that are certain; the"
    " result is rounded\n"
    "# to no more of them (so possibly within its integer part, its lower digits shown as"
    " zeros).\n"
)


def convert(typed: Fraction, source, target) -> Fraction:
    """typed in the source unit's scale, in the target's; scales in one base."""
    if source.reciprocal:
        if typed == 0:
            raise DefinitionError("zero has no reciprocal")
        base = source.size / typed
    else:
        base = typed * source.size + source.zero
    if target.reciprocal:
        if base == 0:
            raise DefinitionError("zero has no reciprocal")
        return target.size / base
    return (base - target.zero) / target.size


def certain_digits(source, target) -> int:
    """0 for an exact result, else the significant digits that the approximate sizes leave
    certain."""
    certain = [scale.certain_digits for scale in (source, target) if scale.certain_digits]
    return max(1, min(certain) - DIGITS_LOST_TO_ROUNDING) if certain else 0


def golden_text(text: str, definitions) -> str:
    """The TSV of the conversions in text. A line's units are looked up in the table of the
    source unit's own category, which shows a reciprocal category's units too."""
    home = {unit.ident: category for category in definitions.categories
            for unit in category.units}
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
        if source_id not in home:
            raise DefinitionError(f"conversions line {number}: unknown unit {source_id!r}")
        category = home[source_id]
        table = {row.unit.ident: row for row in category.rows}
        if target_id not in table:
            raise DefinitionError(f"conversions line {number}: [{category.name}] shows no "
                                  f"unit {target_id!r}")
        source_row, target_row = table[source_id], table[target_id]
        source, target = (row_scale(row, category) for row in (source_row, target_row))
        try:
            value = convert(Fraction(typed), source, target)
        except DefinitionError as error:
            raise DefinitionError(f"conversions line {number}: {error}") from None
        # A unit converted into itself is exact: its size cancels out.
        certain = 0 if source_row is target_row else certain_digits(source, target)
        result = display_text(value, digits, certain)
        if expected is not None and result != expected:
            raise DefinitionError(f"conversions line {number}: gives {result}, expected {expected}")
        fields = [category.name, source_row.unit.name, typed, target_row.unit.name, str(digits),
                  result] + ([str(certain)] if certain else [])
        rows.append("\t".join(fields))
    return HEADER + "".join(row + "\n" for row in rows)
