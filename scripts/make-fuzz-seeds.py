#!/usr/bin/env python3
"""Writes the fuzz targets' seed inputs into fuzz/corpus/<target>/ from the demo data.

Most targets split their input with libFuzzer's FuzzedDataProvider: strings are read from
the front (a backslash pair "\\\\" is one backslash, a backslash and any other byte ends
the string), numbers and yes/no choices from the back. Seed builds its input the same way,
so each seed decodes into the demo files it was made from. Run it after changing the order
in which a target reads its input.
"""
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
DEMO = ROOT / "demo"
CORPUS = ROOT / "fuzz" / "corpus"


class Seed:
    def __init__(self):
        self.front = bytearray()
        self.back = []  # bytes in the order the target takes them from the end

    def text(self, data, limit):
        data = data[:limit]
        self.front += data.replace(b"\\", b"\\\\")
        if len(data) < limit:
            self.front += b"\\x"
        return self

    def raw(self, data):
        self.front += data
        return self

    def number(self, value, lowest, highest):
        span = highest - lowest
        value -= lowest
        width = 0
        while width < 8 and span >> (8 * width) > 0:
            width += 1
        # The first byte taken (the last of the input) is the most significant one.
        self.back += [(value >> (8 * (width - 1 - k))) & 0xFF for k in range(width)]
        return self

    def flag(self, value):
        self.back.append(1 if value else 0)
        return self

    def bytes(self):
        return bytes(self.front) + bytes(reversed(self.back))


def trace_lines(seed, lines, pool, limit):
    """What Fuzz::traceLines reads for these lines, none taken from the pool."""
    seed.number(min(len(lines), limit), 0, limit)
    for line in lines[:limit]:
        if pool:
            seed.flag(False)
        value = line.startswith(b"\t")
        seed.text(line.lstrip(b"\t") if not value else line, 16)
        seed.flag(value)
        if not value:
            seed.number(1, 0, 7)
    return seed


def frame(kind, payload):
    """One frame of a binary chassis file: length, type, payload, XOR check byte."""
    data = bytes([len(payload)]) + kind.to_bytes(2, "little") + payload
    check = 0
    for byte in data:
        check ^= byte
    return data + bytes([check])


def demo(path):
    return (DEMO / path).read_bytes()


def write(target, seeds):
    """Replaces the target's seeds made here; inputs kept from fuzz runs stay."""
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.glob("demo-*"):
        old.unlink()
    for name, data in seeds.items():
        (folder / name).write_bytes(data)


