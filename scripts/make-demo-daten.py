#!/usr/bin/env python3
"""Writes the demo chassis DEM into demo/NCSEXPER/DATEN/DEM.

Every file is a flat sequence of frames, the layout Quillon's module reader reads:
    N | type (16 bit, little-endian) | N payload bytes | check byte
where the check byte is the XOR of every byte before it in the frame. A file opens with
the signature frames 0x0100 and 0x0200, then defines its blocks, three frames each:
    0x0300  block id (16 bit, little-endian) and block name, NUL-terminated
    0x0400  the block's format string, NUL-terminated
    0x0500  the field names, comma-separated, NUL-terminated
A frame of type 0xFF00 ends the definitions; every later frame is a row of a block, its
type the block's id, its payload read by the block's format string (B byte, W 16 bit,
L 32 bit, S NUL-terminated string, A length byte and bytes, {X} optional, (X) a 16-bit
count and that many X; a format that ends inside a bracket has an absent last field).

SWTFSW01.DAT, SWTPSW01.DAT (keywords): block SWT_EINTRAG (id 0x0001, format "WS",
  fields "ID,KEYWORD"), one row per keyword: N 01 00 | id | KEYWORD 00 | check.

Module files: rows of the blocks
  PARZUWEISUNG_FSW  (id 0x0100; KOMBI and ZKE: 0x0000) one row per function: BLOCKNR,
                    WORTADR, BYTEADR, INDEX, the function's keyword id FSW, MASKE and
                    more; always 18 payload bytes
  PARZUWEISUNG_PSW1 (id 0x0010, format "W(B)", fields "PSW,DATEN") one row per value: its
                    keyword id and the bytes it writes, at most 8
  PARZUWEISUNG_PSW2 (id 0x0011, format "(B)", fields "DATEN") the rest of a longer value

The same files also serve the hex-text search of "Show values", which knows nothing of
frames. What it relies on holds by construction, and main() asserts it for every file:
- function keywords: a name is preceded by its two id bytes, the second (the id's high
  byte, 0x01-0x24) just before the name, and followed by the 00 that ends it;
- value keywords: "KEYWORD" (the keyword field's name) comes before the rows, and a
  value's row reads 01 00 | id | name 00 (its type bytes, then its payload);
- modules: "INDIVID" and 13 bytes stand in the 0x0200 frame; a function's row starts
  with 12 00 01 (12 00 00: length 18 and the block id), its id follows 10 bytes after
  the marker (LCM_DEM.C06: 12 bytes, a field order of its own); value rows start with
  L 10 00 | id | X 00, where L = X + 4 is the same for every value of a function (long
  values continue in PSW2 rows, whose type bytes are 11 00). No other 12 00 00/01 occurs
  after "INDIVID", and no other 10 00 after the first function row.

KOMFORTBLINKEN and KOMFORTBLINKEN_ANZAHL share the bits 0x07 of one byte (the number of
blinks, 0 for off); HEIMLEUCHTEN and HEIMLEUCHTEN_DAUER share a byte but not its bits.
FAHRZEUGTYP writes 10 bytes: 8 in its PSW1 rows and 2 in PSW2 rows.

Look-alikes, so that "Find module for this trace" has something to tell apart (the demo
trace was read from LCM_DEM.C05, which knows all 40 of its functions with every value):
  LCM_DEM.C03  an old coding index: only the first 30 functions, and not wert_04
  LCM_DEM.C04  the index before: AKUSTIK_VERRIEGELN missing ("Show values" marks it
               red with this module) and three current values missing
  LCM_DEM.C06  the next index: all 40 functions, but three current values dropped, so
               it ranks below C05
  KOMBI.C02    the instrument cluster, eight of the functions
  ZKE_DEM.C07  another control unit (central locking) sharing seven functions

Run from anywhere: python3 scripts/make-demo-daten.py [target folder]
"""
import os
import struct
import sys

# Function -> possible values; the trace's value is always among them.
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
ZKE_FUNCTIONS = {
    "ZENTRALVERRIEGELUNG_AUTO", "ZV_GESCHWINDIGKEIT", "ENTRIEGELN_FAHRERTUER_ZUERST", "KOMFORTOEFFNEN",
    "KOMFORTSCHLIESSEN", "SPIEGEL_ANKLAPPEN", "AKUSTIK_VERRIEGELN",
}

# Functions that are in the keyword file but in no trace of the demo.
EXTRA_FUNCTIONS = ["LCM_TESTMODUS", "KOMBI_UHR_FORMAT", "SITZHEIZUNG_STUFEN"]

