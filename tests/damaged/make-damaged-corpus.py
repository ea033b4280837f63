#!/usr/bin/env python3
"""Writes the damaged-file corpus of the editor tests from a valid NDF file.

Every file it writes passes the image check (magic, length, version, trailer, checksum) and loads,
but holds references that name no record, or layouts that the operations do not expect:

  antenna-index-past-configs.NDF      networks whose antennaIndex names no antenna configuration
  fewer-configs-than-networks.NDF     fewer antenna configurations than networks
  transponder-network-past.NDF        transponders whose networkIndex names no network
  program-transponder-past.NDF        programs whose transponderIndex names no transponder
  favorite-entries-past-programs.NDF  TV and radio favorite entries that name no program
  more-than-eight-groups.NDF          ten favorite groups, the two past the eighth with members
  split-transponder-run.NDF           a network whose transponders form two runs
  no-networks.NDF                     no networks, but transponders and programs
  all-damage.NDF                      all of the above that can stand together (a file without
                                      networks cannot also have networks with bad references)

Beside each X.NDF, X.damage lists what a reader of it must find, one damaged reference a line:
"collection index field value" (for a collection-wide finding: "collection size count size").

Usage:
  make-damaged-corpus.py [--source FILE] [OUTPUT_DIR]   write the corpus (default: ./corpus)
  make-damaged-corpus.py --check [--source FILE] [DIR]  exit 1 unless DIR holds exactly that corpus

The default source is samples/demo.NDF of the source tree. Standard library only.
"""
import argparse
import struct
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
DEFAULT_SOURCE = HERE.parent.parent / "samples" / "demo.NDF"
DEFAULT_OUTPUT = HERE / "corpus"

FLAG_TP_NAMES, FLAG_NET_SKEW, FLAG_PROG_CA = 1, 2, 4
PA_RADIO = 0x10
NO_INDEX = 0xFFFF
OFFERED_GROUPS = 8  # the editor shows and edits this many favorite groups


class Reader:
    """A bounds-checked cursor over the image, little-endian."""

    def __init__(self, data, end):
        self.data, self.pos, self.end = data, 0, end

    def take(self, n):
        if self.pos + n > self.end:
            raise ValueError(f"record runs past the trailer at offset {self.pos}")
        chunk = self.data[self.pos:self.pos + n]
        self.pos += n
        return chunk

    def u8(self):
        return self.take(1)[0]

    def u16(self):
        return struct.unpack("<H", self.take(2))[0]

    def u32(self):
        return struct.unpack("<I", self.take(4))[0]

    def i32(self):
        return struct.unpack("<i", self.take(4))[0]

    def name(self):
        return self.take(self.u8())

    def pid_list(self):
        count = self.u8()
        return bytes([count]) + self.take(3 * count)  # count, languages, PID words: carried as is


def check_image(image):
    if image[:4] != b"NDF\0" or len(image) < 27:
        raise ValueError("not an NDF image")
    if struct.unpack("<I", image[4:8])[0] != len(image) or image[8] != 1:
        raise ValueError("bad length field or version")
    if image[-4:-1] != b"END" or (1 + sum(image[:-1])) % 256 != image[-1]:
        raise ValueError("bad trailer or checksum")


def parse(image):
    check_image(image)
    r = Reader(image, len(image) - 4)
    db = {"header": image[8:12], "flags": struct.unpack("<I", image[12:16])[0]}
    r.pos = 16
    flags = db["flags"]
    db["antennas"] = [r.take(8) for _ in range(r.u8())]
    db["networks"] = []
    for _ in range(r.u8()):
        net = {"name": r.name(), "position": r.u16(), "positionerId": r.u8(), "antennaIndex": r.u8()}
        if flags & FLAG_NET_SKEW:
            net["skew"] = r.take(2)
        db["networks"].append(net)
    db["transponders"] = []
    for _ in range(r.u16()):
        tp = {"name": r.name() if flags & FLAG_TP_NAMES else b""}
        tp.update(frequency=r.u16(), symbolRate=r.u16(), polFec=r.u8(), freqDrift=r.u8(), networkIndex=r.u8(),
                  gmtError=r.i32())
        db["transponders"].append(tp)
    db["programs"] = []
    for _ in range(r.u16()):
        prog = {"name": r.name(), "pids": r.take(6), "video": r.pid_list(), "audio": r.pid_list(),
                "teletext": r.pid_list()}
        prog["caMask"] = r.u32() if flags & FLAG_PROG_CA else 0
        prog.update(attributes=r.u8(), attributes2=r.u8(), transponderIndex=r.u16())
        db["programs"].append(prog)
    db["groups"] = []
    for _ in range(r.u8()):
        group = {"name": r.name()}
        group["tv"] = [r.u16() for _ in range(r.u16())]
        group["radio"] = [r.u16() for _ in range(r.u16())]
        db["groups"].append(group)
    db["rest"] = image[r.pos:len(image) - 4]  # bytes between the favorite block and the trailer
    return db


