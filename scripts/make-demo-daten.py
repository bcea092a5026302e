#!/usr/bin/env python3
"""Writes the demo chassis DEM into demo/NCSEXPER/DATEN/DEM.

The files imitate only what Quillon reads from NCS Expert's data; everything else in
them is filler. Layout decisions:

SWTFSW01.DAT (function keywords): a text header, then one entry per function:
    id_hi id_lo NAME 00
  id_lo is 0x01-0x24 (a byte of 0-36 just before the name) and the 00 after the name
  is the second delimiter, so a name is recognised only with both neighbours <= 36.

SWTPSW01.DAT (value keywords): a text header, "KEYWORD" and a few bytes, then one entry
  per value name:  01 00 id_hi id_lo NAME 00.  Value IDs are 0x30-0x3F / 0x40-0x7E,
  so they never contain 00, 01, 10 or 12.

LCM_DEM.C05, KOMBI.C02 (modules): a text header, "INDIVID" and 13 bytes, then one
  record per function:
    12 00 01 | 7 filler bytes | fid_hi fid_lo | entries | FF FF
  so the function ID starts 10 bytes (30 hex-text characters) after the marker start.
  KOMBI uses the marker 12 00 00 throughout; a file never mixes the two, because a
  record reaches to the next marker of the same kind. Every entry is 8 bytes:
    08 10 00 vid_hi vid_lo 04 01 00
  The byte four after the 10 byte is 04, the entry length minus 4, which gives the
  length byte 08 that every entry of the run starts with. The bytes 10 and 12 occur
  nowhere else, so no false entry or marker can be found.

The trace function AKUSTIK_VERRIEGELN is left out of LCM_DEM.C05 on purpose, so that
"Show values" marks one function red with that module. KOMBI.C02 holds only the
instrument-cluster functions.

Look-alikes, so that "Find module for this trace" has something to tell apart (the demo
trace was read from LCM_DEM.C05, which knows 39 of its 40 functions with every value):
  LCM_DEM.C03  an old coding index: only the first 30 functions, and not wert_04
  LCM_DEM.C04  the index before: every function of C05, three current values missing
  LCM_DEM.C06  the next index: all 40 functions, but three current values dropped, so
               it finds more functions than C05 and still ranks below it; its records
               put the function ID 12 bytes after the marker (C05: 10)
  ZKE_DEM.C07  another control unit (central locking) sharing seven functions

Run from anywhere: python3 scripts/make-demo-daten.py [target folder]
"""
import os
import sys