# Where a function's bits lie, when not in a byte of its own with the mask 0x01 (two
# values) or 0x0F: (byte shared with the function before, mask, bytes of each value).
CODING = {
    "FAHRZEUGTYP": (False, 0xFFFFFFFF, {"dem_limousine": b"LIMOUSINE1", "dem_touring": b"TOURING 01",
                                        "dem_coupe": b"COUPE   01"}),
    "LAENDERVARIANTE": (False, 0x0000FFFF, {"ece": b"\x01\x00", "us": b"\x02\x00", "kanada": b"\x03\x00",
                                            "japan": b"\x04\x00"}),
    "KOMFORTBLINKEN": (False, 0x07, {"aktiv": b"\x03", "nicht_aktiv": b"\x00"}),
    "KOMFORTBLINKEN_ANZAHL": (True, 0x07, {"drei_mal": b"\x03", "vier_mal": b"\x04", "fuenf_mal": b"\x05"}),
    "HEIMLEUCHTEN_DAUER": (True, 0x70, {"wert_20_sek": b"\x20", "wert_40_sek": b"\x30", "wert_60_sek": b"\x40",
                                        "wert_90_sek": b"\x50", "wert_120_sek": b"\x60"}),
}
PSW1_BYTES = 8  # longer values continue in PSW2 rows

SWT_EINTRAG = 0x0001
PSW1, PSW2, MODULKOPF = 0x0010, 0x0011, 0x0020
MARKER_DISTANCE = 10  # bytes from a function row's start to its FSW field

# PARZUWEISUNG_FSW in most modules, and the field order of LCM_DEM.C06 (FSW 12 bytes
# after the row's start). The last field of the first is an unfinished tail: absent.
FSW_LAYOUT = ("WWWBWL{W}{B}B{", "BLOCKNR,WORTADR,BYTEADR,INDEX,FSW,MASKE,GRUPPE,BEDINGUNG,KENNUNG,REST")
FSW_LAYOUT_C06 = ("WLWBWL{W}W", "BLOCKNR,WORTADR,BYTEADR,INDEX,FSW,MASKE,GRUPPE,KENNUNG")


def frame(kind, payload):
    data = bytes([len(payload)]) + struct.pack("<H", kind) + payload
    check = 0
    for byte in data:
        check ^= byte
    return data + bytes([check])


def header(signature, blocks):
    """Signature frames and block definitions (id, name, format, fields), then the divider."""
    out = frame(0x0100, b"DEM\x00\x01\x00") + frame(0x0200, signature)
    for block_id, name, fmt, fields in blocks:
        out += frame(0x0300, struct.pack("<H", block_id) + name + b"\x00")
        out += frame(0x0400, fmt.encode("ascii") + b"\x00") + frame(0x0500, fields.encode("ascii") + b"\x00")
    return out + frame(0xFF00, b"")


def function_id(number):
    """Two bytes; the second, written just before the name, lies in 0x01-0x24."""
    hi = 0x40 + number // 30
    lo = 0x01 + number % 30
    if lo >= 0x10:
        lo += 1          # skip 0x10
    if lo >= 0x12:
        lo += 1          # skip 0x12
    assert lo <= 0x24
    return bytes([hi, lo])


