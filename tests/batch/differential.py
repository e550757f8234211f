#!/usr/bin/python3
"""Independent check of the command-line report over random connections.

Writes random input data files with the documented line layout (not through the program's own
writer), runs the real `wvx11 FILE /I` on each and checks:
  - a connection the script knows to be sound ends with exit code 0 and a report whose header carries
    the file's three information lines, whose key heading names the key row of the table (read with
    dbfread), and whose diameter and torque lines show the values written;
  - a connection the script makes fatal (TN = 0, KA = 0, d = 0, no key row, a groove deeper than half
    the shaft, numbers that are no numbers, bytes that are no input file) ends with exit code 1, the
    fatal message on standard error, no report, and an older report of that name removed.

Usage: differential.py --wvx11 PATH --tables FOLDER [--count N] [--seed S]
"""
import argparse
import concurrent.futures
import os
import random
import subprocess
import sys
import tempfile

import dbfread

RULE65 = "-" * 65


def real(x):
    """The real-value rule of the input file: 7 decimals; 0 and negative whole numbers as integers."""
    if x < 1 and abs(x - round(x)) < 1e-10:
        return str(int(round(x)))
    return "%.7f" % x


def input_file(c):
    """The lines of an input data file for the connection `c` (a dict), in code page 850."""
    lines = [RULE65, "VX11  -  Scheibenfederberechnung   Eingabedaten", "Version 1.1", "Differenztest", RULE65]
    lines += c["info"]
    lines += ["Welle", "W-1", "Nabe", "N-1"]
    for part in ("shaft", "hub"):
        lines += ["Werkstoff " + part, str(c["re"][part]), "0", "0"]
    lines += [c.get("tn_text", real(c["tn"])), real(c["tmax"]), c.get("ka_text", real(c["ka"])),
              c.get("d_text", real(c["d"])), str(c["row"]), str(c["series"]), str(c["keys"]), "0",
              "0", "0", real(c["klambda"]), "h6", "H7", real(c["mb"]), real(5), real(c["kr"]), real(1)]
    lines += [real(1)] * 3  # fL
    lines += [real(1)] * 3  # fH
    lines += [real(1.2), real(2.0), real(1.0)]  # fS
    lines += ["0", "1"]
    # change log without entries, the title block, the documents section
    lines += ["\u00c4NDERUNGEN", "0", "-" * 20, "||||||0||", "", "", "", ""]
    lines += ["Dokumente", "5", "-" * 20]
    for _ in range(5):
        lines += ["", "", "-" * 14]
    lines += ["", "", "Werkstoff key", str(c["re"]["key"]), "0", "0", "", "", ""]
    return ("\r\n".join(lines) + "\r\n").encode("cp850")


def sig(x):
    """The report's significant-digit form of the simple values used here (no trailing zeros)."""
    text = "%.4g" % x
    return text if "e" not in text else "%d" % round(x)


WORDS = ["Welle", "Getriebe", "Pr\u00fcfstand", "\u00d6lpumpe", "Stufe", "Ma\u00dfe", "Nabe", "Kupplung", "7", "A-12"]


def info_line(rng):
    words = [rng.choice(WORDS) for _ in range(rng.randint(0, 8))]
    return " ".join(words)[:65].rstrip()


def sound_rows(table):
    """Rows (1-based) whose geometry keeps clear of every stop of the rating by a margin."""
    rows = []
    for n, r in enumerate(table, start=1):
        h, d2, r1, t1a, t1b = r["H"], r["D2"], r["R1"], r["T1A"], r["T1B"]
        dr1 = 0.2 if r["B"] > 5 else 0.1
        ok = 0 < h < d2 and h - 2 * r1 - 2 * dr1 > 0.2 and all(0.2 < t1 < h - r1 - dr1 - 0.3 for t1 in (t1a, t1b))
        if ok and r["D1MIN"] > 0 and r["D1MAX"] >= r["D1MIN"]:
            rows.append(n)
    return rows


def connection(rng, table, rows):
    row = rng.choice(rows)
    r = table[row - 1]
    c = {
        "info": [info_line(rng) for _ in range(3)],
        "re": {"shaft": rng.randint(200, 900), "hub": rng.randint(150, 700), "key": rng.randint(250, 900)},
        "tn": rng.randint(1, 400),
        "ka": rng.choice([1, 1.25, 1.5, 2]),
        "d": round(rng.uniform(r["D1MIN"], r["D1MAX"]), 1),
        "row": row,
        "series": rng.choice([1, 2]),
        "keys": rng.choice([1, 2]),
        "klambda": rng.choice([1, 1.1, 1.3]),
        "kr": rng.choice([1, 1.2]),
        "mb": rng.choice([0, 0, 15.5]),
        "fatal": None,
    }
    c["tmax"] = c["tn"] * rng.choice([1, 1.5, 2.5])
    kind = rng.random()
    if kind < 0.06:
        c["tn"], c["fatal"] = 0, "Fatal  : TN = 0 !"
    elif kind < 0.10:
        c["ka"], c["fatal"] = 0, "Fatal  : KA = 0 !"
    elif kind < 0.14:
        c["d"], c["fatal"] = 0, "Fatal  : d = 0 !"
    elif kind < 0.18:
        c["row"], c["fatal"] = 0, "Fatal  : d2 = 0 !"
    elif kind < 0.22:
        t1 = r["T1A"] if c["series"] == 1 else r["T1B"]
        c["d"], c["fatal"] = round(rng.uniform(0.05, t1 / 2), 2), "Fatal  : d - t1/2 <= 0 !"
    elif kind < 0.26:
        c["tn_text"], c["fatal"] = rng.choice(["nan", "inf", "-inf", "1e4000", "2e12", "zwei"]), "Fatal  : TN = 0 !"
    elif kind < 0.28:
        c["d_text"], c["fatal"] = rng.choice(["NaN", "1e999", "-1e13"]), "Fatal  : d = 0 !"
    return c


