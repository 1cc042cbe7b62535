#!/usr/bin/env python3
"""Writes data/Units.dat, its unit sizes and its golden conversions from
tools/units/definitions.txt.

Usage: python3 tools/units/generate_units.py [--check]
  --check  write nothing; exit 1 when a generated file differs from what would be written.
"""

import argparse
import sys
from pathlib import Path

from catalogue_file import build_catalogue, catalogue_text, read_catalogue_text
from golden_conversions import golden_text
from shipped_sizes import sizes_text
from unit_definitions import DefinitionError, parse_definitions

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
DEFINITIONS = HERE / "definitions.txt"
CONVERSIONS = HERE / "conversions.txt"
UNITS_DAT = Path("data") / "Units.dat"
GOLDEN_TSV = Path("tests") / "catalogue" / "shipped_conversions.tsv"
SIZES_TSV = Path("tests") / "catalogue" / "shipped_sizes.tsv"


def render():
    """{relative path: text} of every generated file, plus the catalogue for the summary."""
    definitions = parse_definitions(DEFINITIONS.read_text(encoding="utf-8"))
    catalogue = build_catalogue(definitions)
    units_dat = catalogue_text(catalogue)
    shipped = read_catalogue_text(units_dat)
    built = [(name, [entry for _, entry in entries]) for name, entries in catalogue]
    if shipped != built:
        raise DefinitionError("Units.dat does not read back as the catalogue it was written from")
    golden = golden_text(CONVERSIONS.read_text(encoding="utf-8"), definitions)
    return {UNITS_DAT: units_dat, SIZES_TSV: sizes_text(definitions), GOLDEN_TSV: golden}, catalogue


def main(argv) -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    args = parser.parse_args(argv)
    try:
        outputs, catalogue = render()
    except DefinitionError as error:
        print(f"generate_units: {error}", file=sys.stderr)
        return 2
    if args.check:
        stale = [
            path for path, text in outputs.items()
            if not (ROOT / path).is_file() or (ROOT / path).read_bytes() != text.encode("utf-8")
        ]
        for path in stale:
            print(f"generate_units: {path.as_posix()} is out of date; run "
                  "python3 tools/units/generate_units.py", file=sys.stderr)
        return 1 if stale else 0
    for path, text in outputs.items():
        (ROOT / path).parent.mkdir(parents=True, exist_ok=True)
        (ROOT / path).write_bytes(text.encode("utf-8"))
    units = sum(len(entries) for _, entries in catalogue)
    print(f"wrote {UNITS_DAT.as_posix()}: {len(catalogue)} categories, {units} units")
    rows = [line for line in outputs[GOLDEN_TSV].splitlines() if not line.startswith("#")]
    print(f"wrote {SIZES_TSV.as_posix()}: {units} sizes")
    print(f"wrote {GOLDEN_TSV.as_posix()}: {len(rows)} conversions")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
