"""The Units.dat catalogue: built from the definitions, written as text and read back."""

import re
from dataclasses import dataclass, replace
from fractions import Fraction

from decimal_text import SIGNIFICANT_DIGITS, factor_text, is_terminating
from shipped_sizes import row_scale
from size_note import note_text, read_scale
from unit_definitions import DefinitionError

# The window, the settings and the language files address categories by position, and
# options.ini keeps the selected one by index: a new category goes at the end.
CATEGORY_ORDER = (
    "Length", "Area", "Volume", "Mass", "Time", "Speed", "Acceleration", "Force",
    "Pressure", "Energy", "Power", "Temperature", "Angle", "Frequency", "Data Size",
    "Data Rate", "Density", "Volume Flow", "Mass Flow", "Torque", "Dynamic Viscosity",
    "Kinematic Viscosity", "Electric Current", "Electric Charge", "Voltage",
    "Electric Resistance", "Capacitance", "Inductance", "Magnetic Flux",
    "Magnetic Flux Density", "Illuminance", "Luminance", "Radioactivity", "Absorbed Dose",
    "Equivalent Dose", "Amount of Substance",
    "Fuel Economy", "Fuel Consumption", "Temperature Interval", "Electric Conductance",
    "Luminous Intensity", "Luminous Flux", "Solid Angle", "Ratio", "Magnetic Field (H)",
    "Radiation Exposure", "Angular Velocity", "Thermal Conductivity", "Heat Flux",
    "Specific Energy", "Specific Heat", "Area Density", "Linear Density", "Count",
    "Molar Concentration", "Mass Concentration",
)

# The unit column of the window is narrow; the window's own test measures the names.
MAX_NAME_LENGTH = 32

# Both factors are rounded away from zero, each by less than one unit in its 40th digit.
RECIPROCAL_TOLERANCE = Fraction(2, 10 ** (SIGNIFICANT_DIGITS - 1))

# Every reader ignores the lines before the first "[": they explain the line forms.
HEADER = """\
Generated from tools/units/definitions.txt by tools/units/generate_units.py; do not edit.
A [Category] line opens a category; each line after it is one unit, b a quantity in the
category's base and u the same quantity in the unit, a leading * marking the preselected unit:
  Name=FactorFromBase|FactorToBase                u = b x FactorFromBase, b = u x FactorToBase
  Name=+Offset|FactorFromBase|FactorToBase        u = (b + Offset) x FactorFromBase,
                                                  b = u x FactorToBase - Offset
  Name=FactorFromBase|FactorToBase|=SIZE[ WORD]...  with a size note
A factor is exact when its decimal ends, else rounded away from zero at 40 significant digits.
The size note gives the unit's size in the base, b = u x SIZE: an exact decimal, an exact
fraction N/D, or ~ and a decimal known to its written significant digits only (built on pi).
Words: "reciprocal": b x u = SIZE, and both factors are empty; "absolute": the unit's zero is
the lowest quantity of the category. Without a note the size is FactorToBase when the two
factors multiply to 1, else the factor with fewer significant digits when the other is its
reciprocal rounded in the last written place (FactorFromBase gives the size 1/FactorFromBase).
"""

# "Full Name (symbol)": front ends find a unit by its symbol or by its full name. A symbol may
# hold parentheses of its own, W/(m·K), balanced and never at its start.
_NAME = re.compile(r"(?P<full>[^()]+) \((?P<symbol>[^()].*)\)\Z")


def _balanced(text: str) -> bool:
    depth = 0
    for ch in text:
        depth += {"(": 1, ")": -1}.get(ch, 0)
        if depth < 0:
            return False
    return depth == 0


@dataclass(frozen=True)
class CatalogueEntry:
    """One unit line; the texts as they stand in the file."""

    name: str
    is_default: bool = False
    factor_from_base: str = ""
    factor_to_base: str = ""
    offset: str = ""
    offset_first: bool = False
    note: str = ""  # the size note, after its "="

    def line(self) -> str:
        # Offsets stand first: u = (b + Offset) x FactorFromBase, b = u x FactorToBase - Offset.
        text = ("*" if self.is_default else "") + self.name + "="
        if self.offset:
            text += "+" + self.offset + "|"
        text += self.factor_from_base + "|" + self.factor_to_base
        return text + ("|=" + self.note if self.note else "")


def _name_problem(name: str):
    if not all(ch.isprintable() for ch in name) or "\u00a0" in name or "\ufeff" in name:
        return "holds a character that is not printable text"
    if len(name) > MAX_NAME_LENGTH:
        return f"is longer than {MAX_NAME_LENGTH} characters"
    if "=" in name or "|" in name or name[:1] in ("[", "*"):
        return "cannot stand in a unit line"
    match = _NAME.match(name)
    if (not match or not _balanced(match.group("symbol"))
            or any(part != part.strip() or "  " in part for part in match.groups())):
        return "is not 'Full Name (symbol)' with one symbol in parentheses at the end"
    return None