def short_string(data):
    assert len(data) <= 255
    return bytes([len(data)]) + data


def serialize(db):
    flags = db["flags"]
    out = bytearray(b"NDF\0") + bytes(4) + db["header"] + struct.pack("<I", flags)
    out += bytes([len(db["antennas"])]) + b"".join(db["antennas"])
    out += bytes([len(db["networks"])])
    for net in db["networks"]:
        out += short_string(net["name"]) + struct.pack("<HBB", net["position"], net["positionerId"],
                                                       net["antennaIndex"])
        if flags & FLAG_NET_SKEW:
            out += net["skew"]
    out += struct.pack("<H", len(db["transponders"]))
    for tp in db["transponders"]:
        if flags & FLAG_TP_NAMES:
            out += short_string(tp["name"])
        out += struct.pack("<HHBBBi", tp["frequency"], tp["symbolRate"], tp["polFec"], tp["freqDrift"],
                           tp["networkIndex"], tp["gmtError"])
    out += struct.pack("<H", len(db["programs"]))
    for prog in db["programs"]:
        out += short_string(prog["name"]) + prog["pids"] + prog["video"] + prog["audio"] + prog["teletext"]
        if flags & FLAG_PROG_CA:
            out += struct.pack("<I", prog["caMask"])
        out += struct.pack("<BBH", prog["attributes"], prog["attributes2"], prog["transponderIndex"])
    out += bytes([len(db["groups"])])
    for group in db["groups"]:
        out += short_string(group["name"])
        for entries in (group["tv"], group["radio"]):
            out += struct.pack("<H", len(entries)) + b"".join(struct.pack("<H", e) for e in entries)
    out += db["rest"] + b"END"
    out[4:8] = struct.pack("<I", len(out) + 1)
    out += bytes([(1 + sum(out)) % 256])
    image = bytes(out)
    check_image(image)
    return image


# ---- the damages ----
# Records are chosen by their place (the second network, the last transponder of a network, the
# last member of a favorite list), so that any realistic source file will do.

def transponders_of(db, net):
    return [tp for tp in db["transponders"] if tp["networkIndex"] == net]


def programs_of_network(db, net):
    tps = db["transponders"]
    return [p for p in db["programs"]
            if p["transponderIndex"] < len(tps) and tps[p["transponderIndex"]]["networkIndex"] == net]


def last_member(db, list_name):
    """The program that is the last entry of the first favorite group whose list is not empty."""
    for group in db["groups"]:
        if group[list_name]:
            return db["programs"][group[list_name][-1]]
    raise ValueError(f"the source has no favorite group with a {list_name} entry")


def antenna_index_past_configs(db):
    # One exactly at the count, one at the 8-bit "none", one far past the count.
    nets = db["networks"]
    assert len(nets) >= 5, "the source needs five networks"
    nets[1]["antennaIndex"] = len(db["antennas"])
    nets[3]["antennaIndex"] = 255
    nets[-1]["antennaIndex"] = 200


def fewer_configs_than_networks(db):
    # The last configuration goes; the networks that used it share the one before it.
    db["antennas"].pop()
    shared = len(db["antennas"]) - 1
    for net in db["networks"]:
        if net["antennaIndex"] > shared:
            net["antennaIndex"] = shared


def transponder_network_past(db):
    last_network = len(db["networks"]) - 1
    transponders_of(db, 1)[-1]["networkIndex"] = len(db["networks"])
    transponders_of(db, last_network)[-1]["networkIndex"] = 255


def program_transponder_past(db):
    # Favorite members both, so that the channel list meets them too.
    tv, radio = last_member(db, "tv"), last_member(db, "radio")
    tv["transponderIndex"] = len(db["transponders"])
    radio["transponderIndex"] = NO_INDEX


def favorite_entries_past_programs(db):
    count = len(db["programs"])
    first = db["groups"][0]
    first["tv"].insert(min(1, len(first["tv"])), count + 265)
    first["radio"].append(count)
    # A group whose only member names no program.
    empty = [g for g in db["groups"] if not g["tv"] and not g["radio"]]
    (empty[0] if empty else db["groups"][-1])["tv"].append(NO_INDEX)


def more_than_eight_groups(db):
    index = {id(p): i for i, p in enumerate(db["programs"])}
    for net in range(len(db["networks"])):
        if len(db["groups"]) >= 10:
            break
        members = programs_of_network(db, net + 1)
        tv = [index[id(p)] for p in members if not p["attributes"] & PA_RADIO][:2]
        radio = [index[id(p)] for p in members if p["attributes"] & PA_RADIO][:1]
        if tv or radio:
            db["groups"].append({"name": f"Extra {len(db['groups']) + 1}".encode(), "tv": tv, "radio": radio})
    assert len(db["groups"]) > 8, "the source has too few programs for two more groups"


