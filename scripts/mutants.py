#!/usr/bin/env python3
"""How strong the tests are: small faults put into the game library one at a
time, each built and held to the fast tests, and the share the tests catch.

Usage: mutants.py [--count N] [--seed S] [--keep DIR]

The faults are the kind a slip of the hand makes: a comparison flipped (< and
<=, > and >=, == and !=), an operator swapped (+ and -, * and /, && and ||), a
number one larger, a statement left out. Every place where one fits in the
game library's code (src/core, behaviour, shells, drawing, ui, replay) is
listed in a fixed order, and a seeded draw picks from the list until N of them
build. The same seed over the same code picks the same faults, so two runs
compare the suites that hold them, not the faults.

The work happens in a copy of the committed tree under build/mutants, never in
the checkout. A fault is caught when a test fails or runs past its time; one
that does not build is not counted. The survivors are listed, each with the
line as the fault left it, in build/mutants/survivors.txt.
"""
import argparse
import random
import re
import shutil
import subprocess
import sys
from pathlib import Path

LIBRARY = ["src/core", "src/behaviour", "src/shells", "src/drawing", "src/ui", "src/replay"]
# The soak and the 64 MB replay take half a minute between them and catch
# nothing the others miss; every other test of the game and the simulator runs.
SLOW_TESTS = "SoakTest|PastTheLargest"
TEST_SECONDS = 60  # a fault that loops for ever is caught by its timeout

SWAPS = [(" <= ", " < "), (" < ", " <= "), (" >= ", " > "), (" > ", " >= "), (" == ", " != "),
         (" != ", " == "), (" + ", " - "), (" - ", " + "), (" * ", " / "), (" / ", " * "),
         (" += ", " -= "), (" -= ", " += "), (" && ", " || "), (" || ", " && ")]
NUMBER = re.compile(r"(?<![\w.])(\d+)(\.\d+)?(?![\w.])")
STATEMENT = re.compile(r"^\s+(?=\S)(?!return\b|case\b|default\b|break\b|const\b|constexpr\b|static\b|using\b|"
                       r"auto\b|int\b|double\b|float\b|long\b|bool\b|Integer\b|Single\b|Double\b|std::)"
                       r"[^{}]*;\s*$")


def code_of(line):
    """The line with its comment and its quoted text blanked, so that no fault
    lands in either."""
    line = re.sub(r'"(\\.|[^"\\])*"', lambda m: '"' + "_" * (len(m.group()) - 2) + '"', line)
    line = re.sub(r"'(\\.|[^'\\])*'", lambda m: "'" + "_" * (len(m.group()) - 2) + "'", line)
    cut = line.find("//")
    return line if cut < 0 else line[:cut]


def places(tree):
    """Every (file, line number, new line, what) in a fixed order."""
    found = []
    for folder in LIBRARY:
        for path in sorted((tree / folder).glob("*.[ch]*")):
            relative = path.relative_to(tree).as_posix()
            for number, line in enumerate(path.read_text().splitlines(), 1):
                code = code_of(line)
                if not code.strip() or code.lstrip().startswith(("#", "*", "/*")) or "static_assert" in code:
                    continue
                for old, new in SWAPS:
                    for at in (m.start() for m in re.finditer(re.escape(old), code)):
                        found.append((relative, number, line[:at] + new + line[at + len(old):],
                                      f"{old.strip()} -> {new.strip()}"))
                for m in NUMBER.finditer(code):
                    value = m.group(1)
                    bumped = str(int(value) + 1) + (m.group(2) or "")
                    found.append((relative, number, line[:m.start()] + bumped + line[m.end():],
                                  f"{m.group()} -> {bumped}"))
                if STATEMENT.match(code):
                    found.append((relative, number, None, "statement left out"))
    return found


def run(command, log):
    """Whether the command succeeds; its output goes to the log, for a look
    at the last fault's build or tests."""
    with open(log, "w") as out:
        return subprocess.run(command, stdout=out, stderr=subprocess.STDOUT).returncode == 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--count", type=int, default=150, help="faults that build, to hold to the tests")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--keep", default="build/mutants", help="the work folder")
    options = parser.parse_args()
    if options.count < 1:
        sys.exit("mutants.py: --count must be at least 1")

    repo = Path(subprocess.check_output(["git", "rev-parse", "--show-toplevel"], text=True).strip())
    work = repo / options.keep
    tree, build = work / "tree", work / "build"
    shutil.rmtree(tree, ignore_errors=True)
    tree.mkdir(parents=True)
    archive = subprocess.run(["git", "archive", "HEAD"], cwd=repo, check=True, stdout=subprocess.PIPE).stdout
    # Stamped now, so that no object built from an earlier fault looks newer
    # than its source.
    subprocess.run(["tar", "-x", "--touch", "-C", str(tree)], input=archive, check=True)

    build.mkdir(exist_ok=True)
    subprocess.run(["cmake", "-S", str(tree), "-B", str(build), "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], check=True,
                   stdout=subprocess.DEVNULL)
    make = ["cmake", "--build", str(build), "-j2"]
    test = ["ctest", "--test-dir", str(build), "-L", "unit", "-E", SLOW_TESTS, "-j2", "--stop-on-failure",
            "--timeout", str(TEST_SECONDS)]
    build_log, test_log = work / "build.log", work / "test.log"
    if not run(make, build_log) or not run(test, test_log):
        sys.exit(f"mutants.py: the tree as committed does not build or does not pass its tests: see {work}/*.log")

    candidates = places(tree)
    random.Random(options.seed).shuffle(candidates)
    held = caught = stillborn = 0
    survivors = []
    for relative, number, new_line, what in candidates:
        if held == options.count:
            break
        path = tree / relative
        original = path.read_text()
        lines = original.splitlines(keepends=True)
        lines[number - 1] = "" if new_line is None else new_line + "\n"
        path.write_text("".join(lines))
        try:
            if not run(make, build_log):
                stillborn += 1
                continue
            held += 1
            if run(test, test_log):
                survivors.append(f"{relative}:{number}: {what}: {(new_line or '').strip()}")
                verdict = "survives"
            else:
                caught += 1
                verdict = "caught"
            print(f"{held:4} {verdict:8} {relative}:{number}: {what}", flush=True)
        finally:
            path.write_text(original)

    (work / "survivors.txt").write_text("".join(s + "\n" for s in survivors))
    share = 100.0 * caught / held if held else 0.0
    print(f"{caught} of {held} faults caught ({share:.1f} %); {stillborn} more did not build; "
          f"seed {options.seed}, {len(candidates)} places; survivors in {work / 'survivors.txt'}")
    return 0 if held == options.count else 1


if __name__ == "__main__":
    sys.exit(main())
