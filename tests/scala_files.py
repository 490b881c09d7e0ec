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

import yoshimi

FACTOR = 0.9438743126817  # the tables' semitone factor


def run(program, *arguments):
    done = subprocess.run([program, *arguments], capture_output=True,
                          env={**os.environ, "LC_ALL": "C", "LANG": "C"})
    if done.returncode != 0:
        raise SystemExit(f"{arguments}: exit {done.returncode}: {done.stderr.decode()}")
    return done.stdout


def unescaped(text):
    """A comment's text with its \\uXXXX read."""
    return re.sub(r"\\u([0-9A-Fa-f]{4})|\\U([0-9A-Fa-f]{8})",
                  lambda m: chr(int(m.group(1) or m.group(2), 16)), text)


def read_scala(data):
    """(title, [(pitch text, name)]) from the bytes of a Scala file as the program writes them:
    ASCII only, CR LF, a pitch line holding its value alone, its name in the comment just
    above it, and the title in full in the comment above the description."""
    if b"\r\n" not in data or data.replace(b"\r\n", b"").count(b"\n"):
        raise ValueError("lines not ended by CR LF")
    if any(byte > 127 for byte in data):
        raise ValueError("a byte beyond ASCII")
    lines = data.decode("ascii").split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    above, body = {}, []
    for line in lines:
        if line.startswith("!"):
            above[len(body)] = unescaped(line[1:].strip())
        else:
            body.append(line)
    title = above.get(0, body[0])
    count = int(body[1].split()[0])
    pitches = []
    for k, line in enumerate(body[2:], start=2):
        if not line.strip():
            continue
        if len(line.split()) != 1:
            raise ValueError(f"text after the value: {line!r}")
        pitches.append((line.strip(), above.get(k, "")))
    if len(pitches) != count:
        raise ValueError(f"{count} pitches announced, {len(pitches)} given")
    return title, pitches


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


def read_back(program, path, scale, mode):
    """The program reads its own file back to the notes and cents of the table it came from."""
    def notes(*given):
        rows = run(program, "--table", "--details", *given, "--length", "650").decode()
        lines = [line.split("\t") for line in rows.splitlines()[1:]]
        return sorted((row[1], row[3]) for row in lines if float(row[3]) < 1200)
    source = (["--scale", scale, *(["--mode", mode] if mode else [])] if scale
              else ["--edo", "31"])
    if notes("--scl", path) != notes(*source):
        return [f"{path}: read back to other notes or cents than {source}"]
    return []


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
    written = []
    for scale in scales:
        for mode in (["0", "1", "2", "3", "4", "5", "6"] if scale == "Pythagore Diatonique"
                     else [None]):
            path = os.path.join(work, f"{scale}-{mode}.scl".replace(" ", "_"))
            run(program, "--export", path, "--scale", scale, *(["--mode", mode] if mode else []))
            with open(path, "rb") as f:
                description, pitches = read_scala(f.read())
            files += 1
            written.append(path)
            failures += read_back(program, path, scale, mode)
            what = f"{scale}, mode {mode}"
            values = [cents(v) for v, _ in pitches]
            if not description.startswith(scale):
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
    # The 31 equal divisions too; then every file into a synthesizer.
    edo = os.path.join(work, "31.scl")
    run(program, "--export", edo, "--edo", "31")
    written.append(edo)
    failures += read_back(program, edo, None, None)
    for path, said in yoshimi.refusals(written).items():
        failures.append(f"Yoshimi refuses {path}: {said}")
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
