"""Loads DXF files with an independent reader and fails on any read or audit error.

Usage: check_dxf.py FILE...   Prints one line per file; exit code 1 when any file fails.
"""
import sys

import ezdxf


def check(path):
    try:
        doc = ezdxf.readfile(path)
    except (IOError, ezdxf.DXFStructureError) as err:
        return f"{path}: cannot read: {err}"
    auditor = doc.audit()
    if auditor.has_errors:
        return f"{path}: audit errors: " + "; ".join(str(e.message) for e in auditor.errors)
    msp = doc.modelspace()
    return None if len(msp) > 0 else f"{path}: no entities"


def main(paths):
    failed = False
    for path in paths:
        problem = check(path)
        print(problem or f"{path}: ok")
        failed = failed or problem is not None
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
