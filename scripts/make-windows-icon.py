#!/usr/bin/env python3
"""Writes resources/windows/dishline.ico from resources/icons/dishline.svg.

The icon holds the sizes Windows asks for (16 to 256 pixels), each a PNG image as Windows Vista and
later read them. Rendering needs rsvg-convert (Debian package librsvg2-bin).
Usage: scripts/make-windows-icon.py [output.ico]
"""
import pathlib
import struct
import subprocess
import sys

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def render(svg: pathlib.Path, size: int) -> bytes:
    return subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-f", "png", str(svg)],
                          check=True, capture_output=True).stdout


def icon(images: list[tuple[int, bytes]]) -> bytes:
    header = struct.pack("<HHH", 0, 1, len(images))  # reserved, type 1 = icon, count
    offset = len(header) + 16 * len(images)
    entries = b""
    data = b""
    for size, png in images:
        side = 0 if size == 256 else size  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(png), offset + len(data))
        data += png
    return header + entries + data


def main() -> None:
    root = pathlib.Path(__file__).resolve().parent.parent
    output = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "resources" / "windows" / "dishline.ico"
    svg = root / "resources" / "icons" / "dishline.svg"
    output.parent.mkdir(parents=True, exist_ok=True)
    output.write_bytes(icon([(size, render(svg, size)) for size in SIZES]))
    print(f"wrote {output}")


if __name__ == "__main__":
    main()
