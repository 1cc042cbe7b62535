"""The Units.dat catalogue: built from the definitions, written as text and read back."""

from dataclasses import dataclass
from fractions import Fraction

from decimal_text import SIGNIFICANT_DIGITS, factor_text
from unit_definitions import DefinitionError

# The window, the settings and the language files address categories by position.
CATEGORY_ORDER = (
    "Length", "Area", "Volume", "Mass", "Time", "Speed", "Acceleration", "Force",
    "Pressure", "Energy", "Power", "Temperature", "Angle", "Frequency", "Data Size",
    "Data Rate", "Density", "Volume Flow", "Mass Flow", "Torque", "Dynamic Viscosity",
    "Kinematic Viscosity", "Electric Current", "Electric Charge", "Voltage",
    "Electric Resistance", "Capacitance", "Inductance", "Magnetic Flux",
    "Magnetic Flux Density", "Illuminance", "Luminance", "Radioactivity", "Absorbed Dose",
    "Equivalent Dose", "Amount of Substance",
)

# The unit column of the window is narrow.
MAX_NAME_LENGTH = 32

RECIPROCAL_TOLERANCE = Fraction(1, 10 ** (SIGNIFICANT_DIGITS - 1))

FIRST_LINE = "Generated from tools/units/definitions.txt by tools/units/generate_units.py."


@dataclass(frozen=True)
class CatalogueEntry:
    """One unit line; the texts as they stand in the file."""

    name: str
    is_default: bool = False
    factor_from_base: str = ""
    factor_to_base: str = ""
    offset: str = ""
    offset_first: bool = False

    def line(self) -> str:
        # The generator writes offsets last only: u = b x FactorFromBase + Offset.
        text = ("*" if self.is_default else "") + self.name + "="
        text += self.factor_from_base + "|" + self.factor_to_base
        return text + ("|+" + self.offset if self.offset else "")


def _check_name(name: str, seen: set, line: int) -> None:
    problem = None
    if not all(32 <= ord(ch) < 127 for ch in name):
        problem = "is not printable ASCII"
    elif len(name) > MAX_NAME_LENGTH:
        problem = f"is longer than {MAX_NAME_LENGTH} characters"
    elif "=" in name or "|" in name or name[:1] in ("[", "*") or name != name.strip():
        problem = "cannot stand in a unit line"
    elif not (name.endswith(")") and " (" in name):
        problem = "does not end with its symbol in parentheses"
    elif name in seen:
        problem = "is used twice in its category"
    if problem:
        raise DefinitionError(f"line {line}: unit name {name!r} {problem}")
    seen.add(name)


def _entry(unit) -> CatalogueEntry:
    if unit.is_default:
        if unit.size != 1 or unit.zero is not None:
            raise DefinitionError(f"line {unit.line}: the base unit must have size 1, no zero")
        return CatalogueEntry(unit.name, True, "1", "1")
    if unit.size == 0:
        raise DefinitionError(f"line {unit.line}: {unit.ident} has size 0")
    from_base = factor_text(1 / unit.size, unit.approximate)
    to_base = factor_text(unit.size, unit.approximate)
    product = Fraction(from_base) * Fraction(to_base)
    if abs(product - 1) > RECIPROCAL_TOLERANCE:
        raise DefinitionError(f"line {unit.line}: {from_base} x {to_base} is not 1")
    offset = "" if unit.zero is None else factor_text(-unit.zero / unit.size, unit.approximate)
    return CatalogueEntry(unit.name, False, from_base, to_base, offset)


def build_catalogue(definitions):
    """[(category name, [(ident, CatalogueEntry)])] in file order, validated."""
    names = tuple(category.name for category in definitions.categories)
    if names != CATEGORY_ORDER:
        raise DefinitionError(f"categories must be, in this order: {', '.join(CATEGORY_ORDER)}")
    catalogue = []
    for category in definitions.categories:
        defaults = [unit.ident for unit in category.units if unit.is_default]
        if len(defaults) != 1:
            raise DefinitionError(f"[{category.name}] needs exactly one base unit marked '*'")
        seen = set()
        entries = []
        for unit in category.units:
            _check_name(unit.name, seen, unit.line)
            entries.append((unit.ident, _entry(unit)))
        catalogue.append((category.name, entries))
    return catalogue


def catalogue_text(catalogue) -> str:
    lines = [FIRST_LINE]
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
    return CatalogueEntry(name, is_default, first, factor_to, offset)


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
