"""Runs wvx11 /JSON on the shipped examples and on a file whose rating stops, and validates every
result file against the shipped JSON Schema with Debian's jsonschema.

Usage: check_json_schema.py <wvx11> <examples folder> <schema>
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

import jsonschema

KEY_ROW_LINE = 25  # line of key_row_number in the input data file


def main():
    wvx11, examples, schema_path = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    schema = json.loads(schema_path.read_text(encoding="utf-8"))
    validator_class = jsonschema.validators.validator_for(schema)
    validator_class.check_schema(schema)
    validator = validator_class(schema)
    failures = []
    with tempfile.TemporaryDirectory(prefix="vx11_schema_") as tmp:
        folder = Path(tmp) / "inputs"
        folder.mkdir()
        for f in examples.glob("*.vxk"):
            shutil.copy(f, folder / f.name)
        # No key chosen: the rating stops with "Fatal  : d2 = 0 !".
        lines = (examples / "beispiel.vxk").read_bytes().split(b"\r\n")
        lines[KEY_ROW_LINE - 1] = b"0"
        (folder / "ohne_feder.vxk").write_bytes(b"\r\n".join(lines))
        env = dict(os.environ, XDG_CONFIG_HOME=str(Path(tmp) / "cfg"))
        run = subprocess.run([wvx11, str(folder), "/JSON"], cwd=tmp, env=env, capture_output=True, text=True)
        print(run.stdout, end="")
        if run.returncode != 1 or "ohne_feder.vxk: Fatal  : d2 = 0 !" not in run.stdout:
            failures.append(f"folder run: exit {run.returncode}, stderr {run.stderr!r}")
        outputs = sorted(folder.glob("*.json"))
        if len(outputs) != len(list(folder.glob("*.vxk"))) - 1:  # null.vxk is the template
            failures.append(f"{len(outputs)} result files")
        for out in outputs:
            document = json.loads(out.read_text(encoding="utf-8"))
            errors = sorted(validator.iter_errors(document), key=lambda e: list(e.path))
            for e in errors[:5]:
                failures.append(f"{out.name}: {'/'.join(map(str, e.path))}: {e.message[:200]}")
            if out.stem == "ohne_feder" and not document["fatal_error"]:
                failures.append("ohne_feder.json: the rating did not stop")
            print(f"{out.name}: {'valid' if not errors else 'INVALID'}")
    for f in failures:
        print(f, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
