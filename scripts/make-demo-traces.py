#!/usr/bin/env python3
"""Writes the demo's second and third trace of the demo module, next to its WORK trace.

- history/<date> DEM - LCM_DEM.C05/: what a save some time ago kept in the coding
  history: FSW_PSW.TRC, the module as it was read then (the "earlier state", a few
  values different from today's trace), and FSW_PSW.MAN, the values coded then (those
  of today's trace). "Coding history..." restores the earlier state from it.
- backup/FSW_PSW old LCM.TRC: the trace of the module that was replaced, with some
  functions the new one lacks, lacking some it has, and the owner's old coding.
  "Apply values of another trace..." moves that coding onto the new module.

Run from anywhere: python3 scripts/make-demo-traces.py
"""
import os

# Values of today's trace that the earlier state had otherwise.
EARLIER = {
    "TAGFAHRLICHT": "aktiv",
    "KOMFORTBLINKEN_ANZAHL": "fuenf_mal",
    "HEIMLEUCHTEN_DAUER": "wert_90_sek",
    "AUSSENTEMPERATUR_EINHEIT": "fahrenheit",
}
# The old module: its own coding, functions it did not have, functions only it had.
OLD_MODULE_VALUES = {
    "WILLKOMMENSLICHT": "aktiv",
    "ZENTRALVERRIEGELUNG_AUTO": "aktiv",
    "SPIEGEL_ANKLAPPEN": "aktiv",
    "INNENLICHT_NACHLAUF": "wert_30_sek",
}
NOT_IN_OLD_MODULE = {"ABBIEGELICHT", "BREMSLICHT_DYNAMISCH", "SPIEGEL_ABSENKEN_RUECKWAERTS"}
ONLY_IN_OLD_MODULE = [("LCM_TESTMODUS", "nicht_aktiv"), ("SITZHEIZUNG_STUFEN", "wert_03")]
SNAPSHOT = "20240315_101500 DEM - LCM_DEM.C05"


def read_functions(path):
    functions = []
    with open(path, "rb") as f:
        for line in f.read().decode("cp1252").splitlines():
            if line.startswith("\t"):
                functions[-1][1].append(line[1:])
            else:
                functions.append((line, []))
    return functions


def write(path, functions):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    lines = []
    for name, values in functions:
        lines.append(name)
        lines.extend("\t" + value for value in values)
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))


def with_values(functions, changes):
    return [(name, [changes[name]] if name in changes else values) for name, values in functions]


def main():
    demo = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "demo")
    today = read_functions(os.path.join(demo, "NCSEXPER", "WORK", "FSW_PSW.TRC"))
    snapshot = os.path.join(demo, "history", SNAPSHOT)
    write(os.path.join(snapshot, "FSW_PSW.TRC"), with_values(today, EARLIER))
    write(os.path.join(snapshot, "FSW_PSW.MAN"), today)

    old = [f for f in with_values(today, OLD_MODULE_VALUES) if f[0] not in NOT_IN_OLD_MODULE]
    old += [(name, [value]) for name, value in ONLY_IN_OLD_MODULE]
    write(os.path.join(demo, "backup", "FSW_PSW old LCM.TRC"), old)


if __name__ == "__main__":
    main()
