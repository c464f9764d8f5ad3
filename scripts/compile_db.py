#!/usr/bin/env python3
"""compile_db.py: what scripts/lint.sh reads from compile databases (compile_commands.json).
  compile_db.py only-in BUILD OTHER     the files of BUILD's database that OTHER's lacks, among the
                                        NUL-separated files on standard input, named as BUILD names them
  compile_db.py compiler BUILD FILE     the compiler of FILE's compile line in BUILD's database"""

import json
import os
import shlex
import sys


def database(build):
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as db:
        return json.load(db)


def only_in(build, other):
    """Compared by real path, named as BUILD's database names them, for run-clang-tidy to match."""
    ours = {os.path.realpath(e["file"]): e["file"] for e in database(build)}
    theirs = {os.path.realpath(e["file"]) for e in database(other)}
    wanted = {os.path.realpath(f) for f in sys.stdin.read().split("\0") if f}
    for path in sorted((set(ours) - theirs) & wanted):
        print(ours[path])


def compiler(build, file):
    entry = next(e for e in database(build) if e["file"] == file)
    print(entry["arguments"][0] if "arguments" in entry else shlex.split(entry["command"])[0])


if __name__ == "__main__":
    {"only-in": only_in, "compiler": compiler}[sys.argv[1]](*sys.argv[2:])
