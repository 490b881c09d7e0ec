#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Scala files (.scl) of every system and mode, made by the program's command line and read
back by a reader written here from the format's definition, not from the program's code.

  scala_files.py PROGRAM WORK_DIR
  scala_files.py --read FILE      prints each pitch of FILE in cents, one a line

Each file must hold its count of pitches, ascending, the octave 2/1 last, no two alike; and the
position that the design's formula gives for each pitch at 650 must be the position that the
program's own table gives for the note of that name in its first octave.
"""
import os
import re
import resource
import signal
import subprocess
import sys
from fractions import Fraction
from math import log2

FACTOR = 0.9438743126817  # the tables' semitone factor


def run(program, *arguments):
    done = subprocess.run([program, *arguments], capture_output=True,
                          env={**os.environ, "LC_ALL": "C", "LANG": "C"})
    if done.returncode != 0:
        raise SystemExit(f"{arguments}: exit {done.returncode}: {done.stderr.decode()}")
    return done.stdout


def read_scala(data):
    """(description, [(pitch text, name)]) from the bytes of a Scala file."""
    if b"\r\n" not in data or data.replace(b"\r\n", b"").count(b"\n"):
        raise ValueError("lines not ended by CR LF")
    lines = [line for line in data.decode("latin-1").split("\r\n")
             if not line.startswith("!")]
    description, count = lines[0], int(lines[1].split()[0])
    pitches = []
    for line in lines[2:]:
        if not line.strip():
            continue
        value, _, name = line.strip().partition(" ")
        pitches.append((value, name.strip()))
    if len(pitches) != count:
        raise ValueError(f"{count} pitches announced, {len(pitches)} given")
    return description, pitches


def cents(value):
    if "." in value:
        return float(value)
    return 1200 * log2(Fraction(value))


def position(value, length):
    """Where the design puts the fret of a pitch, in ten-thousandths: on the length for a
    ratio, from the semitone factor for a tempered step."""
    if "." in value:
        n = round(float(value) / 100)
        return length - round(length / 10000 * FACTOR**n * 10000)
    a, _, b = value.partition("/")
    return length - round(length / 10000 / (float(a) / float(b or 1)) * 10000)


def table(program, scale, mode):
    """The first octave of the program's table at 650: the position of each note's first fret."""
    out = run(program, "--table", "--scale", scale, "--length", "650",
              *(["--mode", mode] if mode else [])).decode()
    frets = {}
    for line in out.splitlines()[1:]:
        number, text, note = line.split("\t")
        whole, _, decimals = text.partition(".")
        frets.setdefault(note, int(whole) * 10000 + int((decimals + "0000")[:4]))
    return frets


def main():
    if sys.argv[1] == "--read":
        with open(sys.argv[2], "rb") as f:
            _, pitches = read_scala(f.read())
        for value, _ in pitches:
            print(f"{float(cents(value)):.6f}")
        return
    program, work = sys.argv[1], sys.argv[2]
    os.makedirs(work, exist_ok=True)
    # The scales, as the program names them when it refuses one.
    refused = subprocess.run([program, "--table", "--scale", "?", "--length", "650"],
                             capture_output=True, text=True).stderr
    scales = re.findall(r"« ([^»]+) »", refused.split("les gammes sont", 1)[1])
    failures = []
    files = 0
    for scale in scales:
        for mode in (["0", "1", "2", "3", "4", "5", "6"] if scale == "Pythagore Diatonique"
                     else [None]):
            path = os.path.join(work, f"{scale}-{mode}.scl".replace(" ", "_"))
            run(program, "--export", path, "--scale", scale, *(["--mode", mode] if mode else []))
            with open(path, "rb") as f:
                description, pitches = read_scala(f.read())
            files += 1
            what = f"{scale}, mode {mode}"
            values = [cents(v) for v, _ in pitches]
            if not description.startswith(scale.encode("latin-1").decode("latin-1")):
                failures.append(f"{what}: described as {description!r}")
            if values != sorted(values) or len(set(values)) != len(values):
                failures.append(f"{what}: pitches not ascending or not all different")
            if pitches[-1][0] != "2/1":
                failures.append(f"{what}: {pitches[-1]} last, not 2/1")
            frets = table(program, scale, mode)
            for value, name in pitches[:-1]:
                if frets.get(name) != position(value, 6500000):
                    failures.append(f"{what}: {value} {name} at {position(value, 6500000)}, "
                                    f"the table has {frets.get(name)}")
    # A disk that fills after 100 bytes: the old file stays whole, nothing is left beside it.
    old = os.path.join(work, "old.scl")
    with open(old, "wb") as f:
        f.write(b"! old\r\n")

    def full_disk():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (100, 100))

    done = subprocess.run([program, "--export", old, "--scale", "Zarlino Chromatique"],
                          capture_output=True, text=True, preexec_fn=full_disk)
    with open(old, "rb") as f:
        kept = f.read()
    if (done.returncode != 1 or "n'a pas été écrit" not in done.stderr or kept != b"! old\r\n"
            or [n for n in os.listdir(work) if n.startswith("old.scl.")]):
        failures.append(f"a full disk: exit {done.returncode}, {done.stderr!r}, old file {kept!r}")
    for failure in failures:
        print("FAIL:", failure)
    print(f"scala: {files} files, {len(failures)} failures")
    sys.exit(1 if failures or files < 14 else 0)


if __name__ == "__main__":
    main()
