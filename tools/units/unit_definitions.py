"""Reads the definitions file into categories of units with exact rational sizes."""

import re
from dataclasses import dataclass, field
from fractions import Fraction
from typing import Optional

from unit_expression import Expression, ExpressionError

_IDENTIFIER = re.compile(r"[A-Za-z_][A-Za-z0-9_]*\Z")
_CONSTANT = re.compile(r"(const|approx)\s+(\S+)\s*=(.*)\Z")
_BASE = re.compile(r"base\s+(.*)\Z")
_ABSOLUTE = re.compile(r"absolute\s+(.*)\Z")
_RECIPROCAL = re.compile(r"reciprocal\s+\[([^\]]+)\]\s*=(.*)\Z")
_NUMBER = re.compile(r"\s*\d+(?:\.(\d*))?\s*\Z")


class DefinitionError(ValueError):
    pass


@dataclass
class UnitDefinition:
    ident: str
    name: str
    is_default: bool  # preselected as the source unit
    size_expression: Expression
    zero_expression: Optional[Expression]
    line: int
    size: Fraction = Fraction(0)
    zero: Optional[Fraction] = None
    approximate: bool = False  # derived from an "approx" constant such as pi
    # For an approximate size: the sizes at the two ends of its constants' uncertainty.
    bounds: Optional[tuple] = None


@dataclass
class UnitRow:
    """One row of a category's table: a unit of its own, or a unit of another category shown
    as a reciprocal unit."""

    unit: UnitDefinition
    size: Fraction  # b = u x size (+ zero), or b x u = size when reciprocal; b in reference units
    zero: Optional[Fraction] = None
    reciprocal: bool = False
    bounds: Optional[tuple] = None  # (low, high) of an approximate size


@dataclass
class CategoryDefinition:
    name: str
    units: list = field(default_factory=list)
    # The catalogue's base in the units that SIZE and ZERO are written in; 1 unless a
    # "base" line says otherwise.
    base_expression: Optional[Expression] = None
    base_line: int = 0
    base: Fraction = Fraction(1)
    # "absolute EXPR": no quantity of the category lies below EXPR reference units.
    absolute_expression: Optional[Expression] = None
    absolute_line: int = 0
    absolute: Optional[Fraction] = None
    # "reciprocal [Other] = EXPR": the units of Other follow, reciprocal, b x b' = EXPR.
    reciprocal_of: Optional[str] = None
    reciprocal_expression: Optional[Expression] = None
    reciprocal_line: int = 0
    reciprocal_product: Fraction = Fraction(0)
    rows: list = field(default_factory=list)


@dataclass
class Definitions:
    categories: list
    units: dict  # ident -> UnitDefinition, over all categories


def _expression(text: str, line: int) -> Expression:
    try:
        return Expression(text)
    except ExpressionError as error:
        raise DefinitionError(f"line {line}: {error}") from None


def _unit(body: str, line: int) -> UnitDefinition:
    fields = [part.strip() for part in body.split("|")]
    if len(fields) not in (3, 4):
        raise DefinitionError(f"line {line}: expected 'ID | Name | SIZE [| ZERO]'")
    ident, name, size = fields[:3]
    is_default = ident.startswith("*")
    ident = ident.removeprefix("*")
    if not _IDENTIFIER.match(ident):
        raise DefinitionError(f"line {line}: {ident!r} is not an identifier")
    zero = _expression(fields[3], line) if len(fields) == 4 else None
    return UnitDefinition(ident, name, is_default, _expression(size, line), zero, line)


def _category_line(categories: list, body: str, number: int) -> bool:
    """Reads a "base", "absolute" or "reciprocal" line into the current category; False for
    any other line."""
    base, absolute, reciprocal = (pattern.match(body) for pattern in (_BASE, _ABSOLUTE,
                                                                      _RECIPROCAL))
    if not (base or absolute or reciprocal):
        return False
    keyword = body.split()[0]
    category = categories[-1] if categories else None
    attribute = {"base": "base_expression", "absolute": "absolute_expression",
                 "reciprocal": "reciprocal_expression"}[keyword]
    if category is None or getattr(category, attribute) is not None:
        raise DefinitionError(f"line {number}: '{keyword}' belongs once inside a [Category]")
    if base:
        category.base_expression = _expression(base.group(1), number)
        category.base_line = number
    elif absolute:
        category.absolute_expression = _expression(absolute.group(1), number)
        category.absolute_line = number
    else:
        category.reciprocal_of = reciprocal.group(1)
        category.reciprocal_expression = _expression(reciprocal.group(2), number)
        category.reciprocal_line = number
    return True