# Function -> possible values; the first value in each list is not necessarily the
# trace's, but the trace's value is always among them.
FUNCTIONS = [
    ("CODIERINDEX", ["wert_03", "wert_04", "wert_05"]),
    ("FAHRZEUGTYP", ["dem_limousine", "dem_touring", "dem_coupe"]),
    ("LAENDERVARIANTE", ["ece", "us", "kanada", "japan"]),
    ("TAGFAHRLICHT", ["aktiv", "nicht_aktiv"]),
    ("TAGFAHRLICHT_DIMMUNG", ["wert_30_prozent", "wert_50_prozent", "wert_70_prozent", "wert_100_prozent"]),
    ("KOMFORTBLINKEN", ["aktiv", "nicht_aktiv"]),
    ("KOMFORTBLINKEN_ANZAHL", ["drei_mal", "vier_mal", "fuenf_mal"]),
    ("BLINKER_FEHLERANZEIGE", ["aktiv", "nicht_aktiv"]),
    ("NEBELSCHEINWERFER_MIT_FERNLICHT", ["aktiv", "nicht_aktiv"]),
    ("HEIMLEUCHTEN", ["aktiv", "nicht_aktiv"]),
    ("HEIMLEUCHTEN_DAUER", ["wert_20_sek", "wert_40_sek", "wert_60_sek", "wert_90_sek", "wert_120_sek"]),
    ("WILLKOMMENSLICHT", ["aktiv", "nicht_aktiv"]),
    ("STANDLICHT_PARKLICHT", ["aktiv", "nicht_aktiv"]),
    ("ABBIEGELICHT", ["aktiv", "nicht_aktiv"]),
    ("LICHTHUPE_ANZAHL", ["einmal", "zweimal", "dreimal"]),
    ("WARNBLINKER_CRASH", ["aktiv", "nicht_aktiv"]),
    ("BREMSLICHT_DYNAMISCH", ["aktiv", "nicht_aktiv"]),
    ("INNENLICHT_NACHLAUF", ["wert_10_sek", "wert_20_sek", "wert_30_sek"]),
    ("INNENLICHT_DIMMEN", ["aktiv", "nicht_aktiv"]),
    ("ZENTRALVERRIEGELUNG_AUTO", ["aktiv", "nicht_aktiv"]),
    ("ZV_GESCHWINDIGKEIT", ["wert_8_kmh", "wert_15_kmh", "wert_25_kmh"]),
    ("ENTRIEGELN_FAHRERTUER_ZUERST", ["aktiv", "nicht_aktiv"]),
    ("KOMFORTOEFFNEN", ["aktiv", "nicht_aktiv"]),
    ("KOMFORTSCHLIESSEN", ["aktiv", "nicht_aktiv"]),
    ("SPIEGEL_ANKLAPPEN", ["aktiv", "nicht_aktiv"]),
    ("SPIEGEL_ABSENKEN_RUECKWAERTS", ["aktiv", "nicht_aktiv"]),
    ("GURTWARNUNG", ["aktiv", "nicht_aktiv"]),
    ("GURTWARNUNG_BEIFAHRER", ["aktiv", "nicht_aktiv"]),
    ("TUERWARNUNG_GONG", ["aktiv", "nicht_aktiv"]),
    ("SCHEIBENWISCHER_NACHWISCHEN", ["aktiv", "nicht_aktiv"]),
    ("REGENSENSOR_EMPFINDLICHKEIT", ["stufe_1", "stufe_2", "stufe_3", "stufe_4"]),
    ("HECKWISCHER_RUECKWAERTS", ["aktiv", "nicht_aktiv"]),
    ("AUSSENTEMPERATUR_EINHEIT", ["celsius", "fahrenheit"]),
    ("TACHO_EINHEIT", ["kmh", "mph"]),
    ("VERBRAUCH_EINHEIT", ["l_100km", "mpg_us", "mpg_uk", "km_l"]),
    ("DIGITALE_GESCHWINDIGKEIT", ["aktiv", "nicht_aktiv"]),
    ("OELSTAND_ANZEIGE", ["aktiv", "nicht_aktiv"]),
    ("SERVICEINTERVALL_ANZEIGE", ["aktiv", "nicht_aktiv"]),
    ("SCHLUESSEL_SPEICHER", ["aktiv", "nicht_aktiv"]),
    ("AKUSTIK_VERRIEGELN", ["aktiv", "nicht_aktiv"]),
]

# Functions of the instrument cluster, the only ones KOMBI.C02 knows.
KOMBI_FUNCTIONS = {
    "AUSSENTEMPERATUR_EINHEIT", "TACHO_EINHEIT", "VERBRAUCH_EINHEIT", "DIGITALE_GESCHWINDIGKEIT",
    "OELSTAND_ANZEIGE", "SERVICEINTERVALL_ANZEIGE", "GURTWARNUNG", "TUERWARNUNG_GONG",
}
MISSING_FROM_LCM = {"AKUSTIK_VERRIEGELN"}

# Functions that are in the keyword file but in no trace of the demo.
EXTRA_FUNCTIONS = ["LCM_TESTMODUS", "KOMBI_UHR_FORMAT", "SITZHEIZUNG_STUFEN"]

FORBIDDEN = {0x10, 0x12}


def function_id(number):
    """Two bytes; the second, written just before the name, lies in 0x01-0x24."""
    hi = 0x40 + number // 30
    lo = 0x01 + number % 30
    if lo >= 0x10:
        lo += 1          # skip 0x10
    if lo >= 0x12:
        lo += 1          # skip 0x12
    assert hi not in FORBIDDEN and lo not in FORBIDDEN and lo <= 0x24
    return bytes([hi, lo])