def value_ids(names):
    return {name: bytes([0x30 + number // 63, 0x40 + number % 63]) for number, name in enumerate(sorted(names))}


def keyword_file(title, entries):
    out = header(title + b"\x00", [(SWT_EINTRAG, b"SWT_EINTRAG", "WS", "ID,KEYWORD")])
    for kid, name in entries:
        out += frame(SWT_EINTRAG, kid + name.encode("ascii") + b"\x00")
    return out


def coding(functions):
    """Each function's (byte address, mask, bytes of each value), in module order: a byte of
    its own, or the byte of the function before it when CODING says so."""
    out, address, previous = {}, 0x20, None
    for name, values in functions:
        shared, mask, written = CODING.get(name, (False, 0x01 if len(values) == 2 else 0x0F, None))
        if written is None:
            # Two values: aktiv 01, nicht_aktiv 00; more: their number.
            written = {value: bytes([1 - number if len(values) == 2 else number + 1])
                       for number, value in enumerate(values)}
        if shared and previous is not None:
            out[name] = (out[previous][0], mask, written)
        else:
            out[name] = (address, mask, written)
            address += max(len(data) for data in written.values())
        previous = name
    return out


def module_file(name, block, fsw_id, layout, functions, numbers, ids):
    """The module's bytes, and where its function rows and value rows start."""
    fsw_format, fsw_fields = layout
    out = header(name.encode("ascii") + b"\x00INDIVID\x00" + bytes(range(1, 13)) + b"\x00", [
        (MODULKOPF, b"MODULKOPF", "SSB", "SG,CODIERDATEN,VERSION"),
        (fsw_id, b"PARZUWEISUNG_FSW", fsw_format, fsw_fields),
        (PSW1, b"PARZUWEISUNG_PSW1", "W(B)", "PSW,DATEN"),
        (PSW2, b"PARZUWEISUNG_PSW2", "(B)", "DATEN"),
    ])
    out += frame(MODULKOPF, name.split(".")[0].encode("ascii") + b"\x00DEM\x00\x05")
    function_rows, value_rows = [], []
    places = coding(functions)
    for index, (function, values) in enumerate(functions):
        address, mask, written = places[function]
        fid = function_id(numbers[function])
        if layout is FSW_LAYOUT_C06:
            fields = struct.pack("<HIHB", block, 0x3000, address, index) + fid + struct.pack("<I", mask)
            fields += b"\x00" + struct.pack("<H", 0x5A5A)
        else:
            fields = struct.pack("<HHHB", block, 0x3000, address, index) + fid + struct.pack("<I", mask)
            fields += b"\x01" + struct.pack("<H", block * 0x100 + 1) + b"\x00" + b"\x5A"
        assert len(fields) == 18 and fields.index(fid) + 3 == (12 if layout is FSW_LAYOUT_C06 else MARKER_DISTANCE)
        function_rows.append(len(out))
        out += frame(fsw_id, fields)
        for value in values:
            first, rest = written[value][:PSW1_BYTES], written[value][PSW1_BYTES:]
            value_rows.append(len(out))
            out += frame(PSW1, ids[value] + struct.pack("<H", len(first)) + first)
            if rest:
                out += frame(PSW2, struct.pack("<H", len(rest)) + rest)
    return out, function_rows, value_rows


def occurrences(data, pattern, start=0):
    found, at = [], data.find(pattern, start)
    while at >= 0:
        found.append(at)
        at = data.find(pattern, at + 1)
    return found


def check_module(name, data, function_rows, value_rows):
    """The search finds a record marker only at a function row and a value entry only at a
    value row: no other 12 00 00/01 after "INDIVID", no other 10 00 in the records."""
    start = data.index(b"INDIVID") + 20
    assert start < function_rows[0], name
    markers = occurrences(data, b"\x12\x00\x01", start) + occurrences(data, b"\x12\x00\x00", start)
    assert sorted(markers) == function_rows, name
    assert occurrences(data, b"\x10\x00", function_rows[0]) == [row + 1 for row in value_rows], name


def check_keywords(fsw, psw, numbers, ids):
    """Each function name stands first as a word (between bytes 0x00-0x24) in its own row,
    after its id; each value id follows 01 00 first in its own row, after "KEYWORD"."""
    words, word, at = {}, b"", 0
    for position, byte in enumerate(fsw + b"\x00"):
        if byte <= 0x24:
            if word and word not in words:
                words[word] = at
            word = b""
        else:
            word, at = (word + bytes([byte]), at) if word else (bytes([byte]), position)
    for name, number in numbers.items():
        at = words[name.encode("ascii")]
        assert fsw[at - 2:at] == function_id(number), name
    keyword = psw.index(b"KEYWORD")
    for name, vid in ids.items():
        at = psw.index(b"\x01\x00" + vid, keyword + 3)
        assert psw[at + 4:at + 5 + len(name)] == name.encode("ascii") + b"\x00", name


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

    def without(functions, dropped):
        """The functions with the values in dropped (function -> values) left out."""
        return [(name, [v for v in values if v not in dropped.get(name, ())]) for name, values in functions]

    older = without([f for f in FUNCTIONS if f[0] != "AKUSTIK_VERRIEGELN"],
                    {"CODIERINDEX": {"wert_04"}, "TAGFAHRLICHT_DIMMUNG": {"wert_50_prozent"},
                     "KOMFORTBLINKEN_ANZAHL": {"drei_mal"}})
    newer = without(FUNCTIONS, {"CODIERINDEX": {"wert_04"}, "HEIMLEUCHTEN_DAUER": {"wert_40_sek"},
                                "ZV_GESCHWINDIGKEIT": {"wert_15_kmh"}})
    oldest = without(FUNCTIONS[:30], {"CODIERINDEX": {"wert_04"}})
    modules = {
        "LCM_DEM.C05": (3, 0x0100, FSW_LAYOUT, FUNCTIONS),
        "KOMBI.C02": (5, 0x0000, FSW_LAYOUT, [f for f in FUNCTIONS if f[0] in KOMBI_FUNCTIONS]),
        "LCM_DEM.C03": (3, 0x0100, FSW_LAYOUT, oldest),
        "LCM_DEM.C04": (3, 0x0100, FSW_LAYOUT, older),
        "LCM_DEM.C06": (3, 0x0100, FSW_LAYOUT_C06, newer),
        "ZKE_DEM.C07": (7, 0x0000, FSW_LAYOUT, [f for f in FUNCTIONS if f[0] in ZKE_FUNCTIONS]),
    }
    files = {
        "SWTFSW01.DAT": keyword_file(b"SWTFSW01", [(function_id(numbers[n]), n) for n in keyword_order]),
        "SWTPSW01.DAT": keyword_file(b"SWTPSW01", [(vid, n) for n, vid in sorted(ids.items(), key=lambda i: i[1])]),
    }
    check_keywords(files["SWTFSW01.DAT"], files["SWTPSW01.DAT"], numbers, ids)
    for name, (block, fsw_id, layout, functions) in modules.items():
        data, function_rows, value_rows = module_file(name, block, fsw_id, layout, functions, numbers, ids)
        check_module(name, data, function_rows, value_rows)
        files[name] = data
    for name, data in files.items():
        with open(os.path.join(target, name), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