def run(wvx11, folder, name):
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(folder, "cfg"), TEMP=os.path.join(folder, "tmp"),
               TMPDIR=os.path.join(folder, "tmp"))
    for var in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
        env.pop(var, None)
    return subprocess.run([wvx11, name, "/I"], cwd=os.path.join(folder, "work"), env=env, capture_output=True,
                          timeout=60)


def check(wvx11, folder, table, number, c, noise):
    """Returns a list of problems found for one connection."""
    name = "c%04d.vxk" % number
    report = os.path.join(folder, "work", "c%04d.txt" % number)
    with open(os.path.join(folder, "work", name), "wb") as f:
        f.write(noise if noise is not None else input_file(c))
    fatal = "Fatal  : " if noise is not None else c["fatal"]
    if fatal:
        with open(report, "wb") as f:
            f.write(b"older report\r\n")
    done = run(wvx11, folder, name)
    err = done.stderr.decode("utf-8", "replace")
    problems = []
    if fatal:
        if done.returncode != 1:
            problems.append("exit code %d, expected 1" % done.returncode)
        if fatal not in err:
            problems.append("no %r on standard error: %r" % (fatal, err))
        if os.path.exists(report):
            problems.append("a report was left")
        return problems
    if done.returncode != 0:
        return ["exit code %d: %s" % (done.returncode, err)]
    if not os.path.exists(report):
        return ["no report"]
    with open(report, "rb") as f:
        lines = f.read().decode("utf-8").split("\n")
    if lines[2:5] != c["info"]:
        problems.append("information lines %r, expected %r" % (lines[2:5], c["info"]))
    r = table[c["row"] - 1]
    heading = "Scheibenfeder DIN 6888 - %s x %s" % (sig(r["B"]), sig(r["H"]))
    if heading not in lines:
        problems.append("no heading %r" % heading)
    diameter = "Wellendurchmesser\td1\tmm\t   " + sig(c["d"]).replace(".", ",")
    if diameter not in lines:
        problems.append("no line %r" % diameter)
    torque = "Nenndrehmoment\tTnenn\tNm\t" + sig(c["tn"]).replace(".", ",")
    if torque not in lines:
        problems.append("no line %r" % torque)
    series = "Reihe\tA/B\t\t" + ("A" if c["series"] == 1 else "B")
    if series not in lines:
        problems.append("no line %r" % series)
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--wvx11", required=True)
    parser.add_argument("--tables", required=True)
    parser.add_argument("--count", type=int, default=400)
    parser.add_argument("--seed", type=int, default=6892)
    args = parser.parse_args()
    args.wvx11 = os.path.abspath(args.wvx11)
    table = list(dbfread.DBF(os.path.join(args.tables, "din6888.dbf"), encoding="cp850"))
    rows = sound_rows(table)
    if not rows:
        print("no usable row in the key table")
        return 1
    rng = random.Random(args.seed)
    cases = []
    for number in range(args.count):
        if rng.random() < 0.02:
            cases.append((number, None, bytes(rng.getrandbits(8) for _ in range(rng.randint(1, 200000)))))
        else:
            cases.append((number, connection(rng, table, rows), None))
    with tempfile.TemporaryDirectory(prefix="vx11_differential_") as folder:
        for sub in ("work", "tmp", "cfg"):
            os.mkdir(os.path.join(folder, sub))
        with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
            results = list(pool.map(lambda k: (k[0], check(args.wvx11, folder, table, *k)), cases))
        leftovers = os.listdir(os.path.join(folder, "tmp"))
    failed = [(n, p) for n, p in results if p]
    fatal = sum(1 for _, c, noise in cases if noise is not None or c["fatal"])
    for n, problems in failed[:20]:
        print("connection %d: %s" % (n, "; ".join(problems)))
    if leftovers:
        print("left in the temporary folder: %s" % leftovers)
    print("%d connections (%d fatal), %d with problems" % (len(cases), fatal, len(failed)))
    return 1 if failed or leftovers else 0


if __name__ == "__main__":
    sys.exit(main())
