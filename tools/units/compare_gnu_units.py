#!/usr/bin/env python3
"""Compares every unit of data/Units.dat with GNU units, an independent converter.

Each unit is converted into its category's reference unit (the one of size 1) through the
scales the program reads from Units.dat (a size note, else the factors and offsets), and by GNU
units from its own definitions; the two must agree at 12 significant digits. A reciprocal unit
(mpg US among the fuel consumption units) is compared as the reciprocal of the product of the
two quantities, which GNU units finds dimensionless. gnu_units.txt names the GNU units expression of the units
whose ID is not GNU units' name for them, marks the units GNU units does not know, and lists
the deliberate differences of convention. Exits 1 on a disagreement not listed there, on a
listed difference that now agrees, and on a unit that GNU units does not know under the name
used and that is not marked unknown.

Usage: python3 tools/units/compare_gnu_units.py
"""

import os
import re
import shutil
import subprocess
import sys
from fractions import Fraction
from pathlib import Path

from catalogue_file import build_catalogue, read_catalogue_text
from golden_conversions import convert
from size_note import read_scale
from unit_definitions import DefinitionError, parse_definitions

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
DEFINITIONS = HERE / "definitions.txt"
NAMES = HERE / "gnu_units.txt"
UNITS_DAT = ROOT / "data" / "Units.dat"

TOLERANCE = Fraction(1, 10**12)
# Printed after every query, so that an error message of any length cannot shift the answers.
SENTINEL = "7777777"
_MAPPING = re.compile(r"(\S+)\s*([=~])\s*(.+)\Z")


class Mapping:
    """gnu_units.txt: ID = EXPR, ID = - (unknown to GNU units), ID ~ EXPR (differs on
    purpose; the comment gives the reason)."""

    def __init__(self, text: str):
        self.expressions = {}
        self.unknown = set()
        self.differences = {}
        for number, raw in enumerate(text.splitlines(), start=1):
            body, _, comment = raw.partition("#")
            body = body.strip()
            if not body:
                continue
            match = _MAPPING.match(body)
            if not match:
                raise DefinitionError(f"gnu_units.txt line {number}: expected 'ID = EXPR', "
                                      "'ID = -' or 'ID ~ EXPR  # reason'")
            ident, kind, expression = match.groups()
            if ident in self.expressions or ident in self.unknown:
                raise DefinitionError(f"gnu_units.txt line {number}: {ident} is listed twice")
            if kind == "~":
                if not comment.strip():
                    raise DefinitionError(f"gnu_units.txt line {number}: a difference needs "
                                          "its reason in a comment")
                self.differences[ident] = comment.strip()
            if expression == "-":
                self.unknown.add(ident)
            else:
                self.expressions[ident] = expression

    def expression(self, ident: str) -> str:
        return self.expressions.get(ident, ident)


def _have(expression: str, typed: Fraction) -> str:
    """A GNU units expression for a whole number of units; 'f()' names a GNU function."""
    if expression.endswith("()"):
        return f"{expression[:-2]}({typed})"
    return f"{typed}*({expression})"


def ask_gnu_units(queries):
    """The answer of GNU units to each expression: a Fraction, or the text of its error."""
    command = shutil.which("units")
    if command is None:
        raise DefinitionError("needs the command 'units' (Debian package units)")
    text = "".join(f"{query}\n\n{SENTINEL}\n\n" for query in queries)
    # No personal units file: only GNU units' own definitions count.
    environment = dict(os.environ, LC_ALL="C", HOME=str(HERE))
    environment.pop("MYUNITSFILE", None)
    result = subprocess.run([command, "-f", "", "-H", "", "-t", "-o", "%.15g"], input=text,
                            capture_output=True, text=True, env=environment, check=False)
    chunks = [[]]
    for line in result.stdout.splitlines():
        if line.strip() == SENTINEL:
            chunks.append([])
        elif line.strip():
            chunks[-1].append(line.strip())
    if len(chunks) != len(queries) + 1:
        raise DefinitionError(f"GNU units answered {len(chunks) - 1} of {len(queries)} queries: "
                              + result.stderr.strip())
    answers = []
    for lines in chunks[:-1]:
        try:
            answers.append(Fraction(lines[0]) if len(lines) == 1 else " / ".join(lines))
        except ValueError:
            answers.append(lines[0])
    return answers


