#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The options gridora-solve --help lists are the options its manual page
describes: both lists are read from the texts themselves (an option is a
word starting with "-" at the head of a --help line, or of the line after
.TP in the manual's OPTIONS section), so an option added to one and not to
the other shows up here.

    help_man_test.py path/to/gridora-solve dist/man/gridora-solve.6
"""
import re
import subprocess
import sys

OPTION = re.compile(r"(?<![\w-])-{1,2}[A-Za-z0-9][\w-]*")


def help_options(solver):
    text = subprocess.run([solver, "--help"], check=True, capture_output=True,
                          text=True).stdout
    options = set()
    for line in text.splitlines():
        head = re.match(r"\s+(-[^\s,]+(?:,\s*-[^\s,]+)*)", line)
        if head:
            options |= set(OPTION.findall(head.group(1)))
    return options


def man_options(page):
    lines = open(page, encoding="utf-8").read().splitlines()
    start = lines.index(".SH OPTIONS")
    end = next(i for i in range(start + 1, len(lines)) if lines[i].startswith(".SH"))
    options = set()
    for before, line in zip(lines[start:end], lines[start + 1:end]):
        if before.strip() != ".TP":
            continue
        # The tag line: drop the font macro and the quoted arguments, then
        # read the escaped hyphens as hyphens.
        tag = re.sub(r'"[^"]*"', " ", re.sub(r"^\.\w+\s*", "", line)).replace("\\-", "-")
        options |= set(OPTION.findall(tag))
    return options


def main():
    solver, page = sys.argv[1:3]
    listed, described = help_options(solver), man_options(page)
    print("--help:", " ".join(sorted(listed)))
    print("manual:", " ".join(sorted(described)))
    ok = True
    if not listed or not described:
        print("FAILED: no options found")
        ok = False
    for name in sorted(listed - described):
        print("FAILED: --help lists %s, the manual page does not" % name)
        ok = False
    for name in sorted(described - listed):
        print("FAILED: the manual page describes %s, --help does not" % name)
        ok = False
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
