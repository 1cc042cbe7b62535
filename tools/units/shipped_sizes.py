"""Every unit's size in its category's base, from the definitions alone: what the size notes
and factors of Units.dat must give, and the table of them for the tests."""

from fractions import Fraction

from size_note import APPROXIMATE_DIGITS, Scale, approximate_size, approximate_text
from unit_definitions import DefinitionError

HEADER = (
    "# Unit sizes of data/Units.dat, generated with it from tools/units/definitions.txt, one"
    " line per unit in file order.\n"
    "# Columns: category, unit, kind (plain, absolute or reciprocal), size, zero. b is a quantity"
    " in the category's base\n"
    "# and u the same quantity in the unit: plain b = u x size + zero, reciprocal b x u ="
    " size. Size is an exact\n"
    "# fraction N/D in lowest terms, or ~ and a decimal whose written significant digits are"
    " all that is known\n"
    "# (the size note's digits); zero is N/D, the base value at which the unit reads 0. An absolute"
    " unit's zero\n# is the lowest quantity of its category.\n"
)


def row_scale(row, category) -> Scale:
    """The scale of one row of the category's table, in the category's base."""
    base = category.base
    zero = (row.zero or Fraction(0)) / base
    absolute = (not row.reciprocal and category.absolute is not None
                and (row.zero or 0) == category.absolute)
    size = row.size / base
    certain = 0
    if row.bounds:
        size = approximate_size(row.bounds[0] / base, row.bounds[1] / base)
        if size is None:
            raise DefinitionError(f"line {row.unit.line}: {row.unit.ident} is not known to "
                                  f"{APPROXIMATE_DIGITS} digits; write its constants longer")
        certain = APPROXIMATE_DIGITS
    return Scale(size, zero, row.reciprocal, certain, absolute)


def _fraction(value: Fraction) -> str:
    return f"{value.numerator}/{value.denominator}"


def sizes_text(definitions) -> str:
    """The table of every row of every category, as tests/catalogue/shipped_sizes.tsv."""
    lines = []
    for category in definitions.categories:
        for row in category.rows:
            scale = row_scale(row, category)
            size = (approximate_text(scale) if scale.certain_digits
                    else _fraction(scale.size))
            kind = ("reciprocal" if scale.reciprocal else
                    "absolute" if scale.absolute else "plain")
            lines.append("\t".join((category.name, row.unit.name, kind, size,
                                    _fraction(scale.zero))))
    return HEADER + "".join(line + "\n" for line in lines)
