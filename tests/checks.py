#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the test scripts share: the failures noted, and the program run."""
import subprocess

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def run(program, *arguments, env=None):
    return subprocess.run([program, *arguments], capture_output=True, text=True, env=env)
