#!/usr/bin/env python3
"""Writes samples/demo.NDF: a small, realistic channel database for trying the editor.

Five satellites at their orbital positions, each on its own DiSEqC port, with transponders on
real downlink frequencies, a few dozen TV and radio services with PIDs, audio tracks, teletext and
CA systems, and favorites in several groups. Usage: make-demo-ndf.py [OUTPUT]
"""
import struct
import sys
from pathlib import Path

FLAGS = 0b111  # transponder names, network skew, program CA

ENG, FRA, SWE, GER, ITA, DAN, NOR, TUR = 0, 1, 2, 6, 9, 10, 19, 22
VERT, HORZ = 0, 1
FEC = {"auto": 0, "1/2": 1, "2/3": 2, "3/4": 3, "5/6": 4, "7/8": 5}
CA = {"SECA": 1 << 1, "IRDT": 1 << 2, "NAGR": 1 << 3, "CONAX": 1 << 7, "NDS": 1 << 8, "VICS": 1 << 0}
PA_SCRAMBLED, PA_RADIO = 1 << 0, 1 << 4
AC3 = 0x4000

# name, position in tenths of a degree east (west: 3600 - tenths), DiSEqC 1.0 port
SATELLITES = [
    ("Astra 1KR/1L/1M/1N", 192, 0),
    ("Hotbird 13B/13C/13E", 130, 1),
    ("Astra 2E/2F/2G", 282, 2),
    ("Thor 5/6/7", 3600 - 8, 3),
    ("Turksat 3A/4A/5B", 420, 3),
]

# satellite, frequency MHz, polarity, symbol rate, FEC, beam label (not stored: the tree then shows the frequency)
TRANSPONDERS = [
    (0, 11494, HORZ, 22000, "2/3", "1.039"),
    (0, 11362, HORZ, 22000, "2/3", "1.019"),
    (0, 12266, HORZ, 27500, "3/4", "1.093"),
    (0, 11836, HORZ, 27500, "3/4", "1.067"),
    (1, 10992, VERT, 27500, "2/3", "HB 01"),
    (1, 11034, VERT, 27500, "3/4", "HB 03"),
    (1, 11766, HORZ, 29900, "5/6", "HB 50"),
    (2, 10773, HORZ, 23000, "5/6", "2E 2"),
    (2, 10847, VERT, 23000, "5/6", "2E 5"),
    (2, 11426, HORZ, 27500, "2/3", "2F 50"),
    (3, 10872, HORZ, 30000, "3/4", "Thor 5 A9"),
    (3, 11216, VERT, 24500, "7/8", "Thor 6 D3"),
    (4, 11054, VERT, 30000, "5/6", "TK 4A 3"),
    (4, 11916, VERT, 30000, "3/4", "TK 3A 11"),
]

# transponder, name, service id, radio?, audio tracks [(pid, language, ac3)], CA systems
PROGRAMS = [
    (0, "Das Erste HD", 10301, False, [(5102, GER, False), (5106, GER, True)], []),
    (0, "arte HD", 10302, False, [(5122, GER, False), (5123, FRA, False)], []),
    (0, "SWR BW HD", 10303, False, [(5132, GER, False)], []),
    (0, "WDR HD Koeln", 10304, False, [(5142, GER, False)], []),
    (1, "ZDF HD", 11110, False, [(6120, GER, False), (6122, GER, True)], []),
    (1, "3sat HD", 11150, False, [(6520, GER, False)], []),
    (1, "KiKA HD", 11160, False, [(6620, GER, False)], []),
    (2, "Sky Cinema Premieren", 129, False, [(2303, GER, False), (2305, ENG, True)], ["NDS"]),
    (2, "Sky Sport Bundesliga", 221, False, [(2603, GER, False)], ["NDS"]),
    (3, "Deutschlandfunk", 10121, True, [(6101, GER, False)], []),
    (3, "Bayern 3", 28401, True, [(6201, GER, False)], []),
    (3, "WDR 2", 28521, True, [(6301, GER, False)], []),
    (4, "Rai 1", 3401, False, [(161, ITA, False)], []),
    (4, "Rai 2", 3402, False, [(162, ITA, False)], []),
    (4, "Rai Radio 1", 3411, True, [(171, ITA, False)], []),
    (5, "TV5Monde Europe", 1101, False, [(401, FRA, False)], []),
    (5, "Euronews English", 1102, False, [(411, ENG, False), (412, FRA, False), (413, GER, False)], []),
    (6, "Eurosport 1", 3201, False, [(1201, ENG, False), (1202, GER, False)], ["VICS"]),
    (6, "RSI La 1", 3202, False, [(1221, ITA, False)], ["VICS"]),
    (7, "BBC One HD", 6941, False, [(5402, ENG, False), (5403, ENG, True)], []),
    (7, "BBC Two HD", 6942, False, [(5502, ENG, False)], []),
    (8, "ITV1", 10060, False, [(2312, ENG, False)], []),
    (8, "Channel 4", 9211, False, [(2322, ENG, False)], []),
    (8, "BBC Radio 4", 10223, True, [(902, ENG, False)], []),
    (9, "Sky News", 4704, False, [(2314, ENG, False)], []),
    (9, "Sky Atlantic", 4747, False, [(2326, ENG, False)], ["NDS"]),
    (10, "NRK1 HD", 801, False, [(3021, NOR, False)], ["CONAX"]),
    (10, "NRK2 HD", 802, False, [(3031, NOR, False)], ["CONAX"]),
    (10, "NRK P1", 811, True, [(3041, NOR, False)], []),
    (11, "SVT1 HD", 902, False, [(3201, SWE, False)], ["CONAX"]),
    (11, "DR1", 903, False, [(3211, DAN, False)], ["CONAX"]),
    (12, "TRT 1 HD", 1001, False, [(1011, TUR, False)], []),
    (12, "TRT Haber", 1002, False, [(1021, TUR, False)], []),
    (13, "TRT FM", 1101, True, [(1111, TUR, False)], []),
    (13, "TRT Radyo 1", 1102, True, [(1121, TUR, False)], []),
]

