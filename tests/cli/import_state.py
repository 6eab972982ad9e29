#!/usr/bin/env python3
"""Checks a settings tree after an import was killed: every file is as it was
before the import or as a complete import leaves it, and the files agree:
the macro list changes only after the profile, and the profile only once
every macro it brings is complete.

Usage: import_state.py [--started] TREE BEFORE AFTER   (each a copy of modules/)
With --started the tree has been through a start, which lists the macros
a profile plays: then the list may be neither, but must hold them.
Prints what is wrong and exits 1; prints the state reached and exits 0."""
import pathlib
import sys

started = sys.argv[1] == "--started"
tree, before, after = (pathlib.Path(p) for p in sys.argv[1 + started:4 + started])
PROFILE = "setting/p3.bin"
NAMES = "setting/name.bin"


def files(root):
    return {str(p.relative_to(root)): p.read_bytes() for p in root.rglob("*") if p.is_file()}


now, old, new = files(tree), files(before), files(after)
problems = []
for name, content in now.items():
    if name.endswith(".damaged") or ".damaged" in name:
        problems.append(f"{name}: a file was set aside")
    elif started and name == NAMES:
        continue
    elif name in old and content == old[name]:
        continue
    elif name in new and content == new[name]:
        continue
    elif not name.endswith(".bin"):
        continue  # a scratch file of an unfinished write: never read
    else:
        problems.append(f"{name}: neither as before nor as after the import")
for name in old:
    if name not in now:
        problems.append(f"{name}: gone")

profile_new = now.get(PROFILE) == new[PROFILE] != old[PROFILE]
names_new = now.get(NAMES) == new[NAMES] != old[NAMES]
brought = [n for n in new if n.startswith("macro/") and n not in old]
missing = [n for n in brought if now.get(n) != new[n]]
if profile_new and missing:
    problems.append(f"the new profile plays macros not yet complete: {missing}")
if started and profile_new:
    text = now[NAMES].decode("latin-1")
    listed = next((l.split("=", 1)[1].split(", ") for l in text.splitlines() if l.startswith("macroName=")), [])
    played = [l.split("=", 1)[1] for l in now[PROFILE].decode("latin-1").split("[macro]")[1].split("[")[0].splitlines() if "=" in l]
    unlisted = [m for m in played if m not in listed]
    if unlisted:
        problems.append(f"the profile plays macros the list does not hold: {unlisted}")
elif names_new and not profile_new:
    problems.append("the macro list changed before the profile")

if problems:
    print("\n".join(problems), file=sys.stderr)
    sys.exit(1)
print("new" if names_new else "profile" if profile_new else f"{len(brought) - len(missing)} macros" if len(missing) < len(brought) else "old")
