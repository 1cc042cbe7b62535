"""Reads the definitions file into categories of units with exact rational sizes."""

import re
from dataclasses import dataclass, field
from fractions import Fraction
from typing import Optional

from unit_expression import Expression, ExpressionError

_IDENTIFIER = re.compile(r"[A-Za-z_][A-Za-z0-9_]*\Z")
_CONSTANT = re.compile(r"(const|approx)\s+(\S+)\s*=(.*)\Z")
_BASE = re.compile(r"base\s+(.*)\Z")


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


@dataclass
class CategoryDefinition:
    name: str
    units: list = field(default_factory=list)
    # The catalogue's base in the units that SIZE and ZERO are written in; 1 unless a
    # "base" line says otherwise.
    base_expression: Optional[Expression] = None
    base_line: int = 0
    base: Fraction = Fraction(1)


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


def parse_definitions(text: str) -> Definitions:
    """Parses and evaluates the definitions; raises DefinitionError on the first fault."""
    constants = {}
    approximate = set()
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
        base = _BASE.match(body)
        if base:
            if not categories or categories[-1].base_expression is not None:
                raise DefinitionError(f"line {number}: 'base' belongs once inside a [Category]")
            categories[-1].base_expression = _expression(base.group(1), number)
            categories[-1].base_line = number
            continue
        constant = _CONSTANT.match(body)
        if constant:
            kind, ident, text = constant.groups()
            if not _IDENTIFIER.match(ident):
                raise DefinitionError(f"line {number}: {ident!r} is not an identifier")
            definition = _expression(text, number)
            if kind == "approx":
                approximate.add(ident)
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
    return Definitions(categories, units)


def _evaluate_all(constants: dict, units: dict, approximate: set, categories: list) -> None:
    """Evaluates every unit and base; a name that uses an approximate name becomes
    approximate."""
    values = {}
    pending = []  # names being evaluated, innermost last

    def evaluate(name: str, expression: Expression) -> Fraction:
        pending.append(name)
        try:
            return expression.evaluate(lookup)
        except ExpressionError as error:
            raise DefinitionError(f"{name}: {error}") from None
        finally:
            pending.pop()

    def lookup(name: str) -> Fraction:
        if name not in values:
            if name in pending:
                raise DefinitionError("circular definition: " + " -> ".join(pending + [name]))
            if name in constants:
                values[name] = evaluate(name, constants[name])
            elif name in units:
                values[name] = evaluate(name, units[name].size_expression)
            else:
                raise DefinitionError(f"unknown name {name!r}")
        if name in approximate and pending:
            approximate.add(pending[-1])
        return values[name]

    for unit in units.values():
        try:
            unit.size = lookup(unit.ident)
            if unit.zero_expression is not None:
                unit.zero = evaluate(unit.ident, unit.zero_expression)
        except DefinitionError as error:
            raise DefinitionError(f"line {unit.line}: {error}") from None
        unit.approximate = unit.ident in approximate
    for category in categories:
        if category.base_expression is None:
            continue
        name = f"[{category.name}] base"
        try:
            category.base = evaluate(name, category.base_expression)
        except DefinitionError as error:
            raise DefinitionError(f"line {category.base_line}: {error}") from None
        if name in approximate or category.base <= 0:
            raise DefinitionError(f"line {category.base_line}: a base must be exact and positive")