class _UniqueNames:
    """Symbols and full names seen so far, over the whole catalogue."""

    def __init__(self):
        self.symbols = {}
        self.full_names = {}

    def add(self, name: str, line: int) -> None:
        problem = _name_problem(name)
        if problem is None:
            match = _NAME.match(name)
            symbol, full = match.group("symbol"), match.group("full").casefold()
            if symbol in self.symbols:
                problem = f"uses the symbol of line {self.symbols[symbol]}"
            elif full in self.full_names:
                problem = f"repeats the full name of line {self.full_names[full]}"
            else:
                self.symbols[symbol] = line
                self.full_names[full] = line
        if problem:
            raise DefinitionError(f"line {line}: unit name {name!r} {problem}")


def _factors(row, base: Fraction, exact_to_base: bool) -> CatalogueEntry:
    """The entry of a plain unit as old readers take it: its two factors and its offset."""
    unit = row.unit
    size = row.size / base
    if size == 0:
        raise DefinitionError(f"line {unit.line}: {unit.ident} has size 0")
    from_base = factor_text(1 / size, unit.approximate)
    to_base = factor_text(size, unit.approximate)
    product = Fraction(from_base) * Fraction(to_base)
    if not 0 <= product - 1 <= RECIPROCAL_TOLERANCE:
        raise DefinitionError(f"line {unit.line}: {from_base} x {to_base} is not 1")
    # An offset meets exact values only, so old readers round just once, at the last step.
    if exact_to_base and Fraction(to_base) != size:
        raise DefinitionError(f"line {unit.line}: {unit.ident} needs an exact FactorToBase in "
                              "a category with zero points; choose the category's base")
    if row.zero is None:
        return CatalogueEntry(unit.name, unit.is_default, from_base, to_base)
    zero = row.zero / base
    if unit.approximate or not is_terminating(zero):
        raise DefinitionError(f"line {unit.line}: the zero point of {unit.ident} is not exact "
                              "in the category's base")
    return CatalogueEntry(unit.name, unit.is_default, from_base, to_base,
                          factor_text(-zero), True)


def _entry(row, category, exact_to_base: bool) -> CatalogueEntry:
    """The unit's line: its factors, and a size note wherever the program would not find the
    exact size in them."""
    unit = row.unit
    scale = row_scale(row, category)
    if row.reciprocal:
        entry = CatalogueEntry(unit.name, note=note_text(scale))
    else:
        entry = _factors(row, category.base, exact_to_base)
        if (scale.certain_digits or scale.absolute or not is_terminating(scale.size)
                or read_scale(entry) != scale):
            if entry.offset:
                raise DefinitionError(f"line {unit.line}: {unit.ident} has a zero point, so its "
                                      "line has no room for the size note it needs")
            entry = replace(entry, note=note_text(scale))
    if read_scale(entry) != scale:
        raise DefinitionError(f"line {unit.line}: the line of {unit.ident} does not read back "
                              "as its size")
    return entry


def build_catalogue(definitions):
    """[(category name, [(ident, CatalogueEntry)])] in file order, validated."""
    names = tuple(category.name for category in definitions.categories)
    if names != CATEGORY_ORDER:
        raise DefinitionError(f"categories must be, in this order: {', '.join(CATEGORY_ORDER)}")
    catalogue = []
    seen = _UniqueNames()
    for category in definitions.categories:
        defaults = [unit.ident for unit in category.units if unit.is_default]
        if len(defaults) != 1:
            raise DefinitionError(f"[{category.name}] needs exactly one preselected unit "
                                  "marked '*'")
        with_zero = any(unit.zero is not None for unit in category.units)
        entries = []
        for row in category.rows:
            # A reciprocal row shows a unit of another category under its own name.
            if not row.reciprocal:
                seen.add(row.unit.name, row.unit.line)
            entries.append((row.unit.ident, _entry(row, category, with_zero)))
        catalogue.append((category.name, entries))
    return catalogue


def catalogue_text(catalogue) -> str:
    lines = HEADER.splitlines()
    for name, entries in catalogue:
        lines.append("[" + name + "]")
        lines.extend(entry.line() for _, entry in entries)
    return "\n".join(lines) + "\n"


def _read_entry(line: str) -> CatalogueEntry:
    name, separator, rest = line.partition("=")
    if not separator:
        return CatalogueEntry("")
    is_default = name.startswith("*")
    name = name[1:] if is_default else name
    if "|" not in rest:
        if rest.startswith("+"):
            return CatalogueEntry(name, is_default, offset=rest[1:], offset_first=True)
        return CatalogueEntry(name, is_default, rest)
    first, _, rest = rest.partition("|")
    if first.startswith("+"):
        factor_from, _, factor_to = rest.partition("|")
        return CatalogueEntry(name, is_default, factor_from, factor_to, first[1:], True)
    if "|" not in rest:
        return CatalogueEntry(name, is_default, first, rest)
    factor_to, _, third = rest.partition("|")
    offset = third[1:] if third.startswith("+") else ""
    note = third[1:] if third.startswith("=") else ""
    return CatalogueEntry(name, is_default, first, factor_to, offset, note=note)


def read_catalogue_text(text: str):
    """[(category name, [CatalogueEntry])] as the program's loader reads the file."""
    catalogue = []
    for line in text.split("\0")[0].replace("\r\n", "\n").replace("\r", "\n").split("\n"):
        if not line.strip("".join(chr(code) for code in range(1, 33))):
            continue
        if line.startswith("["):
            catalogue.append((line[1:-1], []))
        elif catalogue:
            catalogue[-1][1].append(_read_entry(line))
    return catalogue
