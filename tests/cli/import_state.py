#!/usr/bin/env python3
"""import_state.py [--started] TREE BEFORE AFTER (copies of modules/): after a
killed import every file is as before or as after it, the profile changes only
once every macro it brings is complete, the macro list only after the profile.
--started: a start has run, which lists the macros a profile plays."""
import pathlib, sys

started = sys.argv[1] == "--started"
now, old, new = ({str(p.relative_to(r)): p.read_bytes() for p in pathlib.Path(r).rglob("*") if p.is_file()}
                 for r in sys.argv[1 + started:4 + started])
PROFILE, NAMES = "setting/p3.bin", "setting/name.bin"
problems = [f"{n}: neither as before nor as after" for n, c in now.items()
            if c not in (old.get(n), new.get(n)) and n.endswith(".bin") and not (started and n == NAMES)]
problems += [f"{n}: gone" for n in old if n not in now]
profile_new, names_new = now[PROFILE] == new[PROFILE], now[NAMES] == new[NAMES] != old[NAMES]
missing = [n for n in new if n.startswith("macro/") and now.get(n) != new[n]]
if profile_new and missing:
    problems.append(f"the new profile plays macros not yet complete: {missing}")
if names_new and not profile_new:
    problems.append("the macro list changed before the profile")
if started and profile_new:
    listed = next(l for l in now[NAMES].decode().splitlines() if l.startswith("macroName=")).split("=", 1)[1].split(", ")
    played = [l.split("=", 1)[1] for l in now[PROFILE].decode().split("[macro]\n")[1].split("\n\n")[0].splitlines()]
    problems += [f"{m}: played but not listed" for m in played if m not in listed and f"macro/{m}.bin" in now]
print("\n".join(problems) or ("new" if names_new else "profile" if profile_new else f"{len(missing)} macros missing"),
      file=sys.stderr if problems else sys.stdout)
sys.exit(1 if problems else 0)
