"""A unit's scale in Units.dat: the size note written after its factors, and the scale the
program reads back from a line, from its note or else from its two factors."""

import re
from dataclasses import dataclass
from fractions import Fraction
from typing import Optional

from decimal_text import (exact_text, rounded_text, significant_digits,
                          written_significant_digits)

# Significant digits of an approximate size; the program takes them all as certain.
APPROXIMATE_DIGITS = 52
# The program reads an approximate size only with at least this many.
LEAST_APPROXIMATE_DIGITS = 50

RECIPROCAL = "reciprocal"
ABSOLUTE = "absolute"

_DECIMAL = re.compile(r"-?(\d+\.?\d*|\.\d+)\Z")


@dataclass(frozen=True)
class Scale:
    """b = u x size + zero for a plain unit, b x u = size for a reciprocal one; b in the
    category's base."""

    size: Fraction
    zero: Fraction = Fraction(0)
    reciprocal: bool = False
    certain_digits: int = 0  # 0: the size is exact
    absolute: bool = False  # no quantity of the category lies below the unit's zero


def _is_decimal(text: str) -> bool:
    return bool(_DECIMAL.match(text))


def approximate_size(low: Fraction, high: Fraction) -> Fraction:
    """The size known to lie between low and high, rounded to APPROXIMATE_DIGITS; None when
    the two ends round apart, so that the digits are not all certain."""
    texts = {rounded_text(end, APPROXIMATE_DIGITS) for end in (low, high)}
    return Fraction(texts.pop()) if len(texts) == 1 else None


def approximate_text(scale: Scale) -> str:
    """An approximate size as the note writes it: ~ and every certain digit."""
    return "~" + rounded_text(scale.size, scale.certain_digits)


def note_text(scale: Scale) -> str:
    """The note "SIZE[ WORD]..." that gives the scale to the program."""
    size = approximate_text(scale) if scale.certain_digits else exact_text(scale.size)
    words = [RECIPROCAL] * scale.reciprocal + [ABSOLUTE] * scale.absolute
    return " ".join([size] + words)


def read_note(note: str) -> Optional[Scale]:
    """The scale a note gives, or None when it does not parse (the program then ignores it)."""
    words = note.split(" ")
    size = words[0]
    approximate = size.startswith("~")
    size = size[1:] if approximate else size
    top, slash, bottom = size.partition("/")
    bottom = bottom if slash else "1"
    if not _is_decimal(top) or not _is_decimal(bottom) or (slash and approximate):
        return None
    if Fraction(top) == 0 or Fraction(bottom) == 0:
        return None
    value = Fraction(top) / Fraction(bottom)
    certain = written_significant_digits(top) if approximate else 0
    if approximate and certain < LEAST_APPROXIMATE_DIGITS:
        return None
    marks = words[1:]
    if any(word not in (RECIPROCAL, ABSOLUTE) for word in marks) or len(set(marks)) < len(marks):
        return None
    return Scale(value, reciprocal=RECIPROCAL in marks, certain_digits=certain,
                 absolute=ABSOLUTE in marks)


def _within_last_place(rounded: str, exact: str) -> bool:
    """|rounded x exact - 1| < one unit in rounded's last written place x |exact|."""
    places = len(rounded.partition(".")[2])
    product = Fraction(rounded) * Fraction(exact)
    return abs(product - 1) < Fraction(1, 10**places) * abs(Fraction(exact))


def size_from_factors(factor_from: str, factor_to: str) -> Optional[Fraction]:
    """The exact size the program finds in two factors without a note: FactorToBase when the
    two multiply to 1; else the factor with fewer significant digits when the other lies
    within one unit in its last written place of its reciprocal; else none."""
    if not _is_decimal(factor_from) or not _is_decimal(factor_to):
        return None
    if Fraction(factor_from) * Fraction(factor_to) == 1:
        return Fraction(factor_to)
    from_digits, to_digits = significant_digits(factor_from), significant_digits(factor_to)
    if not from_digits or not to_digits:
        return None
    if from_digits > to_digits and _within_last_place(factor_from, factor_to):
        return Fraction(factor_to)
    if to_digits > from_digits and _within_last_place(factor_to, factor_from):
        return 1 / Fraction(factor_from)
    return None


def read_scale(entry) -> Optional[Scale]:
    """The scale the program reads from a catalogue entry, or None when it finds no exact
    size (it then uses the factors as written)."""
    noted = read_note(entry.note) if entry.note else None
    if noted:
        return noted
    size = size_from_factors(entry.factor_from_base, entry.factor_to_base)
    if size is None:
        return None
    if not entry.offset:
        return Scale(size)
    offset = Fraction(entry.offset)
    # u = (b + Offset) x FactorFromBase, or u = b x FactorFromBase + Offset.
    return Scale(size, -offset if entry.offset_first else -offset * size)
