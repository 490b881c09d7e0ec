#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Scala files loaded into a real synthesizer: Yoshimi, headless, started and stopped here by
its process id, told to import each file as its tuning; the strictest reader we know, which
refuses any byte beyond ASCII and any text after a pitch's value."""
import os
import select
import subprocess
import tempfile
import time


def _read_until(process, marker, seconds):
    out = b""
    end = time.time() + seconds
    while time.time() < end and marker not in out:
        ready, _, _ = select.select([process.stdout], [], [], 0.2)
        if ready:
            chunk = os.read(process.stdout.fileno(), 65536)
            if not chunk:
                break
            out += chunk
    return out


def refusals(paths):
    """What Yoshimi says of each file it refuses, by path; empty when it takes them all."""
    home = tempfile.mkdtemp(prefix="dorvane-yoshimi-")
    process = subprocess.Popen(["yoshimi", "-i", "-C", "--null"], stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               env={**os.environ, "HOME": home})
    said = {}
    try:
        if b"yoshimi>" not in _read_until(process, b"yoshimi>", 60):
            return {path: "Yoshimi did not start" for path in paths}
        process.stdin.write(b"set scale\n")
        process.stdin.flush()
        _read_until(process, b"yoshimi>", 10)
        for path in paths:
            process.stdin.write(f"set tuning import {path}\n".encode())
            process.stdin.flush()
            out = _read_until(process, b"yoshimi>", 10).decode("utf-8", "replace")
            answer = [line for line in out.splitlines() if "Tuning Import" in line]
            if not answer or answer[0].split("Tuning Import", 1)[1].strip():
                said[path] = answer[0] if answer else out[-200:]
    finally:
        process.kill()
        process.wait()
    return said
