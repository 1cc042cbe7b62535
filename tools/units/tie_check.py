"""Exact ties between any two units of a category show rounded half away from zero.

For every ordered pair of units whose sizes are exact, a typed value is chosen whose exact
result in the other unit ends in a 5 just beyond the shown digits; converted through the
factors and offsets as written in Units.dat, it must show the digit that rounding half away
from zero gives. That holds only when every written factor is at least the exact one in
magnitude and offsets meet exact values."""

from fractions import Fraction

from decimal_text import display_text, is_terminating, without_twos_and_fives
from golden_conversions import base_value, value_in_unit

# Tie positions and numerators tried for categories with zero points, where a tie needs a
# typed value that the offsets leave terminating.
_OFFSET_DIGITS = range(3)
_OFFSET_NUMERATORS = range(-61, 62, 2)
_TIES_PER_OFFSET_PAIR = 4


def _linear_ties(ratio: Fraction):
    """(typed, digits, exact result) pairs whose result is an odd number of halves."""
    _, twos, fives = without_twos_and_fives(abs(ratio.numerator))
    typed = Fraction(ratio.denominator, 2 ** (twos + 1) * 5**fives)
    return [(typed, 0, typed * ratio), (-typed, 0, -typed * ratio)]


def _offset_ties(size_from, zero_from, size_to, zero_to):
    ties = []
    for digits in _OFFSET_DIGITS:
        for numerator in _OFFSET_NUMERATORS:
            result = Fraction(numerator, 2 * 10**digits)
            typed = (result * size_to + zero_to - zero_from) / size_from
            if is_terminating(typed):
                ties.append((typed, digits, result))
                if len(ties) == _TIES_PER_OFFSET_PAIR:
                    return ties
    return ties


def tie_failures(definitions, catalogue, shipped):
    """Texts of the ties that show the wrong digit, and the number of ties checked."""
    failures = []
    checked = 0
    for category, (name, built), (_, entries) in zip(definitions.categories, catalogue, shipped):
        units = [definitions.units[ident] for ident, _ in built]
        with_zero = any(unit.zero is not None for unit in units)
        exact = [(unit, entry) for unit, entry in zip(units, entries) if not unit.approximate]
        for source, source_entry in exact:
            for target, target_entry in exact:
                if with_zero:
                    ties = _offset_ties(source.size / category.base,
                                        (source.zero or 0) / category.base,
                                        target.size / category.base,
                                        (target.zero or 0) / category.base)
                else:
                    ties = _linear_ties(source.size / target.size)
                for typed, digits, result in ties:
                    checked += 1
                    shown = display_text(
                        value_in_unit(target_entry, base_value(source_entry, typed)), digits)
                    if shown != display_text(result, digits):
                        failures.append(f"[{name}] {float(typed)!r} {source.ident} -> "
                                        f"{target.ident} shows {shown} at {digits} digits")
    return failures, checked
