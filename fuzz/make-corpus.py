#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets into fuzz/corpus/<target>/."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
TP_NAMES, NET_SKEW, PROG_CA = 1, 2, 4


def short_string(text):
    data = text.encode("latin-1")
    return bytes([len(data)]) + data


def pid_list(entries):
    return bytes([len(entries)]) + bytes(lang for _, lang in entries) + b"".join(
        struct.pack("<H", pid) for pid, _ in entries)


def image(stamp, flags, antennas=(), networks=(), transponders=(), programs=(), groups=()):
    body = bytearray(b"NDF\0" + b"\0\0\0\0" + bytes([1]) + bytes(stamp) + struct.pack("<I", flags))
    body += bytes([len(antennas)])
    for a in antennas:
        body += struct.pack("<BBBBHH", *a)
    body += bytes([len(networks)])
    for name, position, positioner, antenna in networks:
        body += short_string(name) + struct.pack("<HBB", position, positioner, antenna)
        if flags & NET_SKEW:
            body += bytes([106, 33])
    body += struct.pack("<H", len(transponders))
    for name, freq, rate, polfec, network in transponders:
        if flags & TP_NAMES:
            body += short_string(name)
        body += struct.pack("<HHBBBi", freq, rate, polfec, 0, network, -0x80000000)
    body += struct.pack("<H", len(programs))
    for name, sid, video, audio, teletext, tp in programs:
        body += short_string(name) + struct.pack("<HHH", sid, 0x20, 0x21)
        body += pid_list(video) + pid_list(audio) + pid_list(teletext)
        if flags & PROG_CA:
            body += struct.pack("<I", 0x3)
        body += bytes([0, 0]) + struct.pack("<H", tp)
    body += bytes([len(groups)])
    for name, tv, radio in groups:
        body += short_string(name) + struct.pack("<H", len(tv)) + b"".join(struct.pack("<H", i) for i in tv)
        body += struct.pack("<H", len(radio)) + b"".join(struct.pack("<H", i) for i in radio)
    body += b"END"
    length = len(body) + 1
    body[4:8] = struct.pack("<I", length)
    body += bytes([(1 + sum(body)) % 256])
    return bytes(body)


def sdx_line(name, freq, pol, position, rate, tag="SATCODX", version="03", length=128):
    line = list(" " * length)
    line[0:7] = tag
    line[7] = "1"
    line[8:10] = version
    line[10:10 + len(name)] = name
    for column, width, text in ((33, 6, str(freq)), (51, 4, str(position)), (69, 5, str(rate))):
        line[column + width - len(text):column + width] = text
    line[42] = pol
    return "".join(line).rstrip() + "\n"


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("latin-1"))


def main():
    write("fuzz_ndf", "empty.ndf", image((0, 1, 2), 0))
    write("fuzz_ndf", "all-flags.ndf", image(
        (0x84, 5, 19), TP_NAMES | NET_SKEW | PROG_CA,
        antennas=[(0x85, 0x07, 0x21, 0x41, 9750, 10600), (0, 3, 0, 0x41, 0, 0)],
        networks=[("Astra 19.2E", 192, 1, 0), ("Hotbird 13.0E", 130, 0, 1)],
        transponders=[("TP1", 11362, 22000, 0x01, 0), ("", 10719, 27500, 0x30, 1)],
        programs=[("Das Erste", 28106, [(0x65, 255)], [(0x66, 0), (0x4067, 1)], [(0x68, 2)], 0),
                  ("Radio", 28400, [], [(0x100, 3)], [], 1),
                  ("Empty", 1, [], [], [], 1)],
        groups=[("News", [0, 2], [1]), ("Sport", [], [])]))
    write("fuzz_ndf", "no-flags.ndf", image(
        (0x90, 12, 31), 0,
        antennas=[(0, 3, 0, 0x41, 0, 0)] * 3,
        networks=[("", 0, 0, 0), ("-", 0, 0, 1), ("Thor", 3592, 0, 2)],
        transponders=[("", 11216, 24500, 0x12, 2)],
        programs=[("\xc4rger", 5, [(0x1FFF, 255)], [(0xFFFF, 255)], [], 0)]))
    write("fuzz_satcodx", "two-lines.sdx",
          sdx_line("Astra 1KR", 11362, "1", 192, 22000) + sdx_line("Astra 1L", 11391, "0", 192, 22000))
    write("fuzz_satcodx", "mixed.sdx",
          sdx_line("hotbird", 10719, "0", 130, 27500, tag="satcodx")
          + sdx_line("hotbird", 10719, "0", 130, 27500)
          + sdx_line("Skipped", 10722, "1", 130, 27500, version="04")
          + sdx_line("Long", 12000, "3", 130, 1000, length=200).replace("\n", "x" * 72 + "\r\n")
          + "SATCODX103Short line\n"
          + sdx_line("Signs", 99999, "9", 3600, 65536).replace("99999", "-9999"))


if __name__ == "__main__":
    main()
