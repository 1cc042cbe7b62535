"""Exact fractions written as the plain decimal texts that Units.dat and the window use."""

from fractions import Fraction

SIGNIFICANT_DIGITS = 40


def without_twos_and_fives(n: int):
    """(m, a, b) with n = m x 2^a x 5^b and m divisible by neither 2 nor 5, for n > 0."""
    twos = fives = 0
    while n % 2 == 0:
        n //= 2
        twos += 1
    while n % 5 == 0:
        n //= 5
        fives += 1
    return n, twos, fives


def _terminating_scale(q: Fraction):
    """The number of fraction digits of q's decimal expansion, or None when it never ends."""
    rest, twos, fives = without_twos_and_fives(q.denominator)
    return max(twos, fives) if rest == 1 else None


def _scaled_text(sign: str, digits: int, scale: int) -> str:
    """sign + digits / 10^scale in canonical form (digits >= 0, scale >= 0)."""
    text = str(digits).rjust(scale + 1, "0")
    whole, fraction = (text[:-scale], text[-scale:]) if scale else (text, "")
    fraction = fraction.rstrip("0")
    if whole == "0" and not fraction:
        sign = ""
    return sign + whole + ("." + fraction if fraction else "")


def _decimal_exponent(q: Fraction) -> int:
    """e with 10^e <= q < 10^(e+1), for q > 0."""
    e = len(str(q.numerator)) - len(str(q.denominator))
    while Fraction(10) ** e > q:
        e -= 1
    while Fraction(10) ** (e + 1) <= q:
        e += 1
    return e


def is_terminating(q: Fraction) -> bool:
    """True when q's decimal expansion ends, so that a text holds it exactly."""
    return _terminating_scale(q) is not None


def factor_text(q: Fraction, approximate: bool = False) -> str:
    """q exactly when its expansion ends, else rounded away from zero at 40 significant digits.

    Rounding away from zero makes every written factor at least as large in magnitude as the
    exact one, so a product of factors never falls below the exact value: an exact tie such as
    2.5 yd, computed through the base, still shows as the tie and rounds half away from zero.
    An approximate q (one computed from a truncated constant such as pi) is always rounded: its
    digits beyond the 40th carry no information. Never uses exponent notation; canonical: no
    superfluous zeros, no trailing '.'."""
    sign = "-" if q < 0 else ""
    q = abs(q)
    if q == 0:
        return "0"
    scale = _terminating_scale(q)
    if scale is not None:
        exact = _scaled_text(sign, q.numerator * 10**scale // q.denominator, scale)
        if not approximate or _significant_digits(exact) <= SIGNIFICANT_DIGITS:
            return exact
    scale = SIGNIFICANT_DIGITS - 1 - _decimal_exponent(q)
    scaled = q * Fraction(10) ** scale
    digits = -(-scaled.numerator // scaled.denominator)
    if scale < 0:
        return sign + str(digits * 10 ** (-scale))
    return _scaled_text(sign, digits, scale)


def _significant_digits(text: str) -> int:
    return len(text.lstrip("-").replace(".", "").strip("0"))


def significant_digits(text: str) -> int:
    """Significant digits of a decimal text's value: trailing zeros of its integer part, and
    zeros after its last non-zero fraction digit, do not count ("1000" has 1)."""
    whole, _, fraction = text.lstrip("-").partition(".")
    digits = (whole + fraction.rstrip("0")).lstrip("0")
    return len(digits.rstrip("0")) if not fraction.rstrip("0") else len(digits)


def written_significant_digits(text: str) -> int:
    """Digits from the first non-zero one on, trailing zeros included: the precision as
    written."""
    return len(text.lstrip("-").replace(".", "").lstrip("0"))


def exact_text(q: Fraction) -> str:
    """q as a decimal when its expansion ends, else as N/D in lowest terms."""
    if is_terminating(q):
        return factor_text(q)
    return f"{q.numerator}/{q.denominator}"


def _half_away(scaled: Fraction) -> int:
    """scaled rounded half away from zero to an integer."""
    magnitude = abs(scaled)
    digits = int(magnitude)
    if magnitude - digits >= Fraction(1, 2):
        digits += 1
    return -digits if scaled < 0 else digits


def rounded_text(q: Fraction, digits: int) -> str:
    """q rounded half away from zero to `digits` significant digits, trailing zeros kept so
    that the text shows them all; for values below 10^digits."""
    if q == 0:
        raise ValueError("zero has no significant digits")
    scale = digits - 1 - _decimal_exponent(abs(q))
    rounded = _half_away(q * Fraction(10) ** scale)
    if abs(rounded) == 10**digits:  # rounded up into the next power of ten
        scale -= 1
        rounded //= 10
    if scale < 0:
        raise ValueError(f"{digits} significant digits end left of the point")
    text = str(abs(rounded)).rjust(scale + 1, "0")
    whole, fraction = (text[:-scale], text[-scale:]) if scale else (text, "")
    return ("-" if q < 0 else "") + whole + ("." + fraction if fraction else "")


def display_text(q: Fraction, fraction_digits: int, certain_digits: int = 0) -> str:
    """q rounded half away from zero to the given fraction digits, trailing zeros dropped; with
    certain_digits, never to more significant digits than that (then possibly to tens,
    hundreds, ... shown as zeros)."""
    places = fraction_digits
    if certain_digits and q != 0:
        places = min(places, certain_digits - 1 - _decimal_exponent(abs(q)))
    if places >= 0:
        rounded = _half_away(q * 10**places)
        return _scaled_text("-" if rounded < 0 else "", abs(rounded), places)
    rounded = _half_away(q / 10**-places) * 10**-places
    return str(rounded)
