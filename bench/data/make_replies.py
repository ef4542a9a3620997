#!/usr/bin/env python3
"""Writes modes-replies.csv, the reply mix of the Mode S decoder benchmark, from the recorded
replies in modes/tests/data. Run from this directory; the output is checked in.

The recordings hold DF17 of one aircraft (type codes 4, 11 and 19) and DF20/DF21 of many. The
mix gives every format the share it has on a busy receiver and every aircraft its own address:
  - DF17: recorded payloads (ME fields) under the addresses of the Comm-B recordings, and the
    same payloads with their type code set to each of 1 to 31, so that every type code occurs;
  - DF20, DF21: recorded replies (the three damaged DF20 replies left out);
  - DF0, DF4: the first 32 bits of a recorded DF20 under DF0 or DF4, parity overlaid with its
    address; DF5 likewise from a recorded DF21;
  - DF11: the acquisition squitter (II 0) and all-call replies to interrogators 1 to 3 of the
    same addresses.
Parities are computed here; the benchmark itself damages one extended squitter in ten.
"""
import csv
import random

SOURCE = "../../modes/tests/data/"
DAMAGED = {"A03F40002EC423613A3527BE77D1", "A000009CC6500030AA0000E16CC9",
           "A6FAA2A000161DB2C80030A40000"}

def parity_table():
    table = [0] * 112
    r = 0xFFF409  # x^24 mod G, the entry of bit 87
    for i in range(87, -1, -1):
        table[i] = r
        r <<= 1
        if r & 0x1000000:
            r ^= 0x1FFF409
    return table

TABLE = parity_table()

def with_overlay(data, overlay):
    data = bytearray(data)
    nbits = len(data) * 8
    start = 0 if nbits == 112 else 56
    crc = 0
    for i in range(nbits - 24):
        if data[i // 8] >> (7 - i % 8) & 1:
            crc ^= TABLE[start + i]
    value = crc ^ overlay
    data[-3:] = bytes([value >> 16 & 255, value >> 8 & 255, value & 255])
    return bytes(data)

def rows(name):
    with open(SOURCE + name) as f:
        return list(csv.reader(f))

random.seed(1090)
adsb = [bytes.fromhex(r[1]) for r in rows("sample_data_adsb.csv")]
df20 = [(int(r[1], 16), bytes.fromhex(r[2])) for r in rows("sample_data_commb_df20.csv") if r[2] not in DAMAGED]
df21 = [(int(r[1], 16), bytes.fromhex(r[2])) for r in rows("sample_data_commb_df21.csv")]
addresses = sorted({a for a, _ in df20} | {a for a, _ in df21})

def df17(i):
    me = bytearray(adsb[i % len(adsb)][4:11])
    if i % 4 == 3:  # every type code, 1 to 31
        me[0] = (me[0] & 0x07) | ((1 + (i // 4) % 31) << 3)
    address = addresses[i % len(addresses)]
    head = bytes([0x8D, address >> 16, address >> 8 & 255, address & 255]) + bytes(me) + bytes(3)
    return with_overlay(head, 0)

def short_from(kind, i):
    if kind in ("df4", "df0"):
        address, frame = df20[i % len(df20)]
        first = 0x20 if kind == "df4" else 0x00
    else:
        address, frame = df21[i % len(df21)]
        first = 0x28
    head = bytes([first | (frame[0] & 0x07)]) + frame[1:4] + bytes(3)
    return with_overlay(head, address)

def df11(i):
    address = addresses[i % len(addresses)]
    interrogator = [0, 0, 1, 2, 3][i % 5]
    head = bytes([0x5D, address >> 16, address >> 8 & 255, address & 255]) + bytes(3)
    return with_overlay(head, interrogator)

# Shares per thousand replies.
MIX = [("df17", 450), ("df11", 150), ("df4", 100), ("df20", 120), ("df21", 80), ("df5", 50), ("df0", 50)]
sequence = []
counters = {}
for kind, share in MIX:
    for _ in range(share * 4):
        i = counters.get(kind, 0)
        counters[kind] = i + 1
        if kind == "df17":
            frame = df17(i)
        elif kind == "df11":
            frame = df11(i)
        elif kind == "df20":
            frame = df20[i % len(df20)][1]
        elif kind == "df21":
            frame = df21[i % len(df21)][1]
        else:
            frame = short_from(kind, i)
        sequence.append((kind, frame.hex().upper()))
random.shuffle(sequence)
with open("modes-replies.csv", "w") as out:
    out.write("kind,hex\n")
    for kind, frame in sequence:
        out.write(f"{kind},{frame}\n")