def parse_definitions(text: str) -> Definitions:
    """Parses and evaluates the definitions; raises DefinitionError on the first fault."""
    constants = {}
    approximate = {}  # ident -> one unit in the last written place of its value
    categories = []
    units = {}
    for number, raw in enumerate(text.splitlines(), start=1):
        body, _, source = raw.partition("#")
        body = body.strip()
        if not body:
            continue
        if body.startswith("[") and body.endswith("]"):
            categories.append(CategoryDefinition(body[1:-1]))
            continue
        if not source.strip():
            raise DefinitionError(f"line {number}: the definition cites no source")
        if _category_line(categories, body, number):
            continue
        constant = _CONSTANT.match(body)
        if constant:
            kind, ident, text = constant.groups()
            if not _IDENTIFIER.match(ident):
                raise DefinitionError(f"line {number}: {ident!r} is not an identifier")
            definition = _expression(text, number)
            if kind == "approx":
                written = _NUMBER.match(text)
                if not written:
                    raise DefinitionError(f"line {number}: an approximate value is one "
                                          "decimal number, known to its last written digit")
                approximate[ident] = Fraction(1, 10 ** len(written.group(1) or ""))
        elif not categories:
            raise DefinitionError(f"line {number}: unit before the first [Category]")
        else:
            definition = _unit(body, number)
            ident = definition.ident
            categories[-1].units.append(definition)
        if ident in constants or ident in units:
            raise DefinitionError(f"line {number}: {ident!r} is defined twice")
        if constant:
            constants[ident] = definition
        else:
            units[ident] = definition
    _evaluate_all(constants, units, approximate, categories)
    _build_rows(categories)
    return Definitions(categories, units)


class _Evaluator:
    """Values of the names, with every approximate constant moved by `shift` units in its last
    written place; records which names use an approximate one."""

    def __init__(self, constants: dict, units: dict, approximate: dict, shift: int):
        self.constants = constants
        self.units = units
        self.approximate = approximate
        self.shift = shift
        self.inexact = set(approximate)
        self.values = {}
        self.pending = []  # names being evaluated, innermost last

    def evaluate(self, name: str, expression: Expression) -> Fraction:
        self.pending.append(name)
        try:
            return expression.evaluate(self.lookup)
        except ExpressionError as error:
            raise DefinitionError(f"{name}: {error}") from None
        finally:
            self.pending.pop()

    def lookup(self, name: str) -> Fraction:
        if name not in self.values:
            if name in self.pending:
                raise DefinitionError("circular definition: " +
                                      " -> ".join(self.pending + [name]))
            if name in self.constants:
                value = self.evaluate(name, self.constants[name])
                if name in self.approximate:
                    value += self.shift * self.approximate[name]
            elif name in self.units:
                value = self.evaluate(name, self.units[name].size_expression)
            else:
                raise DefinitionError(f"unknown name {name!r}")
            self.values[name] = value
        if name in self.inexact and self.pending:
            self.inexact.add(self.pending[-1])
        return self.values[name]


def _evaluate_all(constants: dict, units: dict, approximate: dict, categories: list) -> None:
    """Evaluates every unit and category line; a name that uses an approximate name becomes
    approximate, and its size is also taken at both ends of the constants' uncertainty."""
    evaluator = _Evaluator(constants, units, approximate, 0)
    for unit in units.values():
        try:
            unit.size = evaluator.lookup(unit.ident)
            if unit.zero_expression is not None:
                unit.zero = evaluator.evaluate(unit.ident, unit.zero_expression)
        except DefinitionError as error:
            raise DefinitionError(f"line {unit.line}: {error}") from None
        unit.approximate = unit.ident in evaluator.inexact
    ends = [_Evaluator(constants, units, approximate, shift) for shift in (-1, 1)]
    for unit in units.values():
        if unit.approximate:
            unit.bounds = tuple(sorted(end.lookup(unit.ident) for end in ends))
    for category in categories:
        for attribute, line in (("base", category.base_line),
                                ("absolute", category.absolute_line),
                                ("reciprocal", category.reciprocal_line)):
            expression = getattr(category, attribute + "_expression")
            if expression is None:
                continue
            name = f"[{category.name}] {attribute}"
            try:
                value = evaluator.evaluate(name, expression)
            except DefinitionError as error:
                raise DefinitionError(f"line {line}: {error}") from None
            if name in evaluator.inexact or (attribute != "absolute" and value <= 0):
                raise DefinitionError(f"[{category.name}]: its {attribute} must be exact"
                                      + ("" if attribute == "absolute" else " and positive"))
            if attribute == "reciprocal":
                category.reciprocal_product = value
            else:
                setattr(category, attribute, value)


def _build_rows(categories: list) -> None:
    """Each category's own units, then those of the category it shows reciprocally."""
    by_name = {category.name: category for category in categories}
    for category in categories:
        category.rows = [UnitRow(unit, unit.size, unit.zero, False, unit.bounds)
                         for unit in category.units]
        if category.reciprocal_of is None:
            continue
        other = by_name.get(category.reciprocal_of)
        if other is None or other is category:
            raise DefinitionError(f"line {category.reciprocal_line}: no other category "
                                  f"[{category.reciprocal_of}]")
        product = category.reciprocal_product
        for unit in other.units:
            if unit.zero is not None:
                raise DefinitionError(f"line {category.reciprocal_line}: {unit.ident} has a zero "
                                      "point and cannot be shown reciprocally")
            bounds = (product / unit.bounds[1], product / unit.bounds[0]) if unit.bounds else None
            category.rows.append(UnitRow(unit, product / unit.size, None, True, bounds))