def split_transponder_run(db):
    # The second transponder of the first network moves to the end, after every other network's
    # run; its programs follow it, so every reference stays valid.
    tps = db["transponders"]
    before = list(tps)
    moving = transponders_of(db, 0)[1]
    tps.remove(moving)
    tps.append(moving)
    new_index = {i: tps.index(tp) for i, tp in enumerate(before)}
    for prog in db["programs"]:
        prog["transponderIndex"] = new_index.get(prog["transponderIndex"], prog["transponderIndex"])


def no_networks(db):
    db["networks"] = []


SINGLE = {
    "antenna-index-past-configs": [antenna_index_past_configs],
    "fewer-configs-than-networks": [fewer_configs_than_networks],
    "transponder-network-past": [transponder_network_past],
    "program-transponder-past": [program_transponder_past],
    "favorite-entries-past-programs": [favorite_entries_past_programs],
    "more-than-eight-groups": [more_than_eight_groups],
    "split-transponder-run": [split_transponder_run],
    "no-networks": [no_networks],
}
CORPUS = dict(SINGLE)
CORPUS["all-damage"] = [split_transponder_run, fewer_configs_than_networks, antenna_index_past_configs,
                        transponder_network_past, program_transponder_past, favorite_entries_past_programs,
                        more_than_eight_groups]


# ---- what a reader of the file must find ----

def find_damage(db):
    """Every damaged reference as (collection, index, field, value), in collection order. For a
    collection-wide finding the index is the collection's size and the field "count"."""
    found = []
    nets, tps, progs = db["networks"], db["transponders"], db["programs"]
    for i, net in enumerate(nets):
        if net["antennaIndex"] >= len(db["antennas"]):
            found.append(("networks", i, "antennaIndex", net["antennaIndex"]))
    if len(db["antennas"]) < len(nets):
        found.append(("antennaConfigs", len(db["antennas"]), "count", len(db["antennas"])))
    run_start = {}
    for i, tp in enumerate(tps):
        net = tp["networkIndex"]
        if net >= len(nets):
            found.append(("transponders", i, "networkIndex", net))
        elif i > 0 and tps[i - 1]["networkIndex"] == net:
            continue
        elif net in run_start:
            found.append(("transponders", i, "networkIndex", net))  # a second run of the network
        else:
            run_start[net] = i
    for i, prog in enumerate(progs):
        if prog["transponderIndex"] >= len(tps):
            found.append(("programs", i, "transponderIndex", prog["transponderIndex"]))
    for i, group in enumerate(db["groups"]):
        for name in ("tv", "radio"):
            for j, entry in enumerate(group[name]):
                if entry >= len(progs):
                    found.append(("favoriteGroups", i, f"{name}List[{j}]", entry))
    if len(db["groups"]) > OFFERED_GROUPS:
        found.append(("favoriteGroups", len(db["groups"]), "count", len(db["groups"])))
    return found


def build(source):
    base = parse(source)
    if serialize(base) != source:
        raise ValueError("the source does not round-trip; it cannot serve as the base of the corpus")
    if find_damage(base):
        raise ValueError(f"the source is damaged already: {find_damage(base)}")
    files = {}
    for name, damages in CORPUS.items():
        db = parse(source)
        for damage in damages:
            damage(db)
        found = find_damage(db)
        assert found, name
        files[name + ".NDF"] = serialize(db)
        files[name + ".damage"] = "".join(f"{k} {i} {f} {v}\n" for k, i, f, v in found).encode()
    return files


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare DIR with the corpus instead of writing")
    parser.add_argument("--source", type=Path, default=DEFAULT_SOURCE)
    parser.add_argument("dir", nargs="?", type=Path, default=DEFAULT_OUTPUT)
    args = parser.parse_args()
    files = build(args.source.read_bytes())

    if args.check:
        present = {p.name for p in args.dir.iterdir() if p.suffix in (".NDF", ".damage")}
        stale = sorted(n for n, data in files.items() if n not in present or (args.dir / n).read_bytes() != data)
        extra = sorted(present - files.keys())
        for name in stale:
            print(f"{args.dir / name}: differs from the generator's output")
        for name in extra:
            print(f"{args.dir / name}: not made by the generator")
        if stale or extra:
            print(f"regenerate with: {Path(__file__).name} {args.dir}")
            return 1
        print(f"{len(files)} files current")
        return 0

    args.dir.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (args.dir / name).write_bytes(data)
    print(f"wrote {len(files)} files to {args.dir}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