def main():
    trace = demo("NCSEXPER/WORK/FSW_PSW.TRC")
    lines = trace.splitlines()
    man = demo("leftover-man/FSW_PSW.MAN")
    write("fuzz_trace_load", {
        "demo-trace": Seed().flag(True).text(b"", 256).raw(trace).bytes(),
        "demo-leftover-man": Seed().flag(False).text(man, 256).raw(trace).bytes(),
        "lf-and-cr-ends": Seed().flag(True).text(b"", 256).raw(b"F1\n\tA\r\tB\rF2\r\n\t\tC").bytes(),
        "value-first": Seed().flag(True).text(b"", 256).raw(b"\tA\r\nF1\r\n").bytes(),
        "repeated-function": Seed().flag(True).text(b"", 256).raw(b"F1\r\n\tA\r\nF1\r\n\tB\r\n").bytes(),
    })

    table = demo("program-files/Translations.csv")
    write("fuzz_translation", {
        "demo-table": trace_lines(Seed().text(table, 2048), lines[:24], [b"x"], 24).bytes(),
        "commas-and-case": trace_lines(
            Seed().text(b"f1,first,extra\r\nF1,later\r\n,empty\r\nA,\r\nab,value ab\nno comma\r", 2048),
            [b"F1", b"\tAB", b"\tab", b"f2", b"\tA"], [b"x"], 24).bytes(),
    })

    daten = DEMO / "NCSEXPER/DATEN/DEM"
    fsw = (daten / "SWTFSW01.DAT").read_bytes()
    psw = (daten / "SWTPSW01.DAT").read_bytes()
    modules = sorted(daten.glob("*.C*"))
    seeds = {}
    for first, second in zip(modules, modules[1:]):
        seed = Seed().text(fsw, 1024).text(psw, 1024).flag(False)
        seed.text(first.read_bytes(), 2048).text(second.read_bytes(), 2048)
        seeds["demo-" + first.name + "-" + second.name] = trace_lines(seed, lines[:16], [b"x"], 16).bytes()
    seeds["no-keyword"] = Seed().text(fsw, 1024).text(b"VALUES", 1024).flag(False).bytes()
    write("fuzz_module_load", seeds)

    seeds = {}
    for data in ("EC-APPS/NFS/DATA", "SP-DATEN-DEM/DATA"):
        families = sorted(p for p in (DEMO / data).iterdir() if (p / (p.name + ".DAT")).exists())[:3]
        seed = Seed()
        for family in families:
            seed.flag(True).flag(True)
            seed.number(1, 0, 7).text((family / (family.name + ".DAT")).read_bytes(), 512)
            his = family / (family.name + ".HIS")
            seed.number(1 if his.exists() else 0, 0, 7)
            if his.exists():
                seed.text(his.read_bytes(), 512)
        number = (families[0] / (families[0].name + ".DAT")).read_bytes()[:7]
        seeds["demo-" + data.split("/")[0]] = seed.flag(False).text(number, 9).bytes()
    write("fuzz_update_check", seeds)

    # The value search takes raw keyword and module bytes: the module from its data on.
    keywords = psw[psw.index(b"KEYWORD") + len(b"KEYWORD"):]
    seeds = {}
    for module in modules:
        data = module.read_bytes()
        mark = data.find(b"INDIVID")
        seed = Seed().number(0, 0, 8).text(fsw, 512).text(keywords, 1024)
        functions = [line for line in lines if not line.startswith(b"\t")][:8]
        seed.number(len(functions), 1, 8)
        for function in functions:
            seed.flag(False).text(function, 12).number(0, 0, 2)
        seed.text(data[mark + 20 if mark >= 0 else 19:], 4096).text(b"", 4096)
        seeds["demo-" + module.name] = seed.bytes()
    write("fuzz_value_search", seeds)

    # The frame reader takes one whole file, after a byte whose lowest bit asks it to set
    # the check bytes right: every binary file of the demo chassis, both ways.
    seeds = {"demo-" + path.name + suffix: first + path.read_bytes()
             for path in sorted(daten.iterdir()) for suffix, first in (("", b"\x00"), ("-repaired", b"\x01"))}
    # Every kind of field in one row: numbers, string, bytes, optionals present and absent,
    # collections, an optional of an optional, a format that ends inside a bracket.
    row = (b"\x01" b"\x02\x00" b"\x03\x00\x00\x00" b"ab\x00" b"\x01\xee" b"\x01\x07" b"\x00"
           b"\x02\x00\x01\x00\x02\x00" b"\x01\x00\x09" b"\x01\x00" b"\x01\x55" b"\x00")
    seeds["every-field"] = b"\x00" + b"".join([
        frame(0x0100, b"DEM"), frame(0x0300, b"\x20\x00ALLES\x00"), frame(0x0400, b"BWLSA{B}{BW}(W)(B){{B}}A{B}{\x00"),
        frame(0x0500, b"A,B,C,D,E,F,G,H,I,J,K,L,M\x00"), frame(0xFF00, b""), frame(0x0020, row)])
    write("fuzz_frame_reader", seeds)

    long_lines = b"".join(b"L" * n + end for n, end in ((305, b"\r\n"), (306, b"\n"), (307, b"\r"), (0, b"\r\n")))
    write("fuzz_sgidc_edit", {
        "demo-ec-apps": demo("EC-APPS/NFS/DATA/GDATEN/SGIDC.AS2"),
        "demo-sp-daten": demo("SP-DATEN-DEM/DATA/GDATEN/SGIDC.AS2"),
        "long-lines": long_lines + b"tail without end",
    })

    changed = Seed().text(trace, 4096).flag(False).number(2, 0, 8)
    for index in (3, 1):
        changed.number(index, 0, len(lines) - 1)
        trace_lines(changed, [b"\tchanged"], [b"x"], 1)
    write("fuzz_trace_compare", {
        "demo-same": Seed().text(trace, 4096).flag(False).number(0, 0, 8).bytes(),
        "demo-two-changes": changed.bytes(),
        "demo-against-man": Seed().text(trace, 4096).flag(True).text(man, 4096).bytes(),
    })

    loaded = lines[:24]
    values = [i for i, line in enumerate(loaded) if line.startswith(b"\t")][:2]
    seed = trace_lines(Seed(), loaded, [], 24).flag(False).number(len(values), 0, 6)
    for index in values:
        trace_lines(seed.number(index, 0, len(loaded) - 1), [b"\tchanged"], [], 1)
    write("fuzz_apply_history", {
        "demo-two-changes": seed.bytes(),
        "demo-against-man": trace_lines(trace_lines(Seed(), loaded, [], 24).flag(True), man.splitlines(), [b"x"],
                                        24).bytes(),
    })

    record = (b"quillon restore record 1\nrun\twinkfp\t2026-12-07T01:02:03\t/sp\n"
              b"folder\t/nfs/DATA_20261207_010203\nkept\t/nfs/DATA/a.prg\t/records/aside/1\t12\t1700000000000\t-\n"
              b"replaced\t/nfs/DATA/a.prg\t/records/aside/1\nleft\t/nfs/DATA/a.prg\t12\t1\tab\nundone\t1\nend\n"
              b"restored\n")
    seed = Seed().text(record, 1024).flag(True).text(b"/sp", 32).number(2, 0, 12)
    seed.number(3, 0, 7).flag(False).text(b"ECU/A.PRG", 24)
    seed.number(6, 0, 7).flag(True).text(b"DATA/FAM1", 24)
    seed.flag(True).text(b"", 24).flag(True).number(0, 0, 1).number(100, 0, 400).number(50, 0, 400).number(3, 0, 7)
    write("fuzz_restore_record", {"record-with-every-line": seed.bytes()})


if __name__ == "__main__":
    main()
