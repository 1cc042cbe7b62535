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


def display_text(q: Fraction, fraction_digits: int) -> str:
    """q rounded half away from zero to the given fraction digits, trailing zeros dropped."""
    sign = "-" if q < 0 else ""
    scaled = abs(q) * 10**fraction_digits
    digits = int(scaled)
    if scaled - digits >= Fraction(1, 2):
        digits += 1
    return _scaled_text(sign, digits, fraction_digits)