# group name, TV program names, radio program names
FAVORITES = [
    ("News", ["Euronews English", "Sky News", "TRT Haber"], ["Deutschlandfunk", "BBC Radio 4"]),
    ("Movies", ["Sky Cinema Premieren", "Sky Atlantic"], []),
    ("Drama", ["BBC One HD", "Das Erste HD"], []),
    ("Hobby", [], []),
    ("Music", [], ["Bayern 3", "WDR 2", "NRK P1"]),
    ("Cartoons", ["KiKA HD"], []),
    ("Education", ["arte HD", "3sat HD"], []),
    ("Info", ["ZDF HD"], []),
]


def short_string(text):
    data = text.encode("latin-1")
    assert len(data) <= 255
    return bytes([len(data)]) + data


def pid_list(entries):
    return bytes([len(entries)]) + bytes(lang for _, lang in entries) + b"".join(
        struct.pack("<H", pid) for pid, _ in entries)


def build():
    body = bytearray()
    # Antenna configurations: DiSEqC 1.0 on a universal LNB, one port per satellite.
    body += bytes([len(SATELLITES)])
    for _, _, port in SATELLITES:
        body += struct.pack("<BBBBHH", 0x01, 0x03, port, 0x41, 0, 0)
    body += bytes([len(SATELLITES)])
    for slot, (name, position, _) in enumerate(SATELLITES):
        body += short_string(name) + struct.pack("<HBBBB", position, 0, slot, 106, 33)

    # Transponders grouped by satellite, in the order of the satellites.
    order = sorted(range(len(TRANSPONDERS)), key=lambda i: (TRANSPONDERS[i][0], i))
    new_index = {old: new for new, old in enumerate(order)}
    body += struct.pack("<H", len(order))
    for old in order:
        sat, freq, pol, sr, fec, label = TRANSPONDERS[old]
        body += short_string("") + struct.pack("<HHBBBi", freq, sr, pol | (FEC[fec] << 4), 0, sat, -2**31)

    # Programs in channel order: TV first, then radio, each by transponder.
    programs = sorted(PROGRAMS, key=lambda p: (p[3], new_index[p[0]]))
    body += struct.pack("<H", len(programs))
    pid_base = 100
    for tp, name, sid, radio, audio, ca in programs:
        pid_base += 1
        video = [] if radio else [(sid % 0x1000 + 0x100, 255)]
        audio_entries = [((pid & 0x1FFF) | (AC3 if ac3 else 0), lang) for pid, lang, ac3 in audio]
        teletext = [] if radio else [((sid % 0x1000) + 0x200, 255)]
        mask = 0
        for system in ca:
            mask |= CA[system]
        attributes = (PA_RADIO if radio else 0) | (PA_SCRAMBLED if ca else 0)
        pmt = 0x60 + pid_base
        pcr = audio_entries[0][0] & 0x1FFF if radio else video[0][0]
        body += short_string(name) + struct.pack("<HHH", sid, pmt, pcr)
        body += pid_list(video) + pid_list(audio_entries) + pid_list(teletext)
        body += struct.pack("<IBBH", mask, attributes, 0, new_index[tp])

    index_of = {p[1]: i for i, p in enumerate(programs)}
    body += bytes([len(FAVORITES)])
    for name, tv, radio in FAVORITES:
        body += short_string(name)
        body += struct.pack("<H", len(tv)) + b"".join(struct.pack("<H", index_of[n]) for n in tv)
        body += struct.pack("<H", len(radio)) + b"".join(struct.pack("<H", index_of[n]) for n in radio)

    # Header with a version stamp (area B, version 3), so that the file is the same on every run.
    header = bytearray(b"NDF\0") + struct.pack("<I", 0) + bytes([1, 0, 1, 3]) + struct.pack("<I", FLAGS)
    image = header + body + b"END"
    image[4:8] = struct.pack("<I", len(image) + 1)
    image += bytes([(1 + sum(image)) % 256])
    return bytes(image)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "samples" / "demo.NDF"
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_bytes(build())
    print(f"wrote {out} ({out.stat().st_size} bytes)")


if __name__ == "__main__":
    main()