def _scale(entry, label):
    scale = read_scale(entry)
    if scale is None:
        raise DefinitionError(f"{label}: Units.dat gives no exact size")
    return scale


def comparisons(definitions, catalogue, shipped, mapping):
    """(ident, unit name, [(typed, ours, GNU units query)]) for every unit of the catalogue."""
    rows = []
    for category, (name, entries) in zip(definitions.categories, shipped):
        own = category.rows
        references = [row for row, unit in enumerate(own)
                      if unit.size == 1 and unit.zero is None and not unit.reciprocal]
        if not references:
            raise DefinitionError(f"[{name}] has no reference unit (SIZE 1, no zero) to compare in")
        reference = _scale(entries[references[0]], f"[{name}] {entries[references[0]].name}")
        reference_expression = mapping.expression(own[references[0]].unit.ident)
        typed_values = ((Fraction(0), Fraction(100)) if any(row.zero is not None for row in own)
                        else (Fraction(1),))
        for row, entry in zip(own, entries):
            label = f"[{name}] {entry.name}"
            scale = _scale(entry, label)
            points = []
            for typed in typed_values:
                ours = convert(typed, scale, reference)
                have = _have(mapping.expression(row.unit.ident), typed)
                query = (f"1/(({have})*({reference_expression}))" if row.reciprocal
                         else f"({have})/({reference_expression})")
                points.append((typed, ours, query))
            rows.append((row.unit.ident, label, points))
    return rows


def _agrees(ours: Fraction, theirs: Fraction) -> bool:
    return abs(ours - theirs) <= TOLERANCE * max(abs(ours), abs(theirs))


def compare(definitions, catalogue, shipped, mapping):
    """(problems, summary lines)."""
    idents = {ident for _, entries in catalogue for ident, _ in entries}
    problems = [f"gnu_units.txt names {ident}, which the catalogue does not have"
                for ident in sorted((set(mapping.expressions) | mapping.unknown) - idents)]
    rows = comparisons(definitions, catalogue, shipped, mapping)
    asked = [(ident, label, point) for ident, label, points in rows
             if ident not in mapping.unknown for point in points]
    answers = iter(ask_gnu_units([query for _, _, (_, _, query) in asked]))
    verdicts = {}
    for ident, label, (typed, ours, query) in asked:
        theirs = next(answers)
        if not isinstance(theirs, Fraction):
            problems.append(f"{label}: GNU units cannot evaluate {query!r} ({theirs}); give "
                            f"{ident} its GNU units expression or mark it '-' in gnu_units.txt")
            verdicts[ident] = None
        elif ident in verdicts and verdicts[ident] is None:
            continue
        else:
            agrees = _agrees(ours, theirs)
            verdicts[ident] = verdicts.get(ident, True) and agrees
            if not agrees and ident not in mapping.differences:
                problems.append(f"{label}: {typed} gives {float(ours)!r} here, GNU units "
                                f"{float(theirs)!r} ({query})")
    for ident, reason in mapping.differences.items():
        if verdicts.get(ident):
            problems.append(f"{ident} is listed as a difference ({reason}) but agrees")
    compared = [ident for ident, verdict in verdicts.items() if verdict is not None]
    agreeing = [ident for ident in compared if verdicts[ident]]
    summary = [f"{len(rows)} units: {len(compared)} compared with GNU units, {len(agreeing)} "
               f"agree, {len(compared) - len(agreeing)} differ, "
               f"{len(mapping.unknown & idents)} unknown to GNU units"]
    summary += [f"  differs on purpose: {ident}: {reason}"
                for ident, reason in mapping.differences.items() if verdicts.get(ident) is False]
    return problems, summary


def main() -> int:
    try:
        definitions = parse_definitions(DEFINITIONS.read_text(encoding="utf-8"))
        catalogue = build_catalogue(definitions)
        shipped = read_catalogue_text(UNITS_DAT.read_text(encoding="utf-8"))
        mapping = Mapping(NAMES.read_text(encoding="utf-8"))
        problems, summary = compare(definitions, catalogue, shipped, mapping)
    except DefinitionError as error:
        print(f"compare_gnu_units: {error}", file=sys.stderr)
        return 2
    print("\n".join(summary))
    for problem in problems:
        print(f"compare_gnu_units: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