def value_ids(names):
    ids = {}
    for number, name in enumerate(sorted(names)):
        ids[name] = bytes([0x30 + number // 63, 0x40 + number % 63])
    return ids


def function_keywords(functions):
    out = bytearray(b"SWTFSW01 DEM demo function keywords\x1a\x00\x00\x01\x00")
    for number, name in enumerate(functions):
        out += function_id(number) + name.encode("ascii") + b"\x00"
    return bytes(out)


def value_keywords(ids):
    out = bytearray(b"SWTPSW01 DEM demo value keywords\x1a\x00KEYWORD\x00\x02\x00")
    for name, vid in sorted(ids.items(), key=lambda item: item[1]):
        out += b"\x01\x00" + vid + name.encode("ascii") + b"\x00"
    return bytes(out)


def module_file(title, marker, functions, numbers, ids, filler=b"\x05\xa1\x00\x02\x03\x01\x07"):
    out = bytearray(title.encode("ascii") + b"\x1a\x00\x05\x00")
    out += b"INDIVID" + b"\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c"
    out += b"\x00\x2a\x00\x03\x00\x00"  # table header before the first record
    for name, values in functions:
        out += marker + filler + function_id(numbers[name])
        for value in values:
            out += b"\x08\x10\x00" + ids[value] + b"\x04\x01\x00"
        out += b"\xff\xff"
    return bytes(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "demo", "NCSEXPER", "DATEN", "DEM")
    os.makedirs(target, exist_ok=True)

    names = [name for name, _ in FUNCTIONS]
    # The extra functions come first so that no demo function sits at the start of the
    # file; the reversed order puts TAGFAHRLICHT_DIMMUNG before TAGFAHRLICHT, so a name is
    # also found inside a longer one first and must be passed over.
    keyword_order = EXTRA_FUNCTIONS + names[::-1]
    numbers = {name: number for number, name in enumerate(keyword_order)}
    ids = value_ids({value for _, values in FUNCTIONS for value in values} | {"wert_00"})

    lcm = [(name, values) for name, values in FUNCTIONS if name not in MISSING_FROM_LCM]
    kombi = [(name, values) for name, values in FUNCTIONS if name in KOMBI_FUNCTIONS]
    def without(functions, dropped):
        """The functions with the values in dropped (function -> values) left out."""
        return [(name, [v for v in values if v not in dropped.get(name, ())]) for name, values in functions]

    older = without(lcm, {"CODIERINDEX": {"wert_04"}, "TAGFAHRLICHT_DIMMUNG": {"wert_50_prozent"},
                          "KOMFORTBLINKEN_ANZAHL": {"drei_mal"}})
    newer = without(FUNCTIONS, {"CODIERINDEX": {"wert_04"}, "HEIMLEUCHTEN_DAUER": {"wert_40_sek"},
                                "ZV_GESCHWINDIGKEIT": {"wert_15_kmh"}})
    oldest = without(FUNCTIONS[:30], {"CODIERINDEX": {"wert_04"}})
    zke_names = {"ZENTRALVERRIEGELUNG_AUTO", "ZV_GESCHWINDIGKEIT", "ENTRIEGELN_FAHRERTUER_ZUERST",
                 "KOMFORTOEFFNEN", "KOMFORTSCHLIESSEN", "SPIEGEL_ANKLAPPEN", "AKUSTIK_VERRIEGELN"}
    zke = [(name, values) for name, values in FUNCTIONS if name in zke_names]
    files = {
        "SWTFSW01.DAT": function_keywords(keyword_order),
        "SWTPSW01.DAT": value_keywords(ids),
        "LCM_DEM.C05": module_file("LCM_DEM C05 demo module", b"\x12\x00\x01", lcm, numbers, ids),
        "KOMBI.C02": module_file("KOMBI C02 demo module", b"\x12\x00\x00", kombi, numbers, ids),
        "LCM_DEM.C03": module_file("LCM_DEM C03 demo module", b"\x12\x00\x01", oldest, numbers, ids),
        "LCM_DEM.C04": module_file("LCM_DEM C04 demo module", b"\x12\x00\x01", older, numbers, ids),
        "LCM_DEM.C06": module_file("LCM_DEM C06 demo module", b"\x12\x00\x01", newer, numbers, ids,
                                   filler=b"\x05\xa1\x00\x02\x03\x01\x07\x00\x00"),
        "ZKE_DEM.C07": module_file("ZKE_DEM C07 demo module", b"\x12\x00\x00", zke, numbers, ids),
    }
    for name, data in files.items():
        with open(os.path.join(target, name), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
